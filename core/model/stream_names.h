#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kvor::streams {

// Names of the streams of a return file. Records of lists add their 0-based number with at
// least three digits, sub-records a second such number: "@SourseIncome000002".
inline constexpr std::string_view kDeclInfo = "@DeclInfo";
inline constexpr std::string_view kPersonName = "@PersonName";
inline constexpr std::string_view kPersonDocument = "@PersonDocument";
inline constexpr std::string_view kForeigner = "@Foreigner";
inline constexpr std::string_view kPhoneForeignerHome = "@PhoneForeignerHome";
inline constexpr std::string_view kPhoneForeignerWork = "@PhoneForeignerWork";
inline constexpr std::string_view kPersonAddress = "@PersonAddress";
inline constexpr std::string_view kHomePhone = "@HomePhone";
inline constexpr std::string_view kWorkPhone = "@WorkPhone";
inline constexpr std::string_view kDeclInquiry = "@DeclInquiry";
inline constexpr std::string_view kDeclForeign = "@DeclForeign";
inline constexpr std::string_view kDeclInvestTov = "@DeclInvestTov";
inline constexpr std::string_view kDeclBusiness = "@DeclBusiness";
inline constexpr std::string_view kThirteenPercent = "@ThirteenPercent";
inline constexpr std::string_view kThirteenPercentNR = "@ThirteenPerceNR";
inline constexpr std::string_view kSourseIncome = "@SourseIncome";
inline constexpr std::string_view kSourseIncomeNR = "@SourseIncoNR";
inline constexpr std::string_view kThirtyFivePercent = "@ThirtyFivePercent";
inline constexpr std::string_view kThirtyPercent = "@ThirtyPercent";
inline constexpr std::string_view kCurrencyIncome = "@CurrencyIncome";
inline constexpr std::string_view kInvestTov = "@InvestTov";
inline constexpr std::string_view kInvestTovIncome = "@InvestTovIncome";
inline constexpr std::string_view kBusinessIncome = "@BusinessIncome";
inline constexpr std::string_view kBusinessExpense = "@BusinessExpense";
inline constexpr std::string_view kStandartDeduct = "@StandartDeduct";
inline constexpr std::string_view kSocialDeduct = "@SocialDeduct";
inline constexpr std::string_view kPens = "@Pens";
inline constexpr std::string_view kPensSub = "@PensSub";
inline constexpr std::string_view kConstructionDeduct = "@ConstructionDeduct";
inline constexpr std::string_view kConstructionDeductObj = "@ConstructionDeductObj";
inline constexpr std::string_view kCBDeduct = "@CBDeduct";
inline constexpr std::string_view kNalog = "@Nalog";
inline constexpr std::string_view kNalogSub = "@NalogSub";

// The title this program writes into the header of a return file.
inline constexpr std::string_view kCurrentTitle = "Zedo2014";

inline std::string Numbered(std::string_view prefix, int n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.3d", n);
  return std::string(prefix) + digits;
}

inline std::string Numbered(std::string_view prefix, int n, int m) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.3d%.3d", n, m);
  return std::string(prefix) + digits;
}

}  // namespace kvor::streams
