// Simulation only: windows, the modal dialog of template 100 with its controls, message
// boxes and class styles, driven by a scripted user.
#include <map>

#include "Machine.h"
#include "SimClipboard.h"
#include "SimWindow.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace Sim {
namespace Detail {
namespace {

constexpr Win::DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_AUTOCHECKBOX = 0x3, BS_GROUPBOX = 0x7;

struct Window {
  std::string className{};
  std::string text{};
  Win::HWND parent = nullptr;
  int id = 0;
  Win::DWORD buttonStyle = 0;
  bool enabled = true;
  bool visible = false;
  Win::LRESULT check = 0;
  Win::DLGPROC dialogProc = nullptr;
  bool ended = false;
  std::size_t record = 0;  // index into Dialogs(), for a dialog
};

// The controls of dialog template 100, in tab order.
struct TemplateControl {
  int id;
  Win::DWORD buttonStyle;
};
// The program's one icon group, "MAINICON".
constexpr std::uintptr_t kMainIcon = 0x30001;

constexpr TemplateControl kTemplate100[] = {{1000, BS_GROUPBOX},     {1001, BS_AUTOCHECKBOX},
                                            {1002, BS_AUTOCHECKBOX}, {1003, BS_AUTOCHECKBOX},
                                            {1, BS_DEFPUSHBUTTON},   {2, BS_PUSHBUTTON}};

struct WindowState {
  std::map<std::uintptr_t, Window> windows;
  std::uintptr_t nextWindow = 0x20000;
  std::map<std::string, Win::DWORD> classStyles;  // by upper-cased class name
  DialogScript script;
  int messageBoxAnswer = 7;  // IDNO
  std::vector<DialogRecord> dialogs;
  std::vector<MessageBoxRecord> messageBoxes;
  std::optional<int> quitCode;
};
WindowState state;

void ResetWindows() {
  state = WindowState{};
  state.classStyles["#32770"] = 0x0808;  // CS_SAVEBITS | CS_DBLCLKS
  state.classStyles["BUTTON"] = 0x408B;  // CS_PARENTDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetWindows);

Win::HWND AddWindowOf(Window window) {
  state.nextWindow += 4;
  state.windows[state.nextWindow] = std::move(window);
  return reinterpret_cast<Win::HWND>(state.nextWindow);
}

Window* Find(Win::HWND handle) {
  auto found = state.windows.find(reinterpret_cast<std::uintptr_t>(handle));
  return found == state.windows.end() ? nullptr : &found->second;
}

Window* FindOrFail(Win::HWND handle) {
  Window* window = Find(handle);
  if (window == nullptr) SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
  return window;
}

std::vector<Win::HWND> ChildrenOf(Win::HWND parent) {
  std::vector<Win::HWND> children;
  for (const auto& [id, window] : state.windows) {
    if (window.parent == parent) children.push_back(reinterpret_cast<Win::HWND>(id));
  }
  return children;
}

std::map<int, ControlState> ControlStates(Win::HWND dialog) {
  std::map<int, ControlState> controls;
  for (Win::HWND child : ChildrenOf(dialog)) {
    const Window& control = *Find(child);
    controls[control.id] = ControlState{control.check == 1, control.enabled};
  }
  return controls;
}

// What DefDlgProc does with the messages a dialog procedure leaves alone.
Win::LRESULT DefaultDialogMessage(Win::HWND dialog, Win::UINT message, Win::WPARAM wParam, Win::LPARAM lParam) {
  Window& window = *Find(dialog);
  if (message == Win::WM_SETICON) {
    DialogRecord& record = state.dialogs[window.record];
    if (wParam == Win::ICON_BIG) {
      record.bigIcon = lParam == 0 ? "" : static_cast<std::uintptr_t>(lParam) == kMainIcon ? "MAINICON" : "?";
    } else {
      record.smallIconSet = lParam != 0;
    }
  } else if (message == Win::WM_SYSCOMMAND && (wParam & 0xFFF0) == Win::SC_CLOSE) {
    Win::SendMessageA(dialog, Win::WM_CLOSE, 0, 0);
  } else if (message == Win::WM_CLOSE) {
    Win::SendMessageA(dialog, Win::WM_COMMAND, static_cast<Win::WPARAM>(Win::IDCANCEL),
                      reinterpret_cast<Win::LPARAM>(Win::GetDlgItem(dialog, Win::IDCANCEL)));
  }
  return 0;
}

Win::LRESULT ButtonMessage(Window& button, Win::UINT message, Win::WPARAM wParam) {
  if (message == Win::BM_SETCHECK) {
    if (button.buttonStyle == BS_AUTOCHECKBOX) button.check = static_cast<Win::LRESULT>(wParam);
  } else if (message == Win::BM_GETCHECK) {
    return button.check;
  }
  return 0;
}

void Command(Win::HWND dialog, int id) {
  Win::SendMessageA(dialog, Win::WM_COMMAND, static_cast<Win::WPARAM>(id) | Win::WPARAM{Win::BN_CLICKED} << 16,
                    reinterpret_cast<Win::LPARAM>(Win::GetDlgItem(dialog, id)));
}

// The user's clicks on the shown dialog, then its end, until the dialog has ended.
void PlayScript(Win::HWND dialog) {
  for (int id : state.script.clicks) {
    if (Find(dialog)->ended) return;
    Window* control = Find(Win::GetDlgItem(dialog, id));
    if (control == nullptr || !control->enabled) continue;
    if (control->buttonStyle == BS_AUTOCHECKBOX) control->check = control->check == 1 ? 0 : 1;
    Command(dialog, id);
  }
  if (Find(dialog)->ended) return;
  switch (state.script.end) {
    case DialogEnd::Ok:
      Command(dialog, Win::IDOK);
      break;
    case DialogEnd::Cancel:
    case DialogEnd::Escape:  // the dialog manager turns Esc into the Cancel button's command
      Command(dialog, Win::IDCANCEL);
      break;
    case DialogEnd::CloseBox:
      Win::SendMessageA(dialog, Win::WM_SYSCOMMAND, Win::SC_CLOSE, 0);
      break;
  }
}

}  // namespace
}  // namespace Detail

void ScriptDialog(const DialogScript& script) { Detail::state.script = script; }
void ScriptMessageBoxAnswer(int answer) { Detail::state.messageBoxAnswer = answer; }
const std::vector<DialogRecord>& Dialogs() { return Detail::state.dialogs; }
const std::vector<MessageBoxRecord>& MessageBoxes() { return Detail::state.messageBoxes; }
Win::HWND AddWindow(const std::string& className, const std::string& title) {
  return Detail::AddWindowOf(Detail::Window{.className = className, .text = title, .visible = true});
}
std::optional<int> PostedQuitCode() { return Detail::state.quitCode; }
Win::DWORD ClassStyle(const std::string& className) {
  return Detail::state.classStyles[Detail::AsciiUpper(className)];
}

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

INT_PTR DialogBoxParamA(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
  if (instance != GetModuleHandleA(nullptr) || templateName != IntResource(100)) {
    SetLastError(1814);  // ERROR_RESOURCE_NAME_NOT_FOUND
    return -1;
  }
  Sim::DialogRecord record;
  record.templateId = 100;
  record.hasOwner = owner != nullptr;
  state.dialogs.push_back(record);
  HWND dialog = AddWindowOf(Sim::Detail::Window{
      .className = "#32770", .parent = nullptr, .dialogProc = dialogProc, .record = state.dialogs.size() - 1});
  for (const auto& control : kTemplate100) {
    AddWindowOf(Sim::Detail::Window{.className = "Button", .parent = dialog, .id = control.id,
                                    .buttonStyle = control.buttonStyle, .visible = true});
  }
  std::size_t index = state.dialogs.size() - 1;
  SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 1001)), initParam);
  if (!Find(dialog)->ended) {
    // The dialog manager shows the dialog once WM_INITDIALOG has returned.
    Find(dialog)->visible = true;
    state.dialogs[index].shown = true;
    state.dialogs[index].caption = Find(dialog)->text;
    state.dialogs[index].opened = ControlStates(dialog);
    PlayScript(dialog);
  }
  // A real user would be left in front of a dialog that does not end.
  SIM_CHECK(Find(dialog)->ended);
  state.dialogs[index].closed = ControlStates(dialog);
  state.dialogs[index].visibleAtEnd = Find(dialog)->visible;
  SendMessageA(dialog, WM_DESTROY, 0, 0);
  state.dialogs[index].destroyed = true;
  for (HWND child : ChildrenOf(dialog)) state.windows.erase(reinterpret_cast<std::uintptr_t>(child));
  state.windows.erase(reinterpret_cast<std::uintptr_t>(dialog));
  return *state.dialogs[index].result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  Sim::Detail::Window* window = FindOrFail(dialog);
  if (window == nullptr || window->dialogProc == nullptr) return 0;
  window->ended = true;
  state.dialogs[window->record].result = result;
  return 1;
}

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Sim::Detail::Window* window = FindOrFail(handle);
  if (window == nullptr) return 0;
  if (window->dialogProc == nullptr) return ButtonMessage(*window, message, wParam);
  INT_PTR handled = window->dialogProc(handle, message, wParam, lParam);
  return handled ? 0 : DefaultDialogMessage(handle, message, wParam, lParam);
}

HWND GetDlgItem(HWND dialog, int id) {
  for (HWND child : ChildrenOf(dialog)) {
    if (Find(child)->id == id) return child;
  }
  SetLastError(1421);  // ERROR_CONTROL_ID_NOT_FOUND
  return nullptr;
}

BOOL EnableWindow(HWND handle, BOOL enable) {
  Sim::Detail::Window* window = FindOrFail(handle);
  if (window == nullptr) return 0;
  bool wasDisabled = !window->enabled;
  window->enabled = enable != 0;
  return wasDisabled ? 1 : 0;
}

BOOL ShowWindow(HWND handle, int showCommand) {
  Sim::Detail::Window* window = FindOrFail(handle);
  if (window == nullptr) return 0;
  bool wasVisible = window->visible;
  window->visible = showCommand != SW_HIDE;
  return wasVisible ? 1 : 0;
}

BOOL SetWindowTextA(HWND handle, const char* text) {
  Sim::Detail::Window* window = FindOrFail(handle);
  if (window == nullptr) return 0;
  window->text = text;
  return 1;
}

HICON LoadIconA(HINSTANCE instance, const char* name) {
  // Resource names are matched without regard to case; the program has one icon group.
  if (instance == GetModuleHandleA(nullptr) && reinterpret_cast<std::uintptr_t>(name) > 0xFFFF &&
      SameName(name, "MAINICON")) {
    return reinterpret_cast<HICON>(kMainIcon);
  }
  SetLastError(1814);  // ERROR_RESOURCE_NAME_NOT_FOUND
  return nullptr;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  state.messageBoxes.push_back(Sim::MessageBoxRecord{owner, text, caption ? caption : "", type});
  return state.messageBoxAnswer;
}

HWND FindWindowA(const char* className, const char* windowName) {
  for (const auto& [id, window] : state.windows) {
    if (window.parent != nullptr) continue;
    if (className != nullptr && !SameName(window.className, className)) continue;
    if (windowName != nullptr && !SameName(window.text, windowName)) continue;
    return reinterpret_cast<HWND>(id);
  }
  return nullptr;
}

BOOL SetForegroundWindow(HWND window) {
  if (FindOrFail(window) == nullptr) return 0;
  Sim::SetForegroundWindowHandle(window);  // what GetForegroundWindow answers from now on
  return 1;
}

void PostQuitMessage(int exitCode) { state.quitCode = exitCode; }

DWORD GetClassLongA(HWND handle, int index) {
  Sim::Detail::Window* window = FindOrFail(handle);
  if (window == nullptr) return 0;
  if (index != GCL_STYLE) {
    SetLastError(1413);  // ERROR_INVALID_INDEX
    return 0;
  }
  return state.classStyles[AsciiUpper(window->className)];
}

DWORD SetClassLongA(HWND handle, int index, LONG value) {
  DWORD previous = GetClassLongA(handle, index);
  if (previous == 0) return 0;
  state.classStyles[AsciiUpper(Find(handle)->className)] = static_cast<DWORD>(value);
  return previous;
}

}  // namespace Win
