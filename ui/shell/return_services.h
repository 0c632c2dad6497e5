#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvor {
struct mTDeclaration;
}

namespace kvor::ui {

// A problem the whole-return check found: the section and field to go to, the section's title
// and the message.
struct TReturnFinding {
  uint16_t Section = 0;
  uint16_t Field = 0;
  std::string Title;
  std::string Message;
};

// What an export produced: the written file's name (mode "file") or the document text (mode
// "print"), or "ERROR"; and the messages the computation and the export raised on the way, to be
// shown in order before the command's own message.
struct TExportOutcome {
  std::string Result;
  std::vector<std::string> Messages;
  // The document was built but the folder would not take the file.
  bool NotSaved = false;
};

// The core's services behind the main window's "Квор" commands.
struct TReturnServices {
  // The first problem of the whole-return walk, or none.
  std::function<std::optional<TReturnFinding>(mTDeclaration&)> FirstFinding;
  // Writes the exchange file into `folder` (which ends with the separator).
  std::function<TExportOutcome(mTDeclaration&, const std::string& folder)> ExportToFolder;
  // Builds the exchange document's text for the print module.
  std::function<TExportOutcome(mTDeclaration&)> ExportToText;
};

// The services of the program.
TReturnServices ProgramReturnServices();

}  // namespace kvor::ui
