#include "core/directories/soun_import.h"

#include "core/common/codec.h"
#include "core/common/number_text.h"
#include "core/storage/errors.h"
#include "core/storage/file_loader.h"

namespace kvor {

namespace {

uint32_t LittleEndian(std::string_view bytes, size_t offset, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i)
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return value;
}

std::string_view Field(std::string_view record, size_t offset, size_t length) {
  return Trim(record.substr(offset, length));
}

constexpr char kEndOfData = 0x1A;

}  // namespace

DirectoryResult<InspectionDirectory> ReadSounTable(std::string_view bytes,
                                                   const std::string& fileName) {
  using Result = DirectoryResult<InspectionDirectory>;
  auto cut = [&] { return Result::Failure(messages::kReadError + fileName); };
  if (bytes.size() < soun::kHeaderSize) return cut();
  uint32_t count = LittleEndian(bytes, soun::kCountOffset, 4);
  size_t position = LittleEndian(bytes, soun::kHeaderLengthOffset, 2);
  if (position > bytes.size()) return cut();

  InspectionDirectory directory;
  directory.Version = kSounDirectoryVersion;
  for (uint32_t n = 0; n < count; ++n) {
    size_t left = bytes.size() - position;
    if (left == 0 || (left == 1 && bytes[position] == kEndOfData)) break;
    if (left < soun::kRecordSize) return cut();
    std::string_view record = bytes.substr(position, soun::kRecordSize);
    position += soun::kRecordSize;

    std::string_view code = Field(record, soun::kCodeOffset, soun::kCodeLength);
    if (code.size() < 4) continue;
    if (code.substr(2, 2) == "00" && code != "0400") continue;
    if (!Field(record, soun::kSuccessorOffset, soun::kSuccessorLength).empty()) continue;
    if (Field(record, soun::kActiveOffset, 1) != "1") continue;
    if (!Field(record, soun::kClosedOffset, soun::kClosedLength).empty()) continue;
    try {
      directory.Inspections.push_back(
          {Cp866ToUtf8(code), Cp866ToUtf8(Field(record, soun::kNameOffset, soun::kNameLength))});
    } catch (const EncodingError& error) {
      return Result::Failure(error.what());
    }
  }
  return Result::Success(std::move(directory));
}

SounImportResult ImportSoun(const std::string& dbfPath, const std::string& directoryPath,
                            Date today) {
  SounImportResult result;
  if (dbfPath.empty()) {
    result.Message = kSounNoPathMessage;
    return result;
  }
  result.Message = kSounFailedMessage;
  std::string bytes, reason;
  if (!ReadWholeFile(dbfPath, bytes, &reason)) {
    result.Detail = messages::kReadError + dbfPath + ": " + reason;
    return result;
  }
  DirectoryResult<InspectionDirectory> table = ReadSounTable(bytes, dbfPath);
  if (!table.Ok()) {
    result.Detail = table.Error;
    return result;
  }
  table.Value->Date = today.ToText('.');
  std::string xml;
  try {
    xml = InspectionDirectoryToXml(*table.Value);
  } catch (const EncodingError& error) {
    result.Detail = error.what();
    return result;
  }
  if (std::string failure = WriteFileAtomically(directoryPath, xml); !failure.empty()) {
    result.Detail = "Не удалось записать " + directoryPath + ": " + failure;
    return result;
  }
  result.Ok = true;
  result.Message = kSounDoneMessage;
  result.Imported = table.Value->Inspections.size();
  return result;
}

}  // namespace kvor
