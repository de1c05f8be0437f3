#include "question.h"

int answerKindCode(Question::Kind kind)
{
    switch (kind) {
    case Question::Kind::Choice: return 1;
    case Question::Kind::TrueFalse: return 2;
    case Question::Kind::Multi: return 3;
    }
    return 0;
}

QChar optionLetter(int index)
{
    return QChar(u'A' + index);
}

int answerCode(const Question &q)
{
    switch (q.kind) {
    case Question::Kind::TrueFalse:
        if (q.answer == QStringLiteral("对"))
            return 6;
        return q.answer == QStringLiteral("错") ? 5 : 0;
    case Question::Kind::Choice:
        if (q.answer.size() != 1 || q.answer[0] < u'A' || q.answer[0] > u'D')
            return 0;
        return q.answer[0].unicode() - u'A' + 1;
    case Question::Kind::Multi: {
        int mask = 0;
        for (QChar c : q.answer) {
            if (c < u'A' || c > u'H')
                return 0;
            mask |= 2 << (c.unicode() - u'A');
        }
        return mask;
    }
    }
    return 0;
}

QString assembledText(const Question &q)
{
    QString text = q.text;
    for (int i = 0; i < q.options.size(); ++i)
        text += QStringLiteral("\r\n") + optionLetter(i) + QStringLiteral("、") + q.options[i];
    return text;
}
