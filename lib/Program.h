// How both programs start and end: the units' start-up steps in order, the main routine,
// the end steps in reverse order. Also the program folder and settings file they share.
#pragma once

#include <initializer_list>
#include <string>

// The start-up and end step of one library unit; either may be null.
struct TUnitSteps {
  void (*Start)();
  void (*End)();
};

// Runs the units' start-up steps, then mainRoutine, then the end steps in reverse order;
// returns the main routine's exit code.
int RunProgram(std::initializer_list<TUnitSteps> units, int (*mainRoutine)());

// The folder of the running program: the long form of its own file name, up to and
// including the last backslash or colon. Where the long form cannot be had, the name as
// the platform gave it is used, so the folder is never lost.
std::string FindProgramFolder();

// The settings file both programs share, in the given program folder.
std::string SettingsFileIn(const std::string& programFolder);
