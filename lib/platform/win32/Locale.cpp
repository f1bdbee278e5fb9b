// Windows only: forwards the character, locale and version calls to kernel32 and user32.
#include "platform/Locale.h"

#include "Win32.h"

namespace Win {
using Real::As;

DWORD CharLowerBuffA(char* text, DWORD length) { return ::CharLowerBuffA(text, length); }
DWORD CharUpperBuffA(char* text, DWORD length) { return ::CharUpperBuffA(text, length); }
int LCMapStringA(LCID locale, DWORD flags, const char* source, int sourceLength, char* destination,
                 int destinationSize) {
  return ::LCMapStringA(locale, flags, source, sourceLength, destination, destinationSize);
}
LCID GetThreadLocale() { return ::GetThreadLocale(); }
int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size) {
  return ::GetLocaleInfoA(locale, type, data, size);
}
UINT GetACP() { return ::GetACP(); }
BOOL GetCPInfo(UINT codePage, CPINFO* info) { return ::GetCPInfo(codePage, As<::CPINFO>(info)); }
int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, WCHAR* wide, int wideSize) {
  return ::MultiByteToWideChar(codePage, flags, text, length, reinterpret_cast<wchar_t*>(wide), wideSize);
}
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* wide, int wideLength, char* text, int size,
                        const char* defaultChar, BOOL* usedDefault) {
  return ::WideCharToMultiByte(codePage, flags, reinterpret_cast<const wchar_t*>(wide), wideLength, text, size,
                               defaultChar, reinterpret_cast<::BOOL*>(usedDefault));
}
BOOL GetVersionExA(OSVERSIONINFOA* info) { return ::GetVersionExA(As<::OSVERSIONINFOA>(info)); }

}  // namespace Win
