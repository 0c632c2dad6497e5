#include "ui/shell/return_services.h"

#include "core/model/declaration.h"

namespace kvor::ui {

// The rule walk and the exchange file join here as the core offers them; until then the check
// finds nothing and an export produces no file.
TReturnServices ProgramReturnServices() {
  TReturnServices services;
  services.FirstFinding = [](mTDeclaration&) -> std::optional<TReturnFinding> {
    return std::nullopt;
  };
  services.ExportToFolder = [](mTDeclaration&, const std::string&) {
    return TExportOutcome{"ERROR", {}};
  };
  services.ExportToText = [](mTDeclaration&) { return TExportOutcome{"ERROR", {}}; };
  return services;
}

}  // namespace kvor::ui
