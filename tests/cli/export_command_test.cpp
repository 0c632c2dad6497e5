// kvor export: the exchange file written into a folder or to standard output, and its errors.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/cli.h"
#include "cli_test_support.h"
#include "core/model/declaration.h"
#include "support/test_returns.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using Result = test::CliResult;
Result Export(const std::string& file, const std::string& target) {
  return test::RunKvor({"export", file, target});
}

TEST(ExportCommandTest, WritesTheFileAndPrintsItsName) {
  test::TempDir dir;
  const std::string fixture = test::FixturePath("model/full_return.kv4");
  for (const std::string& folder : {dir.Path(), dir.Path() + "/"}) {
    Result r = Export(fixture, folder);
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    std::smatch name;
    ASSERT_TRUE(std::regex_match(
        r.out, name,
        std::regex("(NO_NDFL3_7705_7705_500100732259_[0-9]{8}_[-0-9A-F]{36}\\.xml)\n")))
        << r.out;
    EXPECT_TRUE(test::FileExists(dir.File(name[1])));
  }
}

TEST(ExportCommandTest, DashWritesTheDocumentToStandardOutput) {
  test::TempDir dir;
  Result r = Export(test::FixturePath("model/full_return.kv4"), "-");
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  // The bytes a file would hold: Windows-1251 under its declaration.
  EXPECT_EQ(r.out.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n" +
                            test::Cp1251("<Файл ИдФайл=\"NO_NDFL3_7705_7705_500100732259_"),
                        0),
            0u)
      << r.out.substr(0, 200);
  EXPECT_NE(r.out.find(test::Cp1251("</Файл>\n")), std::string::npos);
}

TEST(ExportCommandTest, ErrorsGoToStandardErrorWithStatusTwo) {
  test::TempDir dir;
  Result r = Export(dir.File("absent.kv4"), dir.Path());
  EXPECT_EQ(r.status, cli::kExitError);
  EXPECT_EQ(r.err, "Ошибка чтения файла: " + dir.File("absent.kv4") + "\n");
  EXPECT_EQ(r.out, "");

  r = Export(test::FixturePath("model/full_return.kv4"), dir.File("absent"));
  EXPECT_EQ(r.status, cli::kExitError);
  EXPECT_EQ(r.err.rfind("Не удалось сохранить файл в указанный каталог. Выберите другой каталог "
                        "или запускайте программу с правами администратора. (",
                        0),
            0u)
      << r.err;
  EXPECT_EQ(r.out, "");

  // A return the computation cannot finish: no file.
  mTDeclaration d;
  d.PrepareNew();
  test::AddIncomesBeyondAdding(d);
  test::TempDir out;
  d.SaveToFile(dir.File("huge.kv4"));
  r = Export(dir.File("huge.kv4"), out.Path());
  EXPECT_EQ(r.status, cli::kExitError);
  EXPECT_EQ(r.err,
            "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки "
            "(Переполнение денежной суммы)\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(test::ListFolder(out.Path()), "");
}

}  // namespace
}  // namespace kvor
