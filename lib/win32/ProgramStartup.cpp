// Windows only: the platform's answers for the start-up, and the program folder.
#include "win32/ProgramStartup.h"

#include <cstring>

#include "Paths.h"
#include "Startup.h"
#include "Text.h"
#include "platform/Locale.h"
#include "platform/WinConstants.h"
#include "win32/Arguments.h"
#include "win32/Files.h"

namespace TinyUtils {
namespace {

std::uint32_t CodePageOfLocale(Win::LCID locale) {
  char buffer[7] = {};
  if (Win::GetLocaleInfoA(locale, Win::LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer) == 0) return Win::GetACP();
  std::string text(buffer, strnlen(buffer, sizeof buffer));
  return static_cast<std::uint32_t>(StrToIntDefault(text, static_cast<std::int32_t>(Win::GetACP())));
}

}  // namespace

void Startup() {
  Win::OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  std::int32_t platformId = Win::GetVersionExA(&version) ? static_cast<std::int32_t>(version.dwPlatformId) : 0;
  Win::LCID locale = Win::GetThreadLocale();
  Win::CPINFO codePage{};
  bool known = Win::GetCPInfo(CodePageOfLocale(DefaultLocaleOf(locale)), &codePage) != 0;
  SetPlatform(platformId, locale, Win::GetSystemMetrics(Win::SM_DBCSENABLED) != 0, known ? &codePage : nullptr);
}

}  // namespace TinyUtils

std::string FindProgramFolder() {
  std::string ownPath = CommandLine::ParamStr(0);
  std::string longPath = TinyUtils::GetLongPath(ownPath);
  return TinyUtils::ExtractFolder(longPath.empty() ? ownPath : longPath);
}
