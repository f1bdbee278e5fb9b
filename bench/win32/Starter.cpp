// Windows only: the floor of the launcher's cost per line: starts a program COUNT times,
// each time with CreateProcessA and its own start-up information, and waits until it is
// ready for input, as the launcher does for every line.
//   vorla_starter COUNT COMMANDLINE
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  int count = std::atoi(argv[1]);
  for (int i = 0; i < count; ++i) {
    STARTUPINFOA startupInfo{};
    GetStartupInfoA(&startupInfo);
    PROCESS_INFORMATION process{};
    char line[MAX_PATH + 2];
    std::strncpy(line, argv[2], sizeof line - 1);
    line[sizeof line - 1] = 0;
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr,
                        &startupInfo, &process)) {
      return 1;
    }
    WaitForInputIdle(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return 0;
}
