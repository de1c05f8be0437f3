// The rules of a practice run, on a real bank file in a temporary directory.
#include "answertext.h"
#include "m_sql.h"
#include "messages.h"
#include "practicesession.h"
#include "sysdat.h"
#include "testbank.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kBank = QStringLiteral("veltdata\\test.stk");
const QString kBankFile = QStringLiteral("veltdata/test.stk");

class PracticeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QDir().mkdir(QStringLiteral("veltdata"));
        previousSink = Messages::install(&messages);
        state.applyDefaults();
    }
    void TearDown() override
    {
        store.close();
        Messages::install(previousSink);
        QDir::setCurrent(previousDir);
    }
    void openBank(const std::vector<BankRow> &rows)
    {
        ASSERT_TRUE(writeTestBank(kBankFile, rows));
        ASSERT_TRUE(store.open(kBank));
    }

    QTemporaryDir dir;
    QString previousDir;
    MessageRecorder messages;
    MessageSink *previousSink = nullptr;
    SysDat state{QStringLiteral("veltdata\\sys.dat")};
    m_sql store;
    PracticeSession session{store, state};
};

TEST(AnswerTextTest, CodesAndMasks)
{
    const struct { int kind, code; const char *text; } cases[] = {
        {1, 1, "A"}, {1, 2, "B"}, {1, 3, "C"}, {1, 4, "D"}, {1, 5, "错"}, {1, 6, "对"},
        {2, 5, "错"}, {2, 6, "对"}, {1, 0, ""}, {1, 7, ""}, {2, 0x12, ""},
        {3, 0x12, "AD"}, {3, 0xA, "AC"}, {3, 0x1FE, "ABCDEFGH"}, {3, 0x1 | 0x200, ""},
        {3, 0x400 | 0x800 | 0x2, "AJK"}, {3, 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AnswerText(c.kind, c.code), QString::fromUtf8(c.text)) << c.kind << " " << c.code;
}

TEST(AnswerTextTest, MultiMaskOfTickedBoxes)
{
    EXPECT_EQ(multiMask({true, false, true, false, false, false, false, false}), 0xA);
    EXPECT_EQ(multiMask({false, false, false, false, false, false, false, true}), 0x100);
    EXPECT_EQ(multiMask({}), 0);
}

TEST_F(PracticeTest, ModeEntriesLoadTheirLists)
{
    std::vector<BankRow> rows = choiceRows(12);
    for (BankRow &r : rows)
        r.gong = r.id == 5 ? 0 : 3;
    rows[8].cuo = 7;
    rows[2].cuo = 2;
    openBank(rows);

    session.enterPractice(ModeSequential);
    EXPECT_EQ(session.itemCount(), 12);
    EXPECT_EQ(store.item(1).id, 1);
    EXPECT_EQ(store.item(12).id, 12);
    EXPECT_EQ(session.modeId, ModeSequential);

    state.setChujiCount(4);
    session.enterPractice(ModePreliminary);
    EXPECT_EQ(session.itemCount(), 4);
    EXPECT_EQ(store.item(1).id, 5); // the least answered first

    state.setNantiCount(3);
    session.enterPractice(ModeDifficult);
    EXPECT_EQ(session.itemCount(), 3);
    EXPECT_EQ(store.item(1).id, 9);
    EXPECT_EQ(store.item(2).id, 3);
    EXPECT_EQ(session.answerMode, AnswerPractice);
    EXPECT_EQ(session.curNo, 1);
    EXPECT_EQ(session.restartTarget(), ModeDifficult);
}

TEST_F(PracticeTest, WrongThenRightIsCountedOnceAndGetsTheExclamationMark)
{
    openBank(choiceRows(3)); // question 1 has right answer B (code 2)
    session.enterPractice(ModeSequential);

    const AnswerOutcome wrong = session.answer(CodeC, true);
    EXPECT_TRUE(wrong.first);
    EXPECT_FALSE(wrong.armAutoNext); // a wrong answer stays on the question
    EXPECT_EQ(wrong.scoreText, QStringLiteral("你的分数是:0"));
    EXPECT_EQ(wrong.rateText, QStringLiteral("正确率为：0/1(0%)"));
    QuestionView v = session.prepareView(true);
    EXPECT_EQ(v.mark, MarkPicture::FileClose);
    EXPECT_EQ(v.feedback, QStringLiteral("你打错了！\r\n你的答案:C\r\n正确答案：B"));
    EXPECT_TRUE(v.warning.isEmpty());

    const AnswerOutcome again = session.answer(CodeB, true);
    EXPECT_FALSE(again.first);
    EXPECT_FALSE(again.armAutoNext);
    v = session.prepareView(true);
    EXPECT_EQ(v.mark, MarkPicture::Gantan);
    EXPECT_EQ(v.feedback, QStringLiteral("你的答案:B答对了\r\n但是我发现你第一次没答对，所以只能给你个感叹号"));
    EXPECT_EQ(session.answeredCount, 1);
    EXPECT_EQ(session.rightCount, 0);
    EXPECT_EQ(readCounters(kBankFile, 1), (Counters{0, 1, 1}));
}

TEST_F(PracticeTest, RightFirstAnswerArmsTheAdvanceAndScores)
{
    openBank(choiceRows(3));
    session.enterPractice(ModeSequential);
    const AnswerOutcome right = session.answer(CodeB, true);
    EXPECT_TRUE(right.armAutoNext);
    EXPECT_TRUE(session.autoNextPending);
    EXPECT_EQ(session.prepareView(true).feedback, QStringLiteral("你的答案:B答对了"));
    EXPECT_EQ(session.prepareView(true).mark, MarkPicture::Select);
    EXPECT_FALSE(session.takeAutoNext(false)); // unticked: the pending advance waits
    EXPECT_TRUE(session.takeAutoNext(true));
    EXPECT_FALSE(session.takeAutoNext(true));

    session.next();
    session.answer(CodeA, true); // question 2's answer is C
    session.next();
    session.answer(CodeD, false); // question 3's answer is D; auto advance unticked
    EXPECT_FALSE(session.autoNextPending);
    EXPECT_EQ(session.rightCount, 2);
    const AnswerOutcome shown = session.answer(CodeD, false);
    EXPECT_FALSE(shown.showScore); // a repeated answer leaves the labels alone
    EXPECT_EQ(readCounters(kBankFile, 1), (Counters{1, 0, 1}));
    EXPECT_EQ(readCounters(kBankFile, 2), (Counters{0, 1, 1}));
    EXPECT_EQ(readCounters(kBankFile, 3), (Counters{1, 0, 1}));
}

TEST_F(PracticeTest, RateIsRoundedDown)
{
    openBank(choiceRows(3));
    session.enterPractice(ModeSequential);
    session.answer(CodeB, false);
    session.next();
    session.answer(CodeC, false);
    session.next();
    const AnswerOutcome third = session.answer(CodeA, false);
    EXPECT_EQ(third.rateText, QStringLiteral("正确率为：2/3(66%)"));
}

TEST_F(PracticeTest, FeedbackChoice)
{
    openBank(choiceRows(1));
    session.enterPractice(ModeSequential);
    STR_TK &e = session.current();
    MarkPicture mark = MarkPicture::Keep;
    QString warning;

    e.given = 3;
    e.jiexi = QStringLiteral("看清标志再作答。");
    EXPECT_EQ(PracticeSession::feedbackFor(e, &mark, &warning), e.jiexi); // the explanation alone
    EXPECT_EQ(mark, MarkPicture::FileClose);
    EXPECT_TRUE(warning.isEmpty());

    e.cuo = 3;
    e.dui = 4;
    PracticeSession::feedbackFor(e, &mark, &warning);
    EXPECT_EQ(warning, QStringLiteral("错误次数超过3次，请你认真想想;\r\n本题全部错误次数3次,答对次数:4"));

    // Shown without "是否显示答案": only the given answer, the mark keeps its picture.
    QuestionView v = session.prepareView(false);
    EXPECT_EQ(v.feedback, QStringLiteral("你的答案:C"));
    EXPECT_EQ(v.markVisibility, QuestionView::MarkVisibility::Keep);
    EXPECT_TRUE(v.warning.isEmpty());

    EXPECT_EQ(PracticeSession::hintFor(e), QStringLiteral("本题是你错的较多的题"));
    e.cuo = 0;
    EXPECT_EQ(PracticeSession::hintFor(e), QStringLiteral("本题是你答的较少的题"));

    e.given = 0; // unanswered: no feedback at all
    v = session.prepareView(true);
    EXPECT_FALSE(v.feedbackVisible);
    EXPECT_EQ(v.markVisibility, QuestionView::MarkVisibility::Hide);
}

TEST_F(PracticeTest, ViewPanelsPositionAndPicture)
{
    std::vector<BankRow> rows = choiceRows(4);
    rows[0].daan = 6; // a choice question with a true/false answer is shown as true/false
    rows[1].leixing = 2;
    rows[1].daan = 5;
    rows[2].leixing = 3;
    rows[2].daan = 0xA;
    rows[3].leixing = 0;
    rows[0].img = QStringLiteral(" a b.jpg ");
    openBank(rows);
    session.enterPractice(ModeSequential);
    const AnswerPanel expected[] = {AnswerPanel::TrueFalse, AnswerPanel::TrueFalse, AnswerPanel::Multi, AnswerPanel::None};
    for (int n = 1; n <= 4; ++n) {
        session.curNo = n;
        EXPECT_EQ(session.prepareView(true).panel, expected[n - 1]) << n;
    }
    session.curNo = 1;
    const QuestionView v = session.prepareView(true);
    EXPECT_EQ(v.picture, QStringLiteral("ab.jpg"));
    EXPECT_EQ(store.item(1).img, QStringLiteral("ab.jpg")); // stored back without blanks
    EXPECT_EQ(v.position, QStringLiteral("1/4"));
    EXPECT_EQ(v.idText, QStringLiteral("本题ID：1"));
}

TEST_F(PracticeTest, MultiSelectWrongTickFailsAtOnce)
{
    std::vector<BankRow> rows = choiceRows(2);
    rows[0].leixing = 3;
    rows[0].daan = 0xA; // A and C
    openBank(rows);
    session.enterPractice(ModeSequential);

    EXPECT_FALSE(session.checkMultiOption(0x2, 0x2)); // A is right: nothing happens
    EXPECT_EQ(session.current().given, 0);
    EXPECT_TRUE(session.checkMultiOption(0x10, 0x12)); // D is wrong
    EXPECT_EQ(session.current().given, 0x12);
    EXPECT_EQ(session.prepareView(true).feedback, QStringLiteral("你打错了！\r\n你的答案:AD\r\n正确答案：AC"));
    session.finishMulti(0xA); // finishing later changes nothing in the bank
    EXPECT_EQ(readCounters(kBankFile, 1), (Counters{0, 1, 1}));
    EXPECT_EQ(session.answeredCount, 0); // multi-select answers leave the score alone
}

TEST_F(PracticeTest, MultiSelectFinishedRightCountsOnceAndArms)
{
    std::vector<BankRow> rows = choiceRows(2);
    rows[0].leixing = 3;
    rows[0].daan = 0xA;
    rows[1].leixing = 3;
    rows[1].daan = 0x2; // A alone
    openBank(rows);
    session.enterPractice(ModeSequential);
    session.finishMulti(0xA);
    EXPECT_TRUE(session.autoNextPending);
    session.finishMulti(0xA);
    EXPECT_EQ(readCounters(kBankFile, 1), (Counters{1, 0, 1}));
    EXPECT_EQ(session.prepareView(true).mark, MarkPicture::Select);

    // The key B gives code 2, the mask of A alone: right on a question whose answer is A.
    session.next();
    EXPECT_TRUE(session.answer(CodeB, true).armAutoNext);
    EXPECT_EQ(readCounters(kBankFile, 2), (Counters{1, 0, 1}));
}

TEST_F(PracticeTest, EndOfListKeepsWrongAndUnanswered)
{
    std::vector<BankRow> rows = choiceRows(12);
    for (BankRow &r : rows)
        r.gong = r.id; // no ties: the list is questions 1 to 10 in order
    openBank(rows);
    session.enterPractice(ModePreliminary); // 10 questions
    ASSERT_EQ(session.itemCount(), 10);
    for (int n = 1; n <= 10; ++n) {
        session.curNo = n;
        const int32_t right = session.current().daan;
        if (n == 4)
            continue; // left unanswered
        session.answer(n == 2 || n == 7 ? (right % 4) + 1 : right, false);
    }
    session.curNo = 9;
    EXPECT_EQ(session.next(), NextStep::Moved);
    EXPECT_EQ(session.next(), NextStep::RetryWrong);
    EXPECT_EQ(PracticeSession::messageFor(NextStep::RetryWrong), QStringLiteral("再次挑战刚刚的错题"));
    EXPECT_EQ(session.itemCount(), 3);
    EXPECT_EQ(session.curNo, 1);
    const int kept[] = {2, 4, 7};
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(store.item(n).id, kept[n - 1]);
        EXPECT_EQ(store.item(n).given, 0);
        EXPECT_EQ(store.item(n).counted, 0);
    }
    EXPECT_EQ(session.answeredCount, 9); // the run's counters go on
    EXPECT_EQ(session.modeId, ModePreliminary);

    for (int n = 1; n <= 3; ++n) {
        session.curNo = n;
        session.answer(session.current().daan, false);
    }
    EXPECT_EQ(session.next(), NextStep::AllRight);
    EXPECT_EQ(PracticeSession::messageFor(NextStep::AllRight), QStringLiteral("错题被干掉完了，系统将从新挑选题"));
    // Narrowed questions are counted again on their first answer in the new list.
    EXPECT_EQ(readCounters(kBankFile, 2), (Counters{1, 1, 4}));
}

TEST_F(PracticeTest, ExamWrapsWithoutNarrowingAndPreviousWraps)
{
    openBank(choiceRows(5));
    session.enterPractice(ModeSequential);
    session.previous();
    EXPECT_EQ(session.curNo, 5);
    session.modeId = ModeExam;
    EXPECT_EQ(session.next(), NextStep::ExamWrapped);
    EXPECT_EQ(session.curNo, 1);
    EXPECT_EQ(session.itemCount(), 5);
}

TEST_F(PracticeTest, ExamAnswersAlwaysArmAndHideTheScore)
{
    openBank(choiceRows(2));
    session.enterPractice(ModeSequential);
    session.answerMode = AnswerExam;
    const AnswerOutcome out = session.answer(CodeA, true); // wrong, still moves on
    EXPECT_TRUE(out.armAutoNext);
    EXPECT_TRUE(out.hideScore);
    const QuestionView v = session.prepareView(true);
    EXPECT_EQ(v.feedback, QStringLiteral("你的答案:A"));
    EXPECT_TRUE(v.hint.isEmpty());
    EXPECT_FALSE(v.showAnswerBoxVisible);
    EXPECT_FALSE(session.checkMultiOption(0x10, 0x10)); // no failing ticks in the exam
}

TEST_F(PracticeTest, EmptyListsNeverBreak)
{
    openBank(choiceRows(3));
    state.setChujiCount(0);
    session.enterPractice(ModePreliminary);
    EXPECT_EQ(session.itemCount(), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(session.next(), NextStep::Moved);
        session.previous();
        EXPECT_FALSE(session.answer(CodeA, true).taken);
        session.finishMulti(0x2);
        EXPECT_FALSE(session.checkMultiOption(0x4, 0x4));
        EXPECT_EQ(session.curNo, 1);
    }
    const QuestionView v = session.prepareView(true);
    EXPECT_EQ(v.position, QStringLiteral("1/0"));
    EXPECT_EQ(v.panel, AnswerPanel::None);
    EXPECT_TRUE(messages.texts.isEmpty());
    state.setChujiCount(-4); // a negative size from the settings is an empty list too
    session.enterPractice(ModePreliminary);
    EXPECT_EQ(session.itemCount(), 0);
}

TEST_F(PracticeTest, BankWithoutRowsShowsEmptyQuestions)
{
    openBank({});
    session.enterPractice(ModeSequential);
    EXPECT_EQ(session.itemCount(), 0);
    session.enterPractice(ModePreliminary);
    EXPECT_EQ(session.itemCount(), 10);
    EXPECT_EQ(session.prepareView(true).text, QString());
    session.answer(CodeA, false);
    session.curNo = 10;
    EXPECT_NE(session.next(), NextStep::ExamWrapped);
}

TEST_F(PracticeTest, RestartTargets)
{
    const struct { int mode; ModeId target; } cases[] = {
        {ModeSequential, ModeSequential}, {ModePreliminary, ModePreliminary}, {ModeDifficult, ModeDifficult},
        {ModeExam, ModeExam}, {ModeWrongReview, ModeNone}, {ModeBrowser, ModeNone}, {ModeNone, ModeNone},
    };
    for (const auto &c : cases) {
        session.modeId = c.mode;
        EXPECT_EQ(session.restartTarget(), c.target) << c.mode;
    }
}
}
