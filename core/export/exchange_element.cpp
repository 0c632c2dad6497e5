#include "core/export/exchange_element.h"

#include <string>

#include "core/common/money_text.h"
#include "core/export/exchange_values.h"

namespace kvor {

ExchangeElement ExchangeElement::Child(const char* name) {
  return ExchangeElement(node_.append_child(name));
}

namespace {

// XML 1.0 holds no control character but tab, line feed and carriage return, not even as a
// character reference; the others (which no entry field lets in) are written as spaces, as the
// blanks they count as everywhere else.
std::string XmlText(std::string_view value) {
  std::string text(value);
  for (char& c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') c = ' ';
  }
  return text;
}

}  // namespace

ExchangeElement& ExchangeElement::Verbatim(const char* name, std::string_view value) {
  node_.append_attribute(name).set_value(XmlText(value).c_str());
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
