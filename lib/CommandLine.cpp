// The command-line splitter shared by both programs.
#include "CommandLine.h"

#include <cstring>

#include "platform/Locale.h"
#include "platform/Process.h"

namespace CommandLine {
namespace {

bool IsBlank(char c) { return c != 0 && static_cast<unsigned char>(c) <= ' '; }

// Reads the argument that begins at p and returns the position after it.
const char* NextParam(const char* p, std::string& argument) {
  argument.clear();
  for (;;) {
    while (IsBlank(*p)) p = Win::CharNextA(p);
    if (p[0] == '"' && p[1] == '"') {
      p += 2;
    } else {
      break;
    }
  }
  while (static_cast<unsigned char>(*p) > ' ') {
    if (*p == '"') {
      p = Win::CharNextA(p);
      while (*p != 0 && *p != '"') {
        const char* next = Win::CharNextA(p);
        argument.append(p, next);
        p = next;
      }
      if (*p != 0) p = Win::CharNextA(p);
    } else {
      const char* next = Win::CharNextA(p);
      argument.append(p, next);
      p = next;
    }
  }
  return p;
}

}  // namespace

int ParamCount() {
  std::string argument;
  const char* p = NextParam(Win::GetCommandLineA(), argument);  // the program's own name
  int count = 0;
  for (;;) {
    p = NextParam(p, argument);
    if (argument.empty()) return count;
    ++count;
  }
}

std::string ParamStr(int index) {
  if (index == 0) {
    char buffer[261] = {};
    Win::DWORD length = Win::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, strnlen(buffer, length < sizeof buffer ? length : sizeof buffer));
  }
  std::string argument;
  const char* p = Win::GetCommandLineA();
  for (int i = 0; i <= index; ++i) {
    p = NextParam(p, argument);
    if (argument.empty()) break;
  }
  return argument;
}

}  // namespace CommandLine
