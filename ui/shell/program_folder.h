#pragma once

#include <QString>

namespace kvor::ui {

// The folder of the program, ending with the separator: the help pages and the directory files
// are looked up there.
QString ProgramFolder();
// Puts the program folder elsewhere (tests).
void SetProgramFolder(const QString& folder);

}  // namespace kvor::ui
