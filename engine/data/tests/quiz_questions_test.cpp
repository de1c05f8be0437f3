#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ansi_text.h"
#include "quiz_questions.h"
#include "wrap_first_line.h"

namespace {

QuestionTable SmallTable() {
  std::vector<QuestionRecord> rows = {
      {u"NULL", 6, u"NULL"},
      {u"图中标志的含义是______。\r\nA、桥面变宽\r\nB、两侧变宽\r\nC、窄桥\r\nD、驼峰桥", 3, u"hb_4.jpg"},
      {u"机动车行经交叉路口，不得超车。", 6, u""},
      {std::u16string(45, u'路'), 5, u"a.jpg"},  // 5 characters: no picture
      {u"100% 的情况", 1, u"NULL"},
      {std::u16string(600, u'长'), 2, u"6.2.1.3.jpg"},
      {u"NULL", 6, u"NULL"},
  };
  return QuestionTable(std::move(rows));
}

class QuizQuestionsTest : public ::testing::Test {
 protected:
  QuestionTables tables_{QuestionTable(), SmallTable(), QuestionTable()};
};

}  // namespace

TEST_F(QuizQuestionsTest, PositionsReadTheRowNumbersGivenAndElementZeroIsIgnored) {
  const std::int32_t rows[] = {999, 5, 1, 2};
  QuizQuestions game(rows, 3, tables_);
  game.SelectBank(2);
  EXPECT_EQ(game.Total(), 3);
  EXPECT_EQ(game.CurrentIndex(), 1);
  EXPECT_EQ(game.RowAt(0), 5);
  EXPECT_EQ(game.AnswerCode(), 2);
  EXPECT_EQ(game.AnswerCode(2), 3);
  EXPECT_EQ(game.AnswerCode(3), 6);
  game.NextQuestion();
  game.NextQuestion();
  game.NextQuestion();  // stays on the last
  EXPECT_EQ(game.CurrentIndex(), 3);
  EXPECT_EQ(game.AnswerCode(0), 6);
}

TEST_F(QuizQuestionsTest, RowZeroAndNumbersOutsideTheTableReadTheHeader) {
  const std::int32_t rows[] = {0, 0, 7, -3, 1 << 30};
  QuizQuestions game(rows, 4, tables_);
  game.SelectBank(2);
  for (int position : {1, 2, 3, 4, 5, -1, 2000}) {
    EXPECT_EQ(game.AnswerCode(position), 6) << "the header counts 6 questions; position " << position;
    EXPECT_STREQ(game.QuestionText(position), "NULL");
    EXPECT_EQ(game.ImagePath(position), nullptr);
  }
}

TEST_F(QuizQuestionsTest, QuestionTextIsWrappedGbkAndReusedWhileThePositionStays) {
  const std::int32_t rows[] = {0, 1, 3, 4};
  QuizQuestions game(rows, 3, tables_);
  game.SelectBank(2);
  const char* first = game.QuestionText();
  EXPECT_EQ(std::string(first), Utf16ToAnsi(SmallTable().Row(1).text));
  EXPECT_EQ(game.QuestionText(), first);
  EXPECT_EQ(std::string(game.QuestionText(2)), Utf16ToAnsi(WrapFirstLine(std::u16string(45, u'路'))));
  EXPECT_EQ(std::string(game.QuestionText(3)), Utf16ToAnsi(u"100% 的情况"));

  // A new game starts afresh: its first question is its own, not the old text.
  const std::int32_t other[] = {0, 2};
  QuizQuestions next(other, 1, tables_);
  next.SelectBank(2);
  EXPECT_EQ(std::string(next.QuestionText()), Utf16ToAnsi(u"机动车行经交叉路口，不得超车。"));
}

TEST_F(QuizQuestionsTest, LongTextIsCutToTheBufferAtACharacterBoundary) {
  const std::int32_t rows[] = {0, 5};
  QuizQuestions game(rows, 1, tables_);
  game.SelectBank(2);
  const char* text = game.QuestionText();
  size_t length = std::strlen(text);
  EXPECT_LE(length, 999u);
  EXPECT_GE(length, 997u);
  std::u16string back = AnsiToUtf16(text);
  EXPECT_EQ(back.find(u'\uFFFD'), std::u16string::npos) << "no half character at the end";
  EXPECT_TRUE(back.substr(0, 32) == std::u16string(30, u'长') + u"\r\n");
}

TEST_F(QuizQuestionsTest, ImagePathNeedsANameLongerThanFiveCharacters) {
  const std::int32_t rows[] = {0, 1, 2, 3, 4, 5};
  QuizQuestions game(rows, 5, tables_);
  game.SelectBank(2);
  EXPECT_STREQ(game.ImagePath(1), "veltdata\\hb_4.jpg");
  EXPECT_EQ(game.ImagePath(2), nullptr) << "empty name";
  EXPECT_EQ(game.ImagePath(3), nullptr) << "a.jpg";
  EXPECT_EQ(game.ImagePath(4), nullptr) << "NULL";
  EXPECT_STREQ(game.ImagePath(5), "veltdata\\6.2.1.3.jpg");
}

TEST_F(QuizQuestionsTest, CountsBeyondTheRowSlotsAreClampedAndUnknownTablesAreEmpty) {
  std::vector<std::int32_t> rows(5001, 1);
  QuizQuestions many(rows.data(), 5000, tables_);
  EXPECT_EQ(many.Total(), 1299);
  QuizQuestions none(rows.data(), -4, tables_);
  EXPECT_EQ(none.Total(), 0);
  QuizQuestions null(nullptr, 3, tables_);
  EXPECT_EQ(null.Total(), 0);

  many.SelectBank(7);
  EXPECT_EQ(many.AnswerCode(), 0);
  EXPECT_STREQ(many.QuestionText(), "NULL");
  many.SelectBank(2);
  EXPECT_EQ(many.AnswerCode(1299), 3);
}
