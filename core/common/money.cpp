#include "core/common/money.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace kvor {

namespace {

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

[[noreturn]] void Overflow() {
  throw std::overflow_error("Переполнение денежной суммы");
}

// Rounds numerator/denominator (denominator > 0) to an integer by the program's half-up rule:
// positive values go up from one half, negative values are cut toward zero.
__int128 DivideHalfUp(__int128 numerator, __int128 denominator) {
  if (numerator >= 0) return (numerator * 2 + denominator) / (denominator * 2);
  return numerator / denominator;  // C++ division truncates toward zero
}

Money FromWide(__int128 raw) {
  if (raw > std::numeric_limits<int64_t>::max() || raw < std::numeric_limits<int64_t>::min())
    Overflow();
  return Money::FromRaw(static_cast<int64_t>(raw));
}

Money RoundHalfUpToUnit(int64_t raw, int64_t unit) {
  return FromWide(DivideHalfUp(raw, unit) * unit);
}

}  // namespace

std::optional<Money> Money::FromDouble(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double scaled = std::round(value * kScale);
  if (scaled >= 9.2e18 || scaled <= -9.2e18) return std::nullopt;
  return Money(static_cast<int64_t>(scaled));
}

std::string Money::ToShortText(char decimalSeparator) const {
  // Work on the magnitude as unsigned so that the most negative value is safe too.
  bool negative = raw_ < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw_) : static_cast<uint64_t>(raw_);
  std::string text = std::to_string(magnitude / kScale);
  uint64_t fraction = magnitude % kScale;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction + kScale).substr(1);  // four digits
    while (digits.back() == '0') digits.pop_back();
    text += decimalSeparator;
    text += digits;
  }
  return negative ? "-" + text : text;
}

std::optional<Money> Money::Parse(std::string_view text, char decimalSeparator) {
  text = TrimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::string_view whole = text;
  std::string_view fraction;
  if (size_t sep = text.find(decimalSeparator); sep != std::string_view::npos) {
    whole = text.substr(0, sep);
    fraction = text.substr(sep + 1);
    if (fraction.empty() && whole.empty()) return std::nullopt;
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  __int128 value = 0;
  for (char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int64_t>::max()) return std::nullopt;
  }
  value *= kScale;
  __int128 scale = kScale;
  bool roundUp = false;
  for (size_t i = 0; i < fraction.size(); ++i) {
    char c = fraction[i];
    if (c < '0' || c > '9') return std::nullopt;
    if (i < 4) {
      scale /= 10;
      value += (c - '0') * scale;
    } else if (i == 4) {
      roundUp = c >= '5';
    }
  }
  if (roundUp) ++value;
  if (negative) value = -value;
  if (value > std::numeric_limits<int64_t>::max() || value < std::numeric_limits<int64_t>::min())
    return std::nullopt;
  return Money(static_cast<int64_t>(value));
}

std::optional<Money> Money::ParseEither(std::string_view text) {
  if (auto value = Parse(text, '.')) return value;
  return Parse(text, ',');
}

Money Money::RoundHalfUpToRoubles() const {
  return RoundHalfUpToUnit(raw_, kScale);
}
Money Money::RoundHalfUpToKopecks() const {
  return RoundHalfUpToUnit(raw_, 100);
}
Money Money::TruncToKopecks() const {
  return Money(raw_ / 100 * 100);
}
Money Money::TruncToRoubles() const {
  return Money(raw_ / kScale * kScale);
}

Money Money::MulRatioRoundToRoubles(int64_t numerator, int64_t denominator) const {
  if (denominator == 0) throw std::invalid_argument("Деление на ноль");
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  __int128 product = static_cast<__int128>(raw_) * numerator;
  return FromWide(DivideHalfUp(product, static_cast<__int128>(denominator) * kScale) * kScale);
}

Money Money::MulRatioRoundToKopecks(int64_t numerator, int64_t denominator) const {
  if (denominator == 0) throw std::invalid_argument("Деление на ноль");
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  __int128 product = static_cast<__int128>(raw_) * numerator;
  return FromWide(DivideHalfUp(product, static_cast<__int128>(denominator) * 100) * 100);
}

Money Money::operator-() const {
  if (raw_ == std::numeric_limits<int64_t>::min()) Overflow();
  return Money(-raw_);
}

Money Money::operator+(Money other) const {
  int64_t result;
  if (__builtin_add_overflow(raw_, other.raw_, &result)) Overflow();
  return Money(result);
}

Money Money::operator-(Money other) const {
  int64_t result;
  if (__builtin_sub_overflow(raw_, other.raw_, &result)) Overflow();
  return Money(result);
}

}  // namespace kvor
