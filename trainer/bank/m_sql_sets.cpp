// Question sets: building them per mode, narrowing, grading and counting answers.
#include "m_sql.h"

#include "messages.h"

#include <sqlite3.h>

#include <algorithm>
#include <random>

namespace {
std::mt19937 &generator()
{
    static std::mt19937 random{std::random_device{}()};
    return random;
}
}

void m_sql::loadSet(int mode, int n)
{
    if (n > kMaxSetSize) {
        Messages::show(QStringLiteral("题数太多（最多%1题），没有出题。").arg(kMaxSetSize));
        n = 0;
    }
    count = conn ? std::max(n, 0) : 0;
    items.assign(static_cast<size_t>(count) + 10, STR_TK{});
    if (count == 0)
        return;
    switch (mode) {
    case 10: orderedLoad(QStringLiteral("SELECT  * FROM  `tiku` ORDER BY  `id` "), count); break;
    case 11: orderedLoad(QStringLiteral("SELECT  * FROM  `tiku` ORDER BY  `cuo` DESC "), count); break;
    case 12: orderedLoad(QStringLiteral("SELECT   * FROM  `tiku` ORDER BY  `gong` "), count); break;
    case 13: examPick(count); break;
    default: break;
    }
}

void m_sql::orderedLoad(const QString &statement, int n)
{
    run(statement);
    readRow();
    for (int i = 1; i <= n && !m_eof; ++i) {
        copyRowTo(items[static_cast<size_t>(i)]);
        next();
    }
}

int m_sql::examPickId(int r, int i, int total, int picks)
{
    const long long a = r + static_cast<long long>(i - 1) * total + 1;
    const float x = static_cast<float>(a) / static_cast<float>(picks);
    const int picked = static_cast<int>(x + 0.5f);
    // Rounding can name 0 (or, in theory, one past the end); an empty question there
    // would be graded right when left unanswered, so the pick stays on a real question.
    return std::clamp(picked, 1, total);
}

void m_sql::examPick(int n)
{
    // The whole paper is read in one read transaction: it comes from one state of the
    // bank, and the database locks are taken once rather than once per question (which
    // cost as much as the lookups themselves).
    const bool snapshot = sqlite3_exec(conn, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    try {
        drawPaper(n);
    } catch (...) {
        endSnapshot(snapshot);
        throw;
    }
    endSnapshot(snapshot);
}

void m_sql::endSnapshot(bool begun)
{
    if (!begun)
        return;
    finishQuery();
    if (sqlite3_exec(conn, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        sqlite3_exec(conn, "ROLLBACK", nullptr, nullptr, nullptr);
}

void m_sql::drawPaper(int n)
{
    const int total = countQuestions();
    if (total < 1) {
        count = 0; // nothing to draw from: an empty paper, not n empty questions
        return;
    }
    std::uniform_int_distribution<int> draw(0, total - 1);
    for (int i = 1; i <= n; ++i) {
        findById(examPickId(draw(generator()), i, total, n));
        copyRowTo(items[static_cast<size_t>(i)]);
    }
}

void m_sql::copyRowTo(STR_TK &element) const
{
    element = STR_TK{};
    element.id = id;
    element.daan = daan;
    element.neirong = neirong;
    element.img = img;
    element.dui = dui;
    element.cuo = cuo;
    element.gong = gong;
    element.jiexi = jiexi;
    element.leixing = leixing;
}

STR_TK &m_sql::item(int position)
{
    if (position < 0 || static_cast<size_t>(position) >= items.size()) {
        m_outside = STR_TK{};
        return m_outside;
    }
    return items[static_cast<size_t>(position)];
}

const STR_TK &m_sql::item(int position) const
{
    if (position < 0 || static_cast<size_t>(position) >= items.size()) {
        m_outside = STR_TK{};
        return m_outside;
    }
    return items[static_cast<size_t>(position)];
}

bool m_sql::keepWrongOnly()
{
    std::vector<STR_TK> kept;
    const int last = std::min<int>(count, static_cast<int>(items.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        const STR_TK &element = items[static_cast<size_t>(i)];
        if (element.given == element.daan)
            continue;
        STR_TK again = element;
        again.given = 0;
        again.right = 0;
        again.counted = 0;
        kept.push_back(std::move(again));
    }
    if (kept.empty())
        return false;
    // Positions after the new end are cleared, so the array keeps its shape: elements
    // 1 to count form the set and everything after them is empty.
    std::fill(items.begin() + 1, items.end(), STR_TK{});
    std::move(kept.begin(), kept.end(), items.begin() + 1);
    count = static_cast<int32_t>(kept.size());
    return true;
}

int m_sql::grade(int position)
{
    if (position < 1 || position > count || static_cast<size_t>(position) >= items.size())
        return 0;
    STR_TK &element = items[static_cast<size_t>(position)];
    if (element.id == 0)
        return 0;
    if (element.given == element.daan) {
        element.right = 1;
        countAnswer(element.id, true);
        return 2;
    }
    return (element.given & element.daan) ? 1 : 0;
}
