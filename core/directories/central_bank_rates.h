#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/common/date.h"
#include "core/directories/currency_rates.h"
#include "core/directories/directory_files.h"

namespace kvor {

// The Central Bank of Russia's published exchange-rate files, the source of the rates of the
// currency directory:
// - a daily file: <ValCurs Date="dd.mm.yyyy"> with one <Valute ID="R01235"> per currency holding
//   <NumCode>, <Nominal>, <Name> and <Value> (a comma before the decimals);
// - a rate history of one currency: <ValCurs ID="R01235"> with one <Record Date="dd.mm.yyyy"
//   Id="R01235"> per day holding <Nominal> and <Value>.

struct CentralBankRate {
  // The Bank's own identifier of the currency ("R01235").
  std::string Id;
  // The numeric currency code and the Russian name; empty in a history file.
  std::string NumCode;
  std::string Name;
  Date Day;
  std::string Value;
  std::string Nominal;
};

// Reads either kind of file. The error names the file and the fault.
DirectoryResult<std::vector<CentralBankRate>> ParseCentralBankFile(std::string_view bytes,
                                                                   const std::string& fileName);

// The numeric code of a currency from the Bank's identifier, for the currencies quoted in 2014;
// empty when unknown.
std::string NumericCodeOfCentralBankId(std::string_view id);

// The rates for the directory. A history rate takes its numeric code from a daily rate of the
// same identifier among `rates`, else from NumericCodeOfCentralBankId; the identifiers found in
// neither are listed in `unknownIds` and their rates left out.
std::vector<NewRate> ToDirectoryRates(const std::vector<CentralBankRate>& rates,
                                      std::vector<std::string>& unknownIds);

}  // namespace kvor
