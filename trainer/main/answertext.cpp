#include "answertext.h"

namespace {
struct Letter
{
    int32_t bit;
    const char *text;
};

// 0x1 and 0x200 have no letter: banks never use them, and no "I" is ever shown.
constexpr Letter kMultiLetters[] = {
    {0x2, "A"},  {0x4, "B"},  {0x8, "C"},  {0x10, "D"},  {0x20, "E"},  {0x40, "F"},
    {0x80, "G"}, {0x100, "H"}, {0x400, "J"}, {0x800, "K"},
};
}

QString AnswerText(int32_t kind, int32_t code)
{
    if (kind == KindMulti) {
        QString letters;
        for (const Letter &l : kMultiLetters) {
            if (code & l.bit)
                letters += QLatin1String(l.text);
        }
        return letters;
    }
    switch (code) {
    case CodeA: return QStringLiteral("A");
    case CodeB: return QStringLiteral("B");
    case CodeC: return QStringLiteral("C");
    case CodeD: return QStringLiteral("D");
    case CodeWrong: return QStringLiteral("错");
    case CodeTrue: return QStringLiteral("对");
    default: return QString();
    }
}

int32_t multiBit(int box)
{
    return int32_t(0x2) << box;
}

int32_t multiMask(const std::array<bool, 8> &ticked)
{
    int32_t mask = 0;
    for (int box = 0; box < 8; ++box) {
        if (ticked[box])
            mask |= multiBit(box);
    }
    return mask;
}
