#pragma once

#include <string>

#include "core/common/money.h"

namespace kvor {

// Money written "with kopecks" as the exchange file wants it: the integer part, a full stop and
// exactly two digits of kopecks, cut (not rounded): 12.3456 is "12.34". A negative amount is
// written "0.00"; a text longer than 15 characters becomes "999999999999.99".
std::string WithKopecksText(Money amount);

}  // namespace kvor
