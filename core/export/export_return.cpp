#include "core/export/export_return.h"

#include <uuid/uuid.h>

#include <pugixml.hpp>

#include "core/common/codec.h"
#include "core/export/exchange_body.h"
#include "core/export/exchange_element.h"
#include "core/export/exchange_values.h"
#include "core/export/title_data.h"
#include "core/export/xml_names.h"
#include "core/storage/file_loader.h"

namespace kvor {

namespace n = xml_names;

namespace {

// The program and format versions the file declares, and the form's codes.
constexpr const char* kProgramVersion3 = "Zedo2014_1.1.0";
constexpr const char* kProgramVersion4 = "1.1.0";
constexpr const char* kFormatVersion3 = "5.09";
constexpr const char* kFormatVersion4 = "5.02";
constexpr const char* kFormCode3 = "1151020";
constexpr const char* kFormCode4 = "1151021";
constexpr const char* kPeriodYear = "34";
constexpr const char* kReportYear3 = "2014";
constexpr const char* kReportYear4 = "2015";

bool IsForm4(const mTDeclaration& d) {
  return d.DeclarationType == kDeclaration4NDFL;
}

// "YYYYMMDD".
std::string CompactDate(Date date) {
  int year = 0, month = 0, day = 0;
  date.ToYMD(year, month, day);
  return PadLeft(std::to_string(year), 4) + PadLeft(std::to_string(month), 2) +
         PadLeft(std::to_string(day), 2);
}

class StringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override {
    text.append(static_cast<const char*>(data), size);
  }
  std::string text;
};

ExportResult Failure(const char* message, std::string reason) {
  ExportResult result;
  result.Result = kExportFailedResult;
  result.Messages.push_back(message);
  result.Reason = std::move(reason);
  return result;
}

}  // namespace

std::string NewGuidText() {
  uuid_t uuid;
  uuid_generate(uuid);
  char text[37];
  uuid_unparse_upper(uuid, text);
  return text;
}

std::string ExchangeFileIdentifier(const mTDeclaration& d, Date today, std::string_view guid) {
  const std::string& inspection = d.InspectionNumber;
  const std::string& inn = d.PersonInformation.INN;
  std::string identifier = IsForm4(d) ? "NO_NDFL4_" : "NO_NDFL3_";
  identifier += inspection + "_" + inspection + "_";
  if (!IsForm4(d) && IsBlank(inn))
    identifier += "000000000000";
  else
    identifier += inn;
  identifier += "_" + CompactDate(today) + "_";
  identifier += guid;
  return identifier;
}

std::string BuildExchangeDocument(const mTDeclaration& d, const kTSvodSum& sum,
                                  const std::string& identifier, Date today) {
  bool form4 = IsForm4(d);
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("windows-1251");

  ExchangeElement file(document.append_child(n::Файл));
  file.Verbatim(n::ИдФайл, identifier)
      .Text(n::ВерсПрог, form4 ? kProgramVersion4 : kProgramVersion3)
      .Text(n::ВерсФорм, form4 ? kFormatVersion4 : kFormatVersion3);

  ExchangeElement doc = file.Child(n::Документ);
  doc.Text(n::КНД, form4 ? kFormCode4 : kFormCode3).DateValue(n::ДатаДок, today);
  if (!form4) doc.Text(n::Период, kPeriodYear);
  doc.Text(n::ОтчетГод, form4 ? kReportYear4 : kReportYear3)
      .Text(n::КодНО, d.InspectionNumber)
      .Text(n::НомКорр, std::to_string(d.CorrectionNumber));

  if (form4) {
    WriteTaxpayer4(doc, d);
    WriteSigner(doc, d, true);
    doc.Child(n::НДФЛ4).Whole(n::ПредДоход, d.SupposeIncome);
  } else {
    WriteTaxpayer3(doc, d);
    WriteSigner(doc, d, false);
    ExchangeElement body = doc.Child(n::НДФЛ3);
    WriteIncomeSheets(body, d, sum);
    WriteDeductions(body, d, sum);
    WriteSecurities(body, d, sum);
  }

  StringWriter writer;
  document.save(writer, "\t", pugi::format_indent, pugi::encoding_utf8);
  return writer.text;
}

ExportResult ExportReturn(const std::string& folder, mTDeclaration& declaration, ExportMode mode) {
  kTSvodSum sum;
  try {
    sum.Run(declaration);
  } catch (const ComputationError& error) {
    return Failure(kComputationErrorMessage, error.Reason());
  } catch (const std::exception& error) {
    return Failure(kComputationErrorMessage, error.what());
  }

  ExportResult result;
  try {
    Date today = Date::Today();
    std::string identifier = ExchangeFileIdentifier(declaration, today, NewGuidText());
    std::string text = BuildExchangeDocument(declaration, sum, identifier, today);
    // The file holds Windows-1251: a character it cannot hold fails the export here, in both
    // modes, rather than turning into "?".
    std::string bytes = Utf8ToCp1251(text);
    if (mode == ExportMode::kPrint) {
      result.Result = std::move(text);
      return result;
    }
    std::string fileName = identifier + ".xml";
    std::string reason = WriteFileAtomically(folder + fileName, bytes);
    if (!reason.empty()) {
      ExportResult notSaved = Failure(kExportNotSavedMessage, reason);
      notSaved.NotSaved = true;
      return notSaved;
    }
    result.Result = fileName;
  } catch (const std::exception& error) {
    return Failure(kExportFailureMessage, error.what());
  }
  return result;
}

}  // namespace kvor
