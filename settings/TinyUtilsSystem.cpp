// TinyUtils, system half: the administrator and version decisions.
#include "TinyUtilsSystem.h"

#include "platform/WinConstants.h"

namespace TinyUtils {
namespace {

// S-1-5-32-544 as a SID's bytes: revision 1, two sub-authorities, the NT authority (six
// bytes, big-endian), then SECURITY_BUILTIN_DOMAIN_RID and DOMAIN_ALIAS_RID_ADMINS
// (little-endian).
const std::string kAdministrators("\x01\x02\x00\x00\x00\x00\x00\x05\x20\x00\x00\x00\x20\x02\x00\x00", 16);

}  // namespace

bool IsAdmin(const std::vector<TTokenGroup>& groups) {
  for (const TTokenGroup& group : groups) {
    if (group.Sid == kAdministrators && (group.Attributes & Win::SE_GROUP_USE_FOR_DENY_ONLY) == 0) return true;
  }
  return false;
}

bool IsXPOrLater(Win::DWORD platformId, Win::DWORD majorVersion, Win::DWORD minorVersion) {
  return platformId == Win::VER_PLATFORM_WIN32_NT && (majorVersion > 5 || (majorVersion == 5 && minorVersion >= 1));
}

}  // namespace TinyUtils
