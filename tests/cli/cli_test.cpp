#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli_test_support.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using Result = test::CliResult;
using test::RunKvor;

TEST(CliTest, NewThenDump) {
  test::TempDir dir;
  std::string file = dir.File("x.kv4");
  ASSERT_EQ(RunKvor({"new", file}).status, 0);
  std::string bytes = test::ReadFile(file);
  EXPECT_EQ(bytes.substr(0, 60), "DLSG            Zedo20140102" + std::string(32, 'F'));
  EXPECT_EQ(bytes.substr(60, 13), "0009@DeclInfo");
  EXPECT_EQ(bytes.substr(bytes.size() - 15), "0006@Nalog00010");
  Result dump = RunKvor({"dump", file});
  EXPECT_EQ(dump.status, 0) << dump.err;
  EXPECT_NE(dump.out.find("\"IncomeFlags\": 1,"), std::string::npos);
  EXPECT_NE(dump.out.find("\"AutoCalculateApp\": 1,"), std::string::npos);
}

TEST(CliTest, LoadGivesBackTheSameJson) {
  test::TempDir dir;
  ASSERT_EQ(RunKvor({"new", dir.File("a.kv4")}).status, 0);
  std::string json = RunKvor({"dump", dir.File("a.kv4")}).out;
  test::WriteFile(dir.File("a.json"), json);
  ASSERT_EQ(RunKvor({"load", dir.File("a.json"), dir.File("b.kv4")}).status, 0);
  EXPECT_EQ(RunKvor({"dump", dir.File("b.kv4")}).out, json);
  EXPECT_EQ(test::ReadFile(dir.File("b.kv4")), test::ReadFile(dir.File("a.kv4")));
}

TEST(CliTest, FullReturnDumpsAndLoadsWhole) {
  test::TempDir dir;
  const std::string json = test::ReadFile(test::FixturePath("model/full_return.json"));
  Result dump = RunKvor({"dump", test::FixturePath("model/full_return.kv4")});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.out, json);
  Result load = RunKvor({"load", test::FixturePath("model/full_return.json"), dir.File("f.kv4")});
  ASSERT_EQ(load.status, 0) << load.err;
  EXPECT_EQ(test::ReadFile(dir.File("f.kv4")),
            test::ReadFile(test::FixturePath("model/full_return.kv4")));

  // A value of the wrong kind deep in the text names its place.
  std::string bad = json;
  const std::string month = "\"Month\": 12\n";
  ASSERT_NE(bad.find(month), std::string::npos);
  bad.replace(bad.find(month), month.size(), "\"Month\": \"12\"\n");
  test::WriteFile(dir.File("bad.json"), bad);
  Result refused = RunKvor({"load", dir.File("bad.json"), dir.File("g.kv4")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "Поле «Incomes13[0].Incomes[11].Month»: ожидается целое число\n");
  EXPECT_FALSE(test::FileExists(dir.File("g.kv4")));
}

TEST(CliTest, DamagedFilesGiveTheMessageAndStatusTwo) {
  const std::string damaged = "Неправильный формат файла декларации, возможно он поврежден.\n";
  struct Case {
    const char* fixture;
    std::string message;
  } cases[] = {
      {"damaged/bad_magic.kv4", damaged},
      {"damaged/empty.kv4", "Создаваемый фаил отображения не может быть нулевой длины.\n"},
      {"damaged/truncated.kv4", damaged},
      {"damaged/bad_number.kv4", damaged},
      {"damaged/short_header.kv4", damaged},
      {"damaged/huge_count.kv4", damaged},
      {"damaged/no_declinfo.kv4", "Попытка открытия несуществующего потока\n"},
  };
  for (const Case& c : cases) {
    Result r = RunKvor({"dump", test::FixturePath(c.fixture)});
    EXPECT_EQ(r.status, 2) << c.fixture;
    EXPECT_EQ(r.err, c.message) << c.fixture;
    EXPECT_EQ(r.out, "") << c.fixture;
  }
}

TEST(CliTest, ErrorsWriteNothing) {
  test::TempDir dir;
  test::WriteFile(dir.File("bad.json"), R"({"IncomeFlags": "x"})");
  Result r = RunKvor({"load", dir.File("bad.json"), dir.File("out.kv4")});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Поле «IncomeFlags»: ожидается целое число\n");
  EXPECT_FALSE(test::FileExists(dir.File("out.kv4")));

  r = RunKvor({"dump", dir.File("absent.kv4")});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Ошибка чтения файла: " + dir.File("absent.kv4") + "\n");
  EXPECT_FALSE(test::FileExists(dir.File("absent.kv4")));

  EXPECT_EQ(RunKvor({}).status, 2);
  EXPECT_EQ(RunKvor({"frobnicate"}).status, 2);
  EXPECT_EQ(RunKvor({"dump"}).status, 2);
}

}  // namespace
}  // namespace kvor
