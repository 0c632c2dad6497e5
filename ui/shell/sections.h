#pragma once

#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace kvor {
struct mTDeclaration;
}

namespace kvor::ui {

class TFormMain;
class TThinkingFrame;

// The sections of the main window, in the order of their buttons.
enum class TSection {
  kInitialData,     // conditions of the return, TfrInitialData
  kPersonData,      // the taxpayer, TfrPersonData
  kRussianIncome,   // income in the country, TfrRussianIncome
  kInvestTov,       // investment partnerships, TfrInvestTov
  kForeignIncome,   // income abroad, TfrCurrency
  kBusinessIncome,  // business income, TfrBusinessNew
  kDeduction,       // deductions, TfrFrameDeductData
};

inline constexpr std::array kAllSections = {
    TSection::kInitialData, TSection::kPersonData,    TSection::kRussianIncome,
    TSection::kInvestTov,   TSection::kForeignIncome, TSection::kBusinessIncome,
    TSection::kDeduction,
};

// Whether the section's button is enabled for a return with these income flags and form type.
bool SectionEnabled(TSection section, int incomeFlags, int declarationType);

// Builds a section screen inside `owner` over the main window's current return.
using TScreenFactory = std::function<TThinkingFrame*(QWidget* owner, TFormMain& main)>;

// Which screen each section shows. A section without a screen yet shows nothing: its button
// follows the enabling rule, and a click on it does nothing.
class TScreenRegistry {
 public:
  void Add(TSection section, TScreenFactory factory) { factories_[section] = std::move(factory); }
  const TScreenFactory* Find(TSection section) const {
    auto found = factories_.find(section);
    return found == factories_.end() ? nullptr : &found->second;
  }

 private:
  std::map<TSection, TScreenFactory> factories_;
};

// The screens of the program (ui/screens adds each one it builds).
TScreenRegistry SectionScreens();

}  // namespace kvor::ui
