// The command that computes a return and prints the computed summary.
#include <ostream>

#include "cli/cli.h"
#include "core/computation/svod_sum.h"
#include "core/model/declaration.h"

namespace kvor::cli {

int CommandCompute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  mTDeclaration declaration;
  if (!LoadReturn(args[0], declaration, err)) return kExitError;
  kTSvodSum sum;
  bool refundOnly = false;
  try {
    refundOnly = sum.Run(declaration);
  } catch (const ComputationError& error) {
    err << error.what() << "\n";
    return kExitError;
  }
  out << SvodSumToJsonText(sum, refundOnly);
  return kExitOk;
}

}  // namespace kvor::cli
