// TinyUtils, system half: whether the user is an administrator, whether the platform is
// Windows XP or later, and the drop shadow of a window's class. Stateless; every failure
// of the platform gives false or does nothing.
#pragma once

#include "platform/WinTypes.h"

namespace TinyUtils {

// Whether the access token of the calling thread (or, when it impersonates nobody, of the
// process) lists the built-in Administrators group, enabled or for deny only.
bool IsAdmin();
// An NT-family platform of version 5.1 or later.
bool IsXPOrLater();
// Adds the drop shadow to the window's class on Windows XP and later.
void EnableDropShadow(Win::HWND window);

}  // namespace TinyUtils
