#pragma once

namespace kvor {

class mTDocumentStorage;

// A payer of income taxed at 35 %.
struct mTThirtyFivePercent {
  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTThirtyFivePercent&, const mTThirtyFivePercent&) = default;
};

}  // namespace kvor
