#pragma once

namespace kvor {

class mTDocumentStorage;

// The taxpayer of the return.
struct mTPersonInformation {
  void Save(mTDocumentStorage& storage) const;
  void Load(mTDocumentStorage& storage);

  template <class Self, class Visitor>
  static void VisitFields(Self&, Visitor&&) {}
  friend bool operator==(const mTPersonInformation&, const mTPersonInformation&) = default;
};

}  // namespace kvor
