#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One question of the current question set, addressed by its position 1 to count.
struct STR_TK
{
    int32_t id = 0;
    int32_t daan = 0;   // right answer code
    int32_t given = 0;  // answer given in this set, 0 = none
    uint8_t right = 0;  // 1 = counts as answered right in this set
    QString neirong;    // question text
    QString img;        // picture file name
    int32_t dui = 0;    // counters as read when the set was loaded
    int32_t cuo = 0;
    int32_t gong = 0;
    QString jiexi;      // explanation
    int32_t leixing = 0; // 1 single choice, 2 true/false, 3 multiple choice
    int32_t spare = 0;
    uint8_t counted = 0; // 1 = this element's first answer is already in the bank
};

// A statement the bank engine rejected, or a bank without the expected tables.
class BankError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The question bank: one SQLite connection, one statement at a time, the current row of
// the last query and the current question set.
class m_sql
{
public:
    // The bank every failed open falls back to.
    static const QString kSmallCarBank; // "veltdata\\小车.stk"

    m_sql();
    ~m_sql();
    m_sql(const m_sql &) = delete;
    m_sql &operator=(const m_sql &) = delete;

    // --- connection ---
    // `path` in stored form, relative to the working directory. Closes the bank open
    // before and forgets the set. A file that is missing, no database or has no `tiku`
    // table shows the code-30 message and falls back to the small-car bank; the result
    // then is whether that bank opened. Empty path: false, nothing open, no message.
    // A bank that is not open answers every query with no rows and counts nothing.
    bool open(const QString &path);
    void close();
    bool connected = false;
    int32_t openFailures = 0;

    // The program ends through this function on the third failed open; tests replace it.
    static void setExitFunction(std::function<void(int)> exitFunction);

    // --- bank and metadata ---
    int countQuestions();
    QString jiegouValue(const QString &key);
    QString imageDir();  // "mulu", or "veltdata" with the code-298 message when empty
    QString bankAuthor();
    QString bankLink();
    QString bankLogo();

    // --- question sets ---
    // mode 10 by id, 11 by cuo descending, 12 by gong ascending, 13 examination pick.
    // n of 0 or below, a bank that is not open, or an examination on an empty bank give
    // an empty set (count 0); n above kMaxSetSize is refused with a message, set empty.
    void loadSet(int mode, int n);
    static constexpr int kMaxSetSize = 100000;
    // The examination pick of question i (1 to picks) of a paper drawn from questions
    // 1 to total, for the uniform draw r in 0 to total - 1: one question from each of
    // `picks` equal slices, rounded in single precision and kept within 1 to total.
    static int examPickId(int r, int i, int total, int picks);
    // Positions outside the array give an empty element that is fresh at every call,
    // so nothing written through it lasts.
    STR_TK &item(int position);
    const STR_TK &item(int position) const;
    int itemCount() const { return count; }
    bool keepWrongOnly();
    // 2 right (counted in the bank), 1 partly right, 0 wrong; an empty element (no
    // question behind it) or a position outside the set grades 0 and counts nothing.
    int grade(int position);
    void countAnswer(int32_t questionId, bool right);

    // --- stepping through a result ---
    void findById(int32_t questionId);
    void search(const QString &keyword);
    void selectWrong();
    void readRow();
    void next();
    bool eof() const;

    // The current row, filled by readRow.
    int32_t id = 0;
    int32_t daan = 0;
    int32_t leixing = 0;
    QString neirong;
    QString img;
    QString jiexi;
    int32_t dui = 0;
    int32_t cuo = 0;
    int32_t gong = 0;

    // The current set: elements 1 to count; element 0 and the 9 after count stay empty.
    std::vector<STR_TK> items;
    int32_t count = 0;

private:
    void connectTo(const QString &path);
    void run(const QString &statement);
    void execute(const QString &statement);
    void prepareQuery(const QString &statement);
    void stepQuery();
    void finishQuery();
    int columnIndex(const char *name) const;
    void clearRow();
    void orderedLoad(const QString &statement, int n);
    void examPick(int n);
    void drawPaper(int n);
    void endSnapshot(bool begun);
    void copyRowTo(STR_TK &element) const;

    sqlite3 *conn = nullptr;
    sqlite3_stmt *query = nullptr;
    bool m_eof = true;
    mutable STR_TK m_outside; // handed out for positions outside the array
};
