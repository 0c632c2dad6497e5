#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>

class QInputMethodEvent;
class QKeyEvent;

namespace kvor::ui {

// The decimal separator the entry fields show and accept: the program shows money with ","
// whatever the system's own settings.
inline constexpr char16_t kDecimalSeparator = u',';

// The common machinery of the masked entry fields TMaskedEdit and TMaskedDocEdit: a single-line
// edit that filters every typed character before it reaches the text and re-checks every change
// the user makes (typing, deleting, pasting, dropping, undo), putting the last accepted text
// back when a change breaks the field's rules. A refused key or change simply has no effect:
// nothing is shown, no OnChange is raised and no change notice is sent.
//
// Text the program puts into the field (setText, clear) is shown as it is, without the user's
// rules, so a stored value is never erased because the field would not let it be typed.
//
// After every kept change that altered the text, the field tells the main window (the change
// notice, when the field sits inside it) and then raises OnChange. The characters Windows-1251
// cannot hold are refused everywhere: the return file could not store them.
class TMaskedField : public QLineEdit {
  Q_OBJECT

 public:
  // The text as it stood after the last kept change; a refused change goes back to it.
  const QString& LastAcceptedText() const { return lastAccepted_; }

 signals:
  // A change was kept and altered the text (typed, pasted or set by the program). Never raised
  // for a refused change or for setting the text it already shows.
  void OnChange();

 protected:
  explicit TMaskedField(QWidget* parent);

  // What a typed printable character becomes: the character to insert, or nothing when the
  // key is refused. May first change the text and the caret through ReplaceText (the
  // separators that some layouts insert by themselves).
  virtual std::optional<QChar> FilterKey(QChar typed) = 0;
  // Judges the text after a change the user made: nothing when the change is refused, else the
  // text as it is to stand (the same, or converted, for example to capitals).
  virtual std::optional<QString> FilterChange(const QString& text) = 0;

  // The caret as the filters count it: the start of the selection when there is one.
  int Caret() const;
  // The text with `typed` put in at the caret. A selection is not taken out, so with text
  // selected the candidate is longer than the text that would result.
  QString Candidate(QChar typed) const;
  // The field's own change of its text (a separator it inserts): kept at once, as a change.
  void ReplaceText(const QString& text, int caret);

  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void TextChanged();
  void Revert();
  void Keep();
  // Puts `text` in under the re-entry guard: the change handler leaves it alone.
  void SetGuarded(const QString& text, int caret);

  QString lastAccepted_;
  bool guard_ = false;     // set while the field replaces its own text
  bool userEdit_ = false;  // the change under way comes from the user, not from the program
};

// Whether every character of the text can be written in Windows-1251.
bool IsCp1251Text(const QString& text);
bool IsAsciiDigit(QChar c);

}  // namespace kvor::ui
