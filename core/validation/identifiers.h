#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvor {

// Which INN a field holds.
enum InnKind : int {
  kInnAny = 0,           // an organisation's (10 digits) or a person's (12 digits)
  kInnOrganisation = 1,  // 10 digits
  kInnPerson = 2,        // 12 digits
};

// Results of CheckINN.
enum InnCheck : uint16_t {
  kInnValid = 0,
  kInnEmpty = 1,
  kInnNotTenOrTwelve = 2,  // kInnAny: neither 10 nor 12 characters
  kInnNotTen = 3,          // kInnOrganisation: not 10 characters
  kInnNotTwelve = 4,       // kInnPerson: not 12 characters
  kInnWrongDigits = 5,     // the check digits do not match (or a character is not a digit)
};

// Checks an INN of the given kind (InnKind) after trimming; returns an InnCheck.
uint16_t CheckINN(std::string_view text, int kind);

// Results of CheckKPP.
enum KppCheck : uint16_t {
  kKppValid = 0,
  kKppEmpty = 1,
  kKppNotNine = 2,
};

// Checks a KPP after trimming: it must have 9 characters.
uint16_t CheckKPP(std::string_view text);

// The number of characters of a UTF-8 text (what the entry fields count).
size_t CharacterCount(std::string_view utf8);

}  // namespace kvor
