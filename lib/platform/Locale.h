// Win32 boundary: case and width mapping, conversion to UTF-16, locales, code pages, platform
// version (kernel32, user32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// Count of bytes mapped in place.
DWORD CharLowerBuffA(char* text, DWORD length);
DWORD CharUpperBuffA(char* text, DWORD length);
// Count written (or needed when destinationSize is 0), the terminator included for a
// zero-terminated source (-1); 0 on failure (ERROR_INSUFFICIENT_BUFFER when too small).
int LCMapStringA(LCID locale, DWORD flags, const char* source, int sourceLength, char* destination,
                 int destinationSize);

LCID GetThreadLocale();
// Count written, the zero included; 0 on failure.
int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size);
UINT GetACP();
BOOL GetCPInfo(UINT codePage, CPINFO* info);
int GetSystemMetrics(int index);
// Count of UTF-16 units written, or needed when wideSize is 0 (the zero included for a
// length of -1); 0 on failure (ERROR_INSUFFICIENT_BUFFER when wide is too small).
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, WCHAR* wide, int wideSize);
// Count of bytes written, or needed when size is 0; 0 on failure. usedDefault, when given,
// tells whether a character had no form in the code page (the default character was written).
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* wide, int wideLength, char* text, int size,
                        const char* defaultChar, BOOL* usedDefault);
// Zero on failure; the caller sets dwOSVersionInfoSize first.
BOOL GetVersionExA(OSVERSIONINFOA* info);

}  // namespace Win
