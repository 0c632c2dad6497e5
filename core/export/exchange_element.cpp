#include "core/export/exchange_element.h"

#include <string>

#include "core/common/money_text.h"
#include "core/export/exchange_values.h"

namespace kvor {

ExchangeElement ExchangeElement::Child(const char* name) {
  return ExchangeElement(node_.append_child(name));
}

ExchangeElement& ExchangeElement::Verbatim(const char* name, std::string_view value) {
  node_.append_attribute(name).set_value(std::string(value).c_str());
  return *this;
}

ExchangeElement& ExchangeElement::Text(const char* name, std::string_view value) {
  return Verbatim(name, ToUpperText(value));
}

ExchangeElement& ExchangeElement::TextIfNotBlank(const char* name, std::string_view value) {
  if (!IsBlank(value)) Text(name, value);
  return *this;
}

ExchangeElement& ExchangeElement::WithKopecks(const char* name, Money amount) {
  return Verbatim(name, WithKopecksText(amount));
}

ExchangeElement& ExchangeElement::Whole(const char* name, Money amount) {
  return Verbatim(name, WholeText(amount));
}

ExchangeElement& ExchangeElement::WithKopecksIfPositive(const char* name, Money amount) {
  if (amount > Money()) WithKopecks(name, amount);
  return *this;
}

ExchangeElement& ExchangeElement::WholeIfPositive(const char* name, Money amount) {
  if (amount > Money()) Whole(name, amount);
  return *this;
}

ExchangeElement& ExchangeElement::DateValue(const char* name, Date date) {
  return Verbatim(name, DateText(date));
}

ExchangeElement& ExchangeElement::YearValue(const char* name, Date date) {
  return Verbatim(name, YearText(date));
}

}  // namespace kvor
