#pragma once

namespace kvor {

class mTDocumentStorage;

// The social deductions and pension contracts.
struct mTSocialDeduct {
  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTSocialDeduct&, const mTSocialDeduct&) = default;
};

}  // namespace kvor
