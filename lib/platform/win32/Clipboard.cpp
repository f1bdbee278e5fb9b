// Windows only: forwards the clipboard and memory-block calls to user32 and kernel32.
#include "platform/Clipboard.h"

#include "Win32.h"

namespace Win {

BOOL OpenClipboard(HWND owner) { return ::OpenClipboard(reinterpret_cast<::HWND>(owner)); }
HANDLE GetClipboardData(UINT format) { return ::GetClipboardData(format); }
BOOL CloseClipboard() { return ::CloseClipboard(); }
void* GlobalLock(HGLOBAL memory) { return ::GlobalLock(memory); }
BOOL GlobalUnlock(HGLOBAL memory) { return ::GlobalUnlock(memory); }
std::size_t GlobalSize(HGLOBAL memory) { return ::GlobalSize(memory); }

}  // namespace Win
