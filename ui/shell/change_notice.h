#pragma once

class QWidget;

namespace kvor::ui {

// The window that holds the return and wants to hear about every change the user makes.
class TChangeNoticeReceiver {
 public:
  virtual ~TChangeNoticeReceiver() = default;
  virtual void ReceiveChangeNotice() = 0;
};

// Sent by a screen, an entry field or a dialog after the user changed data: the first widget up
// the parent chain of `sender` that receives notices hears it at once. Widgets outside such a
// window send it nowhere.
void SendChangeNotice(const QWidget* sender);

}  // namespace kvor::ui
