#include "validator.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QStringList kClasses = {QStringLiteral("xc"), QStringLiteral("kc"), QStringLiteral("hc")};

class Checker
{
public:
    Checker(const Question &q, Problems &problems) : q(q), problems(problems) {}

    void fail(const QString &field, const QString &message)
    {
        problems.append({q.file, q.lineOf(field), message});
        ok = false;
    }

    void required(const char *name, const QString &value)
    {
        if (value.isEmpty())
            fail(QString::fromLatin1(name), QStringLiteral("'%1' is missing").arg(QString::fromLatin1(name)));
    }

    // The game narrows every text to GBK before drawing it; a character outside GBK would show as '?'.
    void drawableInGbk(const char *name, const QString &value)
    {
        // The encoder replaces what it cannot map instead of failing, so compare a round trip.
        QStringEncoder toGbk("GBK");
        QStringDecoder fromGbk("GBK");
        const QByteArray bytes = toGbk.encode(value);
        if (toGbk.hasError() || QString(fromGbk.decode(bytes)) != value)
            fail(QString::fromLatin1(name), QStringLiteral("'%1' holds a character that GBK cannot show").arg(QString::fromLatin1(name)));
    }

    const Question &q;
    Problems &problems;
    bool ok = true;
};

void checkKeyAndClasses(Checker &c)
{
    static const QRegularExpression keyPattern(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    const Question &q = c.q;
    c.required("key", q.key);
    if (!q.key.isEmpty() && !keyPattern.match(q.key).hasMatch())
        c.fail(QStringLiteral("key"), QStringLiteral("key '%1' must be lower case ASCII letters, digits and '-'").arg(q.key));
    if (q.classes.isEmpty())
        c.fail(QStringLiteral("classes"), QStringLiteral("'classes' is missing"));
    for (const QString &cls : q.classes)
        if (!kClasses.contains(cls) || q.classes.count(cls) > 1)
            c.fail(QStringLiteral("classes"), QStringLiteral("classes must be distinct words of xc, kc, hc; '%1' is not").arg(cls));
}

void checkOptions(Checker &c, int minOptions, int maxOptions)
{
    const Question &q = c.q;
    if (q.options.size() < minOptions || q.options.size() > maxOptions) {
        c.fail(QStringLiteral("A"), minOptions == maxOptions
               ? QStringLiteral("a choice question needs exactly %1 options, found %2").arg(minOptions).arg(q.options.size())
               : QStringLiteral("a multi question needs %1 to %2 options, found %3").arg(minOptions).arg(maxOptions).arg(q.options.size()));
    }
    for (int i = 0; i < q.options.size(); ++i) {
        const QString letter(optionLetter(i));
        if (q.options[i].isEmpty())
            c.fail(letter, QStringLiteral("option %1 is empty").arg(letter));
        else if (q.options.indexOf(q.options[i]) < i)
            c.fail(letter, QStringLiteral("option %1 repeats option %2").arg(letter).arg(optionLetter(q.options.indexOf(q.options[i]))));
        c.drawableInGbk(qPrintable(letter), q.options[i]);
    }
}

void checkAnswer(Checker &c)
{
    const Question &q = c.q;
    const QString field = QStringLiteral("answer");
    if (q.answer.isEmpty())
        return c.fail(field, QStringLiteral("'answer' is missing"));
    switch (q.kind) {
    case Question::Kind::TrueFalse:
        if (!q.options.isEmpty())
            c.fail(QStringLiteral("A"), QStringLiteral("a tf question has no options"));
        if (answerCode(q) == 0)
            c.fail(field, QStringLiteral("a tf answer is 对 or 错, not '%1'").arg(q.answer));
        break;
    case Question::Kind::Choice:
        checkOptions(c, 4, 4);
        if (answerCode(q) == 0)
            c.fail(field, QStringLiteral("a choice answer is one letter A-D, not '%1'").arg(q.answer));
        break;
    case Question::Kind::Multi: {
        checkOptions(c, 4, 8);
        bool lettersOk = answerCode(q) != 0 && q.answer.size() >= 2;
        for (int i = 0; i < q.answer.size(); ++i) {
            const int index = q.answer[i].unicode() - u'A';
            if (index >= q.options.size() || q.answer.indexOf(q.answer[i]) < i)
                lettersOk = false;
        }
        if (!lettersOk)
            c.fail(field, QStringLiteral("a multi answer is two or more distinct letters of its options, not '%1'").arg(q.answer));
        break;
    }
    }
}

void checkImage(Checker &c, const QSet<QString> &pictureNames)
{
    const Question &q = c.q;
    if (!q.hasImage())
        return;
    if (!isValidImageName(q.image))
        c.fail(QStringLiteral("image"), QStringLiteral("image name '%1' must be ASCII, 7-14 characters, ending in .jpg").arg(q.image));
    else if (!pictureNames.contains(q.image))
        c.fail(QStringLiteral("image"), QStringLiteral("picture %1 is not described in data/pictures").arg(q.image));
}

void checkLength(Checker &c)
{
    const Question &q = c.q;
    if (q.kind == Question::Kind::Multi)
        return; // only the trainer shows multi questions; it has no length limit
    const int length = assembledText(q).size();
    if (length > kMaxShownLength)
        c.fail(QStringLiteral("text"), QStringLiteral("question is %1 characters as shown (stem and option lines), at most %2")
               .arg(length).arg(kMaxShownLength));
}

bool checkOne(const Question &q, const QSet<QString> &pictureNames, Problems &problems)
{
    Checker c(q, problems);
    checkKeyAndClasses(c);
    c.required("kind", q.fieldLines.contains(QStringLiteral("kind")) ? QStringLiteral("x") : QString());
    c.required("text", q.text);
    c.required("basis", q.basis);
    c.required("jiexi", q.jiexi);
    checkAnswer(c);
    checkImage(c, pictureNames);
    checkLength(c);
    c.drawableInGbk("text", q.text);
    c.drawableInGbk("jiexi", q.jiexi);
    return c.ok;
}

}

bool isValidImageName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_.-]{3,10}\\.jpg$"));
    return pattern.match(name).hasMatch();
}

bool validateQuestions(const QList<Question> &questions, const QSet<QString> &pictureNames, Problems &problems)
{
    bool ok = true;
    QHash<QString, const Question *> byKey;
    QHash<QString, const Question *> byShownText;
    for (const Question &q : questions) {
        ok = checkOne(q, pictureNames, problems) && ok;
        if (!q.key.isEmpty()) {
            if (const Question *first = byKey.value(q.key)) {
                problems.append({q.file, q.lineOf(QStringLiteral("key")),
                                 QStringLiteral("key '%1' already used at %2:%3").arg(q.key, first->file).arg(first->line)});
                ok = false;
            } else {
                byKey.insert(q.key, &q);
            }
        }
        // The same words with the same picture is the same question, whatever its key.
        const QString shown = assembledText(q) + QLatin1Char('\t') + q.image;
        if (const Question *first = byShownText.value(shown)) {
            problems.append({q.file, q.lineOf(QStringLiteral("text")),
                             QStringLiteral("same question as '%1' at %2:%3").arg(first->key, first->file).arg(first->line)});
            ok = false;
        } else {
            byShownText.insert(shown, &q);
        }
    }
    return ok;
}
