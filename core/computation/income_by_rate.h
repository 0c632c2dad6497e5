#pragma once

// Income received from sources in the country, per rate (sheet A), and the income-type code of
// every source.

#include <string>
#include <vector>

#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

// Income at 13 %: a resident's 13 % sources and investment partnerships, or a non-resident's
// 13 % sources.
struct kTSvodSumPrilA13 {
  Money Income;         // total income of the sources
  Money TaxWithheld;    // tax withheld by the sources
  Money TaxComputed;    // tax computed by the sources
  Money TaxableIncome;  // taxable income of the sources
  Money FixedAdvances;  // the foreign worker's fixed advance payments (ForeignerFixedPayments)

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Income", self.Income);
    v("TaxWithheld", self.TaxWithheld);
    v("TaxComputed", self.TaxComputed);
    v("TaxableIncome", self.TaxableIncome);
    v("FixedAdvances", self.FixedAdvances);
  }
  friend bool operator==(const kTSvodSumPrilA13&, const kTSvodSumPrilA13&) = default;
};

// Income of a non-resident at 30 % (Incomes13 of a non-resident) and investment partnerships;
// the same layout serves dividends of a resident at 9 % (kTSvodSumPrilA6).
struct kTSvodSumPrilA30 {
  Money Income;
  Money TaxWithheld;
  Money TaxComputed;
  Money TaxableIncome;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Income", self.Income);
    v("TaxWithheld", self.TaxWithheld);
    v("TaxComputed", self.TaxComputed);
    v("TaxableIncome", self.TaxableIncome);
  }
  friend bool operator==(const kTSvodSumPrilA30&, const kTSvodSumPrilA30&) = default;
};

// Dividends of a resident at 9 %.
struct kTSvodSumPrilA6 : kTSvodSumPrilA30 {};

// Dividends of a non-resident at 15 %.
struct kTSvodSumPrilA15 {
  Money Income;
  Money TaxWithheld;
  Money TaxableIncome;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Income", self.Income);
    v("TaxWithheld", self.TaxWithheld);
    v("TaxableIncome", self.TaxableIncome);
  }
  friend bool operator==(const kTSvodSumPrilA15&, const kTSvodSumPrilA15&) = default;
};

// Income of a resident at 35 %.
struct kTSvodSumPrilA35 {
  Money Income;
  Money TaxWithheld;
  // Tax withheld on income of code 2620 (material benefit on loans for new housing), which is
  // not taxed and so is refundable.
  Money TaxWithheldExempt;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Income", self.Income);
    v("TaxWithheld", self.TaxWithheld);
    v("TaxWithheldExempt", self.TaxWithheldExempt);
  }
  friend bool operator==(const kTSvodSumPrilA35&, const kTSvodSumPrilA35&) = default;
};

// The income-type code of a payer of 13 %-type income from its incomes: "01".."08", empty for a
// payer without incomes. "06" becomes "07" when the payer's computed tax exceeds its withheld tax.
std::string IncomeTypeCodeOf(const mTThirteenPercent& source);

// The calculators. Each returns the sheet of a fresh run and writes the income-type code of the
// sources it reads into the model (kTSvodSumPrilA35 also the taxable income and tax of each
// source that is not of code 2620). Sheets that do not apply to the return type stay zero.
kTSvodSumPrilA6 ComputePrilA6(mTDeclaration& d);
kTSvodSumPrilA13 ComputePrilA13(mTDeclaration& d);
kTSvodSumPrilA15 ComputePrilA15(mTDeclaration& d);
kTSvodSumPrilA30 ComputePrilA30(mTDeclaration& d);
kTSvodSumPrilA35 ComputePrilA35(mTDeclaration& d);

}  // namespace kvor
