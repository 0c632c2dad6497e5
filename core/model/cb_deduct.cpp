#include "core/model/cb_deduct.h"

namespace kvor {

Money mTCBDeduct::CBTotal() const {
  Money total;
  for (Money loss : CBLoss) total += loss;
  return total;
}

Money mTCBDeduct::FissTotal() const {
  Money total;
  for (Money loss : FissLoss) total += loss;
  return total;
}

}  // namespace kvor
