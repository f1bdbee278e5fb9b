// Simulation only: platform version, locales and code pages 932 and 1252, character
// stepping, case and width mapping, string comparison.
#include <algorithm>
#include <cstring>
#include <string>

#include "Machine.h"
#include "Sim.h"
#include "platform/Locale.h"

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
};
LocaleState state;

void ResetLocale() { state = LocaleState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetLocale);

bool IsLeadByteOf(Win::UINT codePage, unsigned char byte) {
  return codePage == 932 && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

Win::UINT ResolveCodePage(Win::UINT codePage) { return codePage == 0 ? state.ansiCodePage : codePage; }

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

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

char* CharNextA(const char* current) {
  auto* p = const_cast<char*>(current);
  if (*p == 0) return p;
  if (IsAnsiLeadByte(static_cast<unsigned char>(*p)) && p[1] != 0) return p + 2;
  return p + 1;
}

DWORD CharLowerBuffA(char* text, DWORD length) {
  for (DWORD i = 0; i < length; ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < length) {
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      text[i] = static_cast<char>(byte + 0x20);
    }
  }
  return length;
}

DWORD CharUpperBuffA(char* text, DWORD length) {
  for (DWORD i = 0; i < length; ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < length) {
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      text[i] = static_cast<char>(byte - 0x20);
    }
  }
  return length;
}

int LCMapStringA(LCID, DWORD, const char* source, int sourceLength, char* destination, int destinationSize) {
  if (source == nullptr || sourceLength == 0 || destinationSize < 0) {
    SetLastError(87);  // ERROR_INVALID_PARAMETER
    return 0;
  }
  std::string text = sourceLength < 0 ? std::string(source, std::strlen(source) + 1)
                                      : std::string(source, static_cast<std::size_t>(sourceLength));
  int needed = static_cast<int>(text.size());
  if (destinationSize == 0) return needed;
  if (destinationSize < needed) {
    SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
    return 0;
  }
  std::memcpy(destination, text.data(), text.size());
  return needed;
}

int CompareStringA(LCID, DWORD flags, const char* string1, int length1, const char* string2, int length2) {
  std::string a = length1 < 0 ? std::string(string1) : std::string(string1, static_cast<std::size_t>(length1));
  std::string b = length2 < 0 ? std::string(string2) : std::string(string2, static_cast<std::size_t>(length2));
  if (flags & 0x1) {  // NORM_IGNORECASE
    a = AsciiUpper(a);
    b = AsciiUpper(b);
  }
  int order = a.compare(b);
  return order < 0 ? 1 : order == 0 ? 2 : 3;
}

LCID GetThreadLocale() { return state.threadLocale; }

int GetLocaleInfoA(LCID, LCTYPE type, char* data, int size) {
  if (state.localeInfoFails || type != 0x1004) {  // LOCALE_IDEFAULTANSICODEPAGE
    SetLastError(1004);                            // ERROR_INVALID_FLAGS
    return 0;
  }
  std::string text = std::to_string(state.ansiCodePage);
  int needed = static_cast<int>(text.size()) + 1;
  if (size == 0) return needed;
  if (size < needed) {
    SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
    return 0;
  }
  std::memcpy(data, text.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

UINT GetACP() { return state.ansiCodePage; }

BOOL GetCPInfo(UINT codePage, CPINFO* info) {
  codePage = ResolveCodePage(codePage);
  if (codePage != 932 && codePage != 1252) {
    SetLastError(87);  // ERROR_INVALID_PARAMETER
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
  return IsLeadByteOf(ResolveCodePage(codePage), testChar) ? 1 : 0;
}

int GetSystemMetrics(int index) { return index == 42 && state.dbcsEnabled ? 1 : 0; }  // SM_DBCSENABLED

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (state.versionQueryFails || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) {
    SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
    return 0;
  }
  info->dwMajorVersion = state.major;
  info->dwMinorVersion = state.minor;
  info->dwBuildNumber = state.platformId == 2 ? 2600 : 1998;
  info->dwPlatformId = state.platformId;
  info->szCSDVersion[0] = 0;
  return 1;
}

}  // namespace Win
