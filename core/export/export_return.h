#pragma once

// The exchange file of a return: the XML document of form 3-NDFL (format "5.09") or 4-NDFL
// (format "5.02") in Windows-1251, saved into a folder or handed over as text for printing.

#include <string>
#include <string_view>
#include <vector>

#include "core/common/date.h"
#include "core/computation/svod_sum.h"
#include "core/model/declaration.h"

namespace kvor {

enum class ExportMode {
  kFile = 1,   // save the document into the folder
  kPrint = 2,  // return the document's text
};

// The result of ExportReturn when it fails.
inline constexpr const char* kExportFailedResult = "ERROR";

// What the user is told when building or saving the document fails (a failed computation gives
// kComputationErrorMessage).
inline constexpr const char* kExportFailureMessage =
    "Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки";

// What the user is told when the document was built but the folder would not take the file
// (no such folder, no permission, a full disk): choosing another folder helps.
inline constexpr const char* kExportNotSavedMessage =
    "Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте "
    "программу с правами администратора.";

struct ExportResult {
  // The file name (identifier + ".xml") in file mode, the document text (UTF-8) in print mode,
  // or kExportFailedResult.
  std::string Result;
  // The messages to show the user, in order (empty on success).
  std::vector<std::string> Messages;
  // The technical cause of a failure (the computation's or the system's reason), for reports.
  std::string Reason;
  // The failure was writing the file into the folder (Messages holds kExportNotSavedMessage).
  bool NotSaved = false;

  bool Failed() const { return Result == kExportFailedResult; }
};

// Computes the return and builds its exchange document. In file mode the document is written
// atomically to folder + identifier + ".xml" (`folder` ends with the path separator); in print
// mode `folder` is not used. When the computation fails nothing is built and no file is written;
// when building or saving fails no file, not even a partial one, is left behind. The
// computation writes its derived values into the return, as every run does.
ExportResult ExportReturn(const std::string& folder, mTDeclaration& declaration, ExportMode mode);

// The file identifier: "NO_NDFL3_" or "NO_NDFL4_", the inspection code twice, the taxpayer's ИНН
// ("000000000000" for a 3-NDFL return without one), the date "YYYYMMDD" and the GUID, joined
// by "_".
std::string ExchangeFileIdentifier(const mTDeclaration& declaration, Date today,
                                   std::string_view guid);

// A newly generated GUID in upper-case hexadecimal with hyphens, without braces (36 characters).
std::string NewGuidText();

// The document as UTF-8 text with the declaration of the Windows-1251 encoding, from the return
// and its computed summary; `identifier` and `today` stamp the file.
std::string BuildExchangeDocument(const mTDeclaration& declaration, const kTSvodSum& sum,
                                  const std::string& identifier, Date today);

}  // namespace kvor
