// Access tokens, the version, window classes and finding windows: what the administrator
// test, the drop shadow and the settings program's hand-over rely on.
#include <gtest/gtest.h>

#include "FixtureSettings.h"
#include "TinyUtilsSystem.h"
#include "platform/Process.h"
#include "platform/Security.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace {

TEST(SystemContract, IsAdminAndIsXPOrLaterAgreeWithThePlatform) {
  EXPECT_EQ(TinyUtils::IsAdmin(), Fixture::UserIsAdministrator());
  auto version = Fixture::PlatformVersion();
  bool xpOrLater = version.platformId == 2 && (version.major > 5 || (version.major == 5 && version.minor >= 1));
  EXPECT_EQ(TinyUtils::IsXPOrLater(), xpOrLater);
}

TEST(SystemContract, AThreadWithoutImpersonationHasNoTokenOfItsOwn) {
  Win::HANDLE token = nullptr;
  Win::SetLastError(0xdeadbeef);
  EXPECT_FALSE(Win::OpenThreadToken(Win::GetCurrentThread(), Win::TOKEN_QUERY, Win::TRUE, &token));
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_NO_TOKEN);
}

TEST(SystemContract, TheGroupListTellsTheSizeItNeeds) {
  Win::HANDLE token = nullptr;
  ASSERT_TRUE(Win::OpenProcessToken(Win::GetCurrentProcess(), Win::TOKEN_QUERY, &token));
  Win::DWORD needed = 0;
  Win::SetLastError(0xdeadbeef);
  EXPECT_FALSE(Win::GetTokenInformation(token, Win::TokenGroups, nullptr, 0, &needed));
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_INSUFFICIENT_BUFFER);
  ASSERT_GT(needed, sizeof(Win::TOKEN_GROUPS));
  std::vector<Win::BYTE> buffer(needed);
  Win::DWORD size = 0;
  EXPECT_TRUE(Win::GetTokenInformation(token, Win::TokenGroups, buffer.data(), needed, &size));
  EXPECT_EQ(size, needed);
  const auto* groups = reinterpret_cast<const Win::TOKEN_GROUPS*>(buffer.data());
  EXPECT_GE(groups->GroupCount, 1u);
  Win::CloseHandle(token);
}

TEST(SystemContract, SidsCompareByValue) {
  Win::PSID first = nullptr, second = nullptr, other = nullptr;
  ASSERT_TRUE(Win::AllocateAndInitializeSid(&Win::SECURITY_NT_AUTHORITY, 2, 32, 544, 0, 0, 0, 0, 0, 0, &first));
  ASSERT_TRUE(Win::AllocateAndInitializeSid(&Win::SECURITY_NT_AUTHORITY, 2, 32, 544, 0, 0, 0, 0, 0, 0, &second));
  ASSERT_TRUE(Win::AllocateAndInitializeSid(&Win::SECURITY_NT_AUTHORITY, 2, 32, 545, 0, 0, 0, 0, 0, 0, &other));
  EXPECT_TRUE(Win::EqualSid(first, second));
  EXPECT_FALSE(Win::EqualSid(first, other));
  EXPECT_EQ(Win::FreeSid(first), nullptr);
  Win::FreeSid(second);
  Win::FreeSid(other);
}

TEST(SystemContract, TheDropShadowIsAddedToTheDialogClass) {
  Win::HWND window = Fixture::NewDialogWindow("Vorla contract window");
  ASSERT_NE(window, nullptr);
  Win::DWORD before = Fixture::ClassStyleOf(window);
  TinyUtils::EnableDropShadow(window);
  EXPECT_EQ(Fixture::ClassStyleOf(window), before | Win::CS_DROPSHADOW);
  Fixture::DestroyWindow(window);
}

TEST(SystemContract, WindowsAreFoundByClassAndTitle) {
  Win::HWND window = Fixture::NewDialogWindow("Vorla 動作設定 contract");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Win::FindWindowA("#32770", "Vorla 動作設定 contract"), window);
  EXPECT_EQ(Win::FindWindowA("#32770", "Vorla 動作設定 contract, not shown"), nullptr);
  EXPECT_EQ(Win::FindWindowA("Button", "Vorla 動作設定 contract"), nullptr);
  Fixture::DestroyWindow(window);
}

}  // namespace
