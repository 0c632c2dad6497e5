#include "core/storage/file_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "core/storage/errors.h"

namespace kvor {

namespace {

bool WriteAll(int fd, const std::string& bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* reason) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (reason) *reason = std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (reason) *reason = S_ISDIR(st.st_mode) ? "это папка" : std::strerror(errno);
    ::close(fd);
    return false;
  }
  bytes.clear();
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (reason) *reason = std::strerror(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
  // The temporary file goes beside the target so that the rename stays on one file system.
  std::random_device random;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = path + ".tmp" + std::to_string(random() % 1000000);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return std::strerror(errno);
  // Keep the permissions of the file being replaced.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int savedErrno = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    savedErrno = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    savedErrno = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return std::strerror(savedErrno);
  }
  return {};
}

mTFileLoader::mTFileLoader(std::string fileName, uint32_t size, bool readOnly)
    : FileName_(std::move(fileName)), ReadOnly_(readOnly) {
  if (!readOnly) {
    data_.reserve(size);
    return;
  }
  if (!ReadWholeFile(FileName_, data_)) {
    throw mEBadStorage(messages::kReadError + FileName_, 20);
  }
  if (size != 0 && size < data_.size()) data_.resize(size);
  if (data_.empty()) throw mEMemoryAllocate(messages::kZeroLength, 25);
}

mTFileLoader mTFileLoader::FromBytes(std::string fileName, std::string bytes) {
  if (bytes.empty()) throw mEMemoryAllocate(messages::kZeroLength, 25);
  mTFileLoader loader;
  loader.FileName_ = std::move(fileName);
  loader.data_ = std::move(bytes);
  return loader;
}

void mTFileLoader::Commit() {
  if (ReadOnly_) throw mEWriteStorage(messages::kReadOnly, 51);
  if (data_.empty()) throw mEMemoryAllocate(messages::kZeroLength, 25);
  if (!WriteFileAtomically(FileName_, data_).empty()) {
    throw mEBadStorage(std::string(messages::kReadError) + FileName_ + messages::kFileBusy, 21);
  }
}

}  // namespace kvor
