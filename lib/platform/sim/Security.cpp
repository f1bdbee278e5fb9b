// Simulation only: access tokens with their group lists, built-in and user SIDs, and the
// pseudo handles of the current thread and process.
#include <cstring>
#include <optional>
#include <set>
#include <vector>

#include "Machine.h"
#include "SimSecurity.h"
#include "platform/Locale.h"
#include "platform/Security.h"
#include "platform/WinConstants.h"

namespace Sim {
namespace Detail {
namespace {

using Sid = std::vector<Win::BYTE>;  // the binary form: revision, count, authority, sub-authorities

Sid MakeSid(const Win::SID_IDENTIFIER_AUTHORITY& authority, const std::vector<Win::DWORD>& subAuthorities) {
  Sid sid{1, static_cast<Win::BYTE>(subAuthorities.size())};
  sid.insert(sid.end(), std::begin(authority.Value), std::end(authority.Value));
  for (Win::DWORD value : subAuthorities) {
    Win::BYTE bytes[4];
    std::memcpy(bytes, &value, 4);
    sid.insert(sid.end(), bytes, bytes + 4);
  }
  return sid;
}

std::size_t SidLength(const void* sid) { return 8 + 4 * std::size_t{static_cast<const Win::BYTE*>(sid)[1]}; }

struct Group {
  Sid sid;
  Win::DWORD attributes;
};

std::vector<Group> GroupsOf(const TokenGroupsSetup& setup) {
  constexpr Win::SID_IDENTIFIER_AUTHORITY kWorld = {{0, 0, 0, 0, 0, 1}};
  constexpr Win::DWORD kMandatoryEnabled = 0x7;  // mandatory, enabled by default, enabled
  std::vector<Group> groups;
  for (int i = 0; i < setup.otherGroups; ++i) {
    Sid sid = i == 0 ? MakeSid(kWorld, {0})
              : i == setup.otherGroups - 1
                  ? MakeSid(Win::SECURITY_NT_AUTHORITY, {Win::SECURITY_BUILTIN_DOMAIN_RID, 545})  // Users
                  : MakeSid(Win::SECURITY_NT_AUTHORITY, {21, 1004336348, 1177238915, 682003330, 1000u + i});
    groups.push_back({sid, kMandatoryEnabled});
  }
  if (setup.administrators != AdminGroup::Absent) {
    Sid admins = MakeSid(Win::SECURITY_NT_AUTHORITY, {Win::SECURITY_BUILTIN_DOMAIN_RID, Win::DOMAIN_ALIAS_RID_ADMINS});
    groups.push_back({admins, setup.administrators == AdminGroup::Enabled ? kMandatoryEnabled
                                                                          : Win::SE_GROUP_USE_FOR_DENY_ONLY});
  }
  return groups;
}

int openTokens = 0;

struct Token : Object {
  Token(std::vector<Group> tokenGroups, Win::DWORD tokenAccess) : groups(std::move(tokenGroups)), access(tokenAccess) {
    ++openTokens;
  }
  ~Token() override { --openTokens; }
  std::vector<Group> groups;
  Win::DWORD access;
};

struct SecurityState {
  TokenGroupsSetup processToken;
  std::optional<TokenGroupsSetup> threadToken;
  bool sidAllocationFails = false;
  std::set<void*> sids;
};
SecurityState state;

void ResetSecurity() {
  for (void* sid : state.sids) delete[] static_cast<Win::BYTE*>(sid);
  state = SecurityState{};
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetSecurity);

Win::HANDLE const kCurrentProcess = reinterpret_cast<Win::HANDLE>(static_cast<std::intptr_t>(-1));
Win::HANDLE const kCurrentThread = reinterpret_cast<Win::HANDLE>(static_cast<std::intptr_t>(-2));

// The 95 family has no security: its token functions are stubs.
bool HasTokens() {
  Win::OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return Win::GetVersionExA(&version) && version.dwPlatformId == Win::VER_PLATFORM_WIN32_NT;
}

Win::BOOL OpenToken(const TokenGroupsSetup& setup, Win::DWORD access, Win::HANDLE* token) {
  *token = AddHandle(std::make_shared<Token>(GroupsOf(setup), access));
  return 1;
}

}  // namespace
}  // namespace Detail

void SetProcessToken(const TokenGroupsSetup& groups) { Detail::state.processToken = groups; }
void SetThreadImpersonates(const TokenGroupsSetup& groups) { Detail::state.threadToken = groups; }
void SetSidAllocationFails(bool fails) { Detail::state.sidAllocationFails = fails; }
int OpenTokens() { return Detail::openTokens; }
int AllocatedSids() { return static_cast<int>(Detail::state.sids.size()); }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HANDLE GetCurrentThread() { return kCurrentThread; }
HANDLE GetCurrentProcess() { return kCurrentProcess; }

BOOL OpenThreadToken(HANDLE thread, DWORD desiredAccess, BOOL, HANDLE* token) {
  if (!HasTokens()) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return 0;
  }
  if (thread != kCurrentThread) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (!state.threadToken) {
    SetLastError(ERROR_NO_TOKEN);
    return 0;
  }
  return OpenToken(*state.threadToken, desiredAccess, token);
}

BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, HANDLE* token) {
  if (!HasTokens()) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return 0;
  }
  if (process != kCurrentProcess) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return OpenToken(state.processToken, desiredAccess, token);
}

BOOL GetTokenInformation(HANDLE handle, DWORD informationClass, void* information, DWORD length,
                         DWORD* returnLength) {
  auto* token = HandleAs<Token>(handle);
  if (token == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if ((token->access & TOKEN_QUERY) == 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  if (informationClass != TokenGroups) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SIM_CHECK(returnLength != nullptr);  // the platform writes it unconditionally
  // The list: the count, the pairs of SID pointer and attributes, then the SIDs.
  std::size_t arrayEnd = offsetof(TOKEN_GROUPS, Groups) + token->groups.size() * sizeof(SID_AND_ATTRIBUTES);
  std::size_t needed = arrayEnd;
  for (const auto& group : token->groups) needed += group.sid.size();
  *returnLength = static_cast<DWORD>(needed);
  if (length < needed || information == nullptr) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  auto* bytes = static_cast<BYTE*>(information);
  auto count = static_cast<DWORD>(token->groups.size());
  std::memcpy(bytes, &count, sizeof count);
  std::size_t sidAt = arrayEnd;
  for (std::size_t i = 0; i < token->groups.size(); ++i) {
    const auto& group = token->groups[i];
    SID_AND_ATTRIBUTES entry{bytes + sidAt, group.attributes};
    std::memcpy(bytes + offsetof(TOKEN_GROUPS, Groups) + i * sizeof entry, &entry, sizeof entry);
    std::memcpy(bytes + sidAt, group.sid.data(), group.sid.size());
    sidAt += group.sid.size();
  }
  return 1;
}

BOOL AllocateAndInitializeSid(const SID_IDENTIFIER_AUTHORITY* authority, BYTE subAuthorityCount,
                              DWORD subAuthority0, DWORD subAuthority1, DWORD subAuthority2,
                              DWORD subAuthority3, DWORD subAuthority4, DWORD subAuthority5,
                              DWORD subAuthority6, DWORD subAuthority7, PSID* sid) {
  if (state.sidAllocationFails) {
    SetLastError(8);  // ERROR_NOT_ENOUGH_MEMORY
    return 0;
  }
  if (subAuthorityCount > 8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::vector<DWORD> all{subAuthority0, subAuthority1, subAuthority2, subAuthority3,
                         subAuthority4, subAuthority5, subAuthority6, subAuthority7};
  all.resize(subAuthorityCount);
  auto made = MakeSid(*authority, all);
  auto* copy = new BYTE[made.size()];
  std::memcpy(copy, made.data(), made.size());
  state.sids.insert(copy);
  *sid = copy;
  return 1;
}

BOOL EqualSid(PSID sid1, PSID sid2) {
  return SidLength(sid1) == SidLength(sid2) && std::memcmp(sid1, sid2, SidLength(sid1)) == 0;
}

void* FreeSid(PSID sid) {
  SIM_CHECK(state.sids.erase(sid) == 1);  // only SIDs from AllocateAndInitializeSid, each once
  delete[] static_cast<BYTE*>(sid);
  return nullptr;
}

}  // namespace Win
