// Vorla, clipboard: started without arguments, the launcher opens the first web address of
// every line of the clipboard's text, when the option is on in its settings file
// (win32/Launcher.h). Which address a line holds is decided here.
#pragma once

#include <string>

// The address opened for one line of the clipboard's text, once the line is in half-width
// forms (ToHalfWidth): the line trimmed, with "‐" and then "ー" replaced by "-"; its first
// address, with the "h" of "ttp:" and "ttps:" restored. Empty when the line holds none.
std::string ClipboardAddressIn(const std::string& halfWidthLine);
