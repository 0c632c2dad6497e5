// Save and load of the records whose fields are not in the program yet: they store nothing.
#include "core/model/business_new.h"
#include "core/model/cb_deduct.h"
#include "core/model/construction_deduct.h"
#include "core/model/currency_income.h"
#include "core/model/invest_tov.h"
#include "core/model/person_information.h"
#include "core/model/social_deduct.h"
#include "core/model/standart_deduct.h"
#include "core/model/thirteen_percent.h"
#include "core/model/thirty_five_percent.h"
#include "core/model/thirty_percent.h"

namespace kvor {

void mTThirteenPercent::Save(mTDocumentStorage&, int, bool) const {}
void mTThirteenPercent::Load(mTDocumentStorage&, int, bool) {}
void mTThirtyFivePercent::Save(mTDocumentStorage&, int) const {}
void mTThirtyFivePercent::Load(mTDocumentStorage&, int) {}
void mTThirtyPercent::Save(mTDocumentStorage&, int) const {}
void mTThirtyPercent::Load(mTDocumentStorage&, int) {}
void mTCurrencyIncome::Save(mTDocumentStorage&, int) const {}
void mTCurrencyIncome::Load(mTDocumentStorage&, int) {}
void mTBusinessNew::Save(mTDocumentStorage&, int) const {}
void mTBusinessNew::Load(mTDocumentStorage&, int) {}
void mTInvestTov::Save(mTDocumentStorage&, int) const {}
void mTInvestTov::Load(mTDocumentStorage&, int) {}
void mTPersonInformation::Save(mTDocumentStorage&) const {}
void mTPersonInformation::Load(mTDocumentStorage&) {}
void mTStandartDeduct::Save(mTDocumentStorage&) const {}
void mTStandartDeduct::Load(mTDocumentStorage&) {}
void mTSocialDeduct::Save(mTDocumentStorage&) const {}
void mTSocialDeduct::Load(mTDocumentStorage&) {}
void mTConstructionDeduct::Save(mTDocumentStorage&) const {}
void mTConstructionDeduct::Load(mTDocumentStorage&) {}
void mTCBDeduct::Save(mTDocumentStorage&) const {}
void mTCBDeduct::Load(mTDocumentStorage&) {}

}  // namespace kvor
