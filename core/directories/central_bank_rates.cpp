#include "core/directories/central_bank_rates.h"

#include <algorithm>
#include <map>

#include "core/common/number_text.h"
#include "core/directories/directory_xml.h"

namespace kvor {

namespace {

std::string ChildText(pugi::xml_node node, const char* name) {
  return directory_xml::ElementText(node.child(name));
}

// The Bank writes dates as "dd.mm.yyyy"; its older files as "dd/mm/yyyy".
std::optional<Date> ParseBankDate(const char* text) {
  if (!text) return std::nullopt;
  std::string_view trimmed = Trim(text);
  if (auto day = Date::Parse(trimmed, '.')) return day;
  return Date::Parse(trimmed, '/');
}

}  // namespace

DirectoryResult<std::vector<CentralBankRate>> ParseCentralBankFile(std::string_view bytes,
                                                                   const std::string& fileName) {
  using Result = DirectoryResult<std::vector<CentralBankRate>>;
  auto failure = [&](const std::string& detail) {
    return Result::Failure("Файл курсов «" + fileName + "» не прочитан: " + detail + ".");
  };
  directory_xml::Document document;
  if (std::string error = directory_xml::Parse(bytes, document); !error.empty())
    return failure(error);
  pugi::xml_node root = document.Root();
  if (std::string_view(root.name()) != "ValCurs")
    return failure("это не файл курсов Банка России (нет элемента ValCurs)");

  std::optional<Date> fileDay;
  if (root.child("Valute")) {
    fileDay = ParseBankDate(directory_xml::Attribute(root, "Date"));
    if (!fileDay) return failure("нет даты курсов");
  }
  std::vector<CentralBankRate> rates;
  for (pugi::xml_node node : root.children()) {
    if (node.type() != pugi::node_element) continue;
    std::string_view kind = node.name();
    if (kind != "Valute" && kind != "Record") continue;
    std::string where = "строка " + std::to_string(document.Line(node));
    CentralBankRate rate;
    const char* id = directory_xml::Attribute(node, kind == "Valute" ? "ID" : "Id");
    rate.Id = id ? std::string(Trim(id)) : std::string();
    if (kind == "Valute") {
      if (!fileDay) return failure(where + ": курсы за день и история курсов в одном файле");
      rate.Day = *fileDay;
      rate.NumCode = ChildText(node, "NumCode");
      rate.Name = ChildText(node, "Name");
      if (rate.NumCode.empty()) return failure(where + ": нет цифрового кода валюты");
    } else {
      if (fileDay) return failure(where + ": курсы за день и история курсов в одном файле");
      std::optional<Date> day = ParseBankDate(directory_xml::Attribute(node, "Date"));
      if (!day) return failure(where + ": неверная дата курса");
      if (rate.Id.empty()) {
        const char* fileId = directory_xml::Attribute(root, "ID");
        rate.Id = fileId ? std::string(Trim(fileId)) : std::string();
      }
      rate.Day = *day;
    }
    rate.Value = ChildText(node, "Value");
    rate.Nominal = ChildText(node, "Nominal");
    std::optional<Money> value = Money::ParseEither(rate.Value);
    if (!value || *value < Money()) return failure(where + ": неверный курс «" + rate.Value + "»");
    std::optional<int64_t> nominal = ParseInteger(rate.Nominal);
    if (!nominal || *nominal <= 0)
      return failure(where + ": неверное количество единиц «" + rate.Nominal + "»");
    rates.push_back(std::move(rate));
  }
  return Result::Success(std::move(rates));
}

std::string NumericCodeOfCentralBankId(std::string_view id) {
  static const std::map<std::string_view, std::string_view> kCodes = {
      {"R01010", "036"}, {"R01020A", "944"}, {"R01035", "826"},  {"R01060", "051"},
      {"R01090", "974"}, {"R01100", "975"},  {"R01115", "986"},  {"R01135", "348"},
      {"R01200", "344"}, {"R01215", "208"},  {"R01235", "840"},  {"R01239", "978"},
      {"R01270", "356"}, {"R01335", "398"},  {"R01350", "124"},  {"R01370", "417"},
      {"R01375", "156"}, {"R01405", "428"},  {"R01435", "440"},  {"R01500", "498"},
      {"R01535", "578"}, {"R01565", "985"},  {"R01585F", "946"}, {"R01589", "960"},
      {"R01625", "702"}, {"R01670", "972"},  {"R01700J", "949"}, {"R01710A", "934"},
      {"R01717", "860"}, {"R01720", "980"},  {"R01760", "203"},  {"R01770", "752"},
      {"R01775", "756"}, {"R01810", "710"},  {"R01815", "410"},  {"R01820", "392"},
  };
  auto found = kCodes.find(id);
  return found == kCodes.end() ? std::string() : std::string(found->second);
}

std::vector<NewRate> ToDirectoryRates(const std::vector<CentralBankRate>& rates,
                                      std::vector<std::string>& unknownIds) {
  std::map<std::string, std::string> codeOfId;
  for (const CentralBankRate& rate : rates)
    if (!rate.NumCode.empty() && !rate.Id.empty()) codeOfId.emplace(rate.Id, rate.NumCode);
  std::map<std::string, std::string> nameOfCode;
  for (const CentralBankRate& rate : rates)
    if (!rate.NumCode.empty() && !rate.Name.empty()) nameOfCode.emplace(rate.NumCode, rate.Name);

  std::vector<NewRate> result;
  for (const CentralBankRate& rate : rates) {
    std::string code = rate.NumCode;
    if (code.empty()) {
      auto known = codeOfId.find(rate.Id);
      code = known != codeOfId.end() ? known->second : NumericCodeOfCentralBankId(rate.Id);
    }
    if (code.empty()) {
      if (std::find(unknownIds.begin(), unknownIds.end(), rate.Id) == unknownIds.end())
        unknownIds.push_back(rate.Id);
      continue;
    }
    auto name = nameOfCode.find(code);
    result.push_back({code, name != nameOfCode.end() ? name->second : std::string(), rate.Day,
                      rate.Value, rate.Nominal});
  }
  return result;
}

}  // namespace kvor
