// TinyUtils, clipboard: the clipboard's text, held open only while it is copied.
#include "TinyUtilsClipboard.h"

#include <cstring>

#include "platform/Clipboard.h"
#include "platform/WinConstants.h"

namespace TinyUtils {

std::string GetClipboardText(Win::HWND owner) {
  std::string text;
  if (!Win::OpenClipboard(owner)) return text;
  Win::HANDLE data = Win::GetClipboardData(Win::CF_TEXT);
  if (data != nullptr) {
    const auto* bytes = static_cast<const char*>(Win::GlobalLock(data));
    // A block need not end in a zero byte: the copy never runs past the block's size.
    if (bytes != nullptr) text.assign(bytes, strnlen(bytes, Win::GlobalSize(data)));
    Win::GlobalUnlock(data);
  }
  Win::CloseClipboard();
  return text;
}

}  // namespace TinyUtils
