#include <QApplication>

#include "ui/shell/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return kvor::ui::RunProgram(app);
}
