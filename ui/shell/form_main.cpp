#include "ui/shell/form_main.h"

namespace kvor::ui {

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Квор 2014"));
  setMinimumSize(750, 550);
}

}  // namespace kvor::ui
