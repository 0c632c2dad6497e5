#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvor {

// Text is UTF-8 inside the program; the files it reads and writes use the single-byte code
// pages Windows-1251 (return files, XML, directories) and 866 (the dBASE inspection directory).
class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws EncodingError naming the first character the code page cannot hold (never writes a
// silent "?"), or when the text is not valid UTF-8.
std::string Utf8ToCp1251(std::string_view utf8);
// Throws EncodingError for the one byte Windows-1251 leaves undefined (0x98).
std::string Cp1251ToUtf8(std::string_view bytes);
std::string Cp866ToUtf8(std::string_view bytes);

bool IsCp1251Encodable(char32_t codePoint);
// The first character of the UTF-8 text that Windows-1251 cannot hold, if any; an invalid UTF-8
// sequence counts as such a character (U+FFFD).
std::optional<char32_t> FirstNonCp1251(std::string_view utf8);

// Decodes one code point at `pos`, advancing it; U+FFFD for an invalid sequence.
char32_t NextCodePoint(std::string_view utf8, size_t& pos);
void AppendUtf8(std::string& out, char32_t codePoint);

// The number of characters (code points) of a UTF-8 text.
size_t Utf8Length(std::string_view utf8);

}  // namespace kvor
