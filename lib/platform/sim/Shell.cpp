// Simulation only: the shell's verbs (recorded, never carried out), the desktop window and COM.
#include "Machine.h"
#include "SimShell.h"
#include "platform/Shell.h"

namespace Sim {
namespace Detail {
namespace {

struct ShellState {
  std::vector<ShellRequest> requests;
  int comInitializations = 0;
  std::string comLog;
};
ShellState state;

void ResetShell() { state = ShellState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetShell);

Win::HWND const kDesktop = reinterpret_cast<Win::HWND>(static_cast<std::uintptr_t>(0x10010));

}  // namespace
}  // namespace Detail

const std::vector<ShellRequest>& ShellRequests() { return Detail::state.requests; }
int ComInitializations() { return Detail::state.comInitializations; }
const std::string& ComLog() { return Detail::state.comLog; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HINSTANCE ShellExecuteA(HWND parent, const char* verb, const char* file, const char* parameters, const char*,
                        int showCommand) {
  state.requests.push_back(Sim::ShellRequest{verb ? verb : "", file ? file : "", parameters ? parameters : "",
                                             parameters == nullptr, parent == kDesktop, showCommand});
  return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(42));  // above 32: done
}

HWND GetDesktopWindow() { return kDesktop; }

HRESULT CoInitialize(void*) {
  state.comLog += '+';
  // The first call on a thread gives S_OK, later ones S_FALSE; each needs its CoUninitialize.
  return state.comInitializations++ == 0 ? 0 : 1;
}

void CoUninitialize() {
  state.comLog += '-';
  if (state.comInitializations > 0) --state.comInitializations;
}

}  // namespace Win
