// Simulation only: the clipboard with its blocks of data, opened by one window at a time,
// and the foreground window.
#include <map>
#include <vector>

#include "Machine.h"
#include "SimClipboard.h"
#include "platform/Clipboard.h"

namespace Sim {
namespace Detail {
namespace {

struct ClipboardState {
  // By format; a block's handle is made from its format. Exactly the block's bytes are
  // allocated, so a read past its end is caught by the sanitizers.
  std::map<Win::UINT, std::vector<char>> blocks;
  bool open = false;
  bool heldElsewhere = false;
  bool lockFails = false;
  Win::HWND owner = nullptr;
  Win::HWND foreground = reinterpret_cast<Win::HWND>(static_cast<std::uintptr_t>(0x20020));
  std::vector<std::string> log;
  int locks = 0;
};
ClipboardState state;

void ResetClipboard() { state = ClipboardState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetClipboard);

constexpr std::uintptr_t kFirstBlockHandle = 0x00A10000;

Win::HGLOBAL HandleOf(Win::UINT format) {
  return reinterpret_cast<Win::HGLOBAL>(kFirstBlockHandle + std::uintptr_t{format} * 4);
}

std::vector<char>* BlockOf(Win::HGLOBAL handle) {
  auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value < kFirstBlockHandle || (value - kFirstBlockHandle) % 4 != 0) return nullptr;
  auto found = state.blocks.find(static_cast<Win::UINT>((value - kFirstBlockHandle) / 4));
  return found == state.blocks.end() ? nullptr : &found->second;
}

void Log(const char* call) { state.log.emplace_back(call); }

}  // namespace
}  // namespace Detail

void SetClipboardBlock(const std::string& bytes) {
  Detail::state.blocks.clear();
  Detail::state.blocks[1].assign(bytes.begin(), bytes.end());  // CF_TEXT
}
void SetClipboardText(const std::string& text) { SetClipboardBlock(text + std::string(1, '\0')); }
void SetClipboardPicture() {
  Detail::state.blocks.clear();
  Detail::state.blocks[2].assign(64, '\0');  // CF_BITMAP
}
void ClearClipboard() { Detail::state.blocks.clear(); }
void HoldClipboardElsewhere(bool held) { Detail::state.heldElsewhere = held; }
void SetGlobalLockFails(bool fails) { Detail::state.lockFails = fails; }
void SetForegroundWindowHandle(Win::HWND window) { Detail::state.foreground = window; }
Win::HWND ForegroundWindowHandle() { return Detail::state.foreground; }
const std::vector<std::string>& ClipboardLog() { return Detail::state.log; }
Win::HWND ClipboardOwner() { return Detail::state.owner; }
bool ClipboardIsOpen() { return Detail::state.open; }
int ClipboardLocks() { return Detail::state.locks; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HWND GetForegroundWindow() { return state.foreground; }

BOOL OpenClipboard(HWND owner) {
  if (state.open || state.heldElsewhere) {
    Log("OpenClipboard failed");
    SetLastError(5);  // ERROR_ACCESS_DENIED
    return 0;
  }
  Log("OpenClipboard");
  state.open = true;
  state.owner = owner;
  return 1;
}

HANDLE GetClipboardData(UINT format) {
  Log("GetClipboardData");
  if (!state.open) {
    SetLastError(1418);  // ERROR_CLIPBOARD_NOT_OPEN
    return nullptr;
  }
  return state.blocks.count(format) != 0 ? HandleOf(format) : nullptr;
}

BOOL CloseClipboard() {
  Log("CloseClipboard");
  if (!state.open) {
    SetLastError(1418);  // ERROR_CLIPBOARD_NOT_OPEN
    return 0;
  }
  state.open = false;
  return 1;
}

void* GlobalLock(HGLOBAL memory) {
  Log("GlobalLock");
  std::vector<char>* block = BlockOf(memory);
  if (block == nullptr || state.lockFails) {
    SetLastError(6);  // ERROR_INVALID_HANDLE
    return nullptr;
  }
  ++state.locks;
  return block->data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  Log("GlobalUnlock");
  if (BlockOf(memory) == nullptr || state.locks == 0) {
    SetLastError(158);  // ERROR_NOT_LOCKED
    return 0;
  }
  // Zero once the block is no longer locked, with no error.
  SetLastError(0);
  return --state.locks;
}

std::size_t GlobalSize(HGLOBAL memory) {
  Log("GlobalSize");
  std::vector<char>* block = BlockOf(memory);
  if (block == nullptr) SetLastError(6);  // ERROR_INVALID_HANDLE
  return block == nullptr ? 0 : block->size();
}

}  // namespace Win
