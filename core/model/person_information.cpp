#include "core/model/person_information.h"

namespace kvor {

mTPersonInformation::mTPersonInformation()
    : DocIssueDate(*Date::FromYMD(1990, 1, 1)), BirthDate(*Date::FromYMD(1977, 1, 1)) {}

}  // namespace kvor
