#pragma once

#include <QMainWindow>

namespace kvor::ui {

// The main window of the program.
class TFormMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormMain(QWidget* parent = nullptr);
};

}  // namespace kvor::ui
