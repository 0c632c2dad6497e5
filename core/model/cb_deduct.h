#pragma once

#include <array>

#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// Losses of earlier years carried forward: on securities and on futures instruments, one sum
// per year 2004..2013 (index 0 is 2004).
struct mTCBDeduct {
  static constexpr int kFirstYear = 2004;
  static constexpr int kYears = 10;

  std::array<Money, kYears> CBLoss{};
  std::array<Money, kYears> FissLoss{};

  // The sums of all ten years.
  Money CBTotal() const;
  Money FissTotal() const;

  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("CBLoss", self.CBLoss);
    v("FissLoss", self.FissLoss);
  }
  friend bool operator==(const mTCBDeduct&, const mTCBDeduct&) = default;
};

}  // namespace kvor
