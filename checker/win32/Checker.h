// Windows only: VLCheck, the list-file checker: shows, for every line of the list files
// named on its command line, what the launcher will do with it, and warns where that is
// probably not what the writer meant. It changes nothing and starts nothing.
#pragma once

#include <string>

#include "ListCheck.h"

// The main routine; returns the exit code: 0 when nothing is wrong, 1 when there are
// warnings, 2 when a file cannot be read or no file is named. Started by a double click
// or with files dropped on it (its console is its own), it waits for a key before it ends.
int CheckerMain();

// Checks the list file at path: opened and read as the launcher does it, each line checked
// against today's platform (CheckLines).
TFileReport CheckListFile(const std::string& path);
