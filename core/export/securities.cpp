// Operations with securities and derivatives, and income from investment partnerships, in the
// exchange file. Every amount here is written with kopecks.
#include <string>
#include <utility>

#include "core/export/exchange_body.h"
#include "core/export/xml_names.h"

namespace kvor {

namespace n = xml_names;

namespace {

using NamedAmount = std::pair<const char*, Money>;

// The amounts in the given order.
void Amounts(ExchangeElement element, std::initializer_list<NamedAmount> amounts) {
  for (const auto& [name, amount] : amounts) element.WithKopecks(name, amount);
}

bool Positive(std::initializer_list<Money> amounts) {
  Money total;
  for (Money amount : amounts) total += amount;
  return total > Money();
}

// A group whose result is worked out in РасчФинРез, with РасчДохОбл written when the tax base of
// the operations is positive and РаспрУбыт when there is a loss.
void WriteResultGroup(ExchangeElement parent, const char* name,
                      std::initializer_list<NamedAmount> result, Money base,
                      std::initializer_list<NamedAmount> taxable, Money loss,
                      std::initializer_list<NamedAmount> lossUse) {
  ExchangeElement group = parent.Child(name);
  Amounts(group.Child(n::РасчФинРез), result);
  if (base > Money()) Amounts(group.Child(n::РасчДохОбл), taxable);
  if (loss > Money()) Amounts(group.Child(n::РаспрУбыт), lossUse);
}

void WriteTotals(ExchangeElement parent, const kTOperationTotals& t) {
  Amounts(parent.Child(n::ИтогСовОпер), {{n::ОбщДохСовОпер, t.ОбщДохСовОпер},
                                         {n::ОбщДоходОбл, t.ОбщДоходОбл},
                                         {n::ОбщРасхПрмВыч, t.ОбщРасхПрмВыч}});
}

// Each of the two amounts, when positive.
void WriteCBFiss(ExchangeElement element, const kTCBFiss& sums) {
  element.WithKopecksIfPositive(n::СуммаЦБ, sums.СуммаЦБ)
      .WithKopecksIfPositive(n::СуммаФИСС, sums.СуммаФИСС);
}

void WriteEarlierLosses(ExchangeElement parent, const mTDeclaration& d, const kTSvodSumPrilJ& j) {
  ExchangeElement losses = parent.Child(n::УбытПредПер);
  WriteCBFiss(losses.Child(n::ОстУбытНачВс), j.ОстУбытНачВс);
  const mTCBDeduct& record = d.CBDeduct;
  for (int i = 0; i < mTCBDeduct::kYears; ++i) {
    Money securities = record.CBLoss[i];
    Money derivatives = record.FissLoss[i];
    if (securities <= Money() && derivatives <= Money()) continue;
    losses.Child(n::ОстУбытПрошПер)
        .Verbatim(n::ПериодПрош, std::to_string(mTCBDeduct::kFirstYear + i))
        .WithKopecksIfPositive(n::УбытНачЦБОбр, securities)
        .WithKopecksIfPositive(n::УбытНачФИССОбр, derivatives);
  }
  WriteCBFiss(losses.Child(n::НалБазаПер), j.НалБазаПер);
  WriteCBFiss(losses.Child(n::СумУмНБПер), j.СумУмНБПер);
  WriteCBFiss(losses.Child(n::ОстУбытКонВс), j.ОстУбытКонВс);
}

void WriteOperations(ExchangeElement body, const mTDeclaration& d, const kTSvodSumPrilJ& j) {
  if (!Positive({j.ИтогСовОпер.ОбщДохСовОпер, j.ОстУбытНачВс.СуммаЦБ, j.ОстУбытНачВс.СуммаФИСС}))
    return;
  ExchangeElement operations = body.Child(n::ДохОперЦБ);

  const kTCBOrg& org = j.ДохОперЦБОрг;
  if (Positive({org.ДохСовОпер, org.РасхРеалЦБ, org.ПроцРасх})) {
    WriteResultGroup(operations, n::ДохОперЦБОрг,
                     {{n::ДохСовОпер, org.ДохСовОпер},
                      {n::РасхРеалЦБ, org.РасхРеалЦБ},
                      {n::УбытРЕПОУмДох, org.УбытРЕПОУмДох},
                      {n::УбытЗаймУмДох, org.УбытЗаймУмДох},
                      {n::ПроцРасх, org.ПроцРасх},
                      {n::РасхУмДохРеалЦБ, org.РасхУмДохРеалЦБ},
                      {n::НалБазаОпер, org.НалБазаОпер},
                      {n::УбытРезОпер, org.УбытРезОпер}},
                     org.НалБазаОпер,
                     {{n::УбытУмНБ_4_10, org.УбытУмНБ_4_10},
                      {n::УбытПрПерУмНБ, org.УбытПрПерУмНБ},
                      {n::ДоходОбл, org.ДоходОбл}},
                     org.УбытРезОпер,
                     {{n::УбытУч_2_3, org.УбытУч_2_3},
                      {n::УбытУч_4_6, org.УбытУч_4_6},
                      {n::УбытУмНББуд, org.УбытУмНББуд}});
  }

  const kTCBOrgNeOrg& offMarket = j.ДохОперЦБОргНеОрг;
  if (Positive({offMarket.ДохСовОпер, offMarket.РасхРеалЦБ})) {
    Amounts(operations.Child(n::ДохОперЦБОргНеОрг), {{n::ДохСовОпер, offMarket.ДохСовОпер},
                                                     {n::РасхРеалЦБ, offMarket.РасхРеалЦБ},
                                                     {n::УбытУмФР_1_12, offMarket.УбытУмФР_1_12},
                                                     {n::ДоходОбл, offMarket.ДоходОбл}});
  }

  const kTCBNeOrg& notTraded = j.ДохОперЦБНеОрг;
  if (Positive({notTraded.ДохСовОпер, notTraded.РасхРеалЦБ, notTraded.ПроцРасх})) {
    Amounts(operations.Child(n::ДохОперЦБНеОрг), {{n::ДохСовОпер, notTraded.ДохСовОпер},
                                                  {n::РасхРеалЦБ, notTraded.РасхРеалЦБ},
                                                  {n::УбытРЕПОУмДох, notTraded.УбытРЕПОУмДох},
                                                  {n::УбытЗаймУмДох, notTraded.УбытЗаймУмДох},
                                                  {n::ПроцРасх, notTraded.ПроцРасх},
                                                  {n::УбытВыхИТ, notTraded.УбытВыхИТ},
                                                  {n::РасхУмДохРеалЦБ, notTraded.РасхУмДохРеалЦБ},
                                                  {n::ДоходОбл, notTraded.ДоходОбл}});
  }

  const kTFissOrgCB& fissCB = j.ДохФИССОргЦБ;
  if (Positive({fissCB.ДохСовОпер, fissCB.РасхРеалФИСС})) {
    WriteResultGroup(operations, n::ДохФИССОргЦБ,
                     {{n::ДохСовОпер, fissCB.ДохСовОпер},
                      {n::РасхРеалФИСС, fissCB.РасхРеалФИСС},
                      {n::НалБазаОпер, fissCB.НалБазаОпер},
                      {n::УбытРезОпер, fissCB.УбытРезОпер}},
                     fissCB.НалБазаОпер,
                     {{n::УбытПрПерУмНБ, fissCB.УбытПрПерУмНБ},
                      {n::УбытУмНБ_1_13, fissCB.УбытУмНБ_1_13},
                      {n::УбытУмНБ_5_8, fissCB.УбытУмНБ_5_8},
                      {n::ДоходОбл, fissCB.ДоходОбл}},
                     fissCB.УбытРезОпер,
                     {{n::УбытУмНБ_5_6, fissCB.УбытУмНБ_5_6},
                      {n::УбытУмНБ_1_9, fissCB.УбытУмНБ_1_9},
                      {n::УбытУмНББуд, fissCB.УбытУмНББуд}});
  }

  const kTFissOrgNeCB& fissOther = j.ДохФИССОргНеЦБ;
  if (Positive({fissOther.ДохСовОпер, fissOther.РасхРеалФИСС})) {
    WriteResultGroup(
        operations, n::ДохФИССОргНеЦБ,
        {{n::ДохСовОпер, fissOther.ДохСовОпер},
         {n::РасхРеалФИСС, fissOther.РасхРеалФИСС},
         {n::НалБазаОпер, fissOther.НалБазаОпер},
         {n::УбытРезОпер, fissOther.УбытРезОпер}},
        fissOther.НалБазаОпер,
        {{n::УбытПрПерУмНБ, fissOther.УбытПрПерУмНБ},
         {n::УбытУмНБ_4_9, fissOther.УбытУмНБ_4_9},
         {n::ДоходОбл, fissOther.ДоходОбл}},
        fissOther.УбытРезОпер,
        {{n::УбытУмНБ_4_7, fissOther.УбытУмНБ_4_7}, {n::УбытУмНББуд, fissOther.УбытУмНББуд}});
  }

  const kTFissNeOrg& fissNotTraded = j.ДохФИССНеОрг;
  if (Positive({fissNotTraded.ДохСовОпер, fissNotTraded.РасхРеалФИСС})) {
    Amounts(operations.Child(n::ДохФИССНеОрг), {{n::ДохСовОпер, fissNotTraded.ДохСовОпер},
                                                {n::РасхРеалФИСС, fissNotTraded.РасхРеалФИСС},
                                                {n::ДоходОбл, fissNotTraded.ДоходОбл}});
  }

  const kTRepo& repo = j.ДохРЕПО;
  if (Positive({repo.ДохЗаймРЕПО, repo.РасхЗаймРЕПО})) {
    WriteResultGroup(operations, n::ДохРЕПО,
                     {{n::ДохЗаймРЕПО, repo.ДохЗаймРЕПО},
                      {n::РасхЗаймРЕПО, repo.РасхЗаймРЕПО},
                      {n::ДоходОбл, repo.ДоходОбл},
                      {n::УбытРезОпер, repo.УбытРезОпер}},
                     Money(), {}, repo.УбытРЕПООбр + repo.УбытРЕПОНеОбр,
                     {{n::УбытРЕПООбр, repo.УбытРЕПООбр}, {n::УбытРЕПОНеОбр, repo.УбытРЕПОНеОбр}});
  }

  const kTSecuritiesLoan& loan = j.ДохЗаймЦБ;
  if (Positive({loan.ДохДогЗайм, loan.РасхДогЗайм})) {
    WriteResultGroup(
        operations, n::ДохЗаймЦБ,
        {{n::ДохДогЗайм, loan.ДохДогЗайм},
         {n::РасхДогЗайм, loan.РасхДогЗайм},
         {n::ДоходОбл, loan.ДоходОбл},
         {n::УбытРезОпер, loan.УбытРезОпер}},
        Money(), {}, loan.УбытЗаймЦБОбр + loan.УбытЗаймЦБНеОбр,
        {{n::УбытЗаймЦБОбр, loan.УбытЗаймЦБОбр}, {n::УбытЗаймЦБНеОбр, loan.УбытЗаймЦБНеОбр}});
  }

  if (Positive({j.ОстУбытНачВс.СуммаЦБ, j.ОстУбытНачВс.СуммаФИСС}))
    WriteEarlierLosses(operations, d, j);

  if (Positive({j.УбытОперЦБОбр, j.УбытОперФИССОбр})) {
    Amounts(operations.Child(n::УбытПрхПер),
            {{n::УбытОперЦБОбр, j.УбытОперЦБОбр}, {n::УбытОперФИССОбр, j.УбытОперФИССОбр}});
  }

  if (j.ИтогСовОпер.ОбщДохСовОпер > Money()) WriteTotals(operations, j.ИтогСовОпер);
}

void WritePartnershipGroup(ExchangeElement parent, const char* name, const kTInvestGroup& g) {
  if (!Positive({g.ДохСовокуп, g.РасхДолУпрТов, g.РасхВознУпрТоп, g.УбытПрУмен})) return;
  Amounts(parent.Child(name), {{n::ДохСовокуп, g.ДохСовокуп},
                               {n::РасхДолУпрТов, g.РасхДолУпрТов},
                               {n::РасхВознУпрТоп, g.РасхВознУпрТоп},
                               {n::УбытПрУмен, g.УбытПрУмен},
                               {n::ДоходОбл, g.ДоходОбл},
                               {n::УбытПерБудущ, g.УбытПерБудущ}});
}

void WritePartnerships(ExchangeElement body, const kTSvodSumPrilI& i) {
  const kTOperationTotals& totals = i.ИтогСовОпер;
  if (!Positive({totals.ОбщДохСовОпер, totals.ОбщДоходОбл, totals.ОбщРасхПрмВыч})) return;
  ExchangeElement partnerships = body.Child(n::ДохИвестТов);
  WritePartnershipGroup(partnerships, n::ДохЦБОбрИТ, i.ДохЦБОбрИТ);
  WritePartnershipGroup(partnerships, n::ДохЦБНеОбрИТ, i.ДохЦБНеОбрИТ);
  WritePartnershipGroup(partnerships, n::ДохФИНеОбрИТ, i.ДохФИНеОбрИТ);
  WritePartnershipGroup(partnerships, n::ДохУстКапИТ, i.ДохУстКапИТ);
  WritePartnershipGroup(partnerships, n::ДохПрочИТ, i.ДохПрочИТ);
  const kTInvestWithdrawal& w = i.РасчДохВыхИТ;
  if (Positive({w.ДохВыхИТ, w.ВкладИТ})) {
    Amounts(partnerships.Child(n::РасчДохВыхИТ), {{n::ДохВыхИТ, w.ДохВыхИТ},
                                                  {n::ВкладИТ, w.ВкладИТ},
                                                  {n::ДоходОбл, w.ДоходОбл},
                                                  {n::УбытРез, w.УбытРез}});
  }
  WriteTotals(partnerships, totals);
}

}  // namespace

void WriteSecurities(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum) {
  WriteOperations(body, d, sum.PrilJ);
  WritePartnerships(body, sum.PrilI);
}

}  // namespace kvor
