#pragma once

namespace kvor {

class mTDocumentStorage;

// One business or private-practice activity.
struct mTBusinessNew {
  void Save(mTDocumentStorage& storage, int index) const;
  void Load(mTDocumentStorage& storage, int index);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTBusinessNew&, const mTBusinessNew&) = default;
};

}  // namespace kvor
