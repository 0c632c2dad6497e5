#pragma once

// The body of a 3-NDFL exchange file: the children of НДФЛ3, in file order.

#include <string>

#include "core/computation/svod_sum.h"
#include "core/export/exchange_element.h"
#include "core/export/exchange_values.h"
#include "core/export/xml_names.h"
#include "core/model/declaration.h"

namespace kvor {

// The attributes of an address in Russia, from a record that keeps one (the taxpayer's home, a
// housing object); `region` is the region's code as the record keeps it.
template <class Address>
void WriteRussianAddress(ExchangeElement address, const Address& a, const std::string& region) {
  namespace n = xml_names;
  address.TextIfNotBlank(n::Индекс, a.PostIndex)
      .Text(n::КодРегион, PadLeft(region, 2))
      .TextIfNotBlank(n::Район, a.District)
      .TextIfNotBlank(n::Город, a.City)
      .TextIfNotBlank(n::НаселПункт, a.Locality)
      .TextIfNotBlank(n::Улица, a.Street)
      .TextIfNotBlank(n::Дом, a.House)
      .TextIfNotBlank(n::Корпус, a.Building)
      .TextIfNotBlank(n::Кварт, a.Flat);
}

// Sections 1 and 2, income from sources in the country and abroad, business income and partly
// exempt income.
void WriteIncomeSheets(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum);
// Property, standard, social, pension-contribution and professional deductions.
void WriteDeductions(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum);
// Operations with securities and derivatives, and investment partnerships.
void WriteSecurities(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum);

}  // namespace kvor
