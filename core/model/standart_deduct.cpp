#include "core/model/standart_deduct.h"

#include <type_traits>

namespace kvor {

namespace {

// The constant mark, count and monthly counts of one row, const when the record is.
template <class Self>
auto RowOf(Self& self, ChildRow row) {
  using Int = std::conditional_t<std::is_const_v<Self>, const int32_t, int32_t>;
  using Byte = std::conditional_t<std::is_const_v<Self>, const uint8_t, uint8_t>;
  using Months = std::conditional_t<std::is_const_v<Self>, const std::array<int32_t, 12>,
                                    std::array<int32_t, 12>>;
  struct Ref {
    Byte& Const;
    Int& Count;
    Months& MonthCounts;
  };
  switch (row) {
    case ChildRow::kInvalid:
      return Ref{self.InvalidConst, self.InvalidCount, self.InvalidMonths};
    case ChildRow::kThird:
      return Ref{self.ThirdConst, self.ThirdCount, self.ThirdMonths};
    case ChildRow::kChildren:
    default:
      return Ref{self.ChildConst, self.ChildCount, self.ChildMonths};
  }
}

}  // namespace

void mTStandartDeduct::SetCount(ChildRow row, int32_t count) {
  auto r = RowOf(*this, row);
  r.Count = count;
  r.Const = 1;
}

void mTStandartDeduct::SetMonthCount(ChildRow row, int month, int32_t count) {
  auto r = RowOf(*this, row);
  r.MonthCounts.at(month - 1) = count;
  r.Const = 0;
}

int32_t mTStandartDeduct::Count(ChildRow row) const {
  return RowOf(*this, row).Count;
}

int32_t mTStandartDeduct::MonthCount(ChildRow row, int month) const {
  return RowOf(*this, row).MonthCounts.at(month - 1);
}

bool mTStandartDeduct::IsConstant(ChildRow row) const {
  return RowOf(*this, row).Const != 0;
}

}  // namespace kvor
