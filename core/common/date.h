#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// A calendar date (and time of day) as the number of days since 30.12.1899, the fraction being
// the time of day. 18.12.2014 is 41991.
struct Date {
  double Days = 0;

  static Date FromDays(double days) { return Date{days}; }
  // The date of the given civil day; nullopt when the day does not exist (30.02, month 13)
  // or the year is outside 1..9999.
  static std::optional<Date> FromYMD(int year, int month, int day);
  static Date Today();

  // Year, month and day of the whole part; false outside the years 1..9999.
  bool ToYMD(int& year, int& month, int& day) const;
  int Year() const;

  // "dd.mm.yyyy" with the given separator; an empty text for a date outside 1..9999.
  std::string ToText(char separator = '.') const;
  // Reads "d.m.yyyy" / "dd.mm.yyyy" with the given separator; nullopt for anything else.
  static std::optional<Date> Parse(std::string_view text, char separator = '.');

  friend auto operator<=>(const Date&, const Date&) = default;
  friend bool operator==(const Date&, const Date&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

}  // namespace kvor
