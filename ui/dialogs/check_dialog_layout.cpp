#include "ui/dialogs/check_dialog_layout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kvor::ui {

void LayOutCheckDialog(QDialog* dialog, QLabel* message,
                       std::initializer_list<QPushButton*> buttons) {
  message->setObjectName(QStringLiteral("lbMessage"));
  message->setWordWrap(true);
  message->setMinimumWidth(320);
  message->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* picture = new QLabel(dialog);
  int size = dialog->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
  picture->setPixmap(dialog->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size));
  picture->setAlignment(Qt::AlignTop);

  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addWidget(message, 1);

  auto* row = new QHBoxLayout;
  row->addStretch();
  int number = 1;
  for (QPushButton* button : buttons) {
    button->setObjectName(QStringLiteral("Button%1").arg(number++));
    button->setAutoDefault(false);
    row->addWidget(button);
  }
  (*buttons.begin())->setDefault(true);

  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(top, 1);
  layout->addLayout(row);
  dialog->setSizeGripEnabled(false);
}

}  // namespace kvor::ui
