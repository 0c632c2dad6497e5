#include "core/common/codec.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

TEST(CodecTest, RussianTextRoundTripsThroughWindows1251) {
  std::string text = "Ёжик в тумане, ёлка № 5 — «кавычки» €";
  std::string bytes = Utf8ToCp1251(text);
  EXPECT_EQ(bytes.size(), Utf8Length(text));
  EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1251("Ё")[0]), 0xA8);
  EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1251("я")[0]), 0xFF);
  EXPECT_EQ(Cp1251ToUtf8(bytes), text);
}

TEST(CodecTest, CharacterOutsideTheCodePageIsAnError) {
  try {
    Utf8ToCp1251("Иванов 漢");
    FAIL() << "no error";
  } catch (const EncodingError& error) {
    EXPECT_NE(std::string(error.what()).find("漢"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("U+6F22"), std::string::npos) << error.what();
  }
  EXPECT_THROW(Utf8ToCp1251("\xC3"), EncodingError);  // cut UTF-8 sequence
  EXPECT_THROW(Cp1251ToUtf8("\x98"), EncodingError);  // the one undefined byte
  EXPECT_FALSE(IsCp1251Encodable(U'漢'));
  EXPECT_TRUE(IsCp1251Encodable(U'ё'));
  EXPECT_TRUE(IsCp1251Encodable(U'№'));
  EXPECT_EQ(FirstNonCp1251("abc ё 😀 x"), U'😀');
  EXPECT_EQ(FirstNonCp1251("всё хорошо"), std::nullopt);
}

TEST(CodecTest, Dos866) {
  // "Москва" in code page 866.
  EXPECT_EQ(Cp866ToUtf8("\x8C\xAE\xE1\xAA\xA2\xA0"), "Москва");
}

}  // namespace
}  // namespace kvor
