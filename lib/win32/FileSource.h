// Windows only: a list file opened and read as the launcher does it, for the launcher and
// the checker alike; its lines are read by TLineReader (ListFile.h).
#pragma once

#include <string>

#include "ListFile.h"
#include "platform/WinTypes.h"

// Opens a list file as the launcher does: read access, shared for reading only, the file
// must exist. INVALID_HANDLE_VALUE on failure (GetLastError tells why).
Win::HANDLE OpenListFile(const std::string& path);

// The bytes of an open file through ReadFile. A broken pipe is the end of the data.
class TFileSource final : public TByteSource {
 public:
  explicit TFileSource(Win::HANDLE file) : file_(file) {}
  bool Read(char* buffer, std::size_t size, std::size_t& count) override;
  // The system's error number of the read that failed; 0 while none has failed.
  Win::DWORD Error() const { return error_; }

 private:
  Win::HANDLE file_;
  Win::DWORD error_ = 0;
};
