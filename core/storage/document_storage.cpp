#include "core/storage/document_storage.h"

#include <cstdio>

#include "core/common/codec.h"
#include "core/common/number_text.h"
#include "core/storage/errors.h"

namespace kvor {

namespace {

constexpr std::string_view kMagic = "DLSG";
constexpr uint16_t kTruncatedCode = 300;

[[noreturn]] void Damaged(uint16_t code) {
  throw mEBadStorage(messages::kDamagedFile, code);
}

[[noreturn]] void NotANumber(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' не является числом");
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::string LoadErrorMessage(const std::exception& error) {
  if (dynamic_cast<const EConvertError*>(&error) || dynamic_cast<const EncodingError*>(&error))
    return messages::kDamagedFile;
  return error.what();
}

mTDocumentStorage::mTDocumentStorage(mTFileLoader* loader)
    : loader_(loader), ReadOnly_(loader ? loader->ReadOnly() : false) {}

void mTDocumentStorage::RequireOpen(uint16_t errorCode) const {
  if (!open_) throw mEObjectAccess(messages::kNotInitialised, errorCode);
}

void mTDocumentStorage::RequireWritable(uint16_t errorCode) const {
  if (ReadOnly_) throw mEWriteStorage(messages::kReadOnly, errorCode);
}

void mTDocumentStorage::WriteField(std::string_view text, size_t width, char fill) {
  if (text.empty() || width == 0) return;
  std::string& data = loader_->Data();
  if (text.size() >= width) {
    data.append(text.substr(0, width));
  } else {
    data.append(width - text.size(), fill);
    data.append(text);
  }
  position_ += width;
}

void mTDocumentStorage::CreateStorage(std::string_view title) {
  if (!loader_) throw mEMemoryAllocate(messages::kNoMemory, 50);
  RequireWritable(51);
  if (open_ || created_) throw mEAlreadyCreated(messages::kAlreadyCreated, 52);
  loader_->Data().clear();
  position_ = 0;
  WriteField(kMagic, 4, ' ');
  WriteField(title, 20, ' ');
  WriteField("01", 2, '0');
  WriteField("02", 2, '0');
  WriteField(std::string(32, 'F'), 32, ' ');
  Title_ = std::string(title);
  FormatMajor_ = 1;
  FormatMinor_ = 2;
  Reserved_ = std::string(32, 'F');
  open_ = created_ = true;
}

std::string_view mTDocumentStorage::Take(size_t count) {
  const std::string& data = loader_->Data();
  if (position_ > data.size() || count > data.size() - position_) Damaged(kTruncatedCode);
  std::string_view bytes(data.data() + position_, count);
  position_ += count;
  return bytes;
}

void mTDocumentStorage::OpenStorage() {
  if (!loader_) throw mEMemoryAllocate(messages::kNoMemory, 60);
  if (open_ || created_) throw mEAlreadyCreated(messages::kAlreadyCreated, 69);
  position_ = 0;
  if (loader_->Data().size() < kHeaderSize) {
    CloseStorage();
    Damaged(68);
  }
  if (Take(4) != kMagic) {
    CloseStorage();
    Damaged(68);
  }
  Title_ = std::string(Trim(Take(20)));
  std::string_view major = Take(2);
  std::string_view minor = Take(2);
  if (!AllDigits(Trim(major)) || !AllDigits(Trim(minor))) {
    CloseStorage();
    NotANumber(AllDigits(Trim(major)) ? minor : major);
  }
  FormatMajor_ = static_cast<uint16_t>(*ParseInteger(major));
  FormatMinor_ = static_cast<uint16_t>(*ParseInteger(minor));
  Reserved_ = std::string(Take(32));
  open_ = true;
}

void mTDocumentStorage::CloseStorage() {
  position_ = 0;
  CurrentStream_.clear();
  open_ = created_ = false;
  indexed_ = false;
  streams_.clear();
}

void mTDocumentStorage::CreateStream(std::string_view name) {
  RequireOpen(82);
  RequireWritable(81);
  WriteValue(name, 82, 81);
  CurrentStream_ = std::string(name);
}

void mTDocumentStorage::IndexStreams() {
  streams_.clear();
  const std::string& data = loader_->Data();
  size_t pos = kHeaderSize;
  // The walk ends at the end of the data, at the zero bytes some files carry after their last
  // value, or at anything else that is not a length.
  while (pos + 4 <= data.size()) {
    std::string_view length(data.data() + pos, 4);
    if (!AllDigits(length)) break;
    size_t size = static_cast<size_t>(*ParseInteger(length));
    pos += 4;
    if (size > data.size() - pos) break;
    if (size > 0 && data[pos] == '@') streams_.try_emplace(data.substr(pos, size), pos + size);
    pos += size;
  }
  indexed_ = true;
}

bool mTDocumentStorage::NextValueIs(std::string_view name) const {
  const std::string& data = loader_->Data();
  if (position_ > data.size() || data.size() - position_ < 4 + name.size()) return false;
  char length[8];
  std::snprintf(length, sizeof length, "%04zu", name.size());
  return std::string_view(data).substr(position_, 4) == length &&
         std::string_view(data).substr(position_ + 4, name.size()) == name;
}

bool mTDocumentStorage::HasStream(std::string_view name) {
  RequireOpen(211);
  if (NextValueIs(name)) return true;
  if (!indexed_) IndexStreams();
  return streams_.find(std::string(name)) != streams_.end();
}

void mTDocumentStorage::OpenStream(std::string_view name) {
  RequireOpen(211);
  // Streams are read back in the order they were written, so the wanted one normally starts
  // at the current position. Taking it from there first keeps a text value that happens to
  // equal a stream name, earlier in the file, from passing for the stream.
  if (NextValueIs(name)) {
    position_ += 4 + name.size();
  } else {
    if (!indexed_) IndexStreams();
    auto found = streams_.find(std::string(name));
    if (found == streams_.end()) throw mEOpenStream(messages::kNoStream, 210);
    position_ = found->second;
  }
  CurrentStream_ = std::string(name);
}

void mTDocumentStorage::RequireValues(size_t count) const {
  const std::string& data = loader_->Data();
  size_t left = position_ <= data.size() ? data.size() - position_ : 0;
  if (count > left / 4) Damaged(kTruncatedCode);
}

std::string_view mTDocumentStorage::ReadRawValue(uint16_t notOpenCode, bool numeric) {
  RequireOpen(notOpenCode);
  std::string_view lengthText = Take(4);
  if (!AllDigits(lengthText)) NotANumber(lengthText);
  size_t length = static_cast<size_t>(*ParseInteger(lengthText));
  if (numeric && length == 0) length = 1;
  return Take(length);
}

std::string mTDocumentStorage::ReadString() {
  return Cp1251ToUtf8(ReadRawValue(93, false));
}

int32_t mTDocumentStorage::ReadInteger() {
  std::string_view text = ReadRawValue(102, true);
  auto value = ParseInteger(text);
  if (!value || *value < INT32_MIN || *value > static_cast<int64_t>(UINT32_MAX)) NotANumber(text);
  return static_cast<int32_t>(static_cast<uint32_t>(*value));
}

uint16_t mTDocumentStorage::ReadWord() {
  std::string_view text = ReadRawValue(112, true);
  auto value = ParseInteger(text);
  if (!value || *value < INT32_MIN || *value > static_cast<int64_t>(UINT32_MAX)) NotANumber(text);
  return static_cast<uint16_t>(*value);
}

uint8_t mTDocumentStorage::ReadByte() {
  std::string_view text = ReadRawValue(142, true);
  auto value = ParseInteger(text);
  if (!value || *value < INT32_MIN || *value > static_cast<int64_t>(UINT32_MAX)) NotANumber(text);
  return static_cast<uint8_t>(*value);
}

Money mTDocumentStorage::ReadCurrency() {
  std::string_view text = ReadRawValue(122, true);
  // "a" marks an empty sum in files of earlier versions.
  if (text == "a") return Money::Roubles(-1);
  auto value = Money::ParseEither(text);
  if (!value) NotANumber(text);
  return *value;
}

double mTDocumentStorage::ReadDouble() {
  std::string_view text = ReadRawValue(132, true);
  // Files of format 1.01 and earlier keep dates as "DD.MM.YYYY" text.
  if (FormatVersion() < 65538) {
    if (auto date = Date::Parse(text, '.')) return date->Days;
    if (auto date = Date::Parse(text, ',')) return date->Days;
    NotANumber(text);
  }
  if (auto value = ParseDouble(text, '.')) return *value;
  if (auto value = ParseDouble(text, ',')) return *value;
  NotANumber(text);
}

bool mTDocumentStorage::WriteValue(std::string_view text, uint16_t notOpenCode,
                                   uint16_t readOnlyCode) {
  RequireOpen(notOpenCode);
  RequireWritable(readOnlyCode);
  std::string bytes;
  try {
    bytes = Utf8ToCp1251(text);
  } catch (const EncodingError& error) {
    throw mEWriteStorage(error.what(), readOnlyCode + 2);
  }
  if (bytes.size() > kMaxValueLength)
    throw mEWriteStorage(messages::kValueTooLong, readOnlyCode + 3);
  char length[8];
  std::snprintf(length, sizeof length, "%04u", static_cast<unsigned>(bytes.size()));
  loader_->Data().append(length, 4);
  loader_->Data().append(bytes);
  position_ += 4 + bytes.size();
  return true;
}

bool mTDocumentStorage::WriteString(std::string_view text) {
  return WriteValue(text, 151, 150);
}

bool mTDocumentStorage::WriteInteger(uint32_t value) {
  return WriteValue(std::to_string(value), 161, 160);
}

bool mTDocumentStorage::WriteWord(uint16_t value) {
  return WriteValue(std::to_string(value), 171, 170);
}

bool mTDocumentStorage::WriteByte(uint8_t value) {
  return WriteValue(std::to_string(value), 201, 200);
}

bool mTDocumentStorage::WriteCurrency(Money value) {
  return WriteValue(value.ToShortText('.'), 181, 180);
}

bool mTDocumentStorage::WriteDouble(double value) {
  return WriteValue(FormatGeneral15(value, '.'), 191, 190);
}

}  // namespace kvor
