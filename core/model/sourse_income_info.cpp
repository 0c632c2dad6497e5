#include "core/model/sourse_income_info.h"

#include "core/storage/document_storage.h"

namespace kvor {

void mTSourseIncomeInfo::SavePayer(mTDocumentStorage& storage) const {
  storage.WriteString(SourseINN);
  storage.WriteString(SourseKPP);
  storage.WriteString(SourseOKTMO);
  storage.WriteString(SourseIncomeName);
}

void mTSourseIncomeInfo::LoadPayer(mTDocumentStorage& storage) {
  SourseINN = storage.ReadString();
  SourseKPP = storage.ReadString();
  SourseOKTMO = storage.ReadString();
  SourseIncomeName = storage.ReadString();
}

}  // namespace kvor
