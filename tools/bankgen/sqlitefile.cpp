#include "sqlitefile.h"

#include <sqlite3.h>

SqliteFile::SqliteFile(const QString &path, Mode mode) : path(path)
{
    int flags = SQLITE_OPEN_READONLY;
    if (mode == Mode::ReadWrite)
        flags = SQLITE_OPEN_READWRITE;
    else if (mode == Mode::Create)
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK)
        fail(QStringLiteral("cannot open"));
}

SqliteFile::~SqliteFile()
{
    sqlite3_close(db);
}

void SqliteFile::fail(const QString &what) const
{
    const QString reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    throw DatabaseError(QStringLiteral("%1: %2: %3").arg(path, what, reason).toStdString());
}

void SqliteFile::exec(const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sql).left(60));
}

SqliteStatement::SqliteStatement(SqliteFile &file, const char *sql) : file(file)
{
    if (sqlite3_prepare_v2(file.handle(), sql, -1, &stmt, nullptr) != SQLITE_OK)
        file.fail(QString::fromUtf8(sql).left(60));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(stmt);
}

void SqliteStatement::bind(int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        file.fail(QStringLiteral("bind"));
}

void SqliteStatement::bind(int index, int value)
{
    if (sqlite3_bind_int(stmt, index, value) != SQLITE_OK)
        file.fail(QStringLiteral("bind"));
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        file.fail(QStringLiteral("step"));
    return false;
}

void SqliteStatement::reset()
{
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
}

QString SqliteStatement::text(int column) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column)) : QString();
}

int SqliteStatement::integer(int column) const
{
    return sqlite3_column_int(stmt, column);
}
