#pragma once

#include <string>
#include <vector>

#include "core/directories/directory_files.h"

namespace kvor {

// The identity document types (14 rows, codes of two digits) and the regions of the Russian
// Federation (85 rows: 01 to 79, 86, 87, 89, 91, 92, 99), built into the program, in the order
// their pickers list them.
const std::vector<CodeName>& DocumentTypes();
const std::vector<CodeName>& Regions();

// The code text these two pickers open on for a stored code: two digits ("%.2d"), and "01" for
// 0. So region 0 opens on "01", while document type 0 finds no row (there is no type "01").
// Look the row up with FindCodeRow.
std::string PickerTwoDigitCode(int code);

}  // namespace kvor
