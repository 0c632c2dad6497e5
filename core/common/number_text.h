#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The general form of a double with 15 significant digits: "41990", "41990.5", "0.13"; the
// scientific form "1.5E-6" only for magnitudes below 0.00001 or with more than 15 integer digits.
// Independent of the process locale.
std::string FormatGeneral15(double value, char decimalSeparator = '.');

// Reads a floating-point text with the given decimal separator (optional surrounding spaces,
// sign, fraction, exponent). nullopt for anything else, infinities and NaN included.
std::optional<double> ParseDouble(std::string_view text, char decimalSeparator);

// Reads a decimal integer (optional surrounding spaces and sign) within the 64-bit range.
std::optional<int64_t> ParseInteger(std::string_view text);

// Strips every character up to and including the space (0x00-0x20) from both ends.
std::string_view Trim(std::string_view text);

}  // namespace kvor
