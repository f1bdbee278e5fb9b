// The command-line splitter shared by every program. It steps bytes, not characters: no
// second byte of a double-byte code page is a blank, a quote or zero, so the arguments
// come out as when CharNextA steps the characters.
#include "CommandLine.h"

namespace CommandLine {
namespace {

bool IsBlank(char c) { return c != 0 && static_cast<unsigned char>(c) <= ' '; }

// Reads the argument that begins at p (p up to end) and returns the position after it.
std::size_t NextParam(std::string_view line, std::size_t p, std::string& argument) {
  argument.clear();
  for (;;) {
    while (p < line.size() && IsBlank(line[p])) ++p;
    if (line.substr(p, 2) != "\"\"") break;
    p += 2;
  }
  bool quoted = false;
  for (; p < line.size() && (quoted || static_cast<unsigned char>(line[p]) > ' '); ++p) {
    if (line[p] == '"') {
      quoted = !quoted;
    } else {
      argument += line[p];
    }
  }
  return p;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  commandLine = commandLine.substr(0, commandLine.find('\0'));
  std::vector<std::string> arguments;
  std::string argument;
  for (std::size_t p = NextParam(commandLine, 0, argument); !argument.empty(); p = NextParam(commandLine, p, argument)) {
    arguments.push_back(argument);
  }
  return arguments;
}

}  // namespace CommandLine
