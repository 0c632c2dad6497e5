#include "core/common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kvor {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string FormatGeneral15(double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // Fifteen significant digits as d.dddddddddddddde±x, then laid out by hand.
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  std::string text(buffer, ec == std::errc() ? end : buffer);
  bool negative = text.front() == '-';
  if (negative) text.erase(0, 1);
  size_t e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  if (exponent < -5 || exponent >= 15) {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out += decimalSeparator + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    out = "0";
    out += decimalSeparator;
    out += std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    size_t integerDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      out = digits + std::string(integerDigits - digits.size(), '0');
    } else {
      out = digits.substr(0, integerDigits) + decimalSeparator + digits.substr(integerDigits);
    }
  }
  return negative ? "-" + out : out;
}

std::optional<double> ParseDouble(std::string_view text, char decimalSeparator) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  std::string normal(text);
  if (decimalSeparator != '.') {
    if (normal.find('.') != std::string::npos) return std::nullopt;
    for (char& c : normal)
      if (c == decimalSeparator) c = '.';
  }
  const char* begin = normal.data();
  if (*begin == '+') ++begin;
  if (*begin == '+' || *begin == '\0') return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(begin, normal.data() + normal.size(), value);
  if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int64_t> ParseInteger(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace kvor
