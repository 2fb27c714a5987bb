// Naming a puzzle on Save: cancelled, kept, renamed, and the overwrite question.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "game/play_name_entry.h"

namespace novlet {
namespace {

struct TNameEntryUnderTest {
  TNameEntryUnderTest() {
    File = std::filesystem::path(Folder.path().toStdString()) / "novlet.dat";
    Record.Name = "ann@Old";
    TNovletFileData other;
    other.Name = "ann@Taken";
    EXPECT_TRUE(WritePuzzleRecord(File, "ann@Taken", other).Ok);
    Dialogs.AskName = [this](const QString& message, const QString&, const QString&, const QString& initial) {
      Message = message;
      Initial = initial;
      return Answer;
    };
    Dialogs.AskYesNo = [this](const QString& question, const QString&, const QString&) {
      Question = question;
      return Overwrite;
    };
  }

  std::optional<std::string> Run() {
    return RunNameEntryFlow(File, Record.Name, "ann", Record, Dialogs,
                            [](int, const QString& builtIn) { return builtIn; });
  }

  QTemporaryDir Folder;
  std::filesystem::path File;
  TNovletFileData Record;
  TNameEntryDialogs Dialogs;
  QString Answer;
  bool Overwrite = false;
  QString Message, Initial, Question;
};

TEST(PlayNameEntry, CancelAndBlankAnswersStoreNothing) {
  TNameEntryUnderTest flow;
  flow.Answer = "";
  EXPECT_FALSE(flow.Run());
  EXPECT_EQ(flow.Initial, "Old");
  EXPECT_EQ(flow.Message, "Save Novlet as...\n\nPlease enter a name");
  flow.Answer = " \t ";
  EXPECT_FALSE(flow.Run());
  EXPECT_EQ(flow.Record.Name, "ann@Old");
}

TEST(PlayNameEntry, TheSameNameKeepsTheSectionAndANewOneMovesIt) {
  TNameEntryUnderTest flow;
  flow.Answer = " Old ";
  EXPECT_EQ(flow.Run(), "ann@Old");
  flow.Answer = "New @ home";
  EXPECT_EQ(flow.Run(), "ann@New @ home");
  EXPECT_EQ(flow.Record.Name, "ann@New @ home");
  EXPECT_TRUE(flow.Question.isEmpty());
}

TEST(PlayNameEntry, AnExistingNameIsOverwrittenOnlyOnYes) {
  TNameEntryUnderTest flow;
  flow.Answer = "Taken";
  EXPECT_FALSE(flow.Run());
  EXPECT_EQ(flow.Question, "\"Taken\" already exists, overwrite existing Novlet?");
  EXPECT_EQ(flow.Record.Name, "ann@Old");
  flow.Overwrite = true;
  EXPECT_EQ(flow.Run(), "ann@Taken");
}

}  // namespace
}  // namespace novlet
