// kvor compute: the computed summary of a return file as JSON, and its errors.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli_test_support.h"
#include "core/common/json_fields.h"
#include "core/model/declaration.h"
#include "support/test_returns.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using Result = test::CliResult;
Result Compute(const std::string& file) {
  return test::RunKvor({"compute", file});
}

TEST(ComputeCommandTest, PrintsEveryMemberOfTheFullReturn) {
  Result r = Compute(test::FixturePath("model/full_return.kv4"));
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  EXPECT_EQ(r.err, "");
  Json json = Json::parse(r.out);
  const char* members[] = {
      "kTSvodSumList1",   "kTSvodSumList2",   "kTSvodSumList3",   "kTSvodSumList4",
      "kTSvodSumList5",   "kTSvodSumList6",   "kTSvodSumPrilA6",  "kTSvodSumPrilA13",
      "kTSvodSumPrilA15", "kTSvodSumPrilA30", "kTSvodSumPrilA35", "kTSvodSumPrilB",
      "kTSvodSumPrilV1",  "kTSvodSumPrilM",   "kTSvodSumPrilG",   "kTSvodSumPrilG_In",
      "kTSvodSumPrilE1",  "kTSvodSumPrilE2",  "kTSvodSumPrilE3",  "kTSvodSumPrilH1",
      "kTSvodSumPrilZ",   "kTSvodSumPrilJ",   "kTSvodSumPrilI",   "RefundOnly"};
  ASSERT_EQ(json.size(), std::size(members));
  size_t i = 0;
  for (auto it = json.begin(); it != json.end(); ++it, ++i) EXPECT_EQ(it.key(), members[i]);
  EXPECT_TRUE(json["RefundOnly"].is_boolean());
  EXPECT_EQ(json["kTSvodSumList1"]["Rate"], "13");
  EXPECT_TRUE(json["kTSvodSumList1"]["TaxRefundable"].is_string());
  ASSERT_TRUE(json["kTSvodSumList6"].is_array());
  ASSERT_FALSE(json["kTSvodSumList6"].empty());
  for (const char* field : {"Kbk", "Oktmo", "PayOrRefund", "Amount"})
    EXPECT_TRUE(json["kTSvodSumList6"][0].contains(field)) << field;
  ASSERT_EQ(json["kTSvodSumPrilB"].size(), 3u);
  EXPECT_TRUE(json["kTSvodSumPrilB"][0]["Lines"].is_array());
  EXPECT_EQ(r.out.back(), '\n');
}

TEST(ComputeCommandTest, ErrorsGoToStandardErrorWithStatusTwo) {
  test::TempDir dir;
  Result r = Compute(dir.File("absent.kv4"));
  EXPECT_EQ(r.status, cli::kExitError);
  EXPECT_EQ(r.err, "Ошибка чтения файла: " + dir.File("absent.kv4") + "\n");
  EXPECT_EQ(r.out, "");

  // Amounts beyond what the computation can add up: an error of the run, nothing printed.
  mTDeclaration d;
  d.PrepareNew();
  test::AddIncomesBeyondAdding(d);
  d.SaveToFile(dir.File("huge.kv4"));
  r = Compute(dir.File("huge.kv4"));
  EXPECT_EQ(r.status, cli::kExitError);
  EXPECT_EQ(r.err,
            "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки "
            "(Переполнение денежной суммы)\n");
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace kvor
