// The language file the program ships, built from data/language into a
// test's folder, so that the window's tests see every shipped language.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/language/language_source.h"
#include "store/language/row_store_writer.h"

namespace novlet::test {

inline const std::filesystem::path kLanguageSources = NOVLET_LANGUAGE_SOURCES;

// The shipped languages by their numbers: English, German, French, Dutch.
inline constexpr std::int32_t kShippedLanguages[] = {44, 49, 33, 31};

inline void WriteShippedLanguageFile(const std::filesystem::path& file) {
  row_store::TRowStoreContent content;
  std::string problem;
  ASSERT_TRUE(ReadLanguageSources(kLanguageSources, false, content, problem)) << problem;
  ASSERT_TRUE(row_store::WriteRowStore(file, content, problem)) << problem;
}

}  // namespace novlet::test
