// TinyUtils, clipboard: the clipboard's text, read with a given owner window.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyUtils {

// The clipboard's CF_TEXT bytes up to the first zero byte (never past the end of the
// clipboard's block); empty when the clipboard cannot be opened or holds no text.
std::string GetClipboardText(Win::HWND owner);

}  // namespace TinyUtils
