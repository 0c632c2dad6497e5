#pragma once

// The title data of the exchange file: the taxpayer and the signer, for both forms.

#include <string>
#include <string_view>

#include "core/export/exchange_element.h"
#include "core/model/declaration.h"

namespace kvor {

// A representative's full name, entered as one text, split into its three parts: the surname is
// the text up to the first space (at most 60 characters), the first name likewise from what
// remains, the patronymic is the rest (at most 60 characters). Each part is trimmed and may be
// empty.
struct RepresentativeNameParts {
  std::string Surname;
  std::string Name;
  std::string Patronymic;
};
RepresentativeNameParts SplitRepresentativeName(std::string_view fullName);

// The taxpayer category code of the return for 3-NDFL ("720".."770") or 4-NDFL.
std::string TaxpayerCategoryCode(const mTDeclaration& d, bool form4);

// СвНП and Подписант under the document element.
void WriteTaxpayer3(ExchangeElement document, const mTDeclaration& d);
void WriteTaxpayer4(ExchangeElement document, const mTDeclaration& d);
void WriteSigner(ExchangeElement document, const mTDeclaration& d, bool form4);

}  // namespace kvor
