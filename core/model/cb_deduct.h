#pragma once

namespace kvor {

class mTDocumentStorage;

// Securities losses of earlier years.
struct mTCBDeduct {
  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTCBDeduct&, const mTCBDeduct&) = default;
};

}  // namespace kvor
