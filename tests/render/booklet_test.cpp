// Booklet pages: numbered puzzles centred in their slots, a title, and the answer key at the back.
#include "render/booklet.h"

#include <gtest/gtest.h>

#include "render/render_fixture.h"

namespace novlet::test {
namespace {

const QRectF kPage(0, 0, 620, 877);

std::vector<TBookletPuzzle> Puzzles(int count, int boxWidth = 3, int boxHeight = 3) {
  const TBoardUnderTest board(boxWidth, boxHeight);
  std::vector<TBookletPuzzle> puzzles;
  for (int i = 0; i < count; ++i) {
    TBookletPuzzle puzzle{QStringLiteral("Puzzle %1").arg(i + 1), QStringLiteral("Normal"), board.Geometry,
                          board.Solution, {}};
    puzzle.Givens.at(1, 1) = board.Solution.at(1, 1);
    puzzles.push_back(puzzle);
  }
  return puzzles;
}

TRecordingPage& Record(TRecordingPage& page, int pageIndex, const std::vector<TBookletPuzzle>& puzzles,
                       const TBookletLayout& layout) {
  QPainter painter(&page);
  PaintBookletPage(painter, kPage, pageIndex, puzzles, layout, TDisplaySet(), TGridLook());
  return page;
}

TEST(Booklet, PuzzlesInReadingOrderCentredInTheirSlotsThenASmallAnswerKey) {
  TBookletLayout layout;
  layout.Solutions = true;
  for (const auto& [count, shape, perPage, puzzlePages, answerPages] :
       {std::tuple{100, 3, 4, 25, 12}, std::tuple{20, 4, 1, 20, 5}, std::tuple{5, 2, 6, 1, 1}}) {
    layout.PerPage = perPage;
    const TBookletPages pages = CountBookletPages(Puzzles(count, shape, shape), layout);
    EXPECT_EQ(pages.Puzzles, puzzlePages) << count;
    EXPECT_EQ(pages.Answers, answerPages) << count;
  }

  layout.PerPage = 4;
  const std::vector<TBookletPuzzle> puzzles = Puzzles(13);
  const std::vector<TBookletSlot> pageSlots = BookletPageSlots(kPage, 1, puzzles, layout);
  ASSERT_EQ(pageSlots.size(), 4u);
  EXPECT_EQ(pageSlots[0].Puzzle, 4);
  EXPECT_GT(pageSlots[1].Area.left(), pageSlots[0].Area.right());
  EXPECT_GT(pageSlots[2].Area.top(), pageSlots[0].Area.bottom());
  for (const TBookletSlot& slot : pageSlots) {
    // Centred in what the number line above it leaves.
    EXPECT_NEAR(slot.Grid.center().x(), slot.Area.center().x(), 1);
    EXPECT_NEAR(slot.Area.bottom() - slot.Grid.bottom(), slot.NumberLine.top() - slot.Area.top(), 1);
  }
  const std::vector<TBookletSlot> answers = BookletPageSlots(kPage, 4, puzzles, layout);
  ASSERT_EQ(answers.size(), 9u) << "nine small 9 x 9 solutions a page";
  EXPECT_LT(answers[0].Grid.width(), pageSlots[0].Grid.width() * 0.7);
  EXPECT_EQ(BookletPageSlots(kPage, 5, puzzles, layout).size(), 4u);
}

TEST(Booklet, NumbersNamesLevelsAndTheTitleReachThePaper) {
  std::vector<TBookletPuzzle> puzzles = Puzzles(5);
  puzzles[4].Name = QString(200, QLatin1Char('x'));
  TBookletLayout layout;
  layout.Title = "Week 49";
  TRecordingPage first;
  EXPECT_TRUE(Record(first, 0, puzzles, layout).Texts.contains("Week 49"));
  for (const QString text : {"1", "Puzzle 1", "4", "Puzzle 4", "Normal"}) EXPECT_TRUE(first.Texts.contains(text)) << text.toStdString();
  TRecordingPage second;
  Record(second, 1, puzzles, layout);
  EXPECT_FALSE(second.Texts.contains("Week 49"));
  const auto longName = std::find_if(second.Texts.begin(), second.Texts.end(), [](const QString& text) {
    return text.startsWith(QStringLiteral("xxx"));
  });
  ASSERT_NE(longName, second.Texts.end());
  EXPECT_TRUE(longName->endsWith(QChar(0x2026))) << "a name too long for its slot ends in an ellipsis";
}

TEST(Booklet, EveryValueOfWideBoardsReachesThePaper) {
  for (const auto& [width, height] : {std::pair{4, 4}, std::pair{4, 3}}) {
    const TBoardUnderTest board(width, height);
    const int n = board.Geometry.GridSize;
    const std::vector<TBookletPuzzle> puzzles{{"wide", "Expert", board.Geometry, board.Solution, board.Solution}};
    TBookletLayout layout;
    layout.PerPage = 1;
    layout.Solutions = true;
    // The window's display set was applied for a 9 x 9 board.
    for (int pageIndex : {0, 1}) {
      TRecordingPage page;
      Record(page, pageIndex, puzzles, layout);
      // The puzzle's number, "1", stands above its grid.
      for (int value = 1; value <= n; ++value)
        EXPECT_EQ(page.Texts.count(kWideAlphabet.mid(value - 1, 1)), n + (value == 1))
            << n << " x " << n << ", page " << pageIndex << ", value " << value;
    }
  }
}

}  // namespace
}  // namespace novlet::test
