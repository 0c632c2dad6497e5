#include "core/validation/identifiers.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

struct InnCase {
  const char* text;
  int kind;
  uint16_t result;
};

class CheckInnTest : public testing::TestWithParam<InnCase> {};

TEST_P(CheckInnTest, GivesTheResult) {
  EXPECT_EQ(CheckINN(GetParam().text, GetParam().kind), GetParam().result)
      << "\"" << GetParam().text << "\" kind " << GetParam().kind;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckInnTest,
    testing::Values(
        // Weighted sum 513, 513 mod 11 = 7, 11 - 7 = 4.
        InnCase{"1234567894", kInnOrganisation, kInnValid},
        InnCase{"1234567894", kInnAny, kInnValid},
        InnCase{"1234567895", kInnOrganisation, kInnWrongDigits},
        InnCase{"1234567894", kInnPerson, kInnNotTwelve},
        InnCase{" 1234567894 ", kInnOrganisation, kInnValid},
        // Remainders 0 and 1 give the check digits 11 and 10, both written 0.
        InnCase{"0000000000", kInnOrganisation, kInnValid},
        InnCase{"0000001100", kInnOrganisation, kInnValid},
        InnCase{"0000001101", kInnOrganisation, kInnWrongDigits},
        InnCase{"123456789047", kInnPerson, kInnValid}, InnCase{"123456789047", kInnAny, kInnValid},
        InnCase{"123456789048", kInnPerson, kInnWrongDigits},  // twelfth digit
        InnCase{"123456789037", kInnPerson, kInnWrongDigits},  // eleventh digit
        InnCase{"123456789047", kInnOrganisation, kInnNotTen}, InnCase{"  ", kInnAny, kInnEmpty},
        InnCase{"", kInnPerson, kInnEmpty}, InnCase{"12345678901", kInnAny, kInnNotTenOrTwelve},
        InnCase{"1234567", kInnOrganisation, kInnNotTen},
        // A stored value with a letter cannot pass, and it is no reason to fail.
        InnCase{"12345678a4", kInnOrganisation, kInnWrongDigits},
        InnCase{"12345678Я4", kInnOrganisation, kInnWrongDigits}));

TEST(CheckKppTest, LengthOfTheTrimmedText) {
  struct {
    const char* text;
    uint16_t result;
  } cases[] = {{"", kKppEmpty},           {"  ", kKppEmpty},
               {"12345678", kKppNotNine}, {"1234567890", kKppNotNine},
               {"123456789", kKppValid},  {" 123456789 ", kKppValid}};
  for (const auto& c : cases) EXPECT_EQ(CheckKPP(c.text), c.result) << "\"" << c.text << "\"";
}

}  // namespace
}  // namespace kvor
