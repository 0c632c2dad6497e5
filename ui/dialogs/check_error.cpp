#include "ui/dialogs/check_error.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/check_dialog_layout.h"

namespace kvor::ui {

TfmCheckError::TfmCheckError(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Проверка"));
  lbMessage = new QLabel(this);
  Button1 = new QPushButton(QStringLiteral("Исправить"), this);
  Button2 = new QPushButton(QStringLiteral("Пропустить"), this);
  Button3 = new QPushButton(QStringLiteral("Пропустить все"), this);
  LayOutCheckDialog(this, lbMessage, {Button1, Button2, Button3});
  connect(Button1, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::kFix)); });
  connect(Button2, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::kSkip)); });
  connect(Button3, &QPushButton::clicked, this, [this] { done(int(CheckAnswer::kSkipAll)); });
}

CheckAnswer TfmCheckError::Ask(const CheckQuestion& question) {
  setWindowTitle(QStringLiteral("Проверка: ") + QString::fromStdString(question.SectionTitle));
  lbMessage->setText(QString::fromStdString(question.Message));
  Button2->setEnabled(question.SkipEnabled);
  Button3->setEnabled(question.SkipAllEnabled);
  Button1->setFocus();
  int result = exec();
  switch (result) {
    case int(CheckAnswer::kFix):
    case int(CheckAnswer::kSkip):
    case int(CheckAnswer::kSkipAll):
      return static_cast<CheckAnswer>(result);
    default:
      return CheckAnswer::kClosed;
  }
}

TScreenCheck::TScreenCheck(QWidget* parent, const QString& sectionTitle)
    : parent_(parent), title_(sectionTitle) {}

TScreenCheck::~TScreenCheck() = default;

void TScreenCheck::Report(uint16_t field, const QString& message) {
  if (ended_) return;
  if (!dialog_) dialog_ = std::make_unique<TfmCheckError>(parent_);
  switch (dialog_->Ask(CheckQuestion{title_.toStdString(), message.toStdString(), true, true})) {
    case CheckAnswer::kFix:
      ended_ = true;
      field_ = field;
      break;
    case CheckAnswer::kSkipAll:
      ended_ = true;
      break;
    case CheckAnswer::kSkip:
    case CheckAnswer::kClosed:
      break;
  }
}

}  // namespace kvor::ui
