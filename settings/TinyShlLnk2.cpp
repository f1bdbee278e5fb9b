// TinyShlLnk2: the launcher's shortcut and the changes to the links of a folder.
#include "TinyShlLnk2.h"

#include "Shared.h"
#include "Paths.h"
#include "platform/WinConstants.h"

namespace TinyShlLnk2 {

TShellLinkInfo LauncherShortcut(const std::string& programFolder) {
  TShellLinkInfo link;
  link.Target = programFolder + Shared::kLauncherFileName;
  link.WorkingDirectory = TinyUtils::RemoveTrailingBackslash(programFolder);
  link.IconFile = link.Target;
  link.IconIndex = Shared::kProgramIconIndex;
  link.ShowCommand = Win::SW_SHOWNORMAL;
  return link;
}

bool PointsAt(const TLinkFile& link, const std::string& upperProgram) {
  return TinyUtils::ExtractName(link.UpperTarget) == TinyUtils::ExtractName(upperProgram);
}

TLinkChanges LinkChanges(const std::vector<TLinkFile>& links, const std::string& linkName,
                         const std::string& upperTarget, bool install) {
  TLinkChanges changes;
  bool found = false;
  for (const TLinkFile& link : links) {
    if (!PointsAt(link, upperTarget)) continue;
    if (install && link.UpperTarget == upperTarget && link.Name == linkName) {
      found = true;
    } else {
      changes.Delete.push_back(link.Name);
    }
  }
  changes.Create = install && !found;
  return changes;
}

}  // namespace TinyShlLnk2
