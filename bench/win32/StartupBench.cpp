// Windows only: times program starts under Wine and prints one table per question.
//   vorla_startup_bench FOLDER ROUNDS LISTROUNDS [PARTS]
// PARTS names the tables to make, of "startup", "lines" and "memory"; all when not given.
// FOLDER (ending in a backslash) holds Vorla.exe, the floor programs (vorla_bare.exe,
// vorla_minimal.exe, vorla_starter.exe), the probe (vorla_probe.exe) and the list files
// empty.vlf, comments.vlf (200 MB of comment lines) and longline.vlf (one 50 MB line);
// the lists of 1,000 probe starts are written here. Each round runs every case once, in
// turn, so that a disturbance of the machine meets all of them alike; medians are printed.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kListLines = 1000;

struct TRun {
  double milliseconds;
  double peakMegabytes;
};

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// Starts the command line and waits for its end: its time, or (watching) its peak working
// set, read every millisecond while it runs, as Wine can tell it only of a living process.
TRun Run(const std::string& commandLine, bool watching = false) {
  STARTUPINFOA startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startupInfo, &process)) {
    std::printf("cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
    std::exit(1);
  }
  SIZE_T peak = 0;
  while (WaitForSingleObject(process.hProcess, watching ? 1 : INFINITE) == WAIT_TIMEOUT) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters)) {
      peak = std::max(peak, counters.PeakWorkingSetSize);
    }
  }
  QueryPerformanceCounter(&end);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart),
          Megabytes(peak)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The time that the fastest tenth of the runs beat: what a start costs when nothing else on
// the machine gets in its way.
double FastestTenth(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 10];
}

struct TCase {
  const char* name;
  std::string commandLine;
  std::vector<double> times;
  std::vector<double> peaks;  // MB
};

// Runs every case once per round, in turn.
void RunRounds(std::vector<TCase>& cases, int rounds, bool watching = false) {
  Run(cases.front().commandLine);  // the first start of a program pays for loading it from disk
  for (int round = 0; round < rounds; ++round) {
    for (TCase& each : cases) {
      TRun run = Run(each.commandLine, watching);
      each.times.push_back(run.milliseconds);
      each.peaks.push_back(run.peakMegabytes);
    }
  }
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

void WriteFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

// The probe registered as the http protocol's "open" command of this prefix.
void RegisterProbeAsBrowser(const std::string& probe) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  std::string command = Quoted(probe) + " \"%1\"";
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>(command.size() + 1));
  RegCloseKey(key);
}

void StartUp(const std::string& folder, int rounds) {
  std::string vorla = Quoted(folder + "Vorla.exe");
  std::vector<TCase> cases = {
      {"bare program (kernel32, msvcrt)", Quoted(folder + "vorla_bare.exe"), {}, {}},
      {"minimal program (same DLLs and start-up calls)", Quoted(folder + "vorla_minimal.exe"), {}, {}},
      {"Vorla.exe, no argument, option off", vorla, {}, {}},
      {"Vorla.exe, empty list file", vorla + " " + Quoted(folder + "empty.vlf"), {}, {}},
  };
  RunRounds(cases, rounds);
  std::printf("\nStart-up under Wine, %d rounds: the median, and the time the fastest tenth of the runs beat\n",
              rounds);
  std::printf("%-48s %10s %11s %10s %11s %10s\n", "program", "median ms", "to minimal", "to bare", "fastest ms",
              "to minimal");
  for (const TCase& each : cases) {
    double median = Median(each.times), fastest = FastestTenth(each.times);
    std::printf("%-48s %10.1f %11.3f %10.3f %11.1f %10.3f\n", each.name, median, median / Median(cases[1].times),
                median / Median(cases[0].times), fastest, fastest / FastestTenth(cases[1].times));
  }
}

void PerLine(const std::string& folder, int rounds) {
  std::string probe = folder + "vorla_probe.exe";
  std::string commands, addresses;
  for (int i = 0; i < kListLines; ++i) {
    commands += probe + "\r\n";
    addresses += "http://a.example/" + std::to_string(i) + "\r\n";
  }
  WriteFile(folder + "probes.vlf", commands);
  WriteFile(folder + "addresses.vlf", addresses);
  RegisterProbeAsBrowser(probe);
  std::string vorla = Quoted(folder + "Vorla.exe");
  std::string starter = Quoted(folder + "vorla_starter.exe");
  std::vector<TCase> cases = {
      {"Vorla.exe, empty list file", vorla + " " + Quoted(folder + "empty.vlf"), {}, {}},
      {"Vorla.exe, 1,000 probe commands", vorla + " " + Quoted(folder + "probes.vlf"), {}, {}},
      {"Vorla.exe, 1,000 addresses (probe as browser)", vorla + " " + Quoted(folder + "addresses.vlf"), {}, {}},
      {"starter, no start", starter + " 0 " + Quoted(probe), {}, {}},
      {"starter, 1,000 probe starts", starter + " " + std::to_string(kListLines) + " " + Quoted(probe), {}, {}},
  };
  RunRounds(cases, rounds);
  auto perLine = [&](std::size_t index, std::size_t base) {
    return (Median(cases[index].times) - Median(cases[base].times)) / kListLines;
  };
  double floor = perLine(4, 3);
  std::printf("\nCost per line under Wine (each line starts the probe, which ends at once), median of %d rounds\n",
              rounds);
  std::printf("%-48s %10s %12s %12s\n", "program", "median ms", "ms per line", "to starter");
  for (std::size_t index : {std::size_t{1}, std::size_t{2}, std::size_t{4}}) {
    std::size_t base = index == 4 ? 3 : 0;
    std::printf("%-48s %10.1f %12.3f %12.3f\n", cases[index].name, Median(cases[index].times), perLine(index, base),
                perLine(index, base) / floor);
  }
}

void Memory(const std::string& folder, int rounds) {
  std::string vorla = Quoted(folder + "Vorla.exe");
  std::vector<TCase> cases = {
      {"empty list file", vorla + " " + Quoted(folder + "empty.vlf"), {}, {}},
      {"200 MB of comment lines", vorla + " " + Quoted(folder + "comments.vlf"), {}, {}},
      {"one line of 50 MB", vorla + " " + Quoted(folder + "longline.vlf"), {}, {}},
  };
  RunRounds(cases, rounds, true);
  double empty = Median(cases[0].peaks);
  std::printf("\nPeak working set of Vorla.exe under Wine, median of %d rounds (read while it runs)\n", rounds);
  std::printf("%-48s %10s %12s %10s\n", "list file", "peak MB", "above empty", "median ms");
  for (const TCase& each : cases) {
    double peak = Median(each.peaks);
    std::printf("%-48s %10.2f %12.2f %10.1f\n", each.name, peak, peak - empty, Median(each.times));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::printf("usage: vorla_startup_bench FOLDER ROUNDS LISTROUNDS [PARTS]\n");
    return 2;
  }
  std::string folder = argv[1];
  int rounds = std::atoi(argv[2]), listRounds = std::atoi(argv[3]);
  std::string parts = argc == 5 ? argv[4] : "startup lines memory";
  // The probe ends as soon as it has become ready for input.
  SetEnvironmentVariableA("VORLA_PROBE_LINGER_MS", "0");
  if (parts.find("startup") != std::string::npos) StartUp(folder, rounds);
  if (parts.find("lines") != std::string::npos) PerLine(folder, listRounds);
  if (parts.find("memory") != std::string::npos) Memory(folder, listRounds);
  return 0;
}
