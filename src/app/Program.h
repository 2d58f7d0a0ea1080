#pragma once
// The program: set the application up, create the main window (which shows
// the splash and loads the records), run until it closes.

class QApplication;

namespace caveto {

// Returns the exit code: 1 when the splash was cancelled, 2 when the record
// file could not be read or created, otherwise the event loop's result.
int runProgram(QApplication &app);

} // namespace caveto
