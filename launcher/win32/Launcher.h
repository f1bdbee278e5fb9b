// Windows only: Vorla, the launcher. One launcher works at a time; started with arguments
// it executes every one that names an existing list file (".txt", ".vlf", ".url"), in
// command-line order; started without arguments it turns to the clipboard.
#pragma once

#include <string>

// The main routine; returns the exit code, 0. An input/output error on a list file ends
// the process on the spot instead (ExecuteListFile).
int LauncherMain();

// Executes the list file at path from its first line to its last (ListFile.h). When the
// file cannot be opened, read or closed, the process ends at once with ListFileExitCode of
// the system's error number; nothing more is done.
void ExecuteListFile(const std::string& path);

// Does nothing, and leaves the clipboard untouched, unless "ExecuteURLInClipboard" in
// section "Option" of settingsFile is a non-zero number. Otherwise reads the clipboard's
// text (the foreground window owning it meanwhile) and, line by line and in order, opens
// the address of the line's half-width form (ClipboardAddressIn) in the default browser,
// waiting until the browser is ready for input. A start that fails is not reported, and
// nothing else is tried.
void ExecuteClipboardURLs(const std::string& settingsFile);
