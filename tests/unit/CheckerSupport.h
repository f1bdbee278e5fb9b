// Host tests of the checker: a simulated machine with a browser for http and https, a few
// programs, a document type and a list folder.
#pragma once

#include <string>

#include "LauncherSupport.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimPrograms.h"
#include "platform/sim/SimRegistry.h"

namespace CheckerSupport {

inline const std::string kList = "C:\\Lists\\list.vlf";
inline const std::string kNotepad = "C:\\WINDOWS\\notepad.exe";

// The browser registered for http and https, notepad for ".txt" documents, programs in a
// folder of their own, in the launcher's folder and in a folder with blanks, and a memo.
inline void SetUpMachine() {
  LauncherSupport::RegisterBrowser();
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, "https\\shell\\open\\command", "",
                         "\"" + LauncherSupport::kBrowser + "\" \"%1\"");
  Sim::AddProgram(kNotepad);
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, ".txt", "", "txtfile");
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, "txtfile\\shell\\open\\command", "", kNotepad + " %1");
  Sim::AddProgram("C:\\Tools\\app.exe");
  Sim::AddProgram("C:\\Vorla\\helper.exe");
  Sim::AddProgram("C:\\Program Files\\App\\app.exe");
  Sim::AddFolder("C:\\Lists");
  Sim::AddFile("C:\\Lists\\memo.txt", "memo");
  Sim::AddFile("C:\\Lists\\memo.zzz", "memo");
}

inline void WriteList(const std::string& content, const std::string& path = kList) { Sim::AddFile(path, content); }

}  // namespace CheckerSupport
