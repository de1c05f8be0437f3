// Question sets per mode, the examination pick, narrowing and grading.
#include "bank_fixture.h"

#include <set>

namespace {

std::vector<int> ids(const m_sql &bank)
{
    std::vector<int> result;
    for (int i = 1; i <= bank.itemCount(); ++i)
        result.push_back(bank.item(i).id);
    return result;
}

}

using SetTest = DozenBankTest;

TEST_F(SetTest, OrderedModesTakeTheirRowsInTheirOrder)
{
    bank.loadSet(11, 10);
    ASSERT_EQ(bank.itemCount(), 10);
    const std::vector<int> byWrong = ids(bank);
    EXPECT_EQ(std::vector<int>(byWrong.begin(), byWrong.begin() + 3), (std::vector<int>{7, 3, 5}));
    EXPECT_EQ(std::set<int>(byWrong.begin(), byWrong.end()).size(), 10u);

    bank.loadSet(10, 12);
    EXPECT_EQ(ids(bank), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    const STR_TK &third = bank.item(3);
    EXPECT_EQ(third.neirong, QStringLiteral("这个标志是何含义？"));
    EXPECT_EQ(third.img, QStringLiteral("3.jpg"));
    EXPECT_EQ(third.daan, 3);
    EXPECT_EQ(third.leixing, 1);
    EXPECT_EQ(third.dui + third.cuo + third.gong, 1 + 5 + 6);
    EXPECT_EQ(bank.item(7).jiexi, QStringLiteral("看清再过"));

    bank.loadSet(12, 4);
    for (int i = 1; i < 4; ++i)
        EXPECT_LE(bank.item(i).gong, bank.item(i + 1).gong);
}

TEST_F(SetTest, MoreQuestionsAskedThanTheBankHoldsLeavesEmptyPositions)
{
    bank.loadSet(12, 15);
    EXPECT_EQ(bank.itemCount(), 15);
    EXPECT_NE(bank.item(12).id, 0);
    for (int i = 13; i <= 15 + 9; ++i) {
        EXPECT_EQ(bank.item(i).id, 0) << i;
        EXPECT_TRUE(bank.item(i).neirong.isEmpty()) << i;
    }
    EXPECT_EQ(bank.items.size(), 25u);
}

TEST_F(SetTest, LengthsOfZeroOrBelowAndUnknownModesGiveNoQuestions)
{
    for (int n : {0, -1, -100000}) {
        bank.loadSet(12, n);
        EXPECT_EQ(bank.itemCount(), 0) << n;
        EXPECT_EQ(bank.item(1).id, 0) << n;
        EXPECT_FALSE(bank.keepWrongOnly()) << n;
        EXPECT_EQ(bank.grade(1), 0) << n;
    }
    bank.loadSet(10, m_sql::kMaxSetSize + 1);
    EXPECT_EQ(bank.itemCount(), 0);
    EXPECT_EQ(messages.texts.size(), 1);
    bank.loadSet(99, 5);
    EXPECT_EQ(bank.itemCount(), 5);
    EXPECT_EQ(bank.item(1).id, 0);
}

TEST_F(SetTest, PositionsOutsideTheArrayGiveAFreshEmptyElement)
{
    bank.loadSet(10, 3);
    for (int position : {-1, 13, 1000000}) {
        STR_TK &outside = bank.item(position);
        EXPECT_EQ(outside.id, 0);
        outside.id = 99;
        outside.neirong = QStringLiteral("不应保留");
        EXPECT_EQ(bank.item(position).id, 0);
        EXPECT_TRUE(std::as_const(bank).item(position).neirong.isEmpty());
    }
    EXPECT_EQ(bank.item(3).id, 3);
}

TEST(ExamPick, StrataOf100From725)
{
    const struct
    {
        int r, i, id;
    } cases[] = {
        {0, 1, 1},       // 0.01 rounds to 0: kept on question 1
        {724, 1, 7},     // 7.25
        {0, 2, 7},       // 7.26
        {0, 100, 718},   // 717.76
        {724, 100, 725}, // 725.00
    };
    for (const auto &c : cases)
        EXPECT_EQ(m_sql::examPickId(c.r, c.i, 725, 100), c.id) << c.r << " " << c.i;
    // More picks than questions, and the smallest bank: always a real question.
    for (int i = 1; i <= 20; ++i) {
        EXPECT_GE(m_sql::examPickId(0, i, 12, 20), 1);
        EXPECT_LE(m_sql::examPickId(11, i, 12, 20), 12);
        EXPECT_EQ(m_sql::examPickId(0, i, 1, 20), 1);
    }
}

TEST_F(BankTest, ExamPaperCoversTheBankInOrderWithoutEmptyQuestions)
{
    ASSERT_TRUE(writeBank(QStringLiteral("big.stk"), numbered(725)));
    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("big.stk")));
    ASSERT_EQ(bank.countQuestions(), 725);
    for (int run = 0; run < 20; ++run) {
        bank.loadSet(13, 100);
        ASSERT_EQ(bank.itemCount(), 100);
        const std::vector<int> picked = ids(bank);
        EXPECT_GE(picked.front(), 1);
        EXPECT_LE(picked.front(), 8);
        EXPECT_GE(picked.back(), 718);
        EXPECT_LE(picked.back(), 725);
        EXPECT_TRUE(std::is_sorted(picked.begin(), picked.end()));
        EXPECT_FALSE(bank.item(1).neirong.isEmpty());
    }
    // The paper's read transaction is over: a count made now is in the file at once.
    bank.countAnswer(5, true);
    EXPECT_EQ(queryInt(QStringLiteral("big.stk"), QStringLiteral("SELECT dui FROM tiku WHERE ID=5")), 1);
}

TEST_F(SetTest, ExamWithMorePicksThanQuestionsRepeatsButNeverEmpties)
{
    bank.loadSet(13, 30);
    ASSERT_EQ(bank.itemCount(), 30);
    const std::vector<int> picked = ids(bank);
    EXPECT_TRUE(std::is_sorted(picked.begin(), picked.end()));
    EXPECT_EQ(*std::min_element(picked.begin(), picked.end()), 1);
    EXPECT_EQ(*std::max_element(picked.begin(), picked.end()), 12);
}

TEST_F(BankTest, ExamOnABankWithoutQuestionsIsEmpty)
{
    ASSERT_TRUE(writeBank(QStringLiteral("none.stk"), {}));
    m_sql bank;
    ASSERT_TRUE(bank.open(QStringLiteral("none.stk")));
    bank.loadSet(13, 100);
    EXPECT_EQ(bank.itemCount(), 0);
    bank.loadSet(10, 3);
    EXPECT_EQ(bank.itemCount(), 3);
    EXPECT_EQ(bank.item(1).id, 0);
}

TEST_F(SetTest, KeepWrongOnlyKeepsUnrightQuestionsInOrderAndResetsThem)
{
    bank.loadSet(10, 5);
    for (int i = 1; i <= 5; ++i)
        bank.item(i).given = bank.item(i).daan;
    EXPECT_FALSE(bank.keepWrongOnly());
    EXPECT_EQ(bank.itemCount(), 5);
    EXPECT_EQ(bank.item(5).given, bank.item(5).daan);

    bank.item(2).given = 5; // wrong
    bank.item(2).right = 0;
    bank.item(2).counted = 1;
    bank.item(4).given = 0; // not answered
    ASSERT_TRUE(bank.keepWrongOnly());
    EXPECT_EQ(ids(bank), (std::vector<int>{2, 4}));
    EXPECT_EQ(bank.item(1).given, 0);
    EXPECT_EQ(bank.item(1).counted, 0);
    EXPECT_EQ(bank.item(3).id, 0) << "nothing stale after the new end";
}

TEST_F(SetTest, GradingJudgesCountsRightAnswersAndLeavesTheSnapshot)
{
    bank.loadSet(10, 12);
    const struct
    {
        int position; // question 4: multiple choice B + D (2 + 8); question 3: single C
        int given;
        int grade;
    } cases[] = {
        {4, 2, 1}, {4, 2 + 8 + 16, 1}, {4, 16, 0}, {4, 0, 0}, {3, 1, 1}, {3, 4, 0}, {4, 2 + 8, 2},
    };
    for (const auto &c : cases) {
        bank.item(c.position).given = c.given;
        EXPECT_EQ(bank.grade(c.position), c.grade) << c.position << " " << c.given;
    }
    EXPECT_EQ(bank.item(4).right, 1);
    EXPECT_EQ(queryInt(QStringLiteral("bank.stk"), QStringLiteral("SELECT dui FROM tiku WHERE ID=4")), 1);
    EXPECT_EQ(queryInt(QStringLiteral("bank.stk"), QStringLiteral("SELECT gong FROM tiku WHERE ID=4")), 10);
    EXPECT_EQ(queryInt(QStringLiteral("bank.stk"), QStringLiteral("SELECT cuo FROM tiku WHERE ID=3")), 5);
    EXPECT_EQ(bank.item(4).dui, 0) << "the loaded counters are a snapshot";
    bank.loadSet(10, 12);
    EXPECT_EQ(bank.item(4).dui, 1);
    EXPECT_EQ(bank.item(4).gong, 10);

    bank.countAnswer(3, false);
    bank.loadSet(11, 1);
    EXPECT_EQ(bank.item(1).id, 7);
    bank.findById(3);
    EXPECT_EQ(bank.cuo, 6);
    EXPECT_EQ(bank.gong, 7);
}

TEST_F(SetTest, EmptyElementsAndPositionsOutsideTheSetGradeZero)
{
    bank.loadSet(12, 14); // positions 13 and 14 are empty
    for (int position : {0, 13, 14, 15, -3, 99})
        EXPECT_EQ(bank.grade(position), 0) << position;
    EXPECT_EQ(queryInt(QStringLiteral("bank.stk"), QStringLiteral("SELECT sum(gong) FROM tiku")), 48);
}
