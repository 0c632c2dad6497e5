#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// The directory files the program reads from its own folder.
inline constexpr const char* kInspectionFileName = "InspectionNumbers.xml";
inline constexpr const char* kCountryFileName = "Oksm.xml";
inline constexpr const char* kActivityFileName = "Sp_OKVED2.xml";
inline constexpr const char* kCurrencyFileName = "CurrencyRates.xml";

// The outcome of reading a directory: the value, or a Russian message that says what is wrong
// with the file (the caller then treats the directory as missing and shows the message).
// Readers never throw for a bad file.
template <class T>
struct DirectoryResult {
  std::optional<T> Value;
  std::string Error;
  // The file does not exist (Error then says so too); a missing directory is not a fault the
  // user needs to hear about, a broken one is.
  bool Missing = false;

  bool Ok() const { return Value.has_value(); }

  static DirectoryResult Success(T value) { return DirectoryResult{std::move(value), {}, false}; }
  static DirectoryResult Failure(std::string error, bool missing = false) {
    return DirectoryResult{std::nullopt, std::move(error), missing};
  }
};

// One row of a list picker: a code and its name, both UTF-8 text as the picker shows them.
struct CodeName {
  std::string Code;
  std::string Name;
  friend bool operator==(const CodeName&, const CodeName&) = default;
};

// The index of the first row whose code equals `code` exactly (text comparison), if any.
std::optional<size_t> FindCodeRow(const std::vector<CodeName>& rows, std::string_view code);

}  // namespace kvor
