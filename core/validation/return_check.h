#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

struct mTDeclaration;

// Section codes of the whole-return check: where the field to fix lives.
enum ReturnSection : uint16_t {
  kSectionConditions = 1,     // conditions of the return
  kSectionPersonName = 2,     // taxpayer: name and identity document
  kSectionPersonAddress = 3,  // taxpayer: address
  kSectionIncome13 = 4,       // income at 13 %; the field is the payer's number
  kSectionCurrency = 7,       // foreign-currency income; the field is the record's number
  kSectionBusiness = 8,       // business income; the field is the activity's number
  kSectionDeductions = 9,     // field 1 social deductions, field 2 standard deductions
};

// One problem the whole-return check found: the section and field to go to (a field of the
// screen, or the 1-based number of a record in a list), the section's title and the message.
struct ReturnFinding {
  uint16_t Section = 0;
  uint16_t Field = 0;
  std::string Title;
  std::string Message;

  friend bool operator==(const ReturnFinding&, const ReturnFinding&) = default;
};

// Receives the findings in rule order; returns false to end the walk.
using ReturnFindingVisitor = std::function<bool(const ReturnFinding&)>;

// Walks the rules of the whole-return check over a computed return, in their fixed order,
// handing every problem to `visit` until it asks to stop. `refundOnly` is what the computation
// of the return answered: no rate shows tax to pay and section 1 has a line. Changes nothing.
void WalkReturnRules(const mTDeclaration& declaration, bool refundOnly,
                     const ReturnFindingVisitor& visit);

// Computes the return (which writes the computation's derived values into it), then walks the
// rules. Errors of the computation are passed on to the caller.
void WalkReturn(mTDeclaration& declaration, const ReturnFindingVisitor& visit);

// Every problem of the return, in rule order.
std::vector<ReturnFinding> AllReturnFindings(mTDeclaration& declaration);
// The first problem of the return, or none.
std::optional<ReturnFinding> FirstReturnFinding(mTDeclaration& declaration);

// Whoever answers the whole-return check: the program's dialog, or a script in tests.
class ReturnCheckAnswerer {
 public:
  virtual ~ReturnCheckAnswerer() = default;
  // Puts the problem before the user (caption "Проверка: " and the section title); true for
  // "Исправить", false for "Отмена" or closing the dialog.
  virtual bool AskFix(const std::string& sectionTitle, const std::string& message) = 0;
};

// The field code of a result of CheckDoc that means the user cancelled.
inline constexpr uint16_t kCheckCancelled = 65535;

// The whole-return check: computes the return, stops at the first problem and asks `answerer`.
// Returns the section code in the low 16 bits and the field code in the high 16 bits: field 0
// when the return has no problem (the whole result is then 0), kCheckCancelled when the user
// cancelled, else the field to fix.
uint32_t CheckDoc(mTDeclaration& declaration, ReturnCheckAnswerer& answerer);

}  // namespace kvor
