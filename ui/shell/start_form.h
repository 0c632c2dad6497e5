#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace kvor::ui {

// The splash window shown while the main window is built: a borderless picture in the middle of
// the screen that stays at least three seconds.
class TfmStart : public QWidget {
  Q_OBJECT

 public:
  explicit TfmStart(QWidget* parent = nullptr);

  // True until three seconds have passed since the splash was created.
  bool Waiting() const;

  QLabel* imgStart;
  QTimer* tmStartTimer;
};

}  // namespace kvor::ui
