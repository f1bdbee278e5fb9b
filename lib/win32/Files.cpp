// Windows only: TinyUtils, files: existence, renaming, long paths, folder searches and
// error texts.
#include "win32/Files.h"

#include <cstring>

#include "Text.h"
#include "platform/Console.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace TinyUtils {

bool FileExists(const TFileName& path) {
  Win::DWORD attributes = Win::GetFileAttributesA(path.c_str());
  return attributes != Win::INVALID_FILE_ATTRIBUTES && (attributes & Win::FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool RenameFile(const TFileName& oldPath, const TFileName& newPath) {
  return Win::MoveFileA(oldPath.c_str(), newPath.c_str()) != 0;
}

TFileName GetLongPath(const TFileName& path) {
  if (path.empty()) return {};
  TFileName result;
  Win::HMODULE kernel = Win::LoadLibraryA("kernel32.dll");
  if (kernel == nullptr) return {};
  // Looked up at run time: early platforms do not have it.
  auto getLongPathName =
      reinterpret_cast<Win::GetLongPathNameAProc>(Win::GetProcAddress(kernel, "GetLongPathNameA"));
  if (getLongPathName != nullptr) {
    char buffer[261];
    Win::DWORD count = getLongPathName(path.c_str(), buffer, sizeof buffer);
    if (count >= 1 && count <= 260) result.assign(buffer, strnlen(buffer, sizeof buffer));
  }
  Win::FreeLibrary(kernel);
  return result;
}

namespace {

// Takes the name of the platform's entry, skipping entries with excluded attributes.
std::uint32_t TakeMatch(TSearchRec& search) {
  while ((search.FindData.dwFileAttributes & search.ExcludeMask) != 0) {
    if (!Win::FindNextFileA(search.FindHandle, &search.FindData)) return Win::GetLastError();
  }
  search.Name.assign(search.FindData.cFileName, strnlen(search.FindData.cFileName, sizeof search.FindData.cFileName));
  return 0;
}

}  // namespace

std::uint32_t SearchFirst(const TFileName& pattern, std::uint32_t attributes, TSearchRec& search) {
  // Hidden, system, volume-label and folder entries are skipped unless asked for.
  constexpr std::uint32_t kExcludable = 0x1E;
  search.ExcludeMask = ~attributes & kExcludable;
  search.FindHandle = Win::FindFirstFileA(pattern.c_str(), &search.FindData);
  if (search.FindHandle == Win::INVALID_HANDLE_VALUE) return Win::GetLastError();
  std::uint32_t result = TakeMatch(search);
  if (result != 0) SearchEnd(search);
  return result;
}

std::uint32_t SearchNext(TSearchRec& search) {
  if (!Win::FindNextFileA(search.FindHandle, &search.FindData)) return Win::GetLastError();
  return TakeMatch(search);
}

void SearchEnd(TSearchRec& search) {
  if (search.FindHandle == Win::INVALID_HANDLE_VALUE) return;
  Win::FindClose(search.FindHandle);
  search.FindHandle = Win::INVALID_HANDLE_VALUE;
}

std::string ErrorReason(Win::DWORD error) {
  char buffer[512] = {};
  Win::DWORD length = Win::FormatMessageA(Win::FORMAT_MESSAGE_FROM_SYSTEM | Win::FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, buffer, sizeof buffer, nullptr);
  return Trim(std::string(buffer, length < sizeof buffer ? length : 0));
}

}  // namespace TinyUtils
