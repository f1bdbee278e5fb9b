// The administrator test, the version test and the drop shadow, against the simulated
// tokens, versions and window classes.
#include <gtest/gtest.h>

#include "TinyUtilsSystem.h"
#include "platform/Process.h"
#include "platform/Security.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimSecurity.h"
#include "platform/sim/SimWindow.h"

namespace {

using Sim::AdminGroup;

// Bytes the group list of a token with these groups needs.
Win::DWORD GroupListSize(const Sim::TokenGroupsSetup& groups) {
  Sim::SetProcessToken(groups);
  Win::HANDLE token = nullptr;
  Win::OpenProcessToken(Win::GetCurrentProcess(), Win::TOKEN_QUERY, &token);
  Win::DWORD needed = 0;
  Win::GetTokenInformation(token, Win::TokenGroups, nullptr, 0, &needed);
  Win::CloseHandle(token);
  return needed;
}

TEST(IsAdmin, JudgesTheProcessTokenByThePresenceOfTheAdministratorsGroup) {
  struct Row {
    Sim::TokenGroupsSetup process;
    bool expected;
  } rows[] = {
      {{AdminGroup::Enabled, 2}, true},
      {{AdminGroup::DenyOnly, 2}, true},  // the group's attributes are not looked at
      {{AdminGroup::Absent, 2}, false},
      {{AdminGroup::Enabled, 0}, true},
      {{AdminGroup::Absent, 0}, false},
      {{AdminGroup::Enabled, 40}, true},  // a list longer than 1024 bytes is asked for again
      {{AdminGroup::DenyOnly, 40}, true},
      {{AdminGroup::Absent, 40}, false},
  };
  ASSERT_GT(GroupListSize({AdminGroup::Enabled, 40}), 1024u);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::SetProcessToken(rows[i].process);
    EXPECT_EQ(TinyUtils::IsAdmin(), rows[i].expected) << "row " << i;
    EXPECT_EQ(Sim::OpenTokens(), 0) << "row " << i;
    EXPECT_EQ(Sim::AllocatedSids(), 0) << "row " << i;
  }
}

TEST(IsAdmin, JudgesAnImpersonatingThreadByTheUserItImpersonates) {
  Sim::SetProcessToken({AdminGroup::Enabled, 2});
  Sim::SetThreadImpersonates({AdminGroup::Absent, 3});
  EXPECT_FALSE(TinyUtils::IsAdmin());

  Sim::SetProcessToken({AdminGroup::Absent, 2});
  Sim::SetThreadImpersonates({AdminGroup::DenyOnly, 3});
  EXPECT_TRUE(TinyUtils::IsAdmin());
  EXPECT_EQ(Sim::OpenTokens(), 0);
}

TEST(IsAdmin, IsFalseWhenTheTokenOrTheSidCannotBeHad) {
  Sim::SetSidAllocationFails(true);
  EXPECT_FALSE(TinyUtils::IsAdmin());
  EXPECT_EQ(Sim::OpenTokens(), 0);

  Sim::SetSidAllocationFails(false);
  Sim::SetPlatform(Win::VER_PLATFORM_WIN32_WINDOWS, 4, 90);  // Windows Me: no access tokens
  EXPECT_FALSE(TinyUtils::IsAdmin());
}

TEST(IsXPOrLater, HoldsForNtFromVersion5Point1) {
  struct Row {
    Win::DWORD platform, major, minor;
    bool expected;
  } rows[] = {
      {2, 4, 0, false}, {2, 5, 0, false}, {2, 5, 1, true}, {2, 5, 2, true}, {2, 6, 0, true},
      {2, 6, 1, true},  {2, 10, 0, true}, {1, 4, 90, false}, {1, 5, 1, false}, {0, 6, 0, false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::SetPlatform(rows[i].platform, rows[i].major, rows[i].minor);
    EXPECT_EQ(TinyUtils::IsXPOrLater(), rows[i].expected) << "row " << i;
  }
  Sim::SetPlatform(2, 6, 1);
  Sim::SetVersionQueryFails(true);
  EXPECT_FALSE(TinyUtils::IsXPOrLater());
}

// From Windows XP on the shadow is added: SystemContract.TheDropShadowIsAddedToTheDialogClass.
TEST(EnableDropShadow, LeavesTheWindowClassAloneBeforeXP) {
  Win::HWND dialog = Sim::AddWindow("#32770", "dialog");
  Win::DWORD before = Sim::ClassStyle("#32770");
  ASSERT_EQ(before & Win::CS_DROPSHADOW, 0u);

  Sim::SetPlatform(2, 5, 0);
  TinyUtils::EnableDropShadow(dialog);
  EXPECT_EQ(Sim::ClassStyle("#32770"), before);
}

}  // namespace
