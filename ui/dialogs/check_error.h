#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>

#include "core/validation/check_answerer.h"

class QLabel;
class QPushButton;

namespace kvor::ui {

// The check dialog of the screens and the payer dialogs: one problem at a time, with
// "Исправить", "Пропустить" and "Пропустить все". One dialog serves one check run.
class TfmCheckError : public QDialog, public CheckAnswerer {
  Q_OBJECT

 public:
  explicit TfmCheckError(QWidget* parent = nullptr);

  // Shows the problem modally and returns the user's answer; closing the dialog answers
  // CheckAnswer::kClosed.
  CheckAnswer Ask(const CheckQuestion& question) override;

  QLabel* lbMessage;
  QPushButton* Button1;  // "Исправить"
  QPushButton* Button2;  // "Пропустить"
  QPushButton* Button3;  // "Пропустить все"
};

// One leave check of a screen: its problems go to the user one at a time in one check dialog.
// "Исправить" ends the run with the problem's field, "Пропустить" (or closing the dialog) goes on
// with the next problem, "Пропустить все" ends the run with 0.
//   TScreenCheck check(this, QStringLiteral("Сведения о декларанте"));
//   if (surname.isEmpty()) check.Report(1, QStringLiteral("Не введена фамилия"));
//   …
//   return check.Field();
class TScreenCheck {
 public:
  TScreenCheck(QWidget* parent, const QString& sectionTitle);
  ~TScreenCheck();

  // Puts the problem to the user, unless the run has ended.
  void Report(uint16_t field, const QString& message);
  bool Ended() const { return ended_; }
  // The field to fix, or 0.
  uint16_t Field() const { return field_; }

 private:
  QWidget* parent_;
  QString title_;
  std::unique_ptr<TfmCheckError> dialog_;
  bool ended_ = false;
  uint16_t field_ = 0;
};

}  // namespace kvor::ui
