// Simulation only: the simulated machine's core: reset, processes, handles, last error.
#include "Machine.h"

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "Sim.h"
#include "platform/Process.h"

namespace Sim {
namespace Detail {
namespace {

struct Handle {
  std::shared_ptr<Object> object;
  Win::DWORD owner;
};

struct Core {
  std::map<std::uintptr_t, Handle> handles;
  std::uintptr_t nextHandle = 0x100;
  Win::DWORD lastError = 0;
  Win::DWORD currentProcess = 0;
  Win::DWORD lastProcess = 0;
};
Core core;

std::vector<void (*)()>& Resets() {
  static std::vector<void (*)()> resets;
  return resets;
}

// The end of one simulated process, as the test thread waits for it.
struct ProcessRun {
  std::mutex lock;
  std::condition_variable ended;
  bool done = false;
  bool exitedByCall = false;
  int exitCode = 0;

  void End(int code, bool byCall) {
    std::lock_guard<std::mutex> guard(lock);
    done = true;
    exitedByCall = byCall;
    exitCode = code;
    ended.notify_all();
  }
};
std::shared_ptr<ProcessRun> activeRun;

Win::HANDLE AddHandleOf(std::shared_ptr<Object> object, Win::DWORD owner) {
  core.nextHandle += 4;
  core.handles[core.nextHandle] = Handle{std::move(object), owner};
  return reinterpret_cast<Win::HANDLE>(core.nextHandle);
}

}  // namespace

void Fail(const char* what, const char* file, int line) {
  (void)std::fprintf(stderr, "%s:%d: simulation invariant broken: %s\n", file, line, what);
  std::abort();
}

bool RegisterReset(void (*reset)()) {
  Resets().push_back(reset);
  return true;
}

Win::HANDLE AddHandle(std::shared_ptr<Object> object) { return AddHandleOf(std::move(object), core.currentProcess); }

Win::HANDLE AddForeignHandle(std::shared_ptr<Object> object) { return AddHandleOf(std::move(object), 0); }

Object* HandleObject(Win::HANDLE handle) {
  auto found = core.handles.find(reinterpret_cast<std::uintptr_t>(handle));
  return found == core.handles.end() ? nullptr : found->second.object.get();
}

bool RemoveHandle(Win::HANDLE handle) {
  return core.handles.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1;
}

void SetLastError(Win::DWORD error) { core.lastError = error; }

bool SameName(const std::string& a, const std::string& b) {
  // AsciiUpper(a) == AsciiUpper(b) without the copies: every path step compares names.
  if (a.size() != b.size()) return false;
  auto upper = [](unsigned char byte) { return byte >= 'a' && byte <= 'z' ? byte - 0x20 : byte; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto byte = static_cast<unsigned char>(a[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (upper(byte) != upper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

Win::DWORD CopyOut(const std::string& text, char* buffer, Win::DWORD size) {
  if (text.size() + 1 > size) return static_cast<Win::DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<Win::DWORD>(text.size());
}

std::string AsciiUpper(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < text.size()) {
      ++i;  // the second byte of a double-byte character is no letter
    } else if (byte >= 'a' && byte <= 'z') {
      text[i] = static_cast<char>(byte - 0x20);
    }
  }
  return text;
}

}  // namespace Detail

void Reset() {
  Detail::core.handles.clear();
  Detail::core.lastError = 0;
  for (auto reset : Detail::Resets()) reset();
}

int RunProcess(const std::function<int()>& body) {
  using Detail::core;
  SIM_CHECK(!Detail::activeRun);
  auto run = std::make_shared<Detail::ProcessRun>();
  Detail::activeRun = run;
  core.currentProcess = ++core.lastProcess;
  std::thread program([run, body] { run->End(body(), false); });
  {
    std::unique_lock<std::mutex> guard(run->lock);
    run->ended.wait(guard, [&] { return run->done; });
  }
  // A program that called ExitProcess never resumes; its thread is left waiting.
  if (run->exitedByCall) {
    program.detach();
  } else {
    program.join();
  }
  // The end of a process closes its handles.
  for (auto it = core.handles.begin(); it != core.handles.end();) {
    it = it->second.owner == core.currentProcess ? core.handles.erase(it) : std::next(it);
  }
  core.currentProcess = 0;
  Detail::activeRun.reset();
  return run->exitCode;
}

}  // namespace Sim

namespace Win {

DWORD GetLastError() { return Sim::Detail::core.lastError; }
void SetLastError(DWORD error) { Sim::Detail::core.lastError = error; }

BOOL CloseHandle(HANDLE handle) {
  if (Sim::Detail::Object* object = Sim::Detail::HandleObject(handle); object && object->CloseError() != 0) {
    Sim::Detail::SetLastError(object->CloseError());
    return 0;
  }
  if (Sim::Detail::RemoveHandle(handle)) return 1;
  Sim::Detail::SetLastError(6);  // ERROR_INVALID_HANDLE
  return 0;
}

void ExitProcess(UINT exitCode) {
  auto run = Sim::Detail::activeRun;
  SIM_CHECK(run);
  run->End(static_cast<int>(exitCode), true);
  // The simulated process is over: this thread waits for ever, as if it had ended.
  std::mutex never;
  // cppcheck-suppress localMutex ; a lock nobody else takes, held to wait for ever
  std::unique_lock<std::mutex> guard(never);
  std::condition_variable().wait(guard, [] { return false; });
  std::abort();
}

}  // namespace Win
