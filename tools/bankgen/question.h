#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// One question as written in a topic file under data/questions/.
struct Question
{
    enum class Kind { Choice, TrueFalse, Multi };

    QString key;
    QStringList classes;   // "xc", "kc", "hc"
    Kind kind = Kind::Choice;
    QString text;          // the stem, or the statement of a true/false question
    QStringList options;   // option texts in letter order, without the letters
    QString answer;        // "B", "对", "ACD"
    QString image;         // picture file name, empty when none
    QString basis;
    QString jiexi;

    QString topic;         // file name without ".txt", used to spread topics over the bank
    QString file;          // where the block was read, for messages
    int line = 0;          // first line of the block
    QHash<QString, int> fieldLines; // line of each key, for messages

    int lineOf(const QString &field) const { return fieldLines.value(field, line); }
    bool appliesTo(const QString &vehicleClass) const { return classes.contains(vehicleClass); }
    bool hasImage() const { return !image.isEmpty(); }
};

// The trainer's answer-kind column: 1 single choice, 2 true/false, 3 multiple choice.
int answerKindCode(Question::Kind kind);

// The answer as the trainer and the game code it: A..D = 1..4, 错 = 5, 对 = 6;
// multiple choice is a bit mask A = 2, B = 4, ... H = 256. 0 when the answer is malformed.
int answerCode(const Question &q);

// The text the trainer and the game show: the stem followed by one line per option,
// "A、option", joined with CR LF; a true/false question is its statement alone.
QString assembledText(const Question &q);

// The letter of option i (0 = A).
QChar optionLetter(int index);
