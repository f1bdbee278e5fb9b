// TinyShlLnk2: shell link files in the user's Send To folder, and the launcher's shortcut
// there. A link points at a program when its target's file name is the program's file
// name without regard to letter case; a link's own name is compared byte for byte. What
// the links should be is decided here (TinyShlLnk2.cpp); win32/TinyShlLnk2.cpp reads,
// deletes and creates them.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace TinyShlLnk2 {

// The name of the launcher's shortcut in Send To.
inline constexpr const char* kLinkName = "Vorla.lnk";

// The fields of a new link. Empty arguments are written too; an empty working directory
// or icon file is left out.
struct TShellLinkInfo {
  std::string Target;
  std::string Arguments;
  std::string WorkingDirectory;
  std::string IconFile;
  int IconIndex = 0;
  int ShowCommand = 1;
};

// One link file: its name, and its target as the platform upper-cases it (CharUpperBuffA),
// as targets are compared without regard to letter case.
struct TLinkFile {
  std::string Name;
  std::string UpperTarget;
};

// Changes to the links of a folder.
struct TLinkChanges {
  std::vector<std::string> Delete;  // names of the links to delete
  bool Create = false;              // linkName is to be created
};

// The launcher's shortcut for the launcher in programFolder (ending in a backslash).
TShellLinkInfo LauncherShortcut(const std::string& programFolder);
// Whether the link points at a file named like the last part of upperProgram.
bool PointsAt(const TLinkFile& link, const std::string& upperProgram);
// The changes that leave, of all links to a file named like upperTarget's last part, only
// the link linkName that points at upperTarget itself (install), or none at all.
TLinkChanges LinkChanges(const std::vector<TLinkFile>& links, const std::string& linkName,
                         const std::string& upperTarget, bool install);

// Windows only. When Send To cannot be had, nothing is searched, deleted or created. The
// changes go on past a failure and answer 0, or the error number of the failed creation,
// else of the first failed deletion.
// Whether a link in Send To points at a file named programFileName.
bool ShellLinkExists(const std::string& programFileName);
// Carries out LinkChanges for install in Send To, creating the link from info; without
// Send To, ERROR_PATH_NOT_FOUND.
Win::DWORD InstallShellLink(const std::string& linkName, const TShellLinkInfo& info);
// Deletes every link in Send To that points at a file named programFileName.
Win::DWORD RemoveShellLinks(const std::string& programFileName);

}  // namespace TinyShlLnk2
