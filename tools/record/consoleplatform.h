#ifndef RECORD_CONSOLEPLATFORM_H
#define RECORD_CONSOLEPLATFORM_H

#include <functional>

// What the command-line tool needs from the system's console; one source file per platform.
namespace ConsolePlatform {

// True when standard error is a terminal (a progress line may then be rewritten in place).
bool errorIsTerminal();
// Calls `stop` on the thread running the Qt event loop when the user interrupts the program
// (SIGINT/SIGTERM, or Ctrl+C and closing the console on Windows). Call once, after the application
// object exists.
bool watchStopRequests(std::function<void()> stop);

} // namespace ConsolePlatform

#endif // RECORD_CONSOLEPLATFORM_H
