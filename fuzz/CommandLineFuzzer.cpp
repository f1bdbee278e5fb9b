// The command-line split over random command lines, against a reference written from the
// rules: blanks (1 to 32) separate arguments, a pair of double quotes where an argument
// would begin is skipped, a double quote opens a stretch that runs to the next one, quotes
// are dropped, touching stretches form one argument, the list ends at the first empty
// argument and the line at its first zero byte.
#include "CommandLine.h"
#include "FuzzSupport.h"

std::vector<std::string> ReferenceArguments(std::string line) {
  line = line.substr(0, line.find('\0'));
  auto blank = [&](std::size_t i) { return i < line.size() && static_cast<unsigned char>(line[i]) <= 32; };
  std::vector<std::string> arguments;
  for (std::size_t i = 0;;) {
    while (blank(i) || line.compare(i, 2, "\"\"") == 0) i += blank(i) ? 1 : 2;
    std::string argument;
    for (bool quoted = false; i < line.size() && (quoted || !blank(i)); ++i) {
      if (line[i] == '"') {
        quoted = !quoted;
      } else {
        argument += line[i];
      }
    }
    if (argument.empty()) return arguments;
    arguments.push_back(argument);
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string line(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(CommandLine::SplitCommandLine(line) == ReferenceArguments(line));
  return 0;
}
