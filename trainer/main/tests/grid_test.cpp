// The question grid drawn onto its picture, checked pixel by pixel.
#include "m_sql.h"
#include "questiongrid.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <random>

namespace {

const QColor kFace(240, 240, 240);

// A list held in memory: the grid only reads the set, so no bank file is needed.
class GridTest : public ::testing::Test
{
protected:
    void setList(int n)
    {
        store.count = n;
        store.items.assign(size_t(n) + 10, STR_TK{});
        for (int i = 1; i <= n; ++i) {
            store.items[size_t(i)].id = i;
            store.items[size_t(i)].daan = 1;
        }
    }
    void give(int n, int code) { store.items[size_t(n)].given = code; }
    QColor at(int x, int y) const { return grid.image().pixelColor(x, y); }
    // How many pixels of the cell's number area have exactly this colour.
    int numberPixels(int n, QColor colour) const
    {
        const QRect r = QuestionGrid::cellRect(n).adjusted(5, 5, -2, -5);
        int found = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                found += grid.image().pixelColor(x, y) == colour;
        return found;
    }

    m_sql store;
    int32_t answerMode = 2;
    QuestionGrid grid{store, answerMode, kFace};
};

TEST_F(GridTest, CellGeometry)
{
    EXPECT_EQ(QuestionGrid::cellRect(1), QRect(0, 0, 40, 30));
    EXPECT_EQ(QuestionGrid::cellRect(20), QRect(760, 0, 40, 30));
    EXPECT_EQ(QuestionGrid::cellRect(21), QRect(0, 30, 40, 30));
    EXPECT_EQ(QuestionGrid::cellRect(45), QRect(160, 60, 40, 30));
    EXPECT_EQ(QuestionGrid::cellAt(0, 0), 1);
    EXPECT_EQ(QuestionGrid::cellAt(39, 29), 1);
    EXPECT_EQ(QuestionGrid::cellAt(40, 30), 22);
    EXPECT_EQ(QuestionGrid::cellAt(165, 65), 45);
    EXPECT_EQ(grid.image().size(), QSize(792, 7180));
}

TEST_F(GridTest, ScrollRuleUsesTwentyOnePerRow)
{
    EXPECT_EQ(QuestionGrid::scrollPosition(100), 85);
    EXPECT_EQ(QuestionGrid::scrollPosition(21), -35); // the scroll box keeps it at 0
    EXPECT_EQ(QuestionGrid::scrollPosition(22), -5);
    EXPECT_EQ(QuestionGrid::scrollPosition(43), 25);
    EXPECT_EQ(QuestionGrid::scrollPosition(725), 985);
}

TEST_F(GridTest, WholeGridOfFortyFive)
{
    setList(45);
    grid.DrawCell(0, QuestionGrid::Whole);
    // Lines every 30 pixels down and every 40 across, over the whole picture.
    for (int y : {0, 30, 60, 90, 7170})
        EXPECT_EQ(at(17, y), QuestionGrid::kBlack) << y;
    for (int x : {0, 40, 760})
        EXPECT_EQ(at(x, 7000), QuestionGrid::kBlack) << x;
    EXPECT_EQ(at(791, 15), kFace); // column 19 is cut at the picture's edge
    // Cells 1 to 45 carry black numbers; cell 46 and below are empty.
    EXPECT_GT(numberPixels(1, QuestionGrid::kBlack), 5);
    EXPECT_GT(numberPixels(45, QuestionGrid::kBlack), 5);
    EXPECT_EQ(numberPixels(46, QuestionGrid::kBlack), 0);
    EXPECT_EQ(numberPixels(41, QuestionGrid::kBlack) > 0, true); // row 2 starts at cell 41
    EXPECT_EQ(at(25, 15), kFace); // a plain cell keeps the face colour around its number
}

// Frame pixels: the right and bottom edges of a cell survive the grid lines.
struct Look
{
    QColor frame, fill;
};

// After a whole-grid drawing the left and top edges are grid lines; a single cell drawn
// afterwards covers them with its own frame.
void expectLook(const QuestionGrid &g, int n, Look look, const char *what, bool afterWhole = true)
{
    const QRect r = QuestionGrid::cellRect(n);
    EXPECT_EQ(g.image().pixelColor(r.right(), r.top() + 15), look.frame) << what << " right edge";
    EXPECT_EQ(g.image().pixelColor(r.left() + 15, r.bottom()), look.frame) << what << " bottom edge";
    EXPECT_EQ(g.image().pixelColor(r.left() + 2, r.bottom() - 2), look.fill) << what << " fill";
    EXPECT_EQ(g.image().pixelColor(r.left(), r.top() + 15), afterWhole ? QuestionGrid::kBlack : look.frame)
        << what << " left edge";
}

TEST_F(GridTest, AnswerColoursPerMode)
{
    setList(30);
    give(3, 1); // right
    give(4, 2); // wrong
    grid.DrawCell(0, QuestionGrid::Whole);
    expectLook(grid, 3, {QuestionGrid::kRed, QuestionGrid::kGreen}, "practice right");
    expectLook(grid, 4, {QuestionGrid::kGreen, QuestionGrid::kRed}, "practice wrong");
    expectLook(grid, 5, {kFace, kFace}, "unanswered");
    EXPECT_GT(numberPixels(3, QuestionGrid::kRed), 5);
    EXPECT_GT(numberPixels(4, QuestionGrid::kRed), 5);
    // The number stands on a face-coloured patch, also in coloured cells.
    EXPECT_EQ(at(QuestionGrid::cellRect(3).left() + 5, 6), kFace);

    answerMode = 1;
    grid.DrawCell(0, QuestionGrid::Whole);
    expectLook(grid, 3, {QuestionGrid::kRed, QuestionGrid::kGreen}, "exam");
    expectLook(grid, 4, {QuestionGrid::kRed, QuestionGrid::kGreen}, "exam wrong looks the same");
    EXPECT_GT(numberPixels(4, QuestionGrid::kGreen), 5);
}

TEST_F(GridTest, CurrentCellIsBlueOnlyWhileUnanswered)
{
    setList(30);
    grid.DrawCell(7, QuestionGrid::Current);
    expectLook(grid, 7, {QuestionGrid::kBlack, QuestionGrid::kBlue}, "current", false);
    give(7, 2);
    grid.DrawCell(7, QuestionGrid::Current);
    expectLook(grid, 7, {QuestionGrid::kGreen, QuestionGrid::kRed}, "current answered", false);
    grid.DrawCell(8, QuestionGrid::Current);
    expectLook(grid, 7, {QuestionGrid::kGreen, QuestionGrid::kRed}, "former current");
    expectLook(grid, 8, {QuestionGrid::kBlack, QuestionGrid::kBlue}, "new current", false);
}

TEST_F(GridTest, ExamStartStyles)
{
    setList(10);
    grid.DrawCell(0, QuestionGrid::Whole);
    grid.DrawCell(50, QuestionGrid::BankCell); // bank cells lie beyond the paper
    expectLook(grid, 50, {QuestionGrid::kGreen, kFace}, "bank cell", false);
    EXPECT_GT(numberPixels(50, QuestionGrid::kBlue), 5);
    grid.DrawCell(55, QuestionGrid::PaperCell);
    const QRect r = QuestionGrid::cellRect(55);
    EXPECT_EQ(at(r.right(), r.top() + 15), QuestionGrid::kRed);
    EXPECT_EQ(at(r.left() + 2, r.bottom() - 2), QuestionGrid::kGreen);
    EXPECT_EQ(at(r.left() + 5, r.top() + 6), QuestionGrid::kGreen); // the number's patch is green here
    EXPECT_GT(numberPixels(55, QuestionGrid::kBlue), 5);
}

TEST_F(GridTest, HoverAndClick)
{
    setList(45);
    grid.DrawCell(1, QuestionGrid::Current);
    const QRect seven = QuestionGrid::cellRect(7);
    EXPECT_TRUE(grid.mouseMove(seven.left() + 10, seven.top() + 10));
    EXPECT_EQ(grid.hoverCell, 7);
    EXPECT_GT(numberPixels(7, QuestionGrid::kBlue), 5);
    // Below the last cell: nothing new is drawn and the hovered cell stays remembered.
    const QImage before = grid.image();
    EXPECT_FALSE(grid.mouseMove(300, 200));
    EXPECT_EQ(grid.hoverCell, 7);
    EXPECT_EQ(numberPixels(7, QuestionGrid::kBlue), 0); // leaving a cell draws it plainly
    EXPECT_EQ(grid.clickTarget(), 7);
    EXPECT_TRUE(grid.mouseMove(seven.left() + 10, seven.top() + 10));
    grid.hoverTimeout();
    EXPECT_EQ(numberPixels(7, QuestionGrid::kBlue), 0);
    EXPECT_GT(numberPixels(7, QuestionGrid::kBlack), 5);
    EXPECT_EQ(grid.hoverCell, 7);
    (void)before;
    setList(5); // a shorter list: the remembered cell no longer counts
    EXPECT_EQ(grid.clickTarget(), 0);
}

TEST_F(GridTest, EmptyListDrawsNoNumbers)
{
    setList(0);
    grid.DrawCell(1, QuestionGrid::Current);
    EXPECT_FALSE(grid.mouseMove(10, 10));
    EXPECT_EQ(grid.clickTarget(), 0);
    grid.hoverTimeout();
}

// Redrawing only what changed must leave exactly the picture a full redraw leaves.
TEST_F(GridTest, PartialRedrawEqualsFullRedraw)
{
    m_sql other;
    int32_t otherMode = 2;
    QuestionGrid full(other, otherMode, kFace);
    full.setPartialRedraw(false);
    std::mt19937 random(7);
    auto sync = [&] {
        other.count = store.count;
        other.items = store.items;
        otherMode = answerMode;
    };
    setList(725);
    for (int step = 0; step < 400; ++step) {
        const int n = 1 + int(random() % 725);
        switch (random() % 7) {
        case 0: give(n, 1 + int(random() % 4)); break;
        case 1: setList(1 + int(random() % 725)); break;
        case 2: answerMode = answerMode == 1 ? 2 : 1; break;
        default: break;
        }
        sync();
        const int style = std::array{0, 1, 3, 5, 6, 6, 6, 4}[random() % 8];
        const int cell = std::min(n, std::max(1, store.count));
        grid.DrawCell(cell, style);
        full.DrawCell(cell, style);
        ASSERT_TRUE(grid.image() == full.image()) << "step " << step << " style " << style << " cell " << cell;
    }
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // fonts need it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
