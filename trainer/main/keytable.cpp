#include "keytable.h"

#include "sysdat.h"

KeyBindings KeyBindings::from(const SysDat &state)
{
    KeyBindings k;
    k.keyA = state.keyA();
    k.keyB = state.keyB();
    k.keyC = state.keyC();
    k.keyD = state.keyD();
    k.keyPrev = state.keyPrev();
    k.keyNext = state.keyNext();
    return k;
}

namespace {
constexpr int kVkA = 65, kVkB = 66, kVkC = 67, kVkD = 68, kVkUp = 38, kVkDown = 40;

bool matches(int key, int fixed, int32_t configured)
{
    return key == fixed || key == configured;
}
}

KeyAction keyActionFor(int virtualKey, const KeyBindings &keys, bool trueFalseShown)
{
    if (virtualKey == 0)
        return KeyAction::None;
    if (matches(virtualKey, kVkA, keys.keyA))
        return trueFalseShown ? KeyAction::AnswerTrue : KeyAction::AnswerA;
    if (matches(virtualKey, kVkB, keys.keyB))
        return trueFalseShown ? KeyAction::AnswerWrong : KeyAction::AnswerB;
    if (matches(virtualKey, kVkC, keys.keyC))
        return KeyAction::AnswerC;
    if (matches(virtualKey, kVkD, keys.keyD))
        return KeyAction::AnswerD;
    if (matches(virtualKey, kVkUp, keys.keyPrev))
        return KeyAction::Previous;
    if (matches(virtualKey, kVkDown, keys.keyNext))
        return KeyAction::Next;
    return KeyAction::None;
}

int32_t answerCodeOf(KeyAction action)
{
    switch (action) {
    case KeyAction::AnswerA: return 1;
    case KeyAction::AnswerB: return 2;
    case KeyAction::AnswerC: return 3;
    case KeyAction::AnswerD: return 4;
    case KeyAction::AnswerWrong: return 5;
    case KeyAction::AnswerTrue: return 6;
    default: return 0;
    }
}

int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return (modifiers & Qt::KeypadModifier) ? 96 + digit : 48 + digit;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Asterisk: return (modifiers & Qt::KeypadModifier) ? 106 : 0;
    case Qt::Key_Plus: return (modifiers & Qt::KeypadModifier) ? 107 : 187;
    case Qt::Key_Minus: return (modifiers & Qt::KeypadModifier) ? 109 : 189;
    case Qt::Key_Period: return (modifiers & Qt::KeypadModifier) ? 110 : 190;
    case Qt::Key_Slash: return (modifiers & Qt::KeypadModifier) ? 111 : 191;
    case Qt::Key_Comma: return 188;
    default: return 0;
    }
}
