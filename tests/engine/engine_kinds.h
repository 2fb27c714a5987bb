#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "engine/novlet_engine.h"
#include "literal_model.h"

namespace novlet {

// The behaviour tests hold for the engine and for the literal model alike:
// the model is the yardstick of the comparison, so it has to pass them too.
using EngineKinds = ::testing::Types<TNovletEngine, TLiteralModel>;

struct EngineKindNames {
  template <typename T>
  static std::string GetName(int) {
    return std::is_same_v<T, TNovletEngine> ? "Engine" : "LiteralModel";
  }
};

}  // namespace novlet
