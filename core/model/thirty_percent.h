#pragma once

namespace kvor {

class mTDocumentStorage;

// A payer of dividends.
struct mTThirtyPercent {
  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTThirtyPercent&, const mTThirtyPercent&) = default;
};

}  // namespace kvor
