// A sample language file as the program ships one, and the ways tests write it.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "store/language/row_store_writer.h"
#include "store/temp_folder.h"

namespace novlet::testing {

// A language file as the program ships it: English, German, and a Swiss
// German that "Contents" lists but does not offer.
inline row_store::TRowStoreContent SampleLanguages(bool scrambled = false) {
  using row_store::TColumnDefinition;
  const std::vector<TColumnDefinition> textColumns = {{"Tag", {3, 0}}, {"Caption", {13, 255}}, {"Hint", {13, 255}}};
  row_store::TRowStoreContent content;
  content.Scrambled = scrambled;
  content.Tables = {
      {"Contents",
       {{"sLanguage", {13, 8}}, {"sCountry", {13, 32}}, {"iCountry", {3, 0}}},
       {{"en", "English", "44"}, {"de", "Deutsch", "49"}, {"de_CH", "Schweizerdeutsch", "41"}}},
      {"MainForm (English)", textColumns, {{"531", "Continue", "Continue solving"}, {"560", "Solution"}}},
      {"MainForm (Deutsch)", textColumns,
       {{"560", "Lösung", "Die Lösung zeigen"}, {"660", "Vervollständigen"}, {"861", ""}, {"862", "Normal"}}},
      {"MainForm (Schweizerdeutsch)", textColumns, {{"560", "Lösig"}}},
  };
  return content;
}

// The bytes of a language file of the content, as the writer makes them.
inline std::string Encoded(const row_store::TRowStoreContent& content) {
  std::string bytes;
  std::string problem;
  EXPECT_TRUE(row_store::EncodeRowStore(content, bytes, problem)) << problem;
  return bytes;
}

inline std::filesystem::path WriteSample(const TTempFolder& folder, const row_store::TRowStoreContent& content) {
  const std::filesystem::path file = folder.Path() / "Novlet.lng";
  std::string problem;
  EXPECT_TRUE(row_store::WriteRowStore(file, content, problem)) << problem;
  return file;
}

}  // namespace novlet::testing
