// Windows only: list files opened and read through kernel32.
#include "win32/FileSource.h"

#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

Win::HANDLE OpenListFile(const std::string& path) {
  return Win::CreateFileA(path.c_str(), Win::GENERIC_READ, Win::FILE_SHARE_READ, nullptr, Win::OPEN_EXISTING,
                          Win::FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool TFileSource::Read(char* buffer, std::size_t size, std::size_t& count) {
  Win::DWORD read = 0;
  bool succeeded = Win::ReadFile(file_, buffer, static_cast<Win::DWORD>(size), &read, nullptr) != 0;
  count = succeeded ? read : 0;
  if (succeeded) return true;
  Win::DWORD error = Win::GetLastError();
  if (error != Win::ERROR_BROKEN_PIPE) error_ = error;
  return error_ == 0;
}
