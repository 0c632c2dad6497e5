#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/directories/directory_files.h"

namespace kvor {

// The country directory "Oksm.xml" (the ОКСМ codes): one child of the root per country, its
// `Code` attribute the country code and its text the country name. Element names are not
// examined. The rows keep the file's order; the country picker opens on the first row with the
// code it is given (FindCodeRow), or on none.
DirectoryResult<std::vector<CodeName>> ParseCountryDirectory(
    std::string_view bytes, const std::string& fileName = kCountryFileName);
DirectoryResult<std::vector<CodeName>> LoadCountryDirectory(const std::string& path);

}  // namespace kvor
