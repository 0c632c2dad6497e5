// The rules of the whole-return check, in the order the user meets them.
#include "core/validation/return_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/common/number_text.h"
#include "core/model/declaration.h"
#include "core/validation/identifiers.h"
#include "core/validation/taxpayer_rules.h"

namespace kvor {

namespace {

constexpr const char* kTitleConditions = "Задание условий";
constexpr const char* kTitlePerson = "Сведения о декларанте";
constexpr const char* kTitleIncome13 = "Доходы, облагаемые ставкой 13%";
constexpr const char* kTitleCurrency = "Доходы в валюте";
constexpr const char* kTitleBusiness = "Доходы от предпринимательской деятельности";
constexpr const char* kTitleSocial = "Социальные вычеты";
constexpr const char* kTitleStandard = "Стандартные вычеты";

// Foreign income codes whose deductions need no sum of their own.
bool DeductionWithoutSum(int32_t incomeCode) {
  static constexpr std::array<int32_t, 12> kCodes = {1530, 1531, 1532, 1533, 1535, 1536,
                                                     1537, 1538, 1539, 1541, 9537, 9538};
  return std::find(kCodes.begin(), kCodes.end(), incomeCode) != kCodes.end();
}

// An amount in a message: the shortest form with a decimal comma.
std::string AmountText(Money amount) {
  return amount.ToShortText(',');
}

// A sum of amounts that may exceed the range of one amount, kept exactly.
class WideSum {
 public:
  WideSum& operator+=(Money amount) {
    raw_ += amount.Raw();
    return *this;
  }
  bool Exceeds(Money amount) const { return raw_ > amount.Raw(); }
  std::string Text() const {
    if (raw_ >= INT64_MIN && raw_ <= INT64_MAX)
      return AmountText(Money::FromRaw(static_cast<int64_t>(raw_)));
    // Beyond one amount's range: the whole roubles and the ten-thousandths spelled out.
    bool negative = raw_ < 0;
    unsigned __int128 magnitude =
        negative ? static_cast<unsigned __int128>(-raw_) : static_cast<unsigned __int128>(raw_);
    unsigned __int128 whole = magnitude / Money::kScale;
    unsigned fraction = static_cast<unsigned>(magnitude % Money::kScale);
    std::string digits;
    do {
      digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(whole % 10)));
      whole /= 10;
    } while (whole != 0);
    if (fraction != 0) {
      std::string decimals = std::to_string(fraction + Money::kScale).substr(1);
      decimals.erase(decimals.find_last_not_of('0') + 1);
      digits += ',' + decimals;
    }
    return negative ? '-' + digits : digits;
  }

 private:
  __int128 raw_ = 0;
};

// One walk over the rules: hands each problem to the visitor and remembers when it asked to stop.
class RuleWalk {
 public:
  RuleWalk(const mTDeclaration& declaration, bool refundOnly, const ReturnFindingVisitor& visit)
      : d_(declaration),
        person_(declaration.PersonInformation),
        refundOnly_(refundOnly),
        visit_(visit) {}

  void Run() {
    Conditions() && Person() && Address() && Income13() && Currency() && Business() &&
        Deductions() && FinalAddress();
  }

 private:
  // Reports a problem; false when the walk is to end.
  bool Report(uint16_t section, uint16_t field, const char* title, std::string message) {
    return visit_(ReturnFinding{section, field, title, std::move(message)});
  }

  bool Conditions() {
    auto report = [&](uint16_t field, const char* message) {
      return Report(kSectionConditions, field, kTitleConditions, message);
    };
    if (d_.InspectionNumber.empty() && !report(1, "Не введен номер инспекции")) return false;
    if (d_.ConfirmKind != 0) {
      if (Trim(d_.RepresentativeName).empty() &&
          !report(3, "Не указаны ФИО подписанта-представителя"))
        return false;
      if (Trim(d_.RepresentativeDocument).empty() &&
          !report(4, "Не указан документ, подтверждающий полномочия представителя"))
        return false;
    }
    if (d_.ConfirmKind == 2 && Trim(d_.RepresentativeOrganization).empty() &&
        !report(5, "Не указано наименование Юр.лица-представителя"))
      return false;
    return true;
  }

  bool Person() {
    auto report = [&](uint16_t field, const char* message) {
      return Report(kSectionPersonName, field, kTitlePerson, message);
    };
    if (person_.SurName.empty() && !report(1, "Не введена фамилия")) return false;
    if (person_.Name.empty() && !report(2, "Не введено имя")) return false;

    uint16_t innCheck = CheckINN(person_.INN, kInnPerson);
    if (innCheck == kInnNotTwelve && !report(4, "Длинна ИНН должна быть равна 12 цифрам"))
      return false;
    if (innCheck == kInnWrongDigits && !report(4, "Номер ИНН введен неверно")) return false;

    // An INN of blanks only is no INN.
    bool noInn = innCheck == kInnEmpty;
    bool is4Ndfl = d_.DeclarationType == kDeclaration4NDFL;
    if (noInn && (d_.HasIncome(kIncomeBusiness) || d_.TaxpayerKind == 0 || is4Ndfl) &&
        !report(4, is4Ndfl ? "Не указан ИНН"
                           : "Лицам имеющим доходы от предпринимательской деятельности "
                             "необходимо ввести ИНН"))
      return false;
    if (noInn && Trim(person_.BirthPlace).empty() && !report(9, "Не указано место рождения"))
      return false;
    if (noInn && person_.DocTypeCode == 0 &&
        !report(5, "Не указан документ, удостоверяющий личность"))
      return false;

    if (person_.DocTypeCode != 0) {
      if (person_.DocSerial.empty() &&
          !report(6, "Не указаны серия и номер документа, удостоверяющего личность"))
        return false;
      if (person_.DocIssueDate < person_.BirthDate) {
        if (!report(7, "Дата выдачи документа не может быть меньше даты рождения")) return false;
      } else if (NeedsFourteenYears(person_.DocTypeCode) && IssuedBeforeFourteen() &&
                 !report(7,
                         "Дата выдачи документа должна быть больше даты рождения как минимум "
                         "на 14 лет")) {
        return false;
      }
      if (person_.DocIssuedBy.empty() &&
          !report(8, "Не указано, кем выдан документ, удостоверяющий личность"))
        return false;
    }

    if (is4Ndfl && !IsOktmoLength(person_.OKTMO) &&
        !report(10, "Не введен код ОКТМО(8 или 11 симв.)"))
      return false;
    return true;
  }

  // The document was issued before the fourteenth birthday. A birthday that no calendar date
  // can name (a birth date out of the calendar's range) cannot show the fourteen years either.
  bool IssuedBeforeFourteen() const {
    std::optional<Date> fourteenth = FourteenthBirthday(person_.BirthDate);
    if (!fourteenth) return true;
    return *fourteenth > person_.DocIssueDate;
  }

  bool Address() {
    if (d_.DeclarationType == kDeclaration4NDFL) return true;
    auto report = [&](uint16_t field, const char* message) {
      return Report(kSectionPersonAddress, field, kTitlePerson, message);
    };
    if (person_.RegionCode == 0 && !report(2, "Не указан регион постоянного местожительства"))
      return false;
    if (!person_.PostIndex.empty() && CharacterCount(person_.PostIndex) != 6 &&
        !report(6, "Почтовый индекс должен содержать ровно 6 цифр"))
      return false;
    if (person_.Locality.empty() && person_.Street.empty() &&
        !report(5, "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"))
      return false;
    return true;
  }

  bool Income13() {
    if (!d_.HasIncome(kIncomeInCountry)) return true;
    auto report = [&](size_t index, const char* message) {
      return Report(kSectionIncome13, RecordNumber(index), kTitleIncome13, message);
    };
    for (size_t i = 0; i < d_.Incomes13.size(); ++i) {
      const mTThirteenPercent& payer = d_.Incomes13[i];
      if (payer.ItogIncomeSum < payer.HoldSum &&
          !report(i, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы"))
        return false;
    }
    for (size_t i = 0; i < d_.Incomes13.size(); ++i) {
      if (d_.Incomes13[i].Incomes.empty() && !report(i, "По данному источнику не указаны доходы"))
        return false;
    }
    return true;
  }

  bool Currency() {
    if (!d_.HasIncome(kIncomeForeign)) return true;
    struct Rule {
      bool (*fails)(const mTCurrencyIncome&);
      const char* message;
    };
    static const Rule kRules[] = {
        {[](const mTCurrencyIncome& r) { return r.CurrencyCode.empty(); },
         "По данному источнику выплаты не указан код валюты"},
        {[](const mTCurrencyIncome& r) {
           return r.CurrencyUnits == 0 || r.CurrencyExchange.IsZero();
         },
         "По данному источнику выплаты не указан курс валюты"},
        {[](const mTCurrencyIncome& r) { return r.IncomeCode == 0; },
         "По данному источнику выплаты не указан код дохода"},
        {[](const mTCurrencyIncome& r) { return r.IncomeCurrencySum.IsZero(); },
         "По данному источнику выплаты не указана сумма дохода"},
        {[](const mTCurrencyIncome& r) {
           return r.SubtractCode != 0 && !DeductionWithoutSum(r.IncomeCode) &&
                  r.SubtractSum.IsZero();
         },
         "По данному источнику выплаты не указана сумма вычета"},
    };
    for (const Rule& rule : kRules) {
      for (size_t i = 0; i < d_.CurrencyIncomes.size(); ++i) {
        if (rule.fails(d_.CurrencyIncomes[i]) &&
            !Report(kSectionCurrency, RecordNumber(i), kTitleCurrency, rule.message))
          return false;
      }
    }
    return true;
  }

  bool Business() {
    if (!d_.HasIncome(kIncomeBusiness)) return true;
    std::optional<bool> documentedExpenses;  // of the first entrepreneur or farm activity
    for (size_t i = 0; i < d_.BusinessIncomes.size(); ++i) {
      const mTBusinessNew& activity = d_.BusinessIncomes[i];
      auto report = [&](std::string message) {
        return Report(kSectionBusiness, RecordNumber(i), kTitleBusiness, std::move(message));
      };
      bool documented = activity.IsConfirmedExpensies != 0;
      if (activity.ActivityKind == activity_kind::kEntrepreneur ||
          activity.ActivityKind == activity_kind::kFarmHead) {
        if (!documentedExpenses) {
          documentedExpenses = documented;
        } else if (*documentedExpenses != documented &&
                   !report("Нельзя одновременно пользоваться и подтвержденными расходами и "
                           "нормативом 20%.")) {
          return false;
        }
      }
      if (activity.ActivityKind == activity_kind::kEntrepreneur &&
          CharacterCount(Trim(activity.OKVED)) < 4 &&
          !report("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"))
        return false;
      if (!documented) continue;
      if (activity.LabourExpense < activity.LabourContractExpense &&
          !report("Расходы по оплате трудовых договоров(" +
                  AmountText(activity.LabourContractExpense) +
                  ") превышают сумму расходов на оплату труда (" +
                  AmountText(activity.LabourExpense) + ")"))
        return false;
      WideSum otherParts;
      for (Money part : activity.OtherExpenseParts) otherParts += part;
      if (otherParts.Exceeds(activity.OtherExpense) &&
          !report("Сумма прочих расходов (" + AmountText(activity.OtherExpense) +
                  ") меньше суммы ее составляющих (" + otherParts.Text() + ")"))
        return false;
      WideSum expenses;
      expenses += activity.MaterialExpense;
      expenses += activity.Amortization;
      expenses += activity.LabourExpense;
      expenses += activity.OtherExpense;
      if (expenses.Exceeds(activity.TotalExpense) &&
          !report("Общие расходы (" + AmountText(activity.TotalExpense) +
                  ") меньше суммы расходов материальных, на оплату труда, прочих и "
                  "амортизационных отчислений (" +
                  expenses.Text() + ")"))
        return false;
    }
    return true;
  }

  bool Deductions() {
    if (d_.IncomeFlags == 0) return true;
    const mTSocialDeduct& social = d_.SocialDeduct;
    if (social.Claimed && social.CharitySum.IsZero() && social.SelfEducationSum.IsZero() &&
        social.MedicalSum.IsZero() && social.ExpensiveMedicalSum.IsZero() &&
        social.Strahovka.IsZero() && social.Strahovka2.IsZero() && social.ChildEduSums.empty() &&
        social.PensContracts.empty() &&
        !Report(kSectionDeductions, 1, kTitleSocial,
                "Не введены данные по социальным налоговым вычетам"))
      return false;

    const mTStandartDeduct& standard = d_.StandartDeduct;
    if (standard.Claimed && !standard.BusinessMonths && !d_.HasIncome(kIncomeBusiness) &&
        d_.HasIncome(kIncomeInCountry) && TwoPayersInOneMonth() &&
        !Report(kSectionDeductions, 2, kTitleStandard,
                "Вы не могли получать стандартные вычеты работая в нескольких местах "
                "ОДНОВРЕМЕННО."))
      return false;
    return true;
  }

  // Two payers of income at 13 % both mark one of the twelve months.
  bool TwoPayersInOneMonth() const {
    for (int month = 0; month < 12; ++month) {
      int payers = 0;
      for (const mTThirteenPercent& payer : d_.Incomes13)
        if (payer.MonthMarked(month) && ++payers == 2) return true;
    }
    return false;
  }

  bool FinalAddress() {
    if (d_.DeclarationType == kDeclaration4NDFL) return true;
    std::string_view oktmo = Trim(person_.OKTMO);
    if (!oktmo.empty() && !IsOktmoLength(oktmo) &&
        !Report(kSectionPersonAddress, 4, kTitlePerson,
                "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов"))
      return false;
    if (oktmo.empty() && !refundOnly_ &&
        !Report(kSectionPersonAddress, 4, kTitlePerson,
                "Не введен код ОКТМО(8 или 11 симв.) по месту жительства"))
      return false;
    return true;
  }

  // The number the check gives a record: its 1-based position, as far as a field code reaches.
  static uint16_t RecordNumber(size_t index) {
    return static_cast<uint16_t>(std::min<size_t>(index + 1, kCheckCancelled - 1));
  }

  const mTDeclaration& d_;
  const mTPersonInformation& person_;
  bool refundOnly_;
  const ReturnFindingVisitor& visit_;
};

}  // namespace

void WalkReturnRules(const mTDeclaration& declaration, bool refundOnly,
                     const ReturnFindingVisitor& visit) {
  RuleWalk(declaration, refundOnly, visit).Run();
}

}  // namespace kvor
