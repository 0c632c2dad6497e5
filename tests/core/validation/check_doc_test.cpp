#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/declaration.h"
#include "core/validation/return_check.h"
#include "support/test_returns.h"

namespace kvor {
namespace {

// Answers the whole-return check from a script and remembers what it was shown.
class ScriptedReturnAnswerer : public ReturnCheckAnswerer {
 public:
  explicit ScriptedReturnAnswerer(bool fix) : fix_(fix) {}
  bool AskFix(const std::string& sectionTitle, const std::string& message) override {
    shown.push_back(sectionTitle + ": " + message);
    return fix_;
  }
  std::vector<std::string> shown;

 private:
  bool fix_;
};

mTDeclaration NewReturn() {
  mTDeclaration d;
  d.PrepareNew();
  return d;
}

TEST(CheckDocTest, StopsAtTheFirstProblemAndAsks) {
  struct Case {
    const char* what;
    void (*change)(mTDeclaration&);
    bool fix;
    uint32_t result;
    const char* shown;
  } cases[] = {
      {"new return, fix", [](mTDeclaration&) {}, true, 1u | 1u << 16,
       "Задание условий: Не введен номер инспекции"},
      {"new return, cancel", [](mTDeclaration&) {}, false, 1u | 65535u << 16,
       "Задание условий: Не введен номер инспекции"},
      {"no place of birth",
       [](mTDeclaration& d) {
         d.InspectionNumber = "7701";
         d.PersonInformation.SurName = "Иванов";
         d.PersonInformation.Name = "Иван";
       },
       true, 2u | 9u << 16, "Сведения о декларанте: Не указано место рождения"},
      {"a payer without incomes",
       [](mTDeclaration& d) {
         test::FillCheckedTaxpayer(d);
         d.PersonInformation.OKTMO = "45382000";
         d.Incomes13.emplace_back();
         d.Incomes13.emplace_back();
       },
       true, 4u | 1u << 16,
       "Доходы, облагаемые ставкой 13%: По данному источнику не указаны доходы"},
  };
  for (const Case& c : cases) {
    mTDeclaration d = NewReturn();
    c.change(d);
    ScriptedReturnAnswerer answerer(c.fix);
    EXPECT_EQ(CheckDoc(d, answerer), c.result) << c.what;
    EXPECT_EQ(answerer.shown, std::vector<std::string>{c.shown}) << c.what;
  }
}

TEST(CheckDocTest, NothingFoundAsksNothing) {
  mTDeclaration d = NewReturn();
  test::FillCheckedTaxpayer(d);
  d.PersonInformation.OKTMO = "45382000";
  ScriptedReturnAnswerer answerer(true);
  EXPECT_EQ(CheckDoc(d, answerer), 0u);
  EXPECT_TRUE(answerer.shown.empty());
  EXPECT_EQ(FirstReturnFinding(d), std::nullopt);
  EXPECT_TRUE(AllReturnFindings(d).empty());
}

// The refund-only flag comes from computing the return: tax withheld above the tax due leaves a
// refund, and then the OKTMO of the place of residence is not needed.
TEST(CheckDocTest, RefundOnlyReturnNeedsNoOktmo) {
  mTDeclaration d = NewReturn();
  test::FillCheckedTaxpayer(d);
  d.StandartDeduct.Claimed = 0;
  // 13 % of 10 000 is 1 300; 2 000 were withheld.
  d.Incomes13.push_back(test::SalaryPayer({1}, 10000, 2000));
  EXPECT_TRUE(AllReturnFindings(d).empty());

  // Withheld less than due: tax to pay, the OKTMO is asked for.
  d.Incomes13[0].HoldSum = Money::Roubles(1000);
  std::vector<ReturnFinding> findings = AllReturnFindings(d);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].Section, 3);
  EXPECT_EQ(findings[0].Field, 4);
  EXPECT_EQ(findings[0].Message, "Не введен код ОКТМО(8 или 11 симв.) по месту жительства");
}

}  // namespace
}  // namespace kvor
