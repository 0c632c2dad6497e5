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
  return declaration;
}

}  // namespace kvor
