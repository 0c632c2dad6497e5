#include "core/directories/income_dictionary.h"

#include <algorithm>
#include <stdexcept>

#include "core/common/number_text.h"
#include "core/directories/directory_xml.h"

namespace kvor {

namespace {

bool IsTrue(const char* value) {
  return value && std::string_view(value) == "True";
}

std::string Text(const char* value) {
  return value ? std::string(value) : std::string();
}

int TrimmedInteger(std::string_view text) {
  std::optional<int64_t> value = ParseInteger(Trim(text));
  if (!value || *value < INT16_MIN || *value > INT16_MAX) return 0;
  return static_cast<int>(*value);
}

bool Contains(std::initializer_list<int32_t> codes, int32_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

const std::string kDictionaryLabel = "встроенный справочник доходов";

}  // namespace

int DeductionEntry::NormPercent() const {
  return TrimmedInteger(Stav);
}

DirectoryResult<IncomeDictionary> IncomeDictionary::Parse(std::string_view xmlBytes) {
  using Result = DirectoryResult<IncomeDictionary>;
  directory_xml::Document document;
  if (std::string error = directory_xml::Parse(xmlBytes, document); !error.empty())
    return Result::Failure(directory_xml::BrokenFileMessage(kDictionaryLabel, error));
  auto broken = [&](size_t number, pugi::xml_node node, const std::string& what) {
    return Result::Failure(directory_xml::BrokenFileMessage(
        kDictionaryLabel, document.Where(number, node) + ": " + what));
  };
  IncomeDictionary dictionary;
  size_t number = 0;
  for (pugi::xml_node incomeNode : document.Root().children("Income")) {
    ++number;
    IncomeEntry income;
    const char* code = directory_xml::Attribute(incomeNode, "Code");
    const char* name = directory_xml::Attribute(incomeNode, "Name");
    const char* stav = directory_xml::Attribute(incomeNode, "Stav");
    if (!code || !name || !stav) return broken(number, incomeNode, "нет кода, ставки или названия");
    income.Code = code;
    income.Name = name;
    income.Stav = stav;
    income.SaleDate = IsTrue(directory_xml::Attribute(incomeNode, "SaleDate"));
    income.NRez13 = IsTrue(directory_xml::Attribute(incomeNode, "NRez13"));
    for (pugi::xml_node deductionNode : incomeNode.children("Deduction")) {
      DeductionEntry deduction;
      const char* deductionCode = directory_xml::Attribute(deductionNode, "Code");
      if (!deductionCode) return broken(number, deductionNode, "у вычета нет кода");
      deduction.Code = deductionCode;
      deduction.Name = Text(directory_xml::Attribute(deductionNode, "Name"));
      if (const char* percent = directory_xml::Attribute(deductionNode, "Stav"))
        deduction.Stav = percent;
      deduction.Visible = IsTrue(directory_xml::Attribute(deductionNode, "Visible"));
      deduction.Enabled = IsTrue(directory_xml::Attribute(deductionNode, "Enabled"));
      deduction.Equivalent = IsTrue(directory_xml::Attribute(deductionNode, "Equivalent"));
      if (const char* maxSum = directory_xml::Attribute(deductionNode, "MaxSum")) {
        std::optional<Money> cap = Money::ParseEither(maxSum);
        if (!cap) return broken(number, deductionNode, "неверная предельная сумма вычета");
        deduction.MaxSum = *cap;
      }
      income.Deductions.push_back(std::move(deduction));
    }
    dictionary.incomes_.push_back(std::move(income));
  }
  return Result::Success(std::move(dictionary));
}

const IncomeEntry* IncomeDictionary::FindIncome(std::string_view code) const {
  for (const IncomeEntry& income : incomes_)
    if (income.Code == code) return &income;
  return nullptr;
}

const IncomeEntry* IncomeDictionary::FindIncome(int32_t code) const {
  return FindIncome(std::to_string(code));
}

const DeductionEntry* IncomeDictionary::FindDeduction(std::string_view incomeCode,
                                                      std::string_view deductionCode) const {
  const IncomeEntry* income = FindIncome(incomeCode);
  if (!income) return nullptr;
  for (const DeductionEntry& deduction : income->Deductions)
    if (deduction.Code == deductionCode) return &deduction;
  return nullptr;
}

std::vector<const IncomeEntry*> IncomeDictionary::ListIncomes(std::string_view rateFilter,
                                                              bool nonResident13) const {
  std::vector<const IncomeEntry*> rows;
  for (const IncomeEntry& income : incomes_) {
    if (!rateFilter.empty()) {
      if (income.Stav != rateFilter) continue;
      if (nonResident13 && !income.NRez13) continue;
    }
    rows.push_back(&income);
  }
  return rows;
}

std::vector<const DeductionEntry*> IncomeDictionary::ListDeductions(std::string_view incomeCode,
                                                                    bool fullList) const {
  std::vector<const DeductionEntry*> rows;
  const IncomeEntry* income = FindIncome(incomeCode);
  if (!income) return rows;
  for (const DeductionEntry& deduction : income->Deductions)
    if (fullList || IsInRestrictedDeductionList(deduction.Code)) rows.push_back(&deduction);
  return rows;
}

const IncomeDictionary& BuiltInIncomeDictionary() {
  static const IncomeDictionary dictionary = [] {
    DirectoryResult<IncomeDictionary> parsed = IncomeDictionary::Parse(IncomeDictionaryText());
    if (!parsed.Ok()) throw std::logic_error(parsed.Error);
    return std::move(*parsed.Value);
  }();
  return dictionary;
}

int16_t PickedIncomeRate(const IncomeEntry& income, std::string_view rateFilter) {
  return static_cast<int16_t>(TrimmedInteger(rateFilter.empty() ? income.Stav : rateFilter));
}

bool IsInRestrictedDeductionList(std::string_view deductionCode) {
  return deductionCode.starts_with("20") || deductionCode.starts_with("5") || deductionCode == "0";
}

Money NormDeductionSum(Money incomeSum, int percent) {
  return incomeSum.MulRatioRoundToKopecks(percent, 100);
}

Money CapDeductionSum(Money sum, Money maxSum) {
  return maxSum > Money() && sum > maxSum ? maxSum : sum;
}

std::optional<Money> ComputedDeductionSum(const DeductionEntry& deduction,
                                          std::optional<Money> incomeSum) {
  int percent = deduction.NormPercent();
  if (percent == 0 && !deduction.Equivalent) return std::nullopt;
  if (!incomeSum) return Money();
  Money sum = percent != 0 ? NormDeductionSum(*incomeSum, percent) : *incomeSum;
  return CapDeductionSum(sum, deduction.MaxSum);
}

bool IsExemptionOrSecuritiesIncome(int32_t incomeCode) {
  return Contains({2720, 2730, 2740, 2760, 2761, 2762, 2770, 2790, 1530, 1531, 1532,
                   1533, 1534, 1535, 1536, 1537, 1538, 1539, 1541, 9537, 9538},
                  incomeCode);
}

bool IsSecuritiesIncome(int32_t incomeCode) {
  return Contains({1530, 1531, 1532, 1533, 1535, 1536, 1537, 1538, 1539, 1541, 9537, 9538},
                  incomeCode);
}

bool IsSecuritiesExpense(int32_t deductionCode, IncomeDialog dialog) {
  if (Contains({201, 202, 203, 206, 207, 211, 213, 215, 620}, deductionCode)) return true;
  return dialog == IncomeDialog::ThirteenPercent && Contains({218, 219, 220}, deductionCode);
}

bool IsAgriculturalIncome(int32_t incomeCode) {
  return incomeCode == 2791;
}

}  // namespace kvor
