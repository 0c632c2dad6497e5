#include "core/model/construction_deduct.h"

namespace kvor {

mTConstructionDeductObj::mTConstructionDeductObj()
    : RegRightDate(*Date::FromYMD(2003, 1, 1)),
      BuyDate(*Date::FromYMD(2003, 1, 1)),
      BeginningUsePrivilegeDate(*Date::FromYMD(2003, 1, 1)) {}

int mTConstructionDeduct::AddObject(const mTConstructionDeductObj& object) {
  Objects.push_back(object);
  return static_cast<int>(Objects.size()) - 1;
}

void mTConstructionDeduct::DeleteObject(int index) {
  (void)Objects.at(index);
  Objects.erase(Objects.begin() + index);
}

}  // namespace kvor
