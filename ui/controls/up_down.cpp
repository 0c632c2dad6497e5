#include "ui/controls/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kvor::ui {

TUpDown::TUpDown(QLineEdit* associate, int min, int max, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max) {
  auto make = [this](Qt::ArrowType arrow, int step, const char* name) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(17, 11);
    connect(button, &QToolButton::clicked, this, [this, step] { StepBy(step); });
    return button;
  };
  up_ = make(Qt::UpArrow, 1, "Up");
  down_ = make(Qt::DownArrow, -1, "Down");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  setFixedSize(17, 22);
  associate_->installEventFilter(this);
}

int TUpDown::Position() const {
  bool ok = false;
  const qlonglong value = associate_->text().trimmed().toLongLong(&ok);
  if (!ok) return min_;
  return static_cast<int>(std::clamp<qlonglong>(value, min_, max_));
}

void TUpDown::SetPosition(int position) {
  const QString text = QString::number(std::clamp(position, min_, max_));
  if (associate_->text() != text) associate_->setText(text);
}

void TUpDown::StepBy(int steps) {
  if (!isEnabled() || !associate_->isEnabled()) return;
  SetPosition(Position() + steps);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == associate_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      StepBy(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kvor::ui
