// The whole-return check over a freshly computed return.
#include "core/computation/svod_sum.h"
#include "core/model/declaration.h"
#include "core/validation/return_check.h"

namespace kvor {

void WalkReturn(mTDeclaration& declaration, const ReturnFindingVisitor& visit) {
  kTSvodSum sum;
  bool refundOnly = sum.Run(declaration);
  WalkReturnRules(declaration, refundOnly, visit);
}

std::vector<ReturnFinding> AllReturnFindings(mTDeclaration& declaration) {
  std::vector<ReturnFinding> findings;
  WalkReturn(declaration, [&](const ReturnFinding& finding) {
    findings.push_back(finding);
    return true;
  });
  return findings;
}

std::optional<ReturnFinding> FirstReturnFinding(mTDeclaration& declaration) {
  std::optional<ReturnFinding> first;
  WalkReturn(declaration, [&](const ReturnFinding& finding) {
    first = finding;
    return false;
  });
  return first;
}

uint32_t CheckDoc(mTDeclaration& declaration, ReturnCheckAnswerer& answerer) {
  std::optional<ReturnFinding> finding = FirstReturnFinding(declaration);
  if (!finding) return 0;
  uint16_t field =
      answerer.AskFix(finding->Title, finding->Message) ? finding->Field : kCheckCancelled;
  return finding->Section | (static_cast<uint32_t>(field) << 16);
}

}  // namespace kvor
