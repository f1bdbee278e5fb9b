// Windows only: the real platform behind the boundary.
// Includes <windows.h> for the implementation files of this folder and checks that our
// types have the platform's layout, so that pointers to them may be handed on.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstddef>

#include "platform/WinTypes.h"

namespace Win::Real {

static_assert(sizeof(Win::FILETIME) == sizeof(::FILETIME));
static_assert(sizeof(Win::OSVERSIONINFOA) == sizeof(::OSVERSIONINFOA));
static_assert(sizeof(Win::CPINFO) == sizeof(::CPINFO));
static_assert(sizeof(Win::WIN32_FIND_DATAA) == sizeof(::WIN32_FIND_DATAA));
static_assert(offsetof(Win::WIN32_FIND_DATAA, cFileName) == offsetof(::WIN32_FIND_DATAA, cFileName));
static_assert(sizeof(Win::STARTUPINFOA) == sizeof(::STARTUPINFOA));
static_assert(offsetof(Win::STARTUPINFOA, wShowWindow) == offsetof(::STARTUPINFOA, wShowWindow));
static_assert(sizeof(Win::PROCESS_INFORMATION) == sizeof(::PROCESS_INFORMATION));
static_assert(sizeof(Win::DWORD) == sizeof(::DWORD));
static_assert(sizeof(Win::INPUT_RECORD) == sizeof(::INPUT_RECORD));
static_assert(offsetof(Win::INPUT_RECORD, Event.KeyEvent.dwControlKeyState) ==
              offsetof(::INPUT_RECORD, Event.KeyEvent.dwControlKeyState));

// The same object seen through the platform's own type.
template <typename To, typename From>
To* As(From* p) {
  return reinterpret_cast<To*>(p);
}
template <typename To, typename From>
const To* As(const From* p) {
  return reinterpret_cast<const To*>(p);
}

}  // namespace Win::Real
