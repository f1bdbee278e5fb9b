// TinyShlLnk2: shell link files, and the shortcuts to a program in the user's Send To or
// Startup folder. A link's target matches a program when the target's file name equals
// the program's file name without regard to letter case; a link's own name is compared
// byte for byte. Every failure is silent; when the folder cannot be had, nothing is
// searched, deleted or created.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyShlLnk2 {

// The unit's start-up and end steps: CoInitialize(NULL) and CoUninitialize.
void Startup();
void End();

// The fields of a new link. Empty arguments are written too; an empty working directory,
// icon file or description and a hot key of 0 are left out.
struct TShellLinkInfo {
  std::string Description;
  std::string Target;
  std::string Arguments;
  std::string WorkingDirectory;
  std::string IconFile;
  int IconIndex = 0;
  int ShowCommand = 1;
  Win::WORD HotKey = 0;
};

// Saves a link file (replacing a file of that name); skipped when the shell link object
// cannot be had.
void CreateShellLink(const std::string& linkFile, const TShellLinkInfo& info);
// The link's target; empty when it cannot be read (or its path is longer than 260 bytes).
std::string GetShellLinkTarget(const std::string& linkFile);
// Whether a link in the folder (Send To, or else Startup) points at a file named programFileName.
bool ShellLinkExists(const std::string& programFileName, bool sendTo);
// Leaves in the folder, of all links to a file named like info.Target, only the link
// called linkName (a bare file name) that points at info.Target, creating it when missing.
void InstallShellLink(const std::string& linkName, const TShellLinkInfo& info, bool sendTo);
// Deletes every link in the folder that points at a file named programFileName.
void RemoveShellLinks(const std::string& programFileName, bool sendTo);

}  // namespace TinyShlLnk2
