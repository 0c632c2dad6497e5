#include "core/validation/sourse_check.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace kvor {
namespace {

constexpr CheckAnswer kFix = CheckAnswer::kFix;
constexpr CheckAnswer kSkip = CheckAnswer::kSkip;
constexpr CheckAnswer kClosed = CheckAnswer::kClosed;

const std::string kNoName = "Не заполненно поле \"Наименование источника выплаты\"";
const std::string kBadOktmo =
    "Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При продаже имущества физ.лицу - "
    "не нужен)";
const std::string kNoOktmo =
    "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";
const std::string kNoOktmoStrict = "Не введен код ОКТМО(8 или 11 симв.)";
const std::string kInn10or12 = "Длинна ИНН должна быть равна 10 или 12 цифрам";
const std::string kInn10 = "Длинна ИНН должна быть равна 10 цифрам";
const std::string kInnWrong = "Номер ИНН введен неверно";
const std::string kNoKpp = "Отсутствует КПП";
const std::string kKpp9 = "Длинна КПП должна быть равна 9 цифрам";
const std::string kEnterInn = "Введите ИНН";
const std::string kOrganisationInn = "Длинна ИНН для юрлиц должна быть равна 10 цифрам";

const char* const kOrgInn = "1234567894";
const char* const kPersonInn = "123456789047";
const char* const kKpp = "123456789";

// What the dialog showed: the message and whether "Пропустить" could be chosen.
struct Shown {
  std::string message;
  bool skip;
  friend bool operator==(const Shown&, const Shown&) = default;
};

void PrintTo(const Shown& shown, std::ostream* os) {
  *os << "{\"" << shown.message << "\", skip " << shown.skip << "}";
}

// Answers from a script, and refuses to press a button that is not enabled.
class ScriptedAnswerer : public CheckAnswerer {
 public:
  ScriptedAnswerer(std::string title, std::vector<CheckAnswer> answers)
      : title_(std::move(title)), answers_(answers.begin(), answers.end()) {}

  CheckAnswer Ask(const CheckQuestion& question) override {
    EXPECT_EQ(question.SectionTitle, title_);
    EXPECT_FALSE(question.SkipAllEnabled) << question.Message;
    shown.push_back({question.Message, question.SkipEnabled});
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected message: " << question.Message;
      return kClosed;
    }
    CheckAnswer answer = answers_.front();
    answers_.pop_front();
    if (answer == kSkip) {
      EXPECT_TRUE(question.SkipEnabled) << question.Message;
    }
    return answer;
  }

  bool ScriptUsed() const { return answers_.empty(); }

  std::vector<Shown> shown;

 private:
  std::string title_;
  std::deque<CheckAnswer> answers_;
};

struct Payer {
  const char* name = "ООО Ромашка";
  const char* oktmo = "45382000";
  const char* kpp = kKpp;
  const char* inn = kOrgInn;
};

struct SourseCase {
  const char* what;
  bool strict;
  bool skipAllowed;  // lenient only
  Payer payer;
  std::vector<CheckAnswer> answers;
  std::vector<Shown> shown;
  int result;
};

class SourseCheckTest : public testing::TestWithParam<SourseCase> {};

TEST_P(SourseCheckTest, AsksAndAnswers) {
  const SourseCase& c = GetParam();
  SCOPED_TRACE(c.what);
  const std::string title =
      c.strict ? "Доходы, облагаемые по ставке 9%" : "Доходы, облагаемые по ставке 13%";
  ScriptedAnswerer answerer(title, c.answers);
  int result = c.strict ? CheckSourseStrict(answerer, title, c.payer.name, c.payer.oktmo,
                                            c.payer.kpp, c.payer.inn)
                        : CheckSourse(answerer, title, c.payer.name, c.skipAllowed, c.payer.oktmo,
                                      c.payer.kpp, c.payer.inn);
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(answerer.shown, c.shown);
  EXPECT_TRUE(answerer.ScriptUsed());
  int32_t last = c.answers.empty() ? 0 : static_cast<int32_t>(c.answers.back());
  EXPECT_EQ(LastSourseCheckResult(), last);
}

Payer With(void (*change)(Payer&)) {
  Payer payer;
  change(payer);
  return payer;
}

INSTANTIATE_TEST_SUITE_P(
    Lenient, SourseCheckTest,
    testing::Values(SourseCase{"valid", false, true, {}, {}, {}, 0},
                    SourseCase{"no OKTMO, skipped",
                               false,
                               true,
                               With([](Payer& p) { p.oktmo = "  "; }),
                               {kSkip},
                               {{kNoOktmo, true}},
                               0},
                    SourseCase{"no OKTMO, fixed",
                               false,
                               true,
                               With([](Payer& p) { p.oktmo = ""; }),
                               {kFix},
                               {{kNoOktmo, true}},
                               4},
                    SourseCase{"no OKTMO, partnership payer cannot skip",
                               false,
                               false,
                               With([](Payer& p) { p.oktmo = ""; }),
                               {kClosed},
                               {{kNoOktmo, false}},
                               0},
                    SourseCase{"no name, fixed: nothing more is asked",
                               false,
                               true,
                               With([](Payer& p) {
                                 p.name = " ";
                                 p.oktmo = "";
                               }),
                               {kFix},
                               {{kNoName, false}},
                               1},
                    SourseCase{"no name, closed: skipping stays off for the next message",
                               false,
                               true,
                               With([](Payer& p) {
                                 p.name = "";
                                 p.oktmo = "";
                               }),
                               {kClosed, kFix},
                               {{kNoName, false}, {kNoOktmo, false}},
                               4},
                    SourseCase{"OKTMO of a wrong length",
                               false,
                               true,
                               With([](Payer& p) { p.oktmo = "1234567"; }),
                               {kClosed},
                               {{kBadOktmo, false}},
                               0},
                    SourseCase{"INN of a wrong length",
                               false,
                               true,
                               With([](Payer& p) { p.inn = "12345678901"; }),
                               {kFix},
                               {{kInn10or12, false}},
                               2},
                    SourseCase{"wrong check digits skipped; the KPP then fits",
                               false,
                               true,
                               With([](Payer& p) { p.inn = "1234567895"; }),
                               {kSkip},
                               {{kInnWrong, true}},
                               0},
                    SourseCase{"wrong check digits skipped; no KPP",
                               false,
                               true,
                               With([](Payer& p) {
                                 p.inn = "1234567895";
                                 p.kpp = "";
                               }),
                               {kSkip, kFix},
                               {{kInnWrong, true}, {kNoKpp, false}},
                               3},
                    SourseCase{"wrong check digits fixed: the missing KPP waits",
                               false,
                               true,
                               With([](Payer& p) {
                                 p.inn = "1234567895";
                                 p.kpp = "";
                               }),
                               {kFix},
                               {{kInnWrong, true}},
                               2},
                    SourseCase{"short KPP",
                               false,
                               true,
                               With([](Payer& p) { p.kpp = "12345678"; }),
                               {kFix},
                               {{kKpp9, false}},
                               3},
                    SourseCase{"a person's INN with a KPP",
                               false,
                               true,
                               With([](Payer& p) { p.inn = kPersonInn; }),
                               {kFix},
                               {{kOrganisationInn, false}},
                               2},
                    SourseCase{"a KPP without an INN",
                               false,
                               true,
                               With([](Payer& p) { p.inn = ""; }),
                               {kClosed},
                               {{kEnterInn, false}},
                               0},
                    SourseCase{"a person without INN or KPP",
                               false,
                               true,
                               With([](Payer& p) {
                                 p.inn = "";
                                 p.kpp = "";
                               }),
                               {},
                               {},
                               0},
                    SourseCase{"every problem in turn",
                               false,
                               true,
                               With([](Payer& p) {
                                 p.oktmo = "";
                                 p.inn = "1234567895";
                                 p.kpp = "1";
                               }),
                               {kSkip, kSkip, kClosed},
                               {{kNoOktmo, true}, {kInnWrong, true}, {kKpp9, false}},
                               0}));

INSTANTIATE_TEST_SUITE_P(Strict, SourseCheckTest,
                         testing::Values(SourseCase{"valid", true, false, {}, {}, {}, 0},
                                         SourseCase{"pension contract without INN and KPP",
                                                    true,
                                                    false,
                                                    With([](Payer& p) {
                                                      p.oktmo = "12345678901";
                                                      p.inn = "";
                                                      p.kpp = "";
                                                    }),
                                                    {kClosed, kClosed},
                                                    {{kNoKpp, false}, {kEnterInn, false}},
                                                    0},
                                         SourseCase{"no name",
                                                    true,
                                                    false,
                                                    With([](Payer& p) { p.name = ""; }),
                                                    {kFix},
                                                    {{kNoName, false}},
                                                    1},
                                         SourseCase{"no OKTMO",
                                                    true,
                                                    false,
                                                    With([](Payer& p) { p.oktmo = ""; }),
                                                    {kFix},
                                                    {{kNoOktmoStrict, false}},
                                                    4},
                                         SourseCase{"OKTMO of a wrong length, closed",
                                                    true,
                                                    false,
                                                    With([](Payer& p) { p.oktmo = "123"; }),
                                                    {kClosed},
                                                    {{kNoOktmoStrict, false}},
                                                    0},
                                         SourseCase{"a person's INN",
                                                    true,
                                                    false,
                                                    With([](Payer& p) { p.inn = kPersonInn; }),
                                                    {kClosed, kFix},
                                                    {{kInn10, false}, {kOrganisationInn, false}},
                                                    2},
                                         SourseCase{"wrong check digits",
                                                    true,
                                                    false,
                                                    With([](Payer& p) { p.inn = "1234567895"; }),
                                                    {kFix},
                                                    {{kInnWrong, false}},
                                                    2},
                                         SourseCase{"short KPP",
                                                    true,
                                                    false,
                                                    With([](Payer& p) { p.kpp = "12345678"; }),
                                                    {kFix},
                                                    {{kKpp9, false}},
                                                    3}));

// A check that shows nothing leaves 0 behind, whatever the check before it left.
TEST(SourseCheckResultTest, ResetAtTheStartOfEachCheck) {
  ScriptedAnswerer first("П", {kFix});
  ASSERT_EQ(CheckSourse(first, "П", "", true, "45382000", kKpp, kOrgInn), 1);
  ASSERT_EQ(LastSourseCheckResult(), 6);
  ScriptedAnswerer second("П", {});
  EXPECT_EQ(CheckSourseStrict(second, "П", "Фонд", "45382000", kKpp, kOrgInn), 0);
  EXPECT_EQ(LastSourseCheckResult(), 0);
}

}  // namespace
}  // namespace kvor
