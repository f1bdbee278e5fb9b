// The launcher's main routine: single instance and the walk over its arguments.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "LauncherSupport.h"
#include "Program.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimShell.h"

using LauncherSupport::RunLauncher;
using Strings = std::vector<std::string>;

namespace {

// List files whose one line names the file, so that the shell's log shows which ran.
void AddLists() {
  Sim::AddFolder("C:\\L");
  for (const char* name : {"a.TXT", "b.Vlf", "list.vlf", "first.txt", "notes.doc", "second.url", "archive.vlf.bak",
                           "\x88\xea\x97\x97.vlf", "\x83\x5c.txt"}) {  // 一覧.vlf and ソ.txt
    Sim::AddFile(std::string("C:\\L\\") + name, name);
  }
  Sim::AddFolder("C:\\L\\old.txt");
  Sim::AddFolder("C:\\lists.d");
  Sim::AddFile("C:\\lists.d\\readme", "readme");
  Sim::AddFolder("C:\\My Lists");
  Sim::AddFile("C:\\My Lists\\daily.vlf", "daily.vlf");
}

Strings ShellOpened() {
  Strings files;
  for (const auto& request : Sim::ShellRequests()) files.push_back(request.file);
  return files;
}

TEST(LauncherMain, ExecutesEveryArgumentThatNamesAnExistingListFileInOrder) {
  struct Row {
    const char* arguments;
    Strings expected;
  } rows[] = {
      {"C:\\L\\a.TXT C:\\L\\b.Vlf", {"a.TXT", "b.Vlf"}},
      {"C:\\L\\list.vlf C:\\L\\list.vlf", {"list.vlf", "list.vlf"}},
      {"C:\\L\\first.txt C:\\L\\notes.doc C:\\L\\second.url", {"first.txt", "second.url"}},
      {"C:\\lists.d\\readme", {}},
      {"C:\\L\\old.txt", {}},
      {"C:\\L\\archive.vlf.bak", {}},
      {"C:\\L\\missing.vlf C:\\L\\a.TXT", {"a.TXT"}},
      {"\"C:\\My Lists\\daily.vlf\"", {"daily.vlf"}},
      {"C:\\My Lists\\daily.vlf", {}},  // unquoted: two arguments, neither a list file
      {"\"C:\\L\\\x88\xea\x97\x97.vlf\" C:\\L\\\x83\x5c.txt", {"\x88\xea\x97\x97.vlf", "\x83\x5c.txt"}},
      {"C:\\L\\notes.doc", {}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    AddLists();
    EXPECT_EQ(RunLauncher(rows[i].arguments), 0) << "row " << i;
    EXPECT_EQ(ShellOpened(), rows[i].expected) << "row " << i;
  }
}

TEST(LauncherMain, DoesNothingWhileAnotherLauncherWorks) {
  AddLists();
  Sim::HoldMutexElsewhere("Vorla Exists");
  EXPECT_EQ(RunLauncher("C:\\L\\a.TXT"), 0);
  EXPECT_EQ(Sim::Activity(), Strings{});
  EXPECT_TRUE(Sim::FileReadRequests().empty());
}

TEST(LauncherMain, HoldsItsMutexThroughEveryPauseAndLetsGoAtTheEnd) {
  Sim::AddFolder("C:\\L");
  Sim::AddFile("C:\\L\\pause.vlf", "wait=3000\r\nwait=5\r\n");
  int pausesWhileHeld = 0;
  Sim::DuringSleep([&] { pausesWhileHeld += Sim::MutexExists("Vorla Exists") ? 1 : 0; });
  EXPECT_EQ(RunLauncher("C:\\L\\pause.vlf"), 0);
  EXPECT_EQ(pausesWhileHeld, 2);
  EXPECT_FALSE(Sim::MutexExists("Vorla Exists"));
}

TEST(LauncherMain, EndsWithZeroAndDoesNothingWithoutArguments) {
  for (const char* arguments : {"", "  ", "\"\""}) {
    Sim::Reset();
    EXPECT_EQ(RunLauncher(arguments), 0) << '"' << arguments << '"';
    EXPECT_EQ(Sim::Activity(), Strings{}) << '"' << arguments << '"';
  }
}

TEST(CommandLine, SplitsArgumentsAsTheShellQuotesThem) {
  struct Row {
    const char* commandLine;
    Strings arguments;
  } rows[] = {
      {"C:\\Vorla\\Vorla.exe a.vlf b.vlf", {"a.vlf", "b.vlf"}},
      {"\"C:\\Vorla dir\\Vorla.exe\" \"C:\\My Lists\\daily.vlf\"", {"C:\\My Lists\\daily.vlf"}},
      {"Vorla.exe a\"b c\"d", {"ab cd"}},
      {"Vorla.exe \"\"a.vlf", {"a.vlf"}},
      {"Vorla.exe \"\" \"\" b", {"b"}},
      {"Vorla.exe a \"\"", {"a"}},
      {"Vorla.exe\t a \r\n b ", {"a", "b"}},
      {"Vorla.exe \"unclosed quote", {"unclosed quote"}},
      {"Vorla.exe \x95\x5c\x81\x40.vlf", {"\x95\x5c\x81\x40.vlf"}},  // 表 and a full-width blank
      {"\"C:\\Program Files\\Vorla.exe\"", {}},
      {"", {}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::SetCommandLine(rows[i].commandLine);
    Strings arguments;
    for (int index = 1; index <= CommandLine::ParamCount(); ++index) arguments.push_back(CommandLine::ParamStr(index));
    EXPECT_EQ(arguments, rows[i].arguments) << "row " << i;
    EXPECT_EQ(CommandLine::ParamStr(CommandLine::ParamCount() + 1), "") << "row " << i;
    EXPECT_EQ(CommandLine::ParamStr(0), "C:\\Vorla\\Vorla.exe") << "row " << i;  // the module's own name
  }
}

TEST(FindProgramFolder, TakesTheLongFormOrThePathAsGivenWhenTheLongFormCannotBeHad) {
  Sim::AddFolder("C:\\Program Files\\Vorla");
  Sim::AddFile("C:\\Program Files\\Vorla\\Vorla.exe");
  Sim::SetModuleFileName("C:\\PROGRA~1\\Vorla\\Vorla.exe");
  EXPECT_EQ(SettingsFileIn(FindProgramFolder()), "C:\\Program Files\\Vorla\\Vorla.ini");
  Sim::SetLongPathFunctionPresent(false);
  EXPECT_EQ(SettingsFileIn(FindProgramFolder()), "C:\\PROGRA~1\\Vorla\\Vorla.ini");
}

TEST(LauncherMain, AnInputOutputErrorSkipsTheRemainingArguments) {
  AddLists();
  Sim::DenyAccess("C:\\L\\b.Vlf");
  EXPECT_EQ(RunLauncher("C:\\L\\a.TXT C:\\L\\b.Vlf C:\\L\\list.vlf"), 5);
  EXPECT_EQ(ShellOpened(), Strings{"a.TXT"});
}

}  // namespace
