#include "ui/shell/return_services.h"

#include "core/export/export_return.h"
#include "core/model/declaration.h"

namespace kvor::ui {

namespace {

TExportOutcome OutcomeOf(ExportResult result) {
  return TExportOutcome{std::move(result.Result), std::move(result.Messages)};
}

}  // namespace

// The rule walk joins here as the core offers it; until then the check finds nothing.
TReturnServices ProgramReturnServices() {
  TReturnServices services;
  services.FirstFinding = [](mTDeclaration&) -> std::optional<TReturnFinding> {
    return std::nullopt;
  };
  services.ExportToFolder = [](mTDeclaration& declaration, const std::string& folder) {
    return OutcomeOf(ExportReturn(folder, declaration, ExportMode::kFile));
  };
  services.ExportToText = [](mTDeclaration& declaration) {
    return OutcomeOf(ExportReturn(std::string(), declaration, ExportMode::kPrint));
  };
  return services;
}

}  // namespace kvor::ui
