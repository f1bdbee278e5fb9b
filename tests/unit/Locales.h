// The double-byte model the start-up sets on a Japanese system (code page 932, lead bytes
// 81-9F and E0-FC) or on a western one, for tests of text that depends on it.
#pragma once

#include "Startup.h"
#include "platform/WinConstants.h"

inline Win::CPINFO CodePage932() {
  Win::CPINFO info{};
  const Win::BYTE ranges[] = {0x81, 0x9F, 0xE0, 0xFC};
  std::copy(std::begin(ranges), std::end(ranges), info.LeadByte);
  return info;
}

inline void UseLocale(bool japanese) {
  Win::CPINFO info = CodePage932();
  TinyUtils::SetPlatform(Win::VER_PLATFORM_WIN32_NT, japanese ? 0x0411 : 0x0409, false, &info);
}
