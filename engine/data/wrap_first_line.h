#pragma once

#include <string>
#include <string_view>

// Breaks a first line of more than 30 UTF-16 units once, after unit 30, so that
// it fits the game window; applying it to its own result changes nothing.
std::u16string WrapFirstLine(std::u16string_view text);
