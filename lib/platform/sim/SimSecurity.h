// Simulation only: the user's access tokens, for host tests. Reset leaves a process token
// whose groups are Everyone, Users and an enabled Administrators group, and a thread that
// impersonates nobody. A 95-family platform (Sim::SetPlatform) has no tokens at all.
#pragma once

#include "platform/WinTypes.h"

namespace Sim {

// How a token holds the built-in Administrators group.
enum class AdminGroup { Enabled, DenyOnly, Absent };

struct TokenGroupsSetup {
  AdminGroup administrators = AdminGroup::Enabled;
  int otherGroups = 2;  // groups listed before Administrators: Everyone, domain groups, Users
};
void SetProcessToken(const TokenGroupsSetup& groups);
// The thread impersonates a user with these groups; OpenThreadToken then opens that token.
void SetThreadImpersonates(const TokenGroupsSetup& groups);
// AllocateAndInitializeSid fails (ERROR_NOT_ENOUGH_MEMORY).
void SetSidAllocationFails(bool fails);

// Token handles not yet closed, and SIDs not yet freed.
int OpenTokens();
int AllocatedSids();

}  // namespace Sim
