#pragma once

#include <QString>

#include <cstdint>

class m_sql;
class SysDat;
struct STR_TK;

// The mode last entered; decides what "重新出题" restarts and what the end of a list does.
enum ModeId : int32_t {
    ModeSequential = 0, // 顺序练习
    ModePreliminary = 1, // 初步练习
    ModeDifficult = 2, // 难题练习
    ModeExam = 3, // 模拟考试
    ModeWrongReview = 4, // 错误集
    ModeBrowser = 5, // 题库
    ModeNone = 100,
};

enum AnswerModeValue : int32_t { AnswerExam = 1, AnswerPractice = 2 };

// Which answer buttons a question needs.
enum class AnswerPanel { None, Choice, TrueFalse, Multi };

// The mark picture shown beside practice feedback.
enum class MarkPicture { Keep, Select, Gantan, FileClose };

// Everything the question area shows for the current question, worked out without widgets.
struct QuestionView
{
    QString hint;              // Label7
    bool showAnswerBoxVisible = true; // CheckBox1 is shown in practice only
    bool feedbackVisible = false; // Label4
    QString feedback;
    enum class MarkVisibility { Keep, Show, Hide } markVisibility = MarkVisibility::Hide;
    MarkPicture mark = MarkPicture::Keep;
    QString warning;           // message box text; empty = no box
    QString position;          // Label3, "n/count"
    QString idText;            // Label2
    QString text;              // question text for the page
    QString picture;           // picture name, blanks removed
    AnswerPanel panel = AnswerPanel::None;
    int32_t given = 0;         // the answer to mark on the buttons
    bool exam = false;
};

// What moving past the current question did.
enum class NextStep { Moved, ExamWrapped, RetryWrong, AllRight };

// What an answer did, for the form to mirror on its labels and timer.
struct AnswerOutcome
{
    bool taken = false;      // false: no question to answer (empty list)
    bool first = false;      // the question's first answer in this list
    bool showScore = false;  // practice: show Label5/Label6 with the texts below
    bool hideScore = false;  // exam: hide them
    QString scoreText;
    QString rateText;
    bool armAutoNext = false;
};

// One run of practice or exam over the bank's current question set: the rules of the
// mode entries, answering, counting first answers in the bank, feedback and the end of a
// list. The main window wires its buttons, keys and timers to this class.
class PracticeSession
{
public:
    PracticeSession(m_sql &store, const SysDat &state);

    // 顺序练习, 初步练习 and 难题练习: a new list from the bank, counters reset.
    void enterPractice(ModeId mode);
    // The mode "重新出题" restarts, or ModeNone when the current mode has nothing to restart.
    ModeId restartTarget() const;

    int itemCount() const;
    bool hasQuestion() const; // curNo names an element of the list
    STR_TK &current();

    // 下一题 / 上一题. At the end of a practice list the unanswered and wrong questions
    // become the new list; when there are none the caller restarts the mode.
    NextStep next();
    void previous();
    // The message the step shows, empty for a plain move.
    static QString messageFor(NextStep step);

    AnswerOutcome answer(int32_t code, bool autoAdvanceTicked);
    // "完成" on a multi-select question with the mask of the ticked boxes.
    void finishMulti(int32_t mask);
    // A box just ticked; true when the tick failed the question (the page must be redrawn).
    bool checkMultiOption(int32_t bit, int32_t mask);
    // Counts the current element's first result in the bank, once per element.
    void RecordFirstResult(int32_t id, bool right);

    // The automatic advance: armed by an answer, taken by the pause timer's tick.
    void armAutoNext() { autoNextPending = true; }
    // True when the tick should move on (and the pending advance is used up).
    bool takeAutoNext(bool autoAdvanceTicked);

    // Prepares question curNo for showing. Stores the picture name without blanks back
    // into the element, as the page expects it.
    QuestionView prepareView(bool showAnswerTicked);

    static QString hintFor(const STR_TK &e);
    static QString feedbackFor(const STR_TK &e, MarkPicture *mark, QString *warning);

    int32_t curNo = 1;
    int32_t answerMode = AnswerPractice;
    int32_t modeId = ModeNone;
    int32_t answeredCount = 0;
    int32_t rightCount = 0;
    bool autoNextPending = false;

private:
    m_sql &m_store;
    const SysDat &m_state;
};
