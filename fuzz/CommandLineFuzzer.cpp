// The command-line splitter over random command lines of a Japanese system, against a
// reference splitter written from the rules: blanks (1 to 32) separate arguments, a pair
// of double quotes where an argument would begin is skipped, a double quote opens a
// stretch that runs to the next one, quotes are dropped, touching stretches form one
// argument, double-byte characters are stepped whole, and the count ends at the first
// empty argument.
#include "CommandLine.h"
#include "FuzzSupport.h"

namespace {

// Longer lines only repeat what shorter ones show.
constexpr std::size_t kLongestLine = 1024;
// ParamStr walks from the start for every index: the first and the last arguments are
// compared, which keeps an input's cost linear in its length.
constexpr int kComparedAtEachEnd = 8;

std::vector<std::string> ReferenceArguments(const std::string& line) {
  auto blank = [&](std::size_t i) { return i < line.size() && line[i] >= 1 && line[i] <= 32; };
  std::vector<std::string> arguments;
  std::size_t i = 0;
  for (;;) {
    for (;;) {
      while (blank(i)) ++i;
      if (line.compare(i, 2, "\"\"") != 0) break;
      i += 2;
    }
    std::string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || static_cast<unsigned char>(line[i]) > 32)) {
      if (line[i] == '"') {
        quoted = !quoted;
        ++i;
        continue;
      }
      std::size_t length = Reference::CharacterLength(line, i, true);
      argument.append(line, i, length);
      i += length;
    }
    if (argument.empty()) return arguments;
    arguments.push_back(argument);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzSupport::FreshMachine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string line = FuzzSupport::Text(data, size).substr(0, kLongestLine);
  line = line.substr(0, line.find('\0'));  // the platform's command line ends at its first zero byte
  Sim::SetCommandLine(line);
  std::vector<std::string> expected = ReferenceArguments(line);
  int count = CommandLine::ParamCount();
  // Argument 0, the program's own name, is not counted.
  FUZZ_CHECK(count == (expected.empty() ? 0 : static_cast<int>(expected.size()) - 1));
  for (int index = 1; index <= count; ++index) {
    if (index == kComparedAtEachEnd + 1 && count > 2 * kComparedAtEachEnd) index = count - kComparedAtEachEnd + 1;
    FUZZ_CHECK(CommandLine::ParamStr(index) == expected[index]);
  }
  FUZZ_CHECK(CommandLine::ParamStr(count + 1).empty());
  return 0;
}
