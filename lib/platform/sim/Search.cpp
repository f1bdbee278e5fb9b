// Simulation only: folder searches with Windows wildcards and file-time conversions.
#include <algorithm>
#include <cstring>

#include "FileSystem.h"
#include "Machine.h"
#include "SimFiles.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace Sim {
namespace Detail {
namespace {

struct SearchState {
  bool timeConversionFails = false;
};
SearchState state;

void ResetSearch() { state = SearchState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetSearch);

struct Entry {
  std::string name;
  std::string shortName;
  Win::DWORD attributes;
  std::uint64_t size;
  Win::FILETIME lastWrite;
};

// An open search: the matches, taken when it began, in name order as NTFS gives them.
struct Search : Object {
  std::vector<Entry> matches;
  std::size_t next = 0;
};

void Fill(const Entry& entry, Win::WIN32_FIND_DATAA* data) {
  *data = Win::WIN32_FIND_DATAA{};
  data->dwFileAttributes = entry.attributes;
  data->ftCreationTime = data->ftLastAccessTime = data->ftLastWriteTime = entry.lastWrite;
  data->nFileSizeHigh = static_cast<Win::DWORD>(entry.size >> 32);
  data->nFileSizeLow = static_cast<Win::DWORD>(entry.size);
  std::strncpy(data->cFileName, entry.name.c_str(), sizeof data->cFileName - 1);
  std::strncpy(data->cAlternateFileName, entry.shortName.c_str(), sizeof data->cAlternateFileName - 1);
}

}  // namespace
}  // namespace Detail

void SetFileTimeConversionFails(bool fails) { Detail::state.timeConversionFails = fails; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* findData) {
  std::string name;
  DWORD error = 0;
  FileNode* folder = FindParent(pattern, &name, &error);
  if (folder == nullptr) {
    SetLastError(error);
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
  }
  auto search = std::make_shared<Search>();
  if (folder->parent != nullptr) {
    // A folder other than a drive's root lists itself and its parent as "." and "..".
    for (const char* dots : {".", ".."}) {
      if (MatchesWildcard(name, dots)) search->matches.push_back(Entry{dots, "", 0x10, 0, folder->lastWrite});
    }
  }
  std::vector<FileNode*> children;
  for (const auto& child : folder->children) children.push_back(child.get());
  std::sort(children.begin(), children.end(),
            [](FileNode* a, FileNode* b) { return AsciiUpper(a->name) < AsciiUpper(b->name); });
  for (FileNode* child : children) {
    if (MatchesWildcard(name, child->name) || (!child->shortName.empty() && MatchesWildcard(name, child->shortName))) {
      search->matches.push_back(
          Entry{child->name, child->shortName, child->attributes, child->content.size(), child->lastWrite});
    }
  }
  if (search->matches.empty()) {
    SetLastError(2);  // ERROR_FILE_NOT_FOUND
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
  }
  Fill(search->matches[0], findData);
  search->next = 1;
  return AddHandle(search);
}

BOOL FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* findData) {
  auto* search = HandleAs<Search>(handle);
  if (search == nullptr) {
    SetLastError(6);  // ERROR_INVALID_HANDLE
    return 0;
  }
  if (search->next >= search->matches.size()) {
    SetLastError(18);  // ERROR_NO_MORE_FILES
    return 0;
  }
  Fill(search->matches[search->next++], findData);
  return 1;
}

BOOL FindClose(HANDLE handle) {
  if (HandleAs<Search>(handle) == nullptr) {
    SetLastError(6);  // ERROR_INVALID_HANDLE
    return 0;
  }
  return CloseHandle(handle);
}

BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime) {
  *localFileTime = *fileTime;  // the simulated machine keeps universal time
  return 1;
}

BOOL FileTimeToDosDateTime(const FILETIME* fileTime, WORD* dosDate, WORD* dosTime) {
  std::uint64_t ticks = (std::uint64_t{fileTime->dwHighDateTime} << 32) | fileTime->dwLowDateTime;
  std::int64_t seconds = static_cast<std::int64_t>(ticks / 10'000'000) - 11644473600;  // since 1970
  std::int64_t days = seconds / 86400, rest = seconds % 86400;
  // Civil date from days since 1970-01-01 (proleptic Gregorian).
  std::int64_t z = days + 719468, era = z / 146097, doe = z - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
  std::int64_t day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
  std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  if (state.timeConversionFails || year < 1980 || year > 2107) {
    SetLastError(87);  // ERROR_INVALID_PARAMETER
    return 0;
  }
  *dosDate = static_cast<WORD>(((year - 1980) << 9) | (month << 5) | day);
  *dosTime = static_cast<WORD>(((rest / 3600) << 11) | (((rest / 60) % 60) << 5) | ((rest % 60) / 2));
  return 1;
}

}  // namespace Win
