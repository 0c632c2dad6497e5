#pragma once

// The computed summary of one return: every sheet, the tax base and tax per rate (section 2) and
// the amounts to pay or to refund per budget classification code and municipality (section 1).
//
// Use: kTSvodSum sum; bool refundOnly = sum.Run(declaration); then read the members. A run
// starts from zero, so running twice on the same return gives the same results. The run writes
// a few derived values back into the return: the income-type code of every income source
// (IncomeTypeCode), the taxable income and tax of 35 % sources (OblSum, TaxIsch), and the
// counted cost and share mark of the property-deduction objects (CountedCost, ShareMark).

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/common/money.h"
#include "core/computation/foreign_business.h"
#include "core/computation/income_by_rate.h"
#include "core/computation/property_deductions.h"
#include "core/computation/securities.h"
#include "core/computation/social_deductions.h"
#include "core/computation/standard_deductions.h"
#include "core/model/declaration.h"

namespace kvor {

// The tax base and tax at one rate (section 2). The comment names the exchange-file attribute.
struct kTSvodSumTaxBase {
  std::string Rate;             // Ставка: "13", "30", "35", "09" or "15"
  Money IncomeTotal;            // ДоходОбщ
  Money IncomeExempt;           // ДоходОбщНеНал
  Money Deductions;             // СумНалВыч
  Money IncomeTaxable;          // ДоходОбщНал (may be negative)
  Money ExpenseReductions;      // СумРасхУм
  Money TaxBase;                // НалБаза, never negative
  Money TaxComputed;            // Исчисл, whole roubles
  Money TaxWithheld;            // УдержОбщ
  Money TaxWithheldExempt;      // УдержОбщМВ
  Money AdvancesPaid;           // УплАвФакт
  Money FixedAdvancesCredited;  // ОбщУплЗач227.1
  Money ForeignTaxCredited;     // УплИнПодлЗач
  Money TaxPayable;             // ПодлУпл, never negative
  Money TaxRefundable;          // ПодлВозв, never negative

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Rate", self.Rate);
    v("IncomeTotal", self.IncomeTotal);
    v("IncomeExempt", self.IncomeExempt);
    v("Deductions", self.Deductions);
    v("IncomeTaxable", self.IncomeTaxable);
    v("ExpenseReductions", self.ExpenseReductions);
    v("TaxBase", self.TaxBase);
    v("TaxComputed", self.TaxComputed);
    v("TaxWithheld", self.TaxWithheld);
    v("TaxWithheldExempt", self.TaxWithheldExempt);
    v("AdvancesPaid", self.AdvancesPaid);
    v("FixedAdvancesCredited", self.FixedAdvancesCredited);
    v("ForeignTaxCredited", self.ForeignTaxCredited);
    v("TaxPayable", self.TaxPayable);
    v("TaxRefundable", self.TaxRefundable);
  }
  friend bool operator==(const kTSvodSumTaxBase&, const kTSvodSumTaxBase&) = default;
};

struct kTSvodSumList1 : kTSvodSumTaxBase {};  // 13 %
struct kTSvodSumList2 : kTSvodSumTaxBase {};  // 30 %
struct kTSvodSumList3 : kTSvodSumTaxBase {};  // 35 %
struct kTSvodSumList4 : kTSvodSumTaxBase {};  // 9 %
struct kTSvodSumList5 : kTSvodSumTaxBase {};  // 15 %

// The budget classification codes of section 1.
inline constexpr const char* kKbkAgentRefund = "18210102010011000110";  // tax withheld by agents
inline constexpr const char* kKbkBusiness = "18210102020011000110";  // entrepreneurs and the like
inline constexpr const char* kKbkOther = "18210102030011000110";     // other individuals

// Values of bmTList1::PayOrRefund.
inline constexpr const char* kToPay = "1";
inline constexpr const char* kToRefund = "2";
inline constexpr const char* kNothingDue = "3";

// One line of section 1.
struct bmTList1 {
  std::string Kbk;          // budget classification code, 20 digits
  std::string Oktmo;        // municipality code as entered
  std::string PayOrRefund;  // kToPay, kToRefund or kNothingDue
  Money Amount;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Kbk", self.Kbk);
    v("Oktmo", self.Oktmo);
    v("PayOrRefund", self.PayOrRefund);
    v("Amount", self.Amount);
  }
  friend bool operator==(const bmTList1&, const bmTList1&) = default;
};

// Section 1: the lines in the order they were created.
struct kTSvodSumList6 {
  std::vector<bmTList1> Lines;
  friend bool operator==(const kTSvodSumList6&, const kTSvodSumList6&) = default;
};

// The text of a failed run, as the user sees it.
inline constexpr const char* kComputationErrorMessage =
    "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки";

// A failure inside a run (an amount out of range, for example). The summary it leaves is reset:
// no partial result is ever presented as a computed return. what() is kComputationErrorMessage
// followed by the reason in parentheses; Reason() is the reason alone.
class ComputationError : public std::runtime_error {
 public:
  explicit ComputationError(const std::string& reason);
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

struct kTSvodSum {
  kTSvodSumList1 List1;  // section 2 at 13 %
  kTSvodSumList2 List2;  // section 2 at 30 %
  kTSvodSumList3 List3;  // section 2 at 35 %
  kTSvodSumList4 List4;  // section 2 at 9 %
  kTSvodSumList5 List5;  // section 2 at 15 %
  kTSvodSumList6 List6;  // section 1
  kTSvodSumPrilA6 PrilA6;
  kTSvodSumPrilA13 PrilA13;
  kTSvodSumPrilA15 PrilA15;
  kTSvodSumPrilA30 PrilA30;
  kTSvodSumPrilA35 PrilA35;
  std::array<kTSvodSumPrilB, 3> PrilB;  // at kForeign13, kForeign9, kForeign35
  kTSvodSumPrilV1 PrilV1;
  kTSvodSumPrilM PrilM;
  kTSvodSumPrilG PrilG;
  kTSvodSumPrilG_In PrilG_In;
  kTSvodSumPrilE1 PrilE1;
  kTSvodSumPrilE2 PrilE2;
  kTSvodSumPrilE3 PrilE3;
  kTSvodSumPrilH1 PrilH1;
  kTSvodSumPrilZ PrilZ;
  kTSvodSumPrilJ PrilJ;
  kTSvodSumPrilI PrilI;

  // Every sum zero, section 1 and the foreign-income lines empty.
  void Reset() { *this = kTSvodSum(); }

  // Computes every sheet, section 2 and section 1 of the return, and returns the refund-only
  // flag: true when no rate shows an amount to pay and section 1 has a line. A 4-NDFL return
  // computes nothing and gives true. On a failure the summary is reset and ComputationError is
  // thrown.
  bool Run(mTDeclaration& declaration);

  // The JSON form: one key per member named by its class ("kTSvodSumList1", …, "kTSvodSumList6"
  // as the array of its lines, the three "kTSvodSumPrilB" as one array in the order 13, 9, 35).
  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("kTSvodSumList1", self.List1);
    v("kTSvodSumList2", self.List2);
    v("kTSvodSumList3", self.List3);
    v("kTSvodSumList4", self.List4);
    v("kTSvodSumList5", self.List5);
    v("kTSvodSumList6", self.List6.Lines);
    v("kTSvodSumPrilA6", self.PrilA6);
    v("kTSvodSumPrilA13", self.PrilA13);
    v("kTSvodSumPrilA15", self.PrilA15);
    v("kTSvodSumPrilA30", self.PrilA30);
    v("kTSvodSumPrilA35", self.PrilA35);
    v("kTSvodSumPrilB", self.PrilB);
    v("kTSvodSumPrilV1", self.PrilV1);
    v("kTSvodSumPrilM", self.PrilM);
    v("kTSvodSumPrilG", self.PrilG);
    v("kTSvodSumPrilG_In", self.PrilG_In);
    v("kTSvodSumPrilE1", self.PrilE1);
    v("kTSvodSumPrilE2", self.PrilE2);
    v("kTSvodSumPrilE3", self.PrilE3);
    v("kTSvodSumPrilH1", self.PrilH1);
    v("kTSvodSumPrilZ", self.PrilZ);
    v("kTSvodSumPrilJ", self.PrilJ);
    v("kTSvodSumPrilI", self.PrilI);
  }
  friend bool operator==(const kTSvodSum&, const kTSvodSum&) = default;
};

// The summary and the run's result as UTF-8 JSON text (two-space indentation, a final newline):
// the members of kTSvodSum, then "RefundOnly".
std::string SvodSumToJsonText(const kTSvodSum& sum, bool refundOnly);

}  // namespace kvor
