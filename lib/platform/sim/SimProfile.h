// Simulation only: the profile (INI) files of the simulated Windows, for host tests.
// Profile files are ordinary files of the simulated file system (SimFiles.h: AddFile,
// FileContent). A file name without a backslash or slash names a file in the Windows folder.
#pragma once

namespace Sim {

// The Windows folder, where a bare profile file name is looked for; it always exists for the
// profile functions, as it does on a real system.
inline constexpr const char* kWindowsFolder = "C:\\WINDOWS";

}  // namespace Sim
