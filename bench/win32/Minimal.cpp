// Windows only: the floor of Vorla.exe's start: a program without a window that imports the
// same system DLLs (kernel32, user32, advapi32, shell32, ole32, msvcrt), makes the same
// start-up calls (the platform and locale queries, COM started and released) and returns 0.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdlib>

namespace {

// Referenced, never called: what makes the loader map the DLLs that Vorla.exe imports.
void* volatile const kImports[] = {reinterpret_cast<void*>(&CharNextA), reinterpret_cast<void*>(&RegOpenKeyExA),
                                   reinterpret_cast<void*>(&ShellExecuteA)};

}  // namespace

int main() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  char codePage[7] = {};
  GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, codePage, sizeof codePage);
  CPINFO info{};
  GetCPInfo(static_cast<UINT>(std::atoi(codePage)), &info);
  CoInitialize(nullptr);
  CoUninitialize();
  return kImports[0] != nullptr ? 0 : 1;
}
