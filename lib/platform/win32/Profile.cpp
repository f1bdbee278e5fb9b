// Windows only: forwards the profile (INI) calls to kernel32.
#include "platform/Profile.h"

#include "Win32.h"

namespace Win {

DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                               char* returned, DWORD size, const char* fileName) {
  return ::GetPrivateProfileStringA(section, key, defaultValue, returned, size, fileName);
}
BOOL WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* fileName) {
  return ::WritePrivateProfileStringA(section, key, value, fileName);
}

}  // namespace Win
