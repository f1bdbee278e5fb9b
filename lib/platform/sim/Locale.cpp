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

// The platform's own form of one character (a single byte, or a canonical code of code
// page 932).
std::string PlatformForm(Win::UINT codePage, std::uint16_t code, Mapping mapping) {
  switch (mapping) {
    case Mapping::Lower:
      return CodePages::CodeBytes(CodePages::LowerOf(codePage, code));
    case Mapping::Upper:
      return CodePages::CodeBytes(CodePages::UpperOf(codePage, code));
    case Mapping::HalfWidth:
      break;
  }
  if (codePage != 932) return CodePages::CodeBytes(code);  // code page 1252 has no full-width forms
  return CodePages::HalfWidthOf932(code);
}

// The forms of every character, worked out once, by the code it has in a text (a single
// byte, or lead byte and trail byte), so that long texts map at the speed of a lookup.
class TFormTables {
 public:
  struct TForm {
    std::uint8_t length = 0;
    char bytes[3] = {};
  };

  TFormTables() {
    for (Win::UINT codePage : {932u, 1252u}) {
      for (Mapping mapping : {Mapping::Lower, Mapping::Upper, Mapping::HalfWidth}) {
        auto& table = tables_[Index(codePage)][static_cast<int>(mapping)];
        table.resize(codePage == 932 ? 0x10000 : 0x100);
        for (std::size_t code = 0; code < table.size(); ++code) {
          bool single = code <= 0xFF;
          if (!single && !IsLeadByteOf(codePage, static_cast<unsigned char>(code >> 8))) continue;
          auto canonical = single ? static_cast<std::uint16_t>(code) : CodePages::Canonical932(static_cast<std::uint16_t>(code));
          std::string form = PlatformForm(codePage, canonical, mapping);
          SIM_CHECK(form.size() <= sizeof(TForm::bytes));
          table[code].length = static_cast<std::uint8_t>(form.size());
          std::memcpy(table[code].bytes, form.data(), form.size());
        }
      }
    }
  }
  // Indexed by the code of a character.
  const TForm* Table(Win::UINT codePage, Mapping mapping) const {
    return tables_[Index(codePage)][static_cast<int>(mapping)].data();
  }

 private:
  static int Index(Win::UINT codePage) { return codePage == 932 ? 0 : 1; }
  std::vector<TForm> tables_[2][3];
};

const TFormTables& Forms() {
  static const TFormTables forms;
  return forms;
}

// The code of the character that begins at text[index] and its length in bytes. A lead
// byte followed by any byte but zero is one character; a lead byte at the end or before a
// zero reads as the default character.
std::uint16_t CharacterAt(Win::UINT codePage, std::string_view text, std::size_t index, std::size_t& length) {
  auto byte = static_cast<unsigned char>(text[index]);
  length = 1;
  if (!IsLeadByteOf(codePage, byte)) return byte;
  if (index + 1 == text.size() || text[index + 1] == 0) return CodePages::kDefaultCode932;
  length = 2;
  return static_cast<std::uint16_t>(byte << 8 | static_cast<unsigned char>(text[index + 1]));
}

bool HasCustomForms(Win::UINT codePage, Mapping mapping) {
  return mapping == Mapping::HalfWidth && codePage == 932 && !state.halfWidthForms.empty();
}

// Maps text character by character, as Windows maps it on its way through Unicode.
class TMapper {
 public:
  TMapper(Win::UINT codePage, Mapping mapping)
      : codePage_(codePage), forms_(Forms().Table(codePage, mapping)), custom_(HasCustomForms(codePage, mapping)) {}

  std::string Mapped(std::string_view text) const {
    std::string mapped;
    if (custom_) {
      for (std::size_t index = 0, length = 0; index < text.size(); index += length) mapped += FormAt(text, index, length);
      return mapped;
    }
    // Every form of the tables is at most three bytes long and is copied with its padding
    // in one go; the characters that follow overwrite the padding.
    mapped.resize(kPadded * text.size() + kPadded);
    char* out = mapped.data();
    for (std::size_t index = 0, length = 0; index < text.size(); index += length) {
      const TFormTables::TForm& form = forms_[CharacterAt(codePage_, text, index, length)];
      std::memcpy(out, form.bytes, kPadded);
      out += form.length;
    }
    mapped.resize(static_cast<std::size_t>(out - mapped.data()));
    return mapped;
  }

  // Writes mapped, the mapped text, into destination when it fits into size bytes; else as
  // many whole characters as fit, and false. text may lie in destination.
  bool Write(std::string_view text, const std::string& mapped, char* destination, std::size_t size) const {
    if (mapped.size() <= size) {
      std::memcpy(destination, mapped.data(), mapped.size());
      return true;
    }
    std::string source(text);
    for (std::size_t index = 0, length = 0, written = 0; index < source.size(); index += length) {
      std::string_view form = FormAt(source, index, length);
      if (written + form.size() > size) break;
      std::memcpy(destination + written, form.data(), form.size());
      written += form.size();
    }
    return false;
  }

 private:
  static constexpr std::size_t kPadded = sizeof(TFormTables::TForm::bytes);

  // The form of the character that begins at text[index]; length is set to its bytes in text.
  std::string_view FormAt(std::string_view text, std::size_t index, std::size_t& length) const {
    std::uint16_t code = CharacterAt(codePage_, text, index, length);
    if (custom_) {
      auto found = state.halfWidthForms.find(code > 0xFF ? CodePages::Canonical932(code) : code);
      if (found != state.halfWidthForms.end()) return found->second;
    }
    return {forms_[code].bytes, forms_[code].length};
  }

  Win::UINT codePage_;
  const TFormTables::TForm* forms_;
  bool custom_;
};

Win::DWORD MapInPlace(char* text, Win::DWORD length, Mapping mapping) {
  if (length == 0) {
    SetLastError(Win::ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::string_view source(text, length);
  TMapper mapper(state.ansiCodePage, mapping);
  std::string mapped = mapper.Mapped(source);
  // A lone lead byte grows into the two bytes of the default character and may not fit.
  if (!mapper.Write(source, mapped, text, length)) {
    SetLastError(Win::ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::size_t size = mapped.size();
  return static_cast<Win::DWORD>(size);
}

}  // namespace

bool IsAnsiLeadByte(unsigned char byte) { return IsLeadByteOf(state.ansiCodePage, byte); }

std::string ThroughUnicode(const std::string& text) {
  if (state.ansiCodePage != 932) return text;  // every byte of code page 1252 is a character of its own
  std::string result;
  for (std::size_t index = 0, length = 0; index < text.size(); index += length) {
    std::uint16_t code = CharacterAt(932, text, index, length);
    result += CodePages::CodeBytes(length == 2 ? CodePages::Canonical932(code) : code);
  }
  return result;
}

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
  TMapper mapper(codePage, Mapping::HalfWidth);
  std::string mapped = mapper.Mapped(text);
  auto needed = static_cast<int>(mapped.size());
  if (destinationSize == 0) return needed;
  if (!mapper.Write(text, mapped, destination, static_cast<std::size_t>(destinationSize))) {
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
