#include "ui/controls/masked_field.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

#include "core/common/codec.h"
#include "ui/shell/change_notice.h"

namespace kvor::ui {

bool IsCp1251Text(const QString& text) {
  for (char32_t c : text.toUcs4())
    if (!IsCp1251Encodable(c)) return false;
  return true;
}

bool IsAsciiDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

TMaskedField::TMaskedField(QWidget* parent) : QLineEdit(parent) {
  // The edit announces a change the user made before the change itself, so the flag tells the
  // change handler whose change it is judging.
  connect(this, &QLineEdit::textEdited, this, [this] { userEdit_ = true; });
  connect(this, &QLineEdit::textChanged, this, &TMaskedField::TextChanged);
}

int TMaskedField::Caret() const {
  return hasSelectedText() ? selectionStart() : cursorPosition();
}

QString TMaskedField::Candidate(QChar typed) const {
  const QString current = text();
  const int caret = Caret();
  return current.left(caret) + typed + current.mid(caret);
}

void TMaskedField::ReplaceText(const QString& replacement, int caret) {
  SetGuarded(replacement, caret);
  Keep();
}

void TMaskedField::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  // Editing keys, Backspace, Enter (which the field never inserts: a dialog takes it as OK) and
  // the clipboard shortcuts go to the edit; what they change is judged by the change filter.
  const bool printable = !typed.isEmpty() && typed.front().unicode() >= 0x20 &&
                         typed.front().unicode() != 0x7f &&
                         !event->modifiers().testFlag(Qt::ControlModifier);
  if (!printable || isReadOnly()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  for (QChar c : typed) {
    if (c.isSurrogate() || !IsCp1251Encodable(c.unicode())) continue;
    std::optional<QChar> kept = FilterKey(c);
    if (!kept) continue;
    QKeyEvent accepted(event->type(), event->key(), event->modifiers(), QString(*kept),
                       event->isAutoRepeat(), event->count());
    QLineEdit::keyPressEvent(&accepted);
  }
  event->accept();
}

void TMaskedField::inputMethodEvent(QInputMethodEvent* event) {
  // Characters committed by an input method are typed characters like any other.
  if (event->commitString().isEmpty() || !event->preeditString().isEmpty() || isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  for (QChar c : event->commitString()) {
    if (c.isSurrogate() || !IsCp1251Encodable(c.unicode())) continue;
    if (std::optional<QChar> kept = FilterKey(c)) insert(QString(*kept));
  }
  event->accept();
}

void TMaskedField::TextChanged() {
  const bool user = std::exchange(userEdit_, false);
  if (guard_) return;
  if (user) {
    const QString changed = text();
    std::optional<QString> kept =
        IsCp1251Text(changed) ? FilterChange(changed) : std::optional<QString>();
    if (!kept) {
      Revert();
      return;
    }
    if (*kept != changed) SetGuarded(*kept, cursorPosition());
  }
  Keep();
}

void TMaskedField::Revert() {
  // The caret goes back to where the refused change began.
  const qsizetype grown = text().size() - lastAccepted_.size();
  const qsizetype caret = std::clamp<qsizetype>(cursorPosition() - grown, 0, lastAccepted_.size());
  SetGuarded(lastAccepted_, static_cast<int>(caret));
}

void TMaskedField::Keep() {
  if (text() == lastAccepted_) return;
  lastAccepted_ = text();
  SendChangeNotice(this);
  emit OnChange();
}

void TMaskedField::SetGuarded(const QString& replacement, int caret) {
  guard_ = true;
  setText(replacement);
  setCursorPosition(caret);
  guard_ = false;
}

}  // namespace kvor::ui
