#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli_test_support.h"
#include "core/model/declaration.h"
#include "support/test_returns.h"
#include "support/test_support.h"

namespace kvor {
namespace {

using Result = test::CliResult;
using test::RunKvor;

TEST(CheckCommandTest, NewReturnListsWhatItLacks) {
  test::TempDir dir;
  ASSERT_EQ(RunKvor({"new", dir.File("new.kv4")}).status, 0);
  Result check = RunKvor({"check", dir.File("new.kv4")});
  EXPECT_EQ(check.status, 1) << check.err;
  EXPECT_EQ(check.out,
            "1\t1\tЗадание условий\tНе введен номер инспекции\n"
            "2\t1\tСведения о декларанте\tНе введена фамилия\n"
            "2\t2\tСведения о декларанте\tНе введено имя\n"
            "2\t9\tСведения о декларанте\tНе указано место рождения\n"
            "2\t5\tСведения о декларанте\tНе указан документ, удостоверяющий личность\n"
            "3\t2\tСведения о декларанте\tНе указан регион постоянного местожительства\n"
            "3\t5\tСведения о декларанте\tНе указан населенный пункт (село, поселок) или улица "
            "(проспект, переулок)\n"
            // Section 1 of a return without income holds only the line with nothing to pay.
            "3\t4\tСведения о декларанте\tНе введен код ОКТМО(8 или 11 симв.) по месту "
            "жительства\n");
  EXPECT_EQ(check.err, "");
}

TEST(CheckCommandTest, SumsInMessagesHaveADecimalComma) {
  test::TempDir dir;
  ASSERT_EQ(RunKvor({"load", test::FixturePath("validation/entrepreneur.json"), dir.File("e.kv4")})
                .status,
            0);
  Result check = RunKvor({"check", dir.File("e.kv4")});
  EXPECT_EQ(check.status, 1) << check.err;
  const std::string title = "\tДоходы от предпринимательской деятельности\t";
  EXPECT_EQ(check.out,
            "8\t1" + title +
                "Расходы по оплате трудовых договоров(150000,5) превышают сумму расходов на "
                "оплату труда (150000)\n"
                "8\t1" +
                title +
                "Сумма прочих расходов (100000) меньше суммы ее составляющих (100000,25)\n"
                "8\t1" +
                title +
                "Общие расходы (599999,99) меньше суммы расходов материальных, на оплату труда, "
                "прочих и амортизационных отчислений (600000)\n"
                "8\t2" +
                title +
                "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом "
                "20%.\n");
}

TEST(CheckCommandTest, CompleteReturnHasNothingToReport) {
  test::TempDir dir;
  mTDeclaration d;
  d.PrepareNew();
  test::FillCheckedTaxpayer(d);
  d.PersonInformation.OKTMO = "45382000";
  d.Incomes13.push_back(test::SalaryPayer({1}, 30000, 3900));
  d.SaveToFile(dir.File("ok.kv4"));

  Result check = RunKvor({"check", dir.File("ok.kv4")});
  EXPECT_EQ(check.status, 0) << check.err;
  EXPECT_EQ(check.out, "");
}

TEST(CheckCommandTest, FileErrors) {
  test::TempDir dir;
  Result missing = RunKvor({"check", dir.File("none.kv4")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err, "");
  Result damaged = RunKvor({"check", test::FixturePath("damaged/truncated.kv4")});
  EXPECT_EQ(damaged.status, 2);
  EXPECT_EQ(damaged.err, "Неправильный формат файла декларации, возможно он поврежден.\n");
  EXPECT_EQ(RunKvor({"check"}).status, 2);
}

}  // namespace
}  // namespace kvor
