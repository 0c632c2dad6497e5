#pragma once

#include <QString>

#include "ui/controls/masked_field.h"

namespace kvor::ui {

// The field for the series and number of the taxpayer's identity document. Its layout follows
// the document type; the taxpayer screen sets EditType when the type changes and clears the text
// (changing the layout does not re-check the text shown).
//
// "Capital" below is one of the 32 Cyrillic capitals А–Я (Ё is not among them); a typed
// lowercase а–я enters as its capital. Where a layout has a separator, the field inserts it by
// itself when the caret reaches its place, and a typed separator only moves past it.
//
// | Layout     | Series and number                                                | Example | |
// edtR_BB    | Roman numeral (≤ 9 letters, canonical) "-" ≤ 2 capitals " " ≤ 6 digits | IV-АБ
// 123456 | | edt99      | ≤ 2 digits " " ≤ 7 digits                                         | 12
// 1234567     | | edt99_     | ≤ 2 digits " " ≤ 2 digits " " ≤ 6 digits                          |
// 12 34 567890   | | edtBB      | ≤ 2 capitals " " ≤ 6 digits | АБ 123456      | | edtBB0     | ≤ 2
// capitals " " ≤ 7 digits                                       | АБ 1234567     | | edtNone1   |
// any text of ≤ 20 characters                                       |                | | edtNone2
// | any text of ≤ 14 characters                                       |                | | edtBB5
// | ≤ 2 capitals "-" ≤ 5 digits                                       | АБ-12345       |
//
// In the Roman numeral the key "1" and the Cyrillic Л, С, У, Х type the Roman letters I, L, C,
// V, X. Text the program sets is shown as it is (see TMaskedField).
class TMaskedDocEdit : public TMaskedField {
  Q_OBJECT

 public:
  enum TDocumentMaskEnum { edtR_BB, edt99, edt99_, edtBB, edtBB0, edtNone1, edtNone2, edtBB5 };
  Q_ENUM(TDocumentMaskEnum)

  explicit TMaskedDocEdit(QWidget* parent = nullptr);

  TDocumentMaskEnum EditType() const { return editType_; }
  void SetEditType(TDocumentMaskEnum type) { editType_ = type; }

 protected:
  std::optional<QChar> FilterKey(QChar typed) override;
  std::optional<QString> FilterChange(const QString& text) override;

 private:
  std::optional<QChar> FilterRomanKey(QChar typed);
  // At `place` the layout has the separator `separator`: when the caret stands there and the
  // text has no separator yet (after `from`), the field puts one in; either way the caret moves
  // behind it.
  void StepOverSeparator(int place, QChar separator, int from = 0);

  TDocumentMaskEnum editType_ = edtNone1;
};

// Roman numerals of the document series: C, L, X, V and I, with no subtractive form for the
// hundreds (400 is CCCC).
int RomanToNumber(const QString& numeral);
QString NumberToRoman(int number);
// A numeral is canonical when turning it into a number and back gives the same letters; the
// empty numeral is canonical.
bool IsCanonicalRoman(const QString& numeral);

}  // namespace kvor::ui
