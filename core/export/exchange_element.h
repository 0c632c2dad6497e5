#pragma once

// Writes one element of the exchange document: its attributes under the value conventions of
// the file (every value in upper case, amounts with kopecks or whole, dates) and its children.

#include <pugixml.hpp>
#include <string_view>

#include "core/common/date.h"
#include "core/common/money.h"

namespace kvor {

class ExchangeElement {
 public:
  explicit ExchangeElement(pugi::xml_node node) : node_(node) {}

  // A child element appended after the children written so far.
  ExchangeElement Child(const char* name);

  // The value in upper case.
  ExchangeElement& Text(const char* name, std::string_view value);
  // The same, left out when the value is blank.
  ExchangeElement& TextIfNotBlank(const char* name, std::string_view value);
  // An amount with kopecks ("12.34", cut) or whole ("2.5").
  ExchangeElement& WithKopecks(const char* name, Money amount);
  ExchangeElement& Whole(const char* name, Money amount);
  // The same, written only when the amount is greater than zero.
  ExchangeElement& WithKopecksIfPositive(const char* name, Money amount);
  ExchangeElement& WholeIfPositive(const char* name, Money amount);
  // "DD.MM.YYYY" and "YYYY".
  ExchangeElement& DateValue(const char* name, Date date);
  ExchangeElement& YearValue(const char* name, Date date);
  // The value exactly as given, not upper-cased: only the file identifier is written so.
  ExchangeElement& Verbatim(const char* name, std::string_view value);

 private:
  pugi::xml_node node_;
};

}  // namespace kvor
