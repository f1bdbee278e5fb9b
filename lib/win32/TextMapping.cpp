// Windows only: TinyUtils, text through the platform's case, width and Unicode calls.
#include "win32/TextMapping.h"

#include "Startup.h"
#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace TinyUtils {

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

bool AnsiOf(std::u16string_view character, std::string& ansi) {
  char bytes[8];
  Win::BOOL usedDefault = Win::FALSE;
  int count = Win::WideCharToMultiByte(Win::CP_ACP, Win::WC_NO_BEST_FIT_CHARS, character.data(),
                                       static_cast<int>(character.size()), bytes, sizeof bytes, nullptr, &usedDefault);
  if (count <= 0 || usedDefault) return false;
  ansi.append(bytes, static_cast<std::size_t>(count));
  return true;
}

Unicode::TAnsiEncoder UnicodeEncoder() {
  return PlatformId == static_cast<std::int32_t>(Win::VER_PLATFORM_WIN32_NT) ? AnsiOf : nullptr;
}

std::size_t WideLength(const std::string& text) {
  int count = Win::MultiByteToWideChar(Win::CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  return count > 0 ? static_cast<std::size_t>(count) - 1 : 0;  // without the zero
}

}  // namespace TinyUtils
