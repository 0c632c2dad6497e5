#pragma once

// The body of a 3-NDFL exchange file: the children of НДФЛ3, in file order.

#include "core/computation/svod_sum.h"
#include "core/export/exchange_element.h"
#include "core/model/declaration.h"

namespace kvor {

// Sections 1 and 2, income from sources in the country and abroad, business income and partly
// exempt income.
void WriteIncomeSheets(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum);
// Property, standard, social, pension-contribution and professional deductions.
void WriteDeductions(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum);
// Operations with securities and derivatives, and investment partnerships.
void WriteSecurities(ExchangeElement body, const mTDeclaration& d, const kTSvodSum& sum);

}  // namespace kvor
