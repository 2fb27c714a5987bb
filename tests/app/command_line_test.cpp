// The command line's words and the plain refusal when there is no display.
#include "app/booklet_command.h"
#include "app/command_line.h"
#include "app/display_check.h"

#include <gtest/gtest.h>

namespace novlet {
namespace {

TEST(CommandLine, TheWordsCountOnlyFirstInAnyLetterCaseAndTheBookletAnywhere) {
  EXPECT_TRUE(ParseCommandLine({"uninstall"}).Uninstall);
  EXPECT_TRUE(ParseCommandLine({"UnInstall", "/s"}).Uninstall);
  EXPECT_FALSE(ParseCommandLine({"UnInstall", "/s"}).AskQuitAtStart);
  EXPECT_TRUE(ParseCommandLine({"/S"}).AskQuitAtStart);
  EXPECT_FALSE(ParseCommandLine({"x", "uninstall"}).Uninstall);
  EXPECT_FALSE(ParseCommandLine({"uninstall-now"}).Uninstall);
  EXPECT_FALSE(ParseCommandLine({}).Uninstall);
  EXPECT_FALSE(ParseCommandLine({}).AskQuitAtStart);
  // Even without its file, so the usage is printed rather than the window opened.
  EXPECT_TRUE(ParseCommandLine({"--shape", "3x3", "--booklet"}).Booklet);
  EXPECT_FALSE(ParseCommandLine({"--shape", "3x3"}).Booklet);
  TBookletPuzzle puzzle;
  EXPECT_EQ(BookletSummary({puzzle}, TBookletLayout{}), "1 puzzle on 1 page");
  for (const auto& [locale, paper] : {std::pair{"en_US.UTF-8", QPageSize::Letter}, {"fr_CA", QPageSize::Letter},
                                      {"en_GB.UTF-8", QPageSize::A4}, {"de_DE@euro", QPageSize::A4}, {"C", QPageSize::A4}})
    EXPECT_EQ(PaperOfLocale(locale), paper) << locale;
}

TEST(DisplayCheck, NoDisplayOrALocalOneWithoutServerIsSaidPlainly) {
  const auto reason = MissingDisplayReason({});
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find("needs a graphical display"), std::string::npos);
  EXPECT_TRUE(MissingDisplayReason({std::nullopt, std::nullopt, std::string("wayland-0")}) == std::nullopt);
  // A platform the user chose (offscreen, vnc) needs no X server.
  EXPECT_TRUE(MissingDisplayReason({std::string("offscreen"), std::nullopt, std::nullopt}) == std::nullopt);
  EXPECT_TRUE(MissingDisplayReason({std::string("xcb"), std::nullopt, std::nullopt}).has_value());
  // A local display without a server is refused, a remote one is left to the toolkit.
  const auto local = MissingDisplayReason({std::nullopt, std::string(":987"), std::nullopt});
  ASSERT_TRUE(local.has_value());
  EXPECT_NE(local->find(":987"), std::string::npos);
  EXPECT_TRUE(MissingDisplayReason({std::nullopt, std::string("remotehost:0"), std::nullopt}) == std::nullopt);
}

}  // namespace
}  // namespace novlet
