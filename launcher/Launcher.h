// Vorla, the launcher: its main routine. One launcher works at a time; started with
// arguments it executes every one that names an existing list file (".txt", ".vlf",
// ".url"), in command-line order; started without arguments it turns to the clipboard.
#pragma once

// The main routine; returns the exit code, 0. An input/output error on a list file ends
// the process on the spot instead (see ListFile.h).
int LauncherMain();
