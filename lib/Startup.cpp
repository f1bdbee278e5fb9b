// Program start-up and end, and the platform facts the start-up sets.
#include "Startup.h"

#include <iterator>

#include "platform/WinConstants.h"

int RunProgram(std::initializer_list<TUnitSteps> units, int (*mainRoutine)()) {
  for (const TUnitSteps& unit : units) {
    if (unit.Start != nullptr) unit.Start();
  }
  int exitCode = mainRoutine();
  for (auto unit = std::rbegin(units); unit != std::rend(units); ++unit) {
    if (unit->End != nullptr) unit->End();
  }
  return exitCode;
}

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

namespace {

bool IsWesternLanguage(std::uint32_t primaryLanguage) {
  // Neutral, Danish, German, English, Spanish, Finnish, French, Italian, Dutch,
  // Norwegian, Portuguese and Swedish.
  constexpr std::uint32_t kWesternLanguages = 0x20591EC1;
  return primaryLanguage <= 31 && ((kWesternLanguages >> primaryLanguage) & 1u) != 0;
}

// The lead bytes of GetCPInfo's ranges: pairs of first and last byte, ended by two zeros.
TLeadByteSet LeadBytesOf(const Win::CPINFO& codePage) {
  TLeadByteSet set;
  for (int i = 0; i < Win::MAX_LEADBYTES; i += 2) {
    unsigned first = codePage.LeadByte[i], last = codePage.LeadByte[i + 1];
    if (first == 0 && last == 0) break;
    for (unsigned byte = first; byte <= last; ++byte) set.Add(static_cast<unsigned char>(byte));
  }
  return set;
}

}  // namespace

std::uint32_t DefaultLocaleOf(std::uint32_t threadLocale) { return threadLocale != 0 ? threadLocale : 0x0409; }

void SetPlatform(std::int32_t platformId, std::uint32_t threadLocale, bool dbcsEnabled, const Win::CPINFO* codePage) {
  PlatformId = platformId;
  LocaleInfo = TLocaleInfo{};
  LocaleInfo.DefaultLCID = DefaultLocaleOf(threadLocale);
  if ((threadLocale & 0xFFFF) != 0) LocaleInfo.PrimaryLanguage = threadLocale & 0x3FF;
  bool nt = platformId == static_cast<std::int32_t>(Win::VER_PLATFORM_WIN32_NT);
  bool doubleByte = nt ? !IsWesternLanguage(LocaleInfo.PrimaryLanguage) : dbcsEnabled;
  LeadByteSet = doubleByte && codePage != nullptr ? LeadBytesOf(*codePage) : TLeadByteSet{};
  LocaleInfo.FarEast = nt ? !LeadByteSet.Empty() : dbcsEnabled;
}

}  // namespace TinyUtils
