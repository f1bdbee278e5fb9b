// The types of the Win32 boundary: plain types of our own with the names, sizes and
// layouts of the Win32 ones, so that logic code never includes <windows.h>.
// Constants live in WinConstants.h (their Win32 names are macros in <windows.h>).
#pragma once

#include <cstdint>

namespace Win {

// Calling convention of the platform's own functions and of callbacks it calls.
#if defined(_WIN32)
#define VORLA_WINAPI __attribute__((stdcall))
#else
#define VORLA_WINAPI
#endif

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;
using HRESULT = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;

using HANDLE = void*;
struct HWND_tag;
using HWND = HWND_tag*;
struct HKEY_tag;
using HKEY = HKEY_tag*;
struct HINSTANCE_tag;
using HINSTANCE = HINSTANCE_tag*;
using HMODULE = HINSTANCE;
struct HICON_tag;
using HICON = HICON_tag*;
using HGLOBAL = HANDLE;
using FARPROC = void (*)();

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148);

constexpr int MAX_DEFAULTCHAR = 2;
constexpr int MAX_LEADBYTES = 12;
struct CPINFO {
  UINT MaxCharSize;
  BYTE DefaultChar[MAX_DEFAULTCHAR];
  BYTE LeadByte[MAX_LEADBYTES];
};

struct WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  char cFileName[260];
  char cAlternateFileName[14];
};

// The layout of STARTUPINFOA (Win32.h checks it against the platform's).
struct STARTUPINFOA {
  DWORD cb;
  char* lpReserved;
  char* lpDesktop;
  char* lpTitle;
  DWORD dwX;
  DWORD dwY;
  DWORD dwXSize;
  DWORD dwYSize;
  DWORD dwXCountChars;
  DWORD dwYCountChars;
  DWORD dwFillAttribute;
  DWORD dwFlags;
  WORD wShowWindow;
  WORD cbReserved2;
  BYTE* lpReserved2;
  HANDLE hStdInput;
  HANDLE hStdOutput;
  HANDLE hStdError;
};

struct PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
};

// Windows, dialogs and their callbacks.
using ULONG = std::uint32_t;
using DLGPROC = INT_PTR(VORLA_WINAPI*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Security identifiers and access tokens. The group list is the platform's own layout
// (a count, then pairs of SID pointer and attribute bits, then the SIDs themselves).
using PSID = void*;
struct SID_AND_ATTRIBUTES {
  PSID Sid;
  DWORD Attributes;
};
struct TOKEN_GROUPS {
  DWORD GroupCount;
  SID_AND_ATTRIBUTES Groups[1];
};

// COM and the shell's link objects. Texts handed to COM are UTF-16.
using WCHAR = char16_t;
struct GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];

  bool operator==(const GUID&) const = default;
};

// One console input event; only key events are read.
struct KEY_EVENT_RECORD {
  BOOL bKeyDown;
  WORD wRepeatCount;
  WORD wVirtualKeyCode;
  WORD wVirtualScanCode;
  WORD UnicodeChar;  // or, in its low byte, the ANSI character
  DWORD dwControlKeyState;
};
struct INPUT_RECORD {
  WORD EventType;
  union {
    KEY_EVENT_RECORD KeyEvent;
    BYTE other[16];  // the mouse, size, menu and focus events
  } Event;
};
static_assert(sizeof(INPUT_RECORD) == 20);

// GetLongPathNameA is looked up at run time (it is missing on early platforms).
using GetLongPathNameAProc = DWORD(VORLA_WINAPI*)(const char* shortPath, char* longPath, DWORD size);

}  // namespace Win
