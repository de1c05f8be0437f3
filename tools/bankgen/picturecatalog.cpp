#include "picturecatalog.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

QSet<QString> readPictureNames(const QStringList &descriptionFiles, Problems &problems)
{
    QSet<QString> names;
    QHash<QString, QString> firstSeen;
    for (const QString &path : descriptionFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            problems.append({path, 0, QStringLiteral("cannot read")});
            continue;
        }
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        int lineNo = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            ++lineNo;
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const int colon = line.indexOf(QLatin1Char(':'));
            if (colon <= 0)
                continue; // the picture generator reports malformed lines itself
            const QString name = line.left(colon).trimmed();
            const QString where = QStringLiteral("%1:%2").arg(path).arg(lineNo);
            // Two descriptions of one file: the later one would silently replace the first picture.
            if (firstSeen.contains(name))
                problems.append({path, lineNo, QStringLiteral("picture %1 already described at %2").arg(name, firstSeen[name])});
            else
                firstSeen.insert(name, where);
            names.insert(name);
        }
    }
    return names;
}
