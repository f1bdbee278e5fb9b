// Simulation only: standard handles, the console (its output kept for the tests, its input
// queued by them, the processes sharing it) and the system's message texts.
#include <cstring>
#include <deque>
#include <map>

#include "Machine.h"
#include "SimConsole.h"
#include "platform/Console.h"

namespace Sim {
namespace Detail {
namespace {

struct ConsoleState {
  std::string output;
  Win::DWORD processCount = 2;
  bool inputRedirected = false;
  std::deque<Win::INPUT_RECORD> input;
};
ConsoleState state;

void ResetConsole() { state = ConsoleState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetConsole);

Win::HANDLE const kInput = reinterpret_cast<Win::HANDLE>(static_cast<std::uintptr_t>(0x0F01));
Win::HANDLE const kOutput = reinterpret_cast<Win::HANDLE>(static_cast<std::uintptr_t>(0x0F02));

bool InputIsConsole() { return state.processCount > 0 && !state.inputRedirected; }

// The texts of a Japanese Windows for the errors a list file can meet, in code page 932.
const std::map<Win::DWORD, std::string> kMessages = {
    {2, "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42\r\n"},  // 指定されたファイルが見つかりません。
    {3, "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x70\x83\x58\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42\r\n"},  // 指定されたパスが見つかりません。
    {5, "\x83\x41\x83\x4E\x83\x5A\x83\x58\x82\xAA\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82\xBD\x81\x42\r\n"},  // アクセスが拒否されました。
    {6, "\x83\x6E\x83\x93\x83\x68\x83\x8B\x82\xAA\x96\xB3\x8C\xF8\x82\xC5\x82\xB7\x81\x42\r\n"},  // ハンドルが無効です。
    {32, "\x83\x76\x83\x8D\x83\x5A\x83\x58\x82\xCD\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC9\x83\x41\x83\x4E\x83\x5A\x83\x58\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42\x95\xCA\x82\xCC\x83\x76\x83\x8D\x83\x5A\x83\x58\x82\xAA\x8E\x67\x97\x70\x92\x86\x82\xC5\x82\xB7\x81\x42\r\n"},  // プロセスはファイルにアクセスできません。別のプロセスが使用中です。
};

}  // namespace
}  // namespace Detail

const std::string& ConsoleOutput() { return Detail::state.output; }
void SetConsoleProcessCount(Win::DWORD count) { Detail::state.processCount = count; }
void SetInputRedirected(bool redirected) { Detail::state.inputRedirected = redirected; }

void QueueKeyEvent(bool keyDown, Win::WORD virtualKey) {
  Win::INPUT_RECORD record{};
  record.EventType = 0x0001;  // KEY_EVENT
  record.Event.KeyEvent.bKeyDown = keyDown ? 1 : 0;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = virtualKey;
  Detail::state.input.push_back(record);
}

std::size_t PendingConsoleInput() { return Detail::state.input.size(); }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HANDLE GetStdHandle(DWORD stdHandle) {
  if (stdHandle == static_cast<DWORD>(-10)) return kInput;   // STD_INPUT_HANDLE
  if (stdHandle == static_cast<DWORD>(-11)) return kOutput;  // STD_OUTPUT_HANDLE
  SetLastError(6);                                           // ERROR_INVALID_HANDLE
  return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, void*) {
  *bytesWritten = 0;
  if (file != kOutput) {
    SetLastError(6);  // ERROR_INVALID_HANDLE: the programs write to nothing else
    return 0;
  }
  state.output.append(static_cast<const char*>(buffer), bytesToWrite);
  *bytesWritten = bytesToWrite;
  return 1;
}

BOOL GetConsoleMode(HANDLE console, DWORD* mode) {
  if (console == kInput && InputIsConsole()) {
    *mode = 0x7;  // the default mode of a console's input: processed, line and echo input
    return 1;
  }
  SetLastError(6);  // ERROR_INVALID_HANDLE
  return 0;
}

DWORD GetConsoleProcessList(DWORD* processList, DWORD processCount) {
  for (DWORD i = 0; i < std::min(processCount, state.processCount); ++i) processList[i] = 0x100 + 4 * i;
  return state.processCount;
}

BOOL ReadConsoleInputA(HANDLE input, INPUT_RECORD* buffer, DWORD length, DWORD* eventsRead) {
  *eventsRead = 0;
  if (input != kInput || !InputIsConsole()) {
    SetLastError(6);  // ERROR_INVALID_HANDLE
    return 0;
  }
  SIM_CHECK(!state.input.empty());  // on Windows the program would wait for ever
  for (; *eventsRead < length && !state.input.empty(); ++*eventsRead) {
    buffer[*eventsRead] = state.input.front();
    state.input.pop_front();
  }
  return 1;
}

DWORD FormatMessageA(DWORD flags, const void*, DWORD messageId, DWORD, char* buffer, DWORD size, void*) {
  SIM_CHECK((flags & 0x1000) != 0 && (flags & 0x100) == 0);  // FROM_SYSTEM into the caller's buffer
  auto found = kMessages.find(messageId);
  if (found == kMessages.end()) {
    SetLastError(317);  // ERROR_MR_MID_NOT_FOUND
    return 0;
  }
  if (found->second.size() + 1 > size) {
    SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
    return 0;
  }
  std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
  return static_cast<DWORD>(found->second.size());
}

}  // namespace Win
