#pragma once

#include <QString>

#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

// A failure of the database layer, with SQLite's own message.
class DatabaseError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One SQLite connection, closed when it goes out of scope; every call throws DatabaseError.
class SqliteFile
{
public:
    enum class Mode { ReadOnly, ReadWrite, Create };
    SqliteFile(const QString &path, Mode mode);
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    void exec(const char *sql);
    sqlite3 *handle() const { return db; }
    [[noreturn]] void fail(const QString &what) const;

private:
    sqlite3 *db = nullptr;
    QString path;
};

// A prepared statement, finalized when it goes out of scope.
class SqliteStatement
{
public:
    SqliteStatement(SqliteFile &file, const char *sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    void bind(int index, const QString &text);
    void bind(int index, int value);
    bool step();   // true while a row is there
    void reset();
    QString text(int column) const;
    int integer(int column) const;

private:
    SqliteFile &file;
    sqlite3_stmt *stmt = nullptr;
};
