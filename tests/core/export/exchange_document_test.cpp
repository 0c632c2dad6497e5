// What the exchange document holds for small returns: the title data, the signer, and the
// conditions under which the body's elements and attributes are written. Expected values are
// worked out by hand beside each case.
#include <gtest/gtest.h>

#include "core/export/export_support.h"

namespace kvor {
namespace {

using namespace exporttest;

struct Case {
  const char* name;
  std::string json;      // the return
  const char* xpath;     // what to look at
  const char* expected;  // elements as compact XML, attributes as name=value; "" for none
};

void Check(const Case& c) {
  SCOPED_TRACE(c.name);
  mTDeclaration d = ReturnFromJson(c.json);
  EXPECT_EQ(ExportedPart(d, c.xpath), c.expected);
}

TEST(TitleDataTest, DocumentTaxpayerAndCodes) {
  const Case cases[] = {
      {"3-NDFL document", R"({"InspectionNumber": "7701", "CorrectionNumber": 2})",
       "/Файл/@ВерсПрог | /Файл/@ВерсФорм | /Файл/Документ/@*[name() != 'ДатаДок']",
       "ВерсПрог=ZEDO2014_1.1.0\nВерсФорм=5.09\nКНД=1151020\nПериод=34\nОтчетГод=2014\n"
       "КодНО=7701\nНомКорр=2\n"},
      {"4-NDFL document", R"({"InspectionNumber": "7701", "DeclarationType": 2})",
       "/Файл/@ВерсПрог | /Файл/@ВерсФорм | /Файл/Документ/@*[name() != 'ДатаДок']",
       "ВерсПрог=1.1.0\nВерсФорм=5.02\nКНД=1151021\nОтчетГод=2015\nКодНО=7701\nНомКорр=0\n"},
      // Without ИНН: СведФЛ2 with the place of birth and the identity document, even when no
      // document type is chosen; the country is 643 when blank.
      {"no INN", R"({"PersonInformation": {"INN": "", "CountryCode": ""}})", "//СведФЛ2",
       "<СведФЛ2 ДатаРожд=\"01.01.1977\" МестоРожд=\"\" ОКСМ=\"643\"><УдЛичн КодВидДок=\"00\" "
       "СерНомДок=\"\" ДатаДок=\"01.01.1990\" ВыдДок=\"\"/></СведФЛ2>\n"},
      {"INN without a document type", R"({"PersonInformation": {"INN": "770598765407"}})",
       "//СведФЛ1 | //СведФЛ2",
       "<СведФЛ1 ИННФЛ=\"770598765407\" ДатаРожд=\"01.01.1977\" ОКСМ=\"643\"/>\n"},
      {"codes padded",
       R"({"PersonInformation": {"INN": "770598765407", "RegionCode": 7, "CountryCode": "40",
           "DocTypeCode": 3}})",
       "//АдрРФ/@КодРегион | //СведФЛ1/@ОКСМ | //УдЛичн/@КодВидДок",
       "КодРегион=07\nОКСМ=040\nКодВидДок=03\n"},
      {"written when not blank",
       R"({"PersonInformation": {"SurName": "ёлкин", "Name": "", "Patronymic": "  ",
           "HomePhone": " ", "ForeignAddress": "", "PostIndex": "", "City": " ",
           "House": "1а", "AddressKind": 1}})",
       "//НПФЛ3/@* | //ФИОФЛ | //СвАдрРФ",
       "ДокПредст=760\nСтатус=1\n<ФИОФЛ Фамилия=\"ЁЛКИН\" Имя=\"\"/>\n"
       "<СвАдрРФ ПрАдр=\"2\"><АдрРФ КодРегион=\"00\" Дом=\"1А\"/></СвАдрРФ>\n"},
      {"non-resident", R"({"DeclarationType": 1})", "//НПФЛ3/@Статус", "Статус=2\n"},
      {"4-NDFL taxpayer",
       R"({"DeclarationType": 2, "PersonInformation": {"SurName": "Ли", "Name": "Ан",
           "INN": "", "OKTMO": ""}})",
       "//СвНП",
       "<СвНП><НПФЛ ДокПредст=\"000\" ИННФЛ=\"\" ОКТМО=\"\"><ФИО Фамилия=\"ЛИ\" "
       "Имя=\"АН\"/></НПФЛ></СвНП>\n"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(TitleDataTest, TaxpayerCategoryOfBothForms) {
  struct Category {
    int kind;
    const char* form3;
    const char* form4;
  } categories[] = {{0, "720", "720"}, {1, "770", "770"}, {2, "730", "730"},
                    {3, "740", "740"}, {6, "750", "000"}, {5, "760", "000"}};
  for (const Category& c : categories) {
    for (int type : {0, 2}) {
      mTDeclaration d;
      d.TaxpayerKind = static_cast<uint8_t>(c.kind);
      d.DeclarationType = static_cast<uint8_t>(type);
      EXPECT_EQ(ExportedPart(d, "//@ДокПредст"),
                std::string("ДокПредст=") + (type == 0 ? c.form3 : c.form4) + "\n")
          << c.kind << " " << type;
    }
  }
}

TEST(TitleDataTest, Signer) {
  const Case cases[] = {
      {"in person", R"({"ConfirmKind": 0, "RepresentativeName": "Петров"})", "//Подписант",
       "<Подписант ПрПодп=\"1\"/>\n"},
      {"full name",
       R"({"ConfirmKind": 1, "RepresentativeName": "Петров Пётр Петрович",
           "RepresentativeDocument": "доверенность № 1", "RepresentativeOrganization": "ООО"})",
       "//Подписант",
       "<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"ПЕТРОВ\" Имя=\"ПЁТР\" Отчество=\"ПЕТРОВИЧ\"/>"
       "<СвПред НаимДок=\"ДОВЕРЕННОСТЬ № 1\"/></Подписант>\n"},
      {"surname only", R"({"ConfirmKind": 1, "RepresentativeName": "Петров"})", "//Подписант/ФИО",
       "<ФИО Фамилия=\"ПЕТРОВ\" Имя=\" \"/>\n"},
      {"no name", R"({"ConfirmKind": 1, "RepresentativeName": "   "})", "//Подписант/ФИО",
       "<ФИО Фамилия=\" \" Имя=\" \"/>\n"},
      {"4-NDFL organisation",
       R"({"DeclarationType": 2, "ConfirmKind": 2, "RepresentativeName": "Орлова Ольга",
           "RepresentativeDocument": "Доверенность", "RepresentativeOrganization": "ООО «Учёт»"})",
       "//Подписант",
       "<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"ОРЛОВА\" Имя=\"ОЛЬГА\"/><СвПред "
       "НаимДок=\"ДОВЕРЕННОСТЬ\" НаимОрг=\"ООО «УЧЁТ»\"/></Подписант>\n"},
      {"4-NDFL without organisation",
       R"({"DeclarationType": 2, "ConfirmKind": 1, "RepresentativeName": "Орлова",
           "RepresentativeDocument": "Доверенность", "RepresentativeOrganization": " "})",
       "//СвПред", "<СвПред НаимДок=\"ДОВЕРЕННОСТЬ\"/>\n"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ExchangeDocumentTest, AmountsThatDoNotFit) {
  const Case cases[] = {
      // 10 000 000 000 000 roubles: "10000000000000.00" has 17 characters; its tax at 13 %,
      // 1 300 000 000 000, has 13 and fits.
      {"with kopecks",
       R"({"IncomeFlags": 1, "StandartDeduct": {"Claimed": 0},
           "Incomes13": [{"Incomes": [{"IncomeCode": 2000, "IncomeSum": "10000000000000"}]}]})",
       "//РасчНалБаза/@ДоходОбщ | //РасчНалПУ/@Исчисл",
       "ДоходОбщ=999999999999.99\nИсчисл=1300000000000\n"},
      {"whole", R"({"DeclarationType": 2, "SupposeIncome": "10000000000000.5"})", "//НДФЛ4",
       "<НДФЛ4 ПредДоход=\"999999999999999\"/>\n"},
      {"whole that fits", R"({"DeclarationType": 2, "SupposeIncome": "1000000000000.5"})",
       "//НДФЛ4", "<НДФЛ4 ПредДоход=\"1000000000000.5\"/>\n"},
  };
  for (const Case& c : cases) Check(c);
}

// A resident with the taxpayer's ОКТМО and standard deductions not claimed; `rest` adds keys.
std::string Resident(const std::string& rest) {
  return R"({"IncomeFlags": 1, "StandartDeduct": {"Claimed": 0},
             "PersonInformation": {"INN": "770598765407", "OKTMO": "45383000"})" +
         (rest.empty() ? "" : ", " + rest) + "}";
}

TEST(ExchangeDocumentTest, SectionsAndIncomeSheets) {
  const std::string withheldExactly = Resident(R"("Incomes13": [{"SourseINN": "7728123459",
      "SourseKPP": "772801001", "SourseOKTMO": "45397000", "SourseIncomeName": "Школа",
      "HoldSum": "13000", "OblSum": "100000", "TaxIsch": "13000",
      "Incomes": [{"IncomeCode": 2000, "IncomeSum": "100000", "Month": 1}]}])");
  const std::string payers = Resident(R"("Incomes13": [
      {"SourseINN": "770598765407", "SourseKPP": "", "SourseIncomeName": "Орлов И. Л.",
       "Incomes": [{"IncomeCode": 1400, "IncomeSum": "1000"}]},
      {"SourseINN": "770598765407", "SourseKPP": "770501001", "SourseIncomeName": "ИП Орлов",
       "Incomes": [{"IncomeCode": 1400, "IncomeSum": "1000"}]},
      {"SourseINN": "7728123459", "SourseKPP": "", "SourseIncomeName": "ООО Ромашка",
       "Incomes": [{"IncomeCode": 1400, "IncomeSum": "1000"}]},
      {"SourseINN": "", "SourseKPP": "", "SourseIncomeName": "Mr Smith",
       "Incomes": [{"IncomeCode": 1400, "IncomeSum": "1000"}]}])");
  const std::string housingLoan = R"({"IncomeCode": 2620, "SourseINN": "7728123459",
      "SourseKPP": "772801001", "SourseIncomeName": "Банк", "ItogIncomeSum": "5000",
      "HoldSum": "1750"})";
  const std::string winnings = R"({"IncomeCode": 2610, "SourseINN": "7728123459",
      "SourseKPP": "772801001", "SourseOKTMO": "45397000", "SourseIncomeName": "Банк",
      "ItogIncomeSum": "10000", "HoldSum": "3500"})";
  const Case cases[] = {
      // The only payer withheld exactly the computed tax: nothing to pay or refund, so section
      // 1 is the single line "3" of the individuals' code, and section 2 the 13 % block.
      {"withheld exactly: section 1", withheldExactly, "//СумНалПу",
       "<СумНалПу ПрУплВозв=\"3\" КБК=\"18210102030011000110\" ОКТМО=\"45383000\" ПодлУпл=\"0\" "
       "ПодлВозв=\"0\"/>\n"},
      {"withheld exactly: section 2", withheldExactly, "//НДФЛ3/НалБаза",
       "<НалБаза Ставка=\"13\"><РасчНалБаза ДоходОбщ=\"100000.00\" ДоходОбщНеНал=\"0.00\" "
       "ДоходОбщНал=\"100000.00\" СумНалВыч=\"0.00\" СумРасхУм=\"0.00\" "
       "НалБаза=\"100000.00\"/><РасчНалПУ Исчисл=\"13000\" УдержОбщ=\"13000\" УдержОбщМВ=\"0\" "
       "УплАвФакт=\"0\" ОбщУплЗач227.1=\"0\" УплИнПодлЗач=\"0\" ПодлУпл=\"0\" "
       "ПодлВозв=\"0\"/></НалБаза>\n"},
      {"withheld exactly: the payer", withheldExactly, "//ДоходИстРФ",
       "<ДоходИстРФ Ставка=\"13\" ВидДоход=\"06\" ОКТМО=\"45397000\" Доход=\"100000.00\" "
       "ДоходОбл=\"100000.00\" НалИсчисл=\"13000\" НалУдерж=\"13000\"><ИстЮЛ Наим=\"ШКОЛА\" "
       "ИННЮЛ=\"7728123459\" КПП=\"772801001\"/></ДоходИстРФ>\n"},
      // A return with nothing at all still has the 13 % block, all zero.
      {"nothing at all", Resident(""), "//НДФЛ3/*",
       "<СумНалПу ПрУплВозв=\"3\" КБК=\"18210102030011000110\" ОКТМО=\"45383000\" ПодлУпл=\"0\" "
       "ПодлВозв=\"0\"/>\n"
       "<НалБаза Ставка=\"13\"><РасчНалБаза ДоходОбщ=\"0.00\" ДоходОбщНеНал=\"0.00\" "
       "ДоходОбщНал=\"0.00\" СумНалВыч=\"0.00\" СумРасхУм=\"0.00\" НалБаза=\"0.00\"/><РасчНалПУ "
       "Исчисл=\"0\" УдержОбщ=\"0\" УдержОбщМВ=\"0\" УплАвФакт=\"0\" ОбщУплЗач227.1=\"0\" "
       "УплИнПодлЗач=\"0\" ПодлУпл=\"0\" ПодлВозв=\"0\"/></НалБаза>\n"},
      // A person has neither an organisation's ИНН nor a КПП; anyone else is an organisation.
      {"payer kinds", payers, "//ДоходИстРФ/*",
       "<ИстФЛИн ФИОИн=\"ОРЛОВ И. Л.\" ИННФЛ=\"770598765407\"/>\n"
       "<ИстЮЛ Наим=\"ИП ОРЛОВ\" ИННЮЛ=\"770598765407\" КПП=\"770501001\"/>\n"
       "<ИстЮЛ Наим=\"ООО РОМАШКА\" ИННЮЛ=\"7728123459\" КПП=\"\"/>\n"
       "<ИстФЛИн ФИОИн=\"MR SMITH\"/>\n"},
      // Income of code 2620 is never listed; the 35 % group needs 35 % income.
      {"35 %", Resident(R"("Incomes35": [)" + housingLoan + ", " + winnings + "]"), "//ДоходИстРФ",
       "<ДоходИстРФ Ставка=\"35\" ВидДоход=\"08\" ОКТМО=\"45397000\" Доход=\"10000.00\" "
       "ДоходОбл=\"10000.00\" НалИсчисл=\"3500\" НалУдерж=\"3500\"><ИстЮЛ Наим=\"БАНК\" "
       "ИННЮЛ=\"7728123459\" КПП=\"772801001\"/></ДоходИстРФ>\n"},
      {"35 % of code 2620 only", Resident(R"("Incomes35": [)" + housingLoan + "]"), "//ДоходИстРФ",
       ""},
      // 48 123.40 roubles at 13 % is 6256.04, tax 6256; nothing was paid abroad, so nothing is
      // credited and the tax attributes are left out.
      {"foreign income without tax abroad",
       R"({"IncomeFlags": 2, "StandartDeduct": {"Claimed": 0}, "CurrencyIncomes": [
           {"IncomeRate": 13, "IncomeCode": 1400, "SourseIncomeName": "Mr Smith",
            "CountryCode": "40", "CurrencyCode": "978", "IncomeDate": "10.02.2014",
            "CurrencyExchange": "48.1234", "CurrencyUnits": 1, "IncomeCurrencySum": "1000",
            "IncomeRublSum": "48123.4"}]})",
       "//ДоходИстИно",
       "<ДоходИстИно Ставка=\"13\" ДоходИноРубОбщ=\"48123.40\" НалУплИноРубОбщ=\"0.00\" "
       "НалИсчислРФОбщ=\"6256\" НалЗачРФОбщ=\"0\"><РасчДохНалИно ОКСМ=\"040\" "
       "НаимИстДох=\"MR SMITH\" КодВалют=\"978\" ДатаДох=\"10.02.2014\" КурсВалютДох=\"48.1234\" "
       "ДоходИноВал=\"1000.00\" ДоходИноРуб=\"48123.40\" НалЗачРФОбщ=\"6256\"/></ДоходИстИно>\n"},
      // A notary's activity has no ОКВЭД; an entrepreneur's documented expenses are written
      // where not zero.
      {"business activities",
       R"({"IncomeFlags": 4, "StandartDeduct": {"Claimed": 0}, "BusinessIncomes": [
           {"ActivityKind": "2", "OKVED": "69.10", "IncomeSum": "100000",
            "IsConfirmedExpensies": 0, "NormExpense": "20000"},
           {"ActivityKind": "1", "OKVED": "47.11", "IncomeSum": "50000",
            "IsConfirmedExpensies": 1, "TotalExpense": "30000", "MaterialExpense": "30000"}]})",
       "//РасчВидДеят",
       "<РасчВидДеят ВидДеят=\"2\" Доход=\"100000.00\" РасхПредНорм=\"20000.00\"/>\n"
       "<РасчВидДеят ВидДеят=\"1\" ОКВЭД=\"47.11\" Доход=\"50000.00\" РасхФакт=\"30000.00\" "
       "РасхФМат=\"30000.00\"/>\n"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ExchangeDocumentTest, Deductions) {
  const Case cases[] = {
      // Three objects: the limit is 2 000 000 and each cost counts in full. Kind 8 is written
      // 4; ownership 5 is 3 and 7 is 2; the relations 4 and 5 are 13 and 23.
      {"property objects", Resident(R"("ConstructionDeduct": {"Claimed": 1, "Objects": [
           {"ObjectKind": 8, "OwnershipKind": 7, "TaxpayerSign": 5, "IsPensioner": 1,
            "RegRightDate": "15.10.2012", "RegZemDate": "16.10.2012", "ObjectCost": "100000"},
           {"ObjectKind": 2, "OwnershipKind": 5, "TaxpayerSign": 4, "IsInvest": 1,
            "BuyDate": "01.02.2013", "ObjectCost": "100000"},
           {"ObjectKind": 1, "OwnershipKind": 1, "TaxpayerSign": 2,
            "RegRightDate": "03.03.2014", "AppDate": "04.03.2014", "ObjectCost": "100000",
            "CreditInterest": "5000.555"}]})"),
       "//СвОбъектРасх/@*",
       "КодНаимОб=4\nВидСобствОб=2\nПризнакНП=23\nВычЗаяв220.10=1\nДатаРегЖил=15.10.2012\n"
       "ДатаРегЗем=16.10.2012\nГодНачИспВыч=2003\nСумРасхФакт=100000.00\nСумФактУплПроц=0.00\n"
       "КодНаимОб=2\nВидСобствОб=3\nПризнакНП=13\nВычЗаяв220.10=0\nДатаАкт=01.02.2013\n"
       "ГодНачИспВыч=2003\nСумРасхФакт=100000.00\nСумФактУплПроц=0.00\n"
       "КодНаимОб=1\nВидСобствОб=1\nПризнакНП=02\nВычЗаяв220.10=0\nДатаРегЖил=03.03.2014\n"
       "ДатаЗаявВыч=04.03.2014\nГодНачИспВыч=2003\nСумРасхФакт=100000.00\n"
       "СумФактУплПроц=5000.55\n"},
      {"non-resident: no property, standard or social deduction",
       R"({"DeclarationType": 1, "IncomeFlags": 1,
           "StandartDeduct": {"Claimed": 1, "SelfCode": 105},
           "SocialDeduct": {"Claimed": 1, "CharitySum": "1000"},
           "ConstructionDeduct": {"Claimed": 1, "Objects": [{"ObjectKind": 2}]},
           "Incomes13NR": [{"Incomes": [{"IncomeCode": 2000, "IncomeSum": "100000"}]}]})",
       "//ИмущНалВычНов | //ВычСтандСоц", ""},
      // Charity of 5000 against an income of 100 000 (a quarter is 25 000): the social total is
      // 5000, which the element of deductions within the limit carries as the total.
      {"charity only", Resident(R"("SocialDeduct": {"Claimed": 1, "CharitySum": "5000"},
           "Incomes13": [{"Incomes": [{"IncomeCode": 2000, "IncomeSum": "100000"}]}])"),
       "//ВычСтандСоц",
       "<ВычСтандСоц ВычСтандСоц=\"5000.00\"><РасчВычСтанд ОбщВычСтанд=\"0\"/>"
       "<РасчВычСоцБез219.2 СумБлагЦел=\"5000.00\" ИтогВычСоциал=\"5000.00\"/>"
       "<РасчВычСоц219.2 ОбщВычСоциал=\"5000.00\"/></ВычСтандСоц>\n"},
      // Claimed, but no income month and no child: every deduction is zero.
      {"standard deductions of zero", R"({"IncomeFlags": 1, "StandartDeduct": {"Claimed": 1}})",
       "//ВычСтандСоц",
       "<ВычСтандСоц ВычСтандСоц=\"0.00\"><РасчВычСтанд КолМесНеПрев=\"0\" "
       "ОбщВычСтанд=\"0.00\"/></ВычСтандСоц>\n"},
      // 3000 a month on oneself for the four months of income; one child for the three months
      // up to 280 000 (100 000 a month).
      {"standard deductions",
       Resident(R"("StandartDeduct": {"Claimed": 1, "SelfCode": 105, "ChildCount": 1},
           "Incomes13": [{"PrimaryWorkplace": 1, "Incomes": [
               {"IncomeCode": 2000, "IncomeSum": "100000", "Month": 1},
               {"IncomeCode": 2000, "IncomeSum": "100000", "Month": 2},
               {"IncomeCode": 2000, "IncomeSum": "50000", "Month": 3},
               {"IncomeCode": 2000, "IncomeSum": "100000", "Month": 4}]}])"),
       "//РасчВычСтанд",
       "<РасчВычСтанд ВычСт218.1.1=\"12000.00\" КолМесНеПрев=\"3\" ВычСтРеб=\"4200.00\" "
       "ОбщВычСтанд=\"16200.00\"/>\n"},
      // Contributions of 24 000 and 2000, 6000 of the first already deducted by the employer.
      {"pension contributions", Resident(R"("SocialDeduct": {"Claimed": 0, "PensContracts": [
           {"PensKind": 1, "SourseIncomeName": "НПФ «Будущее»", "SourseINN": "7728123459",
            "SourseKPP": "772801001", "ContractNumber": "д-12/ab", "ContractDate": "01.09.2013",
            "VZSum": "24000", "NASum": "6000"},
           {"PensKind": 2, "SourseIncomeName": "ПФР", "VZSum": "2000"}]})"),
       "//ВычСоцИнв219",
       "<ВычСоцИнв219 ОбщВзносВыч=\"26000.00\" ОбщСоцВычПер=\"6000.00\" СоцВыч219=\"20000.00\">"
       "<РасчПСВВыч СумВзносУпл=\"24000.00\" СумВзносВыч=\"24000.00\" СоцВычВзносНА=\"6000.00\">"
       "<СведДогНПО ДатаДогНПО=\"01.09.2013\" НомДогНПО=\"Д-12/AB\"><СведИст "
       "Наим=\"НПФ «БУДУЩЕЕ»\" ИННЮЛ=\"7728123459\" КПП=\"772801001\"/></СведДогНПО>"
       "</РасчПСВВыч><РасчДопСВВыч СумВзносУпл=\"2000.00\" СумВзносВыч=\"2000.00\" "
       "СоцВычВзносНА=\"0.00\"/></ВычСоцИнв219>\n"},
      // A flat sold for 1 500 000 after less than three years: 1 000 000 deducted.
      {"sale of property", Resident(R"("Incomes13": [{"Incomes": [
           {"IncomeCode": 1510, "IncomeSum": "1500000", "SubtractCode": 901,
            "SubtractSum": "1000000"}]}])"),
       "//ИмущНалВычПр",
       "<ИмущНалВычПр ВычетОбщ=\"1000000.00\"><ВычЖилИмущ ДохИстИтог=\"1500000.00\" "
       "ВычИмущИтог=\"1000000.00\"><СумИмущ ДохВсехИст=\"1500000.00\" НалВычет=\"1000000.00\"/>"
       "<СумИмущОбщ ДохВсехИст=\"1500000.00\" НалВычет=\"1000000.00\"/></ВычЖилИмущ>"
       "</ИмущНалВычПр>\n"},
      // Royalties of 100 000 with 20 % norm expenses, paid in the country.
      {"professional deductions", Resident(R"("Incomes13": [{"Incomes": [
           {"IncomeCode": 2201, "IncomeSum": "100000", "SubtractCode": 405,
            "SubtractSum": "20000"}]}])"),
       "//ПрофНалВыч",
       "<ПрофНалВыч ПрИст=\"1\" РасходОбщИт=\"20000.00\"><РасхНормАвтВозн "
       "СумАвторВозн=\"100000.00\" СумРасхВыч=\"20000.00\"/></ПрофНалВыч>\n"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ExchangeDocumentTest, SecuritiesAndPartnerships) {
  const Case cases[] = {
      // A loss of 50 000 carried from 2010 and nothing else: it is all left at the end of the
      // year, and so carried forward.
      {"loss of 2010 only",
       R"({"IncomeFlags": 1, "StandartDeduct": {"Claimed": 0},
           "CBDeduct": {"CBLoss": ["0", "0", "0", "0", "0", "0", "50000", "0", "0", "0"]}})",
       "//ДохОперЦБ",
       "<ДохОперЦБ><УбытПредПер><ОстУбытНачВс СуммаЦБ=\"50000.00\"/><ОстУбытПрошПер "
       "ПериодПрош=\"2010\" УбытНачЦБОбр=\"50000.00\"/><НалБазаПер/><СумУмНБПер/>"
       "<ОстУбытКонВс СуммаЦБ=\"50000.00\"/></УбытПредПер><УбытПрхПер "
       "УбытОперЦБОбр=\"50000.00\" УбытОперФИССОбр=\"0.00\"/></ДохОперЦБ>\n"},
      // Shares sold for 100 000 bought for 120 000: a loss of 20 000 carried forward.
      {"loss on the organised market", Resident(R"("Incomes13": [{"Incomes": [
           {"IncomeCode": 1530, "IncomeSum": "100000", "SubtractCode": 201,
            "SubtractSum": "120000"}]}])"),
       "//ДохОперЦБ",
       "<ДохОперЦБ><ДохОперЦБОрг><РасчФинРез ДохСовОпер=\"100000.00\" РасхРеалЦБ=\"120000.00\" "
       "УбытРЕПОУмДох=\"0.00\" УбытЗаймУмДох=\"0.00\" ПроцРасх=\"0.00\" "
       "РасхУмДохРеалЦБ=\"120000.00\" НалБазаОпер=\"0.00\" УбытРезОпер=\"20000.00\"/>"
       "<РаспрУбыт УбытУч_2.3=\"0.00\" УбытУч_4.6=\"0.00\" УбытУмНББуд=\"20000.00\"/>"
       "</ДохОперЦБОрг><УбытПрхПер УбытОперЦБОбр=\"20000.00\" УбытОперФИССОбр=\"0.00\"/>"
       "<ИтогСовОпер ОбщДохСовОпер=\"100000.00\" ОбщДоходОбл=\"0.00\" "
       "ОбщРасхПрмВыч=\"100000.00\"/></ДохОперЦБ>\n"},
      // A withdrawal returning 80 000 of 100 000 contributed.
      {"partnership withdrawal only",
       R"({"IncomeFlags": 16, "StandartDeduct": {"Claimed": 0}, "InvestTovs": [
           {"InvestIncomes": [{"OperationKind": 6, "IncomeSum": "80000",
                               "ExpenseSum": "100000"}]}]})",
       "//ДохИвестТов",
       "<ДохИвестТов><РасчДохВыхИТ ДохВыхИТ=\"80000.00\" ВкладИТ=\"100000.00\" "
       "ДоходОбл=\"0.00\" УбытРез=\"20000.00\"/><ИтогСовОпер ОбщДохСовОпер=\"80000.00\" "
       "ОбщДоходОбл=\"0.00\" ОбщРасхПрмВыч=\"80000.00\"/></ДохИвестТов>\n"},
  };
  for (const Case& c : cases) Check(c);
}

}  // namespace
}  // namespace kvor
