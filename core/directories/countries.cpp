#include "core/directories/countries.h"

#include "core/directories/directory_xml.h"

namespace kvor {

DirectoryResult<std::vector<CodeName>> ParseCountryDirectory(std::string_view bytes,
                                                             const std::string& fileName) {
  using Result = DirectoryResult<std::vector<CodeName>>;
  directory_xml::Document document;
  std::string error = directory_xml::Parse(bytes, document);
  std::vector<CodeName> rows;
  if (error.empty()) error = directory_xml::ReadCodeTextRows(document, rows);
  if (!error.empty()) return Result::Failure(directory_xml::BrokenFileMessage(fileName, error));
  return Result::Success(std::move(rows));
}

DirectoryResult<std::vector<CodeName>> LoadCountryDirectory(const std::string& path) {
  return directory_xml::LoadFile<std::vector<CodeName>>(
      path, [](std::string_view bytes, const std::string& name) {
        return ParseCountryDirectory(bytes, name);
      });
}

}  // namespace kvor
