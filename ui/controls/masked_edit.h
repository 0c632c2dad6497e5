#pragma once

#include <cstdint>

#include "ui/controls/masked_field.h"

namespace kvor::ui {

// The general entry field of the screens: money sums, counts, percentages, codes typed as digits,
// names, addresses and other free text. Its kind and its two length limits are set per field.
//
//   auto* meSum = new TMaskedEdit(TMaskedEdit::edtCurrency, 12, 2, this);
//   meSum->setText(MoneyText(record.Sum));           // shown as it is
//   connect(meSum, &TMaskedEdit::OnChange, this, …);  // only for kept changes
//
// What the user may type and paste (see TMaskedField for the rest):
// - edtCurrency: a non-negative decimal number within the money range; "." and "," both type the
//   decimal separator ","; at most one separator; at most WholeLength digits before it and
//   FractionalLength after it (0 = no limit). Pasting blanks only empties the field.
// - edtDigital: digits only, at most WholeLength of them.
// - edtChar: any text without digits, at most WholeLength characters.
// - edtNone: any text, at most WholeLength characters.
// A typed character is judged on the candidate text (the text with the character put in at the
// caret, a selection left in), so with text selected a field at its limit refuses the key.
class TMaskedEdit : public TMaskedField {
  Q_OBJECT

 public:
  enum TEditTypeControl { edtCurrency, edtDigital, edtChar, edtNone };
  Q_ENUM(TEditTypeControl)

  explicit TMaskedEdit(QWidget* parent = nullptr);
  TMaskedEdit(TEditTypeControl type, uint16_t wholeLength, uint16_t fractionalLength = 0,
              QWidget* parent = nullptr);

  // Changing the kind or the limits does not re-check the text already shown.
  TEditTypeControl EditType() const { return editType_; }
  void SetEditType(TEditTypeControl type) { editType_ = type; }
  // edtCurrency: most characters before the decimal separator; other kinds: most characters of
  // the whole text; 0 = no limit.
  uint16_t WholeLength() const { return wholeLength_; }
  void SetWholeLength(uint16_t length) { wholeLength_ = length; }
  // edtCurrency only: most characters after the decimal separator; 0 = no limit.
  uint16_t FractionalLength() const { return fractionalLength_; }
  void SetFractionalLength(uint16_t length) { fractionalLength_ = length; }

 protected:
  std::optional<QChar> FilterKey(QChar typed) override;
  std::optional<QString> FilterChange(const QString& text) override;

 private:
  // Whether `text` is a money text within the limits: digits, at most one separator, and the
  // whole and fractional parts no longer than allowed.
  bool CurrencyFits(const QString& text) const;
  bool LengthFits(qsizetype length) const { return wholeLength_ == 0 || length <= wholeLength_; }

  TEditTypeControl editType_ = edtCurrency;
  uint16_t wholeLength_ = 0;
  uint16_t fractionalLength_ = 0;
};

}  // namespace kvor::ui
