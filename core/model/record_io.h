#pragma once

// Helpers the records share for reading themselves from a return file.

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "core/storage/document_storage.h"
#include "core/storage/errors.h"

namespace kvor::record_io {

// Error numbers of the damaged-file error raised while reading records.
inline constexpr uint16_t kMissingStreamCode = 210;
inline constexpr uint16_t kBadCountCode = 301;
inline constexpr uint16_t kSumOverflowCode = 302;

// Opens a stream the file must hold because an earlier value promised it: without it the file
// is damaged.
inline void OpenRecordStream(mTDocumentStorage& storage, std::string_view name) {
  if (!storage.HasStream(name)) throw mEBadStorage(messages::kDamagedFile, kMissingStreamCode);
  storage.OpenStream(name);
}

// A stored count of records or values, checked before anything is allocated for it: a negative
// count, or one promising more values than the rest of the file can hold, marks a damaged file.
inline int CheckedCount(const mTDocumentStorage& storage, int64_t count) {
  if (count < 0) throw mEBadStorage(messages::kDamagedFile, kBadCountCode);
  storage.RequireValues(static_cast<size_t>(count));
  return static_cast<int>(count);
}

// Runs `body`, which adds a loaded sum to a total; a total out of the range of money marks a
// damaged file.
template <class Body>
void AddingLoadedSum(Body&& body) {
  try {
    body();
  } catch (const std::overflow_error&) {
    throw mEBadStorage(messages::kDamagedFile, kSumOverflowCode);
  }
}

}  // namespace kvor::record_io
