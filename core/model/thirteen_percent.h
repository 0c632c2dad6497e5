#pragma once

namespace kvor {

class mTDocumentStorage;

// A payer of income taxed at 13 % with its monthly incomes.
struct mTThirteenPercent {
  void Save(mTDocumentStorage& storage, int index, bool nonResident) const;
  void Load(mTDocumentStorage& storage, int index, bool nonResident);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTThirteenPercent&, const mTThirteenPercent&) = default;
};

}  // namespace kvor
