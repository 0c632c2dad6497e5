#pragma once

#include <QDialog>

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

}  // namespace kvor::ui
