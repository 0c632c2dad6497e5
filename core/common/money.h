#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// An amount of roubles held exactly as a signed count of ten-thousandths of a rouble.
// Sums and differences are exact; an overflow of the 64-bit range throws std::overflow_error.
class Money {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Money() = default;
  static constexpr Money FromRaw(int64_t tenThousandths) { return Money(tenThousandths); }
  static constexpr Money Roubles(int64_t roubles) { return Money(roubles * kScale); }
  // Roubles and kopecks, for example Money::Kopecks(123456) is 1234.56.
  static constexpr Money Kopecks(int64_t kopecks) { return Money(kopecks * 100); }
  // The nearest amount of ten-thousandths (halves away from zero); nullopt outside the range.
  static std::optional<Money> FromDouble(double value);

  constexpr int64_t Raw() const { return raw_; }
  double ToDouble() const { return static_cast<double>(raw_) / kScale; }
  constexpr bool IsZero() const { return raw_ == 0; }

  // Text with "." as the decimal separator, no thousands separators, no trailing zeros and at
  // most four decimals: 1500, 1234.5, 0.0001, -3.25.
  std::string ToShortText(char decimalSeparator = '.') const;

  // Parses [spaces][sign]digits[separator digits][spaces]; more than four decimals are rounded
  // half away from zero to four. Returns nullopt when the text is not such a number or the
  // amount does not fit.
  static std::optional<Money> Parse(std::string_view text, char decimalSeparator);
  // The reading of a stored amount: "." first, then "," when that fails.
  static std::optional<Money> ParseEither(std::string_view text);

  // Rounding half up as the program defines it: the integer part plus one when the fraction is
  // at least one half; negative amounts are cut toward zero.
  Money RoundHalfUpToRoubles() const;
  Money RoundHalfUpToKopecks() const;
  // Cuts (never rounds) toward zero to whole kopecks or whole roubles.
  Money TruncToKopecks() const;
  Money TruncToRoubles() const;

  // The exact product of the amount and a rate given as numerator/denominator, rounded half up
  // (as above) to whole roubles or to kopecks. Computed in 128-bit integers, so 90.00 * 35/100
  // is exactly 31.5 and gives 32.
  Money MulRatioRoundToRoubles(int64_t numerator, int64_t denominator) const;
  Money MulRatioRoundToKopecks(int64_t numerator, int64_t denominator) const;

  Money operator-() const;
  Money operator+(Money other) const;
  Money operator-(Money other) const;
  Money& operator+=(Money other) { return *this = *this + other; }
  Money& operator-=(Money other) { return *this = *this - other; }
  friend constexpr auto operator<=>(Money, Money) = default;
  friend constexpr bool operator==(Money, Money) = default;

 private:
  constexpr explicit Money(int64_t raw) : raw_(raw) {}
  int64_t raw_ = 0;
};

}  // namespace kvor
