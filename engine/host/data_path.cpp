#include "data_path.h"

#include <cstdlib>
#include <dlfcn.h>

#include "ansi_text.h"

std::string EngineBaseDir() {
  if (const char* home = std::getenv("VELTARO_HOME"); home != nullptr && *home != '\0') {
    return home;
  }
  // The directory of the shared library (or program) this code lives in, so the
  // engine finds its data wherever the host program was started from.
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&EngineBaseDir), &info) != 0 && info.dli_fname != nullptr) {
    std::string file = info.dli_fname;
    size_t slash = file.rfind('/');
    if (slash != std::string::npos) return slash == 0 ? "/" : file.substr(0, slash);
  }
  return ".";
}

std::string NativePath(const char* stored) {
  if (stored == nullptr) return {};
  std::string path = AnsiOrUtf8ToUtf8(stored);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (!path.empty() && path.front() == '/') return path;
  std::string base = EngineBaseDir();
  if (base.empty() || base.back() != '/') base += '/';
  return base + path;
}
