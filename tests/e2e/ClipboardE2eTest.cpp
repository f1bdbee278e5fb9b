// Windows only: Vorla.exe started without arguments under Wine (a Japanese system, code page
// 932, an X display for the clipboard): with the option on in its Vorla.ini it opens the
// first address of every line of the clipboard's text in the probe browser, in order.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;
using Strings = std::vector<std::string>;

namespace {

// A copy of the real Vorla.exe in a folder of its own (its name holds 表, whose second byte
// is a backslash), with the given Vorla.ini beside it; none when settings is null.
class LauncherCopy {
 public:
  explicit LauncherCopy(const char* settings) : exe_(folder_.MakeFolder("表示") + "\\Vorla.exe") {
    CopyFileA(LauncherPath().c_str(), exe_.c_str(), FALSE);
    if (settings) folder_.Write("表示\\Vorla.ini", settings);
  }
  // Runs it without arguments to its end; its exit code.
  DWORD Run() const { return Process(Quoted(exe_)).Wait(); }

 private:
  TempFolder folder_;
  std::string exe_;
};

const std::string kClipboard =
    "ｈｔｔｐ：／／ａ．ｅｘａｍｐｌｅ／全角\r\n"
    "今日のお知らせ\r\n"
    "　　ttp://b.example/news?id=1&p=2　です\r\n"
    "詳しくは Http://c.example/a‐b を見てください\r\n"
    "\r\n"
    "ttps://d.example/ http://e.example/\r\n"
    "HTTP://F.EXAMPLE/\r\n"
    "「www.g.example/案内」\r\n";

TEST(ClipboardE2e, OptionOffOrMissingOpensNothing) {
  ProbeBrowser browser;
  PutClipboardText(kClipboard);
  for (const char* settings : {static_cast<const char*>(nullptr), "[Option]\r\nExecuteURLInClipboard=0\r\n"}) {
    LauncherCopy launcher(settings);
    EXPECT_EQ(launcher.Run(), 0u) << (settings ? settings : "no Vorla.ini");
  }
  EXPECT_EQ(browser.Arguments(), Strings{});
}

TEST(ClipboardE2e, OptionOnOpensTheFirstAddressOfEveryLineInOrder) {
  ProbeBrowser browser;
  PutClipboardText(kClipboard);
  LauncherCopy launcher("[Option]\r\nExecuteURLInClipboard=1\r\n");
  EXPECT_EQ(launcher.Run(), 0u);
  EXPECT_EQ(browser.Arguments(), (Strings{"http://a.example/", "http://b.example/news?id=1&p=2",
                                          "http://c.example/a-b", "https://d.example/", "www.g.example/"}));
}

}  // namespace
