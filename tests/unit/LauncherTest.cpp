// The launcher's main routine: single instance and the walk over its arguments.
#include <gtest/gtest.h>

#include "LauncherSupport.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimShell.h"

using LauncherSupport::RunLauncher;
using LauncherSupport::ShellOpened;
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

}  // namespace
