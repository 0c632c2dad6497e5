#include "core/common/codec.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdio>

namespace kvor {

namespace {

// One conversion descriptor per direction, opened on first use and kept for the process.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input; returns the offset of the first byte that could not be
  // converted, or npos on success.
  size_t Convert(std::string_view in, std::string& out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw EncodingError("Преобразование кодировки недоступно в этой системе");
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.assign(in.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
      size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      if (rc == static_cast<size_t>(-1)) {
        out.resize(out.size() - outLeft);
        return static_cast<size_t>(inPtr - in.data());
      }
    }
    out.resize(out.size() - outLeft);
    return std::string_view::npos;
  }

 private:
  iconv_t cd_;
};

Converter& ToCp1251() {
  thread_local Converter converter("CP1251", "UTF-8");
  return converter;
}
Converter& FromCp1251() {
  thread_local Converter converter("UTF-8", "CP1251");
  return converter;
}
Converter& FromCp866() {
  thread_local Converter converter("UTF-8", "CP866");
  return converter;
}

std::string DescribeCharacter(char32_t cp) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
  if (cp == 0xFFFD) return std::string("недопустимая последовательность байтов UTF-8");
  std::string text = "символ «";
  AppendUtf8(text, cp);
  return text + "» (" + code + ")";
}

}  // namespace

char32_t NextCodePoint(std::string_view s, size_t& pos) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(pos);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int extra = b0 >= 0xF0 && b0 < 0xF5 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC2 && b0 < 0xE0 ? 1 : -1;
  if (extra < 0 || pos + extra >= s.size()) {
    ++pos;
    return 0xFFFD;
  }
  char32_t cp = b0 & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms and surrogates are invalid.
  static const char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
    ++pos;
    return 0xFFFD;
  }
  pos += extra + 1;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

size_t Utf8Length(std::string_view utf8) {
  size_t count = 0;
  for (size_t pos = 0; pos < utf8.size(); ++count) NextCodePoint(utf8, pos);
  return count;
}

bool IsCp1251Encodable(char32_t cp) {
  if (cp < 0x80) return true;
  // The characters of the upper half of the code page, found once by decoding each byte.
  static const std::array<char32_t, 128> kUpperHalf = [] {
    std::array<char32_t, 128> table{};
    for (int b = 0x80; b < 0x100; ++b) {
      std::string in(1, static_cast<char>(b)), out;
      if (FromCp1251().Convert(in, out) == std::string_view::npos) {
        size_t pos = 0;
        table[b - 0x80] = NextCodePoint(out, pos);
      }
    }
    return table;
  }();
  for (char32_t c : kUpperHalf)
    if (c == cp) return true;
  return false;
}

std::optional<char32_t> FirstNonCp1251(std::string_view utf8) {
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = NextCodePoint(utf8, pos);
    if (!IsCp1251Encodable(cp)) return cp;
  }
  return std::nullopt;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  size_t failed = ToCp1251().Convert(utf8, out);
  if (failed == std::string_view::npos) return out;
  size_t pos = failed;
  char32_t cp = NextCodePoint(utf8, pos);
  throw EncodingError("Текст нельзя записать в кодировке Windows-1251: " + DescribeCharacter(cp));
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  size_t failed = FromCp1251().Convert(bytes, out);
  if (failed == std::string_view::npos) return out;
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(bytes[failed]));
  throw EncodingError(std::string("Байт ") + code + " не является символом кодировки Windows-1251");
}

std::string Cp866ToUtf8(std::string_view bytes) {
  std::string out;
  size_t failed = FromCp866().Convert(bytes, out);
  if (failed == std::string_view::npos) return out;
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(bytes[failed]));
  throw EncodingError(std::string("Байт ") + code + " не является символом кодировки 866");
}

}  // namespace kvor
