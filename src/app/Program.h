#pragma once
// The program: set the application up, create the main window (which shows
// the splash and loads the records), run until it closes.

class QApplication;

namespace caveto {

// Exit codes besides the event loop's own.
constexpr int kExitCancelled = 1; // the splash was cancelled
constexpr int kExitUnreadable = 2; // the record file could not be read or created
constexpr int kExitAlreadyOpen = 3; // another program holds this cellar

// Sets the application up and runs the main window until it closes;
// returns the exit code.
int runProgram(QApplication &app);

} // namespace caveto
