#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kvor {

// Failures of the return file layer. ErrorCode is the number of the failing check, set by the
// raiser; ContextCode is 0 when raised and may be set by a caller that catches and re-raises
// (the model marks which record was being saved or loaded).
class mEPrivBase : public std::runtime_error {
 public:
  mEPrivBase(const std::string& message, uint16_t errorCode)
      : std::runtime_error(message), ErrorCode(errorCode) {}
  uint16_t ErrorCode = 0;
  uint16_t ContextCode = 0;
};

#define KVOR_PRIV_ERROR(Name)      \
  class Name : public mEPrivBase { \
   public:                         \
    using mEPrivBase::mEPrivBase;  \
  }

KVOR_PRIV_ERROR(mEMemoryAllocate);  // allocation failure, zero-length file, mapping failure
KVOR_PRIV_ERROR(
    mEWriteStorage);            // a write on a read-only storage, or a value that cannot be written
KVOR_PRIV_ERROR(mEBadStorage);  // the file cannot be created or read, or it is damaged
KVOR_PRIV_ERROR(mEAlreadyCreated);  // the header is written or read a second time
KVOR_PRIV_ERROR(mEObjectAccess);    // an operation before the header was written or read
KVOR_PRIV_ERROR(mEOpenStream);      // a stream name that is not in the file

#undef KVOR_PRIV_ERROR

// A stored value whose text is not a number of the expected kind. It is not part of the
// mEPrivBase family; whoever loads a return reports it as a damaged file.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace messages {
inline constexpr const char* kDamagedFile =
    "Неправильный формат файла декларации, возможно он поврежден.";
inline constexpr const char* kReadError = "Ошибка чтения файла: ";
inline constexpr const char* kFileBusy = "\rВозможно он занят, или с признаком 'read only'";
inline constexpr const char* kZeroLength =
    "Создаваемый фаил отображения не может быть нулевой длины.";
inline constexpr const char* kCannotMap = "Не удается создать отображение файла.";
inline constexpr const char* kNoMemory = "Не выделена память.";
inline constexpr const char* kOutOfMemory = "Недостаточно свободной памяти.";
inline constexpr const char* kReadOnly = "Попытка записи в память только для чтения";
inline constexpr const char* kAlreadyCreated = "Объект уже был создан.";
inline constexpr const char* kNotInitialised = "Попытка доступа к неинициализированным данным.";
inline constexpr const char* kNoStream = "Попытка открытия несуществующего потока";
inline constexpr const char* kValueTooLong =
    "Значение длиннее 9999 байт не может быть записано в файл декларации.";
}  // namespace messages

// The text shown to the user when loading a return failed with `error`: the damaged-file text
// for a conversion error or an undecodable text, the exception's own message otherwise.
std::string LoadErrorMessage(const std::exception& error);

}  // namespace kvor
