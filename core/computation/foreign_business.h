#pragma once

// Business income, partly exempt income, and income received abroad in foreign currency.

#include <array>
#include <string>
#include <vector>

#include "core/common/date.h"
#include "core/common/money.h"
#include "core/computation/tax_rules.h"
#include "core/model/declaration.h"

namespace kvor {

// Business and private-practice income.
struct kTSvodSumPrilV1 {
  Money BusinessIncome;
  Money BusinessProfDeduction;  // documented or norm expenses, at most BusinessIncome
  Money AdvancesPaid;           // advance payments actually paid (ActualPrepayment)
  Money AdvancesAccrued;        // advance payments assessed (NachPrepayment)

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("BusinessIncome", self.BusinessIncome);
    v("BusinessProfDeduction", self.BusinessProfDeduction);
    v("AdvancesPaid", self.AdvancesPaid);
    v("AdvancesAccrued", self.AdvancesAccrued);
  }
  friend bool operator==(const kTSvodSumPrilV1&, const kTSvodSumPrilV1&) = default;
};

// One kind of partly exempt income: the income received and its exempt part.
struct kTExemptPair {
  Money ДоходВсИст;  // income received
  Money ДоходНеНал;  // the part that is not taxed

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДоходВсИст", self.ДоходВсИст);
    v("ДоходНеНал", self.ДоходНеНал);
  }
  friend bool operator==(const kTExemptPair&, const kTExemptPair&) = default;
};

// Income partly exempt from tax: gifts, prizes, material aid and the like. The pairs carry the
// names of the exchange-file elements that export them.
struct kTSvodSumPrilM {
  kTExemptPair МатПомРожд;  // 2762 / 508, exempt as claimed
  kTExemptPair МатПомРаб;   // 2760 / 503, up to 4000 a year
  kTExemptPair ДопСВПенс;   // 1211 / 607, up to 12 000
  kTExemptPair МатПомИнв;   // 2761 / 506, up to 4000
  kTExemptPair ПодарНП;     // 2720 / 501, up to 4000
  kTExemptPair ПризНП;      // 2730 / 502, up to 4000
  kTExemptPair ВозмМед;     // 2770 / 504, up to 4000
  kTExemptPair ПомПодар;    // 2790 / 507, up to 10 000
  kTExemptPair НатОплСХ;    // 2791 / 509, exempt as claimed
  Money ExemptTotal;        // the nine exempt parts
  Money AdvertisingIncome;  // prizes in advertising (2740): ДоходВсИст of ПризРекл
  Money AdvertisingExempt;  // up to 4000 for the whole return: ДоходНеНал of ПризРекл

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("МатПомРожд", self.МатПомРожд);
    v("МатПомРаб", self.МатПомРаб);
    v("ДопСВПенс", self.ДопСВПенс);
    v("МатПомИнв", self.МатПомИнв);
    v("ПодарНП", self.ПодарНП);
    v("ПризНП", self.ПризНП);
    v("ВозмМед", self.ВозмМед);
    v("ПомПодар", self.ПомПодар);
    v("НатОплСХ", self.НатОплСХ);
    v("ExemptTotal", self.ExemptTotal);
    v("AdvertisingIncome", self.AdvertisingIncome);
    v("AdvertisingExempt", self.AdvertisingExempt);
  }
  friend bool operator==(const kTSvodSumPrilM&, const kTSvodSumPrilM&) = default;
};

// One foreign-currency income as the foreign-income sheet lists it.
struct DohodCur {
  std::string CountryCode;
  std::string SourseIncomeName;
  std::string CurrencyCode;
  Date IncomeDate;
  std::string IncomeRateText;      // roubles for one unit on the income date, e.g. "6.5432"; empty
                                   // when the rate has no units
  std::string IncomeCurrencyText;  // income in the currency, "1234.56" (cut to kopecks)
  Money IncomeRublSum;
  int32_t IncomeCode = 0;
  Money SubtractSum;
  Date TaxDate;
  std::string TaxRateText;      // roubles for one unit on the tax date
  std::string TaxCurrencyText;  // tax paid abroad in the currency, "1234.56"
  Money TaxRoubleSum;           // tax paid abroad in roubles
  Money TaxComputedRF;          // tax on the income at the rate in the country, whole roubles
  Money TaxCredited;            // the foreign tax credited, whole roubles

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("CountryCode", self.CountryCode);
    v("SourseIncomeName", self.SourseIncomeName);
    v("CurrencyCode", self.CurrencyCode);
    v("IncomeDate", self.IncomeDate);
    v("IncomeRateText", self.IncomeRateText);
    v("IncomeCurrencyText", self.IncomeCurrencyText);
    v("IncomeRublSum", self.IncomeRublSum);
    v("IncomeCode", self.IncomeCode);
    v("SubtractSum", self.SubtractSum);
    v("TaxDate", self.TaxDate);
    v("TaxRateText", self.TaxRateText);
    v("TaxCurrencyText", self.TaxCurrencyText);
    v("TaxRoubleSum", self.TaxRoubleSum);
    v("TaxComputedRF", self.TaxComputedRF);
    v("TaxCredited", self.TaxCredited);
  }
  friend bool operator==(const DohodCur&, const DohodCur&) = default;
};

// Foreign-currency income at one rate.
struct kTSvodSumPrilB {
  Money IncomeRub;      // income in roubles
  Money ForeignTaxRub;  // tax paid abroad in roubles
  Money TaxComputedRF;  // the lines' tax in the country
  Money TaxCredited;    // the lines' credited foreign tax
  std::vector<DohodCur> Lines;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("IncomeRub", self.IncomeRub);
    v("ForeignTaxRub", self.ForeignTaxRub);
    v("TaxComputedRF", self.TaxComputedRF);
    v("TaxCredited", self.TaxCredited);
    v("Lines", self.Lines);
  }
  friend bool operator==(const kTSvodSumPrilB&, const kTSvodSumPrilB&) = default;
};

// Positions of the three foreign-income sheets in kTSvodSum::PrilB, and their rates.
inline constexpr int kForeign13 = 0;
inline constexpr int kForeign9 = 1;
inline constexpr int kForeign35 = 2;
inline constexpr std::array<int64_t, 3> kForeignRates = {kRate13, kRate9, kRate35};

// Zero unless the business-income flag is set.
kTSvodSumPrilV1 ComputePrilV1(const mTDeclaration& d);
// Writes the taxable income and tax of a resident's advertising-prize sources (35 %, code 2740
// with a deduction) into the model.
kTSvodSumPrilM ComputePrilM(mTDeclaration& d);
// The sheet of the foreign-currency incomes at `percent` (13, 9 or 35); zero unless the
// foreign-currency flag is set. Incomes of code 2620 give no line.
kTSvodSumPrilB ComputePrilB(const mTDeclaration& d, int64_t percent);

}  // namespace kvor
