// Win32 boundary: the clipboard and the memory blocks that hold its data (user32, kernel32).
#pragma once

#include <cstddef>

#include "platform/WinTypes.h"

namespace Win {

// Zero when another window holds the clipboard open.
BOOL OpenClipboard(HWND owner);
// Null when the clipboard holds no data of that format.
HANDLE GetClipboardData(UINT format);
BOOL CloseClipboard();
// Null on failure.
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
// Size of the block in bytes; 0 on failure.
std::size_t GlobalSize(HGLOBAL memory);

}  // namespace Win
