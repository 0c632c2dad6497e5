#include "core/validation/sourse_check.h"

#include <string>

#include "core/common/number_text.h"
#include "core/validation/identifiers.h"
#include "core/validation/taxpayer_rules.h"

namespace kvor {

namespace {

int32_t gLastModalResult = 0;

constexpr const char* kNoName = "Не заполненно поле \"Наименование источника выплаты\"";
constexpr const char* kBadOktmo =
    "Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При продаже имущества физ.лицу - "
    "не нужен)";
constexpr const char* kNoOktmo =
    "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";
constexpr const char* kNoOktmoStrict = "Не введен код ОКТМО(8 или 11 симв.)";
constexpr const char* kInnNotTenOrTwelveText = "Длинна ИНН должна быть равна 10 или 12 цифрам";
constexpr const char* kInnNotTenText = "Длинна ИНН должна быть равна 10 цифрам";
constexpr const char* kInnWrongText = "Номер ИНН введен неверно";
constexpr const char* kNoKpp = "Отсутствует КПП";
constexpr const char* kKppNotNineText = "Длинна КПП должна быть равна 9 цифрам";
constexpr const char* kEnterInn = "Введите ИНН";
constexpr const char* kOrganisationInn = "Длинна ИНН для юрлиц должна быть равна 10 цифрам";

// One run of a payer check: the dialog's state (its title and enabled buttons) carried from
// message to message, and the last answer.
class SourseCheckRun {
 public:
  SourseCheckRun(CheckAnswerer& answerer, std::string_view sectionTitle, bool skipEnabled)
      : answerer_(answerer) {
    question_.SectionTitle = std::string(sectionTitle);
    question_.SkipEnabled = skipEnabled;
    question_.SkipAllEnabled = false;
    gLastModalResult = 0;
  }

  void DisableSkip() { question_.SkipEnabled = false; }

  // Shows the message; true when the answer was "Исправить".
  bool AskFix(const char* message) {
    question_.Message = message;
    CheckAnswer answer = answerer_.Ask(question_);
    gLastModalResult = static_cast<int32_t>(answer);
    return answer == CheckAnswer::kFix;
  }

  // The later rules run only while the user has neither chosen to fix nor to skip everything.
  bool GoesOn() const {
    return gLastModalResult != static_cast<int32_t>(CheckAnswer::kFix) &&
           gLastModalResult != static_cast<int32_t>(CheckAnswer::kSkipAll);
  }

 private:
  CheckAnswerer& answerer_;
  CheckQuestion question_;
};

}  // namespace

int32_t LastSourseCheckResult() {
  return gLastModalResult;
}

int CheckSourse(CheckAnswerer& answerer, std::string_view sectionTitle, std::string_view name,
                bool skipAllowed, std::string_view oktmo, std::string_view kpp,
                std::string_view inn) {
  SourseCheckRun run(answerer, sectionTitle, skipAllowed);
  int result = kSourseOk;

  if (Trim(name).empty()) {
    run.DisableSkip();
    if (run.AskFix(kNoName)) result = kSourseName;
  }

  std::string_view trimmedOktmo = Trim(oktmo);
  if (run.GoesOn() && !trimmedOktmo.empty() && !IsOktmoLength(trimmedOktmo)) {
    run.DisableSkip();
    result = run.AskFix(kBadOktmo) ? kSourseOKTMO : kSourseOk;
  }
  if (run.GoesOn() && trimmedOktmo.empty())
    result = run.AskFix(kNoOktmo) ? kSourseOKTMO : kSourseOk;

  if (run.GoesOn()) {
    uint16_t innCheck = CheckINN(inn, kInnAny);
    if (innCheck == kInnNotTenOrTwelve) {
      run.DisableSkip();
      result = run.AskFix(kInnNotTenOrTwelveText) ? kSourseINN : kSourseOk;
    } else if (innCheck == kInnWrongDigits) {
      result = run.AskFix(kInnWrongText) ? kSourseINN : kSourseOk;
    }
  }

  if (run.GoesOn()) {
    std::string_view trimmedInn = Trim(inn);
    if (CharacterCount(trimmedInn) == 10) {
      uint16_t kppCheck = CheckKPP(kpp);
      if (kppCheck != kKppValid) {
        run.DisableSkip();
        result =
            run.AskFix(kppCheck == kKppEmpty ? kNoKpp : kKppNotNineText) ? kSourseKPP : kSourseOk;
      }
    } else if (!Trim(kpp).empty()) {
      // A KPP belongs to an organisation, whose INN has 10 digits.
      run.DisableSkip();
      result =
          run.AskFix(trimmedInn.empty() ? kEnterInn : kOrganisationInn) ? kSourseINN : kSourseOk;
    }
  }
  return result;
}

int CheckSourseStrict(CheckAnswerer& answerer, std::string_view sectionTitle, std::string_view name,
                      std::string_view oktmo, std::string_view kpp, std::string_view inn) {
  SourseCheckRun run(answerer, sectionTitle, false);
  int result = kSourseOk;

  if (Trim(name).empty() && run.AskFix(kNoName)) result = kSourseName;

  if (run.GoesOn() && !IsOktmoLength(oktmo))
    result = run.AskFix(kNoOktmoStrict) ? kSourseOKTMO : kSourseOk;

  if (run.GoesOn()) {
    uint16_t innCheck = CheckINN(inn, kInnOrganisation);
    if (innCheck == kInnNotTen || innCheck == kInnWrongDigits)
      result = run.AskFix(innCheck == kInnNotTen ? kInnNotTenText : kInnWrongText) ? kSourseINN
                                                                                   : kSourseOk;
  }

  if (run.GoesOn()) {
    uint16_t kppCheck = CheckKPP(kpp);
    if (kppCheck != kKppValid)
      result =
          run.AskFix(kppCheck == kKppEmpty ? kNoKpp : kKppNotNineText) ? kSourseKPP : kSourseOk;
  }

  if (run.GoesOn()) {
    std::string_view trimmedInn = Trim(inn);
    if (trimmedInn.empty())
      result = run.AskFix(kEnterInn) ? kSourseINN : kSourseOk;
    else if (CharacterCount(trimmedInn) != 10)
      result = run.AskFix(kOrganisationInn) ? kSourseINN : kSourseOk;
  }
  return result;
}

}  // namespace kvor
