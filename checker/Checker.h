// VLCheck, the list-file checker: shows, for every line of the list files named on its
// command line, what the launcher will do with it, and warns where that is probably not
// what the writer meant. It changes nothing and starts nothing.
#pragma once

// The main routine; returns the exit code: 0 when nothing is wrong, 1 when there are
// warnings, 2 when a file cannot be read or no file is named. Started by a double click
// or with files dropped on it (its console is its own), it waits for a key before it ends.
int CheckerMain();
