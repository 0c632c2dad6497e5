#include "core/model/social_deduct.h"

#include "core/storage/errors.h"

namespace kvor {

namespace {

// The child-education sums were a linked list walked from its head: a missing first entry and
// a missing later entry carry different numbers.
void RequireEntry(const std::vector<Money>& sums, int index, uint16_t firstCode) {
  if (index < 0 || static_cast<size_t>(index) >= sums.size())
    throw mEMemoryAllocate(messages::kNoMemory, index <= 0 ? firstCode : firstCode + 1);
}

}  // namespace

Money mTSocialDeduct::ChildEduSum(int index) const {
  RequireEntry(ChildEduSums, index, 310);
  return ChildEduSums[index];
}

int mTSocialDeduct::AppendChildEduSum(Money sum) {
  ChildEduSums.push_back(sum);
  return static_cast<int>(ChildEduSums.size()) - 1;
}

void mTSocialDeduct::SetChildEduSum(int index, Money sum) {
  RequireEntry(ChildEduSums, index, 320);
  ChildEduSums[index] = sum;
}

void mTSocialDeduct::DeleteChildEduSum(int index) {
  RequireEntry(ChildEduSums, index, 330);
  ChildEduSums.erase(ChildEduSums.begin() + index);
}

int mTSocialDeduct::AddPens() {
  PensContracts.emplace_back();
  return static_cast<int>(PensContracts.size()) - 1;
}

void mTSocialDeduct::DeletePens(int index) {
  (void)PensContracts.at(index);
  PensContracts.erase(PensContracts.begin() + index);
}

}  // namespace kvor
