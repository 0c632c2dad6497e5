#include "ui/shell/return_services.h"

#include "core/export/export_return.h"
#include "core/model/declaration.h"
#include "core/validation/return_check.h"

namespace kvor::ui {

namespace {

TExportOutcome OutcomeOf(ExportResult result) {
  return TExportOutcome{std::move(result.Result), std::move(result.Messages), result.NotSaved};
}

}  // namespace

// The core's rule walk and exchange file behind the main window's commands.
TReturnServices ProgramReturnServices() {
  TReturnServices services;
  services.FirstFinding = [](mTDeclaration& declaration) -> std::optional<TReturnFinding> {
    std::optional<ReturnFinding> finding = FirstReturnFinding(declaration);
    if (!finding) return std::nullopt;
    return TReturnFinding{finding->Section, finding->Field, finding->Title, finding->Message};
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
