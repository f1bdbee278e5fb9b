// Windows only: the probe program that stands in for a browser or any other program the
// launcher starts. It appends one line to the file named by VORLA_PROBE_LOG (when set):
// the time in milliseconds, its own file name and its command line, tab-separated. Built
// twice: as a window program, which waits for messages (so the platform counts it ready for
// input) and ends a moment later (300 ms, or VORLA_PROBE_LINGER_MS), and as a console
// program, which never does.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <string>

// Set by the build: 1 for the console program, 0 for the window program.
constexpr bool kConsoleProgram = VORLA_PROBE_CONSOLE;

int main() {
  ULARGE_INTEGER now;  // in 100 ns
  GetSystemTimeAsFileTime(reinterpret_cast<FILETIME*>(&now));
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, sizeof module);
  std::string line = std::to_string(now.QuadPart / 10000) + "\t" + module + "\t" + GetCommandLineA() + "\r\n";
  // Probes started at once share the log: each appends its line in one write.
  const char* logPath = std::getenv("VORLA_PROBE_LOG");
  HANDLE log = CreateFileA(logPath != nullptr ? logPath : "", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  if (kConsoleProgram) return 0;
  const char* linger = std::getenv("VORLA_PROBE_LINGER_MS");
  SetTimer(nullptr, 0, linger != nullptr ? std::strtoul(linger, nullptr, 10) : 300, nullptr);
  MSG message;
  GetMessageA(&message, nullptr, 0, 0);  // waiting for a message: ready for input, until the timer's comes
  return 0;
}
