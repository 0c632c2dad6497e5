#include "core/validation/taxpayer_rules.h"

#include "core/common/number_text.h"
#include "core/validation/identifiers.h"

namespace kvor {

bool IsOktmoLength(std::string_view text) {
  const size_t length = CharacterCount(Trim(text));
  return length == 8 || length == 11;
}

bool NeedsFourteenYears(int docTypeCode) {
  return docTypeCode == 7 || docTypeCode == 8 || docTypeCode == 21 || docTypeCode == 24;
}

std::optional<Date> FourteenthBirthday(Date birth) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (!birth.ToYMD(year, month, day)) return std::nullopt;
  if (month == 2 && day == 29) day = 28;
  return Date::FromYMD(year + 14, month, day);
}

}  // namespace kvor
