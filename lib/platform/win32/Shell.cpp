// Windows only: forwards the shell and COM calls to shell32, ole32 and user32.
#include "platform/Shell.h"

#include "Win32.h"

#include <objbase.h>
#include <shellapi.h>

namespace Win {

HINSTANCE ShellExecuteA(HWND parent, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand) {
  return reinterpret_cast<HINSTANCE>(
      ::ShellExecuteA(reinterpret_cast<::HWND>(parent), verb, file, parameters, directory, showCommand));
}
HWND GetDesktopWindow() { return reinterpret_cast<HWND>(::GetDesktopWindow()); }
HINSTANCE FindExecutableA(const char* file, const char* directory, char* result) {
  return reinterpret_cast<HINSTANCE>(::FindExecutableA(file, directory, result));
}
HRESULT CoInitialize(void* reserved) { return ::CoInitialize(reserved); }
void CoUninitialize() { ::CoUninitialize(); }

}  // namespace Win
