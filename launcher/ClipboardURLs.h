// Vorla, clipboard: started without arguments, the launcher opens the first web address of
// every line of the clipboard's text, when the option is on in its settings file.
#pragma once

#include <string>

// Does nothing, and leaves the clipboard untouched, unless "ExecuteURLInClipboard" in
// section "Option" of settingsFile is a non-zero number. Otherwise reads the clipboard's
// text (the foreground window owning it meanwhile) and, line by line and in order, opens
// the line's first address in the default browser, waiting until the browser is ready for
// input. Before the search a line gets half-width forms, loses its outer blanks and has
// "‐" and "ー" turned into "-"; an address that lacks the "h" of its scheme gets it back.
// A start that fails is not reported, and nothing else is tried.
void ExecuteClipboardURLs(const std::string& settingsFile);

// The address opened for one line of the clipboard's text: the line in half-width forms,
// trimmed, with "‐" and then "ー" replaced by "-"; its first address, with the "h" of
// "ttp:" and "ttps:" restored. Empty when the line holds none.
std::string ClipboardAddressIn(const std::string& line);
