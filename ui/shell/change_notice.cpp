#include "ui/shell/change_notice.h"

#include <QWidget>

namespace kvor::ui {

void SendChangeNotice(const QWidget* sender) {
  for (const QWidget* widget = sender; widget; widget = widget->parentWidget()) {
    if (auto* receiver = dynamic_cast<TChangeNoticeReceiver*>(const_cast<QWidget*>(widget))) {
      receiver->ReceiveChangeNotice();
      return;
    }
  }
}

}  // namespace kvor::ui
