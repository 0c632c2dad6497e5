// Commands that build the directory files beside the program.
#include <ostream>

#include "cli/cli.h"
#include "core/common/codec.h"
#include "core/common/date.h"
#include "core/directories/activity_codes.h"
#include "core/directories/central_bank_rates.h"
#include "core/directories/currency_rates.h"
#include "core/directories/soun_import.h"
#include "core/storage/file_loader.h"

namespace kvor::cli {

namespace {

// Writes a directory file atomically; false (with the message on `err`) on failure.
bool WriteDirectory(const std::string& path, const std::string& bytes, std::ostream& err) {
  if (std::string failure = WriteFileAtomically(path, bytes); !failure.empty()) {
    err << "Не удалось записать " << path << ": " << failure << "\n";
    return false;
  }
  return true;
}

std::string JoinCodes(const std::vector<std::string>& codes) {
  std::string text;
  for (const std::string& code : codes) text += (text.empty() ? "" : ", ") + code;
  return text;
}

}  // namespace

int CommandImportRates(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string& directoryPath = args[0];
  DirectoryResult<CurrencyDirectory> directory = LoadCurrencyDirectory(directoryPath);
  if (!directory.Ok()) {
    if (!directory.Missing) {
      err << directory.Error << "\n";
      return kExitError;
    }
    directory.Value.emplace();
  }
  std::vector<CentralBankRate> published;
  for (size_t i = 1; i < args.size(); ++i) {
    std::string bytes, reason;
    if (!ReadWholeFile(args[i], bytes, &reason)) {
      err << "Не удалось прочитать файл " << args[i] << ": " << reason << "\n";
      return kExitError;
    }
    DirectoryResult<std::vector<CentralBankRate>> file = ParseCentralBankFile(bytes, args[i]);
    if (!file.Ok()) {
      err << file.Error << "\n";
      return kExitError;
    }
    published.insert(published.end(), file.Value->begin(), file.Value->end());
  }
  std::vector<std::string> unknownIds;
  std::vector<NewRate> rates = ToDirectoryRates(published, unknownIds);
  if (!unknownIds.empty())
    err << "Пропущены курсы валют с неизвестным цифровым кодом (добавьте курсы за день, где они "
           "есть): "
        << JoinCodes(unknownIds) << "\n";
  RateMergeReport report = MergeRates(*directory.Value, rates);
  if (!report.SkippedCodes.empty())
    err << "Пропущены курсы валют, которых нет в справочнике: " << JoinCodes(report.SkippedCodes)
        << "\n";
  std::string bytes;
  try {
    bytes = CurrencyDirectoryToXml(*directory.Value);
  } catch (const EncodingError& error) {
    err << error.what() << "\n";
    return kExitError;
  }
  if (!WriteDirectory(directoryPath, bytes, err)) return kExitError;
  out << "Добавлено курсов: " << report.Added
      << "; уже были в справочнике: " << report.AlreadyPresent << "\n";
  return kExitOk;
}

int CommandImportOkved(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string table, reason;
  if (!ReadWholeFile(args[0], table, &reason)) {
    err << "Не удалось прочитать файл " << args[0] << ": " << reason << "\n";
    return kExitError;
  }
  DirectoryResult<ActivityDirectory> directory = ActivitiesFromOkvedTable(table);
  if (!directory.Ok()) {
    err << directory.Error << "\n";
    return kExitError;
  }
  std::string bytes;
  try {
    bytes = ActivityDirectoryToXml(*directory.Value);
  } catch (const EncodingError& error) {
    err << error.what() << "\n";
    return kExitError;
  }
  if (!WriteDirectory(args[1], bytes, err)) return kExitError;
  out << "Записано видов деятельности: " << directory.Value->Activities.size() << "\n";
  return kExitOk;
}

int CommandImportSoun(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SounImportResult result = ImportSoun(args[0], args[1], Date::Today());
  if (!result.Ok) {
    err << result.Message;
    if (!result.Detail.empty()) err << ": " << result.Detail;
    err << "\n";
    return kExitError;
  }
  out << result.Message << "\nИнспекций: " << result.Imported << "\n";
  return kExitOk;
}

}  // namespace kvor::cli
