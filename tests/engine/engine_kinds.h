// The engine and the literal model as the kinds the behaviour tests run on, and names for the shapes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "engine/geometry.h"
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

// "Boxes3x3" and so on, for tests run once per shape of kBoxShapes.
inline std::string ShapeName(const ::testing::TestParamInfo<int>& info) {
  const TBoxShape& shape = kBoxShapes[static_cast<std::size_t>(info.param)];
  return "Boxes" + std::to_string(shape.BoxWidth) + "x" + std::to_string(shape.BoxHeight);
}

}  // namespace novlet
