#include "questionreader.h"

#include "blockreader.h"

#include <QFileInfo>

namespace {

const QStringList kTextKeys = {QStringLiteral("key"), QStringLiteral("classes"), QStringLiteral("kind"),
                               QStringLiteral("text"), QStringLiteral("answer"), QStringLiteral("image"),
                               QStringLiteral("basis"), QStringLiteral("jiexi")};

bool isOptionKey(const QString &name)
{
    return name.size() == 1 && name[0] >= u'A' && name[0] <= u'H';
}

bool readKind(const QString &value, Question::Kind &kind)
{
    if (value == QStringLiteral("choice"))
        kind = Question::Kind::Choice;
    else if (value == QStringLiteral("tf"))
        kind = Question::Kind::TrueFalse;
    else if (value == QStringLiteral("multi"))
        kind = Question::Kind::Multi;
    else
        return false;
    return true;
}

Question toQuestion(const Block &block, const QString &path, Problems &problems)
{
    Question q;
    q.file = path;
    q.line = block.line;
    q.topic = QFileInfo(path).completeBaseName();
    QString optionByLetter[8];
    for (const Field &f : block.fields) {
        q.fieldLines.insert(f.name, f.line);
        if (isOptionKey(f.name)) {
            optionByLetter[f.name[0].unicode() - u'A'] = f.value;
        } else if (!kTextKeys.contains(f.name)) {
            problems.append({path, f.line, QStringLiteral("unknown key '%1'").arg(f.name)});
        }
    }
    auto value = [&](const char *name) {
        const Field *f = block.find(QString::fromLatin1(name));
        return f ? f->value : QString();
    };
    q.key = value("key");
    q.classes = value("classes").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString kind = value("kind");
    if (!kind.isEmpty() && !readKind(kind, q.kind))
        problems.append({path, q.lineOf(QStringLiteral("kind")),
                         QStringLiteral("kind must be choice, tf or multi, not '%1'").arg(kind)});
    q.text = value("text");
    q.answer = value("answer");
    q.image = value("image");
    q.basis = value("basis");
    q.jiexi = value("jiexi");

    // Options run from A without gaps; a gap would shift every later letter.
    int count = 0;
    while (count < 8 && block.find(QString(optionLetter(count))))
        ++count;
    for (int i = count; i < 8; ++i)
        if (block.find(QString(optionLetter(i))))
            problems.append({path, q.lineOf(QString(optionLetter(i))),
                             QStringLiteral("option %1 given but option %2 missing").arg(optionLetter(i)).arg(optionLetter(count))});
    for (int i = 0; i < count; ++i)
        q.options.append(optionByLetter[i]);
    return q;
}

}

QList<Question> parseQuestions(const QString &content, const QString &path, Problems &problems)
{
    QList<Question> questions;
    for (const Block &block : parseBlocks(content, path, problems))
        questions.append(toQuestion(block, path, problems));
    return questions;
}

QList<Question> readQuestionFile(const QString &path, Problems &problems)
{
    QList<Question> questions;
    for (const Block &block : readBlocks(path, problems))
        questions.append(toQuestion(block, path, problems));
    return questions;
}
