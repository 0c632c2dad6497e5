#include <QApplication>

#include "ui/shell/form_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kvor::ui::TFormMain window;
  window.show();
  return app.exec();
}
