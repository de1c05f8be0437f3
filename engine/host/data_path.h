#pragma once
// Where the engine finds its files. Stored paths keep the form the game data
// uses ("veltdata\\particles.png": backslashes, possibly GBK bytes); they become
// native paths only here, at the moment a file is opened.

#include <string>

// VELTARO_HOME when set, else the directory of the file this code was linked into.
std::string EngineBaseDir();

// A stored path as a native one: "/" separators, UTF-8 text, relative paths
// placed under EngineBaseDir(). Absolute native paths are kept.
std::string NativePath(const char* stored);
