// The value conventions of the exchange file: upper case, amounts, codes, the representative's
// name and the file identifier.
#include <gtest/gtest.h>

#include "core/common/money_text.h"
#include "core/export/exchange_values.h"
#include "core/export/export_return.h"
#include "core/export/title_data.h"

namespace kvor {
namespace {

TEST(UpperCaseTest, WholeCyrillicAlphabetAndLatin) {
  struct Case {
    const char* text;
    const char* upper;
  } cases[] = {
      {"абвгдеёжзийклмнопрстуфхцчшщъыьэюя", "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
      {"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
      {"пётр семёнович", "ПЁТР СЕМЁНОВИЧ"},
      // The other letters of Windows-1251: Ukrainian, Belarusian, Serbian, Macedonian.
      {"ђѓєѕіїјљњћќўџґ", "ЂЃЄЅІЇЈЉЊЋЌЎЏҐ"},
      {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {"Zedo2014_1.1.0", "ZEDO2014_1.1.0"},
      // Digits, punctuation and signs stay; µ has no capital in the code page.
      {"ул. Ленина, д. 1а, кв. 5 № 7 «Ромашка» µ €", "УЛ. ЛЕНИНА, Д. 1А, КВ. 5 № 7 «РОМАШКА» µ €"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ToUpperText(c.text), c.upper) << c.text;
}

TEST(AmountTextTest, WithKopecksAndWhole) {
  struct Case {
    Money amount;
    const char* withKopecks;
    const char* whole;
  } cases[] = {
      {Money::FromRaw(123456), "12.34", "12.3456"},  // kopecks are cut, not rounded
      {Money::FromRaw(129999), "12.99", "12.9999"},
      {Money::Kopecks(250), "2.50", "2.5"},
      {Money::Roubles(2), "2.00", "2"},
      {Money(), "0.00", "0"},
      {Money::FromRaw(-1), "0.00", "-0.0001"},  // a negative amount with kopecks is 0.00
      {Money::Kopecks(-150), "0.00", "-1.5"},
      // 15 characters fit; 16 do not.
      {Money::Kopecks(99999999999999), "999999999999.99", "999999999999.99"},
      {Money::Roubles(1000000000000), "999999999999.99", "1000000000000"},
      {Money::FromRaw(99999999999999000), "999999999999.99", "9999999999999.9"},
      {Money::FromRaw(999999999999999000), "999999999999.99", "999999999999999"},
      {Money::FromRaw(1000000000000001), "100000000000.00", "999999999999999"},
      {Money::FromRaw(INT64_MAX), "999999999999.99", "999999999999999"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithKopecksText(c.amount), c.withKopecks) << c.amount.ToShortText();
    EXPECT_EQ(WholeText(c.amount), c.whole) << c.amount.ToShortText();
  }
}

TEST(CodeTextTest, PaddedOnTheLeft) {
  EXPECT_EQ(PadLeft("7", 2), "07");
  EXPECT_EQ(PadLeft("40", 3), "040");
  EXPECT_EQ(PadLeft("", 2), "00");
  EXPECT_EQ(PadLeft("643", 3), "643");
  EXPECT_EQ(PadLeft("1234", 3), "1234");
}

std::string Repeat(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

TEST(RepresentativeNameTest, SplitAtSpacesWithinSixtyCharacters) {
  struct Case {
    std::string full;
    std::string surname, name, patronymic;
  } cases[] = {
      {"Петров Пётр Петрович", "Петров", "Пётр", "Петрович"},
      {"Петров", "Петров", "", ""},
      {"  Петров   Пётр  ", "Петров", "Пётр", ""},
      {"Петров Пётр Петрович-Водкин оглы", "Петров", "Пётр", "Петрович-Водкин оглы"},
      {"", "", "", ""},
      // A word longer than sixty characters: the rest of it starts the next part. Cyrillic
      // letters count one character each.
      {Repeat("Щ", 61) + " Анна", Repeat("Щ", 60), "Щ", "Анна"},
      {"Ли " + Repeat("Ю", 62), "Ли", Repeat("Ю", 60), "ЮЮ"},
      {"Ли Ан " + Repeat("Ю", 62), "Ли", "Ан", Repeat("Ю", 60)},
  };
  for (const Case& c : cases) {
    RepresentativeNameParts parts = SplitRepresentativeName(c.full);
    EXPECT_EQ(parts.Surname, c.surname) << c.full;
    EXPECT_EQ(parts.Name, c.name) << c.full;
    EXPECT_EQ(parts.Patronymic, c.patronymic) << c.full;
  }
}

TEST(FileIdentifierTest, ShapeOfBothForms) {
  const Date today = *Date::FromYMD(2015, 3, 7);
  const std::string guid = "0F8FAD5B-D9CB-469F-A165-70867728950E";
  struct Case {
    uint8_t type;
    const char* inn;
    const char* identifier;
  } cases[] = {
      {kDeclaration3NDFL, "500100732259",
       "NO_NDFL3_7701_7701_500100732259_20150307_0F8FAD5B-D9CB-469F-A165-70867728950E"},
      {kDeclaration3NDFLNonResident, "500100732259",
       "NO_NDFL3_7701_7701_500100732259_20150307_0F8FAD5B-D9CB-469F-A165-70867728950E"},
      {kDeclaration3NDFL, "",
       "NO_NDFL3_7701_7701_000000000000_20150307_0F8FAD5B-D9CB-469F-A165-70867728950E"},
      {kDeclaration3NDFL, "   ",
       "NO_NDFL3_7701_7701_000000000000_20150307_0F8FAD5B-D9CB-469F-A165-70867728950E"},
      {kDeclaration4NDFL, "500100732259",
       "NO_NDFL4_7701_7701_500100732259_20150307_0F8FAD5B-D9CB-469F-A165-70867728950E"},
      // 4-NDFL writes the ИНН even when it is empty.
      {kDeclaration4NDFL, "", "NO_NDFL4_7701_7701__20150307_0F8FAD5B-D9CB-469F-A165-70867728950E"},
  };
  for (const Case& c : cases) {
    mTDeclaration d;
    d.InspectionNumber = "7701";
    d.DeclarationType = c.type;
    d.PersonInformation.INN = c.inn;
    EXPECT_EQ(ExchangeFileIdentifier(d, today, guid), c.identifier);
  }
}

TEST(FileIdentifierTest, EveryGuidIsNewAndUpperCase) {
  std::string first = NewGuidText();
  std::string second = NewGuidText();
  EXPECT_NE(first, second);
  for (const std::string& guid : {first, second}) {
    ASSERT_EQ(guid.size(), 36u) << guid;
    for (size_t i = 0; i < guid.size(); ++i) {
      if (i == 8 || i == 13 || i == 18 || i == 23)
        EXPECT_EQ(guid[i], '-') << guid;
      else
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(guid[i])) ||
                    (guid[i] >= 'A' && guid[i] <= 'F'))
            << guid;
    }
  }
}

}  // namespace
}  // namespace kvor
