#pragma once

#include <initializer_list>

class QDialog;
class QLabel;
class QPushButton;

namespace kvor::ui {

// The common look of the check dialogs: a warning picture beside the message, the buttons in a
// row beneath.
void LayOutCheckDialog(QDialog* dialog, QLabel* message,
                       std::initializer_list<QPushButton*> buttons);

}  // namespace kvor::ui
