// Simulation only: programs that CreateProcessA can start, the start-up information of the
// running program, the virtual clock of Sleep, and the logs of what the programs did, for
// host tests. A program is a file whose content begins with "MZ" (AddProgram writes one);
// ".bat" and ".cmd" files start as console programs; any other file is refused with
// ERROR_BAD_EXE_FORMAT (193). Sleep never waits: it advances the virtual clock.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim {

// A window program reaches input idle (WaitForInputIdle gives 0); a console program has no
// message queue, and WaitForInputIdle fails at once with WAIT_FAILED.
enum class ProgramKind { Window, Console };

// Creates the program file, and its folders when they are missing.
void AddProgram(const std::string& path, ProgramKind kind = ProgramKind::Window);
// The start-up information GetStartupInfoA gives: shown as showWindow (STARTF_USESHOWWINDOW).
void SetStartupShowWindow(Win::WORD showWindow);

struct ProcessStart {
  std::string commandLine;  // as handed to CreateProcessA
  std::string program;      // the file that was started; empty when the start failed
  Win::DWORD error;         // 0 when started, else the error CreateProcessA reported
  bool applicationNameNull;
  bool inheritHandles;
  Win::DWORD creationFlags;
  bool environmentNull;
  bool currentDirectoryNull;
  Win::STARTUPINFOA startupInfo;  // a copy of what was handed on
  bool waitedForInputIdle;
  Win::DWORD inputIdleTimeout;
};
// Every CreateProcessA call since Reset, in order, started or not.
const std::vector<ProcessStart>& ProcessStarts();
// Process and thread handles of started programs that are still open.
int OpenProcessHandles();
// The file that the process of a handle from CreateProcessA runs; empty for other handles.
std::string StartedProgram(Win::HANDLE process);

// Milliseconds slept since Reset, and every Sleep in order.
Win::DWORD VirtualClock();
const std::vector<Win::DWORD>& Pauses();
// Runs inside every following Sleep, before the clock advances (as another program
// would act while the program sleeps).
void DuringSleep(std::function<void()> action);

// What the programs did, in order: "wait 500" (Sleep), "run LINE" (a program started),
// "fail LINE" (CreateProcessA refused), "open FILE" (ShellExecuteA with "open").
std::vector<std::string> Activity();

}  // namespace Sim
