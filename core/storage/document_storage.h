#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/common/date.h"
#include "core/common/money.h"
#include "core/storage/errors.h"
#include "core/storage/file_loader.h"

namespace kvor {

// Reads and writes the typed values of a return file held by a loader.
//
// The file is a 60-byte header ("DLSG", the title right-aligned in 20 characters, "01", "02",
// 32 "F") followed by values back to back. Every value, stream names included, is a
// four-digit length and that many bytes of Windows-1251 text. A stream is its name followed by
// its values. The reader takes a stream from the current position when it starts there (streams
// are read back in the order they were written); otherwise it walks the values from byte 60 and
// takes the first value whose text is the name, so text inside a value can never pass for a
// stream name.
//
// Strings cross this interface as UTF-8 and are converted at the file edge.
class mTDocumentStorage {
 public:
  static constexpr size_t kHeaderSize = 60;
  static constexpr size_t kMaxValueLength = 9999;

  explicit mTDocumentStorage(mTFileLoader* loader);

  void CreateStorage(std::string_view title);
  void OpenStorage();
  void CreateStream(std::string_view name);
  void OpenStream(std::string_view name);
  // Whether a stream of this name is in the file (reading only).
  bool HasStream(std::string_view name);
  void CloseStorage();

  std::string ReadString();
  int32_t ReadInteger();
  uint16_t ReadWord();
  uint8_t ReadByte();
  Money ReadCurrency();
  double ReadDouble();
  Date ReadDate() { return Date{ReadDouble()}; }

  bool WriteString(std::string_view text);
  bool WriteInteger(uint32_t value);
  bool WriteWord(uint16_t value);
  bool WriteByte(uint8_t value);
  bool WriteCurrency(Money value);
  bool WriteDouble(double value);
  bool WriteDate(Date value) { return WriteDouble(value.Days); }

  // Raises the damaged-file error unless at least `count` more values could follow (each takes
  // at least four bytes). Callers check a stored record count with it before they allocate.
  void RequireValues(size_t count) const;

  const std::string& Title() const { return Title_; }
  const std::string& Reserved() const { return Reserved_; }
  uint16_t FormatMajor() const { return FormatMajor_; }
  uint16_t FormatMinor() const { return FormatMinor_; }
  // FormatMajor * 65536 + FormatMinor: 65538 is format 1.02.
  uint32_t FormatVersion() const { return (uint32_t{FormatMajor_} << 16) | FormatMinor_; }
  const std::string& CurrentStream() const { return CurrentStream_; }
  size_t Position() const { return position_; }
  bool IsOpen() const { return open_; }

 private:
  void RequireOpen(uint16_t errorCode) const;
  void RequireWritable(uint16_t errorCode) const;
  void WriteField(std::string_view text, size_t width, char fill);
  bool WriteValue(std::string_view bytes, uint16_t notOpenCode, uint16_t readOnlyCode);
  std::string_view ReadRawValue(uint16_t notOpenCode, bool numeric);
  std::string_view Take(size_t count);
  void IndexStreams();
  // Whether the value at the current position is exactly `name`.
  bool NextValueIs(std::string_view name) const;

  mTFileLoader* loader_;
  bool ReadOnly_ = false;
  size_t position_ = 0;
  std::string Title_;
  std::string CurrentStream_;
  std::string Reserved_;
  uint16_t FormatMajor_ = 0;
  uint16_t FormatMinor_ = 0;
  bool open_ = false;
  bool created_ = false;
  bool indexed_ = false;
  // Position after the first value whose text is a stream name, by name.
  std::unordered_map<std::string, size_t> streams_;
};

// Runs `body`; an mEPrivBase passing through gets `contextCode`.
template <class Body>
void WithContextCode(uint16_t contextCode, Body&& body) {
  try {
    body();
  } catch (mEPrivBase& error) {
    error.ContextCode = contextCode;
    throw;
  }
}

}  // namespace kvor
