// Splitting the command line the way both programs read it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CommandLine.h"
#include "TinyUtilsText.h"
#include "platform/sim/Sim.h"

namespace {

std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i <= CommandLine::ParamCount(); ++i) arguments.push_back(CommandLine::ParamStr(i));
  return arguments;
}

TEST(CommandLine, SplitsAtBlanksAndJoinsQuotedStretches) {
  struct Row {
    const char* commandLine;
    std::vector<std::string> arguments;
  } rows[] = {
      {"", {}},
      {"C:\\Vorla\\Vorla.exe", {}},
      {"Vorla.exe   ", {}},
      {"\"C:\\Program Files\\Vorla\\Vorla.exe\" a.vlf  b.txt", {"a.vlf", "b.txt"}},
      {"Vorla.exe \"C:\\My Lists\\daily.vlf\"", {"C:\\My Lists\\daily.vlf"}},
      {"Vorla.exe a\"b c\"d", {"ab cd"}},  // touching stretches form one argument
      {"Vorla.exe \"\" a", {"a"}},          // a pair of quotes where an argument begins is skipped
      {"Vorla.exe \"\"a.vlf \"\"", {"a.vlf"}},
      {"Vorla.exe \"\"\"\" a \"\"b", {"a", "b"}},
      {"Vorla.exe\ta\x01" "b \r\n c", {"a", "b", "c"}},  // every byte from 1 to 32 is a blank
      {"Vorla.exe \"a b", {"a b"}},                      // a quote left open runs to the end
      {"Vorla.exe a \"", {"a"}},                         // the count stops at the first empty argument
      {"Vorla.exe \x95\x5c\\\x83\x5c.vlf", {"\x95\x5c\\\x83\x5c.vlf"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::SetCommandLine(rows[i].commandLine);
    EXPECT_EQ(Arguments(), rows[i].arguments) << "row " << i << ": " << rows[i].commandLine;
  }
}

TEST(CommandLine, StepsDoubleByteCharactersWhole) {
  // With code page 932, 81 22 is one character and its second byte opens no quoted stretch.
  Sim::SetCommandLine("Vorla.exe \x81\"x y\"");
  EXPECT_EQ(Arguments(), (std::vector<std::string>{"\x81\"x", "y"}));
  Sim::SetThreadLocale(0x0409);
  EXPECT_EQ(Arguments(), (std::vector<std::string>{"\x81x y"}));
}

TEST(CommandLine, ArgumentZeroIsTheModuleFileName) {
  Sim::SetCommandLine("\"D:\\elsewhere\\copy.exe\" list.vlf");
  Sim::SetModuleFileName("C:\\Vorla\\Vorla.exe");
  EXPECT_EQ(CommandLine::ParamStr(0), "C:\\Vorla\\Vorla.exe");
  EXPECT_EQ(CommandLine::ParamStr(1), "list.vlf");
  EXPECT_EQ(CommandLine::ParamStr(2), "");
  EXPECT_EQ(CommandLine::ParamStr(-1), "");
  EXPECT_EQ(CommandLine::ParamCount(), 1);
}

}  // namespace
