// The bank connection, running statements and the bank's metadata.
#include "m_sql.h"

#include "messages.h"
#include "textcodec.h"

#include <QFile>

#include <sqlite3.h>

#include <cstdlib>
#include <string>

namespace {
const QString kOpenFailed = QStringLiteral("错误代码:30,或者请以管理员身份运行；");
const QString kNotConnected = QStringLiteral("出错ERROR代码：15\r\nconn->Connected");
const QString kNoImageDir = QStringLiteral("出错,代码298");
const char kCountRows[] = "SELECT tiku.* FROM tiku;";

std::function<void(int)> &exitFunction()
{
    static std::function<void(int)> function = [](int code) { std::exit(code); };
    return function;
}

[[noreturn]] void fail(sqlite3 *db, const char *what)
{
    throw BankError(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no connection"));
}

QString columnText(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

// A value placed between quotes in a statement: a quote is doubled so it stays part of
// the value, and a NUL (which would end the statement text early) is dropped.
QString quotedValue(QString value)
{
    value.remove(QChar(u'\0'));
    value.replace(QLatin1Char('\''), QLatin1String("''"));
    return value;
}
}

const QString m_sql::kSmallCarBank = QStringLiteral("veltdata\\小车.stk");

m_sql::m_sql() = default;

m_sql::~m_sql()
{
    close();
}

void m_sql::setExitFunction(std::function<void(int)> function)
{
    if (!function)
        function = [](int code) { std::exit(code); };
    exitFunction() = std::move(function);
}

bool m_sql::open(const QString &path)
{
    if (openFailures > 2) {
        exitFunction()(0);
        return false;
    }
    items.clear();
    count = 0;
    // One connection at a time: the previous bank is closed (and checkpointed) first.
    close();
    if (path.isEmpty())
        return false;
    try {
        connectTo(path);
    } catch (const std::exception &) {
        ++openFailures;
        Messages::show(kOpenFailed);
        return open(kSmallCarBank);
    }
    if (!conn) {
        Messages::show(kNotConnected);
        return false;
    }
    connected = true;
    return true;
}

void m_sql::connectTo(const QString &path)
{
    const QByteArray file = QFile::encodeName(nativePath(path));
    sqlite3 *db = nullptr;
    // Without SQLITE_OPEN_CREATE a missing bank is an error, not a new empty file.
    const int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (!db)
        return; // no handle at all: reported as not connected
    if (rc != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw BankError(message);
    }
    // A file that is no database, or a database without questions, is refused here
    // rather than at the first question shown.
    sqlite3_stmt *probe = nullptr;
    if (sqlite3_prepare_v2(db, kCountRows, -1, &probe, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw BankError(message);
    }
    sqlite3_finalize(probe);
    // The bank holds the learner's answer counters: a committed count must survive a
    // crash of the program right after the answer. WAL with NORMAL sync gives that
    // without a disk flush per answer.
    sqlite3_busy_timeout(db, 2000);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr,
                 nullptr);
    conn = db;
}

void m_sql::close()
{
    finishQuery();
    if (conn) {
        // Closing the last connection checkpoints the write-ahead log into the bank
        // and removes the -wal and -shm files.
        sqlite3_close(conn);
        conn = nullptr;
    }
    connected = false;
}

void m_sql::finishQuery()
{
    if (query) {
        sqlite3_finalize(query);
        query = nullptr;
    }
    m_eof = true;
}

void m_sql::prepareQuery(const QString &statement)
{
    const QByteArray text = statement.toUtf8();
    if (sqlite3_prepare_v2(conn, text.constData(), static_cast<int>(text.size()), &query,
                           nullptr) != SQLITE_OK) {
        query = nullptr;
        fail(conn, "statement rejected");
    }
}

void m_sql::stepQuery()
{
    const int rc = sqlite3_step(query);
    if (rc == SQLITE_ROW) {
        m_eof = false;
    } else if (rc == SQLITE_DONE) {
        m_eof = true;
    } else {
        m_eof = true;
        fail(conn, "statement failed");
    }
}

// A bank that is not open answers every query with no rows.
void m_sql::run(const QString &statement)
{
    finishQuery();
    if (!conn)
        return;
    prepareQuery(statement);
    stepQuery();
}

void m_sql::execute(const QString &statement)
{
    run(statement);
    finishQuery();
}

int m_sql::columnIndex(const char *name) const
{
    const int columns = sqlite3_column_count(query);
    for (int c = 0; c < columns; ++c) {
        if (sqlite3_stricmp(sqlite3_column_name(query, c), name) == 0)
            return c;
    }
    throw BankError(std::string("bank has no column ") + name);
}

int m_sql::countQuestions()
{
    run(QString::fromLatin1(kCountRows));
    int rows = 0;
    while (!m_eof) {
        ++rows;
        stepQuery();
    }
    return rows;
}

QString m_sql::jiegouValue(const QString &key)
{
    run(QStringLiteral("SELECT jiegou.str_value FROM jiegou WHERE jiegou.str_name='")
        + quotedValue(key) + QStringLiteral("';"));
    if (m_eof)
        return {};
    return columnText(query, columnIndex("str_value"));
}

QString m_sql::imageDir()
{
    const QString dir = jiegouValue(QStringLiteral("mulu"));
    if (!dir.isEmpty())
        return dir;
    Messages::show(kNoImageDir);
    return QStringLiteral("veltdata");
}

QString m_sql::bankAuthor()
{
    return jiegouValue(QStringLiteral("tikuZuoZhe"));
}

QString m_sql::bankLink()
{
    return jiegouValue(QStringLiteral("tikuRUL"));
}

QString m_sql::bankLogo()
{
    return jiegouValue(QStringLiteral("tikuLOGO"));
}

void m_sql::findById(int32_t questionId)
{
    run(QStringLiteral("SELECT tiku.* FROM tiku WHERE ID=") + QString::number(questionId));
    readRow();
}

void m_sql::search(const QString &keyword)
{
    const QString value = quotedValue(keyword);
    run(QStringLiteral("SELECT *   FROM  `tiku`   WHERE  `ID` LIKE '") + value
        + QStringLiteral("'  OR  `ti_neirong` LIKE  '%") + value
        + QStringLiteral("%' ORDER BY  `id` "));
    readRow();
}

void m_sql::selectWrong()
{
    run(QStringLiteral("SELECT *   FROM  `tiku` WHERE  `cuo` >0 "));
    readRow();
}

void m_sql::countAnswer(int32_t questionId, bool right)
{
    const QString column = right ? QStringLiteral("dui") : QStringLiteral("cuo");
    execute(QStringLiteral("UPDATE `tiku` SET `%1`=%1+1, `gong`=gong+1 WHERE ( `ID` =%2 )")
                .arg(column)
                .arg(questionId));
}

void m_sql::clearRow()
{
    id = daan = leixing = dui = cuo = gong = 0;
    neirong.clear();
    img.clear();
    jiexi.clear();
}

void m_sql::readRow()
{
    if (!query || m_eof) {
        // Past the last row (or no rows at all) the current row is empty: a question
        // that was not found shows as an empty question, never as the previous one.
        clearRow();
        return;
    }
    auto text = [this](const char *name) { return columnText(query, columnIndex(name)); };
    auto number = [this](const char *name) { return sqlite3_column_int(query, columnIndex(name)); };
    neirong = text("ti_neirong");
    daan = number("ti_daan");
    leixing = number("daanleixing");
    img = text("img");
    jiexi = text("jiexi");
    id = number("ID");
    dui = number("dui");
    cuo = number("cuo");
    gong = number("gong");
}

void m_sql::next()
{
    if (query && !m_eof)
        stepQuery();
    readRow();
}

bool m_sql::eof() const
{
    return m_eof;
}
