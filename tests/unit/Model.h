// The platform as the unit tests and the fuzz targets model it: the double-byte model the
// start-up sets, and the bytes of a text arriving in chunks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "ListFile.h"
#include "Startup.h"
#include "platform/WinConstants.h"

// Code page 932: lead bytes 81-9F and E0-FC.
inline Win::CPINFO CodePage932() { return {2, {0x3F, 0}, {0x81, 0x9F, 0xE0, 0xFC}}; }

// The model of a Japanese NT system, or of a western one.
inline void UseLocale(bool japanese) {
  Win::CPINFO info = CodePage932();
  TinyUtils::SetPlatform(Win::VER_PLATFORM_WIN32_NT, japanese ? 0x0411 : 0x0409, false, &info);
}

// The bytes of data, at most chunk at a time; reading fails once failAt bytes are given.
class TChunks final : public TByteSource {
 public:
  explicit TChunks(std::string data, std::size_t chunk = SIZE_MAX, std::size_t failAt = SIZE_MAX)
      : data_(std::move(data)), chunk_(chunk), failAt_(failAt) {}
  bool Read(char* buffer, std::size_t size, std::size_t& count) override {
    count = std::min({size, chunk_, data_.size() - at_, failAt_ - at_});
    if (count == 0 && at_ == failAt_) return false;
    std::memcpy(buffer, data_.data() + at_, count);
    at_ += count;
    return true;
  }

 private:
  std::string data_;
  std::size_t chunk_, failAt_, at_ = 0;
};
