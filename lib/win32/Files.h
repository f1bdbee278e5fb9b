// Windows only: TinyUtils, files: existence, renaming, the long form of a path, folder
// searches, the system's text for an error code. Every failure is a result: false, the
// empty text or the platform's error code.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace TinyUtils {

using TFileName = std::string;

// One folder search and its current match; the caller owns it, SearchEnd closes it.
struct TSearchRec {
  TFileName Name;
  std::uint32_t ExcludeMask = 0;
  Win::HANDLE FindHandle = reinterpret_cast<Win::HANDLE>(static_cast<std::intptr_t>(-1));
  Win::WIN32_FIND_DATAA FindData{};
};

bool FileExists(const TFileName& path);  // an existing entry that is not a folder
bool RenameFile(const TFileName& oldPath, const TFileName& newPath);
// The long form of path; empty when path is empty, missing, too long for 260 bytes, or
// the platform has no GetLongPathNameA.
TFileName GetLongPath(const TFileName& path);

// 0 when a match was found, else the platform's error code (no search is then open).
std::uint32_t SearchFirst(const TFileName& pattern, std::uint32_t attributes, TSearchRec& search);
// 0 when a further match was found, else the error code (18 at the end); never closes.
std::uint32_t SearchNext(TSearchRec& search);
void SearchEnd(TSearchRec& search);  // harmless when no search is open

// The system's text for an error number (FormatMessageA), without its line end; empty when
// it has none.
std::string ErrorReason(Win::DWORD error);

}  // namespace TinyUtils
