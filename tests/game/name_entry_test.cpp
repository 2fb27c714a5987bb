// Naming a puzzle on Save: cancelled, kept, renamed, and the overwrite question.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "game/name_entry.h"
#include "scripted_dialogs.h"
#include "store/language/translator.h"
#include "store/puzzle_record.h"

namespace novlet::test {
namespace {

struct TNameEntryUnderTest {
  TNameEntryUnderTest() {
    File = std::filesystem::path(Folder.path().toStdString()) / "novlet.dat";
    for (const char* taken : {"ann@Taken", "ann@\xC3\x84rger"}) EXPECT_TRUE(WritePuzzleRecord(File, taken, {}).Ok);
  }

  std::optional<std::string> Run(const QString& answer) {
    Dialogs.NameAnswer = answer;
    return RunNameEntryFlow(File, "ann@Old", "ann", "ann@Old", Dialogs, Texts);
  }

  QTemporaryDir Folder;
  std::filesystem::path File;
  TScriptedDialogs Dialogs;
  TTranslator Texts;
};

TEST(NameEntry, CancelAndBlankAnswersStoreNothingAndTheSameNameKeepsTheSection) {
  TNameEntryUnderTest flow;
  EXPECT_FALSE(flow.Run(""));
  EXPECT_EQ(flow.Dialogs.Messages.front(), "Save Novlet as...\n\nPlease enter a name");
  EXPECT_FALSE(flow.Run(" \t "));
  EXPECT_EQ(flow.Run(" Old "), "ann@Old");
  EXPECT_EQ(flow.Run("New @ home"), "ann@New @ home");
  EXPECT_EQ(flow.Dialogs.Messages.size(), 4);  // no overwrite question so far
}

TEST(NameEntry, AnExistingNameOfTheAccountIsOverwrittenOnlyOnYes) {
  TNameEntryUnderTest flow;
  EXPECT_FALSE(flow.Run("Taken"));
  EXPECT_EQ(flow.Dialogs.Messages.back(), "\"Taken\" already exists, overwrite existing Novlet?");
  flow.Dialogs.Answers = {true};
  EXPECT_EQ(flow.Run("Taken"), "ann@Taken");
  // Puzzle names compare without regard to case, accents included.
  EXPECT_FALSE(flow.Run("\xC3\xA4rger"));
  EXPECT_EQ(flow.Dialogs.Messages.back(), "\"\xC3\xA4rger\" already exists, overwrite existing Novlet?");
}

}  // namespace
}  // namespace novlet::test
