#include "core/export/exchange_values.h"

#include "core/common/codec.h"
#include "core/common/number_text.h"

namespace kvor {

namespace {

// The upper-case letter of a lower-case one; any other character is returned as it is.
char32_t UpperOf(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c < 0xE0) return c;  // µ stays µ: its capital is Greek, which the file cannot hold
  if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;  // à..þ except ÷
  if (c == 0xFF) return 0x178;                     // ÿ
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;   // а..я
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;  // ѐ..џ, with ё, ђ, ѓ, є, ѕ, і, ї, ј, љ, ў
  // The rest of the Cyrillic block and its supplement pair a capital with the next code point.
  bool pairedOdd = (c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) ||
                   (c >= 0x4D0 && c <= 0x52F);  // with ґ (U+0491)
  if (pairedOdd) return (c & 1) ? c - 1 : c;
  if (c >= 0x4C1 && c <= 0x4CE) return (c & 1) ? c : c - 1;
  if (c == 0x4CF) return 0x4C0;
  return c;
}

}  // namespace

std::string ToUpperText(std::string_view utf8) {
  std::string upper;
  upper.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    size_t start = pos;
    char32_t c = NextCodePoint(utf8, pos);
    char32_t u = UpperOf(c);
    if (u == c)
      upper.append(utf8.substr(start, pos - start));  // kept byte for byte, invalid ones too
    else
      AppendUtf8(upper, u);
  }
  return upper;
}

std::string WholeText(Money amount) {
  std::string text = amount.ToShortText('.');
  if (text.size() > 15) return "999999999999999";
  return text;
}

bool IsBlank(std::string_view text) {
  return Trim(text).empty();
}

std::string PadLeft(std::string_view text, size_t width) {
  std::string padded;
  if (text.size() < width) padded.assign(width - text.size(), '0');
  padded.append(text);
  return padded;
}

std::string DateText(Date date) {
  return date.ToText('.');
}

std::string YearText(Date date) {
  return PadLeft(std::to_string(date.Year()), 4);
}

}  // namespace kvor
