#pragma once

#include <cstdint>
#include <string_view>

#include "core/validation/check_answerer.h"

namespace kvor {

// The field of a payer dialog a payer check asks to fix.
enum SourseField : int {
  kSourseOk = 0,
  kSourseName = 1,   // meSourseName
  kSourseINN = 2,    // meINN
  kSourseKPP = 3,    // meKPP
  kSourseOKTMO = 4,  // meOKATO
};

// The payer check of the 13 %, 35 % and investment partnership payers: name, OKTMO, INN and KPP
// in that order, each problem put to `answerer` under the section title. "Пропустить все" is
// never offered; "Пропустить" only when `skipAllowed`, and once taken away for a message it stays
// away for the rest of the check. "Исправить" or "Пропустить все" ends the check. Returns the
// SourseField of the message answered "Исправить", else kSourseOk.
int CheckSourse(CheckAnswerer& answerer, std::string_view sectionTitle, std::string_view name,
                bool skipAllowed, std::string_view oktmo, std::string_view kpp,
                std::string_view inn);

// The stricter payer check of the 9 % payers and the pension contracts: the OKTMO is required
// and the payer must be an organisation with a KPP. Only "Исправить" is offered (closing the
// dialog goes on to the next problem). Returns a SourseField as CheckSourse does.
int CheckSourseStrict(CheckAnswerer& answerer, std::string_view sectionTitle, std::string_view name,
                      std::string_view oktmo, std::string_view kpp, std::string_view inn);

// The answer (its modal result number, CheckAnswer) to the last message of the latest payer
// check, kept for the whole process; 0 when that check showed no message.
int32_t LastSourseCheckResult();

}  // namespace kvor
