#include "ui/controls/masked_edit.h"

#include <algorithm>

#include "core/common/money.h"

namespace kvor::ui {

TMaskedEdit::TMaskedEdit(QWidget* parent) : TMaskedField(parent) {}

TMaskedEdit::TMaskedEdit(TEditTypeControl type, uint16_t wholeLength, uint16_t fractionalLength,
                         QWidget* parent)
    : TMaskedField(parent),
      editType_(type),
      wholeLength_(wholeLength),
      fractionalLength_(fractionalLength) {}

bool TMaskedEdit::CurrencyFits(const QString& text) const {
  // The field holds a non-negative amount: a sign is never part of it.
  const QString trimmed = text.trimmed();
  if (trimmed.startsWith(u'-') || trimmed.startsWith(u'+')) return false;
  if (!Money::Parse(text.toStdString(), static_cast<char>(kDecimalSeparator))) return false;
  const qsizetype separator = text.indexOf(kDecimalSeparator);
  const qsizetype whole = separator < 0 ? text.size() : separator;
  const qsizetype fraction = separator < 0 ? 0 : text.size() - separator - 1;
  if (wholeLength_ != 0 && whole > wholeLength_) return false;
  if (fractionalLength_ != 0 && fraction > fractionalLength_) return false;
  return true;
}

std::optional<QChar> TMaskedEdit::FilterKey(QChar typed) {
  const qsizetype length = text().size();
  switch (editType_) {
    case edtCurrency:
      if (typed == u'.' || typed == u',') {
        if (text().contains(kDecimalSeparator) || text().contains(u'.')) return std::nullopt;
        return QChar(kDecimalSeparator);
      }
      if (IsAsciiDigit(typed) && CurrencyFits(Candidate(typed))) return typed;
      return std::nullopt;
    case edtDigital:
      if (IsAsciiDigit(typed) && LengthFits(length + 1)) return typed;
      return std::nullopt;
    case edtChar:
      if (IsAsciiDigit(typed)) return std::nullopt;
      [[fallthrough]];
    case edtNone:
      if (LengthFits(length + 1)) return typed;
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<QString> TMaskedEdit::FilterChange(const QString& changed) {
  switch (editType_) {
    case edtCurrency:
      if (changed.trimmed().isEmpty()) return QString();
      if (CurrencyFits(changed)) return changed;
      return std::nullopt;
    case edtDigital:
      if (!LengthFits(changed.trimmed().size())) return std::nullopt;
      if (!std::all_of(changed.begin(), changed.end(), IsAsciiDigit)) return std::nullopt;
      return changed;
    case edtChar:
      if (!LengthFits(changed.size())) return std::nullopt;
      if (std::any_of(changed.begin(), changed.end(), IsAsciiDigit)) return std::nullopt;
      return changed;
    case edtNone:
      if (!LengthFits(changed.size())) return std::nullopt;
      return changed;
  }
  return std::nullopt;
}

}  // namespace kvor::ui
