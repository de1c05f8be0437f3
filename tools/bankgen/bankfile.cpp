#include "bankfile.h"

#include "sqlitefile.h"

bool BankRow::sameQuestion(const BankRow &o) const
{
    return id == o.id && text == o.text && answer == o.answer && kind == o.kind && image == o.image && jiexi == o.jiexi;
}

BankContent bankContent(const QuestionRefs &questions, const QList<QPair<QString, QString>> &metadata)
{
    BankContent content;
    content.metadata = metadata;
    int id = 0;
    for (const Question *q : questions) {
        BankRow row;
        row.id = ++id;
        row.text = assembledText(*q);
        row.answer = answerCode(*q);
        row.kind = answerKindCode(q->kind);
        row.image = q->image;
        row.jiexi = q->jiexi;
        content.rows.append(row);
    }
    return content;
}

void writeBank(const QString &path, const BankContent &content)
{
    SqliteFile db(path, SqliteFile::Mode::Create);
    db.exec("BEGIN");
    db.exec("CREATE TABLE tiku (ID INTEGER PRIMARY KEY, ti_neirong TEXT NOT NULL, ti_daan INTEGER NOT NULL,"
            " daanleixing INTEGER NOT NULL, img TEXT NOT NULL DEFAULT '', jiexi TEXT NOT NULL DEFAULT '',"
            " dui INTEGER NOT NULL DEFAULT 0, cuo INTEGER NOT NULL DEFAULT 0, gong INTEGER NOT NULL DEFAULT 0)");
    db.exec("CREATE TABLE jiegou (str_name TEXT PRIMARY KEY, str_value TEXT NOT NULL DEFAULT '')");
    SqliteStatement insertRow(db, "INSERT INTO tiku (ID, ti_neirong, ti_daan, daanleixing, img, jiexi, dui, cuo, gong)"
                                  " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    for (const BankRow &row : content.rows) {
        insertRow.bind(1, row.id);
        insertRow.bind(2, row.text);
        insertRow.bind(3, row.answer);
        insertRow.bind(4, row.kind);
        insertRow.bind(5, row.image);
        insertRow.bind(6, row.jiexi);
        insertRow.bind(7, row.dui);
        insertRow.bind(8, row.cuo);
        insertRow.bind(9, row.gong);
        insertRow.step();
        insertRow.reset();
    }
    SqliteStatement insertMeta(db, "INSERT INTO jiegou (str_name, str_value) VALUES (?1, ?2)");
    for (const auto &[name, value] : content.metadata) {
        insertMeta.bind(1, name);
        insertMeta.bind(2, value);
        insertMeta.step();
        insertMeta.reset();
    }
    db.exec("COMMIT");
}

BankContent readBank(const QString &path)
{
    SqliteFile db(path, SqliteFile::Mode::ReadOnly);
    BankContent content;
    SqliteStatement rows(db, "SELECT ID, ti_neirong, ti_daan, daanleixing, img, jiexi, dui, cuo, gong FROM tiku ORDER BY ID");
    while (rows.step()) {
        BankRow row;
        row.id = rows.integer(0);
        row.text = rows.text(1);
        row.answer = rows.integer(2);
        row.kind = rows.integer(3);
        row.image = rows.text(4);
        row.jiexi = rows.text(5);
        row.dui = rows.integer(6);
        row.cuo = rows.integer(7);
        row.gong = rows.integer(8);
        content.rows.append(row);
    }
    SqliteStatement meta(db, "SELECT str_name, str_value FROM jiegou ORDER BY rowid");
    while (meta.step())
        content.metadata.append({meta.text(0), meta.text(1)});
    return content;
}
