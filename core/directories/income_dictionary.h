#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/money.h"
#include "core/directories/directory_files.h"

namespace kvor {

// The income and deduction code dictionary of tax year 2014: every income code with its rate and
// name and the deduction (expense) codes that may be claimed against it. It is built into the
// program as Windows-1251 XML (root `IncomeDict`, `Income` elements with `Deduction` children)
// and never changes. Texts here are UTF-8 and kept exactly as the dictionary spells them,
// trailing and double blanks included.

// One deduction an income offers.
struct DeductionEntry {
  std::string Code;
  std::string Name;
  // The norm percentage as written: " " (blank) for none, else a number.
  std::string Stav = " ";
  // The deduction sum field is shown.
  bool Visible = false;
  // The user types the deduction sum; otherwise it is computed and read-only.
  bool Enabled = false;
  // The deduction sum follows the income sum.
  bool Equivalent = false;
  // Cap on the deduction sum in roubles; 0 means none.
  Money MaxSum;

  // The norm percentage as an integer: the trimmed `Stav`, 0 when blank.
  int NormPercent() const;
};

// One income code.
struct IncomeEntry {
  // The rate in percent as written ("9", "13", "35"); the rate filter compares this text.
  std::string Stav;
  std::string Code;
  std::string Name;
  // A sale income (reported by the income picker; no dialog acts on it).
  bool SaleDate = false;
  // May be declared by a non-resident taxed at 13 %.
  bool NRez13 = false;
  // In dictionary order; every income that has deductions ends with the pseudo-deduction "0"
  // "Не предоставлять вычет".
  std::vector<DeductionEntry> Deductions;

  bool HasDeductions() const { return !Deductions.empty(); }
};

class IncomeDictionary {
 public:
  // Reads a dictionary from its Windows-1251 XML text. Boolean attributes are true exactly when
  // their text is "True".
  static DirectoryResult<IncomeDictionary> Parse(std::string_view xmlBytes);

  // The incomes in dictionary order (the order of the unfiltered income picker).
  const std::vector<IncomeEntry>& Incomes() const { return incomes_; }

  // The first income with exactly this code, nullptr when there is none.
  const IncomeEntry* FindIncome(std::string_view code) const;
  const IncomeEntry* FindIncome(int32_t code) const;
  // The deduction with exactly this code under the income, nullptr when either is unknown.
  const DeductionEntry* FindDeduction(std::string_view incomeCode,
                                      std::string_view deductionCode) const;

  // The rows of the income picker, in dictionary order. With a rate filter ("13", "35"): the
  // incomes whose `Stav` text equals it and, when `nonResident13` is on, that carry NRez13.
  // With an empty filter: every income, and `nonResident13` is not applied.
  std::vector<const IncomeEntry*> ListIncomes(std::string_view rateFilter,
                                              bool nonResident13) const;

  // The rows of the deduction picker for an income (empty for an unknown income or one without
  // deductions). The full list offers every deduction; the restricted list (13 % income dialog
  // of a non-resident) only the codes that begin with "20" or "5", and "0".
  std::vector<const DeductionEntry*> ListDeductions(std::string_view incomeCode,
                                                    bool fullList) const;

 private:
  std::vector<IncomeEntry> incomes_;
};

// The dictionary built into the program, parsed on first use.
const IncomeDictionary& BuiltInIncomeDictionary();

// The built-in dictionary as the Windows-1251 XML text it is stored as (CR LF line ends).
const std::string& IncomeDictionaryText();

// The rate the income picker reports for a chosen income: the filter text when the picker had
// one, else the income's `Stav`; trimmed and read as an integer, 0 when blank.
int16_t PickedIncomeRate(const IncomeEntry& income, std::string_view rateFilter);

// The row a picker opens on: the first row whose code equals `code` exactly, else the first
// row; nullopt when the list is empty.
template <class Entry>
std::optional<size_t> PickerRow(const std::vector<const Entry*>& rows, std::string_view code) {
  if (rows.empty()) return std::nullopt;
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i]->Code == code) return i;
  return 0;
}

// Whether the restricted deduction list offers this code: it begins with "20" or "5", or is "0".
bool IsInRestrictedDeductionList(std::string_view deductionCode);

// What a deduction's attributes mean for its sum.

// The income sum times the norm percentage / 100, rounded half up to kopecks.
Money NormDeductionSum(Money incomeSum, int percent);
// The sum held within a positive cap: min(sum, maxSum) when maxSum > 0, else the sum.
Money CapDeductionSum(Money sum, Money maxSum);
// The sum of a deduction the program computes: with a norm percentage (non-blank `Stav`) that
// share of the income, else for an `Equivalent` deduction the income itself; either held within
// `MaxSum`, and 0 while the income sum is empty. nullopt for a deduction whose sum the user
// types (its typed sum is held within `MaxSum` by CapDeductionSum when `Enabled`).
std::optional<Money> ComputedDeductionSum(const DeductionEntry& deduction,
                                          std::optional<Money> incomeSum);

// The named code sets the income dialogs use.

// Exemption and securities incomes: in the 13 % income dialog of a non-resident only these
// incomes may carry a deduction.
bool IsExemptionOrSecuritiesIncome(int32_t incomeCode);
// Securities incomes: a deduction larger than the income is allowed for them (together with a
// securities expense).
bool IsSecuritiesIncome(int32_t incomeCode);
// The dialog whose list of securities expenses applies.
enum class IncomeDialog { ThirteenPercent, NonResidentThirteenPercent };
// Securities expenses: the deduction codes for which that exception holds. The 13 % income
// dialog also counts 218, 219 and 220; the non-resident 13 % dialog does not.
bool IsSecuritiesExpense(int32_t deductionCode, IncomeDialog dialog);
// The agricultural income (2791) shows the months of agricultural work.
bool IsAgriculturalIncome(int32_t incomeCode);

}  // namespace kvor
