#include "ui/dialogs/check_all_error.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/check_dialog_layout.h"

namespace kvor::ui {

TfmCheckAllError::TfmCheckAllError(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Проверка"));
  lbMessage = new QLabel(this);
  Button1 = new QPushButton(QStringLiteral("Исправить"), this);
  Button2 = new QPushButton(QStringLiteral("Отмена"), this);
  LayOutCheckDialog(this, lbMessage, {Button1, Button2});
  connect(Button1, &QPushButton::clicked, this, [this] { done(kFix); });
  connect(Button2, &QPushButton::clicked, this, [this] { done(kCancel); });
}

bool TfmCheckAllError::AskFix(const QString& sectionTitle, const QString& message) {
  setWindowTitle(QStringLiteral("Проверка: ") + sectionTitle);
  lbMessage->setText(message);
  Button1->setFocus();
  return exec() == kFix;
}

}  // namespace kvor::ui
