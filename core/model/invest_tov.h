#pragma once

namespace kvor {

class mTDocumentStorage;

// A payer of income from an investment partnership.
struct mTInvestTov {
  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTInvestTov&, const mTInvestTov&) = default;
};

}  // namespace kvor
