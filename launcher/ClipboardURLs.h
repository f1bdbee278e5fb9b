// Vorla, clipboard: started without arguments, the launcher opens the first web address of
// every line of the clipboard's text, when the option is on in its settings file
// (win32/Launcher.h). Which address a line holds, and the Unicode text of a clipboard
// block, are decided here.
#pragma once

#include <cstddef>
#include <string>

// The address opened for one line of the clipboard's text, once the line is in half-width
// forms (ToHalfWidth): the line trimmed, with "‐" and then "ー" replaced by "-"; its first
// address, with the "h" of "ttp:" and "ttps:" restored. Empty when the line holds none.
std::string ClipboardAddressIn(const std::string& halfWidthLine);

// The UTF-16 text (CF_UNICODETEXT) of a clipboard block of size bytes: its units up to the
// first zero unit or the block's end, whichever comes first; a last odd byte is no unit.
// Nothing past size is read.
std::u16string Utf16TextOfBlock(const unsigned char* block, std::size_t size);
