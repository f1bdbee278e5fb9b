// Windows only: forwards the dialog, window and message-box calls to user32.
#include "platform/Window.h"

#include "Win32.h"

namespace Win {

namespace {
::HWND Window(HWND window) { return reinterpret_cast<::HWND>(window); }
HWND Ours(::HWND window) { return reinterpret_cast<HWND>(window); }
}  // namespace

INT_PTR DialogBoxParamA(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
  // Our dialog procedure has the platform's calling convention and argument sizes.
  return ::DialogBoxParamA(reinterpret_cast<::HINSTANCE>(instance), templateName, Window(owner),
                           reinterpret_cast<::DLGPROC>(dialogProc), initParam);
}
BOOL EndDialog(HWND dialog, INT_PTR result) { return ::EndDialog(Window(dialog), result); }
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(Window(window), message, wParam, lParam);
}
HWND GetDlgItem(HWND dialog, int id) { return Ours(::GetDlgItem(Window(dialog), id)); }
BOOL EnableWindow(HWND window, BOOL enable) { return ::EnableWindow(Window(window), enable); }
BOOL ShowWindow(HWND window, int showCommand) { return ::ShowWindow(Window(window), showCommand); }
BOOL SetWindowTextA(HWND window, const char* text) { return ::SetWindowTextA(Window(window), text); }
HICON LoadIconA(HINSTANCE instance, const char* name) {
  return reinterpret_cast<HICON>(::LoadIconA(reinterpret_cast<::HINSTANCE>(instance), name));
}
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  return ::MessageBoxA(Window(owner), text, caption, type);
}
HWND FindWindowA(const char* className, const char* windowName) { return Ours(::FindWindowA(className, windowName)); }
HWND GetForegroundWindow() { return Ours(::GetForegroundWindow()); }
BOOL SetForegroundWindow(HWND window) { return ::SetForegroundWindow(Window(window)); }
void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }
DWORD GetClassLongA(HWND window, int index) { return ::GetClassLongA(Window(window), index); }
DWORD SetClassLongA(HWND window, int index, LONG value) { return ::SetClassLongA(Window(window), index, value); }

}  // namespace Win
