#pragma once

#include <string>
#include <string_view>

#include "core/model/declaration.h"

namespace kvor {

// The whole return as UTF-8 JSON text (two-space indentation, a final newline).
std::string DeclarationToJsonText(const mTDeclaration& declaration);

// A return built from such JSON: missing keys keep the initial values of a new return.
// Raises JsonFieldError with a message naming the key for an unknown key, a value of the wrong
// type, or text that is not JSON.
mTDeclaration DeclarationFromJsonText(std::string_view text);

}  // namespace kvor
