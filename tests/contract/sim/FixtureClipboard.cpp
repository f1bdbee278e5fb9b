// Simulation only: profile files and the clipboard through the simulated Windows' controls.
#include "FixtureClipboard.h"

#include "platform/sim/SimClipboard.h"
#include "platform/sim/SimProfile.h"

namespace Fixture {

std::string WindowsFolder() { return Sim::kWindowsFolder; }
void RemoveFile(const std::string&) {}  // the next Reset clears the whole machine

void PutClipboardBlock(const std::string& bytes) { Sim::SetClipboardBlock(bytes); }
void PutClipboardPicture() { Sim::SetClipboardPicture(); }
void EmptyClipboard() { Sim::ClearClipboard(); }
void HoldClipboard() { Sim::HoldClipboardElsewhere(true); }
void ReleaseClipboard() { Sim::HoldClipboardElsewhere(false); }

}  // namespace Fixture
