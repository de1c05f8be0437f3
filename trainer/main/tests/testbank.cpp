#include "testbank.h"

#include <QFile>

#include <sqlite3.h>

namespace {
bool exec(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool insertRow(sqlite3_stmt *st, const BankRow &r)
{
    const QByteArray text = r.text.toUtf8(), img = r.img.toUtf8(), jiexi = r.jiexi.toUtf8();
    sqlite3_reset(st);
    sqlite3_bind_int(st, 1, r.id);
    sqlite3_bind_text(st, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(st, 3, r.daan);
    sqlite3_bind_int(st, 4, r.leixing);
    sqlite3_bind_text(st, 5, img.constData(), int(img.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 6, jiexi.constData(), int(jiexi.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(st, 7, r.dui);
    sqlite3_bind_int(st, 8, r.cuo);
    sqlite3_bind_int(st, 9, r.gong);
    return sqlite3_step(st) == SQLITE_DONE;
}

bool insertMeta(sqlite3_stmt *st, const BankMeta &m)
{
    const QByteArray key = m.key.toUtf8(), value = m.value.toUtf8();
    sqlite3_reset(st);
    sqlite3_bind_text(st, 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 2, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    return sqlite3_step(st) == SQLITE_DONE;
}

bool fill(sqlite3 *db, const std::vector<BankRow> &rows, const std::vector<BankMeta> &meta)
{
    if (!exec(db, "CREATE TABLE tiku (ID INTEGER PRIMARY KEY, ti_neirong TEXT, ti_daan INTEGER, "
                  "daanleixing INTEGER, img TEXT, jiexi TEXT, dui INTEGER, cuo INTEGER, gong INTEGER)")
        || !exec(db, "CREATE TABLE jiegou (str_name TEXT, str_value TEXT)"))
        return false;
    bool ok = true;
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO tiku VALUES (?,?,?,?,?,?,?,?,?)", -1, &st, nullptr);
    for (const BankRow &r : rows)
        ok = ok && insertRow(st, r);
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db, "INSERT INTO jiegou VALUES (?,?)", -1, &st, nullptr);
    for (const BankMeta &m : meta)
        ok = ok && insertMeta(st, m);
    sqlite3_finalize(st);
    return ok;
}
}

bool writeTestBank(const QString &file, const std::vector<BankRow> &rows, const std::vector<BankMeta> &meta)
{
    QFile::remove(file);
    sqlite3 *db = nullptr;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const bool ok = exec(db, "BEGIN") && fill(db, rows, meta) && exec(db, "COMMIT");
    sqlite3_close(db);
    return ok;
}

std::vector<BankRow> mixedDozen()
{
    std::vector<BankRow> rows;
    for (int id = 1; id <= 12; ++id) {
        BankRow r;
        r.id = id;
        switch (id % 3) {
        case 1:
            r.text = QStringLiteral("第%1题：驾驶机动车遇到这种情况应当怎么做？\r\nA、减速慢行\r\nB、加速通过\r\nC、鸣喇叭催促\r\nD、停车等待").arg(id);
            r.leixing = 1;
            r.daan = 1;
            break;
        case 2:
            r.text = QStringLiteral("第%1题：驾驶机动车在道路上行驶应当按规定系好安全带。").arg(id);
            r.leixing = 2;
            r.daan = 6;
            break;
        default:
            r.text = QStringLiteral("第%1题：下列哪些做法是正确的？\r\nA、保持车距\r\nB、疲劳驾驶\r\nC、按道行驶\r\nD、超速行驶").arg(id);
            r.leixing = 3;
            r.daan = 0x2 | 0x8;
            break;
        }
        rows.push_back(r);
    }
    return rows;
}

std::vector<BankRow> choiceRows(int n)
{
    std::vector<BankRow> rows;
    for (int id = 1; id <= n; ++id) {
        BankRow r;
        r.id = id;
        r.text = QStringLiteral("题目%1").arg(id);
        r.daan = 1 + id % 4;
        rows.push_back(r);
    }
    return rows;
}

Counters readCounters(const QString &file, int id)
{
    Counters c;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, "SELECT dui, cuo, gong FROM tiku WHERE ID=?", -1, &st, nullptr);
        sqlite3_bind_int(st, 1, id);
        if (sqlite3_step(st) == SQLITE_ROW)
            c = {sqlite3_column_int(st, 0), sqlite3_column_int(st, 1), sqlite3_column_int(st, 2)};
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return c;
}
