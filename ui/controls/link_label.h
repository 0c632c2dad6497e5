#pragma once

#include <QLabel>

namespace kvor::ui {

// A caption that works as a link: shown like one, with a hand cursor while the mouse is over it,
// and a click on it raises `clicked`.
class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kvor::ui
