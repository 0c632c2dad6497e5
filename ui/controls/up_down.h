#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kvor::ui {

// A pair of small arrow buttons bound to an entry field that holds a whole number: each click
// (and the Up and Down keys in the field) steps the number by one within [Min, Max] and writes it
// into the field, which reports the change as any other. The number is read from the field at
// every step, so what the user typed counts; an empty or unreadable text counts as Min.
class TUpDown : public QWidget {
  Q_OBJECT

 public:
  TUpDown(QLineEdit* associate, int min, int max, QWidget* parent = nullptr);

  int Min() const { return min_; }
  int Max() const { return max_; }
  // The number shown in the field, within [Min, Max].
  int Position() const;
  void SetPosition(int position);
  void StepBy(int steps);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* associate_;
  int min_;
  int max_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace kvor::ui
