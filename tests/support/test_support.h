#pragma once

#include <string>

namespace kvor::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Names of the entries of a folder, sorted.
std::string ListFolder(const std::string& path);

std::string FixturePath(const std::string& relative);
std::string SharedDataPath(const std::string& relative);

// Windows-1251 bytes of a UTF-8 literal, for building file contents in tests.
std::string Cp1251(const std::string& utf8);

}  // namespace kvor::test
