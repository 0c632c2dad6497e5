#include "ui/shell/thinking_frame.h"

#include "ui/shell/change_notice.h"

namespace kvor::ui {

TThinkingFrame::TThinkingFrame(QWidget* owner, std::unique_ptr<mTDeclaration>& declaration)
    : QFrame(owner), declaration_(declaration) {}

void TThinkingFrame::ShowPage(int, uint16_t field) {
  FocusField(field);
}

void TThinkingFrame::NotifyChanged() const {
  SendChangeNotice(this);
}

}  // namespace kvor::ui
