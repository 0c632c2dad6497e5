// Reads arbitrary bytes as each kind of directory file (the first byte chooses the reader):
// every input must end in a directory or in the reader's message, never in a crash, a leak or a
// read past the data. What reads must also be written and read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/codec.h"
#include "core/directories/activity_codes.h"
#include "core/directories/central_bank_rates.h"
#include "core/directories/countries.h"
#include "core/directories/currency_rates.h"
#include "core/directories/income_dictionary.h"
#include "core/directories/inspections.h"
#include "core/directories/soun_import.h"

namespace {

void ExerciseActivities(const kvor::ActivityDirectory& directory) {
  kvor::ActivityChooser chooser(directory);
  for (int level = 1; level <= kvor::kActivityLevels; ++level) {
    if (chooser.EntryCount(level) > 1) chooser.Choose(level, chooser.EntryCount(level) - 1);
    chooser.Entries(level);
  }
  chooser.Choose(1, 0);
}

void ExerciseCurrencies(const kvor::CurrencyDirectory& directory) {
  for (const kvor::Currency& currency : directory.Currencies)
    for (const kvor::CurrencyRate& rate : currency.Rates) kvor::FindRate(currency, rate.Day);
  kvor::CurrencyPickerRow(kvor::CurrencyPickerRows(directory), "840");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    switch (data[0] % 8) {
      case 0:
        if (auto countries = kvor::ParseCountryDirectory(bytes); countries.Ok())
          kvor::FindCodeRow(*countries.Value, "643");
        break;
      case 1:
        if (auto currencies = kvor::ParseCurrencyDirectory(bytes); currencies.Ok()) {
          ExerciseCurrencies(*currencies.Value);
          kvor::ParseCurrencyDirectory(kvor::CurrencyDirectoryToXml(*currencies.Value));
        }
        break;
      case 2:
        if (auto activities = kvor::ParseActivityDirectory(bytes); activities.Ok()) {
          ExerciseActivities(*activities.Value);
          kvor::ParseActivityDirectory(kvor::ActivityDirectoryToXml(*activities.Value));
        }
        break;
      case 3:
        if (auto inspections = kvor::ParseInspectionDirectory(bytes); inspections.Ok())
          kvor::ParseInspectionDirectory(kvor::InspectionDirectoryToXml(*inspections.Value));
        break;
      case 4:
        if (auto dictionary = kvor::IncomeDictionary::Parse(bytes); dictionary.Ok())
          for (const kvor::IncomeEntry& income : dictionary.Value->Incomes())
            for (const kvor::DeductionEntry& deduction : income.Deductions)
              kvor::ComputedDeductionSum(deduction, kvor::Money::Roubles(1000));
        break;
      case 5:
        if (auto rates = kvor::ParseCentralBankFile(bytes, "rates.xml"); rates.Ok()) {
          std::vector<std::string> unknown;
          kvor::CurrencyDirectory directory;
          kvor::MergeRates(directory, kvor::ToDirectoryRates(*rates.Value, unknown));
          ExerciseCurrencies(directory);
        }
        break;
      case 6:
        if (auto activities = kvor::ActivitiesFromOkvedTable(bytes); activities.Ok()) {
          ExerciseActivities(*activities.Value);
          kvor::ActivityDirectoryToXml(*activities.Value);
        }
        break;
      case 7:
        if (auto table = kvor::ReadSounTable(bytes, "soun1.dbf"); table.Ok())
          kvor::InspectionDirectoryToXml(*table.Value);
        break;
    }
  } catch (const kvor::EncodingError&) {
    // A text the writer cannot put in Windows-1251 is refused with a message.
  }
  return 0;
}
