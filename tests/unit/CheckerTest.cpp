// VLCheck's main routine: the report on standard output, exit codes, and the console kept
// open until a key is pressed when the checker has it to itself.
#include <gtest/gtest.h>

#include "Checker.h"
#include "CheckerSupport.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimConsole.h"
#include "platform/sim/SimFileHandles.h"

using namespace CheckerSupport;

namespace {

int RunChecker(const std::string& arguments) {
  Sim::SetModuleFileName("C:\\Vorla\\VLCheck.exe");
  Sim::SetCommandLine("\"C:\\Vorla\\VLCheck.exe\" " + arguments);
  return Sim::RunProcess(CheckerMain);
}

class CheckerTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpMachine(); }
};

TEST_F(CheckerTest, ReportsEveryLineWithItsNumberAndSumsUpTheFile) {
  WriteList("; 朝のページ\r\nwait=20000\r\nhttp://a.example/\r\nnotpad\r\n");
  EXPECT_EQ(RunChecker(kList), 1);
  EXPECT_EQ(Sim::ConsoleOutput(),
            "C:\\Lists\\list.vlf\r\n"
            "  1: コメント\r\n"
            "  2: 10000 ミリ秒待ちます\r\n"
            "     警告: wait=20000 は上限の 10000 ミリ秒になります。\r\n"
            "  3: ブラウザーで開きます: C:\\Browser\\browser.exe http://a.example/\r\n"
            "  4: シェルに渡します: notpad\r\n"
            "     警告: プログラムが見つからず、シェルにもこれを開くプログラムがありません。\r\n"
            "  集計: 4 行 (何もしない 1、待機 1、ブラウザー 1、シェル 1)、警告 2 件\r\n");
}

TEST_F(CheckerTest, ShowsTheProgramsFoundAndAlignsTheLineNumbers) {
  std::string content;
  for (int i = 0; i < 9; ++i) content += "\r\n";
  WriteList(content + "C:\\Tools\\app.exe\r\nC:\\Lists\\memo.txt\r\nC:\\Lists\r\n");
  EXPECT_EQ(RunChecker(kList), 0);
  std::string output = Sim::ConsoleOutput();
  EXPECT_NE(output.find("\r\n   1: 空行\r\n"), std::string::npos) << output;
  EXPECT_NE(output.find("\r\n  10: 実行します: C:\\Tools\\app.exe\r\n      プログラム: C:\\Tools\\app.exe\r\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("\r\n  11: シェルに渡します: C:\\Lists\\memo.txt\r\n      開くプログラム: " + kNotepad + "\r\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("\r\n  12: シェルに渡します: C:\\Lists\r\n      フォルダーとして開きます\r\n"), std::string::npos)
      << output;
}

TEST_F(CheckerTest, EndsWithTheWorstCodeOfAllFiles) {
  const std::string clean = "C:\\Lists\\clean.vlf", warned = "C:\\Lists\\warned.txt", missing = "C:\\Lists\\gone.vlf";
  WriteList("wait=5\r\n", clean);
  WriteList("wait=50000\r\n", warned);
  struct Row {
    std::string arguments;
    int exitCode;
  } rows[] = {
      {clean, 0}, {warned, 1}, {missing, 2}, {clean + " " + warned, 1}, {missing + " " + clean, 2}, {"", 2},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(RunChecker(rows[i].arguments), rows[i].exitCode) << "row " << i;
}

TEST_F(CheckerTest, ExplainsItselfWhenNoFileIsNamed) {
  EXPECT_EQ(RunChecker(""), 2);
  EXPECT_TRUE(Sim::ConsoleOutput().starts_with("使い方: VLCheck リストファイル...\r\n")) << Sim::ConsoleOutput();
}

TEST_F(CheckerTest, GivesTheSystemsReasonAndWhereTheLauncherWouldStop) {
  WriteList("wait=5\r\n");
  Win::HANDLE writer = Sim::OpenElsewhere(kList, Win::GENERIC_WRITE, Win::FILE_SHARE_READ | Win::FILE_SHARE_WRITE);
  EXPECT_EQ(RunChecker(kList + " C:\\Lists\\gone.vlf"), 2);
  EXPECT_EQ(Sim::ConsoleOutput(),
            "C:\\Lists\\list.vlf\r\n"
            "  エラー: 開けません: プロセスはファイルにアクセスできません。別のプロセスが使用中です。 (エラー 32)\r\n"
            "  Vorla.exe もここで終了コード 32 で止まり、後のファイルを実行しません。\r\n"
            "  集計: 0 行、警告 0 件\r\n"
            "\r\n"
            "C:\\Lists\\gone.vlf\r\n"
            "  エラー: 開けません: 指定されたファイルが見つかりません。 (エラー 2)\r\n"
            "  集計: 0 行、警告 0 件\r\n");
  Win::CloseHandle(writer);
}

TEST_F(CheckerTest, TellsAFailedReadAfterTheLinesBeforeIt) {
  WriteList("wait=5\r\nwait=6\r\n");
  Sim::FailReadsAt(kList, 10, 0x100);
  EXPECT_EQ(RunChecker(kList), 2);
  EXPECT_NE(Sim::ConsoleOutput().find("  1: 5 ミリ秒待ちます\r\n"
                                      "  エラー: 1 行目まで読んだところで読み取りに失敗しました (エラー 256)\r\n"
                                      "  Vorla.exe もここで終了コード 255 で止まり、後のファイルを実行しません。\r\n"),
            std::string::npos)
      << Sim::ConsoleOutput();
}

TEST_F(CheckerTest, WaitsForAKeyOnlyInAConsoleOfItsOwn) {
  WriteList("wait=5\r\n");
  const std::string prompt = "何かキーを押すと閉じます...\r\n";
  struct Row {
    Win::DWORD consoleProcesses;
    bool inputRedirected;
    bool waits;
  } rows[] = {{1, false, true}, {2, false, false}, {1, true, false}, {0, false, false}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    SetUpMachine();
    WriteList("wait=5\r\n");
    Sim::SetConsoleProcessCount(rows[i].consoleProcesses);
    Sim::SetInputRedirected(rows[i].inputRedirected);
    Sim::QueueKeyEvent(false, 0x0D);  // the release of the key that started it does not count
    Sim::QueueKeyEvent(true, 0x41);
    Sim::QueueKeyEvent(true, 0x42);
    EXPECT_EQ(RunChecker(kList), 0) << "row " << i;
    EXPECT_EQ(Sim::ConsoleOutput().ends_with(prompt), rows[i].waits) << "row " << i;
    EXPECT_EQ(Sim::PendingConsoleInput(), rows[i].waits ? 1u : 3u) << "row " << i;
  }
}

}  // namespace
