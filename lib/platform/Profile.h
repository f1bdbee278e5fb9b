// Win32 boundary: profile (INI) files (kernel32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// Count copied, without the zero; the default when the key is absent.
DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                               char* returned, DWORD size, const char* fileName);
// Zero on failure.
BOOL WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* fileName);

}  // namespace Win
