#include "support/test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "core/common/codec.h"

namespace kvor::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kvor-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (!mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
  path_ = buffer.data();
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

bool FileExists(const std::string& path) {
  return std::filesystem::exists(path);
}

std::string ListFolder(const std::string& path) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string list;
  for (const auto& name : names) list += name + "\n";
  return list;
}

std::string FixturePath(const std::string& relative) {
  return std::string(KVOR_FIXTURES_DIR) + "/" + relative;
}

std::string SharedDataPath(const std::string& relative) {
  return std::string(KVOR_SHARED_DIR) + "/data/" + relative;
}

std::string Cp1251(const std::string& utf8) {
  return Utf8ToCp1251(utf8);
}

}  // namespace kvor::test
