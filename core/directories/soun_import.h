#pragma once

#include <string>
#include <string_view>

#include "core/common/date.h"
#include "core/directories/directory_files.h"
#include "core/directories/inspections.h"

namespace kvor {

// Rebuilding the inspection directory from the tax authority's inspection table soun1.dbf
// (dBASE, records of 1194 bytes, names in code page 866).

inline constexpr const char* kSounNoPathMessage = "Укажите путь к файлу soun1.dbf";
inline constexpr const char* kSounFailedMessage = "Импортировать данные не удалось";
inline constexpr const char* kSounDoneMessage =
    "Данные успешно импортированы. Не забудьте перезапустить программу.";

// The version the import writes into the directory.
inline constexpr const char* kSounDirectoryVersion = "00";

// Layout of the table as the import reads it.
namespace soun {
inline constexpr size_t kHeaderSize = 32;
inline constexpr size_t kRecordSize = 1194;
inline constexpr size_t kCountOffset = 4;         // 32-bit little-endian record count
inline constexpr size_t kHeaderLengthOffset = 8;  // 16-bit little-endian; records start there
inline constexpr size_t kCodeOffset = 1, kCodeLength = 4;
inline constexpr size_t kSuccessorOffset = 7, kSuccessorLength = 30;  // blank to be taken
inline constexpr size_t kNameOffset = 161, kNameLength = 250;
inline constexpr size_t kActiveOffset = 411;                      // "1" to be taken
inline constexpr size_t kClosedOffset = 934, kClosedLength = 10;  // blank to be taken
}  // namespace soun

// Reads the inspections out of the table's bytes: every record up to the header's 32-bit count
// and the end of the data (the end of the file or the dBASE end mark 0x1A), whose code has four
// characters and does not end in "00" (except "0400"), whose successor and closing fields are
// blank and whose activity mark is "1". A record cut short fails the whole read. `Date` is left
// empty and `Version` is "00". The error (Russian) names the fault.
DirectoryResult<InspectionDirectory> ReadSounTable(std::string_view bytes,
                                                   const std::string& fileName);

struct SounImportResult {
  bool Ok = false;
  // For the user: kSounDoneMessage, kSounFailedMessage or kSounNoPathMessage.
  std::string Message;
  // What went wrong, for the command-line tool (empty on success).
  std::string Detail;
  size_t Imported = 0;
};

// The whole import: reads `dbfPath`, stamps the directory with `today` and writes it to
// `directoryPath` atomically, so a failed import leaves the old directory as it was.
SounImportResult ImportSoun(const std::string& dbfPath, const std::string& directoryPath,
                            Date today);

}  // namespace kvor
