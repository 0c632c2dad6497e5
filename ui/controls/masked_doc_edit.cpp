#include "ui/controls/masked_doc_edit.h"

#include <algorithm>

namespace kvor::ui {

namespace {

constexpr int kRomanLength = 9;

bool IsCapital(QChar c) {
  return c >= u'А' && c <= u'Я';
}

bool IsLowerCyrillic(QChar c) {
  return c >= u'а' && c <= u'я';
}

// Lowercase а–я enter as their capitals (ё is not among them).
QChar CyrillicCapital(QChar c) {
  return IsLowerCyrillic(c) ? QChar(c.unicode() - 0x20) : c;
}

// The Roman numeral takes the Latin letters in either case.
QChar RomanCapital(QChar c) {
  switch (c.unicode()) {
    case u'c':
    case u'i':
    case u'l':
    case u'v':
    case u'x':
      return c.toUpper();
    default:
      return CyrillicCapital(c);
  }
}

// The Roman letter a key stands for: the Roman letters themselves, the key 1 and the Cyrillic
// capitals that look like them; nothing for any other character.
std::optional<QChar> RomanLetter(QChar c) {
  switch (c.unicode()) {
    case u'C':
    case u'I':
    case u'L':
    case u'V':
    case u'X':
      return c;
    case u'1':
      return QChar(u'I');
    case u'Л':
      return QChar(u'L');
    case u'С':
      return QChar(u'C');
    case u'У':
      return QChar(u'V');
    case u'Х':
      return QChar(u'X');
    default:
      return std::nullopt;
  }
}

bool Capitals(const QString& part, qsizetype most) {
  return part.size() <= most && std::all_of(part.begin(), part.end(), IsCapital);
}

bool Digits(const QString& part, qsizetype most) {
  return part.size() <= most && std::all_of(part.begin(), part.end(), IsAsciiDigit);
}

bool SpacesAndDigits(const QString& text) {
  return std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c == u' ' || IsAsciiDigit(c); });
}

bool RomanNumeral(const QString& part) {
  return part.size() <= kRomanLength && IsCanonicalRoman(part);
}

// The numeral's own letters: every character Roman-capable, turned into its letter.
std::optional<QString> RomanLetters(const QString& part) {
  QString letters;
  for (QChar c : part) {
    std::optional<QChar> letter = RomanLetter(c);
    if (!letter) return std::nullopt;
    letters += *letter;
  }
  return letters;
}

// The part after the "-" of the Roman layout: at most 2 capitals, then a space and at most 6
// digits.
bool RomanSeriesTail(const QString& tail) {
  const qsizetype space = tail.indexOf(u' ');
  if (space < 0) return Capitals(tail, 2);
  return Capitals(tail.left(space), 2) && Digits(tail.mid(space + 1), 6);
}

// Letters, a separator and digits: edtBB, edtBB0 and edtBB5.
bool LettersAndNumber(const QString& text, QChar separator, qsizetype digits) {
  const qsizetype at = text.indexOf(separator);
  if (at < 0) return Capitals(text, 2);
  return Capitals(text.left(at), 2) && Digits(text.mid(at + 1), digits);
}

bool TwoGroups(const QString& text) {
  const qsizetype space = text.indexOf(u' ');
  if (space < 0) return text.size() <= 2;
  return space <= 2 && text.size() - space - 1 <= 7;
}

bool ThreeGroups(const QString& text) {
  const qsizetype first = text.indexOf(u' ');
  if (first < 0) return text.size() <= 2;
  if (first > 2) return false;
  const QString rest = text.mid(first + 1);
  const qsizetype second = rest.indexOf(u' ');
  if (second < 0) return rest.size() <= 2;
  return second <= 2 && rest.size() - second - 1 <= 6;
}

int RomanValue(QChar c) {
  switch (c.unicode()) {
    case u'C':
      return 100;
    case u'L':
      return 50;
    case u'X':
      return 10;
    case u'V':
      return 5;
    case u'I':
      return 1;
    default:
      return 0;
  }
}

}  // namespace

int RomanToNumber(const QString& numeral) {
  int number = 0;
  for (qsizetype i = 0; i < numeral.size();) {
    const int value = RomanValue(numeral[i]);
    const int next = i + 1 < numeral.size() ? RomanValue(numeral[i + 1]) : 0;
    if (value < next) {
      number += next - value;
      i += 2;
    } else {
      number += value;
      i += 1;
    }
  }
  return number;
}

QString NumberToRoman(int number) {
  QString numeral;
  for (; number >= 100; number -= 100) numeral += u'C';
  if (number / 10 == 9) {
    numeral += QStringLiteral("XC");
    number -= 90;
  } else if (number >= 50) {
    numeral += u'L';
    number -= 50;
  }
  if (number / 10 == 4) {
    numeral += QStringLiteral("XL");
    number -= 40;
  } else {
    for (; number >= 10; number -= 10) numeral += u'X';
  }
  if (number == 9) {
    numeral += QStringLiteral("IX");
    number -= 9;
  } else if (number >= 5) {
    numeral += u'V';
    number -= 5;
  }
  if (number == 4) {
    numeral += QStringLiteral("IV");
  } else {
    for (; number > 0; --number) numeral += u'I';
  }
  return numeral;
}

bool IsCanonicalRoman(const QString& numeral) {
  return NumberToRoman(RomanToNumber(numeral)) == numeral;
}

TMaskedDocEdit::TMaskedDocEdit(QWidget* parent) : TMaskedField(parent) {}

void TMaskedDocEdit::StepOverSeparator(int place, QChar separator, int from) {
  if (Caret() != place) return;
  const QString current = text();
  const qsizetype at = current.indexOf(separator, from);
  if (at < 0)
    ReplaceText(current.left(place) + separator + current.mid(place), place + 1);
  else
    setCursorPosition(static_cast<int>(at + 1));
}

std::optional<QChar> TMaskedDocEdit::FilterRomanKey(QChar typed) {
  const QChar c = RomanCapital(typed);
  if (!(c == u'-' || IsAsciiDigit(c) || RomanLetter(c) || IsCapital(c))) return std::nullopt;
  const qsizetype dash = text().indexOf(u'-');
  const int caret = Caret();

  // The numeral: before the "-", or the whole text while there is none.
  if (dash < 0 || caret <= dash) {
    if (std::optional<QChar> letter = RomanLetter(c)) {
      const QString candidate = Candidate(*letter);
      const qsizetype end = candidate.indexOf(u'-');
      if (RomanNumeral(end < 0 ? candidate : candidate.left(end))) return letter;
      return std::nullopt;
    }
    if (c == u'-' && dash < 0) return c;
    return std::nullopt;
  }

  // After the "-": two capitals, a space the field puts in itself, and the digits.
  if (!(IsAsciiDigit(c) || IsCapital(c))) return std::nullopt;
  if (caret == dash + 3 && !text().contains(u' ')) StepOverSeparator(caret, QChar(u' '));
  const QString candidate = Candidate(c);
  if (RomanSeriesTail(candidate.mid(candidate.indexOf(u'-') + 1))) return c;
  return std::nullopt;
}

std::optional<QChar> TMaskedDocEdit::FilterKey(QChar typed) {
  switch (editType_) {
    case edtR_BB:
      return FilterRomanKey(typed);
    case edt99:
    case edt99_: {
      if (!(typed == u' ' || IsAsciiDigit(typed))) return std::nullopt;
      StepOverSeparator(2, QChar(u' '));
      if (editType_ == edt99_ && Caret() == 5) {
        const qsizetype first = text().indexOf(u' ');
        if (first >= 0 && text().indexOf(u' ', first + 1) < 0)
          ReplaceText(text().left(5) + u' ' + text().mid(5), 6);
        else
          setCursorPosition(6);
      }
      if (typed == u' ') return std::nullopt;
      const QString candidate = Candidate(typed);
      if (editType_ == edt99 ? TwoGroups(candidate) : ThreeGroups(candidate)) return typed;
      return std::nullopt;
    }
    case edtBB:
    case edtBB0:
    case edtBB5: {
      const QChar separator = editType_ == edtBB5 ? QChar(u'-') : QChar(u' ');
      const QChar c = CyrillicCapital(typed);
      if (!(c == separator || IsAsciiDigit(c) || IsCapital(c))) return std::nullopt;
      StepOverSeparator(2, separator);
      if (c == separator) return std::nullopt;
      const qsizetype digits = editType_ == edtBB ? 6 : editType_ == edtBB0 ? 7 : 5;
      if (LettersAndNumber(Candidate(c), separator, digits)) return c;
      return std::nullopt;
    }
    case edtNone1:
    case edtNone2: {
      const qsizetype most = editType_ == edtNone1 ? 20 : 14;
      if (Candidate(typed).size() <= most) return typed;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<QString> TMaskedDocEdit::FilterChange(const QString& changed) {
  switch (editType_) {
    case edtR_BB: {
      QString converted;
      for (QChar c : changed) converted += RomanCapital(c);
      const qsizetype dash = converted.indexOf(u'-');
      std::optional<QString> numeral = RomanLetters(dash < 0 ? converted : converted.left(dash));
      if (!numeral || !RomanNumeral(*numeral)) return std::nullopt;
      if (dash < 0) return numeral;
      const QString tail = converted.mid(dash + 1);
      if (!RomanSeriesTail(tail)) return std::nullopt;
      return *numeral + u'-' + tail;
    }
    case edt99:
      if (SpacesAndDigits(changed) && TwoGroups(changed)) return changed;
      return std::nullopt;
    case edt99_:
      if (SpacesAndDigits(changed) && ThreeGroups(changed)) return changed;
      return std::nullopt;
    case edtBB:
    case edtBB0:
    case edtBB5: {
      QString converted;
      for (QChar c : changed) converted += CyrillicCapital(c);
      const QChar separator = editType_ == edtBB5 ? QChar(u'-') : QChar(u' ');
      const qsizetype digits = editType_ == edtBB ? 6 : editType_ == edtBB0 ? 7 : 5;
      if (LettersAndNumber(converted, separator, digits)) return converted;
      return std::nullopt;
    }
    case edtNone1:
      if (changed.size() <= 20) return changed;
      return std::nullopt;
    case edtNone2:
      if (changed.size() <= 14) return changed;
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kvor::ui
