#include "bankinstaller.h"

#include "bankfile.h"
#include "sqlitefile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstdio>

namespace {

struct Counters
{
    int dui = 0, cuo = 0, gong = 0;
};

bool sameContent(const BankContent &a, const BankContent &b)
{
    if (a.rows.size() != b.rows.size() || a.metadata != b.metadata)
        return false;
    for (int i = 0; i < a.rows.size(); ++i)
        if (!a.rows[i].sameQuestion(b.rows[i]))
            return false;
    return true;
}

// Counters of the old bank for each question of the new one, by text and picture.
QHash<int, Counters> carriedCounters(const BankContent &oldBank, const BankContent &newBank)
{
    QHash<QString, Counters> byTextAndImage;
    QHash<QString, int> textSeen;
    QHash<QString, Counters> byText;
    for (const BankRow &row : oldBank.rows) {
        const Counters c{row.dui, row.cuo, row.gong};
        byTextAndImage.insert(row.text + QLatin1Char('\t') + row.image, c);
        textSeen[row.text] += 1;
        byText.insert(row.text, c);
    }
    QHash<int, Counters> carried;
    for (const BankRow &row : newBank.rows) {
        const QString full = row.text + QLatin1Char('\t') + row.image;
        if (byTextAndImage.contains(full))
            carried.insert(row.id, byTextAndImage.value(full));
        else if (textSeen.value(row.text) == 1)
            carried.insert(row.id, byText.value(row.text));
    }
    return carried;
}

void writeCounters(const QString &path, const QHash<int, Counters> &carried)
{
    SqliteFile db(path, SqliteFile::Mode::ReadWrite);
    db.exec("BEGIN");
    SqliteStatement update(db, "UPDATE tiku SET dui = ?1, cuo = ?2, gong = ?3 WHERE ID = ?4");
    for (auto it = carried.cbegin(); it != carried.cend(); ++it) {
        update.bind(1, it->dui);
        update.bind(2, it->cuo);
        update.bind(3, it->gong);
        update.bind(4, it.key());
        update.step();
        update.reset();
    }
    db.exec("COMMIT");
}

// Copies the built bank beside the target, applies the counters and renames it over the target.
bool replaceWith(const QString &builtBank, const QString &target, const QHash<int, Counters> &carried, QString &error)
{
    const QString temporary = target + QStringLiteral(".new");
    QFile::remove(temporary);
    if (!QFile::copy(builtBank, temporary)) {
        error = QStringLiteral("cannot write %1").arg(temporary);
        return false;
    }
    QFile::setPermissions(temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    try {
        if (!carried.isEmpty())
            writeCounters(temporary, carried);
    } catch (const DatabaseError &e) {
        QFile::remove(temporary);
        error = QString::fromStdString(e.what());
        return false;
    }
    // rename() replaces the old file in one step; QFile::rename would refuse an existing target.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temporary);
        error = QStringLiteral("cannot replace %1").arg(target);
        return false;
    }
    return true;
}

}

InstallReport installBank(const QString &builtBank, const QString &installedBank)
{
    InstallReport report;
    BankContent fresh;
    try {
        fresh = readBank(builtBank);
    } catch (const DatabaseError &e) {
        report.message = QStringLiteral("the built bank cannot be read: %1").arg(QString::fromUtf8(e.what()));
        return report;
    }
    QHash<int, Counters> carried;
    if (QFileInfo::exists(installedBank)) {
        BankContent old;
        try {
            old = readBank(installedBank);
        } catch (const DatabaseError &e) {
            // It may still hold a learner's counters that a person can rescue; never overwrite it.
            report.message = QStringLiteral("%1 is not a readable bank (%2); it was left as it is. "
                                            "Move it away to install the new bank.")
                                 .arg(installedBank, QString::fromUtf8(e.what()));
            return report;
        }
        if (sameContent(old, fresh)) {
            report.result = InstallResult::Unchanged;
            return report;
        }
        carried = carriedCounters(old, fresh);
    }
    const bool existed = QFileInfo::exists(installedBank);
    if (!replaceWith(builtBank, installedBank, carried, report.message))
        return report;
    report.result = existed ? InstallResult::Updated : InstallResult::Installed;
    report.carried = int(carried.size());
    return report;
}
