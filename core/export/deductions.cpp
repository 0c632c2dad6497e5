// The deductions of the exchange file: new housing, sale of property, standard and social
// deductions, pension contributions and professional deductions.
#include <string>
#include <utility>

#include "core/computation/tax_rules.h"
#include "core/export/exchange_body.h"
#include "core/export/exchange_values.h"
#include "core/export/xml_names.h"

namespace kvor {

namespace n = xml_names;

namespace {

bool AnyIncomeKind(const mTDeclaration& d) {
  return d.IncomeFlags != 0;
}

std::string ObjectKindCode(int32_t kind) {
  return kind == 8 ? "4" : std::to_string(kind);
}

std::string OwnershipKindCode(int32_t kind) {
  if (kind == 5) return "3";
  if (kind > 5) return "2";
  return std::to_string(kind);
}

std::string TaxpayerSignCode(int32_t sign) {
  switch (sign) {
    case 4:
      return "13";
    case 5:
      return "23";
    default:
      return PadLeft(std::to_string(sign), 2);
  }
}

void WriteObject(ExchangeElement deduction, const mTConstructionDeductObj& o) {
  ExchangeElement object = deduction.Child(n::СвОбъектРасх);
  object.Text(n::КодНаимОб, ObjectKindCode(o.ObjectKind))
      .Text(n::ВидСобствОб, OwnershipKindCode(o.OwnershipKind))
      .Text(n::ПризнакНП, TaxpayerSignCode(o.TaxpayerSign))
      .Text(n::ВычЗаяв220_10, o.IsPensioner != 0 ? "1" : "0");
  if (o.IsInvest != 0) {
    object.DateValue(n::ДатаАкт, o.BuyDate);
  } else {
    object.DateValue(n::ДатаРегЖил, o.RegRightDate);
    if (o.ObjectKind > 4) object.DateValue(n::ДатаРегЗем, o.RegZemDate);
  }
  bool application =
      o.OwnershipKind == 6 || o.OwnershipKind == 3 || (o.OwnershipKind == 1 && o.TaxpayerSign == 2);
  if (application) object.DateValue(n::ДатаЗаявВыч, o.AppDate);
  if (o.ShareMark != 0) {
    object.Text(n::ДолСобств,
                std::to_string(o.DolNumerator) + "/" + std::to_string(o.DolDenominator));
  }
  object.YearValue(n::ГодНачИспВыч, o.BeginningUsePrivilegeDate)
      .WithKopecks(n::СумРасхФакт, o.CountedCost)
      .WithKopecks(n::СумФактУплПроц, o.CreditInterest);
  WriteRussianAddress(object.Child(n::АдрОбъект), o, o.RegionCode);
}

void WriteNewHousing(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  const mTConstructionDeduct& record = d.ConstructionDeduct;
  if (!IsResident(d) || !AnyIncomeKind(d) || record.Claimed == 0 || record.Objects.empty()) return;
  const kTSvodSumPrilZ& z = sum.PrilZ;
  ExchangeElement deduction = body.Child(n::ИмущНалВычНов).Child(n::РасчИмущВыч);
  deduction.WithKopecks(n::ВычНовЗачПред, z.ВычНовЗачПред)
      .WithKopecks(n::ВычПроцЗачПред, z.ВычПроцЗачПред)
      .WithKopecks(n::ОстВычПршПред, z.ОстВычПршПред)
      .WithKopecks(n::ПроцПршПред, z.ПроцПршПред)
      .WithKopecks(n::ВычНАУвед, z.ВычНАУвед)
      .WithKopecks(n::ПроцНАУвед, z.ПроцНАУвед)
      .WithKopecks(n::НалБаз13БезВыч, z.НалБаз13БезВыч)
      .WithKopecks(n::РасхНовВычНД, z.РасхНовВычНД)
      .WithKopecks(n::ПроцВычНД, z.ПроцВычНД)
      .WithKopecks(n::ОстИВБезПроц, z.ОстИВБезПроц)
      .WithKopecks(n::ОстИВУплПроц, z.ОстИВУплПроц);
  for (const mTConstructionDeductObj& object : record.Objects) WriteObject(deduction, object);
}

// A child with an income and its deduction, written when the deduction is positive.
void WritePair(ExchangeElement parent, const char* element, const char* incomeName, Money income,
               const char* deductionName, Money deduction) {
  if (deduction <= Money()) return;
  parent.Child(element).WithKopecks(incomeName, income).WithKopecks(deductionName, deduction);
}

void WritePropertySale(ExchangeElement body, const kTSvodSum& sum) {
  const kTSvodSumPrilH1& h = sum.PrilH1;
  if (h.PropertySaleTotal <= Money()) return;
  ExchangeElement sale = body.Child(n::ИмущНалВычПр);
  sale.WithKopecks(n::ВычетОбщ, h.PropertySaleTotal);
  if (h.DwellingDeductionTotal > Money()) {
    ExchangeElement dwelling = sale.Child(n::ВычЖилИмущ);
    dwelling.WithKopecks(n::ДохИстИтог, h.DwellingIncomeTotal)
        .WithKopecks(n::ВычИмущИтог, h.DwellingDeductionTotal);
    WritePair(dwelling, n::СумИмущ, n::ДохВсехИст, h.WholeIncome, n::НалВычет, h.WholeDeduction);
    WritePair(dwelling, n::СумДолИмущ, n::ДохВсехИст, h.ShareIncome, n::НалВычет, h.ShareDeduction);
    WritePair(dwelling, n::СумИмущОбщ, n::ДохВсехИст, h.WholeShareIncome, n::НалВычет,
              h.WholeShareDeduction);
    WritePair(dwelling, n::СумИмущДок, n::ДохВсехИст, h.DocIncome, n::РасхДок, h.DocExpenses);
  }
  if (h.OtherDeductionTotal > Money()) {
    ExchangeElement other = sale.Child(n::ВычИноеИмущ);
    other.WithKopecks(n::ДохИстИтог, h.OtherIncomeTotal)
        .WithKopecks(n::ВычИнИмущИтог, h.OtherDeductionTotal);
    WritePair(other, n::СумИнИмущ, n::ДохВсехИст, h.OtherIncome, n::НалВычет, h.OtherDeduction);
    WritePair(other, n::СумИнИмущДок, n::ДохВсехИст, h.OtherDocIncome, n::РасхДок,
              h.OtherDocExpenses);
  }
  if (h.RedemptionDeduction > Money()) {
    WritePair(sale.Child(n::ВычИзтИмущ), n::СумИзтИмущ, n::ДохВсехИст, h.RedemptionIncome,
              n::НалВычет, h.RedemptionDeduction);
  }
}

void WriteStandard(ExchangeElement parent, const mTDeclaration& d, const kTSvodSumPrilE1& e) {
  ExchangeElement standard = parent.Child(n::РасчВычСтанд);
  if (d.StandartDeduct.Claimed == 0) {
    standard.Verbatim(n::ОбщВычСтанд, "0");
    return;
  }
  standard.WithKopecksIfPositive(n::ВычСт218_1_1, e.SelfDeduction3000)
      .WithKopecksIfPositive(n::ВычСт218_1_2, e.SelfDeduction500)
      .Verbatim(n::КолМесНеПрев, std::to_string(e.MonthsWithinLimit))
      .WithKopecksIfPositive(n::ВычСтРеб, e.ChildBoth)
      .WithKopecksIfPositive(n::ВычСтРебЕд, e.ChildSingle)
      .WithKopecksIfPositive(n::ВычСтРебИнв, e.DisabledChildBoth)
      .WithKopecksIfPositive(n::ВычСтРебИнвЕд, e.DisabledChildSingle)
      .WithKopecks(n::ОбщВычСтанд, e.StandardTotal);
}

void WriteSocial(ExchangeElement parent, const kTSvodSumPrilE2& e) {
  if (e.OutsideLimitTotal > Money()) {
    parent.Child(n::РасчВычСоцБез219_2)
        .WithKopecksIfPositive(n::СумБлагЦел, e.Charity)
        .WithKopecksIfPositive(n::СумОбуч, e.ChildrenEducation)
        .WithKopecksIfPositive(n::СумЛечен, e.ExpensiveTreatment)
        .WithKopecks(n::ИтогВычСоциал, e.OutsideLimitTotal);
  }
  if (e.SocialTotal > Money()) {
    parent.Child(n::РасчВычСоц219_2)
        .WithKopecksIfPositive(n::СумОбуч, e.OwnEducation)
        .WithKopecksIfPositive(n::СумЛечен, e.Treatment)
        .WithKopecksIfPositive(n::СумЛичСтрах, e.LifeInsurance)
        .WithKopecksIfPositive(n::СумПенсСтрах, e.PensionInsurance)
        .WithKopecksIfPositive(n::ОбщСумРасх, e.WithinLimitTotal)
        .WithKopecks(n::ОбщВычСоциал, e.SocialTotal);
  }
}

void WriteStandardAndSocial(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  bool claimed = d.StandartDeduct.Claimed != 0 || d.SocialDeduct.Claimed != 0;
  if (!IsResident(d) || !AnyIncomeKind(d) || !claimed) return;
  ExchangeElement deductions = body.Child(n::ВычСтандСоц);
  deductions.WithKopecks(n::ВычСтандСоц, sum.PrilE1.StandardTotal + sum.PrilE2.SocialTotal);
  WriteStandard(deductions, d, sum.PrilE1);
  if (d.SocialDeduct.Claimed != 0) WriteSocial(deductions, sum.PrilE2);
}

void WritePensionContributions(ExchangeElement body, const kTSvodSum& sum) {
  const kTSvodSumPrilE3& e = sum.PrilE3;
  if (e.NpfContracts.empty() && e.FundedContracts.empty()) return;
  ExchangeElement pension = body.Child(n::ВычСоцИнв219);
  pension.WithKopecks(n::ОбщВзносВыч, e.ContributionsDeductible)
      .WithKopecks(n::ОбщСоцВычПер, e.ContributionsByAgents)
      .WithKopecks(n::СоцВыч219, e.PensionDeduction);
  if (!e.NpfContracts.empty()) {
    ExchangeElement npf = pension.Child(n::РасчПСВВыч);
    npf.WithKopecks(n::СумВзносУпл, e.PaidNpf)
        .WithKopecks(n::СумВзносВыч, e.DeductibleNpf)
        .WithKopecks(n::СоцВычВзносНА, e.ByAgentsNpf);
    for (const mbTPens& contract : e.NpfContracts) {
      ExchangeElement element = npf.Child(n::СведДогНПО);
      element.DateValue(n::ДатаДогНПО, contract.ContractDate)
          .Text(n::НомДогНПО, contract.ContractNumber);
      element.Child(n::СведИст)
          .Text(n::Наим, contract.SourseIncomeName)
          .Text(n::ИННЮЛ, contract.SourseINN)
          .Text(n::КПП, contract.SourseKPP);
    }
  }
  if (!e.FundedContracts.empty()) {
    pension.Child(n::РасчДопСВВыч)
        .WithKopecks(n::СумВзносУпл, e.PaidFunded)
        .WithKopecks(n::СумВзносВыч, e.DeductibleFunded)
        .WithKopecks(n::СоцВычВзносНА, e.ByAgentsFunded);
  }
}

void WriteProfessional(ExchangeElement body, const char* sourceSign, const kTSvodSumPrilG& g) {
  if (g.ProfTotal <= Money()) return;
  ExchangeElement deduction = body.Child(n::ПрофНалВыч);
  deduction.Text(n::ПрИст, sourceSign).WithKopecks(n::РасходОбщИт, g.ProfTotal);
  WritePair(deduction, n::РасхФактДогГПХ, n::СумДохДогГПХ, g.ContractIncome, n::СумРасхВыч,
            g.ContractDeduction);
  WritePair(deduction, n::РасхФактАвтВозн, n::СумАвторВозн, g.RoyaltyActualIncome, n::СумРасхВыч,
            g.RoyaltyActualDeduction);
  WritePair(deduction, n::РасхНормАвтВозн, n::СумАвторВозн, g.RoyaltyNormIncome, n::СумРасхВыч,
            g.RoyaltyNormDeduction);
  WritePair(deduction, n::РасхФактУстКап, n::СумДохУстКап, g.CapitalShareIncome, n::СумРасхВыч,
            g.CapitalShareDeduction);
  WritePair(deduction, n::РасхФактДолСтр, n::СумДохДолСтр, g.ConstructionRightIncome, n::СумРасхВыч,
            g.ConstructionRightDeduction);
}

}  // namespace

void WriteDeductions(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  WriteNewHousing(body, d, sum);
  WritePropertySale(body, sum);
  WriteStandardAndSocial(body, d, sum);
  WritePensionContributions(body, sum);
  WriteProfessional(body, "1", sum.PrilG);
  WriteProfessional(body, "2", sum.PrilG_In);
}

}  // namespace kvor
