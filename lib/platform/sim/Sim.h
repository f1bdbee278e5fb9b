// Simulation only: the controls of the simulated Windows for host tests.
// Every test starts from Reset(): a Japanese NT system (version 5.1, locale 0x0411, code
// page 932) whose program runs as C:\Vorla\Vorla.exe with an empty file system.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"

namespace Sim {

// Clears every part of the simulated machine and restores the defaults above.
void Reset();

// Runs body as the simulated program: on a thread of its own, as a new process. Returns
// body's result, or the code the program gave to ExitProcess (that thread then never
// resumes). At the end the process's handles are closed, as Windows does.
int RunProcess(const std::function<int()>& body);

void SetCommandLine(const std::string& commandLine);
void SetModuleFileName(const std::string& path);

// Platform and locale.
void SetPlatform(Win::DWORD platformId, Win::DWORD major, Win::DWORD minor);
void SetVersionQueryFails(bool fails);
void SetThreadLocale(Win::LCID locale);  // also selects the ANSI code page: 932 for 0x0411, else 1252
void SetAnsiCodePage(Win::UINT codePage);
void SetLocaleInfoFails(bool fails);
void SetDbcsEnabled(bool enabled);  // GetSystemMetrics(SM_DBCSENABLED)
void SetLongPathFunctionPresent(bool present);  // whether kernel32 exports GetLongPathNameA
// The half-width form that LCMapStringA gives one double-byte character of code page 932,
// as on a platform whose forms differ from Windows' own (one longer than the character).
void SetHalfWidthForm(const std::string& character, const std::string& halfWidth);

// A named mutex held by another program (as by another copy of a program).
void HoldMutexElsewhere(const std::string& name);
bool MutexExists(const std::string& name);

}  // namespace Sim
