#include "practicesession.h"

#include "answertext.h"
#include "m_sql.h"
#include "sysdat.h"

#include <algorithm>

namespace {
// Set sizes from the settings may be 0 or negative; a list never has fewer than no rows.
int listLength(int32_t wanted)
{
    return std::max<int32_t>(wanted, 0);
}
}

PracticeSession::PracticeSession(m_sql &store, const SysDat &state)
    : m_store(store), m_state(state)
{
}

void PracticeSession::enterPractice(ModeId mode)
{
    answeredCount = 0;
    rightCount = 0;
    answerMode = AnswerPractice;
    switch (mode) {
    case ModeSequential: m_store.loadSet(10, listLength(m_store.countQuestions())); break;
    case ModePreliminary: m_store.loadSet(12, listLength(m_state.chujiCount())); break;
    case ModeDifficult: m_store.loadSet(11, listLength(m_state.nantiCount())); break;
    default: return;
    }
    curNo = 1;
    modeId = mode;
}

ModeId PracticeSession::restartTarget() const
{
    if (modeId >= ModeSequential && modeId <= ModeExam)
        return ModeId(modeId);
    return ModeNone;
}

int PracticeSession::itemCount() const
{
    return m_store.itemCount();
}

bool PracticeSession::hasQuestion() const
{
    return curNo >= 1 && curNo <= m_store.itemCount();
}

STR_TK &PracticeSession::current()
{
    // An empty list still has its (empty) element 1, so there is always something to show.
    const int n = std::clamp<int>(curNo, 1, std::max(1, m_store.itemCount()));
    return m_store.item(n);
}

NextStep PracticeSession::next()
{
    const int count = m_store.itemCount();
    if (count < 1) {
        curNo = 1; // nothing to move through
        return NextStep::Moved;
    }
    if (curNo < count) {
        ++curNo;
        return NextStep::Moved;
    }
    curNo = 1;
    if (modeId == ModeExam)
        return NextStep::ExamWrapped;
    if (m_store.keepWrongOnly()) {
        answerMode = AnswerPractice;
        return NextStep::RetryWrong;
    }
    return NextStep::AllRight;
}

void PracticeSession::previous()
{
    const int count = m_store.itemCount();
    if (count < 1)
        curNo = 1;
    else if (curNo <= 1)
        curNo = count;
    else
        --curNo;
}

QString PracticeSession::messageFor(NextStep step)
{
    switch (step) {
    case NextStep::RetryWrong: return QStringLiteral("再次挑战刚刚的错题");
    case NextStep::AllRight: return QStringLiteral("错题被干掉完了，系统将从新挑选题");
    default: return QString();
    }
}

void PracticeSession::RecordFirstResult(int32_t id, bool right)
{
    STR_TK &e = current();
    if (!e.counted) {
        e.right = right ? 1 : 0;
        m_store.countAnswer(id, right);
    }
    e.counted = 1;
}

AnswerOutcome PracticeSession::answer(int32_t code, bool autoAdvanceTicked)
{
    AnswerOutcome out;
    if (!hasQuestion())
        return out;
    out.taken = true;
    STR_TK &e = current();
    if (e.given != 0) {
        e.given = code; // a changed answer is shown, never counted again
        return out;
    }
    out.first = true;
    e.given = code;
    ++answeredCount;
    const bool right = code == e.daan;
    if (right)
        ++rightCount;
    e.right = right ? 1 : 0;
    RecordFirstResult(e.id, right);
    if (answerMode == AnswerPractice) {
        out.showScore = true;
        out.scoreText = QStringLiteral("你的分数是:%1").arg(rightCount);
        out.rateText = QStringLiteral("正确率为：%1/%2(%3%)")
                           .arg(rightCount)
                           .arg(answeredCount)
                           .arg(rightCount * 100 / answeredCount);
        out.armAutoNext = autoAdvanceTicked && right;
    } else {
        out.hideScore = true;
        out.armAutoNext = autoAdvanceTicked;
    }
    if (out.armAutoNext)
        autoNextPending = true;
    return out;
}

void PracticeSession::finishMulti(int32_t mask)
{
    if (!hasQuestion())
        return;
    STR_TK &e = current();
    e.given = mask;
    if (answerMode == AnswerPractice)
        RecordFirstResult(e.id, mask == e.daan);
    autoNextPending = true;
}

bool PracticeSession::checkMultiOption(int32_t bit, int32_t mask)
{
    if (!hasQuestion() || answerMode != AnswerPractice)
        return false;
    STR_TK &e = current();
    if (bit & e.daan)
        return false;
    e.right = 0;
    e.given = mask;
    RecordFirstResult(e.id, false);
    return true;
}

bool PracticeSession::takeAutoNext(bool autoAdvanceTicked)
{
    if (!autoNextPending || !autoAdvanceTicked)
        return false;
    autoNextPending = false;
    return true;
}

QString PracticeSession::hintFor(const STR_TK &e)
{
    return e.cuo != 0 ? QStringLiteral("本题是你错的较多的题") : QStringLiteral("本题是你答的较少的题");
}

QString PracticeSession::feedbackFor(const STR_TK &e, MarkPicture *mark, QString *warning)
{
    const QString given = AnswerText(e.leixing, e.given);
    if (e.given == e.daan) {
        *mark = e.right == 1 ? MarkPicture::Select : MarkPicture::Gantan;
        if (e.right == 1)
            return QStringLiteral("你的答案:") + given + QStringLiteral("答对了");
        return QStringLiteral("你的答案:") + given
            + QStringLiteral("答对了\r\n但是我发现你第一次没答对，所以只能给你个感叹号");
    }
    *mark = MarkPicture::FileClose;
    QString text = QStringLiteral("你打错了！\r\n你的答案:") + given + QStringLiteral("\r\n正确答案：")
        + AnswerText(e.leixing, e.daan);
    if (!e.jiexi.isEmpty())
        text = e.jiexi;
    if (e.cuo >= 3) {
        *warning = QStringLiteral("错误次数超过3次，请你认真想想;\r\n本题全部错误次数%1次,答对次数:%2")
                       .arg(e.cuo)
                       .arg(e.dui);
    }
    return text;
}

namespace {
AnswerPanel panelFor(const STR_TK &e)
{
    switch (e.leixing) {
    case KindChoice: return e.daan > 4 ? AnswerPanel::TrueFalse : AnswerPanel::Choice;
    case KindTrueFalse: return AnswerPanel::TrueFalse;
    case KindMulti: return AnswerPanel::Multi;
    default: return AnswerPanel::None;
    }
}
}

QuestionView PracticeSession::prepareView(bool showAnswerTicked)
{
    QuestionView v;
    STR_TK &e = current();
    v.exam = answerMode == AnswerExam;
    v.given = e.given;
    v.showAnswerBoxVisible = !v.exam;
    v.hint = v.exam ? QString() : hintFor(e);
    if (e.given != 0) {
        v.feedbackVisible = true;
        const QString yours = QStringLiteral("你的答案:") + AnswerText(e.leixing, e.given);
        if (v.exam) {
            v.feedback = yours;
            v.markVisibility = QuestionView::MarkVisibility::Keep;
        } else if (showAnswerTicked) {
            v.markVisibility = QuestionView::MarkVisibility::Show;
            v.feedback = feedbackFor(e, &v.mark, &v.warning);
        } else {
            v.feedback = yours;
            v.markVisibility = QuestionView::MarkVisibility::Keep;
        }
    }
    v.position = QStringLiteral("%1/%2").arg(curNo).arg(m_store.itemCount());
    v.idText = QStringLiteral("本题ID：%1").arg(e.id);
    v.text = e.neirong;
    e.img.remove(QLatin1Char(' '));
    v.picture = e.img;
    v.panel = panelFor(e);
    return v;
}
