#pragma once

#include <QFrame>
#include <cstdint>
#include <memory>

namespace kvor {
struct mTDeclaration;
}

namespace kvor::ui {

// The base of every section screen. A screen is built for one visit of its section: it fills its
// controls from the return when created, writes them back on Store, and checks them as the user
// leaves. It holds the main window's pointer to the current return by reference, so it always
// sees the return that is current.
class TThinkingFrame : public QFrame {
  Q_OBJECT

 public:
  TThinkingFrame(QWidget* owner, std::unique_ptr<mTDeclaration>& declaration);

  // Writes every control of the screen into the return.
  virtual void Store() = 0;
  // Validates the screen's data as the user leaves it: 0 lets the user go, any other value names
  // the field to fix (the user chose "Исправить").
  virtual uint16_t Check() = 0;
  // Puts the input focus on the field (or the list row) that `field` names.
  virtual void FocusField(uint16_t field) = 0;
  // Multi-page screens show page `page` and focus `field` there; others just focus the field.
  virtual void ShowPage(int page, uint16_t field);
  // Called once after a section button brought the screen up: list screens focus their first row.
  virtual void Entered() {}

 protected:
  mTDeclaration& Declaration() const { return *declaration_; }
  // Tells the main window that the user changed the return.
  void NotifyChanged() const;

 private:
  std::unique_ptr<mTDeclaration>& declaration_;
};

}  // namespace kvor::ui
