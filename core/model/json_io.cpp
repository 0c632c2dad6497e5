#include "core/model/json_io.h"

#include "core/common/json_fields.h"

namespace kvor {

std::string DeclarationToJsonText(const mTDeclaration& declaration) {
  return ToJson(declaration).dump(2, ' ', false) + "\n";
}

mTDeclaration DeclarationFromJsonText(std::string_view text) {
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& error) {
    throw JsonFieldError(std::string("Текст не является правильным JSON: ") + error.what());
  }
  mTDeclaration declaration;
  FromJson(json, declaration, "");
  // Payer totals are not part of the text: they are the sums of the payers' incomes.
  for (auto& payer : declaration.Incomes13) payer.RebuildItogIncomeSum();
  for (auto& payer : declaration.Incomes13NR) payer.RebuildItogIncomeSum();
  for (auto& partnership : declaration.InvestTovs) partnership.RebuildItogIncomeSum();
  return declaration;
}

}  // namespace kvor
