#include "ui/shell/sections.h"

#include "core/model/declaration.h"

namespace kvor::ui {

bool SectionEnabled(TSection section, int incomeFlags, int declarationType) {
  switch (section) {
    case TSection::kInitialData:
    case TSection::kPersonData:
      return true;
    case TSection::kRussianIncome:
      return (incomeFlags & kIncomeInCountry) != 0;
    case TSection::kForeignIncome:
      return (incomeFlags & kIncomeForeign) != 0;
    case TSection::kInvestTov:
      return (incomeFlags & kIncomeInvestTov) != 0;
    case TSection::kBusinessIncome:
      return (incomeFlags & kIncomeBusiness) != 0;
    case TSection::kDeduction:
      return incomeFlags != 0 && declarationType != kDeclaration3NDFLNonResident &&
             declarationType != kDeclaration4NDFL;
  }
  return false;
}

}  // namespace kvor::ui
