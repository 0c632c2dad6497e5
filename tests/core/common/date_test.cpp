#include "core/common/date.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

struct DateCase {
  int year, month, day;
  double days;
  const char* text;
};

class DateTest : public testing::TestWithParam<DateCase> {};

TEST_P(DateTest, DaysAndText) {
  const DateCase& c = GetParam();
  auto date = Date::FromYMD(c.year, c.month, c.day);
  ASSERT_TRUE(date);
  EXPECT_EQ(date->Days, c.days);
  EXPECT_EQ(date->ToText(), c.text);
  EXPECT_EQ(Date::Parse(c.text), date);
  int y, m, d;
  // The time of day does not change the day; before 1900 the fraction counts away from zero.
  ASSERT_TRUE(Date{c.days >= 0 ? c.days + 0.75 : c.days - 0.75}.ToYMD(y, m, d));
  EXPECT_EQ(y * 10000 + m * 100 + d, c.year * 10000 + c.month * 100 + c.day);
}

INSTANTIATE_TEST_SUITE_P(Cases, DateTest,
                         testing::Values(DateCase{1899, 12, 30, 0, "30.12.1899"},
                                         DateCase{1900, 1, 1, 2, "01.01.1900"},
                                         DateCase{2014, 12, 18, 41991, "18.12.2014"},
                                         DateCase{2000, 2, 29, 36585, "29.02.2000"},
                                         DateCase{2000, 1, 1, 36526, "01.01.2000"},
                                         DateCase{1899, 12, 29, -1, "29.12.1899"}));

TEST(DateTest, RefusesDaysThatDoNotExist) {
  EXPECT_FALSE(Date::FromYMD(2014, 2, 29));
  EXPECT_FALSE(Date::FromYMD(2014, 13, 1));
  EXPECT_FALSE(Date::FromYMD(0, 1, 1));
  for (const char* bad : {"", "31.02.2014", "1.1", "aa.bb.cccc", "01.01.2014x", "01,01,2014"})
    EXPECT_FALSE(Date::Parse(bad)) << bad;
  EXPECT_TRUE(Date::Parse("1.2.2014"));
  EXPECT_TRUE(Date::Parse("01,02,2014", ','));
  EXPECT_EQ(Date{1e300}.ToText(), "");
}

}  // namespace
}  // namespace kvor
