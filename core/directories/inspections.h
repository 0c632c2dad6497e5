#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/directories/directory_files.h"

namespace kvor {

// The tax inspection directory "InspectionNumbers.xml": root `Inspections` with the attributes
// `Version` and `Date` ("DD.MM.YYYY"), one child `Inspection` per inspection with its four-digit
// `Code` and its name as text. The reader takes every child element of the root whatever its
// name (the file may be edited by hand). The inspection picker opens on the first row with the
// code it is given (FindCodeRow) or on none, and then still returns the given code.
struct InspectionDirectory {
  std::string Version;
  std::string Date;
  std::vector<CodeName> Inspections;
};

DirectoryResult<InspectionDirectory> ParseInspectionDirectory(
    std::string_view bytes, const std::string& fileName = kInspectionFileName);
DirectoryResult<InspectionDirectory> LoadInspectionDirectory(const std::string& path);

// The directory as its Windows-1251 file. Throws EncodingError for a name Windows-1251 cannot
// hold.
std::string InspectionDirectoryToXml(const InspectionDirectory& directory);

}  // namespace kvor
