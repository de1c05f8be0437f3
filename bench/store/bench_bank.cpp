// An examination paper of 100 from a 725-question bank, and counting the bank's rows,
// against 100 lookups by ID on one prepared statement (the least SQLite can do).
#include "m_sql.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kBankSize = 725;
constexpr int kPaper = 100;

// A bank file like the shipped small-car bank, written once beside the working directory
// (on the real disk, not a memory file system).
class BankFile
{
public:
    BankFile() : m_dir(QDir::current().filePath(QStringLiteral("bench-bank-XXXXXX")))
    {
        m_path = m_dir.filePath(QStringLiteral("bank.stk"));
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(m_path).constData(), &db);
        sqlite3_exec(db,
                     "CREATE TABLE tiku (ID INTEGER PRIMARY KEY, ti_neirong TEXT, ti_daan INTEGER,"
                     " daanleixing INTEGER, img TEXT, jiexi TEXT, dui INTEGER, cuo INTEGER,"
                     " gong INTEGER);"
                     "CREATE TABLE jiegou (str_name TEXT, str_value TEXT); BEGIN;",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tiku VALUES (?,?,?,1,' ',?,0,0,0)", -1, &insert, nullptr);
        for (int id = 1; id <= kBankSize; ++id) {
            const QByteArray text = QStringLiteral("第%1题：驾驶机动车在道路上遇到这种情况时，"
                                                   "下列哪种做法是正确的？A.减速 B.加速 C.鸣喇叭 D.停车")
                                        .arg(id).toUtf8();
            const QByteArray jiexi = QStringLiteral("解析：遇到这种情况应当减速慢行，注意观察。").toUtf8();
            sqlite3_bind_int(insert, 1, id);
            sqlite3_bind_text(insert, 2, text.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 3, 1 + id % 4);
            sqlite3_bind_text(insert, 4, jiexi.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

const BankFile &bankFile()
{
    static BankFile file;
    return file;
}

void BM_LoadSetExam(benchmark::State &state)
{
    m_sql bank;
    bank.open(bankFile().path());
    for (auto _ : state) {
        bank.loadSet(13, kPaper);
        benchmark::DoNotOptimize(bank.item(kPaper).id);
    }
}
BENCHMARK(BM_LoadSetExam)->Unit(benchmark::kMicrosecond);

void BM_CountQuestions(benchmark::State &state)
{
    m_sql bank;
    bank.open(bankFile().path());
    for (auto _ : state)
        benchmark::DoNotOptimize(bank.countQuestions());
}
BENCHMARK(BM_CountQuestions)->Unit(benchmark::kMicrosecond);

// The floor: one statement prepared once, bound, stepped and its columns read 100 times.
void BM_Floor100LookupsById(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(bankFile().path()).constData(), &db, SQLITE_OPEN_READWRITE,
                    nullptr);
    sqlite3_stmt *lookup = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM tiku WHERE ID=?", -1, &lookup, nullptr);
    for (auto _ : state) {
        for (int i = 1; i <= kPaper; ++i) {
            sqlite3_bind_int(lookup, 1, (i * kBankSize) / kPaper);
            if (sqlite3_step(lookup) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(lookup); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(lookup, c));
            }
            sqlite3_reset(lookup);
        }
    }
    sqlite3_finalize(lookup);
    sqlite3_close(db);
}
BENCHMARK(BM_Floor100LookupsById)->Unit(benchmark::kMicrosecond);

// Where the time goes: the same lookups, each statement text prepared anew as the store
// must do (the number is part of the text).
void BM_100LookupsPreparedEach(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(bankFile().path()).constData(), &db, SQLITE_OPEN_READWRITE,
                    nullptr);
    for (auto _ : state) {
        for (int i = 1; i <= kPaper; ++i) {
            const QByteArray text = "SELECT tiku.* FROM tiku WHERE ID=" + QByteArray::number((i * kBankSize) / kPaper);
            sqlite3_stmt *lookup = nullptr;
            sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &lookup, nullptr);
            if (sqlite3_step(lookup) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(lookup); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(lookup, c));
            }
            sqlite3_finalize(lookup);
        }
    }
    sqlite3_close(db);
}
BENCHMARK(BM_100LookupsPreparedEach)->Unit(benchmark::kMicrosecond);

}
