// Simulation only: the console of the simulated program, for host tests: what it wrote to
// its standard output, how many processes share its console, and keys pressed in it.
#pragma once

#include <cstddef>
#include <string>

#include "platform/WinTypes.h"

namespace Sim {

// Every byte written to standard output since Reset.
const std::string& ConsoleOutput();
// The processes attached to the program's console, itself included: 2 after Reset (started
// from a command prompt), 1 when the console was made for the program alone (started by a
// double click or by dropping files on it), 0 when it has none.
void SetConsoleProcessCount(Win::DWORD count);
// Standard input comes from a file or a pipe instead of the console.
void SetInputRedirected(bool redirected);
// Queues a key event in the console's input; ReadConsoleInputA takes the events in order.
void QueueKeyEvent(bool keyDown, Win::WORD virtualKey);
// Input events not read yet.
std::size_t PendingConsoleInput();

}  // namespace Sim
