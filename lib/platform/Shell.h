// Win32 boundary: the shell and COM (shell32, ole32, user32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// A value above 32 on success.
HINSTANCE ShellExecuteA(HWND parent, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand);
HWND GetDesktopWindow();
// The program the shell opens an existing document with (or the file itself when it is a
// program), written to result (MAX_PATH bytes); a value above 32 on success, SE_ERR_FNF
// when there is no such file, SE_ERR_NOASSOC when nothing is associated with it.
HINSTANCE FindExecutableA(const char* file, const char* directory, char* result);
HRESULT CoInitialize(void* reserved);
void CoUninitialize();

}  // namespace Win
