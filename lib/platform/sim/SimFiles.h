// Simulation only: the controls of the simulated file system for host tests.
// Paths are Windows paths ("C:\dir\file"), names match without regard to ASCII case.
// Reset leaves the drive C: with an empty root folder; the current folder is C:\.
#pragma once

#include <optional>
#include <string>

#include "platform/WinTypes.h"

namespace Sim {

// Creates the folder and any missing parents.
void AddFolder(const std::string& path, Win::DWORD attributes = 0x10);
// Creates or replaces a file (its folder must exist), with the archive bit unless told otherwise.
void AddFile(const std::string& path, const std::string& content = {}, Win::DWORD attributes = 0x20);
// The 8.3 name of an entry; a long name gets one made up (LONGNA~1.TXT) when it is created.
std::string ShortName(const std::string& path);
void SetLastWriteTime(const std::string& path, Win::FILETIME time);
// FileTimeToDosDateTime fails (as for a date before 1980 or after 2107).
void SetFileTimeConversionFails(bool fails);
void SetCurrentFolder(const std::string& path);

bool PathExists(const std::string& path);
// The bytes of a file, or nothing when there is no such file.
std::optional<std::string> FileContent(const std::string& path);

}  // namespace Sim
