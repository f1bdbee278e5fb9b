// Registry strings, the default browser's path, environment expansion and program starts.
#include <gtest/gtest.h>

#include "TinyUtilsBrowser.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimEnvironment.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimPrograms.h"
#include "platform/sim/SimRegistry.h"

using namespace TinyUtils;
using Win::HKEY_CLASSES_ROOT;

namespace {

const std::string kKey = "Software\\Test";

TEST(ReadRegString, TakesOnlyRegSzAndDropsOnlyAStoredTerminator) {
  struct Row {
    Win::DWORD type;
    std::string data;
    std::string expected;
  } rows[] = {
      {Win::REG_SZ, std::string("\0", 1), ""},
      {Win::REG_SZ, "", ""},
      {Win::REG_SZ, std::string(2000, 'x') + '\0', std::string(2000, 'x')},
      {Win::REG_BINARY, "open", ""},
      {Win::REG_DWORD, std::string("\1\0\0\0", 4), ""},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::SetRegistryValue(Win::HKEY_CURRENT_USER, kKey, "Value", rows[i].type, rows[i].data);
    EXPECT_EQ(ReadRegString(Win::HKEY_CURRENT_USER, kKey, "Value"), rows[i].expected) << "row " << i;
    EXPECT_EQ(Sim::OpenRegistryKeys(), 0) << "row " << i;
  }
  EXPECT_EQ(ReadRegString(Win::HKEY_CURRENT_USER, kKey, "Other"), "");
  EXPECT_EQ(Sim::OpenRegistryKeys(), 0);
}

TEST(GetExePathFromCommand, CutsTheExecutableOutOfTheCommand) {
  const std::string key = "http\\shell\\open\\command";
  struct Row {
    const char* command;
    const char* existing;  // the file that exists, if any
    const char* expected;
  } rows[] = {
      {"\"C:\\Program Files\\Web Browser\\browser.exe\" -url \"%1\"", "C:\\Program Files\\Web Browser\\browser.exe",
       "C:\\Program Files\\Web Browser\\browser.exe"},
      {"C:\\PROGRA~1\\WEBBRO~1\\BROWSER.EXE -nohome", "C:\\Program Files\\Web Browser\\BROWSER.EXE",
       "C:\\Program Files\\Web Browser\\BROWSER.EXE"},
      {"C:\\Browser\\browser.Exe /new", "C:\\Browser\\browser.exe", "C:\\Browser\\browser.Exe"},
      {"rundll32 url.dll,FileProtocolHandler %1", nullptr, ""},
      {"C:\\Tools\\browser", "C:\\Tools\\browser", "C:\\Tools\\browser"},  // no ".exe": the whole command
      {"C:\\tools.exe.d\\browser.exe", "C:\\tools.exe.d\\browser.exe", ""},
      {"C:\\tools.exe.d\\browser.exe", "C:\\tools.exe", "C:\\tools.exe"},
      {"%ProgramFiles%\\browser.exe", "C:\\Program Files\\browser.exe", ""},  // not expanded
      {"\"C:\\Browser\\missing.exe\" %1", "C:\\Browser\\browser.exe", ""},
      {"C:\\Browser", "C:\\Browser\\browser.exe", ""},  // a folder is no file
      {"", nullptr, ""},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    if (rows[i].existing) Sim::AddProgram(rows[i].existing);
    Sim::SetRegistryString(HKEY_CLASSES_ROOT, key, "", rows[i].command);
    EXPECT_EQ(GetExePathFromCommand(HKEY_CLASSES_ROOT, key), rows[i].expected) << "row " << i;
  }
}

TEST(GetExePathFromCommand, TakesThePathAsItIsWhenTheLongFormCannotBeHad) {
  Sim::AddProgram("C:\\Browser\\browser.exe");
  Sim::SetRegistryString(HKEY_CLASSES_ROOT, "k", "", "C:\\Browser\\browser.exe %1");
  Sim::SetLongPathFunctionPresent(false);
  EXPECT_EQ(GetExePathFromCommand(HKEY_CLASSES_ROOT, "k"), "C:\\Browser\\browser.exe");
}

TEST(GetDefaultBrowserPath, PrefersTheDefaultVerbThenFallsBackToOpen) {
  const std::string verbCommand = "\"C:\\Verb\\verb.exe\" %1", openCommand = "\"C:\\Open\\open.exe\" %1";
  struct Row {
    const char* verb;  // null: no "http\shell" value
    bool verbCommandKey;
    bool verbProgramExists;
    bool openCommandKey;
    const char* expected;
  } rows[] = {
      {"browse", true, true, true, "C:\\Verb\\verb.exe"},
      {"browse", true, false, true, "C:\\Open\\open.exe"},
      {"browse", false, false, true, "C:\\Open\\open.exe"},
      {nullptr, true, true, true, "C:\\Open\\open.exe"},
      {"", true, true, true, "C:\\Open\\open.exe"},
      {"browse", true, false, false, ""},
      {nullptr, false, false, false, ""},
      {"open", false, false, true, "C:\\Open\\open.exe"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    Sim::AddProgram("C:\\Open\\open.exe");
    if (rows[i].verbProgramExists) Sim::AddProgram("C:\\Verb\\verb.exe");
    if (rows[i].verb) Sim::SetRegistryString(HKEY_CLASSES_ROOT, "http\\shell", "", rows[i].verb);
    std::string verbKey = std::string("http\\shell\\") + (rows[i].verb ? rows[i].verb : "") + "\\command";
    if (rows[i].verbCommandKey && rows[i].verb && *rows[i].verb) {
      Sim::SetRegistryString(HKEY_CLASSES_ROOT, verbKey, "", verbCommand);
    }
    if (rows[i].openCommandKey) Sim::SetRegistryString(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", openCommand);
    EXPECT_EQ(GetDefaultBrowserPath(), rows[i].expected) << "row " << i;
  }
}

TEST(ExpandEnvStrings, ExpandsAndTrims) {
  Sim::SetEnvironmentVariable("Lists", "C:\\Lists");
  struct Row {
    const char* text;
    const char* expected;
  } rows[] = {
      {"%SystemRoot%\\notepad.exe ", "C:\\WINDOWS\\notepad.exe"},
      {" plain text ", "plain text"},
      {"%lists%\\%UNDEFINED%\\a.txt", "C:\\Lists\\%UNDEFINED%\\a.txt"},
      {"", ""},
      {"100%", "100%"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(ExpandEnvStrings(rows[i].text), rows[i].expected) << "row " << i;
  }
}

TEST(ExpandEnvStrings, GivesTheWholeExpansionHoweverLong) {
  for (std::size_t length : {258u, 259u, 260u, 261u, 300u, 5000u}) {
    std::string value(length, 'v');
    Sim::SetEnvironmentVariable("LONG", value);
    EXPECT_EQ(ExpandEnvStrings("%LONG%"), value) << "length " << length;
    EXPECT_EQ(ExpandEnvStrings(" x%LONG%y "), "x" + value + "y") << "length " << length;
  }
  // A platform that counts the characters of an expansion, not its bytes, reports too small a size.
  Sim::SetExpansionCountsCharacters(true);
  for (std::size_t characters : {100u, 130u, 131u, 200u, 300u}) {
    std::string value;
    for (std::size_t i = 0; i < characters; ++i) value += "\x82\xa0";  // あ
    Sim::SetEnvironmentVariable("JAPANESE", value);
    EXPECT_EQ(ExpandEnvStrings("%JAPANESE%"), value) << characters << " characters";
  }
}

class RunCommandTest : public ::testing::Test {
 protected:
  const Sim::ProcessStart& OnlyStart() {
    EXPECT_EQ(Sim::ProcessStarts().size(), 1u);
    return Sim::ProcessStarts().back();
  }
};

TEST_F(RunCommandTest, StartsTheLineAndWaitsForInputIdle) {
  Sim::AddProgram("C:\\Browser\\browser.exe");
  Sim::SetStartupShowWindow(7);  // SW_SHOWMINNOACTIVE, as from a shortcut set to run minimised
  EXPECT_TRUE(RunCommand("C:\\Browser\\browser.exe", "http://a.example/"));
  const auto& start = OnlyStart();
  EXPECT_EQ(start.commandLine, "C:\\Browser\\browser.exe http://a.example/");
  EXPECT_EQ(start.program, "C:\\Browser\\browser.exe");
  EXPECT_TRUE(start.applicationNameNull);
  EXPECT_FALSE(start.inheritHandles);
  EXPECT_EQ(start.creationFlags, Win::CREATE_DEFAULT_ERROR_MODE);
  EXPECT_TRUE(start.environmentNull);
  EXPECT_TRUE(start.currentDirectoryNull);
  EXPECT_EQ(start.startupInfo.dwFlags & 1u, 1u);  // STARTF_USESHOWWINDOW
  EXPECT_EQ(start.startupInfo.wShowWindow, 7);
  EXPECT_TRUE(start.waitedForInputIdle);
  EXPECT_EQ(start.inputIdleTimeout, Win::INFINITE);
  EXPECT_EQ(Sim::OpenProcessHandles(), 0);
}

TEST_F(RunCommandTest, IsTrueOnceAProgramHasStartedReadyOrNot) {
  struct Row {
    const char* command;
    const char* argument;
    bool started;
    const char* commandLine;
  } rows[] = {
      {"C:\\Tools\\tool.exe", "", true, "C:\\Tools\\tool.exe"},  // no blank for an empty argument
      {"C:\\Tools\\console.exe", "x", true, "C:\\Tools\\console.exe x"},  // never gets ready
      {"C:\\Tools\\job.bat", "", true, "C:\\Tools\\job.bat"},
      {"", "", false, ""},
      {"C:\\memo.txt", "", false, "C:\\memo.txt"},
      {"https://a.example/mail", "", false, "https://a.example/mail"},
      {"C:\\missing.exe", "", false, "C:\\missing.exe"},
      {"", "http://a.example/", false, " http://a.example/"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    Sim::AddProgram("C:\\Tools\\tool.exe");
    Sim::AddProgram("C:\\Tools\\console.exe", Sim::ProgramKind::Console);
    Sim::AddFile("C:\\Tools\\job.bat", "@echo off");
    Sim::AddFile("C:\\memo.txt", "text");
    EXPECT_EQ(RunCommand(rows[i].command, rows[i].argument), rows[i].started) << "row " << i;
    EXPECT_EQ(OnlyStart().commandLine, rows[i].commandLine) << "row " << i;
    if (!rows[i].started) {
      EXPECT_FALSE(OnlyStart().waitedForInputIdle) << "row " << i;
    }
    EXPECT_EQ(Sim::OpenProcessHandles(), 0) << "row " << i;
  }
}

TEST_F(RunCommandTest, StartsNoLineLongerThan32766Characters) {
  Sim::AddProgram("C:\\Tools\\tool.exe");
  const std::string command = "C:\\Tools\\tool.exe";
  const std::size_t longest = 32766 - command.size() - 1;  // characters of the argument
  EXPECT_TRUE(RunCommand(command, std::string(longest, 'a')));
  EXPECT_FALSE(RunCommand(command, std::string(longest + 1, 'a')));
  EXPECT_FALSE(RunCommand(command, std::string(1024 * 1024, 'a')));
  // Characters count, not bytes: "ア" is two bytes.
  std::string katakana;
  for (std::size_t i = 0; i < longest; ++i) katakana += "\x83\x41";
  EXPECT_TRUE(RunCommand(command, katakana));
  EXPECT_EQ(Sim::ProcessStarts().size(), 2u);  // the refused lines never reached the platform
}

}  // namespace
