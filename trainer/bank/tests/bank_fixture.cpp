#include "bank_fixture.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

namespace {

bool exec(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool insertRows(sqlite3 *db, const std::vector<Row> &rows)
{
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO tiku (ID, ti_neirong, ti_daan, daanleixing, img, jiexi, dui, "
                       "cuo, gong) VALUES (?,?,?,?,?,?,?,?,?)",
                       -1, &insert, nullptr);
    bool ok = insert != nullptr;
    for (const Row &row : rows) {
        const QByteArray text = row.text.toUtf8(), img = row.img.toUtf8(), jiexi = row.jiexi.toUtf8();
        sqlite3_bind_int(insert, 1, row.id);
        sqlite3_bind_text(insert, 2, text.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 3, row.daan);
        sqlite3_bind_int(insert, 4, row.leixing);
        sqlite3_bind_text(insert, 5, img.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 6, jiexi.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 7, row.dui);
        sqlite3_bind_int(insert, 8, row.cuo);
        sqlite3_bind_int(insert, 9, row.gong);
        ok = ok && sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return ok;
}

bool insertMeta(sqlite3 *db, const std::vector<MetaValue> &meta)
{
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO jiegou (str_name, str_value) VALUES (?,?)", -1, &insert,
                       nullptr);
    bool ok = insert != nullptr;
    for (const MetaValue &m : meta) {
        const QByteArray key = m.key.toUtf8(), value = m.value.toUtf8();
        sqlite3_bind_text(insert, 1, key.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, value.constData(), -1, SQLITE_TRANSIENT);
        ok = ok && sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return ok;
}

}

bool writeBank(const QString &file, const std::vector<Row> &rows, const std::vector<MetaValue> &meta)
{
    QFile::remove(file);
    sqlite3 *db = nullptr;
    if (sqlite3_open(QFile::encodeName(file).constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const bool ok =
        exec(db, "CREATE TABLE tiku (ID INTEGER PRIMARY KEY, ti_neirong TEXT, ti_daan INTEGER, "
                 "daanleixing INTEGER, img TEXT, jiexi TEXT, dui INTEGER, cuo INTEGER, "
                 "gong INTEGER)")
        && exec(db, "CREATE TABLE jiegou (str_name TEXT, str_value TEXT)") && exec(db, "BEGIN")
        && insertRows(db, rows) && insertMeta(db, meta) && exec(db, "COMMIT");
    sqlite3_close(db);
    return ok;
}

std::vector<Row> dozen()
{
    std::vector<Row> rows = {
        {1, QStringLiteral("驾驶机动车在道路上行驶"), 1, 1},
        {2, QStringLiteral("夜间会车应当关闭远光灯"), 6, 2, 4, 0, 4},
        {3, QStringLiteral("这个标志是何含义？"), 3, 1, 1, 5, 6, QStringLiteral("3.jpg")},
        {4, QStringLiteral("车辆在高速公路上发生故障"), 2 + 8, 3, 0, 0, 9},
        {5, QStringLiteral("驾驶人's 责任"), 5, 2, 0, 2, 2},
        {6, QStringLiteral("雨天路滑应当减速"), 6, 2, 0, 0, 1},
        {7, QStringLiteral("通过铁路道口"), 4, 1, 0, 9, 9, QStringLiteral(" "), QStringLiteral("看清再过")},
        {8, QStringLiteral("路口黄灯持续闪烁"), 2, 1, 3, 0, 3},
        {9, QStringLiteral("机动车行驶中遇到'让'字标志"), 1, 1},
        {10, QStringLiteral("发生交通事故后"), 4 + 16, 3, 0, 0, 7},
        {11, QStringLiteral("在隧道内不得超车"), 6, 2, 0, 0, 5},
        {12, QStringLiteral("驾驶证记分周期为12个月"), 6, 2, 2, 0, 2},
    };
    return rows;
}

std::vector<Row> numbered(int n)
{
    std::vector<Row> rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back({i, QStringLiteral("第%1题：驾驶机动车遇到这种情况时应当怎样做？").arg(i), 1 + i % 4, 1});
    return rows;
}

int queryInt(const QString &file, const QString &statement)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt *query = nullptr;
    int value = -1;
    if (sqlite3_prepare_v2(db, statement.toUtf8().constData(), -1, &query, nullptr) == SQLITE_OK
        && sqlite3_step(query) == SQLITE_ROW)
        value = sqlite3_column_int(query, 0);
    sqlite3_finalize(query);
    sqlite3_close(db);
    return value;
}

void BankTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("veltdata")));
    previousSink = Messages::install(&messages);
    m_sql::setExitFunction([this](int code) { exitCodes.push_back(code); });
}

void BankTest::TearDown()
{
    m_sql::setExitFunction(nullptr);
    Messages::install(previousSink);
    QDir::setCurrent(previousDir);
}

void DozenBankTest::SetUp()
{
    BankTest::SetUp();
    ASSERT_TRUE(writeBank(QStringLiteral("bank.stk"), dozen()));
    ASSERT_TRUE(bank.open(QStringLiteral("bank.stk")));
}
