// Simulation only: the controls of the simulated clipboard and foreground window for host
// tests. Reset leaves the clipboard empty and closed, the foreground window a window of
// another program.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim {

// Replaces the clipboard's contents by one CF_TEXT block that holds exactly these bytes, so
// GlobalSize reports their count; a program would end them with a zero byte, as
// SetClipboardText does, but a block need not hold one.
void SetClipboardBlock(const std::string& bytes);
// Text as programs put it: the bytes and a zero byte.
void SetClipboardText(const std::string& text);
// Only a picture (CF_BITMAP), no text.
void SetClipboardPicture();
// Nothing on the clipboard.
void ClearClipboard();
// Another window holds the clipboard open: OpenClipboard fails while it does.
void HoldClipboardElsewhere(bool held);
// GlobalLock fails for the clipboard's blocks.
void SetGlobalLockFails(bool fails);

void SetForegroundWindowHandle(Win::HWND window);
Win::HWND ForegroundWindowHandle();

// The clipboard calls since Reset, in order: "OpenClipboard", "OpenClipboard failed",
// "GetClipboardData", "GlobalLock", "GlobalSize", "GlobalUnlock", "CloseClipboard".
const std::vector<std::string>& ClipboardLog();
// The owner given to the last OpenClipboard that succeeded; null before.
Win::HWND ClipboardOwner();
bool ClipboardIsOpen();
// Locks of the clipboard's blocks not yet undone.
int ClipboardLocks();

}  // namespace Sim
