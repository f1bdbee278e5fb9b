// Windows only: VLCheck.exe on a list saved as UTF-8, as Notepad saves it today, with and
// without the byte-order mark: a Japanese address, a document with a Japanese name, a name
// with a character code page 932 lacks, a line of 40,000 characters and one of 1,503
// double-byte characters (more bytes than the shell takes, but not more characters).
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string Repeated(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

TEST(CheckerTodayE2e, ReportsAUtf8ListAsTheLauncherReadsIt) {
  ProbeBrowser browser;
  TempFolder folder;
  std::string memo = folder.Write("メモ.ini", "[memo]\r\n");  // Wine opens ".ini" files with notepad
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  std::string longAddress = "http://example.jp/" + std::string(40000, 'a');
  std::string lines = Utf8(u8"http://example.jp/?q=天気\r\n") + folder.Path() + Utf8(u8"メモ.ini\r\nC:\\über.txt\r\n") +
                      longAddress + "\r\nC:\\" + Repeated(Utf8(u8"あ"), 1500) + "\r\n";
  for (const auto& [mark, utf8Lines] : {std::pair{"\xEF\xBB\xBF", "5"}, {"", "4"}}) {
    std::string list = folder.Write("today.vlf", mark + lines);
    Output output = RunCaptured(Quoted(CheckerPath()) + " " + Quoted(list));
    EXPECT_EQ(output.exitCode, 1u) << ::testing::PrintToString(std::string(mark));
    EXPECT_EQ(output.text,
              list + "\r\n"
                     "  1: ブラウザーで開きます: " + ProbePath() + " http://example.jp/?q=天気\r\n"
                     "  2: シェルに渡します: " + memo + "\r\n"
                     "     開くプログラム: " + system + "\\notepad.exe\r\n"
                     "  3: 実行しません: C:\\%C3%BCber.txt\r\n"
                     "     警告: シフト JIS (ANSI) にない文字があり、その名前のファイルやプログラムには届かないため、"
                     "Vorla.exe は実行しません。名前をシフト JIS にある文字に変えてリストを書き直してください"
                     " (メモ帳では「ANSI」で保存できます)。\r\n"
                     "  4: 実行しません: " + (ProbePath() + " " + longAddress).substr(0, 200) + "…\r\n"
                     "     警告: コマンドラインが 32766 文字を超えるため、Vorla.exe は実行せず、シェルにも渡しません。\r\n"
                     "  5: シェルに渡します: C:\\" + Repeated("あ", 98) + "…\r\n"
                     "     警告: プログラムが見つからず、シェルにもこれを開くプログラムがありません。\r\n"
                     "  集計: 5 行 (ブラウザー 1、シェル 2、実行しない 2)、UTF-8 として読む行 " + utf8Lines + "、警告 3 件\r\n")
        << ::testing::PrintToString(std::string(mark));
  }
  EXPECT_TRUE(browser.Starts().empty());
}

}  // namespace
