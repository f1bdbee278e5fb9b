// Simulation only: platform version, locales and code pages 932 and 1252, character
// stepping, case and width mapping, string comparison.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "Machine.h"
#include "Sim.h"
#include "platform/CodePages.h"
#include "platform/Locale.h"
#include "platform/WinConstants.h"

namespace Sim {
namespace Detail {
namespace {

struct LocaleState {
  Win::DWORD platformId = 2;
  Win::DWORD major = 5;
  Win::DWORD minor = 1;
  bool versionQueryFails = false;
  Win::LCID threadLocale = 0x0411;
  Win::UINT ansiCodePage = 932;
  bool localeInfoFails = false;
  bool dbcsEnabled = true;
  std::map<std::uint16_t, std::string> halfWidthForms;  // set by tests, before the platform's own
};
LocaleState state;

void ResetLocale() { state = LocaleState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetLocale);

constexpr Win::DWORD ERROR_INVALID_FLAGS = 1004;

// The ANSI code page of a locale: 932 for Japanese, 1252 for every other language; 0 for
// no language. The simulated user and system locales are the thread's.
Win::UINT CodePageOfLocale(Win::LCID locale) {
  if (locale == 0 || locale == Win::LOCALE_USER_DEFAULT || locale == Win::LOCALE_SYSTEM_DEFAULT) {
    locale = state.threadLocale;
  }
  Win::LCID language = locale & 0x3FF;
  if (language == 0) return 0;
  return language == 0x11 ? 932 : 1252;
}

Win::UINT ResolveCodePage(Win::UINT codePage) { return codePage == Win::CP_ACP ? state.ansiCodePage : codePage; }

bool IsKnownCodePage(Win::UINT codePage) { return codePage == 932 || codePage == 1252; }

bool IsLeadByteOf(Win::UINT codePage, unsigned char byte) { return codePage == 932 && CodePages::IsLeadByte932(byte); }

enum class Mapping { Lower, Upper, HalfWidth };

std::string MapCharacter(Win::UINT codePage, std::uint16_t code, Mapping mapping) {
  switch (mapping) {
    case Mapping::Lower:
      return CodePages::CodeBytes(CodePages::LowerOf(codePage, code));
    case Mapping::Upper:
      return CodePages::CodeBytes(CodePages::UpperOf(codePage, code));
    case Mapping::HalfWidth:
      break;
  }
  if (codePage != 932) return CodePages::CodeBytes(code);  // code page 1252 has no full-width forms
  auto custom = state.halfWidthForms.find(code);
  return custom != state.halfWidthForms.end() ? custom->second : CodePages::HalfWidthOf932(code);
}

// The text mapped character by character, as Windows maps it on its way through Unicode:
// a lead byte followed by any byte but zero is one character; a lead byte at the end or
// before a zero reads as the default character.
std::vector<std::string> MapText(Win::UINT codePage, std::string_view text, Mapping mapping) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::uint16_t code = byte;
    std::size_t length = 1;
    if (IsLeadByteOf(codePage, byte)) {
      bool paired = i + 1 < text.size() && text[i + 1] != 0;
      code = paired ? CodePages::Canonical932(static_cast<std::uint16_t>(byte << 8 | static_cast<unsigned char>(text[i + 1])))
                    : CodePages::kDefaultCode932;
      length = paired ? 2 : 1;
    }
    characters.push_back(MapCharacter(codePage, code, mapping));
    i += length;
  }
  return characters;
}

std::size_t SizeOf(const std::vector<std::string>& characters) {
  std::size_t size = 0;
  for (const auto& character : characters) size += character.size();
  return size;
}

// Writes the characters while whole ones fit into size bytes; true when all of them did.
bool WriteCharacters(const std::vector<std::string>& characters, char* destination, std::size_t size) {
  std::size_t written = 0;
  for (const auto& character : characters) {
    if (written + character.size() > size) return false;
    std::memcpy(destination + written, character.data(), character.size());
    written += character.size();
  }
  return true;
}

Win::DWORD MapInPlace(char* text, Win::DWORD length, Mapping mapping) {
  if (length == 0) {
    SetLastError(Win::ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto characters = MapText(state.ansiCodePage, std::string_view(text, length), mapping);
  // A lone lead byte grows into the two bytes of the default character and may not fit.
  if (!WriteCharacters(characters, text, length)) {
    SetLastError(Win::ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return static_cast<Win::DWORD>(SizeOf(characters));
}

}  // namespace

bool IsAnsiLeadByte(unsigned char byte) { return IsLeadByteOf(state.ansiCodePage, byte); }

}  // namespace Detail

void SetPlatform(Win::DWORD platformId, Win::DWORD major, Win::DWORD minor) {
  Detail::state.platformId = platformId;
  Detail::state.major = major;
  Detail::state.minor = minor;
}
void SetVersionQueryFails(bool fails) { Detail::state.versionQueryFails = fails; }
void SetThreadLocale(Win::LCID locale) {
  Detail::state.threadLocale = locale;
  Detail::state.ansiCodePage = (locale & 0x3FF) == 0x11 ? 932 : 1252;
  Detail::state.dbcsEnabled = Detail::state.ansiCodePage == 932;
}
void SetAnsiCodePage(Win::UINT codePage) { Detail::state.ansiCodePage = codePage; }
void SetLocaleInfoFails(bool fails) { Detail::state.localeInfoFails = fails; }
void SetDbcsEnabled(bool enabled) { Detail::state.dbcsEnabled = enabled; }
void SetHalfWidthForm(const std::string& character, const std::string& halfWidth) {
  SIM_CHECK(character.size() == 2 && CodePages::IsLeadByte932(static_cast<unsigned char>(character[0])));
  auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(character[0]) << 8 |
                                         static_cast<unsigned char>(character[1]));
  Detail::state.halfWidthForms[code] = halfWidth;
}

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

char* CharNextA(const char* current) {
  auto* p = const_cast<char*>(current);
  if (*p == 0) return p;
  if (IsAnsiLeadByte(static_cast<unsigned char>(*p)) && p[1] != 0) return p + 2;
  return p + 1;
}

DWORD CharLowerBuffA(char* text, DWORD length) { return MapInPlace(text, length, Mapping::Lower); }

DWORD CharUpperBuffA(char* text, DWORD length) { return MapInPlace(text, length, Mapping::Upper); }

int LCMapStringA(LCID locale, DWORD flags, const char* source, int sourceLength, char* destination,
                 int destinationSize) {
  UINT codePage = CodePageOfLocale(locale);
  if (source == nullptr || sourceLength == 0 || destinationSize < 0 ||
      (destination == nullptr && destinationSize != 0) || codePage == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (flags == 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  SIM_CHECK(flags == LCMAP_HALFWIDTH);  // the only mapping the programs ask for
  // A zero-terminated source is mapped with its terminator, which the counts then include.
  std::string_view text = sourceLength < 0 ? std::string_view(source, std::strlen(source) + 1)
                                           : std::string_view(source, static_cast<std::size_t>(sourceLength));
  auto characters = MapText(codePage, text, Mapping::HalfWidth);
  auto needed = static_cast<int>(SizeOf(characters));
  if (destinationSize == 0) return needed;
  if (!WriteCharacters(characters, destination, static_cast<std::size_t>(destinationSize))) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return needed;
}

int CompareStringA(LCID, DWORD flags, const char* string1, int length1, const char* string2, int length2) {
  if (string1 == nullptr || string2 == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // The programs compare for equality only; Windows orders unequal texts linguistically.
  SIM_CHECK((flags & ~SORT_STRINGSORT) == 0);
  std::string_view a = length1 < 0 ? std::string_view(string1) : std::string_view(string1, static_cast<std::size_t>(length1));
  std::string_view b = length2 < 0 ? std::string_view(string2) : std::string_view(string2, static_cast<std::size_t>(length2));
  int order = a.compare(b);
  return order < 0 ? CSTR_LESS_THAN : order == 0 ? CSTR_EQUAL : CSTR_GREATER_THAN;
}

LCID GetThreadLocale() { return state.threadLocale; }

int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size) {
  UINT codePage = CodePageOfLocale(locale);
  if (state.localeInfoFails || codePage == 0 || size < 0 || (data == nullptr && size != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SIM_CHECK(type == LOCALE_IDEFAULTANSICODEPAGE);  // the only information the programs ask for
  std::string text = std::to_string(codePage);
  int needed = static_cast<int>(text.size()) + 1;
  if (size == 0) return needed;
  if (size < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(data, text.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

UINT GetACP() { return state.ansiCodePage; }

BOOL GetCPInfo(UINT codePage, CPINFO* info) {
  codePage = ResolveCodePage(codePage);
  if (!IsKnownCodePage(codePage)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  *info = CPINFO{};
  info->DefaultChar[0] = '?';
  if (codePage == 932) {
    info->MaxCharSize = 2;
    const BYTE ranges[] = {0x81, 0x9F, 0xE0, 0xFC};
    std::copy(std::begin(ranges), std::end(ranges), info->LeadByte);
  } else {
    info->MaxCharSize = 1;
  }
  return 1;
}

BOOL IsDBCSLeadByteEx(UINT codePage, BYTE testChar) {
  codePage = ResolveCodePage(codePage);
  if (!IsKnownCodePage(codePage)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return IsLeadByteOf(codePage, testChar) ? 1 : 0;
}

int GetSystemMetrics(int index) { return index == SM_DBCSENABLED && state.dbcsEnabled ? 1 : 0; }

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  constexpr DWORD kExtendedSize = 156;  // OSVERSIONINFOEXA, which the platform accepts too
  if (state.versionQueryFails ||
      (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA) && info->dwOSVersionInfoSize != kExtendedSize)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  info->dwMajorVersion = state.major;
  info->dwMinorVersion = state.minor;
  info->dwBuildNumber = state.platformId == VER_PLATFORM_WIN32_NT ? 2600 : 1998;
  info->dwPlatformId = state.platformId;
  info->szCSDVersion[0] = 0;
  return 1;
}

}  // namespace Win
