// TinyUtils, system half: whether the user is an administrator, whether the platform is
// Windows XP or later, and the drop shadow of a window's class. The decisions take the
// platform's answers as data (TinyUtilsSystem.cpp); win32/TinyUtilsSystem.cpp asks for
// them. Every failure of the platform gives false or does nothing.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace TinyUtils {

// One group of an access token: the bytes of its SID and its attribute bits.
struct TTokenGroup {
  std::string Sid;
  Win::DWORD Attributes = 0;
};

// Whether the groups list the built-in Administrators group (S-1-5-32-544) other than
// for deny only, as it stands in the token of an administrator's program that was not
// started with raised rights (Windows Vista and later): writes that need the rights fail.
bool IsAdmin(const std::vector<TTokenGroup>& groups);
// An NT-family platform of version 5.1 or later.
bool IsXPOrLater(Win::DWORD platformId, Win::DWORD majorVersion, Win::DWORD minorVersion);

// Windows only. The groups of the access token of the calling thread (or, when it
// impersonates nobody, of the process); false when they cannot be read.
bool IsAdmin();
// Adds the drop shadow to the window's class on Windows XP and later.
void EnableDropShadow(Win::HWND window);

}  // namespace TinyUtils
