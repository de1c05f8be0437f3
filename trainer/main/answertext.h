#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Answer kinds as the bank stores them in `daanleixing`.
enum AnswerKind : int32_t { KindChoice = 1, KindTrueFalse = 2, KindMulti = 3 };

// Single answer codes; multiple choice answers are bit masks (A 0x2 ... H 0x100).
enum AnswerCode : int32_t { CodeA = 1, CodeB = 2, CodeC = 3, CodeD = 4, CodeWrong = 5, CodeTrue = 6 };

// Display text of an answer code: letters of the set bits for multiple choice,
// otherwise "A" to "D", "错" or "对"; anything else is empty.
QString AnswerText(int32_t kind, int32_t code);

// The mask of ticked multi-select boxes, box 0 (A) worth 0x2 up to box 7 (H) worth 0x100.
int32_t multiMask(const std::array<bool, 8> &ticked);
// The bit a box stands for, box 0 to 7.
int32_t multiBit(int box);
