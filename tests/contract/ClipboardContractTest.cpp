// The clipboard as GetClipboardText reads it, on the simulation and on Windows: text put by
// another program, no text, and a clipboard that another window keeps open.
#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureClipboard.h"
#include "KnownDifferences.h"
#include "TinyUtilsClipboard.h"
#include "platform/Clipboard.h"
#include "platform/WinConstants.h"

namespace {

std::string ReadClipboard() { return TinyUtils::GetClipboardText(Win::GetForegroundWindow()); }

// The clipboard can be opened again: whoever read it has closed it.
bool ClipboardIsClosed() {
  if (!Win::OpenClipboard(nullptr)) return false;
  Win::CloseClipboard();
  return true;
}

TEST(ClipboardContract, TextIsReadUpToItsFirstZeroByte) {
  const std::string text = "\x82\xA0 http://a.example/\r\nttp://b.example/\nwww.c.example";
  Fixture::PutClipboardBlock(text + std::string("\0tail", 5));
  EXPECT_EQ(ReadClipboard(), text);
  EXPECT_TRUE(ClipboardIsClosed());
}

TEST(ClipboardContract, GlobalSizeReportsTheBlockAsItWasPut) {
  Fixture::PutClipboardBlock(std::string("abc\0zzzzzz", 10));
  ASSERT_TRUE(Win::OpenClipboard(nullptr));
  Win::HANDLE data = Win::GetClipboardData(Win::CF_TEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(Win::GlobalSize(data), 10u);
  const char* bytes = static_cast<const char*>(Win::GlobalLock(data));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::string(bytes, 4), std::string("abc\0", 4));
  Win::GlobalUnlock(data);
  EXPECT_NE(Win::CloseClipboard(), 0);
}

TEST(ClipboardContract, BlockWithoutZeroByteEndsAtItsSize) {
  Fixture::PutClipboardBlock("abcdefghij");
  EXPECT_EQ(ReadClipboard(), KnownDifferences::Expected<std::string>(KnownDifferences::kTextBlockEndsInZero,
                                                                     "abcdefghij", "abcdefghi"));
  EXPECT_TRUE(ClipboardIsClosed());
}

TEST(ClipboardContract, PictureOrNothingGivesNoText) {
  Fixture::PutClipboardPicture();
  EXPECT_EQ(ReadClipboard(), "");
  EXPECT_TRUE(ClipboardIsClosed());
  Fixture::EmptyClipboard();
  EXPECT_EQ(ReadClipboard(), "");
  EXPECT_TRUE(ClipboardIsClosed());
}

TEST(ClipboardContract, ClipboardHeldOpenByAnotherWindowCannotBeOpened) {
  Fixture::PutClipboardBlock(std::string("held\0", 5));
  Fixture::HoldClipboard();
  EXPECT_EQ(Win::OpenClipboard(nullptr), 0);
  EXPECT_EQ(ReadClipboard(), "");
  Fixture::ReleaseClipboard();
  EXPECT_EQ(ReadClipboard(), "held");
}

}  // namespace
