#include "core/common/date.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace kvor {

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

// 30.12.1899 counted from 1970-01-01.
const long long kEpochOffset = DaysFromCivil(1899, 12, 30);
// The first and last day a date may name: 01.01.0001 and 31.12.9999.
const double kMinDays = static_cast<double>(DaysFromCivil(1, 1, 1) - kEpochOffset);
const double kMaxDays = static_cast<double>(DaysFromCivil(9999, 12, 31) - kEpochOffset);

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<Date> Date::FromYMD(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return std::nullopt;
  return Date{static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset)};
}

Date Date::Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return *FromYMD(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool Date::ToYMD(int& year, int& month, int& day) const {
  if (!std::isfinite(Days)) return false;
  double whole = std::trunc(Days);
  if (whole < kMinDays || whole > kMaxDays) return false;
  CivilFromDays(static_cast<long long>(whole) + kEpochOffset, year, month, day);
  return true;
}

int Date::Year() const {
  int y = 0, m = 0, d = 0;
  return ToYMD(y, m, d) ? y : 0;
}

std::string Date::ToText(char separator) const {
  int y, m, d;
  if (!ToYMD(y, m, d)) return {};
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", d, separator, m, separator, y);
  return buffer;
}

std::optional<Date> Date::Parse(std::string_view text, char separator) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  size_t first = text.find(separator);
  if (first == std::string_view::npos) return std::nullopt;
  size_t second = text.find(separator, first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  int d, m, y;
  if (!ParseNumber(text.substr(0, first), d) ||
      !ParseNumber(text.substr(first + 1, second - first - 1), m) ||
      !ParseNumber(text.substr(second + 1), y))
    return std::nullopt;
  return FromYMD(y, m, d);
}

}  // namespace kvor
