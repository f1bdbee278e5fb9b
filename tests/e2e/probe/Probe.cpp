// Windows only: the probe program that stands in for a browser or any other program the
// launcher starts. It appends one line to the file named by VORLA_PROBE_LOG (when set):
// the time in milliseconds, its own file name and its command line, tab-separated. Built
// twice: as a window program, which reaches input idle in its message loop and ends a
// moment later (300 ms, or VORLA_PROBE_LINGER_MS), and as a console program, which never
// does.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// Set by the build: 1 for the console program, 0 for the window program.
constexpr bool kConsoleProgram = VORLA_PROBE_CONSOLE;

std::string Line() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, sizeof module);
  return std::to_string(ticks / 10000) + "\t" + module + "\t" + GetCommandLineA() + "\r\n";
}

void AppendToLog() {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("VORLA_PROBE_LOG", path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  std::string line = Line();
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (log != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      CloseHandle(log);
      return;
    }
    Sleep(10);  // another probe is writing
  }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// How long the window program waits for messages before it ends.
UINT LingerMilliseconds() {
  char text[16];
  DWORD length = GetEnvironmentVariableA("VORLA_PROBE_LINGER_MS", text, sizeof text);
  return length == 0 || length >= sizeof text ? 300 : static_cast<UINT>(std::strtoul(text, nullptr, 10));
}

// Waits for messages (the platform then counts the program as ready for input) until a
// timer ends it.
void RunMessageLoop() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VorlaProbe";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("VorlaProbe", "", 0, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, nullptr);
  SetTimer(window, 1, LingerMilliseconds(), nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

}  // namespace

int main() {
  AppendToLog();
  if (!kConsoleProgram) RunMessageLoop();
  return 0;
}
