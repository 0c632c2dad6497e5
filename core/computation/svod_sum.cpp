#include "core/computation/svod_sum.h"

#include <span>
#include <unordered_map>

#include "core/common/json_fields.h"
#include "core/computation/tax_rules.h"

namespace kvor {

namespace {

// The income kinds whose presence makes the deduction and remaining sheets run.
constexpr uint8_t kIncomeKindsWithSheets =
    kIncomeInCountry | kIncomeForeign | kIncomeBusiness | kIncomeInvestTov;

// Taxpayer categories (TaxpayerKind) that pay tax under the business code.
bool PaysAsBusiness(uint8_t taxpayerKind) {
  switch (taxpayerKind) {
    case 0:  // individual entrepreneur
    case 1:  // head of a farm household
    case 2:  // private notary
    case 3:  // lawyer
    case 6:  // arbitration manager
      return true;
    default:
      return false;
  }
}

// Fills the tax, the amount to pay and the amount to refund of a block from its base and credits.
void FinishBlock(kTSvodSumTaxBase& block, int64_t percent) {
  block.TaxComputed = TaxAtRate(block.TaxBase, percent);
  Money paid = block.TaxWithheld + block.TaxWithheldExempt + block.AdvancesPaid +
               block.FixedAdvancesCredited;
  block.TaxRefundable = NotNegative(paid - block.TaxComputed);  // the foreign credit never refunds
  block.TaxPayable = NotNegative(block.TaxComputed - (paid + block.ForeignTaxCredited));
}

void ComputeTaxBases(kTSvodSum& s, const mTDeclaration& d) {
  const kTSvodSumPrilB& foreign13 = s.PrilB[kForeign13];
  const kTSvodSumPrilB& foreign9 = s.PrilB[kForeign9];
  const kTSvodSumPrilB& foreign35 = s.PrilB[kForeign35];
  Money expenseReductions = s.PrilJ.ИтогСовОпер.ОбщРасхПрмВыч + s.PrilI.ИтогСовОпер.ОбщРасхПрмВыч;
  bool resident = IsResident(d);
  bool nonResident = IsNonResident(d);

  kTSvodSumTaxBase& b13 = s.List1;
  b13.Rate = "13";
  if (resident) {
    b13.IncomeTotal = s.PrilA13.Income + s.PrilV1.BusinessIncome + foreign13.IncomeRub;
    b13.IncomeExempt = s.PrilM.ExemptTotal;
    b13.IncomeTaxable = b13.IncomeTotal - b13.IncomeExempt;
    b13.Deductions = s.PrilE1.StandardTotal + s.PrilE2.SocialTotal +
                     s.PrilE3.ContributionsByAgents + s.PrilH1.PropertySaleTotal +
                     s.PrilZ.ВычНАУвед + s.PrilZ.ПроцНАУвед + s.PrilZ.РасхНовВычНД +
                     s.PrilZ.ПроцВычНД + s.PrilV1.BusinessProfDeduction + s.PrilG.ProfTotal +
                     s.PrilG_In.ProfTotal;
    b13.ExpenseReductions = expenseReductions;
    b13.AdvancesPaid = s.PrilV1.AdvancesPaid;
    b13.ForeignTaxCredited = foreign13.TaxCredited;
  } else if (nonResident) {
    b13.IncomeTotal = s.PrilA13.Income;
    b13.IncomeTaxable = b13.IncomeTotal;
    b13.Deductions = s.PrilH1.PropertySaleTotal + s.PrilG.ProfTotal + s.PrilG_In.ProfTotal;
  }
  if (resident || nonResident) {
    b13.TaxBase = NotNegative(b13.IncomeTaxable - b13.Deductions - b13.ExpenseReductions);
    b13.TaxWithheld = s.PrilA13.TaxWithheld;
    b13.FixedAdvancesCredited = s.PrilA13.FixedAdvances;
    FinishBlock(b13, kRate13);
  }

  kTSvodSumTaxBase& b30 = s.List2;
  b30.Rate = "30";
  if (nonResident) {
    b30.IncomeTotal = s.PrilA30.Income;
    b30.IncomeExempt = s.PrilM.ExemptTotal + s.PrilM.AdvertisingExempt;
    b30.IncomeTaxable = b30.IncomeTotal - b30.IncomeExempt;
    b30.ExpenseReductions = expenseReductions;
    b30.TaxBase = NotNegative(b30.IncomeTaxable - b30.ExpenseReductions);
    b30.TaxWithheld = s.PrilA30.TaxWithheld;
    FinishBlock(b30, kRate30);
  }

  if (resident) {
    kTSvodSumTaxBase& b35 = s.List3;
    b35.Rate = "35";
    b35.IncomeTotal = s.PrilA35.Income + foreign35.IncomeRub;
    b35.IncomeExempt = s.PrilM.AdvertisingExempt;
    b35.IncomeTaxable = NotNegative(b35.IncomeTotal - b35.IncomeExempt);
    b35.TaxBase = b35.IncomeTaxable;
    b35.TaxWithheld = s.PrilA35.TaxWithheld;
    b35.TaxWithheldExempt = s.PrilA35.TaxWithheldExempt;
    b35.ForeignTaxCredited = foreign35.TaxCredited;
    FinishBlock(b35, kRate35);

    kTSvodSumTaxBase& b9 = s.List4;
    b9.Rate = "09";
    b9.IncomeTotal = s.PrilA6.Income + foreign9.IncomeRub;
    b9.IncomeTaxable = s.PrilA6.TaxableIncome + foreign9.IncomeRub;
    b9.TaxBase = b9.IncomeTaxable;
    b9.TaxWithheld = s.PrilA6.TaxWithheld;
    b9.ForeignTaxCredited = foreign9.TaxCredited;
    FinishBlock(b9, kRate9);
  }

  if (nonResident) {
    kTSvodSumTaxBase& b15 = s.List5;
    b15.Rate = "15";
    b15.IncomeTotal = s.PrilA15.Income;
    b15.IncomeTaxable = b15.IncomeTotal;
    b15.TaxBase = b15.IncomeTaxable;
    b15.TaxWithheld = s.PrilA15.TaxWithheld;
    FinishBlock(b15, kRate15);
  }
}

// Section 1 as it is built: lines in creation order, found by code and municipality in constant
// time so that many sources stay cheap.
class Section1 {
 public:
  explicit Section1(std::vector<bmTList1>& lines) : lines_(lines) {}

  void Append(const char* kbk, const std::string& oktmo, const char* payOrRefund, Money amount) {
    index_.emplace(Key(kbk, oktmo), lines_.size());
    lines_.push_back({kbk, oktmo, payOrRefund, amount});
  }

  // Adds to the line of the code and municipality, or appends a refund line.
  void AddTo(const char* kbk, const std::string& oktmo, Money amount) {
    if (auto found = index_.find(Key(kbk, oktmo)); found != index_.end()) {
      lines_[found->second].Amount += amount;
      return;
    }
    Append(kbk, oktmo, kToRefund, amount);
  }

  // Adds to the taxpayer's payment line, or appends it.
  void MergePayment(const std::string& oktmo, Money amount) {
    if (auto found = index_.find(Key(kKbkOther, oktmo)); found != index_.end()) {
      lines_[found->second].Amount += amount;
      return;
    }
    Append(kKbkOther, oktmo, kToPay, amount);
  }

  // Spreads a refund over the sources in list order, each up to the tax it withheld, onto the
  // refund lines of the sources' municipalities. Returns what is left.
  template <class Source>
  Money Distribute(Money refund, std::span<const Source> sources) {
    for (const Source& source : sources) {
      if (refund <= Money()) break;
      Money withheld = source.HoldSum;
      if (withheld <= Money()) continue;
      Money part = Min(refund, withheld);
      AddTo(kKbkAgentRefund, source.SourseOKTMO, part);
      refund -= part;
    }
    return refund;
  }

  bool Empty() const { return lines_.empty(); }

 private:
  static std::string Key(const char* kbk, const std::string& oktmo) {
    return std::string(kbk) + '\n' + oktmo;
  }

  std::vector<bmTList1>& lines_;
  std::unordered_map<std::string, size_t> index_;
};

Money Net(const kTSvodSumTaxBase& block) {
  return block.TaxPayable - block.TaxRefundable;
}

bool ComputeSection1(kTSvodSum& s, const mTDeclaration& d) {
  const std::string& oktmo = d.PersonInformation.OKTMO;
  Section1 section(s.List6.Lines);
  if (IsResident(d)) {
    Money net = Net(s.List1);
    if (net > Money()) {
      if (d.HasIncome(kIncomeBusiness)) {
        Money business =
            TaxAtRate(s.PrilV1.BusinessIncome - s.PrilV1.BusinessProfDeduction, kRate13) -
            s.PrilV1.AdvancesPaid;
        if (business > Money()) {
          Money part = Min(net, business);
          section.Append(kKbkBusiness, oktmo, kToPay, part);
          net -= part;
        }
      }
      if (net > Money()) section.Append(kKbkOther, oktmo, kToPay, net);
    } else if (net < Money()) {
      Money refund = -net;
      if (d.HasIncome(kIncomeBusiness) && !BusinessIncomesOf(d).empty() &&
          s.PrilV1.AdvancesPaid > Money()) {
        Money part = Min(refund, s.PrilV1.AdvancesPaid);
        section.Append(kKbkBusiness, oktmo, kToRefund, part);
        refund -= part;
      }
      refund = section.Distribute(refund, Incomes13Of(d));
      refund = section.Distribute(refund, InvestTovsOf(d));
      if (refund > Money()) section.AddTo(kKbkAgentRefund, oktmo, refund);
    }

    net = Net(s.List4);  // 9 %; a refund beyond the tax withheld goes to no line
    if (net > Money()) section.MergePayment(oktmo, net);
    if (net < Money()) section.Distribute(-net, DividendsOf(d));

    net = Net(s.List3);  // 35 %, every source including code 2620
    if (net > Money()) section.MergePayment(oktmo, net);
    if (net < Money()) section.Distribute(-net, Incomes35Of(d));
  } else if (IsNonResident(d)) {
    Money net = Net(s.List1);
    if (net > Money()) section.Append(kKbkOther, oktmo, kToPay, net);
    if (net < Money()) {
      Money refund = section.Distribute(-net, Incomes13NROf(d));
      refund = section.Distribute(refund, InvestTovsOf(d));
      if (refund > Money()) section.AddTo(kKbkAgentRefund, oktmo, refund);
    }

    net = Net(s.List5);  // 15 %
    if (net > Money()) section.MergePayment(oktmo, net);
    if (net < Money()) section.Distribute(-net, DividendsOf(d));

    net = Net(s.List2);  // 30 %: the 13 %-type list of a non-resident
    if (net > Money()) section.MergePayment(oktmo, net);
    if (net < Money()) section.Distribute(-net, Incomes13Of(d));
  }

  if (section.Empty()) {
    section.Append(PaysAsBusiness(d.TaxpayerKind) ? kKbkBusiness : kKbkOther, oktmo, kNothingDue,
                   Money());
    return false;
  }
  for (const kTSvodSumTaxBase* block : {static_cast<const kTSvodSumTaxBase*>(&s.List1),
                                        static_cast<const kTSvodSumTaxBase*>(&s.List2),
                                        static_cast<const kTSvodSumTaxBase*>(&s.List3),
                                        static_cast<const kTSvodSumTaxBase*>(&s.List4),
                                        static_cast<const kTSvodSumTaxBase*>(&s.List5)})
    if (block->TaxRefundable < block->TaxPayable) return false;
  return true;
}

std::string ErrorText(const std::string& reason) {
  return std::string(kComputationErrorMessage) + " (" + reason + ")";
}

}  // namespace

ComputationError::ComputationError(const std::string& reason)
    : std::runtime_error(ErrorText(reason)), reason_(reason) {}

bool kTSvodSum::Run(mTDeclaration& d) {
  Reset();
  if (d.DeclarationType == kDeclaration4NDFL) return true;
  try {
    PrilA6 = ComputePrilA6(d);
    PrilA13 = ComputePrilA13(d);
    PrilA15 = ComputePrilA15(d);
    PrilA30 = ComputePrilA30(d);
    PrilA35 = ComputePrilA35(d);
    PrilV1 = ComputePrilV1(d);
    if (d.IncomeFlags & kIncomeKindsWithSheets) {
      PrilM = ComputePrilM(d);
      PrilG = ComputePrilG(d);
      PrilG_In = ComputePrilG_In(d);
      PrilH1 = ComputePrilH1(d);
      PrilI = ComputePrilI(d);
      PrilJ = ComputePrilJ(d, PrilI);
      for (int i = 0; i < 3; ++i) PrilB[i] = ComputePrilB(d, kForeignRates[i]);
      PrilE1 = ComputePrilE1(d);
      PrilE3 = ComputePrilE3(d);
      PrilE2 = ComputePrilE2(d, *this);
      PrilZ = ComputePrilZ(d, *this);
    }
    ComputeTaxBases(*this, d);
    return ComputeSection1(*this, d);
  } catch (const std::exception& error) {
    Reset();
    throw ComputationError(error.what());
  }
}

std::string SvodSumToJsonText(const kTSvodSum& sum, bool refundOnly) {
  Json json = ToJson(sum);
  json["RefundOnly"] = refundOnly;
  return json.dump(2, ' ', false) + "\n";
}

}  // namespace kvor
