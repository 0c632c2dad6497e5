#include "core/validation/identifiers.h"

#include <string>

#include "core/common/number_text.h"

namespace kvor {

namespace {

// The check digit of the first digits of `digits` under `weights`: 11 minus the remainder of the
// weighted sum by 11, with 10 and 11 giving 0.
template <size_t N>
int CheckDigit(std::string_view digits, const int (&weights)[N]) {
  int sum = 0;
  for (size_t i = 0; i < N; ++i) sum += (digits[i] - '0') * weights[i];
  int digit = 11 - sum % 11;
  return digit >= 10 ? 0 : digit;
}

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

size_t CharacterCount(std::string_view utf8) {
  size_t count = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

uint16_t CheckINN(std::string_view text, int kind) {
  std::string_view inn = Trim(text);
  if (inn.empty()) return kInnEmpty;
  size_t length = CharacterCount(inn);
  switch (kind) {
    case kInnOrganisation:
      if (length != 10) return kInnNotTen;
      break;
    case kInnPerson:
      if (length != 12) return kInnNotTwelve;
      break;
    default:
      if (length != 10 && length != 12) return kInnNotTenOrTwelve;
      break;
  }
  // The entry fields take digits only; anything else in a stored value cannot carry the right
  // check digits.
  if (!AllDigits(inn)) return kInnWrongDigits;

  if (inn.size() == 10) {
    static const int kWeights[] = {31, 29, 23, 19, 17, 13, 7, 5, 3};
    return CheckDigit(inn, kWeights) == inn[9] - '0' ? kInnValid : kInnWrongDigits;
  }
  static const int kWeights11[] = {37, 31, 29, 23, 19, 17, 13, 7, 5, 3};
  static const int kWeights12[] = {41, 37, 31, 29, 23, 19, 17, 13, 7, 5, 3};
  int c11 = CheckDigit(inn, kWeights11);
  std::string withC11(inn.substr(0, 10));
  withC11 += static_cast<char>('0' + c11);
  int c12 = CheckDigit(withC11, kWeights12);
  return c11 == inn[10] - '0' && c12 == inn[11] - '0' ? kInnValid : kInnWrongDigits;
}

uint16_t CheckKPP(std::string_view text) {
  std::string_view kpp = Trim(text);
  if (kpp.empty()) return kKppEmpty;
  return CharacterCount(kpp) == 9 ? kKppValid : kKppNotNine;
}

}  // namespace kvor
