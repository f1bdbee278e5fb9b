// Simulation only: the scripted user at the screen, and what the programs showed, for
// host tests. Reset leaves a user who closes every dialog with its close box and answers
// No to every question, and no window of any other program.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim {

// How the scripted user ends a dialog: the OK or Cancel button, the Esc key, the close box.
enum class DialogEnd { Ok, Cancel, Escape, CloseBox };

// What the user does with every dialog shown from now on: clicks the given controls in
// order (a disabled control ignores the click), then ends the dialog.
struct DialogScript {
  std::vector<int> clicks;
  DialogEnd end = DialogEnd::CloseBox;
};
void ScriptDialog(const DialogScript& script);
// The button the user picks in every message box from now on (IDYES, IDNO), or 0 for a
// box that cannot be shown.
void ScriptMessageBoxAnswer(int answer);

struct ControlState {
  bool checked;
  bool enabled;
  bool operator==(const ControlState&) const = default;
};

// One dialog as the user saw it.
struct DialogRecord {
  int templateId = 0;
  bool hasOwner = false;
  std::string caption;                    // when it was shown
  std::string bigIcon;                    // name of the icon set with WM_SETICON ICON_BIG; empty when none
  bool smallIconSet = false;
  bool shown = false;                     // false when it ended during WM_INITDIALOG
  std::map<int, ControlState> opened;     // the controls by id when it was shown
  std::map<int, ControlState> closed;     // the controls by id when it ended
  bool visibleAtEnd = false;
  std::optional<Win::INT_PTR> result;     // the value given to EndDialog
  bool destroyed = false;                 // WM_DESTROY was sent
};
const std::vector<DialogRecord>& Dialogs();

struct MessageBoxRecord {
  Win::HWND owner;
  std::string text;
  std::string caption;
  Win::UINT type;
};
const std::vector<MessageBoxRecord>& MessageBoxes();

// A top-level window of another program (as the dialog of another copy). SetForegroundWindow
// makes a window the foreground window of SimClipboard.h.
Win::HWND AddWindow(const std::string& className, const std::string& title);
// The exit code of the last PostQuitMessage; nothing when none was posted.
std::optional<int> PostedQuitCode();
// The class style of a window class; dialogs and message boxes are of class "#32770".
Win::DWORD ClassStyle(const std::string& className);

}  // namespace Sim
