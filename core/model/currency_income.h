#pragma once

namespace kvor {

class mTDocumentStorage;

// One income received abroad in foreign currency.
struct mTCurrencyIncome {
  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTCurrencyIncome&, const mTCurrencyIncome&) = default;
};

}  // namespace kvor
