#include "pagescript.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace PageScript {

QString stringLiteral(const QString &text)
{
    // A one-element JSON array is the shortest way to borrow Qt's string escaping.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    QString literal = QString::fromUtf8(json.mid(1, json.size() - 2));
    // JSON allows these two separators raw; older script engines do not.
    literal.replace(QChar(0x2028), QLatin1String("\\u2028"));
    literal.replace(QChar(0x2029), QLatin1String("\\u2029"));
    return literal;
}

QString picturePath(const QString &picture, const QString &imageDir)
{
    QString stored;
    if (picture.isEmpty() || picture == QLatin1String(" "))
        stored = QStringLiteral("veltdata\\imgnull.jpg");
    else
        stored = imageDir + QLatin1Char('\\') + picture;
    // The page sits in the data directory; the stored path is relative to the data root.
    // Browsers read backslashes in file addresses as separators anyway, but a slash is
    // what every engine agrees on.
    stored.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStringLiteral("../") + stored;
}

QString setPicture(const QString &path)
{
    return QStringLiteral("{const e=document.getElementById(\"id_img\");if(e)e.src=%1;}").arg(stringLiteral(path));
}

QString setText(const QString &text)
{
    QString html = text;
    html.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
    return QStringLiteral("{const e=document.getElementById(\"text\");if(e)e.innerHTML=%1;}").arg(stringLiteral(html));
}
}
