// Simulation only: the machine state that the simulated calls share, for the files of
// this folder. Tests use Sim.h and the other Sim*.h headers instead.
#pragma once

#include <memory>
#include <string>

#include "platform/WinTypes.h"

// An invariant of the simulation itself; stays on in every build.
#define SIM_CHECK(condition)                                    \
  do {                                                          \
    if (!(condition)) Sim::Detail::Fail(#condition, __FILE__, __LINE__); \
  } while (0)

namespace Sim::Detail {

[[noreturn]] void Fail(const char* what, const char* file, int line);

// Called by Reset, in the order of registration; each part of the simulation registers one.
bool RegisterReset(void (*reset)());

// A kernel object behind a handle.
struct Object {
  virtual ~Object() = default;
  // The error CloseHandle meets on this object (the handle then stays open); 0 when it closes.
  virtual Win::DWORD CloseError() const { return 0; }
};

// A new handle owned by the current process; it keeps object alive until it is closed.
Win::HANDLE AddHandle(std::shared_ptr<Object> object);
// A new handle of another program, which no simulated process's end closes.
Win::HANDLE AddForeignHandle(std::shared_ptr<Object> object);
// The object behind an open handle, or null when the handle is not open or of another kind.
template <typename T>
T* HandleAs(Win::HANDLE handle);
Object* HandleObject(Win::HANDLE handle);
bool RemoveHandle(Win::HANDLE handle);

template <typename T>
T* HandleAs(Win::HANDLE handle) {
  return dynamic_cast<T*>(HandleObject(handle));
}

void SetLastError(Win::DWORD error);

// Windows-style text helpers: case-insensitive (ASCII) comparison of names; the second byte
// of a double-byte character is never taken for a letter.
bool SameName(const std::string& a, const std::string& b);
std::string AsciiUpper(std::string text);

// Copies text and a zero into buffer when both fit, and gives the text's length; otherwise
// the size needed, the zero included (the way of GetLongPathNameA, SearchPathA and kin).
Win::DWORD CopyOut(const std::string& text, char* buffer, Win::DWORD size);

}  // namespace Sim::Detail

namespace Sim::Detail {
// kernel32's GetLongPathNameA, as GetProcAddress hands it out (Files.cpp).
Win::DWORD GetLongPathNameA(const char* shortPath, char* longPath, Win::DWORD size);
}  // namespace Sim::Detail

namespace Sim::Detail {
// Whether byte begins a double-byte character in the ANSI code page (Locale.cpp).
bool IsAnsiLeadByte(unsigned char byte);
// An ANSI text as the ANSI calls give it back after their way through Unicode: a code
// without a character, or a lead byte without its second byte, becomes the default
// character; a character held twice comes back as its preferred code (Locale.cpp).
std::string ThroughUnicode(const std::string& text);
}  // namespace Sim::Detail
