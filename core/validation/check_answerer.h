#pragma once

#include <string>

namespace kvor {

// The answers of the check dialog, with the modal result numbers the checks keep and compare.
enum class CheckAnswer : int {
  kClosed = 2,   // the dialog was closed without a button
  kFix = 6,      // "Исправить"
  kSkip = 7,     // "Пропустить"
  kSkipAll = 9,  // "Пропустить все"
};

// One problem put before the user: the dialog's caption is "Проверка: " followed by the section
// title; the buttons not enabled cannot be chosen.
struct CheckQuestion {
  std::string SectionTitle;
  std::string Message;
  bool SkipEnabled = true;
  bool SkipAllEnabled = true;
};

// Whoever answers a check's questions: the check dialog of the program, or a script in tests.
class CheckAnswerer {
 public:
  virtual ~CheckAnswerer() = default;
  virtual CheckAnswer Ask(const CheckQuestion& question) = 0;
};

}  // namespace kvor
