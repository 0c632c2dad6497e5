#pragma once

// Property deductions: on the sale of property, and for buying or building new housing.

#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

struct kTSvodSum;

// Deduction on the sale of property (dwellings, land, other property, redemption).
struct kTSvodSumPrilH1 {
  Money WholeIncome;  // dwelling sold, fixed deduction (1510/901)
  Money WholeDeduction;
  Money ShareDeduction;  // share of a dwelling sold (1511/904)
  Money ShareIncome;
  Money WholeShareIncome;
  Money WholeShareDeduction;  // at most 1 000 000
  Money DocIncome;            // dwelling sold, documented expenses (1510, 1511 with 903)
  Money DocExpenses;          // at most DocIncome
  Money DwellingIncomeTotal;
  Money DwellingDeductionTotal;
  Money OtherIncome;       // other property, fixed deduction (1520/906)
  Money OtherDeduction;    // at most 250 000
  Money OtherDocIncome;    // other property, documented expenses (1520/903)
  Money OtherDocExpenses;  // at most OtherDocIncome
  Money OtherIncomeTotal;
  Money OtherDeductionTotal;
  Money PropertySaleTotal;    // the deduction of the sheet
  Money RedemptionIncome;     // redemption for public needs (4900/908)
  Money RedemptionDeduction;  // at most RedemptionIncome

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("WholeIncome", self.WholeIncome);
    v("WholeDeduction", self.WholeDeduction);
    v("ShareDeduction", self.ShareDeduction);
    v("ShareIncome", self.ShareIncome);
    v("WholeShareIncome", self.WholeShareIncome);
    v("WholeShareDeduction", self.WholeShareDeduction);
    v("DocIncome", self.DocIncome);
    v("DocExpenses", self.DocExpenses);
    v("DwellingIncomeTotal", self.DwellingIncomeTotal);
    v("DwellingDeductionTotal", self.DwellingDeductionTotal);
    v("OtherIncome", self.OtherIncome);
    v("OtherDeduction", self.OtherDeduction);
    v("OtherDocIncome", self.OtherDocIncome);
    v("OtherDocExpenses", self.OtherDocExpenses);
    v("OtherIncomeTotal", self.OtherIncomeTotal);
    v("OtherDeductionTotal", self.OtherDeductionTotal);
    v("PropertySaleTotal", self.PropertySaleTotal);
    v("RedemptionIncome", self.RedemptionIncome);
    v("RedemptionDeduction", self.RedemptionDeduction);
  }
  friend bool operator==(const kTSvodSumPrilH1&, const kTSvodSumPrilH1&) = default;
};

// Deduction for buying or building new housing and for the interest on loans taken for it. The
// members after InterestTotal carry the names of the exchange-file attributes that export them
// (РасчИмущВыч).
struct kTSvodSumPrilZ {
  double ShareFraction = 0;  // share of the object that fixes the limit (1 for whole ownership)
  Money CostTotal;           // the objects' cost, at most the limit
  Money InterestTotal;       // the objects' loan interest
  Money ВычНовЗачПред;       // acquisition deduction granted in previous years
  Money ВычПроцЗачПред;      // interest deduction granted in previous years
  Money ОстВычПршПред;       // acquisition deduction left over from the previous year
  Money ПроцПршПред;         // interest deduction left over from the previous year
  Money ВычНАУвед;           // acquisition deduction granted by agents on notice this year
  Money ПроцНАУвед;          // interest deduction granted by agents on notice this year
  Money НалБаз13БезВыч;      // the 13 % base left for this deduction
  Money РасхНовВычНД;        // acquisition deduction of this return
  Money ПроцВычНД;           // interest deduction of this return
  Money ОстИВБезПроц;        // acquisition deduction carried to the next year
  Money ОстИВУплПроц;        // interest deduction carried to the next year

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ShareFraction", self.ShareFraction);
    v("CostTotal", self.CostTotal);
    v("InterestTotal", self.InterestTotal);
    v("ВычНовЗачПред", self.ВычНовЗачПред);
    v("ВычПроцЗачПред", self.ВычПроцЗачПред);
    v("ОстВычПршПред", self.ОстВычПршПред);
    v("ПроцПршПред", self.ПроцПршПред);
    v("ВычНАУвед", self.ВычНАУвед);
    v("ПроцНАУвед", self.ПроцНАУвед);
    v("НалБаз13БезВыч", self.НалБаз13БезВыч);
    v("РасхНовВычНД", self.РасхНовВычНД);
    v("ПроцВычНД", self.ПроцВычНД);
    v("ОстИВБезПроц", self.ОстИВБезПроц);
    v("ОстИВУплПроц", self.ОстИВУплПроц);
  }
  friend bool operator==(const kTSvodSumPrilZ&, const kTSvodSumPrilZ&) = default;
};

// Zero unless the return is a resident's with 13 % payers or foreign-currency income. The
// documented expenses and the redemption deduction never exceed the income they belong to.
kTSvodSumPrilH1 ComputePrilH1(const mTDeclaration& d);

// Zero unless the return is a resident's whose property deduction is claimed and has an object.
// Writes each object's CountedCost and ShareMark into the model. Reads every other deduction of
// `sum` to find the 13 % base left. A share with denominator 0 counts as whole ownership.
kTSvodSumPrilZ ComputePrilZ(mTDeclaration& d, const kTSvodSum& sum);

}  // namespace kvor
