// The launcher without arguments: the option, the clipboard's lines, their normalisation and
// one browser start per line with an address.
#include <gtest/gtest.h>

#include "LauncherSupport.h"
#include "platform/sim/SimClipboard.h"
#include "platform/sim/SimFiles.h"

using LauncherSupport::RegisterBrowser;
using LauncherSupport::RunLauncher;
using Strings = std::vector<std::string>;

namespace {

const std::string kSettings = "C:\\Vorla\\Vorla.ini";

void WriteSettings(const std::string& content) {
  Sim::AddFolder("C:\\Vorla");
  Sim::AddFile(kSettings, content);
}

void SwitchOptionOn() { WriteSettings("[Option]\r\nExecuteURLInClipboard=1\r\n"); }

std::string Opened(const std::string& address) { return "run C:\\Browser\\browser.exe " + address; }

TEST(ExecuteClipboardURLs, LeavesTheClipboardAloneUnlessTheOptionIsOn) {
  const char* settings[] = {nullptr, "", "[Option]\r\n", "[Option]\r\nExecuteURLInClipboard=0\r\n",
                            "[Option]\r\nExecuteURLInClipboard=yes\r\n", "[Other]\r\nExecuteURLInClipboard=1\r\n"};
  for (std::size_t i = 0; i < std::size(settings); ++i) {
    Sim::Reset();
    RegisterBrowser();
    if (settings[i]) WriteSettings(settings[i]);
    Sim::SetClipboardText("http://a.example/");
    EXPECT_EQ(RunLauncher(""), 0) << "row " << i;
    EXPECT_EQ(Sim::ClipboardLog(), Strings{}) << "row " << i;
    EXPECT_EQ(Sim::Activity(), Strings{}) << "row " << i;
  }
}

TEST(ExecuteClipboardURLs, OpensTheFirstAddressOfEachLineAfterNormalisingIt) {
  struct Row {
    std::string clipboard;
    Strings activity;
  } rows[] = {
      {"ｈｔｔｐ：／／ａ．ｅｘａｍｐｌｅ／", {Opened("http://a.example/")}},
      {"　　http://a.example/　", {Opened("http://a.example/")}},
      {"ttp://a.example/a", {Opened("http://a.example/a")}},
      {"ttps://a.example/a", {Opened("https://a.example/a")}},
      {"see Http://a.example/ here", {Opened("http://a.example/")}},
      {"http://a‐b.example/x‐y", {Opened("http://a-b.example/x-y")}},
      // ー becomes the half-width ｰ first, which ends the address.
      {"http://aーb.example/", {Opened("http://a")}},
      {"http://a.example/ http://b.example/", {Opened("http://a.example/")}},
      {";http://a.example/", {Opened("http://a.example/")}},
      {"www.a.example/x", {Opened("www.a.example/x")}},
      {"HTTP://A.EXAMPLE/", {}},
      {"", {}},
      {"wait=500\r\nno address\r\n\r\n", {}},
      {"http://a.example/1\r\nttp://a.example/2\r\nwww.a.example/3",
       {Opened("http://a.example/1"), Opened("http://a.example/2"), Opened("www.a.example/3")}},
      {"a\rhttp://a.example/cr\nb\nhttp://a.example/lf", {Opened("http://a.example/cr"), Opened("http://a.example/lf")}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    RegisterBrowser();
    SwitchOptionOn();
    Sim::SetClipboardText(rows[i].clipboard);
    EXPECT_EQ(RunLauncher(""), 0) << "row " << i;
    EXPECT_EQ(Sim::Activity(), rows[i].activity) << "row " << i;
  }
}

TEST(ExecuteClipboardURLs, ReadsWithTheForegroundWindowAsOwner) {
  RegisterBrowser();
  SwitchOptionOn();
  Sim::SetClipboardText("http://a.example/1\r\nhttp://a.example/2\r\n");
  EXPECT_EQ(RunLauncher(""), 0);
  EXPECT_EQ(Sim::ClipboardOwner(), Sim::ForegroundWindowHandle());
  EXPECT_FALSE(Sim::ClipboardIsOpen());
  EXPECT_EQ(Sim::ProcessStarts().size(), 2u);
}

TEST(ExecuteClipboardURLs, TriesEveryLineEvenWithoutABrowserAndOpensNothingElse) {
  SwitchOptionOn();
  Sim::SetClipboardText("http://a.example/1\r\nhttp://a.example/2");
  EXPECT_EQ(RunLauncher(""), 0);
  EXPECT_EQ(Sim::Activity(), (Strings{"fail  http://a.example/1", "fail  http://a.example/2"}));
}

TEST(ExecuteClipboardURLs, ABlockWithoutItsZeroIsReadToItsEndAndNoFurther) {
  RegisterBrowser();
  SwitchOptionOn();
  // Another program's block of text that ends in an address and has no zero byte; the
  // address ends with the block (AddressSanitizer would see a read past it).
  Sim::SetClipboardBlock("ttp://a.example/1\r\nsee http://a.example/end");
  EXPECT_EQ(RunLauncher(""), 0);
  EXPECT_EQ(Sim::Activity(), (Strings{Opened("http://a.example/1"), Opened("http://a.example/end")}));
}

TEST(ExecuteClipboardURLs, QuotesABrowserPathWithBlanks) {
  RegisterBrowser("C:\\Program Files\\Web Browser\\browser.exe");
  Sim::AddProgram("C:\\Program.exe");
  SwitchOptionOn();
  Sim::SetClipboardText("http://a.example/");
  EXPECT_EQ(RunLauncher(""), 0);
  EXPECT_EQ(Sim::Activity(), Strings{"run \"C:\\Program Files\\Web Browser\\browser.exe\" http://a.example/"});
}

}  // namespace
