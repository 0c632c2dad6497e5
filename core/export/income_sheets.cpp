// Sections 1 and 2 and the income sheets of the exchange file.
#include <array>
#include <utility>

#include "core/common/codec.h"
#include "core/common/money_text.h"
#include "core/computation/tax_rules.h"
#include "core/export/exchange_body.h"
#include "core/export/exchange_values.h"
#include "core/export/xml_names.h"

namespace kvor {

namespace n = xml_names;

namespace {

void WriteSection1(ExchangeElement body, const kTSvodSum& sum) {
  for (const bmTList1& line : sum.List6.Lines) {
    body.Child(n::СумНалПу)
        .Text(n::ПрУплВозв, line.PayOrRefund)
        .Text(n::КБК, line.Kbk)
        .Text(n::ОКТМО, line.Oktmo)
        .Verbatim(n::ПодлУпл, line.PayOrRefund == kToPay ? WholeText(line.Amount) : "0")
        .Verbatim(n::ПодлВозв, line.PayOrRefund == kToRefund ? WholeText(line.Amount) : "0");
  }
}

// A block of section 2 is written when the sum of its first twelve amounts is positive.
bool HasData(const kTSvodSumTaxBase& b) {
  Money total = b.IncomeTotal + b.IncomeExempt + b.Deductions + b.IncomeTaxable +
                b.ExpenseReductions + b.TaxBase + b.TaxComputed + b.TaxWithheld +
                b.TaxWithheldExempt + b.AdvancesPaid + b.FixedAdvancesCredited +
                b.ForeignTaxCredited;
  return total > Money();
}

void WriteTaxBase(ExchangeElement body, const kTSvodSumTaxBase& b) {
  ExchangeElement block = body.Child(n::НалБаза);
  block.Text(n::Ставка, b.Rate);
  block.Child(n::РасчНалБаза)
      .WithKopecks(n::ДоходОбщ, b.IncomeTotal)
      .WithKopecks(n::ДоходОбщНеНал, b.IncomeExempt)
      .WithKopecks(n::ДоходОбщНал, b.IncomeTaxable)
      .WithKopecks(n::СумНалВыч, b.Deductions)
      .WithKopecks(n::СумРасхУм, b.ExpenseReductions)
      .WithKopecks(n::НалБаза, b.TaxBase);
  block.Child(n::РасчНалПУ)
      .Whole(n::Исчисл, b.TaxComputed)
      .Whole(n::УдержОбщ, b.TaxWithheld)
      .Whole(n::УдержОбщМВ, b.TaxWithheldExempt)
      .Whole(n::УплАвФакт, b.AdvancesPaid)
      .Whole(n::ОбщУплЗач227_1, b.FixedAdvancesCredited)
      .Whole(n::УплИнПодлЗач, b.ForeignTaxCredited)
      .Whole(n::ПодлУпл, b.TaxPayable)
      .Whole(n::ПодлВозв, b.TaxRefundable);
}

void WriteSection2(ExchangeElement body, const kTSvodSum& sum) {
  const kTSvodSumTaxBase* blocks[] = {&sum.List1, &sum.List2, &sum.List3, &sum.List4, &sum.List5};
  bool written = false;
  for (const kTSvodSumTaxBase* block : blocks) {
    if (!HasData(*block)) continue;
    WriteTaxBase(body, *block);
    written = true;
  }
  if (!written) WriteTaxBase(body, sum.List1);
}

// One income source in the country, with the tax computed on its income.
void WriteSource(ExchangeElement body, const char* rate, const mTSourseIncomeInfo& source,
                 Money taxable, Money taxComputed) {
  ExchangeElement element = body.Child(n::ДоходИстРФ);
  element.Text(n::Ставка, rate)
      .Text(n::ВидДоход, source.IncomeTypeCode)
      .TextIfNotBlank(n::ОКТМО, source.SourseOKTMO)
      .WithKopecks(n::Доход, source.ItogIncomeSum)
      .WithKopecks(n::ДоходОбл, taxable)
      .Whole(n::НалИсчисл, taxComputed)
      .Whole(n::НалУдерж, source.HoldSum);
  // A payer without an organisation's ИНН and without КПП is a person.
  if (Utf8Length(source.SourseINN) != 10 && IsBlank(source.SourseKPP)) {
    element.Child(n::ИстФЛИн)
        .Text(n::ФИОИн, source.SourseIncomeName)
        .TextIfNotBlank(n::ИННФЛ, source.SourseINN);
  } else {
    element.Child(n::ИстЮЛ)
        .Text(n::Наим, source.SourseIncomeName)
        .Text(n::ИННЮЛ, source.SourseINN)
        .Text(n::КПП, source.SourseKPP);
  }
}

template <class Source>
void WriteSources(ExchangeElement body, const char* rate, std::span<const Source> sources) {
  for (const Source& s : sources) WriteSource(body, rate, s, s.OblSum, s.TaxIsch);
}

void WriteSourcesInCountry(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  bool resident = IsResident(d);
  bool nonResident = IsNonResident(d);
  if (resident) WriteSources(body, "09", DividendsOf(d));
  if (resident) WriteSources(body, "13", Incomes13Of(d));
  WriteSources(body, nonResident ? "30" : "13", InvestTovsOf(d));
  if (nonResident) {
    WriteSources(body, "13", Incomes13NROf(d));
    for (const mTThirtyPercent& s : DividendsOf(d))
      WriteSource(body, "15", s, s.OblSum, TaxAtRate(s.OblSum, kRate15));
    WriteSources(body, "30", Incomes13Of(d));
  }
  if (resident && sum.PrilA35.Income > Money()) {
    for (const mTThirtyFivePercent& s : Incomes35Of(d)) {
      if (s.IncomeCode == kIncomeCodeHousingLoanBenefit) continue;
      WriteSource(body, "35", s, s.OblSum, s.TaxIsch);
    }
  }
}

void WriteForeignLine(ExchangeElement sheet, const DohodCur& line) {
  ExchangeElement element = sheet.Child(n::РасчДохНалИно);
  element.Text(n::ОКСМ, PadLeft(line.CountryCode, 3))
      .Text(n::НаимИстДох, line.SourseIncomeName)
      .Text(n::КодВалют, PadLeft(line.CurrencyCode, 3))
      .DateValue(n::ДатаДох, line.IncomeDate)
      .Text(n::КурсВалютДох, line.IncomeRateText)
      .Text(n::ДоходИноВал, line.IncomeCurrencyText)
      .WithKopecks(n::ДоходИноРуб, line.IncomeRublSum);
  if (line.TaxRoubleSum > Money()) {
    element.DateValue(n::ДатаУплНал, line.TaxDate)
        .Text(n::КурсВалютНал, line.TaxRateText)
        .Text(n::НалУплИноВал, line.TaxCurrencyText)
        .WithKopecks(n::НалУплИноРуб, line.TaxRoubleSum);
  }
  element.WholeIfPositive(n::НалЗачРФОбщ, line.TaxComputedRF)
      .WholeIfPositive(n::НалогЗачРФОбщ, line.TaxCredited);
}

void WriteIncomeAbroad(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  if (!d.HasIncome(kIncomeForeign)) return;
  const std::pair<int, const char*> sheets[] = {
      {kForeign9, "09"}, {kForeign13, "13"}, {kForeign35, "35"}};
  for (const auto& [index, rate] : sheets) {
    const kTSvodSumPrilB& sheet = sum.PrilB[index];
    if (sheet.IncomeRub <= Money()) continue;
    ExchangeElement element = body.Child(n::ДоходИстИно);
    element.Text(n::Ставка, rate)
        .WithKopecks(n::ДоходИноРубОбщ, sheet.IncomeRub)
        .WithKopecks(n::НалУплИноРубОбщ, sheet.ForeignTaxRub)
        .Whole(n::НалИсчислРФОбщ, sheet.TaxComputedRF)
        .Whole(n::НалЗачРФОбщ, sheet.TaxCredited);
    for (const DohodCur& line : sheet.Lines) WriteForeignLine(element, line);
  }
}

void WriteActivity(ExchangeElement business, const mTBusinessNew& a) {
  ExchangeElement element = business.Child(n::РасчВидДеят);
  element.Text(n::ВидДеят, a.ActivityKind);
  if (a.ActivityKind == activity_kind::kEntrepreneur) element.Text(n::ОКВЭД, a.OKVED);
  element.WithKopecks(n::Доход, a.IncomeSum);
  auto ifNotZero = [&](const char* name, Money amount) {
    if (!amount.IsZero()) element.WithKopecks(name, amount);
  };
  if (a.IsConfirmedExpensies != 0) {
    ifNotZero(n::РасхФакт, a.TotalExpense);
    ifNotZero(n::РасхФМат, a.MaterialExpense);
    ifNotZero(n::РасхФАмНач, a.Amortization);
    ifNotZero(n::РасхФОплТруд, a.LabourExpense);
    ifNotZero(n::РасхФТрДог, a.LabourContractExpense);
    ifNotZero(n::РасхФПроч, a.OtherExpense);
  } else {
    ifNotZero(n::РасхПредНорм, a.NormExpense);
  }
}

void WriteBusiness(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  std::span<const mTBusinessNew> activities = BusinessIncomesOf(d);
  if (activities.empty()) return;
  const kTSvodSumPrilV1& v = sum.PrilV1;
  ExchangeElement business = body.Child(n::ДоходПредпр);
  business.WithKopecks(n::ДоходИт, v.BusinessIncome)
      .WithKopecks(n::ВычПрофИт, v.BusinessProfDeduction)
      .WholeIfPositive(n::НачислАвИт, v.AdvancesAccrued)
      .WholeIfPositive(n::УплФактАвИт, v.AdvancesPaid);
  for (const mTBusinessNew& activity : activities) WriteActivity(business, activity);
  if (d.IsFH != 0) {
    business.Child(n::СведКФХ)
        .YearValue(n::ГодРегКФХ, d.BeginningFH)
        .WithKopecks(n::ДоходНеНал, d.FHSum);
  }
  if (d.CorIncome > Money() || d.CorExpense > Money()) {
    business.Child(n::НБКор105_3)
        .WithKopecks(n::НБКорСам, d.CorIncome)
        .Whole(n::НалКорСам, d.CorExpense);
  }
}

void WriteExemptIncome(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  const kTSvodSumPrilM& m = sum.PrilM;
  if (m.ExemptTotal + m.AdvertisingExempt <= Money()) return;
  ExchangeElement exempt = body.Child(n::ДоходОсвПрев);
  exempt.WithKopecks(n::ДохНеНалОбщ, m.ExemptTotal);
  const std::pair<const char*, const kTExemptPair*> kinds[] = {
      {n::МатПомРожд, &m.МатПомРожд}, {n::МатПомРаб, &m.МатПомРаб}, {n::МатПомИнв, &m.МатПомИнв},
      {n::ПодарНП, &m.ПодарНП},       {n::ПризНП, &m.ПризНП},       {n::ВозмМед, &m.ВозмМед},
      {n::ПомПодар, &m.ПомПодар},     {n::ДопСВПенс, &m.ДопСВПенс}, {n::НатОплСХ, &m.НатОплСХ}};
  for (const auto& [name, pair] : kinds) {
    if (pair->ДоходНеНал <= Money()) continue;
    ExchangeElement kind = exempt.Child(name);
    if (pair == &m.НатОплСХ) kind.Verbatim(n::КолМесОтраб, std::to_string(d.FarmMonths));
    kind.WithKopecks(n::ДоходВсИст, pair->ДоходВсИст).WithKopecks(n::ДоходНеНал, pair->ДоходНеНал);
  }
  if (m.AdvertisingExempt > Money()) {
    exempt.Child(n::ПризРекл)
        .WithKopecks(n::ДоходВсИст, m.AdvertisingIncome)
        .WithKopecks(n::ДоходНеНал, m.AdvertisingExempt);
  }
}

}  // namespace

void WriteIncomeSheets(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  WriteSection1(body, sum);
  WriteSection2(body, sum);
  WriteSourcesInCountry(body, d, sum);
  WriteIncomeAbroad(body, d, sum);
  WriteBusiness(body, d, sum);
  WriteExemptIncome(body, d, sum);
}

}  // namespace kvor
