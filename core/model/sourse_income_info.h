#pragma once

#include <string>

#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// Who paid an income, and the payer's totals: the common part of every payer record.
struct mTSourseIncomeInfo {
  std::string SourseINN;         // 10 digits for an organisation, 12 for a person, or empty
  std::string SourseKPP;         // 9 digits or empty
  std::string SourseOKTMO;       // 8 or 11 digits, or empty
  std::string SourseIncomeName;  // the payer's name
  // Total income of the payer. Where the payer has a list of incomes it is always their sum.
  Money ItogIncomeSum;
  Money HoldSum;  // tax withheld
  // Two-character income-type code ("01".."08") written by the computation; never stored.
  std::string IncomeTypeCode;

  // The payer's ИНН, КПП, ОКТМО and name, in the order every payer record stores them.
  void SavePayer(mTDocumentStorage& storage) const;
  void LoadPayer(mTDocumentStorage& storage);

  friend bool operator==(const mTSourseIncomeInfo&, const mTSourseIncomeInfo&) = default;
};

}  // namespace kvor
