// Whole returns through their files: the full return fixture, files of earlier years, damaged
// record streams.
#include <gtest/gtest.h>

#include "core/model/declaration.h"
#include "core/model/json_io.h"
#include "core/storage/errors.h"
#include "support/test_support.h"

namespace kvor {
namespace {

Money M(const char* text) {
  return *Money::Parse(text, '.');
}

const std::string kDamaged = "Неправильный формат файла декларации, возможно он поврежден.";

std::string FullBytes() {
  return test::ReadFile(test::FixturePath("model/full_return.kv4"));
}

std::string FullJson() {
  return test::ReadFile(test::FixturePath("model/full_return.json"));
}

mTDeclaration Loaded(const std::string& bytes) {
  mTDeclaration d;
  d.LoadFromBytes(bytes);
  return d;
}

std::string LoadMessage(const std::string& bytes) {
  try {
    Loaded(bytes);
  } catch (const std::exception& error) {
    return LoadErrorMessage(error);
  }
  return "loaded";
}

// Replaces the only occurrence of `from`.
std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
  size_t at = bytes.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(bytes.find(from, at + 1), std::string::npos) << from;
  if (at != std::string::npos) bytes.replace(at, from.size(), to);
  return bytes;
}

TEST(FullReturnTest, FixtureHoldsEveryListAndDeduction) {
  const mTDeclaration d = Loaded(FullBytes());
  EXPECT_EQ(d.IncomeFlags, kIncomeInCountry | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
  EXPECT_GE(d.Incomes13.size(), 2u);
  for (const auto& payer : d.Incomes13) EXPECT_GE(payer.Incomes.size(), 2u);
  EXPECT_GE(d.Incomes13NR.size(), 1u);
  EXPECT_GE(d.Incomes35.size(), 2u);
  EXPECT_GE(d.Dividends.size(), 2u);
  EXPECT_GE(d.CurrencyIncomes.size(), 2u);
  EXPECT_GE(d.InvestTovs.size(), 2u);
  EXPECT_GE(d.BusinessIncomes.size(), 2u);
  EXPECT_EQ(d.StandartDeduct.Claimed, 1);
  EXPECT_EQ(d.StandartDeduct.BusinessMonths, 1);
  EXPECT_EQ(d.SocialDeduct.Claimed, 1);
  EXPECT_GE(d.SocialDeduct.ChildEduSums.size(), 2u);
  EXPECT_GE(d.SocialDeduct.PensContracts.size(), 2u);
  EXPECT_EQ(d.ConstructionDeduct.Claimed, 1);
  EXPECT_GE(d.ConstructionDeduct.Objects.size(), 2u);
  EXPECT_NE(d.CBDeduct.CBTotal(), Money());
  EXPECT_FALSE(d.Nalogs.empty());
  EXPECT_EQ(d.PersonInformation.SurName, "Иванов");
  EXPECT_EQ(d.PersonInformation.OKTMO, "45383000");
}

TEST(FullReturnTest, SaveLoadSaveIsByteIdentical) {
  const std::string bytes = FullBytes();
  const mTDeclaration loaded = Loaded(bytes);
  EXPECT_EQ(loaded.SaveToBytes(), bytes);
  EXPECT_EQ(Loaded(loaded.SaveToBytes()), loaded);

  test::TempDir dir;
  loaded.SaveToFile(dir.File("full.kv4"));
  EXPECT_EQ(test::ReadFile(dir.File("full.kv4")), bytes);
  mTDeclaration fromDisk;
  fromDisk.LoadFromFile(dir.File("full.kv4"));
  EXPECT_EQ(fromDisk, loaded);
}

TEST(FullReturnTest, JsonDumpLoadDumpIsIdentical) {
  const std::string json = FullJson();
  const mTDeclaration fromJson = DeclarationFromJsonText(json);
  EXPECT_EQ(DeclarationToJsonText(fromJson), json);
  EXPECT_EQ(DeclarationToJsonText(Loaded(FullBytes())), json);
  // Built from the text, the return is the one the file holds, payer totals included.
  EXPECT_EQ(fromJson, Loaded(FullBytes()));
  EXPECT_EQ(fromJson.SaveToBytes(), FullBytes());
  // Values that are never stored are not part of the text.
  for (const char* key : {"IncomeTypeCode", "ShareMark", "CountedCost"})
    EXPECT_EQ(json.find(key), std::string::npos) << key;
}

TEST(FullReturnTest, TextsEqualToStreamNamesSurvive) {
  mTDeclaration d = Loaded(FullBytes());
  d.InspectionNumber = "@PersonName";
  d.PersonInformation.SurName = "@PersonDocument";
  d.PersonInformation.Building = "@HomePhone";
  d.Incomes13[0].SourseIncomeName = "@SourseIncome000000";
  d.CurrencyIncomes[1].CurrencyName = "@DeclInvestTov";
  d.InvestTovs[1].SourseIncomeName = "@DeclBusiness";
  d.SocialDeduct.PensContracts[0].ContractNumber = "@PensSub001";
  d.Nalogs[0].NalogText1 = "@Nalog";
  const std::string bytes = d.SaveToBytes();
  const mTDeclaration loaded = Loaded(bytes);
  EXPECT_EQ(loaded, d);
  EXPECT_EQ(loaded.SaveToBytes(), bytes);
}

TEST(FullReturnTest, PayerTotalsAreTheSumsOfTheIncomes) {
  const mTDeclaration d = Loaded(FullBytes());
  // Twelve monthly salaries of 25000, holiday pay of 14600.55 and aid of 6000.
  EXPECT_EQ(d.Incomes13[0].ItogIncomeSum, M("320600.55"));
  EXPECT_EQ(d.Incomes13[1].ItogIncomeSum, M("50000"));
  EXPECT_EQ(d.Incomes13NR[0].ItogIncomeSum, M("30000"));
  EXPECT_EQ(d.InvestTovs[0].ItogIncomeSum, M("350.5"));
  EXPECT_EQ(d.InvestTovs[1].ItogIncomeSum, M("50000"));
  // Dividends and 35 % keep the stored amount.
  EXPECT_EQ(d.Dividends[1].ItogIncomeSum, M("3333.33"));
  EXPECT_EQ(d.Incomes35[1].ItogIncomeSum, M("6000.75"));
}

TEST(FullReturnTest, TurningAKindOffDiscardsItsRecords) {
  mTDeclaration d = Loaded(FullBytes());
  d.SetIncomeFlags(kIncomeBusiness);
  EXPECT_TRUE(d.Incomes13.empty());
  EXPECT_TRUE(d.Incomes13NR.empty());
  EXPECT_TRUE(d.Incomes35.empty());
  EXPECT_TRUE(d.Dividends.empty());
  EXPECT_TRUE(d.CurrencyIncomes.empty());
  EXPECT_TRUE(d.InvestTovs.empty());
  EXPECT_EQ(d.BusinessIncomes.size(), 2u);
  EXPECT_EQ(d.ForeignerFixedPayments, Money());
  EXPECT_EQ(d.FarmMonths, 0);
  d.SetIncomeFlags(kIncomeInCountry | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov);
  EXPECT_TRUE(d.Incomes13.empty());
  EXPECT_TRUE(d.Dividends.empty());
  EXPECT_TRUE(d.CurrencyIncomes.empty());
  EXPECT_TRUE(d.InvestTovs.empty());
  EXPECT_EQ(d.BusinessIncomes.size(), 2u);
  // What is gone stays gone through the file.
  const mTDeclaration reloaded = Loaded(d.SaveToBytes());
  EXPECT_EQ(reloaded, d);
  EXPECT_TRUE(reloaded.Incomes13.empty());
  // The deductions do not belong to a kind of income.
  EXPECT_EQ(reloaded.SocialDeduct.PensContracts.size(), 2u);
}

TEST(FullReturnTest, WithoutIncomeTheDeductionsAreNotStored) {
  mTDeclaration d = Loaded(FullBytes());
  d.SetIncomeFlags(0);
  const std::string bytes = d.SaveToBytes();
  for (const char* stream : {"@StandartDeduct", "@SocialDeduct", "@Pens", "@ConstructionDeduct",
                             "@CBDeduct", "@DeclInquiry", "@DeclBusiness"})
    EXPECT_EQ(bytes.find(stream), std::string::npos) << stream;
  const mTDeclaration reloaded = Loaded(bytes);
  EXPECT_EQ(reloaded.SocialDeduct, mTSocialDeduct());
  EXPECT_EQ(reloaded.PersonInformation, d.PersonInformation);
}

TEST(ReturnFilesTest, DamagedRecordsAreRefused) {
  const std::string good = FullBytes();
  ASSERT_EQ(LoadMessage(good), "loaded");
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"missing income stream", Replaced(good, "@SourseIncome000001", "@SourseIncome00000X")},
      {"missing payer stream", Replaced(good, "@ThirteenPerceNR000", "@ThirteenPerceNR00X")},
      {"missing expense stream", Replaced(good, "@BusinessExpense000", "@BusinessExpense00X")},
      {"missing taxpayer stream", Replaced(good, "@PersonAddress", "@PersonAddresX")},
      {"missing deduction stream", Replaced(good, "@CBDeduct", "@CBDeducX")},
      {"missing section stream", Replaced(good, "@DeclForeign", "@DeclForeigX")},
      {"count beyond the file", Replaced(good, "0005@Pens00012", "0005@Pens000565535")},
      {"count past the last record", Replaced(good, "0005@Pens00012", "0005@Pens00013")},
      {"negative count", Replaced(good,
                                  "000560000"
                                  "00013",
                                  "000560000"
                                  "00104294967295")},
      {"damaged sum", Replaced(good, "0009340000.75", "0009340x00.75")},
      {"damaged integer", Replaced(good,
                                   "0005@Pens00012"
                                   "0011@PensSub000"
                                   "00011",
                                   "0005@Pens00012"
                                   "0011@PensSub000"
                                   "0001x")},
      {"truncated", good.substr(0, good.size() - 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadMessage(c.bytes), kDamaged) << c.what;
}

TEST(ReturnFilesTest, IncomeTotalsOutOfRangeAreDamage) {
  mTDeclaration d;
  d.PrepareNew();
  mTThirteenPercent payer;
  mTSourseIncome income;
  income.IncomeSum = Money::FromRaw(INT64_MAX / 2 + 1);
  payer.Incomes = {income, income};
  d.Incomes13.push_back(payer);
  EXPECT_EQ(LoadMessage(d.SaveToBytes()), kDamaged);
}

TEST(ReturnFilesTest, PayerOfFormat100HasNoWorkplaceByte) {
  mTDeclaration d;
  d.PrepareNew();
  d.Incomes13.emplace_back();
  d.Incomes13[0].SourseINN = "7704123456";
  std::string bytes = d.SaveToBytes();
  // Format 1.00: dates are text and payers start with their INN.
  bytes = Replaced(bytes, "Zedo20140102", "Zedo20140100");
  bytes = Replaced(bytes,
                   "0019@ThirteenPercent000"
                   "00010",
                   "0019@ThirteenPercent000");
  const std::string signDate = d.SignDate.ToText();
  const size_t date = bytes.find(std::to_string(static_cast<int>(d.SignDate.Days)));
  ASSERT_NE(date, std::string::npos);
  bytes.replace(date - 4, 9, "0010" + signDate);
  bytes = Replaced(bytes,
                   "000532874"
                   "000528126",
                   "001001.01.1990"
                   "001001.01.1977");
  const mTDeclaration loaded = Loaded(bytes);
  ASSERT_EQ(loaded.Incomes13.size(), 1u);
  EXPECT_EQ(loaded.Incomes13[0].SourseINN, "7704123456");
  EXPECT_EQ(loaded.Incomes13[0].PrimaryWorkplace, 0);
  EXPECT_EQ(loaded.SignDate, d.SignDate);
}

TEST(ReturnFilesTest, StandardDeductionFlagsAreReadLeniently) {
  mTDeclaration d;
  d.PrepareNew();
  std::string bytes = d.SaveToBytes();
  // Claimed, codes, rows 1 and 2, then the flag of the monthly incomes: not a number.
  const std::string flags =
      "0015@StandartDeduct"
      "00011"
      "0003103"
      "0003101"
      "00011"
      "00010"
      "00011"
      "00010"
      "00010";
  bytes = Replaced(bytes, flags,
                   "0015@StandartDeduct"
                   "00011"
                   "0003103"
                   "0003101"
                   "00011"
                   "00010"
                   "00011"
                   "00010"
                   "0001-");
  const mTDeclaration loaded = Loaded(bytes);
  EXPECT_EQ(loaded.StandartDeduct, mTStandartDeduct());
}

// The taxpayer every file of an earlier year holds (tests/fixtures/model/make_earlier_years.py).
mTPersonInformation EarlierTaxpayer() {
  mTPersonInformation p;
  p.SurName = "Петров";
  p.Name = "Иван";
  p.Patronymic = "Ильич";
  p.INN = "770101234567";
  p.ReservedNameText = "R";
  p.ReservedNameCode = "9";
  p.DocTypeCode = 21;
  p.DocTypeName = "Паспорт";
  p.DocSerial = "45 01 654321";
  p.DocIssueDate = *Date::FromYMD(2003, 5, 15);
  p.BirthDate = *Date::FromYMD(1975, 4, 12);
  p.DocIssuedBy = "ОВД Арбат";
  p.BirthPlace = "Москва";
  p.ReservedDocByte = 3;
  p.CitizenshipSign = "1";
  p.CitizenshipName = "УКРАИНА";
  p.ForeignAddress = "Киев, ул. Крещатик, 1";
  p.CountryCode = "804";
  p.ForeignerHomePhone1 = "101";
  p.ForeignerHomePhone2 = "102";
  p.ForeignerWorkPhone1 = "201";
  p.ForeignerWorkPhone2 = "202";
  p.AddressKind = 1;
  p.PostIndex = "119002";
  p.RegionCode = 77;
  p.RegionName = "г. Москва";
  p.District = "Р";
  p.City = "Москва";
  p.Locality = "Л";
  p.Street = "Арбат";
  p.House = "1";
  p.Building = "2";
  p.Flat = "3";
  p.OKTMO = "45374000";
  p.HomePhoneReserved = "301";
  p.HomePhone = "302";
  p.WorkPhone1 = "401";
  p.WorkPhone2 = "402";
  return p;
}

TEST(ReturnFilesTest, EarlierYearsGiveTheTaxpayerOfTheirTitle) {
  const mTPersonInformation initial;
  struct Case {
    const char* file;
    void (*unread)(mTPersonInformation& p, const mTPersonInformation& initial);
  } cases[] = {
      {"earlier_2013.kv4", [](mTPersonInformation&, const mTPersonInformation&) {}},
      {"earlier_2012.kv4",
       [](mTPersonInformation& p, const mTPersonInformation& i) { p.OKTMO = i.OKTMO; }},
      {"earlier_2004.kv4",
       [](mTPersonInformation& p, const mTPersonInformation& i) {
         p.OKTMO = i.OKTMO;
         p.AddressKind = i.AddressKind;
         p.ReservedDocByte = i.ReservedDocByte;
         p.ForeignerHomePhone1 = p.ForeignerHomePhone2 = "";
         p.ForeignerWorkPhone1 = p.ForeignerWorkPhone2 = "";
         p.HomePhoneReserved = p.HomePhone = p.WorkPhone1 = p.WorkPhone2 = "";
       }},
      {"earlier_unknown.kv4",
       [](mTPersonInformation& p, const mTPersonInformation& i) {
         mTPersonInformation only = i;
         only.SurName = p.SurName;
         only.Name = p.Name;
         only.Patronymic = p.Patronymic;
         only.INN = p.INN;
         only.DocTypeCode = p.DocTypeCode;
         only.DocTypeName = p.DocTypeName;
         only.DocSerial = p.DocSerial;
         only.DocIssueDate = p.DocIssueDate;
         only.BirthDate = p.BirthDate;
         only.CitizenshipSign = p.CitizenshipSign;
         only.CitizenshipName = p.CitizenshipName;
         only.PostIndex = p.PostIndex;
         only.RegionCode = p.RegionCode;
         only.RegionName = p.RegionName;
         only.District = p.District;
         only.City = p.City;
         only.Locality = p.Locality;
         only.Street = p.Street;
         only.House = p.House;
         only.Building = p.Building;
         only.Flat = p.Flat;
         p = only;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    mTDeclaration loaded;
    loaded.LoadFromFile(test::FixturePath(std::string("model/") + c.file));
    mTPersonInformation expected = EarlierTaxpayer();
    c.unread(expected, initial);
    EXPECT_EQ(loaded.PersonInformation, expected);
    EXPECT_EQ(loaded.PersonInformation.ReservedNameCode,
              c.file == std::string("earlier_unknown.kv4") ? "0" : "9");
    // Nothing but the taxpayer is taken over.
    loaded.PersonInformation = mTPersonInformation();
    EXPECT_EQ(loaded, mTDeclaration());
  }
}

TEST(ReturnFilesTest, KnownTitles) {
  struct Case {
    const char* title;
    int year;
  } cases[] = {{"Zira2004", 2004}, {"Vove2005", 2005}, {"Doro2012", 2012}, {"Reda2013", 2013},
               {"Zedo2014", 2014}, {"Abcd2009", 2009}, {"Zedo2015", 0},    {"Zira2003", 0},
               {"Zed02014", 0},    {"Zedo201", 0},     {"Zedo20144", 0},   {"", 0},
               {"12342014", 0}};
  for (const Case& c : cases) EXPECT_EQ(KnownTitleYear(c.title), c.year) << c.title;
}

TEST(ReturnFilesTest, WithoutForeignerTheCitizenshipKeepsItsInitialValues) {
  for (const char* file : {"full_return.kv4", "earlier_2013.kv4"}) {
    SCOPED_TRACE(file);
    const std::string good = test::ReadFile(test::FixturePath(std::string("model/") + file));
    const mTDeclaration withForeigner = Loaded(good);
    const mTDeclaration loaded = Loaded(Replaced(good, "@Foreigner", "@Xoreigner"));
    const mTPersonInformation initial;
    const mTPersonInformation& p = loaded.PersonInformation;
    EXPECT_EQ(p.CitizenshipSign, initial.CitizenshipSign);
    EXPECT_EQ(p.CitizenshipName, initial.CitizenshipName);
    EXPECT_EQ(p.ForeignAddress, initial.ForeignAddress);
    EXPECT_EQ(p.CountryCode, initial.CountryCode);
    // The foreigner's phones belong to the same unit.
    EXPECT_EQ(p.ForeignerHomePhone1, "");
    EXPECT_EQ(p.ForeignerWorkPhone2, "");
    // Everything after the unit is read as before.
    EXPECT_EQ(p.OKTMO, withForeigner.PersonInformation.OKTMO);
    EXPECT_EQ(p.WorkPhone2, withForeigner.PersonInformation.WorkPhone2);
  }
  // A missing phone stream ends the unit too; the citizenship read before it stays.
  const std::string good = test::ReadFile(test::FixturePath("model/earlier_2013.kv4"));
  const mTDeclaration loaded = Loaded(Replaced(good, "@PhoneForeignerHome", "@PhoneForeignerHomX"));
  EXPECT_EQ(loaded.PersonInformation.CountryCode, "804");
  EXPECT_EQ(loaded.PersonInformation.ForeignerHomePhone1, "");
  EXPECT_EQ(loaded.PersonInformation.ForeignerWorkPhone1, "");
  EXPECT_EQ(loaded.PersonInformation.HomePhone, "302");
}

}  // namespace
}  // namespace kvor
