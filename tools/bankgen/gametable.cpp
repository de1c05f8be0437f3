#include "gametable.h"

#include <QFile>
#include <QSaveFile>

QString escapeTableField(const QString &field)
{
    QString out;
    out.reserve(field.size() + 8);
    for (QChar c : field) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

QByteArray gameTableBytes(const QuestionRefs &questions, bool trailer)
{
    const QString header = QStringLiteral("%1\tNULL\tNULL\n").arg(questions.size());
    QString out = header;
    for (const Question *q : questions)
        out += QStringLiteral("%1\t%2\t%3\n").arg(answerCode(*q)).arg(escapeTableField(q->image), escapeTableField(assembledText(*q)));
    if (trailer)
        out += header;
    return out.toUtf8();
}

bool writeFileIfChanged(const QString &path, const QByteArray &bytes, QString &error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("%1: cannot write: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
