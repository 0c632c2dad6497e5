#include "core/directories/currency_rates.h"

#include <algorithm>
#include <cmath>

#include "core/common/number_text.h"
#include "core/directories/directory_xml.h"

namespace kvor {

namespace {

// Reads a rate's three attributes; an empty string on success, else what is wrong.
std::string ReadRate(std::string_view dateText, std::string_view rateText,
                     std::string_view quantityText, CurrencyRate& rate) {
  std::optional<Date> day = Date::Parse(Trim(dateText), '.');
  if (!day) return "неверная дата курса «" + std::string(dateText) + "»";
  std::optional<Money> value = Money::ParseEither(rateText);
  if (!value || *value < Money()) return "неверный курс «" + std::string(rateText) + "»";
  std::optional<int64_t> quantity = ParseInteger(quantityText);
  if (!quantity || *quantity <= 0)
    return "неверное количество единиц «" + std::string(quantityText) + "»";
  rate.Day = *day;
  rate.DateText = std::string(dateText);
  rate.RateText = std::string(rateText);
  rate.QuantityText = std::string(quantityText);
  rate.Rate = *value;
  rate.Quantity = *quantity;
  return {};
}

}  // namespace

DirectoryResult<CurrencyDirectory> ParseCurrencyDirectory(std::string_view bytes,
                                                          const std::string& fileName) {
  using Result = DirectoryResult<CurrencyDirectory>;
  directory_xml::Document document;
  if (std::string error = directory_xml::Parse(bytes, document); !error.empty())
    return Result::Failure(directory_xml::BrokenFileMessage(fileName, error));
  auto broken = [&](const std::string& detail) {
    return Result::Failure(directory_xml::BrokenFileMessage(fileName, detail));
  };
  CurrencyDirectory directory;
  size_t number = 0;
  for (pugi::xml_node node : document.Root().children()) {
    if (node.type() != pugi::node_element) continue;
    ++number;
    const char* code = directory_xml::Attribute(node, "Code");
    const char* name = directory_xml::Attribute(node, "Name");
    if (!code || !name)
      return broken(document.Where(number, node) + ": нет атрибута Code или Name");
    Currency currency{code, name, {}};
    for (pugi::xml_node rateNode : node.children()) {
      if (rateNode.type() != pugi::node_element) continue;
      const char* date = directory_xml::Attribute(rateNode, "Date");
      const char* rateText = directory_xml::Attribute(rateNode, "Rate");
      const char* quantity = directory_xml::Attribute(rateNode, "Quantity");
      std::string where = "валюта " + currency.Code;
      if (size_t line = document.Line(rateNode)) where += " (строка " + std::to_string(line) + ")";
      if (!date || !rateText || !quantity)
        return broken(where + ": у курса нет атрибута Date, Rate или Quantity");
      CurrencyRate rate;
      if (std::string error = ReadRate(date, rateText, quantity, rate); !error.empty())
        return broken(where + ": " + error);
      currency.Rates.push_back(std::move(rate));
    }
    directory.Currencies.push_back(std::move(currency));
  }
  return Result::Success(std::move(directory));
}

DirectoryResult<CurrencyDirectory> LoadCurrencyDirectory(const std::string& path) {
  return directory_xml::LoadFile<CurrencyDirectory>(
      path, [](std::string_view bytes, const std::string& name) {
        return ParseCurrencyDirectory(bytes, name);
      });
}

std::string CurrencyDirectoryToXml(const CurrencyDirectory& directory) {
  pugi::xml_document document;
  directory_xml::StartCp1251Document(document);
  pugi::xml_node root = document.append_child("CurrencyRates");
  for (const Currency& currency : directory.Currencies) {
    pugi::xml_node node = root.append_child("Currency");
    node.append_attribute("Code") = currency.Code.c_str();
    node.append_attribute("Name") = currency.Name.c_str();
    for (const CurrencyRate& rate : currency.Rates) {
      pugi::xml_node rateNode = node.append_child("Rate");
      rateNode.append_attribute("Date") = rate.DateText.c_str();
      rateNode.append_attribute("Rate") = rate.RateText.c_str();
      rateNode.append_attribute("Quantity") = rate.QuantityText.c_str();
    }
  }
  return directory_xml::SaveCp1251(document);
}

const Currency* FindCurrency(const CurrencyDirectory& directory, std::string_view code) {
  if (code.empty()) return nullptr;
  for (const Currency& currency : directory.Currencies)
    if (currency.Code == code) return &currency;
  return nullptr;
}

const CurrencyRate* FindRate(const Currency& currency, Date day) {
  double wanted = std::floor(day.Days);
  const CurrencyRate* found = nullptr;
  for (const CurrencyRate& rate : currency.Rates) {
    if (rate.Day.Days == wanted) return &rate;
    if (rate.Day.Days < wanted) found = &rate;
  }
  return found;
}

std::vector<CodeName> CurrencyPickerRows(const CurrencyDirectory& directory) {
  std::vector<CodeName> rows;
  rows.reserve(directory.Currencies.size());
  for (const Currency& currency : directory.Currencies)
    rows.push_back({currency.Code, currency.Name});
  return rows;
}

std::optional<size_t> CurrencyPickerRow(const std::vector<CodeName>& rows, std::string_view code) {
  if (rows.empty()) return std::nullopt;
  return FindCodeRow(rows, code.empty() ? std::string_view("0") : code).value_or(0);
}

RateMergeReport MergeRates(CurrencyDirectory& directory, const std::vector<NewRate>& rates) {
  RateMergeReport report;
  auto skip = [&](const std::string& code) {
    if (std::find(report.SkippedCodes.begin(), report.SkippedCodes.end(), code) ==
        report.SkippedCodes.end())
      report.SkippedCodes.push_back(code);
  };
  for (const NewRate& added : rates) {
    auto currency = std::find_if(directory.Currencies.begin(), directory.Currencies.end(),
                                 [&](const Currency& listed) { return listed.Code == added.Code; });
    CurrencyRate rate;
    if (added.Code.empty() ||
        !ReadRate(added.Day.ToText('.'), added.RateText, added.QuantityText, rate).empty()) {
      skip(added.Code);
      continue;
    }
    if (currency == directory.Currencies.end()) {
      if (added.Name.empty()) {
        skip(added.Code);
        continue;
      }
      directory.Currencies.push_back({added.Code, added.Name, {}});
      currency = directory.Currencies.end() - 1;
    }
    std::vector<CurrencyRate>& list = currency->Rates;
    if (std::any_of(list.begin(), list.end(),
                    [&](const CurrencyRate& existing) { return existing.Day == rate.Day; })) {
      ++report.AlreadyPresent;
      continue;
    }
    auto later = std::find_if(list.begin(), list.end(), [&](const CurrencyRate& existing) {
      return existing.Day > rate.Day;
    });
    list.insert(later, std::move(rate));
    ++report.Added;
  }
  return report;
}

}  // namespace kvor
