#pragma once

// Operations with securities, derivatives, repo and securities loans (with the losses carried
// from earlier years), and income from investment partnerships.
//
// The fields carry the names of the exchange-file attributes that export them, and the groups
// the names of their elements; a dot in an attribute name is written "_" in the code
// (УбытУмНБ_4_10 exports as "УбытУмНБ_4.10"; the JSON form keeps the dot).

#include "core/common/money.h"
#include "core/model/declaration.h"

namespace kvor {

// Totals of the operations: income, taxable income and the expenses and losses that reduce the
// tax base (ОбщРасхПрмВыч = ОбщДохСовОпер - ОбщДоходОбл).
struct kTOperationTotals {
  Money ОбщДохСовОпер;
  Money ОбщДоходОбл;
  Money ОбщРасхПрмВыч;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ОбщДохСовОпер", self.ОбщДохСовОпер);
    v("ОбщДоходОбл", self.ОбщДоходОбл);
    v("ОбщРасхПрмВыч", self.ОбщРасхПрмВыч);
  }
  friend bool operator==(const kTOperationTotals&, const kTOperationTotals&) = default;
};

// One group of partnership operations (kinds 1 to 5).
struct kTInvestGroup {
  Money ДохСовокуп;      // income
  Money РасхДолУпрТов;   // share of expenses
  Money РасхВознУпрТоп;  // expenses on managing partners
  Money УбытПрУмен;      // losses of previous years
  Money ДоходОбл;        // the difference, or 0 when negative
  Money УбытПерБудущ;    // the difference the other way, or 0

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовокуп", self.ДохСовокуп);
    v("РасхДолУпрТов", self.РасхДолУпрТов);
    v("РасхВознУпрТоп", self.РасхВознУпрТоп);
    v("УбытПрУмен", self.УбытПрУмен);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытПерБудущ", self.УбытПерБудущ);
  }
  friend bool operator==(const kTInvestGroup&, const kTInvestGroup&) = default;
};

// Withdrawal from a partnership (kind 6).
struct kTInvestWithdrawal {
  Money ДохВыхИТ;  // received on withdrawal
  Money ВкладИТ;   // contributions
  Money ДоходОбл;  // ДохВыхИТ - ВкладИТ, or 0
  Money УбытРез;   // ВкладИТ - ДохВыхИТ, or 0

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохВыхИТ", self.ДохВыхИТ);
    v("ВкладИТ", self.ВкладИТ);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытРез", self.УбытРез);
  }
  friend bool operator==(const kTInvestWithdrawal&, const kTInvestWithdrawal&) = default;
};

// Income from participation in investment partnerships.
struct kTSvodSumPrilI {
  kTInvestGroup ДохЦБОбрИТ;    // kind 1: securities traded on the organised market
  kTInvestGroup ДохЦБНеОбрИТ;  // kind 2: securities not traded
  kTInvestGroup ДохФИНеОбрИТ;  // kind 3: derivatives not traded
  kTInvestGroup ДохУстКапИТ;   // kind 4: shares in authorised capital
  kTInvestGroup ДохПрочИТ;     // kind 5: other
  kTInvestWithdrawal РасчДохВыхИТ;
  kTOperationTotals ИтогСовОпер;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохЦБОбрИТ", self.ДохЦБОбрИТ);
    v("ДохЦБНеОбрИТ", self.ДохЦБНеОбрИТ);
    v("ДохФИНеОбрИТ", self.ДохФИНеОбрИТ);
    v("ДохУстКапИТ", self.ДохУстКапИТ);
    v("ДохПрочИТ", self.ДохПрочИТ);
    v("РасчДохВыхИТ", self.РасчДохВыхИТ);
    v("ИтогСовОпер", self.ИтогСовОпер);
  }
  friend bool operator==(const kTSvodSumPrilI&, const kTSvodSumPrilI&) = default;
};

// Securities traded on the organised market (income 1530).
struct kTCBOrg {
  Money ДохСовОпер;
  Money РасхРеалЦБ;
  Money УбытРЕПОУмДох;
  Money УбытЗаймУмДох;
  Money ПроцРасх;
  Money РасхУмДохРеалЦБ;
  Money НалБазаОпер;
  Money УбытРезОпер;
  Money УбытУмНБ_4_10;
  Money УбытПрПерУмНБ;
  Money ДоходОбл;
  Money УбытУч_2_3;
  Money УбытУч_4_6;
  Money УбытУмНББуд;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовОпер", self.ДохСовОпер);
    v("РасхРеалЦБ", self.РасхРеалЦБ);
    v("УбытРЕПОУмДох", self.УбытРЕПОУмДох);
    v("УбытЗаймУмДох", self.УбытЗаймУмДох);
    v("ПроцРасх", self.ПроцРасх);
    v("РасхУмДохРеалЦБ", self.РасхУмДохРеалЦБ);
    v("НалБазаОпер", self.НалБазаОпер);
    v("УбытРезОпер", self.УбытРезОпер);
    v("УбытУмНБ_4.10", self.УбытУмНБ_4_10);
    v("УбытПрПерУмНБ", self.УбытПрПерУмНБ);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытУч_2.3", self.УбытУч_2_3);
    v("УбытУч_4.6", self.УбытУч_4_6);
    v("УбытУмНББуд", self.УбытУмНББуд);
  }
  friend bool operator==(const kTCBOrg&, const kTCBOrg&) = default;
};

// Securities traded on the organised market that were bought off it (income 1536).
struct kTCBOrgNeOrg {
  Money ДохСовОпер;
  Money РасхРеалЦБ;
  Money УбытУмФР_1_12;
  Money ДоходОбл;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовОпер", self.ДохСовОпер);
    v("РасхРеалЦБ", self.РасхРеалЦБ);
    v("УбытУмФР_1.12", self.УбытУмФР_1_12);
    v("ДоходОбл", self.ДоходОбл);
  }
  friend bool operator==(const kTCBOrgNeOrg&, const kTCBOrgNeOrg&) = default;
};

// Securities not traded on the organised market (income 1531).
struct kTCBNeOrg {
  Money ДохСовОпер;
  Money РасхРеалЦБ;
  Money УбытРЕПОУмДох;
  Money УбытЗаймУмДох;
  Money ПроцРасх;
  Money УбытВыхИТ;  // the loss on withdrawal from a partnership
  Money РасхУмДохРеалЦБ;
  Money ДоходОбл;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовОпер", self.ДохСовОпер);
    v("РасхРеалЦБ", self.РасхРеалЦБ);
    v("УбытРЕПОУмДох", self.УбытРЕПОУмДох);
    v("УбытЗаймУмДох", self.УбытЗаймУмДох);
    v("ПроцРасх", self.ПроцРасх);
    v("УбытВыхИТ", self.УбытВыхИТ);
    v("РасхУмДохРеалЦБ", self.РасхУмДохРеалЦБ);
    v("ДоходОбл", self.ДоходОбл);
  }
  friend bool operator==(const kTCBNeOrg&, const kTCBNeOrg&) = default;
};

// Traded derivatives on securities (income 1532).
struct kTFissOrgCB {
  Money ДохСовОпер;
  Money РасхРеалФИСС;
  Money НалБазаОпер;
  Money УбытРезОпер;
  Money УбытПрПерУмНБ;
  Money УбытУмНБ_1_13;
  Money УбытУмНБ_5_8;
  Money ДоходОбл;
  Money УбытУмНБ_5_6;
  Money УбытУмНБ_1_9;
  Money УбытУмНББуд;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовОпер", self.ДохСовОпер);
    v("РасхРеалФИСС", self.РасхРеалФИСС);
    v("НалБазаОпер", self.НалБазаОпер);
    v("УбытРезОпер", self.УбытРезОпер);
    v("УбытПрПерУмНБ", self.УбытПрПерУмНБ);
    v("УбытУмНБ_1.13", self.УбытУмНБ_1_13);
    v("УбытУмНБ_5.8", self.УбытУмНБ_5_8);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытУмНБ_5.6", self.УбытУмНБ_5_6);
    v("УбытУмНБ_1.9", self.УбытУмНБ_1_9);
    v("УбытУмНББуд", self.УбытУмНББуд);
  }
  friend bool operator==(const kTFissOrgCB&, const kTFissOrgCB&) = default;
};

// Traded derivatives on other assets (income 1535).
struct kTFissOrgNeCB {
  Money ДохСовОпер;
  Money РасхРеалФИСС;
  Money НалБазаОпер;
  Money УбытРезОпер;
  Money УбытПрПерУмНБ;
  Money УбытУмНБ_4_9;
  Money ДоходОбл;
  Money УбытУмНБ_4_7;
  Money УбытУмНББуд;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовОпер", self.ДохСовОпер);
    v("РасхРеалФИСС", self.РасхРеалФИСС);
    v("НалБазаОпер", self.НалБазаОпер);
    v("УбытРезОпер", self.УбытРезОпер);
    v("УбытПрПерУмНБ", self.УбытПрПерУмНБ);
    v("УбытУмНБ_4.9", self.УбытУмНБ_4_9);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытУмНБ_4.7", self.УбытУмНБ_4_7);
    v("УбытУмНББуд", self.УбытУмНББуд);
  }
  friend bool operator==(const kTFissOrgNeCB&, const kTFissOrgNeCB&) = default;
};

// Derivatives not traded on the organised market (income 1533).
struct kTFissNeOrg {
  Money ДохСовОпер;
  Money РасхРеалФИСС;
  Money ДоходОбл;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохСовОпер", self.ДохСовОпер);
    v("РасхРеалФИСС", self.РасхРеалФИСС);
    v("ДоходОбл", self.ДоходОбл);
  }
  friend bool operator==(const kTFissNeOrg&, const kTFissNeOrg&) = default;
};

// Repo operations (income 1537 and 9537).
struct kTRepo {
  Money ДохЗаймРЕПО;
  Money РасхЗаймРЕПО;
  Money ДоходОбл;
  Money УбытРезОпер;
  Money УбытРЕПООбр;    // loss on repo with traded securities
  Money УбытРЕПОНеОбр;  // loss on repo with securities not traded

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохЗаймРЕПО", self.ДохЗаймРЕПО);
    v("РасхЗаймРЕПО", self.РасхЗаймРЕПО);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытРезОпер", self.УбытРезОпер);
    v("УбытРЕПООбр", self.УбытРЕПООбр);
    v("УбытРЕПОНеОбр", self.УбытРЕПОНеОбр);
  }
  friend bool operator==(const kTRepo&, const kTRepo&) = default;
};

// Securities loans (income 1538 and 9538).
struct kTSecuritiesLoan {
  Money ДохДогЗайм;
  Money РасхДогЗайм;
  Money ДоходОбл;
  Money УбытРезОпер;
  Money УбытЗаймЦБОбр;
  Money УбытЗаймЦБНеОбр;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохДогЗайм", self.ДохДогЗайм);
    v("РасхДогЗайм", self.РасхДогЗайм);
    v("ДоходОбл", self.ДоходОбл);
    v("УбытРезОпер", self.УбытРезОпер);
    v("УбытЗаймЦБОбр", self.УбытЗаймЦБОбр);
    v("УбытЗаймЦБНеОбр", self.УбытЗаймЦБНеОбр);
  }
  friend bool operator==(const kTSecuritiesLoan&, const kTSecuritiesLoan&) = default;
};

// A pair of amounts for securities and for derivatives.
struct kTCBFiss {
  Money СуммаЦБ;
  Money СуммаФИСС;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("СуммаЦБ", self.СуммаЦБ);
    v("СуммаФИСС", self.СуммаФИСС);
  }
  friend bool operator==(const kTCBFiss&, const kTCBFiss&) = default;
};

// Income and expenses of one repo or loan income code (not exported).
struct kTCodeSums {
  Money Income;
  Money Expenses;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("Income", self.Income);
    v("Expenses", self.Expenses);
  }
  friend bool operator==(const kTCodeSums&, const kTCodeSums&) = default;
};

// Operations with securities and derivatives.
struct kTSvodSumPrilJ {
  kTCBOrg ДохОперЦБОрг;
  kTCBOrgNeOrg ДохОперЦБОргНеОрг;
  kTCBNeOrg ДохОперЦБНеОрг;
  kTFissOrgCB ДохФИССОргЦБ;
  kTFissOrgNeCB ДохФИССОргНеЦБ;
  kTFissNeOrg ДохФИССНеОрг;
  kTRepo ДохРЕПО;
  kTSecuritiesLoan ДохЗаймЦБ;
  kTCodeSums Code1537;    // repo with traded securities
  kTCodeSums Code9537;    // repo with securities not traded
  kTCodeSums Code1538;    // loans of traded securities
  kTCodeSums Code9538;    // loans of securities not traded
  kTCBFiss ОстУбытНачВс;  // losses of 2004..2013 carried into the year
  kTCBFiss НалБазаПер;    // tax base of the year
  kTCBFiss СумУмНБПер;    // carried losses that reduced the base
  kTCBFiss ОстУбытКонВс;  // carried losses left at the end of the year
  Money УбытОперЦБОбр;    // securities losses left for later years
  Money УбытОперФИССОбр;  // derivatives losses left for later years
  kTOperationTotals ИтогСовОпер;

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("ДохОперЦБОрг", self.ДохОперЦБОрг);
    v("ДохОперЦБОргНеОрг", self.ДохОперЦБОргНеОрг);
    v("ДохОперЦБНеОрг", self.ДохОперЦБНеОрг);
    v("ДохФИССОргЦБ", self.ДохФИССОргЦБ);
    v("ДохФИССОргНеЦБ", self.ДохФИССОргНеЦБ);
    v("ДохФИССНеОрг", self.ДохФИССНеОрг);
    v("ДохРЕПО", self.ДохРЕПО);
    v("ДохЗаймЦБ", self.ДохЗаймЦБ);
    v("Code1537", self.Code1537);
    v("Code9537", self.Code9537);
    v("Code1538", self.Code1538);
    v("Code9538", self.Code9538);
    v("ОстУбытНачВс", self.ОстУбытНачВс);
    v("НалБазаПер", self.НалБазаПер);
    v("СумУмНБПер", self.СумУмНБПер);
    v("ОстУбытКонВс", self.ОстУбытКонВс);
    v("УбытОперЦБОбр", self.УбытОперЦБОбр);
    v("УбытОперФИССОбр", self.УбытОперФИССОбр);
    v("ИтогСовОпер", self.ИтогСовОпер);
  }
  friend bool operator==(const kTSvodSumPrilJ&, const kTSvodSumPrilJ&) = default;
};

kTSvodSumPrilI ComputePrilI(const mTDeclaration& d);
// Reads the partnership withdrawal loss of `partnerships` (computed first).
kTSvodSumPrilJ ComputePrilJ(const mTDeclaration& d, const kTSvodSumPrilI& partnerships);

}  // namespace kvor
