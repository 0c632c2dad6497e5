#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvor {
struct mTDeclaration;
}

namespace kvor::cli {

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;
inline constexpr int kExitError = 2;

// Runs the command-line tool on its arguments (without the program name). Output goes to `out`,
// messages in Russian to `err`.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Loads the return file named `file` into `declaration`; on failure writes the user's message
// to `err` and returns false.
bool LoadReturn(const std::string& file, mTDeclaration& declaration, std::ostream& err);

// The commands, one per file; each returns an exit status.
int CommandNew(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandLoad(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandCompute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandImportRates(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandImportOkved(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandImportSoun(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CommandCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kvor::cli
