#pragma once

#include <Qt>

#include <cstdint>

class SysDat;

// What a released key does in the main window.
enum class KeyAction { None, AnswerA, AnswerB, AnswerC, AnswerD, AnswerTrue, AnswerWrong, Previous, Next };

// The six configurable key codes, as the state record keeps them.
struct KeyBindings
{
    int32_t keyA = 0, keyB = 0, keyC = 0, keyD = 0, keyPrev = 0, keyNext = 0;
    static KeyBindings from(const SysDat &state);
};

// The fixed letters A to D and the up/down arrows always work; the configured codes work
// beside them. The first match in the order A, B, C, D, previous, next wins. A and B mean
// 对 and 错 while the true/false buttons are shown.
KeyAction keyActionFor(int virtualKey, const KeyBindings &keys, bool trueFalseShown);

// The answer code a key action gives, 0 for the navigation actions and None.
int32_t answerCodeOf(KeyAction action);

// Stored key codes are the desktop's virtual-key codes (letters 65-90, digits 48-57,
// numeric pad 96-105, arrows 37-40, F1 112 ...). This maps a Qt key to that code, 0 when
// the key has none.
int virtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
