// The command that writes the exchange file of a return.
#include <ostream>

#include "cli/cli.h"
#include "core/common/codec.h"
#include "core/export/export_return.h"
#include "core/model/declaration.h"

namespace kvor::cli {

int CommandExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  mTDeclaration declaration;
  if (!LoadReturn(args[0], declaration, err)) return kExitError;
  bool toOutput = args[1] == "-";
  std::string folder = args[1];
  if (!toOutput && !folder.empty() && folder.back() != '/') folder += '/';
  ExportResult result =
      ExportReturn(folder, declaration, toOutput ? ExportMode::kPrint : ExportMode::kFile);
  if (result.Failed()) {
    for (const std::string& message : result.Messages) {
      err << message;
      if (!result.Reason.empty()) err << " (" << result.Reason << ")";
      err << "\n";
    }
    return kExitError;
  }
  if (toOutput)
    out << Utf8ToCp1251(result.Result);  // the document as its file holds it
  else
    out << result.Result << "\n";
  return kExitOk;
}

}  // namespace kvor::cli
