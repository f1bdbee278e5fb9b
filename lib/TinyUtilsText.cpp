// TinyUtils, text half: numbers, case and width, trimming, double-byte model, path parts.
#include "TinyUtilsText.h"

#include <cstring>

#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

namespace TinyUtils {

std::int32_t PlatformId = 0;
TLocaleInfo LocaleInfo;
TLeadByteSet LeadByteSet;

bool TLeadByteSet::Empty() const {
  for (auto word : bits) {
    if (word != 0) return false;
  }
  return true;
}

void Startup() {
  InitPlatformId();
  InitLocaleInfo();
}

void InitPlatformId() {
  PlatformId = 0;
  Win::OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (Win::GetVersionExA(&info)) PlatformId = static_cast<std::int32_t>(info.dwPlatformId);
}

void InitLocaleInfo() {
  LocaleInfo = TLocaleInfo{};
  LeadByteSet = TLeadByteSet{};
  Win::LCID locale = Win::GetThreadLocale();
  if (locale != 0) {
    LocaleInfo.DefaultLCID = locale;
    if ((locale & 0xFFFF) != 0) LocaleInfo.PrimaryLanguage = locale & 0x3FF;
  }
  if (PlatformId == static_cast<std::int32_t>(Win::VER_PLATFORM_WIN32_NT)) {
    if (IsWesternLanguage()) return;
    BuildLeadByteSet(CodePageOfLocale(LocaleInfo.DefaultLCID));
    LocaleInfo.FarEast = !LeadByteSet.Empty();
  } else {
    LocaleInfo.FarEast = Win::GetSystemMetrics(Win::SM_DBCSENABLED) != 0;
    if (LocaleInfo.FarEast) BuildLeadByteSet(CodePageOfLocale(LocaleInfo.DefaultLCID));
  }
}

bool IsWesternLanguage() {
  // Neutral, Danish, German, English, Spanish, Finnish, French, Italian, Dutch,
  // Norwegian, Portuguese and Swedish.
  constexpr std::uint32_t kWesternLanguages = 0x20591EC1;
  return LocaleInfo.PrimaryLanguage <= 31 && ((kWesternLanguages >> LocaleInfo.PrimaryLanguage) & 1u) != 0;
}

std::uint32_t CodePageOfLocale(std::uint32_t locale) {
  char buffer[7] = {};
  if (Win::GetLocaleInfoA(locale, Win::LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer) == 0) return Win::GetACP();
  std::string text(buffer, strnlen(buffer, sizeof buffer));
  return static_cast<std::uint32_t>(StrToIntDefault(text, static_cast<std::int32_t>(Win::GetACP())));
}

void BuildLeadByteSet(std::uint32_t codePage) {
  Win::CPINFO info{};
  if (!Win::GetCPInfo(codePage, &info)) return;
  for (int i = 0; i < Win::MAX_LEADBYTES; i += 2) {
    unsigned first = info.LeadByte[i], last = info.LeadByte[i + 1];
    if (first == 0 && last == 0) break;
    for (unsigned byte = first; byte <= last; ++byte) LeadByteSet.Add(static_cast<unsigned char>(byte));
  }
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TryStrToInt(const std::string& text, std::int32_t& value) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool hex = false;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    i += 1;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (hex) {
    if (i == n) return false;
    std::uint32_t bits = 0;
    for (; i < n; ++i) {
      int digit = HexDigit(text[i]);
      if (digit < 0 || bits > 0x0FFFFFFF) return false;
      bits = bits << 4 | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(bits);
    return true;
  }
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == n) return false;
  // Accumulated in 64 bits, so that no step can overflow before the range test.
  std::int64_t number = 0;
  for (; i < n; ++i) {
    if (text[i] < '0' || text[i] > '9' || number > 214748364) return false;
    number = number * 10 + (text[i] - '0');
  }
  if (negative) number = -number;
  if (number < INT32_MIN || number > INT32_MAX) return false;
  value = static_cast<std::int32_t>(number);
  return true;
}

std::int32_t StrToIntDefault(const std::string& text, std::int32_t defaultValue) {
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

std::string AsciiLowerCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  return result;
}

std::string LowerCase(const std::string& text) {
  std::string result = text;
  if (!result.empty()) Win::CharLowerBuffA(result.data(), static_cast<Win::DWORD>(result.size()));
  return result;
}

std::string UpperCase(const std::string& text) {
  std::string result = text;
  if (!result.empty()) Win::CharUpperBuffA(result.data(), static_cast<Win::DWORD>(result.size()));
  return result;
}

std::string ToHalfWidth(const std::string& text) {
  if (text.empty()) return {};
  Win::LCID locale = Win::GetThreadLocale();
  std::string buffer(text.size() + 1, '\0');
  int count = Win::LCMapStringA(locale, Win::LCMAP_HALFWIDTH, text.c_str(), -1, buffer.data(),
                                static_cast<int>(buffer.size()));
  if (count == 0 && Win::GetLastError() == Win::ERROR_INSUFFICIENT_BUFFER) {
    // A platform whose half-width form is longer: ask for the size and map again.
    int needed = Win::LCMapStringA(locale, Win::LCMAP_HALFWIDTH, text.c_str(), -1, nullptr, 0);
    if (needed > 0) {
      buffer.assign(static_cast<std::size_t>(needed), '\0');
      count = Win::LCMapStringA(locale, Win::LCMAP_HALFWIDTH, text.c_str(), -1, buffer.data(), needed);
    }
  }
  if (count <= 0) return {};
  buffer.resize(static_cast<std::size_t>(count) - 1);
  return buffer;
}

std::string Trim(std::string text) {
  // Cut in place, so that a text handed over (as by Trim(ToHalfWidth(line))) is not copied.
  auto isText = [](char c) { return static_cast<unsigned char>(c) > 0x20; };
  std::size_t first = 0, end = text.size();
  while (first < end && !isText(text[first])) ++first;
  while (end > first && !isText(text[end - 1])) --end;
  text.resize(end);
  text.erase(0, first);
  return text;
}

std::size_t WideLength(const std::string& text) {
  int count = Win::MultiByteToWideChar(Win::CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  return count > 0 ? static_cast<std::size_t>(count) - 1 : 0;  // without the zero
}

const char* FindChar(const char* text, char byte) {
  for (const char* p = text;; ++p) {
    if (*p == byte) return p;
    if (*p == 0) return nullptr;
  }
}

char* CopyToBuffer(char* destination, const std::string& text) {
  std::size_t length = strnlen(text.c_str(), text.size());
  std::memcpy(destination, text.data(), length);
  destination[length] = 0;
  return destination;
}

ByteKind GetBufferByteType(const char* buffer, std::size_t offset) {
  if (!LocaleInfo.FarEast || buffer == nullptr || buffer[offset] == 0) return ByteKind::SingleByte;
  auto isLead = [](char c) { return LeadByteSet.Contains(static_cast<unsigned char>(c)); };
  std::size_t leadsBefore = 0;
  for (std::size_t i = offset; i > 0 && isLead(buffer[i - 1]); --i) ++leadsBefore;
  if (leadsBefore % 2 == 1) return ByteKind::TrailByte;
  return isLead(buffer[offset]) ? ByteKind::LeadByte : ByteKind::SingleByte;
}

ByteKind GetByteType(const std::string& text, std::size_t index) {
  if (!LocaleInfo.FarEast) return ByteKind::SingleByte;
  return GetBufferByteType(text.c_str(), index - 1);
}

std::size_t FindLastDelimiter(const std::string& delimiters, const std::string& text) {
  for (std::size_t i = text.size(); i > 0; --i) {
    char byte = text[i - 1];
    if (byte == 0 || delimiters.find(byte) == std::string::npos) continue;
    if (GetByteType(text, i) == ByteKind::TrailByte) {
      --i;  // the lead byte of that character is no delimiter either
      if (i == 0) break;
      continue;
    }
    return i;
  }
  return 0;
}

std::string ExtractFolder(const std::string& path) {
  return path.substr(0, FindLastDelimiter("\\:", path));
}

std::string ExtractName(const std::string& path) {
  return path.substr(FindLastDelimiter("\\:", path));
}

std::string ExtractExtension(const std::string& path) {
  std::size_t i = FindLastDelimiter(".\\:", path);
  if (i > 0 && path[i - 1] == '.') return path.substr(i - 1);
  return {};
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
  std::size_t i = FindLastDelimiter(".\\:", path);
  if (i > 0 && path[i - 1] == '.') return path.substr(0, i - 1) + extension;
  return path + extension;
}

bool IsBackslashAt(const std::string& text, std::size_t index) {
  return index >= 1 && index <= text.size() && text[index - 1] == '\\' &&
         GetByteType(text, index) == ByteKind::SingleByte;
}

std::string AddTrailingBackslash(const std::string& text) {
  return IsBackslashAt(text, text.size()) ? text : text + "\\";
}

std::string RemoveTrailingBackslash(const std::string& text) {
  return IsBackslashAt(text, text.size()) ? text.substr(0, text.size() - 1) : text;
}

}  // namespace TinyUtils
