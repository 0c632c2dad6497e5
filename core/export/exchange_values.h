#pragma once

// The conventions every value of the exchange file follows: upper case, amounts "with kopecks"
// and "whole", dates, years and codes padded to their width.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/common/date.h"
#include "core/common/money.h"

namespace kvor {

// The text in upper case, the same on every machine whatever its locale: Latin and Cyrillic
// letters (the whole Cyrillic block, "ё" → "Ё", "ї" → "Ї", "ў" → "Ў" and so on) and the
// letters of Latin-1. Anything else is kept as it is.
std::string ToUpperText(std::string_view utf8);

// An amount "whole": the shortest decimal text with a full stop and no trailing zeros (2.5, 2);
// a text longer than 15 characters becomes "999999999999999".
std::string WholeText(Money amount);

// True when the text is empty or holds only blanks (characters up to and including the space).
bool IsBlank(std::string_view text);

// The text padded on the left with "0" to `width` characters; a longer text is kept whole.
std::string PadLeft(std::string_view text, size_t width);

// "DD.MM.YYYY" and "YYYY" of a date.
std::string DateText(Date date);
std::string YearText(Date date);

}  // namespace kvor
