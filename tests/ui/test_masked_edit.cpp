// The masked entry fields: what typing, deleting and pasting leave in each kind of field, the
// change notice and OnChange of kept changes only, and stored values shown as they are.
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "ui/controls/masked_doc_edit.h"
#include "ui/controls/masked_edit.h"
#include "ui/shell/change_notice.h"

using kvor::ui::TMaskedDocEdit;
using kvor::ui::TMaskedEdit;
using kvor::ui::TMaskedField;

namespace {

// A window that counts the change notices of the fields inside it.
class NoticeCounter : public QWidget, public kvor::ui::TChangeNoticeReceiver {
 public:
  int Notices = 0;
  void ReceiveChangeNotice() override { ++Notices; }
};

// A field described as "currency 12 2", "digital 4", "char 0", "none 20" (kind, WholeLength,
// FractionalLength) or by a document layout: "R_BB", "99", "99_", "BB", "BB0", "None1",
// "None2", "BB5".
TMaskedField* MakeField(const QString& description, QWidget* parent) {
  const QStringList words = description.split(QLatin1Char(' '));
  const QString kind = words[0];
  auto length = [&](int i) { return static_cast<uint16_t>(words.value(i).toUInt()); };
  if (kind == QLatin1String("currency"))
    return new TMaskedEdit(TMaskedEdit::edtCurrency, length(1), length(2), parent);
  if (kind == QLatin1String("digital"))
    return new TMaskedEdit(TMaskedEdit::edtDigital, length(1), 0, parent);
  if (kind == QLatin1String("char"))
    return new TMaskedEdit(TMaskedEdit::edtChar, length(1), 0, parent);
  if (kind == QLatin1String("none"))
    return new TMaskedEdit(TMaskedEdit::edtNone, length(1), 0, parent);
  const QMap<QString, TMaskedDocEdit::TDocumentMaskEnum> layouts = {
      {QStringLiteral("R_BB"), TMaskedDocEdit::edtR_BB},
      {QStringLiteral("99"), TMaskedDocEdit::edt99},
      {QStringLiteral("99_"), TMaskedDocEdit::edt99_},
      {QStringLiteral("BB"), TMaskedDocEdit::edtBB},
      {QStringLiteral("BB0"), TMaskedDocEdit::edtBB0},
      {QStringLiteral("None1"), TMaskedDocEdit::edtNone1},
      {QStringLiteral("None2"), TMaskedDocEdit::edtNone2},
      {QStringLiteral("BB5"), TMaskedDocEdit::edtBB5},
  };
  if (!layouts.contains(kind)) return nullptr;
  auto* field = new TMaskedDocEdit(parent);
  field->SetEditType(layouts[kind]);
  return field;
}

void TypeChar(QWidget* field, QChar c, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::Key key =
      c.unicode() < 0x80 ? QTest::asciiToKey(static_cast<char>(c.unicode())) : Qt::Key_unknown;
  QTest::sendKeyEvent(QTest::Click, field, key, QString(c), modifiers);
}

void Paste(QLineEdit* field, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  field->paste();
}

// Plays the actions on the field: characters are typed one by one; {BS} is Backspace, {HOME},
// {END}, {LEFT} and {RIGHT} move the caret, {ALL} selects the whole text, {PASTE:text} pastes
// through the edit's paste command and {CTRLV:text} through the Ctrl+V key.
void Play(QLineEdit* field, const QString& actions) {
  for (qsizetype i = 0; i < actions.size(); ++i) {
    if (actions[i] != u'{') {
      TypeChar(field, actions[i]);
      continue;
    }
    const qsizetype end = actions.indexOf(u'}', i);
    const QString token = actions.mid(i + 1, end - i - 1);
    i = end;
    if (token == QLatin1String("BS"))
      QTest::keyClick(field, Qt::Key_Backspace);
    else if (token == QLatin1String("HOME"))
      QTest::keyClick(field, Qt::Key_Home);
    else if (token == QLatin1String("END"))
      QTest::keyClick(field, Qt::Key_End);
    else if (token == QLatin1String("LEFT"))
      QTest::keyClick(field, Qt::Key_Left);
    else if (token == QLatin1String("RIGHT"))
      QTest::keyClick(field, Qt::Key_Right);
    else if (token == QLatin1String("ALL"))
      field->selectAll();
    else if (token.startsWith(QLatin1String("PASTE:")))
      Paste(field, token.mid(6));
    else if (token.startsWith(QLatin1String("CTRLV:"))) {
      QGuiApplication::clipboard()->setText(token.mid(6));
      QTest::keySequence(field, QKeySequence::Paste);
    } else
      QFAIL(qPrintable(QStringLiteral("unknown action ") + token));
  }
}

}  // namespace

class TestMaskedEdit : public QObject {
  Q_OBJECT

 private slots:
  // What the user's keys and pastes leave in the field, starting from a stored text.
  void typing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");

    // Money: 12 whole digits and 2 decimals.
    QTest::newRow("currency 12+2") << "currency 12 2"
                                   << ""
                                   << "123456789012,34"
                                   << "123456789012,34";
    QTest::newRow("currency 13th whole digit") << "currency 12 2"
                                               << ""
                                               << "1234567890123"
                                               << "123456789012";
    QTest::newRow("currency third decimal") << "currency 12 2"
                                            << ""
                                            << "5,678"
                                            << "5,67";
    QTest::newRow("currency point types comma") << "currency 12 2"
                                                << ""
                                                << "12.5"
                                                << "12,5";
    QTest::newRow("currency second separator") << "currency 12 2"
                                               << ""
                                               << "1,2,.3"
                                               << "1,23";
    QTest::newRow("currency separator alone") << "currency 12 2"
                                              << ""
                                              << ","
                                              << "";
    QTest::newRow("currency letters and minus") << "currency 0 0"
                                                << ""
                                                << "-a1 b2+"
                                                << "12";
    QTest::newRow("currency any decimals") << "currency 0 0"
                                           << ""
                                           << "1,23456"
                                           << "1,23456";
    QTest::newRow("currency past the money range") << "currency 0 0"
                                                   << ""
                                                   << "12345678901234567890"
                                                   << "123456789012345";
    QTest::newRow("currency separator in the middle") << "currency 4 2"
                                                      << ""
                                                      << "1234{LEFT}{LEFT},"
                                                      << "12,34";
    QTest::newRow("currency separator leaving 3 decimals") << "currency 4 2"
                                                           << ""
                                                           << "1234{HOME},"
                                                           << "1234";
    QTest::newRow("currency paste 12a") << "currency 12 2"
                                        << "5"
                                        << "{PASTE:12a}"
                                        << "5";
    QTest::newRow("currency paste by key") << "currency 12 2"
                                           << "5"
                                           << "{CTRLV:12a}"
                                           << "5";
    QTest::newRow("currency paste blanks") << "currency 12 2"
                                           << "5"
                                           << "{ALL}{PASTE:   }"
                                           << "";
    QTest::newRow("currency paste too long") << "currency 4 2"
                                             << ""
                                             << "{PASTE:12345}"
                                             << "";
    QTest::newRow("currency paste number") << "currency 12 2"
                                           << ""
                                           << "{PASTE:1500,5}"
                                           << "1500,5";
    QTest::newRow("currency paste negative") << "currency 12 2"
                                             << "7"
                                             << "{ALL}{PASTE:-5}"
                                             << "7";
    QTest::newRow("currency paste point") << "currency 12 2"
                                          << ""
                                          << "{PASTE:1.5}"
                                          << "";
    QTest::newRow("currency backspace") << "currency 12 2"
                                        << "12,5"
                                        << "{END}{BS}{BS}"
                                        << "12";

    // Digits only.
    QTest::newRow("digital 13th digit") << "digital 12"
                                        << ""
                                        << "1234567890123"
                                        << "123456789012";
    QTest::newRow("digital 13th digit over a selection") << "digital 12"
                                                         << "123456789012"
                                                         << "{ALL}9"
                                                         << "123456789012";
    QTest::newRow("digital letters") << "digital 4"
                                     << ""
                                     << "1a2 3"
                                     << "123";
    QTest::newRow("digital paste with blank") << "digital 12"
                                              << "12"
                                              << "{PASTE: 3}"
                                              << "12";
    QTest::newRow("digital paste too long") << "digital 3"
                                            << ""
                                            << "{PASTE:1234}"
                                            << "";

    // Text without digits.
    QTest::newRow("char digits typed") << "char 0"
                                       << ""
                                       << "Ив1ан2"
                                       << "Иван";
    QTest::newRow("char digits pasted") << "char 0"
                                        << "Иван"
                                        << "{PASTE:3}"
                                        << "Иван";
    QTest::newRow("char length") << "char 3"
                                 << ""
                                 << "абвг"
                                 << "абв";
    QTest::newRow("none length") << "none 5"
                                 << ""
                                 << "а1 б2 в"
                                 << "а1 б2";

    // Roman numeral series.
    QTest::newRow("R_BB 1111") << "R_BB"
                               << ""
                               << "1111"
                               << "III";
    QTest::newRow("R_BB IV") << "R_BB"
                             << ""
                             << "1V"
                             << "IV";
    QTest::newRow("R_BB XL") << "R_BB"
                             << ""
                             << "xl"
                             << "XL";
    QTest::newRow("R_BB LXL") << "R_BB"
                              << ""
                              << "XL{HOME}L"
                              << "XL";
    QTest::newRow("R_BB Cyrillic look-alikes") << "R_BB"
                                               << ""
                                               << "Хху"
                                               << "XXV";
    QTest::newRow("R_BB other digits") << "R_BB"
                                       << ""
                                       << "2X9"
                                       << "X";
    QTest::newRow("R_BB full series") << "R_BB"
                                      << ""
                                      << "IV-аб123456"
                                      << "IV-АБ 123456";
    QTest::newRow("R_BB seventh digit") << "R_BB"
                                        << ""
                                        << "IV-аб1234567"
                                        << "IV-АБ 123456";
    QTest::newRow("R_BB third letter") << "R_BB"
                                       << ""
                                       << "IV-абв"
                                       << "IV-АБ ";
    QTest::newRow("R_BB second dash") << "R_BB"
                                      << ""
                                      << "X-а-б"
                                      << "X-АБ";
    QTest::newRow("R_BB key 1 stays canonical") << "R_BB"
                                                << "X-АБ"
                                                << "{HOME}{RIGHT}1"
                                                << "XI-АБ";
    QTest::newRow("R_BB key 1 not canonical") << "R_BB"
                                              << "IV-АБ"
                                              << "{HOME}1"
                                              << "IV-АБ";
    QTest::newRow("R_BB digit before the dash") << "R_BB"
                                                << "X-АБ"
                                                << "{HOME}{RIGHT}2"
                                                << "X-АБ";
    QTest::newRow("R_BB paste lowercase") << "R_BB"
                                          << ""
                                          << "{PASTE:xiv-аб 12}"
                                          << "XIV-АБ 12";
    QTest::newRow("R_BB paste 1 in the numeral") << "R_BB"
                                                 << ""
                                                 << "{PASTE:11-АБ}"
                                                 << "II-АБ";
    QTest::newRow("R_BB paste IIII") << "R_BB"
                                     << ""
                                     << "{PASTE:IIII}"
                                     << "";
    QTest::newRow("R_BB paste ten letters") << "R_BB"
                                            << ""
                                            << "{PASTE:CCCCCCCCCC}"
                                            << "";
    QTest::newRow("R_BB paste Latin series") << "R_BB"
                                             << ""
                                             << "{PASTE:I-AB}"
                                             << "";

    // Digit groups.
    QTest::newRow("99 groups") << "99"
                               << ""
                               << "123456789"
                               << "12 3456789";
    QTest::newRow("99 eighth digit") << "99"
                                     << ""
                                     << "1234567890"
                                     << "12 3456789";
    QTest::newRow("99 space typed") << "99"
                                    << ""
                                    << "12 3"
                                    << "12 3";
    QTest::newRow("99 paste") << "99"
                              << ""
                              << "{PASTE:123 45}"
                              << "";
    QTest::newRow("99_ ten digits") << "99_"
                                    << ""
                                    << "1234567890"
                                    << "12 34 567890";
    QTest::newRow("99_ eleventh digit") << "99_"
                                        << ""
                                        << "12345678901"
                                        << "12 34 567890";
    QTest::newRow("99_ paste") << "99_"
                               << ""
                               << "{PASTE:12 34 5678}"
                               << "12 34 5678";
    QTest::newRow("99_ paste three in the middle") << "99_"
                                                   << ""
                                                   << "{PASTE:12 345 6}"
                                                   << "";

    // Letters and digits.
    QTest::newRow("BB series") << "BB"
                               << ""
                               << "аб123456"
                               << "АБ 123456";
    QTest::newRow("BB seventh digit") << "BB"
                                      << ""
                                      << "аб1234567"
                                      << "АБ 123456";
    QTest::newRow("BB Latin letters") << "BB"
                                      << ""
                                      << "abАБ"
                                      << "АБ";
    QTest::newRow("BB yo") << "BB"
                           << ""
                           << "ёЁА"
                           << "А";
    QTest::newRow("BB0 seven digits") << "BB0"
                                      << ""
                                      << "аб12345678"
                                      << "АБ 1234567";
    QTest::newRow("BB paste lowercase") << "BB"
                                        << ""
                                        << "{PASTE:вг 12}"
                                        << "ВГ 12";
    QTest::newRow("BB5 series") << "BB5"
                                << ""
                                << "аб12345"
                                << "АБ-12345";
    QTest::newRow("BB5 sixth digit") << "BB5"
                                     << ""
                                     << "аб123456"
                                     << "АБ-12345";
    QTest::newRow("BB5 dash typed") << "BB5"
                                    << ""
                                    << "аб-1"
                                    << "АБ-1";

    // Free text of limited length.
    QTest::newRow("None1 21st character") << "None1"
                                          << ""
                                          << "абвгдежзиклмнопрстуфх"
                                          << "абвгдежзиклмнопрстуф";
    QTest::newRow("None1 backspace at 20") << "None1"
                                           << "абвгдежзиклмнопрстуф"
                                           << "{END}{BS}я"
                                           << "абвгдежзиклмнопрстуя";
    QTest::newRow("None2 15th character") << "None2"
                                          << ""
                                          << "123456789012345"
                                          << "12345678901234";
  }
  void typing() {
    QFETCH(QString, field);
    QFETCH(QString, stored);
    QFETCH(QString, actions);
    QFETCH(QString, expected);
    QWidget window;
    TMaskedField* edit = MakeField(field, &window);
    QVERIFY(edit);
    edit->setText(stored);
    edit->setCursorPosition(static_cast<int>(stored.size()));
    Play(edit, actions);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(edit->LastAcceptedText(), expected);
  }

  // A capital typed with Shift enters as that same capital.
  void shiftedCapital() {
    TMaskedDocEdit edit;
    edit.SetEditType(TMaskedDocEdit::edtBB);
    TypeChar(&edit, QChar(u'Ж'), Qt::ShiftModifier);
    TypeChar(&edit, QChar(u'Щ'), Qt::ShiftModifier);
    QCOMPARE(edit.text(), QStringLiteral("ЖЩ"));
  }

  // Characters that Windows-1251 cannot hold are refused, typed or pasted, in every kind of
  // field that otherwise takes any text.
  void outsideCp1251_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("foreign");
    for (const char* field : {"none 0", "char 0", "None1"}) {
      QTest::addRow("%s umlaut", field) << field << QStringLiteral("ä");
      QTest::addRow("%s CJK", field) << field << QStringLiteral("中");
      QTest::addRow("%s emoji", field) << field << QStringLiteral("😀");
    }
  }
  void outsideCp1251() {
    QFETCH(QString, field);
    QFETCH(QString, foreign);
    QWidget window;
    TMaskedField* edit = MakeField(field, &window);
    Play(edit, QStringLiteral("Ъ№"));
    QCOMPARE(edit->text(), QStringLiteral("Ъ№"));  // both are Windows-1251 characters
    for (QChar c : foreign) TypeChar(edit, c);
    QCOMPARE(edit->text(), QStringLiteral("Ъ№"));
    Paste(edit, QStringLiteral("а") + foreign);
    QCOMPARE(edit->text(), QStringLiteral("Ъ№"));
    Paste(edit, QStringLiteral("«»"));
    QCOMPARE(edit->text(), QStringLiteral("Ъ№«»"));
  }

  // A kept change tells the main window and raises OnChange once; a refused key or change, or
  // setting the text the field already shows, does neither.
  void changeNoticeAndOnChange() {
    NoticeCounter window;
    auto* edit = new TMaskedEdit(TMaskedEdit::edtCurrency, 12, 2, &window);
    QSignalSpy changes(edit, &TMaskedEdit::OnChange);

    Play(edit, QStringLiteral("1"));
    QCOMPARE(window.Notices, 1);
    QCOMPARE(changes.count(), 1);

    Play(edit, QStringLiteral("a,,{PASTE:x}"));  // refused key, then the second separator
    QCOMPARE(edit->text(), QStringLiteral("1,"));
    QCOMPARE(window.Notices, 2);
    QCOMPARE(changes.count(), 2);

    Paste(edit, QStringLiteral("1a"));  // refused paste
    QCOMPARE(edit->text(), QStringLiteral("1,"));
    QCOMPARE(window.Notices, 2);
    QCOMPARE(changes.count(), 2);

    edit->setText(QStringLiteral("1,"));  // the same text
    QCOMPARE(window.Notices, 2);
    QCOMPARE(changes.count(), 2);

    edit->setText(QStringLiteral("7"));  // the program's own value
    QCOMPARE(changes.count(), 3);
    QCOMPARE(window.Notices, 3);

    edit->selectAll();
    Paste(edit, QStringLiteral("  "));  // emptied
    QCOMPARE(edit->text(), QString());
    QCOMPARE(changes.count(), 4);
    QCOMPARE(window.Notices, 4);
  }

  // The notice reaches the main window before OnChange runs.
  void noticeBeforeOnChange() {
    NoticeCounter window;
    auto* edit = new TMaskedEdit(TMaskedEdit::edtNone, 0, 0, &window);
    int noticesSeen = -1;
    connect(edit, &TMaskedEdit::OnChange, this, [&] { noticesSeen = window.Notices; });
    Play(edit, QStringLiteral("a"));
    QCOMPARE(noticesSeen, 1);
  }

  // The separator the document field inserts by itself is a kept change too.
  void insertedSeparatorIsKept() {
    NoticeCounter window;
    auto* edit = new TMaskedDocEdit(&window);
    edit->SetEditType(TMaskedDocEdit::edtBB);
    QSignalSpy changes(edit, &TMaskedDocEdit::OnChange);
    Play(edit, QStringLiteral("аб "));
    QCOMPARE(edit->text(), QStringLiteral("АБ "));
    QCOMPARE(edit->LastAcceptedText(), QStringLiteral("АБ "));
    QCOMPARE(changes.count(), 3);
    QCOMPARE(window.Notices, 3);
  }

  // A value the program puts into a field (from the return, or taken over from an earlier
  // year's file) is shown as it is, even where the field's layout would refuse it from the
  // keyboard; a refused edit afterwards goes back to that value, never to an empty field.
  void storedValuesShownAsTheyAre_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("refusedEdit");
    QTest::newRow("longer than the field") << "digital 4"
                                           << "77012"
                                           << "{END}5";
    QTest::newRow("money with a point") << "currency 12 2"
                                        << "1500.55"
                                        << "{PASTE:x}";
    QTest::newRow("money with 3 decimals") << "currency 12 2"
                                           << "1,125"
                                           << "{END}9";
    QTest::newRow("name with digits") << "char 0"
                                      << "Иванов 2"
                                      << "{PASTE:7}";
    QTest::newRow("series of an old layout") << "BB"
                                             << "IV-АБ 123456"
                                             << "{END}7";
    QTest::newRow("series with lowercase") << "BB5"
                                           << "аб-123"
                                           << "{PASTE:-}";
    QTest::newRow("long document") << "None2"
                                   << "123456789012345678"
                                   << "{END}9";
  }
  void storedValuesShownAsTheyAre() {
    QFETCH(QString, field);
    QFETCH(QString, stored);
    QFETCH(QString, refusedEdit);
    QWidget window;
    TMaskedField* edit = MakeField(field, &window);
    edit->setText(stored);
    QCOMPARE(edit->text(), stored);
    QCOMPARE(edit->LastAcceptedText(), stored);
    Play(edit, refusedEdit);
    QCOMPARE(edit->text(), stored);
  }

  // Enter is never put into the text: the dialog around the field takes it as OK.
  void enterConfirmsTheDialog() {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new TMaskedEdit(TMaskedEdit::edtNone, 0, 0, &dialog);
    auto* ok = new QPushButton(QStringLiteral("Да"), &dialog);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(edit);
    layout->addWidget(ok);
    dialog.show();
    edit->setFocus();
    Play(edit, QStringLiteral("аб"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(edit->text(), QStringLiteral("аб"));
  }

  void romanNumerals_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("4") << 4 << "IV";
    QTest::newRow("9") << 9 << "IX";
    QTest::newRow("14") << 14 << "XIV";
    QTest::newRow("40") << 40 << "XL";
    QTest::newRow("49") << 49 << "XLIX";
    QTest::newRow("90") << 90 << "XC";
    QTest::newRow("99") << 99 << "XCIX";
    QTest::newRow("400 has no subtractive form") << 400 << "CCCC";
    QTest::newRow("0") << 0 << "";
  }
  void romanNumerals() {
    QFETCH(int, number);
    QFETCH(QString, numeral);
    QCOMPARE(kvor::ui::NumberToRoman(number), numeral);
    QCOMPARE(kvor::ui::RomanToNumber(numeral), number);
    QVERIFY(kvor::ui::IsCanonicalRoman(numeral));
  }
  void nonCanonicalNumerals() {
    for (const char* numeral : {"IIII", "LXL", "VV", "IC", "XXXX", "IVI"})
      QVERIFY2(!kvor::ui::IsCanonicalRoman(QLatin1String(numeral)), numeral);
    QCOMPARE(kvor::ui::RomanToNumber(QStringLiteral("LXL")), 90);
  }
};

QTEST_MAIN(TestMaskedEdit)
#include "test_masked_edit.moc"
