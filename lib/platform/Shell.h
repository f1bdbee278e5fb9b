// Win32 boundary: the shell and COM (shell32, ole32, user32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// A value above 32 on success.
HINSTANCE ShellExecuteA(HWND parent, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand);
HWND GetDesktopWindow();
HRESULT CoInitialize(void* reserved);
void CoUninitialize();

}  // namespace Win
