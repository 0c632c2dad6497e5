#pragma once

namespace kvor {

class mTDocumentStorage;

// The property deduction.
struct mTConstructionDeduct {
  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTConstructionDeduct&, const mTConstructionDeduct&) = default;
};

}  // namespace kvor
