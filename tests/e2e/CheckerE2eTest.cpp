// Windows only: VLCheck.exe itself under Wine (a Japanese system, code page 932), with the
// probe registered as the browser: its report on the sample list of examples/ and on a list
// with one line of each problem it warns of, exit codes, the system's reasons, that it
// starts and changes nothing, and its console kept open.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;

namespace {

Output RunChecker(const std::string& arguments) { return RunCaptured(Quoted(CheckerPath()) + " " + arguments); }

std::string ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::string content(65536, '\0');
  DWORD count = 0;
  ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &count, nullptr);
  CloseHandle(file);
  content.resize(count);
  return content;
}

TEST(CheckerE2e, ReportsTheSampleListLineByLine) {
  ProbeBrowser browser;
  std::string list = SourcePath("examples/sample.vlf");
  Output output = RunChecker(Quoted(list));
  EXPECT_EQ(output.exitCode, 0u);
  std::string opens = "ブラウザーで開きます: " + ProbePath() + " ";
  EXPECT_EQ(output.text, list + "\r\n"
                                "   1: コメント\r\n"
                                "   2: コメント\r\n"
                                "   3: コメント\r\n"
                                "   4: 空行\r\n"
                                "   5: " + opens + "http://www.example.com/\r\n"
                                "   6: 500 ミリ秒待ちます\r\n"
                                "   7: " + opens + "http://example.org/ニュース\r\n"
                                "   8: " + opens + "www.example.net\r\n"
                                "   9: 250 ミリ秒待ちます\r\n"
                                "  10: " + opens + "http://example.jp/?q=天気\r\n"
                                "  集計: 10 行 (何もしない 4、待機 2、ブラウザー 4)、警告 0 件\r\n");
  EXPECT_TRUE(browser.Starts().empty());
}

// tests/e2e/data/problems.vlf holds one line of each problem: a byte-order mark before a comment,
// UTF-8 text, an address in capitals, in full-width letters, without its "h", behind
// "https:", after "url=" and a blank, a zero byte, a misspelt program, a pause above
// 10000 ms, a pause that is no number, and a Ctrl-Z with a line after it.
TEST(CheckerE2e, WarnsOfEveryProblemOfTheProblemListAndChangesNothing) {
  ProbeBrowser browser;
  std::string list = SourcePath("tests/e2e/data/problems.vlf");
  std::string before = ReadBytes(list);
  Output output = RunChecker(Quoted(list));
  EXPECT_EQ(output.exitCode, 1u);
  std::string probe = ProbePath(), notFound = "      警告: プログラムが見つからず、シェルにもこれを開くプログラムがありません。\r\n";
  EXPECT_EQ(output.text,
            list + "\r\n"
                   "   1: シェルに渡します: \x81\x45\xBF; 問題の見本: 1 行に 1 つずつ、Vorla.exe が書き手の思いと違うことをする行\r\n"
                   "      警告: ファイルの先頭に UTF-8 の BOM があり、Vorla.exe はそれを 1 行目の文字として読みます。\r\n" +
                notFound +
                "   2: ブラウザーで開きます: " + probe + " http://example.jp/?q=\xE5\xA4\xA9\xE6\xB0?\r\n"
                "      警告: この行は UTF-8 で書かれているようです。Vorla.exe はシフト JIS (ANSI) として読むので、日本語の部分が化けます。\r\n"
                "   3: シェルに渡します: HTTP://EXAMPLE.COM/CAPITALS\r\n"
                "      開くプログラム: " + probe + "\r\n"
                "      警告: \"http:\" と \"www.\" は小文字で書かないとブラウザーで開かれません。\r\n"
                "   4: シェルに渡します: ｈｔｔｐ：／／ｅｘａｍｐｌｅ．ｃｏｍ／\r\n"
                "      警告: 全角で書かれたアドレスはブラウザーで開かれません。半角で書いてください。\r\n" +
                notFound +
                "   5: シェルに渡します: ttp://example.com/no-h\r\n"
                "      警告: アドレスの先頭の \"h\" が抜けています。\r\n" +
                notFound +
                "   6: シェルに渡します: https://example.com/secure\r\n"
                "      開くプログラム: " + probe + "\r\n"
                "      警告: \"https:\" のアドレスはブラウザーへ直接は渡されず、シェルが開きます。\r\n"
                "   7: シェルに渡します: http://example.com/blank\r\n"
                "      開くプログラム: " + probe + "\r\n"
                "      警告: \"url=\" の後に空白があるため、ブラウザーで開かれません。\r\n"
                "   8: ブラウザーで開きます: " + probe + " http://example.com/zero\r\n"
                "      警告: ゼロ バイト (NUL) があり、Vorla.exe はその手前までしか使いません。\r\n"
                "   9: シェルに渡します: notpad.exe メモ.txt\r\n" +
                notFound +
                "  10: 10000 ミリ秒待ちます\r\n"
                "      警告: wait=20000 は上限の 10000 ミリ秒になります。\r\n"
                "  11: 待ちません\r\n"
                "      警告: 「500ms」は数として読めないため 0 になり、待ちません。\r\n"
                "  12: Ctrl-Z: ここでファイルが終わります (この行の残り「http://example.com/never」も読まれません)\r\n"
                "      警告: 行頭の Ctrl-Z でファイルが終わるため、この行から 2 行は読まれません。\r\n"
                "  13: 読まれません: wait=500\r\n"
                "  集計: 13 行 (待機 2、ブラウザー 2、シェル 7、読まれない 2)、警告 15 件\r\n");
  EXPECT_TRUE(browser.Starts().empty());  // nothing was started
  EXPECT_EQ(ReadBytes(list), before);
}

TEST(CheckerE2e, SaysWhenNoBrowserIsRegistered) {
  TempFolder folder;
  ScopedRegistryValue verb(HKEY_CLASSES_ROOT, "http\\shell", "", "open");
  ScopedRegistryValue command(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "nobrowser \"%1\"");
  std::string list = folder.Write("web.vlf", "http://a.example/\r\n");
  Output output = RunChecker(Quoted(list));
  EXPECT_EQ(output.exitCode, 1u);
  EXPECT_EQ(output.text, list + "\r\n"
                                "  1: シェルに渡します:  http://a.example/\r\n"
                                "     警告: 既定のブラウザーが登録されていないため、アドレスはシェルに渡されます。\r\n"
                                "  集計: 1 行 (シェル 1)、警告 1 件\r\n");
}

TEST(CheckerE2e, GivesTheSystemsReasonForFilesItCannotReadAndEndsWith2) {
  TempFolder folder;
  std::string locked = folder.Write("locked.vlf", "wait=5\r\n"), missing = folder.Path() + "missing.vlf";
  HANDLE writer = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  Output output = RunChecker(Quoted(locked) + " " + Quoted(missing));
  CloseHandle(writer);
  EXPECT_EQ(output.exitCode, 2u);
  const std::string& text = output.text;
  std::size_t lockedAt = text.find(locked + "\r\n  エラー: 開けません: "), missingAt = text.find(missing + "\r\n  エラー: 開けません: ");
  ASSERT_NE(lockedAt, std::string::npos) << text;
  ASSERT_NE(missingAt, std::string::npos) << text;
  std::size_t reasonEnd = text.find(" (エラー 32)\r\n  Vorla.exe もここで終了コード 32 で止まり、後のファイルを実行しません。\r\n");
  EXPECT_LT(lockedAt, reasonEnd) << text;
  EXPECT_LT(reasonEnd, missingAt) << text;  // the system's reason, then where the launcher would stop
  EXPECT_NE(text.find(" (エラー 2)\r\n  集計: 0 行、警告 0 件\r\n", missingAt), std::string::npos) << text;
}

TEST(CheckerE2e, KeepsAConsoleOfItsOwnOpenUntilAKeyIsPressed) {
  ProbeBrowser browser;
  std::string commandLine = Quoted(CheckerPath()) + " " + Quoted(SourcePath("examples/sample.vlf"));
  STARTUPINFOA startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  PROCESS_INFORMATION info{};
  std::vector<char> line(commandLine.c_str(), commandLine.c_str() + commandLine.size() + 1);
  // A console of its own, as a double click gives it.
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                             &startupInfo, &info));
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 2000), WAIT_TIMEOUT) << "it closed without waiting for a key";
  FreeConsole();
  ASSERT_TRUE(AttachConsole(info.dwProcessId));
  HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  INPUT_RECORD key{};
  key.EventType = KEY_EVENT;
  key.Event.KeyEvent.bKeyDown = TRUE;
  key.Event.KeyEvent.wRepeatCount = 1;
  key.Event.KeyEvent.wVirtualKeyCode = 'A';
  key.Event.KeyEvent.uChar.AsciiChar = 'a';
  DWORD written = 0;
  EXPECT_TRUE(WriteConsoleInputA(input, &key, 1, &written));
  CloseHandle(input);
  FreeConsole();
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(info.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  if (exitCode == STILL_ACTIVE) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

TEST(CheckerE2e, IsAConsoleProgramBesideTheLauncher) {
  std::string checker = CheckerPath(), launcher = LauncherPath();
  EXPECT_EQ(checker.substr(0, checker.rfind('\\')), launcher.substr(0, launcher.rfind('\\')));
  std::string image = ReadBytes(checker);
  ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  // An image of the build's own word size, as this test program is.
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
  EXPECT_EQ(nt->FileHeader.Machine, sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI);
  Output usage = RunChecker("");
  EXPECT_EQ(usage.exitCode, 2u);
  EXPECT_EQ(usage.text.rfind("使い方: VLCheck リストファイル...\r\n", 0), 0u) << usage.text;
}

}  // namespace
