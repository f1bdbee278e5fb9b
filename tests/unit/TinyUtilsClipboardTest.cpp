// GetClipboardText against the simulated clipboard: the owner it is opened with, the calls
// it makes and that it always closes the clipboard it opened.
#include <gtest/gtest.h>

#include "TinyUtilsClipboard.h"
#include "platform/sim/SimClipboard.h"

using TinyUtils::GetClipboardText;

namespace {

using Log = std::vector<std::string>;
Win::HWND const kOwner = reinterpret_cast<Win::HWND>(static_cast<std::uintptr_t>(0x3003C));

TEST(GetClipboardText, OpensWithTheOwnerAndClosesAfterCopying) {
  Sim::SetClipboardText("http://a.example/");
  EXPECT_EQ(GetClipboardText(kOwner), "http://a.example/");
  EXPECT_EQ(Sim::ClipboardOwner(), kOwner);
  EXPECT_EQ(Sim::ClipboardLog(),
            (Log{"OpenClipboard", "GetClipboardData", "GlobalLock", "GlobalSize", "GlobalUnlock", "CloseClipboard"}));
  EXPECT_FALSE(Sim::ClipboardIsOpen());
  EXPECT_EQ(Sim::ClipboardLocks(), 0);
}

TEST(GetClipboardText, NeverReadsPastABlockWithoutZeroByte) {
  // The block is allocated at exactly these bytes: a read past them fails under the sanitizers.
  Sim::SetClipboardBlock("abc");
  EXPECT_EQ(GetClipboardText(kOwner), "abc");
  Sim::SetClipboardBlock("");
  EXPECT_EQ(GetClipboardText(kOwner), "");
  EXPECT_FALSE(Sim::ClipboardIsOpen());
}

TEST(GetClipboardText, GivesEmptyTextAndClosesWhenTheBlockCannotBeLocked) {
  Sim::SetClipboardText("http://a.example/");
  Sim::SetGlobalLockFails(true);
  EXPECT_EQ(GetClipboardText(kOwner), "");
  EXPECT_EQ(Sim::ClipboardLog(),
            (Log{"OpenClipboard", "GetClipboardData", "GlobalLock", "GlobalUnlock", "CloseClipboard"}));
  EXPECT_FALSE(Sim::ClipboardIsOpen());
}

}  // namespace
