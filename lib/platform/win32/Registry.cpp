// Windows only: forwards the registry calls to advapi32.
#include "platform/Registry.h"

#include "Win32.h"

#include <cstdint>

namespace Win {
using Real::As;

namespace {
// Our predefined keys (HKEY_CLASSES_ROOT 0x80000000 to HKEY_CURRENT_CONFIG 0x80000005) hold
// their 32-bit values; Windows' own are those values sign-extended to a pointer
// (0xFFFFFFFF80000000 on x64), so they are mapped rather than passed through.
::HKEY Key(HKEY key) {
  auto value = reinterpret_cast<std::uintptr_t>(key);
  if (value < 0x80000000u || value > 0x80000005u) return reinterpret_cast<::HKEY>(key);
  return reinterpret_cast<::HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}
}  // namespace

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD desired, HKEY* result) {
  return ::RegOpenKeyExA(Key(key), subKey, options, desired, reinterpret_cast<::HKEY*>(result));
}
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize) {
  return ::RegQueryValueExA(Key(key), valueName, As<::DWORD>(reserved), As<::DWORD>(type), data,
                            As<::DWORD>(dataSize));
}
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* className, DWORD options,
                     DWORD desired, void* securityAttributes, HKEY* result, DWORD* disposition) {
  return ::RegCreateKeyExA(Key(key), subKey, reserved, className, options, desired,
                           static_cast<SECURITY_ATTRIBUTES*>(securityAttributes),
                           reinterpret_cast<::HKEY*>(result), As<::DWORD>(disposition));
}
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize) {
  return ::RegSetValueExA(Key(key), valueName, reserved, type, data, dataSize);
}
LONG RegDeleteKeyA(HKEY key, const char* subKey) { return ::RegDeleteKeyA(Key(key), subKey); }
LONG RegCloseKey(HKEY key) { return ::RegCloseKey(Key(key)); }

}  // namespace Win
