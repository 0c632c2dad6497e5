#include "core/directories/activity_codes.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kvor {
namespace {

// A small table in the statistics authority's form: quoted fields, ";" inside a name, a quote
// written twice, a section row with a blank code.
const char* kTable =
    "\"A\";\" \";\"СЕЛЬСКОЕ ХОЗЯЙСТВО\"\r\n"
    "\"A\";\"01\";\"Растениеводство\"\r\n"
    "\"A\";\"01.1\";\"Однолетние культуры\"\r\n"
    "\"A\";\"01.11\";\"Зерновые; бобовые\"\r\n"
    "\"A\";\"01.11.1\";\"Зерновые\"\r\n"
    "\"A\";\"01.11.11\";\"Пшеница\"\r\n"
    "\"A\";\"01.2\";\"Многолетние культуры\"\r\n"
    "\"A\";\"02\";\"Лесоводство \"\"и\"\" лесозаготовки\"\r\n"
    "\"A\";\"02.10\";\"Лесоводство\"\r\n"
    "\"B\";\" \";\"ДОБЫЧА\"\r\n"
    "\"B\";\"05\";\"Добыча угля\"\r\n"
    "\"B\";\"05.10\";\"Добыча каменного угля\"\r\n";

ActivityDirectory SmallDirectory() {
  auto directory = ActivitiesFromOkvedTable(test::Cp1251(kTable));
  EXPECT_TRUE(directory.Ok()) << directory.Error;
  return directory.Ok() ? *directory.Value : ActivityDirectory{};
}

TEST(ActivityCodesTest, TableBecomesLevelsKeysAndCodes) {
  ActivityDirectory directory = SmallDirectory();
  ASSERT_EQ(directory.Activities.size(), 12u);
  EXPECT_EQ(directory.Activities[0], (Activity{1, "A", "A", "СЕЛЬСКОЕ ХОЗЯЙСТВО"}));
  EXPECT_EQ(directory.Activities[1], (Activity{2, "A01", "01", "Растениеводство"}));
  EXPECT_EQ(directory.Activities[2], (Activity{3, "A01.1", "01.1", "Однолетние культуры"}));
  EXPECT_EQ(directory.Activities[3], (Activity{4, "A01.11", "01.11", "Зерновые; бобовые"}));
  EXPECT_EQ(directory.Activities[4], (Activity{5, "A01.11.1", "01.11.1", "Зерновые"}));
  EXPECT_EQ(directory.Activities[5], (Activity{6, "A01.11.11", "01.11.11", "Пшеница"}));
  EXPECT_EQ(directory.Activities[7].Name, "Лесоводство \"и\" лесозаготовки");
  EXPECT_EQ(directory.Activities[11], (Activity{4, "B05.10", "05.10", "Добыча каменного угля"}));

  // The directory file reads back as it was written.
  auto again = ParseActivityDirectory(ActivityDirectoryToXml(directory));
  ASSERT_TRUE(again.Ok()) << again.Error;
  EXPECT_EQ(again.Value->Activities, directory.Activities);
}

TEST(ActivityCodesTest, BrokenTablesNameTheLine) {
  struct Case {
    std::string table;
    std::string error;
  } cases[] = {
      {"\"A\";\" \";\"X\"\r\n\"A\";\"01\"\r\n",
       "строка 2: ожидается три поля «раздел;код;наименование», а их 2"},
      {"\"A\";\"1.1\";\"X\"\r\n", "строка 1: код «1.1» не похож на код ОКВЭД2"},
      {"\"A\";\"01.1a\";\"X\"\r\n", "строка 1: код «01.1a» не похож на код ОКВЭД2"},
      {"\"\";\"01\";\"X\"\r\n", "строка 1: раздел «» не латинская заглавная буква"},
      {"\"A\";\"01\";\" \"\r\n", "строка 1: нет наименования"},
      {"\"A\";\"01\";\"X\r\n", "строка 1: не закрыта кавычка"},
      {"\r\n\r\n", "в ней нет ни одной строки"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ActivitiesFromOkvedTable(test::Cp1251(c.table)).Error,
              "Таблица ОКВЭД2 не прочитана: " + c.error + ".");
  EXPECT_EQ(ActivitiesFromOkvedTable("\"A\";\"01\";\"\x98\"").Error,
            "Таблица ОКВЭД2 не прочитана: Байт 0x98 не является символом кодировки Windows-1251.");
  // Plain (unquoted) fields and LF line ends are read too.
  auto plain = ActivitiesFromOkvedTable("A; ;X\nA;01;Y\n");
  ASSERT_TRUE(plain.Ok()) << plain.Error;
  EXPECT_EQ(plain.Value->Activities[1], (Activity{2, "A01", "01", "Y"}));
}

TEST(ActivityChooserTest, ChoosingALevelOffersEveryDescendantBelow) {
  ActivityDirectory directory = SmallDirectory();
  ActivityChooser chooser(directory);
  using Texts = std::vector<std::string>;
  EXPECT_EQ(chooser.Entries(1), (Texts{"нет", "СЕЛЬСКОЕ ХОЗЯЙСТВО", "ДОБЫЧА"}));
  for (int level = 2; level <= 6; ++level) EXPECT_EQ(chooser.Entries(level), Texts{"нет"});
  EXPECT_EQ(chooser.ShownCode(), "нет");
  EXPECT_EQ(chooser.ChosenKod(), "");

  chooser.Choose(1, 1);
  EXPECT_EQ(chooser.ShownCode(), "A");
  EXPECT_EQ(chooser.ChosenKod(), "A");
  EXPECT_FALSE(chooser.ChosenCodeLongEnough());
  // Every deeper level lists all of the section's activities of that level, not only children.
  EXPECT_EQ(chooser.Entries(2),
            (Texts{"нет", "Растениеводство", "Лесоводство \"и\" лесозаготовки"}));
  EXPECT_EQ(chooser.Entries(3), (Texts{"нет", "Однолетние культуры", "Многолетние культуры"}));
  EXPECT_EQ(chooser.Entries(4), (Texts{"нет", "Зерновые; бобовые", "Лесоводство"}));
  EXPECT_EQ(chooser.Entries(6), (Texts{"нет", "Пшеница"}));

  chooser.Choose(2, 1);  // "01"
  EXPECT_EQ(chooser.ShownCode(), "01");
  EXPECT_EQ(chooser.ChosenKod(), "A01");
  EXPECT_FALSE(chooser.ChosenCodeLongEnough());
  EXPECT_EQ(chooser.Entries(4), (Texts{"нет", "Зерновые; бобовые"}));
  EXPECT_EQ(chooser.Entries(2).size(), 3u);  // the list chosen in keeps its entries

  chooser.Choose(4, 1);  // "01.11"
  EXPECT_EQ(chooser.ShownCode(), "01.11");
  EXPECT_EQ(chooser.ChosenName(), "Зерновые; бобовые");
  EXPECT_TRUE(chooser.ChosenCodeLongEnough());
  EXPECT_EQ(chooser.EntryActivity(6, 1)->Okved, "01.11.11");

  // "нет" in list 2 empties lists 3 to 6 and keeps the chosen code.
  chooser.Choose(2, 0);
  for (int level = 3; level <= 6; ++level) EXPECT_EQ(chooser.Entries(level), Texts{"нет"});
  EXPECT_EQ(chooser.ShownCode(), "01.11");
  EXPECT_EQ(chooser.Entries(2).size(), 3u);

  // Choosing another section refills from its key; out-of-range picks change nothing.
  chooser.Choose(1, 2);
  EXPECT_EQ(chooser.Entries(2), (Texts{"нет", "Добыча угля"}));
  EXPECT_EQ(chooser.Entries(4), (Texts{"нет", "Добыча каменного угля"}));
  chooser.Choose(1, 3);
  chooser.Choose(7, 1);
  chooser.Choose(0, 1);
  EXPECT_EQ(chooser.ChosenKod(), "B");
  EXPECT_EQ(chooser.EntryActivity(1, 0), nullptr);
  EXPECT_EQ(chooser.EntryActivity(1, 3), nullptr);
}

}  // namespace
}  // namespace kvor
