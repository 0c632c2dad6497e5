#include "core/common/money_text.h"

namespace kvor {

std::string WithKopecksText(Money amount) {
  if (amount < Money()) return "0.00";
  int64_t kopecks = amount.Raw() / 100;
  std::string text =
      std::to_string(kopecks / 100) + "." + std::to_string(100 + kopecks % 100).substr(1);
  if (text.size() > 15) return "999999999999.99";
  return text;
}

}  // namespace kvor
