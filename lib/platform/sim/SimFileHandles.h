// Simulation only: the controls of open files for host tests: other programs' handles,
// refused access, failing reads and closes, and the reads the programs asked for.
// Handles follow Windows' sharing rules: an open is refused with ERROR_SHARING_VIOLATION
// (32) when its access or sharing clashes with a handle that is already open.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim {

// Opens the file as another program would (not the simulated process, so its end does
// not close it); CloseHandle releases it.
Win::HANDLE OpenElsewhere(const std::string& path, Win::DWORD access, Win::DWORD shareMode);
// Every open of the file is refused with ERROR_ACCESS_DENIED (5).
void DenyAccess(const std::string& path);
// Reads that reach offset bytes into the file fail with error; a read that would cross
// offset first returns the bytes before it. ERROR_BROKEN_PIPE (109) is the usual pipe end.
void FailReadsAt(const std::string& path, std::size_t offset, Win::DWORD error);
// CloseHandle of the file's handles fails with error and leaves them open.
void FailClosing(const std::string& path, Win::DWORD error);
// Runs once, at the start of the next CreateFileA call (before the path is looked up).
void BeforeNextFileOpen(std::function<void()> action);

// The byte counts asked for by every ReadFile call since Reset, in order.
const std::vector<Win::DWORD>& FileReadRequests();
// Open handles to the file, of every program.
int OpenFileHandles(const std::string& path);

}  // namespace Sim
