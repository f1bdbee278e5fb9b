// How every program starts and ends: the units' start-up steps in order, the main routine,
// the end steps in reverse order. And what the start-up learns of the platform: its
// identifier and the double-byte model of the thread's locale, set once by the start-up
// step of TinyUtils (win32/ProgramStartup.h) before the program's own code runs.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/WinTypes.h"

// The start-up and end step of one library unit; either may be null.
struct TUnitSteps {
  void (*Start)();
  void (*End)();
};

// Runs the units' start-up steps, then mainRoutine, then the end steps in reverse order;
// returns the main routine's exit code.
int RunProgram(std::initializer_list<TUnitSteps> units, int (*mainRoutine)());

namespace TinyUtils {

struct TLocaleInfo {
  std::uint32_t DefaultLCID = 0x0409;
  std::uint32_t PrimaryLanguage = 9;  // LANG_ENGLISH
  bool FarEast = false;               // the locale uses a double-byte character set
};

struct TLeadByteSet {
  bool Contains(unsigned char byte) const { return (bits[byte >> 5] >> (byte & 31)) & 1u; }
  void Add(unsigned char byte) { bits[byte >> 5] |= 1u << (byte & 31); }
  bool Empty() const;
  std::uint32_t bits[8] = {};
};

extern std::int32_t PlatformId;  // dwPlatformId; 2 is the NT family; 0 when unknown
extern TLocaleInfo LocaleInfo;
extern TLeadByteSet LeadByteSet;

// Sets the three from the platform's answers: its identifier (0 when unknown), the thread's
// locale (0 when unknown), whether the system calls itself double-byte (SM_DBCSENABLED,
// which decides on the 95 family), and the code page of the locale (null when it cannot be
// had). On the NT family every language but the western ones has the code page's lead bytes.
void SetPlatform(std::int32_t platformId, std::uint32_t threadLocale, bool dbcsEnabled, const Win::CPINFO* codePage);

// The locale whose code page the double-byte model takes: the thread's, or US English.
std::uint32_t DefaultLocaleOf(std::uint32_t threadLocale);

}  // namespace TinyUtils
