#pragma once

class QApplication;

namespace kvor::ui {

// The program: the splash, the main window over the command line's return, and the message loop
// until the main window closes. Returns the exit code.
int RunProgram(QApplication& app);

}  // namespace kvor::ui
