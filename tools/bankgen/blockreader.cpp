#include "blockreader.h"

#include <QFile>
#include <QRegularExpression>

const Field *Block::find(const QString &name) const
{
    for (const Field &f : fields)
        if (f.name == name)
            return &f;
    return nullptr;
}

QList<Block> readBlocks(const QString &path, Problems &problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems.append({path, 0, QStringLiteral("cannot read: %1").arg(file.errorString())});
        return {};
    }
    const QByteArray bytes = file.readAll();
    QString content = QString::fromUtf8(bytes);
    // Invalid UTF-8 turns into replacement characters; say so instead of shipping them.
    if (content.contains(QChar::ReplacementCharacter))
        problems.append({path, 0, QStringLiteral("not valid UTF-8")});
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    return parseBlocks(content, path, problems);
}

QList<Block> parseBlocks(const QString &content, const QString &path, Problems &problems)
{
    static const QRegularExpression fieldLine(QStringLiteral("^([A-Za-z][A-Za-z0-9_-]*)\\s*:\\s?(.*)$"));
    QList<Block> blocks;
    Block current;
    auto finish = [&] {
        if (!current.fields.isEmpty())
            blocks.append(current);
        current = Block();
    };
    const QStringList lines = content.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            finish();
            continue;
        }
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const auto m = fieldLine.match(line);
        if (!m.hasMatch()) {
            problems.append({path, lineNo, QStringLiteral("expected 'key: value', got \"%1\"").arg(line.left(40))});
            continue;
        }
        const Field field{m.captured(1), m.captured(2).trimmed(), lineNo};
        if (current.fields.isEmpty())
            current.line = lineNo;
        if (current.find(field.name)) {
            problems.append({path, lineNo, QStringLiteral("'%1' given twice in one block").arg(field.name)});
            continue;
        }
        current.fields.append(field);
    }
    finish();
    return blocks;
}
