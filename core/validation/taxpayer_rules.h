#pragma once

// Rules on the taxpayer's data shared by the taxpayer screens and the whole-return check.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/common/date.h"

namespace kvor {

// An ОКТМО of a valid length: 8 or 11 characters after trimming.
bool IsOktmoLength(std::string_view text);

// Identity documents issued from the age of fourteen: the passport of a citizen (21), the
// military ID (7), its temporary certificate (8) and the temporary identity card (24).
bool NeedsFourteenYears(int docTypeCode);

// The fourteenth birthday: the birth day and month in the year of birth plus 14, the 29th of
// February counting as the 28th. None when no calendar date can name it.
std::optional<Date> FourteenthBirthday(Date birth);

}  // namespace kvor
