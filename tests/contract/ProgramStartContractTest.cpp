// Starting programs as the launcher starts them: the program an unquoted command line
// names, refused starts, and when a started program counts as ready for input.
#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureChecker.h"
#include "FixtureLauncher.h"
#include "ProgramLookup.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace {

struct Started {
  Win::DWORD error;  // 0 when started
  std::string program;
  Win::DWORD inputIdle;
};

Started Start(const std::string& commandLine) {
  Win::STARTUPINFOA startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  Win::GetStartupInfoA(&startupInfo);
  Win::PROCESS_INFORMATION information{};
  std::string line = commandLine;
  Win::SetLastError(0xdeadbeef);
  if (!Win::CreateProcessA(nullptr, line.data(), nullptr, nullptr, Win::FALSE, Win::CREATE_DEFAULT_ERROR_MODE,
                           nullptr, nullptr, &startupInfo, &information)) {
    return {Win::GetLastError(), "", 0};
  }
  Started started{0, Fixture::StartedProgram(information.hProcess), 0};
  started.inputIdle = Win::WaitForInputIdle(information.hProcess, Win::INFINITE);
  Fixture::AwaitEnd(information.hProcess);
  Win::CloseHandle(information.hThread);
  Win::CloseHandle(information.hProcess);
  return started;
}

TEST(CreateProcessContract, AnUnquotedPathWithBlanksStartsTheFirstProgramItsPrefixesName) {
  std::string folder = Fixture::NewScratchFolder();
  std::string program = folder + "dir with blanks\\prog.exe", decoy = folder + "dir.exe";
  Fixture::InstallProgram(program, Fixture::ProgramKind::Window);
  EXPECT_EQ(Start(program + " http://a.example/").program, program);
  EXPECT_EQ(Start(folder + "dir with blanks\\prog http://a.example/").program, program);  // ".exe" added
  Fixture::InstallProgram(decoy, Fixture::ProgramKind::Console);
  EXPECT_EQ(Start(program + " http://a.example/").program, decoy);
  EXPECT_EQ(Start("\"" + program + "\" http://a.example/").program, program);
}

// The checker finds the program of a command line by queries alone (ProgramLookup.h):
// what it finds is what CreateProcessA starts.
TEST(CreateProcessContract, StartsWhatTheCheckersSearchFinds) {
  std::string folder = Fixture::NewScratchFolder(), onPath = Fixture::NewScratchFolder();
  Fixture::InstallProgram(folder + "dir with blanks\\prog.exe", Fixture::ProgramKind::Window);
  Fixture::InstallProgram(folder + "tool.exe", Fixture::ProgramKind::Console);
  Fixture::InstallProgram(onPath + "vlcheckprobe.exe", Fixture::ProgramKind::Window);
  Fixture::WriteFile(folder + "memo.txt", "memo");
  Fixture::MakeFolder(folder + "sub.exe");
  Fixture::PrependToPath(onPath);
  const std::string rows[] = {
      folder + "tool.exe /x",
      folder + "tool",
      folder + "dir with blanks\\prog.exe http://a.example/",
      "\"" + folder + "dir with blanks\\prog.exe\" -y",
      "vlcheckprobe http://a.example/",
      folder + "memo.txt",
      folder + "missing.exe",
      folder + "sub.exe",
      folder,
      " http://a.example/",
      "https://a.example/mail",
      "",
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    TProgramLookup lookup = FindProgramOf(rows[i]);
    Started started = Start(rows[i]);
    EXPECT_EQ(lookup.IsProgram, started.error == 0) << "row " << i << ": " << rows[i] << ", error " << started.error;
    EXPECT_EQ(lookup.IsProgram ? lookup.Path : "", started.program) << "row " << i;
  }
  Fixture::RestorePath();
  // A batch file is started through the command interpreter.
  Fixture::WriteFile(folder + "run.bat", "@exit\r\n");
  EXPECT_TRUE(FindProgramOf(folder + "run.bat").IsProgram);
  EXPECT_EQ(Start(folder + "run.bat").error, 0u);
}

TEST(WaitForInputIdleContract, AWindowProgramGetsReadyAndAConsoleProgramFails) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::InstallProgram(folder + "window.exe", Fixture::ProgramKind::Window);
  Fixture::InstallProgram(folder + "console.exe", Fixture::ProgramKind::Console);
  Started window = Start(folder + "window.exe");
  EXPECT_EQ(window.error, 0u);
  EXPECT_EQ(window.inputIdle, 0u);
  Win::SetLastError(0xdeadbeef);
  Started console = Start(folder + "console.exe");
  EXPECT_EQ(console.error, 0u);
  EXPECT_EQ(console.inputIdle, Win::WAIT_FAILED);
}

}  // namespace
