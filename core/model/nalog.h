#pragma once

#include <string>

#include "core/common/money.h"

namespace kvor {

class mTDocumentStorage;

// One payment of tax made on a tax notification. Nothing in the program fills or reads these;
// they are carried through load and save so that a file's payments survive.
struct mTNalog {
  std::string NalogText1;
  std::string NalogText2;
  Money NalogSum;

  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self& self, Visitor&& v) {
    v("NalogText1", self.NalogText1);
    v("NalogText2", self.NalogText2);
    v("NalogSum", self.NalogSum);
  }
  friend bool operator==(const mTNalog&, const mTNalog&) = default;
};

}  // namespace kvor
