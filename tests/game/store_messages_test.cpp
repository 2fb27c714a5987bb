// The store's English messages, made by the store itself, worded in every shipped language.
#include <gtest/gtest.h>

#include "game/store_messages.h"
#include "shipped_language.h"
#include "store/language/translator.h"
#include "store/store_result.h"
#include "store/temp_folder.h"

namespace novlet::test {
namespace {

TEST(StoreMessages, EveryFormIsWordedInTheWindowsLanguageAndKeepsPathsAndNames) {
  const TTempFolder folder;
  WriteShippedLanguageFile(folder / "Novlet.lng");
  const std::filesystem::path path = "/home/ann/or 3: this or that.cnf";
  struct {
    std::string Message;
    std::int32_t Language;
    QString Shown;
  } const cases[] = {
      {UnableToWriteMessage(path), 49, "In /home/ann/or 3: this or that.cnf kann nicht geschrieben werden"},
      {InUseMessage(path), 31,
       "Kan niet schrijven naar /home/ann/or 3: this or that.cnf: het bestand is in gebruik door een ander "
       "programma; probeer het opnieuw"},
      {UnableToReadMessage(path, "Permission denied"), 33,
       "Impossible de lire /home/ann/or 3: this or that.cnf\u00A0: Permission refusée"},
      {UnableToReadMessage(path, "it holds binary data, not text"), 49,
       "/home/ann/or 3: this or that.cnf kann nicht gelesen werden: die Datei enthält Binärdaten, keinen Text"},
      {UnableToReadMessage(path, "a reason of the system"), 31,
       "Kan /home/ann/or 3: this or that.cnf niet lezen: a reason of the system"},
      {"Cannot rename \"a: b\": it is no longer in /x.ini", 33,
       "Impossible de renommer «\u00A0a: b\u00A0»\u00A0: il ne se trouve plus dans /x.ini"},
      {"line 7: \"5\" twice in row 3", 49, "Zeile 7: \"5\" doppelt in Zeile 3"},
      {"line 2, character 4: byte 0x09 is neither a value nor an empty cell", 31,
       "regel 2, teken 4: byte 0x09 is geen waarde en geen leeg vakje"},
      {"line 1: rows of 7 cells, expected 4, 6, 8 or 9", 33,
       "ligne 1\u00A0: lignes de 7 cases, 4, 6, 8 ou 9 attendues"},
      {"line 9: several solutions", 49, "Zeile 9: mehrere Lösungen"},
      {"line 9: several solutions", 44, "line 9: several solutions"},
      {"something new the store says", 49, "something new the store says"},
  };
  for (const auto& [message, language, shown] : cases) {
    TTranslator texts;
    texts.SetLanguage(folder / "Novlet.lng", language);
    EXPECT_EQ(StoreMessageText(message, texts), shown) << message;
  }
}

}  // namespace
}  // namespace novlet::test
