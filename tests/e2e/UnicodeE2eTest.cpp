// Windows only: Unicode text reaching Vorla.exe under Wine (a Japanese system, code page
// 932): the clipboard's Unicode text and list files saved as UTF-8 arrive at the browser
// and the shell in code page 932, with the characters it lacks in percent form in an address.
#include <gtest/gtest.h>

#include <algorithm>

#include "E2e.h"

using namespace E2e;

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(UnicodeE2e, ClipboardUnicodeTextKeepsACharacterTheCodePageLacks) {
  ProbeBrowser browser;
  // The system's CF_TEXT of this text says "http://example/uber", another page.
  PutClipboardText(u"http://example/über\r\nｈｔｔｐ：／／ａ．ｅｘａｍｐｌｅ／全角\r\n今日の天気 Größe\r\n");
  TempFolder folder;
  std::string launcher = folder.Path() + "Vorla.exe";
  ASSERT_TRUE(CopyFileA(LauncherPath().c_str(), launcher.c_str(), FALSE));
  folder.Write("Vorla.ini", "[Option]\r\nExecuteURLInClipboard=1\r\n");
  EXPECT_EQ(Process(Quoted(launcher)).Wait(), 0u);
  EXPECT_EQ(browser.Arguments(), (Strings{"http://example/%C3%BCber", "http://a.example/"}));
}

TEST(UnicodeE2e, UTF8ListsWithAndWithoutTheMarkOpenJapaneseAddressesAndDocuments) {
  TempFolder folder;
  // The probe opens text documents: the shell's start of a document is seen.
  ScopedRegistryValue textType(HKEY_CLASSES_ROOT, ".txt", "VorlaE2EText");
  ScopedRegistryValue textOpen(HKEY_CLASSES_ROOT, "VorlaE2EText\\shell\\open\\command", Quoted(ProbePath()) + " \"%1\"");
  std::string memo = folder.Write("メモ.txt", "memo");
  // What a line holding "ü" would name, had it been run with a look-alike or in percent form.
  folder.Write("uber.txt", "decoy");
  folder.Write("%C3%BCber.txt", "decoy");
  const std::string lines = Utf8(u8"http://example.jp/?q=天気\r\n") + folder.Path() + Utf8(u8"メモ.txt\r\n") +
                            Utf8(u8"http://example/über\r\n") + Quoted(ProbePath()) + Utf8(u8" C:\\über.exe\r\n") +
                            folder.Path() + Utf8(u8"über.txt\r\n");
  Strings expected = {"\"" + memo + "\"", "http://example.jp/?q=天気", "http://example/%C3%BCber"};
  for (const std::string& mark : {std::string("\xEF\xBB\xBF"), std::string()}) {
    ProbeBrowser browser;
    std::string list = folder.Write("utf8.vlf", mark + lines);
    ASSERT_EQ(RunLauncher(Quoted(list)), 0u) << "mark: " << !mark.empty();
    Strings arguments;
    for (const auto& start : browser.AwaitStarts(3, 1000)) arguments.push_back(start.Arguments());
    std::sort(arguments.begin(), arguments.end());
    EXPECT_EQ(arguments, expected) << "mark: " << !mark.empty();
  }
}

}  // namespace
