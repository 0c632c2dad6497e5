#include "core/directories/soun_import.h"

#include <gtest/gtest.h>

#include "core/common/codec.h"
#include "core/directories/inspections.h"
#include "support/test_support.h"

namespace kvor {
namespace {

// Code page 866 bytes of a UTF-8 text (ASCII, Cyrillic and "№" are enough here).
std::string Cp866(const std::string& utf8) {
  std::string bytes;
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = NextCodePoint(utf8, pos);
    if (c < 0x80)
      bytes += static_cast<char>(c);
    else if (c >= 0x410 && c <= 0x42F)
      bytes += static_cast<char>(0x80 + (c - 0x410));
    else if (c >= 0x430 && c <= 0x43F)
      bytes += static_cast<char>(0xA0 + (c - 0x430));
    else if (c >= 0x440 && c <= 0x44F)
      bytes += static_cast<char>(0xE0 + (c - 0x440));
    else if (c == 0x401)
      bytes += '\xF0';
    else if (c == 0x451)
      bytes += '\xF1';
    else if (c == 0x2116)
      bytes += '\xFC';
    else
      throw std::invalid_argument("no 866 byte for this character");
  }
  return bytes;
}

struct Record {
  std::string code;
  std::string name;  // UTF-8
  char active = '1';
  std::string successor;
  std::string closed;
  char deleted = ' ';
};

Record R(std::string code, std::string name, char active = '1', std::string successor = "",
         std::string closed = "", char deleted = ' ') {
  return {std::move(code),      std::move(name),   active,
          std::move(successor), std::move(closed), deleted};
}

std::string RecordBytes(const Record& r) {
  std::string bytes(soun::kRecordSize, ' ');
  bytes[0] = r.deleted;
  bytes.replace(soun::kCodeOffset, r.code.size(), r.code);
  bytes.replace(soun::kSuccessorOffset, r.successor.size(), r.successor);
  std::string name = Cp866(r.name);
  bytes.replace(soun::kNameOffset, name.size(), name);
  bytes[soun::kActiveOffset] = r.active;
  bytes.replace(soun::kClosedOffset, r.closed.size(), r.closed);
  return bytes;
}

void PutLittleEndian(std::string& bytes, size_t offset, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

// A dBASE table: the 32-byte header, field descriptors up to the header length (65 bytes here,
// so records do not start right after the fixed header), the records and the end mark 0x1A.
std::string Table(const std::vector<Record>& records, std::optional<uint32_t> count = {}) {
  const size_t headerLength = 65;
  std::string bytes(headerLength, '\0');
  bytes[0] = 0x03;
  PutLittleEndian(bytes, soun::kCountOffset, count.value_or(records.size()), 4);
  PutLittleEndian(bytes, soun::kHeaderLengthOffset, headerLength, 2);
  PutLittleEndian(bytes, 10, soun::kRecordSize, 2);
  bytes.replace(32, 10, "KOD_NO\0\0\0\0", 10);
  bytes[headerLength - 1] = 0x0D;
  for (const Record& record : records) bytes += RecordBytes(record);
  bytes += '\x1A';
  return bytes;
}

const std::vector<Record>& SampleRecords() {
  static const std::vector<Record> records = {
      R("7700", "Управление ФНС России по г.Москве"),
      R("7701", "Инспекция ФНС России № 1 по г.Москве"),
      R("0400", "Управление ФНС России по Республике Алтай", '1', "", "", '*'),
      R("0500", "Управление ФНС России по Республике Дагестан"),
      R("7702", "Закрытая инспекция", '0'),
      R("7703", "Реорганизованная инспекция", '1', "7704"),
      R("7704", "Ликвидированная инспекция", '1', "", "01.01.2014"),
      R("12", "Короткий код"),
      R("", "Без кода"),
      R("7799", "Межрайонная ИФНС России № 50 по г.Москве (ёлки)"),
  };
  return records;
}

const char* kHeader = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";

TEST(SounImportTest, ImportsTheRecordsThatPassTheTests) {
  test::TempDir dir;
  test::WriteFile(dir.File("soun1.dbf"), Table(SampleRecords()));
  Date today = *Date::FromYMD(2014, 12, 18);
  SounImportResult result =
      ImportSoun(dir.File("soun1.dbf"), dir.File("InspectionNumbers.xml"), today);
  ASSERT_TRUE(result.Ok) << result.Detail;
  EXPECT_EQ(result.Message, "Данные успешно импортированы. Не забудьте перезапустить программу.");
  EXPECT_EQ(result.Imported, 3u);
  // 7700 and 0500 end in "00"; 0400 is the exception (its deletion flag is not examined); the
  // inactive, succeeded, closed and short-coded records are skipped; the last record is taken.
  EXPECT_EQ(test::ReadFile(dir.File("InspectionNumbers.xml")),
            kHeader + test::Cp1251("<Inspections Version=\"00\" Date=\"18.12.2014\">\r\n"
                                   "\t<Inspection Code=\"7701\">Инспекция ФНС России № 1 по "
                                   "г.Москве</Inspection>\r\n"
                                   "\t<Inspection Code=\"0400\">Управление ФНС России по "
                                   "Республике Алтай</Inspection>\r\n"
                                   "\t<Inspection Code=\"7799\">Межрайонная ИФНС России № 50 по "
                                   "г.Москве (ёлки)</Inspection>\r\n"
                                   "</Inspections>\r\n"));

  auto directory = LoadInspectionDirectory(dir.File("InspectionNumbers.xml"));
  ASSERT_TRUE(directory.Ok()) << directory.Error;
  EXPECT_EQ(directory.Value->Version, "00");
  EXPECT_EQ(directory.Value->Date, "18.12.2014");
  EXPECT_EQ(directory.Value->Inspections[0],
            (CodeName{"7701", "Инспекция ФНС России № 1 по г.Москве"}));
  EXPECT_EQ(FindCodeRow(directory.Value->Inspections, "7799"), 2u);
  EXPECT_EQ(FindCodeRow(directory.Value->Inspections, "7700"), std::nullopt);
}

TEST(SounImportTest, RecordCountIsTheWhole32BitCountBoundedByTheData) {
  std::vector<Record> three(SampleRecords().begin() + 1, SampleRecords().begin() + 4);
  struct Case {
    uint32_t count;
    size_t imported;
  } cases[] = {
      {3, 2},           // 7701 and 0400 (0500 is skipped)
      {1, 1},           // the count is respected
      {0, 0},           // an empty table
      {0x10000, 2},     // the low 16 bits alone would be 0
      {0xFFFFFFFF, 2},  // a count far beyond the data ends at the end mark
  };
  for (const Case& c : cases) {
    auto table = ReadSounTable(Table(three, c.count), "soun1.dbf");
    ASSERT_TRUE(table.Ok()) << c.count << ": " << table.Error;
    EXPECT_EQ(table.Value->Inspections.size(), c.imported) << c.count;
  }
  // Without the end mark the end of the file ends the records as well.
  std::string unmarked = Table(three, 5);
  unmarked.pop_back();
  EXPECT_EQ(ReadSounTable(unmarked, "soun1.dbf").Value->Inspections.size(), 2u);
}

TEST(SounImportTest, AFailedImportLeavesTheOldDirectoryAsItWas) {
  test::TempDir dir;
  const std::string old = kHeader + test::Cp1251(
                                        "<Inspections Version=\"00\" Date=\"01.01.2014\">"
                                        "<Inspection Code=\"0101\">Старая</Inspection>"
                                        "</Inspections>");
  std::string table = Table(SampleRecords());
  std::string header = table.substr(0, 20);
  std::string headerPastEnd = table.substr(0, 40);
  struct Case {
    const char* what;
    std::string bytes;
    std::string detail;
  } cases[] = {
      {"a record cut short", table.substr(0, table.size() - 500),
       "Ошибка чтения файла: " + dir.File("soun1.dbf")},
      {"a header cut short", header, "Ошибка чтения файла: " + dir.File("soun1.dbf")},
      {"records said to start past the end", headerPastEnd,
       "Ошибка чтения файла: " + dir.File("soun1.dbf")},
  };
  for (const Case& c : cases) {
    test::WriteFile(dir.File("InspectionNumbers.xml"), old);
    test::WriteFile(dir.File("soun1.dbf"), c.bytes);
    SounImportResult result = ImportSoun(dir.File("soun1.dbf"), dir.File("InspectionNumbers.xml"),
                                         *Date::FromYMD(2014, 12, 18));
    EXPECT_FALSE(result.Ok) << c.what;
    EXPECT_EQ(result.Message, "Импортировать данные не удалось") << c.what;
    EXPECT_EQ(result.Detail, c.detail) << c.what;
    EXPECT_EQ(test::ReadFile(dir.File("InspectionNumbers.xml")), old) << c.what;
    EXPECT_EQ(test::ListFolder(dir.Path()), "InspectionNumbers.xml\nsoun1.dbf\n") << c.what;
  }

  SounImportResult missing = ImportSoun(dir.File("absent.dbf"), dir.File("InspectionNumbers.xml"),
                                        *Date::FromYMD(2014, 12, 18));
  EXPECT_EQ(missing.Message, "Импортировать данные не удалось");
  EXPECT_EQ(test::ReadFile(dir.File("InspectionNumbers.xml")), old);

  SounImportResult noPath =
      ImportSoun("", dir.File("InspectionNumbers.xml"), *Date::FromYMD(2014, 12, 18));
  EXPECT_FALSE(noPath.Ok);
  EXPECT_EQ(noPath.Message, "Укажите путь к файлу soun1.dbf");
}

TEST(InspectionDirectoryTest, ReadsEveryChildWhateverItsName) {
  auto directory = ParseInspectionDirectory(
      kHeader + test::Cp1251("<Inspections Version=\"01\" Date=\"02.03.2015\">\r\n"
                             "<!-- правка вручную -->\r\n"
                             "<Inspection Code=\"0101\">  Первая &amp; главная </Inspection>\r\n"
                             "<Row Code=\"0102\"><![CDATA[Вторая]]></Row>\r\n"
                             "<Inspection Code=\"0103\"/>\r\n"
                             "</Inspections>\r\n"));
  ASSERT_TRUE(directory.Ok()) << directory.Error;
  EXPECT_EQ(
      directory.Value->Inspections,
      (std::vector<CodeName>{{"0101", "Первая & главная"}, {"0102", "Вторая"}, {"0103", ""}}));
  EXPECT_EQ(directory.Value->Version, "01");

  auto noCode = ParseInspectionDirectory(
      kHeader + test::Cp1251("<Inspections>\r\n<Inspection Code=\"0101\">А</Inspection>\r\n"
                             "<Inspection Kod=\"0102\">Б</Inspection>\r\n</Inspections>"));
  EXPECT_EQ(noCode.Error,
            "Справочник «InspectionNumbers.xml» повреждён: запись 2 (строка 4): нет атрибута "
            "Code.");
  auto missing = LoadInspectionDirectory("/nonexistent/InspectionNumbers.xml");
  EXPECT_TRUE(missing.Missing);
  EXPECT_EQ(missing.Error, "Справочник «InspectionNumbers.xml» не найден.");
}

}  // namespace
}  // namespace kvor
