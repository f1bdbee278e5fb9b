// Win32 boundary: the registry (advapi32). Functions return ERROR_SUCCESS or an error code.
#pragma once

#include "platform/WinTypes.h"

namespace Win {

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD desired, HKEY* result);
// With data null: type and size only. Too small a buffer: ERROR_MORE_DATA and the size needed.
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* className, DWORD options,
                     DWORD desired, void* securityAttributes, HKEY* result, DWORD* disposition);
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
// The NT family refuses a key that has subkeys; the 95 family deletes the whole tree.
LONG RegDeleteKeyA(HKEY key, const char* subKey);
LONG RegCloseKey(HKEY key);

}  // namespace Win
