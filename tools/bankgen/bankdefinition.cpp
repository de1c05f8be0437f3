#include "bankdefinition.h"

#include "blockreader.h"

const QStringList &bankMetadataKeys()
{
    static const QStringList keys = {QStringLiteral("mulu"), QStringLiteral("tikuZuoZhe"),
                                     QStringLiteral("tikuRUL"), QStringLiteral("tikuLOGO")};
    return keys;
}

namespace {

bool readCount(const Block &block, const char *name, int &count, const QString &path, Problems &problems)
{
    const Field *f = block.find(QString::fromLatin1(name));
    bool ok = false;
    if (f)
        count = f->value.toInt(&ok);
    if (!ok || count < 0) {
        problems.append({path, f ? f->line : block.line, QStringLiteral("'%1' needs a whole number").arg(QString::fromLatin1(name))});
        return false;
    }
    return true;
}

bool readText(const Block &block, const char *name, QString &value, const QString &path, Problems &problems)
{
    const Field *f = block.find(QString::fromLatin1(name));
    if (!f || f->value.isEmpty()) {
        problems.append({path, block.line, QStringLiteral("'%1' is missing").arg(QString::fromLatin1(name))});
        return false;
    }
    value = f->value;
    return true;
}

}

bool readBankDefinition(const QString &path, BankDefinition &d, Problems &problems)
{
    const qsizetype before = problems.size();
    const QList<Block> blocks = readBlocks(path, problems);
    if (blocks.size() != 1) {
        problems.append({path, 0, QStringLiteral("a bank definition is one block of 'key: value' lines")});
        return false;
    }
    const Block &b = blocks.first();
    readText(b, "file", d.bankFile, path, problems);
    readText(b, "class", d.vehicleClass, path, problems);
    readText(b, "table", d.tableFile, path, problems);
    readCount(b, "questions", d.questions, path, problems);
    readCount(b, "table-choice", d.tableChoice, path, problems);
    readCount(b, "table-tf", d.tableTrueFalse, path, problems);
    readCount(b, "table-pictures", d.tablePictures, path, problems);
    QString trailer;
    readText(b, "table-trailer", trailer, path, problems);
    d.tableTrailer = trailer == QStringLiteral("yes");
    for (const QString &key : bankMetadataKeys()) {
        QString value;
        if (readText(b, qPrintable(key), value, path, problems))
            d.metadata.append({key, value});
    }
    return problems.size() == before;
}
