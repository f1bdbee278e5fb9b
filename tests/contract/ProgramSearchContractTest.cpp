// The queries through which the checker finds, without starting anything, where a
// command or a document would go: searches along folders, the system's folders,
// environment variables, executables, the program a document opens with, and the system's
// texts for error numbers.
#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureChecker.h"
#include "FixtureLauncher.h"
#include "KnownDifferences.h"
#include "platform/Console.h"
#include "platform/Process.h"
#include "platform/ProgramSearch.h"
#include "platform/Shell.h"
#include "platform/WinConstants.h"

namespace {

struct Found {
  Win::DWORD result;
  std::string path;
  Win::DWORD error;
};

Found Search(const std::string& folders, const std::string& name, Win::DWORD size = Win::MAX_PATH) {
  std::string buffer(Win::MAX_PATH, '\0');
  Win::SetLastError(0xdeadbeef);
  Win::DWORD result = Win::SearchPathA(folders.c_str(), name.c_str(), ".exe", size, buffer.data(), nullptr);
  Win::DWORD error = Win::GetLastError();
  return {result, result > 0 && result < size ? buffer.substr(0, result) : std::string(), error};
}

TEST(SearchPathContract, FindsTheFirstFileAlongTheFoldersWithExeAddedToANameWithoutExtension) {
  std::string first = Fixture::NewScratchFolder(), second = Fixture::NewScratchFolder();
  Fixture::WriteFile(first + "memo.txt", "memo");
  Fixture::WriteFile(first + "both.exe", "x");
  Fixture::WriteFile(second + "both.exe", "x");
  Fixture::WriteFile(second + "tool.exe", "x");
  std::string folders = first + ";" + second;
  struct Row {
    std::string name;
    std::string expected;  // empty: not found
  } rows[] = {
      {"tool", second + "tool.exe"},    {"tool.exe", second + "tool.exe"}, {"both", first + "both.exe"},
      {"memo.txt", first + "memo.txt"}, {"memo", ""},                      {second + "tool", second + "tool.exe"},
      {first + "tool", ""},             {"missing.exe", ""},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Found found = Search(folders, rows[i].name);
    EXPECT_EQ(found.path, rows[i].expected) << "row " << i << ": " << rows[i].name;
    EXPECT_EQ(found.result, rows[i].expected.size()) << "row " << i;
    if (rows[i].expected.empty()) {
      EXPECT_EQ(found.error, Win::ERROR_FILE_NOT_FOUND) << "row " << i;
    }
  }
  std::string path = second + "tool.exe";
  EXPECT_EQ(Search(folders, "tool", 5).result, path.size() + 1);  // the size needed, zero included
}

TEST(FolderQueriesContract, GiveTheSystemFoldersAndTheSizeNeededWhenTheBufferIsSmall) {
  char buffer[Win::MAX_PATH] = {};
  Win::UINT windowsLength = Win::GetWindowsDirectoryA(buffer, sizeof buffer);
  std::string windows(buffer, windowsLength);
  ASSERT_GT(windowsLength, 2u);
  EXPECT_EQ(Win::GetWindowsDirectoryA(buffer, 2), windowsLength + 1);
  Win::UINT systemLength = Win::GetSystemDirectoryA(buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, systemLength).substr(0, windowsLength + 1), windows + "\\") << buffer;
  EXPECT_EQ(Win::GetSystemDirectoryA(buffer, 2), systemLength + 1);
  Win::DWORD currentLength = Win::GetCurrentDirectoryA(sizeof buffer, buffer);
  EXPECT_GT(currentLength, 2u);
  EXPECT_EQ(Win::GetCurrentDirectoryA(2, buffer), currentLength + 1);
}

TEST(GetEnvironmentVariableContract, GivesTheValueOrTheSizeNeededOrNothing) {
  Fixture::SetEnvironment("VLCHECK_CONTRACT", "value");
  char buffer[16] = {};
  EXPECT_EQ(Win::GetEnvironmentVariableA("vlcheck_contract", buffer, sizeof buffer), 5u);
  EXPECT_STREQ(buffer, "value");
  EXPECT_EQ(Win::GetEnvironmentVariableA("VLCHECK_CONTRACT", buffer, 3), 6u);
  Win::SetLastError(0xdeadbeef);
  EXPECT_EQ(Win::GetEnvironmentVariableA("VLCHECK_CONTRACT_NEVER_SET", buffer, sizeof buffer), 0u);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_ENVVAR_NOT_FOUND);
}

// The programs the fixture installs are of the test program's own word size.
#ifdef _WIN64
constexpr Win::DWORD kOwnBinaryType = 6;  // SCS_64BIT_BINARY
#else
constexpr Win::DWORD kOwnBinaryType = Win::SCS_32BIT_BINARY;
#endif

TEST(GetBinaryTypeContract, TellsProgramsFromOtherFiles) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::InstallProgram(folder + "window.exe", Fixture::ProgramKind::Window);
  Fixture::InstallProgram(folder + "console.exe", Fixture::ProgramKind::Console);
  Fixture::WriteFile(folder + "memo.txt", "memo");
  Fixture::WriteFile(folder + "run.bat", "@echo off\r\n");
  struct Row {
    std::string file;
    bool isProgram;
  } rows[] = {{"window.exe", true}, {"console.exe", true}, {"memo.txt", false}, {"run.bat", false}, {"missing.exe", false}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Win::DWORD kind = 0xdeadbeef;
    EXPECT_EQ(Win::GetBinaryTypeA((folder + rows[i].file).c_str(), &kind) != 0, rows[i].isProgram) << "row " << i;
    if (rows[i].isProgram) {
      EXPECT_EQ(kind, kOwnBinaryType) << "row " << i;
    }
  }
}

TEST(FindExecutableContract, GivesTheProgramOfADocumentsTypeOrTheProgramItself) {
  std::string folder = Fixture::NewScratchFolder();
  std::string opener = folder + "opener.exe";
  Fixture::InstallProgram(opener, Fixture::ProgramKind::Window);
  Fixture::RegisterFileType(".vlcheckq", "VLCheckContractQuoted", "\"" + opener + "\" \"%1\"");
  Fixture::RegisterFileType(".vlcheckp", "VLCheckContractPlain", opener + " %1");
  for (const char* name : {"memo.vlcheckq", "memo.vlcheckp", "memo.vlcheckzz"}) Fixture::WriteFile(folder + name, "memo");
  struct Row {
    std::string file;
    int result;  // 0: found (above 32)
    std::string program;
  } rows[] = {
      {"memo.vlcheckq", 0, opener},        {"memo.vlcheckp", 0, opener},    {"opener.exe", 0, opener},
      {"memo.vlcheckzz", Win::SE_ERR_NOASSOC, ""}, {"missing.vlcheckq", Win::SE_ERR_FNF, ""},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    char program[Win::MAX_PATH] = "?";
    auto result = reinterpret_cast<std::uintptr_t>(Win::FindExecutableA((folder + rows[i].file).c_str(), nullptr, program));
    if (rows[i].result == 0) {
      EXPECT_GT(result, 32u) << "row " << i;
      EXPECT_EQ(std::string(program), rows[i].program) << "row " << i;
    } else {
      EXPECT_EQ(result, static_cast<std::uintptr_t>(rows[i].result)) << "row " << i;
    }
  }
  Fixture::RemoveFileType(".vlcheckq", "VLCheckContractQuoted");
  Fixture::RemoveFileType(".vlcheckp", "VLCheckContractPlain");
}

TEST(FormatMessageContract, GivesTheSystemsJapaneseTextOfAnErrorNumber) {
  using KnownDifferences::Expected;
  using KnownDifferences::kSystemMessageTexts;
  struct Row {
    Win::DWORD error;
    std::string text;
  } rows[] = {
      {2, Expected<std::string>(kSystemMessageTexts, "指定されたファイルが見つかりません。\r\n", "ファイルが見つかりません。\r\n")},
      {3, Expected<std::string>(kSystemMessageTexts, "指定されたパスが見つかりません。\r\n", "パスが見つかりません。\r\n")},
      {5, "アクセスが拒否されました。\r\n"},
      {32, Expected<std::string>(kSystemMessageTexts, "プロセスはファイルにアクセスできません。別のプロセスが使用中です。\r\n",
                                 "共有違反です。\r\n")},
  };
  const Win::DWORD flags = Win::FORMAT_MESSAGE_FROM_SYSTEM | Win::FORMAT_MESSAGE_IGNORE_INSERTS;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    char buffer[512] = {};
    Win::DWORD length = Win::FormatMessageA(flags, nullptr, rows[i].error, 0, buffer, sizeof buffer, nullptr);
    EXPECT_EQ(std::string(buffer, length), rows[i].text) << "row " << i << ", " << KnownDifferences::kSystemMessageTexts.what;
  }
  char buffer[512] = {};
  Win::SetLastError(0xdeadbeef);
  EXPECT_EQ(Win::FormatMessageA(flags, nullptr, 0x2000FFFF, 0, buffer, sizeof buffer, nullptr), 0u);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_MR_MID_NOT_FOUND);
}

}  // namespace
