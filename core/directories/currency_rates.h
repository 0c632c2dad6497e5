#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/date.h"
#include "core/common/money.h"
#include "core/directories/directory_files.h"

namespace kvor {

// The currency directory "CurrencyRates.xml": one child of the root per currency with the
// attributes `Code` (numeric currency code) and `Name`; each currency element has one child per
// published rate with the attributes `Date` ("dd.mm.yyyy"), `Rate` (roubles for `Quantity`
// units) and `Quantity`. Element names are not examined.

struct CurrencyRate {
  Date Day;
  // The attributes as written in the file (the rate keeps its own decimal separator and all its
  // decimals: the Central Bank publishes four, while the rate fields of the foreign-income
  // screen hold two).
  std::string DateText;
  std::string RateText;
  std::string QuantityText;
  // The same read as values.
  Money Rate;
  int64_t Quantity = 1;
};

struct Currency {
  std::string Code;
  std::string Name;
  // In file order; the import keeps them in date order.
  std::vector<CurrencyRate> Rates;
};

struct CurrencyDirectory {
  std::vector<Currency> Currencies;
};

// Reading checks every rate: a date that is not a day, a rate that is not a non-negative
// decimal or a quantity that is not a positive integer makes the file broken.
DirectoryResult<CurrencyDirectory> ParseCurrencyDirectory(
    std::string_view bytes, const std::string& fileName = kCurrencyFileName);
DirectoryResult<CurrencyDirectory> LoadCurrencyDirectory(const std::string& path);

// The directory as its Windows-1251 file. Throws EncodingError for a name Windows-1251 cannot
// hold.
std::string CurrencyDirectoryToXml(const CurrencyDirectory& directory);

// The first currency whose code equals `code` exactly; nullptr for an empty or unknown code.
const Currency* FindCurrency(const CurrencyDirectory& directory, std::string_view code);

// The rate of a currency for a day (the time of day is ignored): walking the rates in file
// order, a rate of that very day is taken at once; otherwise the last rate met (in file order)
// of an earlier day. nullptr when every rate is of a later day.
const CurrencyRate* FindRate(const Currency& currency, Date day);

// The currency picker: its rows (code and name of every currency, in file order) and the row
// it opens on for the current code ("0" when none is given): that code's row, else the first.
std::vector<CodeName> CurrencyPickerRows(const CurrencyDirectory& directory);
std::optional<size_t> CurrencyPickerRow(const std::vector<CodeName>& rows, std::string_view code);

// A rate to add to the directory.
struct NewRate {
  std::string Code;
  // The currency's name, used only when the directory does not list the currency yet; a rate
  // of an unlisted currency without a name is not added.
  std::string Name;
  Date Day;
  std::string RateText;
  std::string QuantityText;
};

struct RateMergeReport {
  size_t Added = 0;
  // Rates of a day the currency already had a rate for: the existing rate is kept.
  size_t AlreadyPresent = 0;
  // Codes whose rates could not be added: an unlisted currency without a name, or a rate or
  // quantity that is not a number.
  std::vector<std::string> SkippedCodes;
};

// Adds the rates: a currency keeps every rate it has, a new rate goes before the first rate of
// a later day (so rates stay in date order), and a day already present keeps its rate. An
// unlisted currency with a name is appended to the directory.
RateMergeReport MergeRates(CurrencyDirectory& directory, const std::vector<NewRate>& rates);

}  // namespace kvor
