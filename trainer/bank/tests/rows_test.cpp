// Stepping through search, wrong-question and single-question results.
#include "bank_fixture.h"

namespace {

std::vector<int> stepThrough(m_sql &bank)
{
    std::vector<int> found;
    while (!bank.eof()) {
        found.push_back(bank.id);
        bank.next();
    }
    return found;
}

}

using RowTest = DozenBankTest;

TEST_F(RowTest, SearchMatchesTheNumberOrTheTextInIdOrder)
{
    const struct
    {
        QString keyword;
        std::vector<int> ids;
    } cases[] = {
        {QStringLiteral("驾驶"), {1, 5, 12}},
        {QStringLiteral("1"), {1, 12}},               // the number, and the text "12个月"
        {QStringLiteral("12"), {12}},
        {QStringLiteral("'"), {5, 9}},                 // a quote is an ordinary character
        {QStringLiteral("人's"), {5}},
        {QStringLiteral("'让'"), {9}},
        {QStringLiteral("x' OR '1'='1"), {}},          // cannot widen the search
        {QStringLiteral("'; DROP TABLE tiku; --"), {}},
        {QStringLiteral("没有这道题"), {}},
    };
    for (const auto &c : cases) {
        bank.search(c.keyword);
        EXPECT_EQ(stepThrough(bank), c.ids) << c.keyword.toStdString();
    }
    EXPECT_EQ(bank.countQuestions(), 12);
}

TEST_F(RowTest, WrongQuestionsAreThoseWithWrongAnswers)
{
    bank.selectWrong();
    std::vector<int> wrong = stepThrough(bank);
    std::sort(wrong.begin(), wrong.end());
    EXPECT_EQ(wrong, (std::vector<int>{3, 5, 7}));
}

TEST_F(RowTest, FindByIdReadsTheRowAndAMissingNumberGivesAnEmptyRow)
{
    bank.findById(7);
    EXPECT_FALSE(bank.eof());
    EXPECT_EQ(bank.id, 7);
    EXPECT_EQ(bank.neirong, QStringLiteral("通过铁路道口"));
    EXPECT_EQ(bank.img, QStringLiteral(" "));
    EXPECT_EQ(bank.jiexi, QStringLiteral("看清再过"));
    EXPECT_EQ(bank.daan, 4);
    EXPECT_EQ(bank.cuo, 9);

    for (int missing : {0, 13, -1}) {
        bank.findById(missing);
        EXPECT_TRUE(bank.eof());
        EXPECT_EQ(bank.id, 0);
        EXPECT_TRUE(bank.neirong.isEmpty());
    }
    bank.next(); // past the end stays there
    EXPECT_TRUE(bank.eof());
}

TEST_F(RowTest, CountingAnAnswerEndsTheRowsOfTheCurrentQuery)
{
    bank.selectWrong();
    ASSERT_FALSE(bank.eof());
    bank.countAnswer(1, true);
    EXPECT_TRUE(bank.eof());
    bank.next();
    EXPECT_EQ(bank.id, 0);
}
