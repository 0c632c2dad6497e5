// The whole-return check from the command line.
#include <ostream>

#include "cli/cli.h"
#include "core/model/declaration.h"
#include "core/validation/return_check.h"

namespace kvor::cli {

int CommandCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  mTDeclaration declaration;
  if (!LoadReturn(args[0], declaration, err)) return kExitError;
  std::vector<ReturnFinding> findings;
  try {
    findings = AllReturnFindings(declaration);
  } catch (const std::exception& error) {
    err << error.what() << "\n";
    return kExitError;
  }
  for (const ReturnFinding& finding : findings)
    out << finding.Section << '\t' << finding.Field << '\t' << finding.Title << '\t'
        << finding.Message << '\n';
  return findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace kvor::cli
