// The exchange file as it lands on disk: its name, its bytes against the reviewed golden files
// (identifier and date masked), its encoding, and the export's failures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "core/common/codec.h"
#include "core/export/export_return.h"
#include "core/export/export_support.h"
#include "support/test_returns.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using namespace exporttest;

constexpr const char* kGuidPattern = "[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}";

// The file's identifier and the document's date in the golden files.
constexpr const char* kIdentifierMask = "@FILE-ID@";
constexpr const char* kTodayMask = "@TODAY@";

struct GoldenCase {
  const char* name;     // golden file tests/fixtures/export/<name>.xml
  const char* fixture;  // the return
  const char* prefix;   // the file name up to the date
};

const GoldenCase kGoldenCases[] = {
    {"full_return", "model/full_return.kv4", "NO_NDFL3_7705_7705_500100732259_"},
    {"nonresident", "export/nonresident.json", "NO_NDFL3_0725_0725_072512345687_"},
    {"ndfl4", "export/ndfl4.json", "NO_NDFL4_5003_5003_500312345614_"},
    {"no_inn", "export/no_inn.json", "NO_NDFL3_7705_7705_000000000000_"},
    {"representative", "export/representative.json", "NO_NDFL3_7728_7728_770598765407_"},
};

std::string ReplaceOnce(std::string text, const std::string& what, const std::string& with) {
  size_t at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  if (at == std::string::npos) return text;
  text.replace(at, what.size(), with);
  EXPECT_EQ(text.find(what), std::string::npos) << what << " occurs more than once";
  return text;
}

// The date of the identifier, "YYYYMMDD", as the document writes it, "DD.MM.YYYY".
std::string DocumentDate(const std::string& compact) {
  return compact.substr(6, 2) + "." + compact.substr(4, 2) + "." + compact.substr(0, 4);
}

class GoldenFileTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFileTest, FileMatchesTheReviewedText) {
  const GoldenCase& c = GetParam();
  mTDeclaration d = FixtureReturn(c.fixture);
  test::TempDir dir;
  ExportResult result = ExportReturn(dir.Path() + "/", d, ExportMode::kFile);
  ASSERT_FALSE(result.Failed()) << result.Reason;
  EXPECT_TRUE(result.Messages.empty());

  std::smatch shape;
  std::regex name(std::string(c.prefix) + "([0-9]{8})_" + kGuidPattern + "\\.xml");
  ASSERT_TRUE(std::regex_match(result.Result, shape, name)) << result.Result;
  EXPECT_EQ(test::ListFolder(dir.Path()), result.Result + "\n");  // nothing else left behind

  std::string identifier = result.Result.substr(0, result.Result.size() - 4);
  std::string bytes = test::ReadFile(dir.File(result.Result));
  std::string masked = ReplaceOnce(bytes, identifier, kIdentifierMask);
  masked = ReplaceOnce(masked, test::Cp1251("ДатаДок=\"" + DocumentDate(shape[1]) + "\""),
                       test::Cp1251("ДатаДок=\"") + kTodayMask + "\"");

  std::string golden = test::FixturePath(std::string("export/") + c.name + ".xml");
  if (std::getenv("KVOR_UPDATE_GOLDEN")) {
    test::WriteFile(golden, masked);
    FAIL() << golden << " rewritten: review it before committing";
  }
  EXPECT_EQ(masked, test::ReadFile(golden)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Returns, GoldenFileTest, testing::ValuesIn(kGoldenCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ExportFileTest, WindowsCodePageOnDiskDeclaredAndReadable) {
  mTDeclaration d = FixtureReturn("model/full_return.kv4");
  test::TempDir dir;
  ExportResult result = ExportReturn(dir.Path() + "/", d, ExportMode::kFile);
  ASSERT_FALSE(result.Failed()) << result.Reason;
  std::string path = dir.File(result.Result);
  std::string bytes = test::ReadFile(path);

  const std::string declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
  EXPECT_EQ(bytes.substr(0, declaration.size()), declaration);
  // Single-byte Cyrillic only: Windows-1251 text that is not also UTF-8 text.
  EXPECT_NE(bytes.find(test::Cp1251("<Файл ИдФайл=")), std::string::npos);
  EXPECT_EQ(bytes.find("Файл"), std::string::npos);
  EXPECT_NE(Cp1251ToUtf8(bytes).find("<ФИОФЛ Фамилия=\"ИВАНОВ\" Имя=\"ПЁТР\""), std::string::npos);

  // libxml2 reads it by its declaration and gives the surname back as it was written.
  CommandOutput parsed = RunCommand("xmllint --noout " + ShellQuoted(path));
  EXPECT_EQ(parsed.Status, 0) << parsed.Err;
  CommandOutput surname = RunCommand(
      "xmllint --xpath \"string(//*[name()='ФИОФЛ']/@*[name()='Имя'])\" " + ShellQuoted(path));
  EXPECT_EQ(surname.Status, 0) << surname.Err;
  EXPECT_EQ(surname.Out.substr(0, surname.Out.find_last_not_of('\n') + 1), "ПЁТР");
}

// Control characters XML cannot hold, even as references, would leave a file no parser reads:
// they are written as spaces. Line breaks are kept.
TEST(ExportFileTest, ControlCharactersDoNotBreakTheFile) {
  mTDeclaration d = FixtureReturn("export/no_inn.json");
  d.PersonInformation.SurName = std::string("Фёдорова\x01\x1F") + "\x7F";
  d.PersonInformation.ForeignAddress = "Wien\nRingstrasse 1";
  test::TempDir dir;
  ExportResult result = ExportReturn(dir.Path() + "/", d, ExportMode::kFile);
  ASSERT_FALSE(result.Failed()) << result.Reason;
  std::string text = Cp1251ToUtf8(test::ReadFile(dir.File(result.Result)));
  EXPECT_NE(text.find("Фамилия=\"ФЁДОРОВА  \x7F\""), std::string::npos);
  EXPECT_NE(text.find("АдрИно=\"WIEN&#10;RINGSTRASSE 1\""), std::string::npos);
  CommandOutput parsed = RunCommand("xmllint --noout " + ShellQuoted(dir.File(result.Result)));
  EXPECT_EQ(parsed.Status, 0) << parsed.Err;
}

TEST(ExportFileTest, TwoExportsGetTwoIdentifiers) {
  mTDeclaration d = FixtureReturn("export/no_inn.json");
  test::TempDir dir;
  ExportResult first = ExportReturn(dir.Path() + "/", d, ExportMode::kFile);
  ExportResult second = ExportReturn(dir.Path() + "/", d, ExportMode::kFile);
  ASSERT_FALSE(first.Failed());
  ASSERT_FALSE(second.Failed());
  EXPECT_NE(first.Result, second.Result);
  EXPECT_EQ(test::ListFolder(dir.Path()), std::min(first.Result, second.Result) + "\n" +
                                              std::max(first.Result, second.Result) + "\n");
}

TEST(ExportFileTest, PrintModeWritesNothing) {
  mTDeclaration d = FixtureReturn("export/ndfl4.json");
  test::TempDir dir;
  ExportResult result = ExportReturn(dir.Path() + "/", d, ExportMode::kPrint);
  ASSERT_FALSE(result.Failed()) << result.Reason;
  EXPECT_EQ(result.Result.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Файл ", 0),
            0u);
  EXPECT_TRUE(result.Result.ends_with("</Файл>\n"));
  EXPECT_EQ(test::ListFolder(dir.Path()), "");
}

// A return the computation cannot finish: amounts beyond what it can add up.
mTDeclaration ReturnTheComputationFails() {
  mTDeclaration d = FixtureReturn("export/no_inn.json");
  test::AddIncomesBeyondAdding(d);
  return d;
}

TEST(ExportFailureTest, FailedComputationWritesNoFile) {
  for (ExportMode mode : {ExportMode::kFile, ExportMode::kPrint}) {
    mTDeclaration d = ReturnTheComputationFails();
    test::TempDir dir;
    ExportResult result = ExportReturn(dir.Path() + "/", d, mode);
    EXPECT_EQ(result.Result, "ERROR");
    EXPECT_EQ(result.Messages,
              std::vector<std::string>{"Ошибка в рассчетах. Пожалуйста, свяжитесь с "
                                       "разработчиками через службу поддержки"});
    EXPECT_EQ(result.Reason, "Переполнение денежной суммы");
    EXPECT_EQ(test::ListFolder(dir.Path()), "");
  }
}

TEST(ExportFailureTest, BuildOrSaveFailureLeavesNothingBehind) {
  const std::vector<std::string> kMessage{
      "Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки"};
  test::TempDir dir;

  // A folder that does not exist.
  mTDeclaration d = FixtureReturn("export/no_inn.json");
  ExportResult missing = ExportReturn(dir.File("absent") + "/", d, ExportMode::kFile);
  EXPECT_EQ(missing.Result, "ERROR");
  EXPECT_TRUE(missing.NotSaved);
  EXPECT_EQ(missing.Messages, std::vector<std::string>{kExportNotSavedMessage});
  EXPECT_NE(missing.Reason, "");

  // A name the code page of the file cannot hold: no file, and no "?" in its place.
  d.PersonInformation.SurName = "Zhōu";
  for (ExportMode mode : {ExportMode::kFile, ExportMode::kPrint}) {
    ExportResult unencodable = ExportReturn(dir.Path() + "/", d, mode);
    EXPECT_EQ(unencodable.Result, "ERROR");
    EXPECT_EQ(unencodable.Messages, kMessage);
    EXPECT_NE(unencodable.Reason.find("ō"), std::string::npos) << unencodable.Reason;
  }
  EXPECT_EQ(test::ListFolder(dir.Path()), "");
}

}  // namespace
}  // namespace kvor
