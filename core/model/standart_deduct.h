#pragma once

namespace kvor {

class mTDocumentStorage;

// The standard deductions.
struct mTStandartDeduct {
  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTStandartDeduct&, const mTStandartDeduct&) = default;
};

}  // namespace kvor
