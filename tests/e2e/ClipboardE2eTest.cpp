// Windows only: Vorla.exe started without arguments under Wine (a Japanese system, code page
// 932, an X display for the clipboard): with the option on in its Vorla.ini it opens the
// first address of every line of the clipboard's Unicode text in the probe browser, in
// order, with a character the code page lacks in percent form; with the option off, missing
// or garbled it opens nothing until the settings program switches it on.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;

namespace {

TEST(ClipboardE2e, OpensTheFirstAddressOfEveryLineOnceTheOptionIsOn) {
  // The system's CF_TEXT of the first line says "http://example/uber", another page. The
  // others pass through the system's half-width forms; what a line's address is, the unit
  // tests tell (ClipboardAddressIn, FindURL).
  PutClipboardText(
      u"http://example/über\r\n"
      "ｈｔｔｐ：／／ａ．ｅｘａｍｐｌｅ／全角\r\n"
      "　　ttp://b.example/news?id=1&p=2　です\r\n"
      "詳しくは Http://c.example/a‐b を見てください\r\n");
  const Strings addresses = {"http://example/%C3%BCber", "http://a.example/", "http://b.example/news?id=1&p=2",
                             "http://c.example/a-b"};
  const struct Row {
    const char* input;
    std::optional<std::string> settings;  // Vorla.ini beside Vorla.exe
    bool on;
  } rows[] = {
      {"no Vorla.ini", std::nullopt, false},
      {"the option 0", "[Option]\r\nExecuteURLInClipboard=0\r\n", false},
      {"the option 1", "[Option]\r\nExecuteURLInClipboard=1\r\n", true},
      {"random bytes", RandomBytes(4096, 11), false},
      {"a value of 5,000 ones", "[Option]\r\nExecuteURLInClipboard=" + std::string(5000, '1') + "\r\n", false},
      {"a key of 5,000 bytes", "[Option]\r\n" + std::string(5000, 'k') + "=1\r\nExecuteURLInClipboard=x\r\n", false},
  };
  for (const auto& row : rows) {
    ProbeBrowser browser;
    Installation installation(row.settings);
    EXPECT_EQ(Process(Quoted(installation.Launcher())).Wait(), 0u) << row.input;
    EXPECT_EQ(browser.Arguments(), row.on ? addresses : Strings{}) << row.input;
    if (row.on) continue;
    SettingsRun run = RunSettings(installation.Settings(), {kClipboardBox});
    EXPECT_EQ(run.opened, (std::vector<bool>{false, false, false})) << row.input;
    EXPECT_EQ(installation.Option(), "1") << row.input;
    EXPECT_EQ(Process(Quoted(installation.Launcher())).Wait(), 0u) << row.input;
    EXPECT_EQ(browser.Arguments(), addresses) << row.input;
  }
}

}  // namespace
