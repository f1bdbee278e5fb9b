// Win32 boundary: the modal dialog, its controls and messages, message boxes, finding,
// raising and asking for the foreground window, window class styles (user32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// The integer resource id in the form the resource functions take for a name.
inline const char* IntResource(WORD id) { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(id)); }

// Runs the dialog of template name modally until EndDialog; its result, or -1 when the
// dialog cannot be created.
INT_PTR DialogBoxParamA(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam);
// Ends the modal loop of the dialog once the current message has been handled.
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Null when the dialog has no control of that id.
HWND GetDlgItem(HWND dialog, int id);
// Non-zero when the window was disabled before.
BOOL EnableWindow(HWND window, BOOL enable);
// Non-zero when the window was visible before.
BOOL ShowWindow(HWND window, int showCommand);
BOOL SetWindowTextA(HWND window, const char* text);
// Null when the module has no icon of that name.
HICON LoadIconA(HINSTANCE instance, const char* name);
// The button the user chose (IDYES, IDNO, ...); 0 on failure.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
// The first top-level window of that class and title; null when there is none.
HWND FindWindowA(const char* className, const char* windowName);
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
void PostQuitMessage(int exitCode);
// A value of the window's class (GCL_STYLE: its class style); 0 on failure.
DWORD GetClassLongA(HWND window, int index);
// The previous value; 0 on failure.
DWORD SetClassLongA(HWND window, int index, LONG value);

}  // namespace Win
