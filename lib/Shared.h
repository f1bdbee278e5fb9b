// What the launcher and the settings program agree on: the launcher's file name, the
// option in the settings file, and the order of the launcher's icon groups, to which the
// Send To shortcut and the ".vlf" file type refer.
#pragma once

namespace Shared {

inline constexpr const char* kLauncherFileName = "Vorla.exe";
// Section and key of the clipboard option in Vorla.ini.
inline constexpr const char* kOptionSection = "Option";
inline constexpr const char* kClipboardOptionKey = "ExecuteURLInClipboard";
// Icon indexes in Vorla.exe: its icon groups VLEXEICO and VLFILEICO, in that order.
inline constexpr int kProgramIconIndex = 0;
inline constexpr int kListFileIconIndex = 1;

}  // namespace Shared
