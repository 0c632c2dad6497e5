#include "core/directories/directory_files.h"

namespace kvor {

std::optional<size_t> FindCodeRow(const std::vector<CodeName>& rows, std::string_view code) {
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].Code == code) return i;
  return std::nullopt;
}

}  // namespace kvor
