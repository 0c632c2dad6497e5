#pragma once

#include <cstdint>
#include <string>

namespace kvor {

// One open or save of a return file. Reading takes the whole file into memory; writing collects
// the bytes in memory and `Commit` puts them on disk in one go: under a temporary name in the
// target's folder, renamed over the target only when everything is written, so a failed save
// never destroys the file that was there.
class mTFileLoader {
 public:
  // Reading (readOnly): `size` 0 takes the whole file. Raises mEBadStorage when the file does not
  // exist or cannot be read (nothing is created), mEMemoryAllocate for an empty file.
  // Writing: `size` is the expected length (a hint for the buffer); nothing touches the disk
  // before Commit.
  mTFileLoader(std::string fileName, uint32_t size, bool readOnly);

  // A loader for reading over bytes already in memory. An empty text is refused as an empty
  // file is.
  static mTFileLoader FromBytes(std::string fileName, std::string bytes);

  const std::string& FileName() const { return FileName_; }
  bool ReadOnly() const { return ReadOnly_; }
  std::string& Data() { return data_; }
  const std::string& Data() const { return data_; }

  // Writes the collected bytes atomically. Raises mEBadStorage (the read error text with the
  // "busy or read only" remark) when the folder cannot take the file.
  void Commit();

 private:
  mTFileLoader() = default;

  std::string FileName_;
  bool ReadOnly_ = true;
  std::string data_;
};

// Writes `bytes` to `path` through a temporary file in the same folder and a rename. Returns an
// empty string on success, otherwise the system's reason. The old file is untouched on failure
// and no temporary file is left behind.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Reads a whole file. Returns false (and the system's reason) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* reason = nullptr);

}  // namespace kvor
