// The taxpayer section: its two pages, what they show of a return and store into it, the entry
// limits, the document type, region and country pickers, the leave checks with their jump to the
// field, and the whole-return check's jump to the pages.
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <deque>

#include "core/common/codec.h"
#include "core/directories/document_types_regions.h"
#include "core/model/declaration.h"
#include "ui/controls/flash_button.h"
#include "ui/controls/masked_doc_edit.h"
#include "ui/controls/masked_edit.h"
#include "ui/dialogs/list_picker.h"
#include "ui/screens/date_field.h"
#include "ui/screens/frame_person_data.h"
#include "ui/shell/form_main.h"
#include "ui/shell/program_folder.h"
#include "ui_test_support.h"

using kvor::Date;
using kvor::mTDeclaration;
using kvor::mTPersonInformation;
using kvor::test::CheckAnswers;
using kvor::test::ScriptedDialogs;
using kvor::test::WhenModalShows;
using kvor::ui::TDateField;
using kvor::ui::TfmDocType;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TfrPersonAddress;
using kvor::ui::TfrPersonData;
using kvor::ui::TfrPersonNaim;
using kvor::ui::TListPicker;
using kvor::ui::TMaskedDocEdit;
using kvor::ui::TMaskedEdit;
using kvor::ui::TSection;

namespace {

Date Day(int year, int month, int day) {
  return *Date::FromYMD(year, month, day);
}

constexpr const char* kValidInn = "500100732259";

// A taxpayer whose name page passes its check: name and a valid ИНН.
void ValidName(mTPersonInformation& p) {
  p.SurName = "Иванов";
  p.Name = "Иван";
  p.INN = kValidInn;
}

// And whose address page passes too.
void ValidAddress(mTPersonInformation& p) {
  p.RegionCode = 77;
  p.RegionName = "г. Москва";
  p.Street = "Тверская";
  p.OKTMO = "45382000";
}

// The messages as the check dialog shows them.
QStringList Shown(const QStringList& messages) {
  QStringList shown;
  for (const QString& message : messages)
    shown << QStringLiteral("Проверка: Сведения о декларанте: ") + message;
  return shown;
}

// Answers the next list picker that comes up (other modal windows are left alone): remembers its
// name and the code of its selected row ("-" for none), then selects the row of `choose` and
// confirms, confirms with no row chosen (`choose` "OK"), or cancels (`choose` empty).
class PickerAnswer : public QObject {
 public:
  explicit PickerAnswer(QString choose = {}) : choose_(std::move(choose)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* picker = qobject_cast<TListPicker*>(QApplication::activeModalWidget());
      if (!picker || !picker->isVisible()) return;
      timer_.stop();
      Name = picker->objectName();
      Title = picker->windowTitle();
      Columns = picker->lvList->headerItem()->text(0) + QLatin1Char('|') +
                picker->lvList->headerItem()->text(1);
      Rows = picker->lvList->topLevelItemCount();
      QList<QTreeWidgetItem*> selected = picker->lvList->selectedItems();
      Selected = selected.isEmpty() ? QStringLiteral("-") : selected.front()->text(0);
      if (choose_.isEmpty()) {
        picker->bnCansel->click();
        return;
      }
      if (choose_ != QLatin1String("OK")) {
        QList<QTreeWidgetItem*> rows = picker->lvList->findItems(choose_, Qt::MatchExactly, 0);
        if (rows.isEmpty()) {
          Name += QStringLiteral(" without ") + choose_;
          picker->bnCansel->click();
          return;
        }
        picker->lvList->setCurrentItem(rows.front());
      }
      picker->bnYes->click();
    });
    timer_.start();
  }

  QString Name;  // empty while no picker came up
  QString Title;
  QString Columns;
  int Rows = 0;
  QString Selected;

 private:
  QTimer timer_;
  QString choose_;
};

// The field each check message of the two pages leads to: the widget that then has the focus,
// or the picker that opens.
const QMap<QString, QString> kFieldOfMessage = {
    {QStringLiteral("Не введена фамилия"), QStringLiteral("meSurName")},
    {QStringLiteral("Не введено имя"), QStringLiteral("meName")},
    {QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"), QStringLiteral("meINN")},
    {QStringLiteral("Номер ИНН введен неверно"), QStringLiteral("meINN")},
    {QStringLiteral("Не указан ИНН"), QStringLiteral("meINN")},
    {QStringLiteral("Не указано место рождения"), QStringLiteral("meMesto")},
    {QStringLiteral("Не указан документ, удостоверяющий личность"), QStringLiteral("TfmDocType")},
    {QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"),
     QStringLiteral("meSerial")},
    {QStringLiteral("Дата выдачи документа не может быть меньше даты рождения"),
     QStringLiteral("dtRegDate")},
    {QStringLiteral("Дата выдачи документа должна быть больше даты рождения как минимум на 14 "
                    "лет"),
     QStringLiteral("dtRegDate")},
    {QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность"),
     QStringLiteral("meKem")},
    {QStringLiteral("Не введен код ОКТМО(8 или 11 символов)"), QStringLiteral("meOKATO")},
    {QStringLiteral("Не указан регион постоянного местожительства"),
     QStringLiteral("TfmRegionName")},
    {QStringLiteral("Почтовый индекс должен содержать ровно 6 цифр"),
     QStringLiteral("mePostIndex")},
    {QStringLiteral("Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"),
     QStringLiteral("meArea")},
    {QStringLiteral("Код ОКТМО должен содержать 8 или 11 символов"), QStringLiteral("meOKATO")},
};

// The field codes of the same messages.
const QMap<QString, int> kCodeOfMessage = {
    {QStringLiteral("Не введена фамилия"), 1},
    {QStringLiteral("Не введено имя"), 2},
    {QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"), 4},
    {QStringLiteral("Номер ИНН введен неверно"), 4},
    {QStringLiteral("Не указан ИНН"), 4},
    {QStringLiteral("Не указано место рождения"), 9},
    {QStringLiteral("Не указан документ, удостоверяющий личность"), 5},
    {QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"), 6},
    {QStringLiteral("Дата выдачи документа не может быть меньше даты рождения"), 7},
    {QStringLiteral("Дата выдачи документа должна быть больше даты рождения как минимум на 14 "
                    "лет"),
     7},
    {QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность"), 8},
    {QStringLiteral("Не введен код ОКТМО(8 или 11 символов)"), 10},
    {QStringLiteral("Не указан регион постоянного местожительства"), 2},
    {QStringLiteral("Почтовый индекс должен содержать ровно 6 цифр"), 6},
    {QStringLiteral("Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"),
     5},
    {QStringLiteral("Код ОКТМО должен содержать 8 или 11 символов"), 4},
};

}  // namespace

class TestPersonData : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  QTemporaryDir folder_;  // the program folder
  std::shared_ptr<ScriptedDialogs> dialogs_;

  std::unique_ptr<TFormMain> Start(QStringList arguments = {}) {
    dialogs_ = std::make_shared<ScriptedDialogs>();
    TFormMainSetup setup;
    setup.Arguments = std::move(arguments);
    setup.Dialogs = dialogs_;
    return std::make_unique<TFormMain>(std::move(setup));
  }
  // Starts the window over a return with an inspection, changed by `edit`, and opens the
  // taxpayer section.
  std::unique_ptr<TFormMain> StartWith(const std::function<void(mTDeclaration&)>& edit) {
    mTDeclaration declaration;
    declaration.PrepareNew();
    declaration.InspectionNumber = "7701";
    edit(declaration);
    const QString path = folder_.filePath(QStringLiteral("return.kv4"));
    declaration.SaveToFile(path.toStdString());
    auto main = Start({path});
    main->SectionButton(TSection::kPersonData)->Click();
    if (!qobject_cast<TfrPersonData*>(main->CurrentScreen()))
      qFatal("the taxpayer screen is not shown");
    return main;
  }
  // The same, shown on the screen so that focus can be seen.
  std::unique_ptr<TFormMain> ShowWith(const std::function<void(mTDeclaration&)>& edit) {
    auto main = StartWith(edit);
    main->show();
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main.get())) qFatal("the window is not active");
    return main;
  }
  static TfrPersonData& Screen(TFormMain& main) {
    return *qobject_cast<TfrPersonData*>(main.CurrentScreen());
  }
  static TfrPersonNaim& Naim(TFormMain& main) {
    auto* page = qobject_cast<TfrPersonNaim*>(Screen(main).CurrentPage());
    if (!page) qFatal("the name page is not shown");
    return *page;
  }
  static TfrPersonAddress& Address(TFormMain& main) {
    auto* page = qobject_cast<TfrPersonAddress*>(Screen(main).CurrentPage());
    if (!page) qFatal("the address page is not shown");
    return *page;
  }
  // Types the text key by key (any character, Cyrillic too).
  static void Keys(QWidget* field, const QString& text) {
    for (QChar c : text) {
      const Qt::Key key =
          c.unicode() < 0x80 ? QTest::asciiToKey(static_cast<char>(c.unicode())) : Qt::Key_unknown;
      QTest::sendKeyEvent(QTest::Click, field, key, QString(c), Qt::NoModifier);
    }
  }
  // Replaces the field's text by typing.
  static void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    Keys(field, text);
  }

  // Runs the leave check of the page shown: first answering "Пропустить" to everything (the
  // messages in order), then, for each message in turn, skipping those before it and answering
  // "Исправить": the check gives the message's field code, and leaving the section through a
  // section button keeps the user on the page with that field focused or its picker open.
  void ExpectLeaveCheck(TFormMain& main, const QStringList& messages) {
    TfrPersonData& screen = Screen(main);
    const int page = screen.CurrentPageIndex();
    {
      CheckAnswers answers;
      QCOMPARE(screen.Check(), uint16_t{0});
      QCOMPARE(answers.Messages, Shown(messages));
    }
    for (int i = 0; i < messages.size(); ++i) {
      std::deque<const char*> buttons(static_cast<size_t>(i), "Button2");
      buttons.push_back("Button1");
      {
        CheckAnswers answers(buttons);
        PickerAnswer picker;
        QCOMPARE(int(screen.Check()), kCodeOfMessage.value(messages[i], -1));
        QCOMPARE(answers.Messages.size(), i + 1);
      }
      CheckAnswers answers(buttons);
      PickerAnswer picker;
      main.SectionButton(TSection::kInitialData)->Click();
      QCOMPARE(main.CurrentScreen(), &screen);
      QVERIFY(main.SectionButton(TSection::kPersonData)->Down());
      QCOMPARE(screen.CurrentPageIndex(), page);
      const QString field = kFieldOfMessage.value(messages[i]);
      if (field.startsWith(QLatin1String("Tfm"))) {
        QCOMPARE(picker.Name, field);
        continue;
      }
      QCOMPARE(picker.Name, QString());
      auto* widget = screen.CurrentPage()->findChild<QWidget*>(field);
      QVERIFY2(widget, qPrintable(field));
      QWidget* focused = main.focusWidget();  // the dialog's closing may leave the window inactive
      QVERIFY2(focused && (focused == widget || widget->isAncestorOf(focused)),
               qPrintable(messages[i] + QStringLiteral(" -> ") +
                          (focused ? focused->objectName() : QStringLiteral("nothing"))));
    }
  }

 private slots:
  void initTestCase() { kvor::ui::SetProgramFolder(folder_.path()); }
  void init() { settings_.Clear(); }

  // The section opens on the name page; 4-NDFL has no address page and asks for the ОКТМО and
  // the telephone on the name page instead of the birth data, the document and the citizenship.
  void pagesByFormType_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("3-NDFL") << 0;
    QTest::newRow("non-resident") << 1;
    QTest::newRow("4-NDFL") << 2;
  }
  void pagesByFormType() {
    QFETCH(int, type);
    auto main = StartWith([&](mTDeclaration& d) {
      d.DeclarationType = static_cast<uint8_t>(type);
      if (type == 2) d.SetIncomeFlags(0);
    });
    TfrPersonData& screen = Screen(*main);
    const bool four = type == 2;
    QCOMPARE(screen.CurrentPageIndex(), 0);
    QVERIFY(screen.fbPersonNaim->Down());
    QCOMPARE(screen.fbPersonNaim->Caption(), QStringLiteral("Персональные данные"));
    QCOMPARE(screen.fbPersonNaim->toolTip(),
             QStringLiteral("Сведения о ФИО и документе, удостоверяющем личность"));
    QCOMPARE(screen.fbPersonAddress->Caption(), QStringLiteral("Адрес"));
    QCOMPARE(screen.fbPersonAddress->toolTip(), QStringLiteral("Сведения о месте жительства"));
    QCOMPARE(screen.fbPersonAddress->isHidden(), four);

    TfrPersonNaim& page = Naim(*main);
    for (QWidget* widget :
         {static_cast<QWidget*>(page.gbDoc), static_cast<QWidget*>(page.gbGr),
          static_cast<QWidget*>(page.meMesto), static_cast<QWidget*>(page.dtBirthDate)})
      QCOMPARE(widget->isHidden(), four);
    for (QWidget* widget :
         {static_cast<QWidget*>(page.meOKATO), static_cast<QWidget*>(page.lbOKATO),
          static_cast<QWidget*>(page.meHomePhone)})
      QCOMPARE(widget->isHidden(), !four);
    QCOMPARE(page.lbOKATO->text(), QStringLiteral("ОКТМО"));
    QCOMPARE(page.gbFIO->title(), QStringLiteral("  Ф.И.О."));
    QCOMPARE(page.gbDoc->title(),
             QStringLiteral("  Сведения о документе, удостоверяющем личность"));
    QCOMPARE(page.gbGr->title(), QStringLiteral("  Данные о гражданстве"));
    QVERIFY(page.rbGr->isHidden() && page.rbBomzh->isHidden());
    QVERIFY(main->Saved());  // building the screen is no change
  }

  // Every value of the taxpayer is shown in its field, and storing the pages gives the record
  // back unchanged, hidden fields and the time of day of a date included.
  void storedValuesComeBack_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("3-NDFL") << 0;
    QTest::newRow("4-NDFL") << 2;
  }
  void storedValuesComeBack() {
    QFETCH(int, type);
    mTPersonInformation stored;
    auto main = StartWith([&](mTDeclaration& d) {
      d.DeclarationType = static_cast<uint8_t>(type);
      if (type == 2) d.SetIncomeFlags(0);
      mTPersonInformation& p = d.PersonInformation;
      p.SurName = "Петров";
      p.Name = "Пётр";
      p.Patronymic = "Петрович";
      p.INN = kValidInn;
      p.DocTypeCode = 21;
      p.DocTypeName = "Паспорт гражданина РФ";
      p.DocSerial = "45 06 123456";
      p.DocIssueDate = Date{Day(2003, 5, 14).Days + 0.5};
      p.BirthDate = Day(1980, 2, 29);
      p.DocIssuedBy = "ОВД района Арбат г. Москвы";
      p.BirthPlace = "г. Москва";
      p.CitizenshipSign = "2";
      p.CitizenshipName = "ГЕРМАНИЯ";
      p.CountryCode = "276";
      p.AddressKind = 1;
      p.PostIndex = "119002";
      p.RegionCode = 77;
      p.RegionName = "г. Москва";
      p.District = "Центральный";
      p.City = "Москва";
      p.Locality = "пос. Внуково";
      p.Street = "Арбат";
      p.House = "10";
      p.Building = "2";
      p.Flat = "15";
      p.OKTMO = "45374000";
      p.HomePhone = "4951234567";
      p.ForeignAddress = "Berlin, Unter den Linden 1";
      p.WorkPhone1 = "84951112233";
      stored = p;
    });
    const mTPersonInformation& p = main->Declaration().PersonInformation;
    TfrPersonNaim& naim = Naim(*main);
    QCOMPARE(naim.meSurName->text(), QStringLiteral("Петров"));
    QCOMPARE(naim.meName->text(), QStringLiteral("Пётр"));
    QCOMPARE(naim.mePatronymic->text(), QStringLiteral("Петрович"));
    QCOMPARE(naim.meINN->text(), QString::fromLatin1(kValidInn));
    QCOMPARE(naim.meMesto->text(), QStringLiteral("г. Москва"));
    QCOMPARE(naim.meOKATO->text(), QStringLiteral("45374000"));
    QCOMPARE(naim.meHomePhone->text(), QStringLiteral("4951234567"));
    QCOMPARE(naim.pnlDocType->text(), QStringLiteral("Паспорт гражданина РФ"));
    QCOMPARE(naim.meSerial->text(), QStringLiteral("45 06 123456"));
    QCOMPARE(naim.meSerial->EditType(), TMaskedDocEdit::edt99_);
    QVERIFY(naim.meSerial->isEnabled() && naim.dtRegDate->isEnabled() && naim.meKem->isEnabled());
    QCOMPARE(naim.meKem->text(), QStringLiteral("ОВД района Арбат г. Москвы"));
    QCOMPARE(naim.dtRegDate->date(), QDate(2003, 5, 14));
    QCOMPARE(naim.dtBirthDate->date(), QDate(1980, 2, 29));
    QCOMPARE(naim.dtBirthDate->maximumDate(), QDate::currentDate());
    QCOMPARE(naim.dtRegDate->maximumDate(), QDate::currentDate());
    QCOMPARE(naim.meKodGrazhd->text(), QStringLiteral("276"));
    QCOMPARE(naim.meCitizenship->text(), QStringLiteral("ГЕРМАНИЯ"));
    QVERIFY(naim.rbBomzh->isChecked());
    naim.Store();
    QCOMPARE(p, stored);
    if (type == 2) return;

    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    TfrPersonAddress& address = Address(*main);
    QVERIFY(address.rbPreb->isChecked());
    QCOMPARE(address.mePostIndex->text(), QStringLiteral("119002"));
    QCOMPARE(address.pnlRegion->text(), QStringLiteral("г. Москва"));
    QCOMPARE(address.meDistrict->text(), QStringLiteral("Центральный"));
    QCOMPARE(address.meCity->text(), QStringLiteral("Москва"));
    QCOMPARE(address.meArea->text(), QStringLiteral("пос. Внуково"));
    QCOMPARE(address.meStreet->text(), QStringLiteral("Арбат"));
    QCOMPARE(address.meHouse->text() + address.meBuilding->text() + address.meFlat->text(),
             QStringLiteral("10215"));
    QCOMPARE(address.meOKATO->text(), QStringLiteral("45374000"));
    QCOMPARE(address.meHomePhone->text(), QStringLiteral("4951234567"));
    QCOMPARE(address.meAdr->text(), QStringLiteral("Berlin, Unter den Linden 1"));
    QCOMPARE(address.GroupBox1->title(), QStringLiteral("   Адрес за пределами РФ"));
    QCOMPARE(address.GroupBox3->title(), QStringLiteral("  Адрес в Российской Федерации"));
    QVERIFY(!address.GroupBox2->isHidden());
    address.Store();
    QCOMPARE(p, stored);
    QVERIFY(main->Saved());
  }

  // A new return: no document type, so its fields are closed; a citizen of Russia; the address
  // of residence.
  void newTaxpayer() {
    auto main = StartWith([](mTDeclaration&) {});
    TfrPersonNaim& naim = Naim(*main);
    QCOMPARE(naim.pnlDocType->text(), QString());
    QVERIFY(!naim.meSerial->isEnabled() && !naim.dtRegDate->isEnabled() &&
            !naim.meKem->isEnabled());
    QVERIFY(naim.bnDocType->isEnabled());
    QCOMPARE(naim.meSerial->EditType(), TMaskedDocEdit::edtNone1);
    QCOMPARE(naim.dtBirthDate->date(), QDate(1977, 1, 1));
    QVERIFY(naim.rbGr->isChecked());
    QCOMPARE(naim.meKodGrazhd->text(), QStringLiteral("643"));
    QCOMPARE(naim.meCitizenship->text(), QStringLiteral("РОССИЯ"));
    naim.Store();
    QCOMPARE(main->Declaration().PersonInformation.CitizenshipSign, std::string("1"));
    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    QVERIFY(Address(*main).rbReg->isChecked());
    QCOMPARE(Address(*main).RegionCode(), uint16_t{0});
  }

  // A series stored without a document type name (a file of an earlier year) is kept: the page
  // shows it, closed to editing, and stores it again.
  void seriesWithoutTypeNameIsKept() {
    auto main = StartWith([](mTDeclaration& d) {
      d.PersonInformation.DocTypeCode = 21;
      d.PersonInformation.DocSerial = "45 06 123456";
    });
    TfrPersonNaim& naim = Naim(*main);
    QVERIFY(!naim.meSerial->isEnabled());
    naim.Store();
    QCOMPARE(main->Declaration().PersonInformation.DocSerial, std::string("45 06 123456"));
    QCOMPARE(main->Declaration().PersonInformation.DocTypeCode, uint16_t{21});
  }

  // A birth date later than today is shown as today, and stored as it was unless the user
  // changes it.
  void dateBeyondTheLatestIsKept() {
    const Date future = Date{Date::Today().Days + 400};
    auto main = StartWith([&](mTDeclaration& d) { d.PersonInformation.BirthDate = future; });
    TfrPersonNaim& naim = Naim(*main);
    QCOMPARE(naim.dtBirthDate->date(), QDate::currentDate());
    naim.Store();
    QCOMPARE(main->Declaration().PersonInformation.BirthDate, future);
    naim.dtBirthDate->setDate(QDate(1990, 6, 1));
    naim.Store();
    QCOMPARE(main->Declaration().PersonInformation.BirthDate, Day(1990, 6, 1));
    QVERIFY(!main->Saved());
  }

  // What the user may type in each field.
  void entryLimits_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QString letters40 = QString(40, QChar(u'ж'));
    const QString digits25 = QStringLiteral("1234567890123456789012345");
    QTest::newRow("surname 33") << 0 << "meSurName" << letters40 << QString(33, QChar(u'ж'));
    QTest::newRow("name 33") << 0 << "meName" << letters40 << QString(33, QChar(u'ж'));
    QTest::newRow("patronymic 33") << 0 << "mePatronymic" << letters40 << QString(33, QChar(u'ж'));
    QTest::newRow("ИНН digits 12")
        << 0 << "meINN" << QStringLiteral("12a345678901234") << QStringLiteral("123456789012");
    QTest::newRow("birth place 128")
        << 0 << "meMesto" << QString(130, QChar(u'м')) << QString(128, QChar(u'м'));
    QTest::newRow("issued by 128")
        << 0 << "meKem" << QString(130, QChar(u'к')) << QString(128, QChar(u'к'));
    QTest::newRow("postcode digits 6")
        << 1 << "mePostIndex" << QStringLiteral("1190025") << QStringLiteral("119002");
    QTest::newRow("district 40") << 1 << "meDistrict" << letters40 + QStringLiteral("ж")
                                 << letters40;
    QTest::newRow("city 40") << 1 << "meCity" << letters40 + QStringLiteral("ж") << letters40;
    QTest::newRow("locality 40") << 1 << "meArea" << letters40 + QStringLiteral("ж") << letters40;
    QTest::newRow("street 40") << 1 << "meStreet" << letters40 + QStringLiteral("ж") << letters40;
    QTest::newRow("house 20") << 1 << "meHouse" << digits25 << digits25.left(20);
    QTest::newRow("building 20") << 1 << "meBuilding" << digits25 << digits25.left(20);
    QTest::newRow("flat 20") << 1 << "meFlat" << digits25 << digits25.left(20);
    QTest::newRow("ОКТМО digits 11")
        << 1 << "meOKATO" << QStringLiteral("45 3830001234") << QStringLiteral("45383000123");
    QTest::newRow("telephone digits 20")
        << 1 << "meHomePhone" << QStringLiteral("+") + digits25 << digits25.left(20);
    QTest::newRow("address abroad 140")
        << 1 << "meAdr" << QString(150, QChar(u'a')) << QString(140, QChar(u'a'));
  }
  void entryLimits() {
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto main = StartWith([](mTDeclaration& d) {
      d.PersonInformation.DocTypeCode = 91;
      d.PersonInformation.DocTypeName = "Иные документы";
    });
    Screen(*main).ShowPage(page, 0);
    auto* edit = Screen(*main).CurrentPage()->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    Keys(edit, typed);
    QCOMPARE(edit->text(), shown);
    QVERIFY(!main->Saved());
  }

  // The country fields are shown only: the picker sets them.
  void countryFieldsAreReadOnly() {
    auto main = StartWith([](mTDeclaration&) {});
    TfrPersonNaim& naim = Naim(*main);
    Keys(naim.meKodGrazhd, QStringLiteral("276"));
    Keys(naim.meCitizenship, QStringLiteral("X"));
    QCOMPARE(naim.meKodGrazhd->text(), QStringLiteral("643"));
    QCOMPARE(naim.meCitizenship->text(), QStringLiteral("РОССИЯ"));
    QVERIFY(main->Saved());
  }

  // The leave check of the name page: its messages in order, the field code of each, and
  // "Исправить" on each leaving the user on the page with that field focused (or its picker
  // open).
  void namePageCheck_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("docType");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("issuedBy");
    QTest::addColumn<QDate>("born");
    QTest::addColumn<QDate>("issued");
    QTest::addColumn<QString>("oktmo");
    QTest::addColumn<QStringList>("messages");
    const QString inn = QString::fromLatin1(kValidInn);
    const QDate born(1980, 2, 29);
    const QDate issued(1994, 2, 28);
    const QString place = QStringLiteral("Не указано место рождения");
    const QString document = QStringLiteral("Не указан документ, удостоверяющий личность");
    QTest::newRow("name and ИНН") << 0 << "Иванов"
                                  << "Иван" << inn << "" << 0 << ""
                                  << "" << born << issued << "" << QStringList{};
    QTest::newRow("nothing") << 0 << ""
                             << ""
                             << ""
                             << "" << 0 << ""
                             << "" << born << issued << ""
                             << QStringList{QStringLiteral("Не введена фамилия"),
                                            QStringLiteral("Не введено имя"),
                                            QStringLiteral("Не указан ИНН"), place, document};
    QTest::newRow("short ИНН") << 0 << "Иванов"
                               << "Иван"
                               << "50010073225"
                               << "" << 0 << ""
                               << "" << born << issued << ""
                               << QStringList{
                                      QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"),
                                      place, document};
    QTest::newRow("wrong check digits")
        << 0 << "Иванов"
        << "Иван"
        << "500100732258"
        << "" << 0 << ""
        << "" << born << issued << ""
        << QStringList{QStringLiteral("Номер ИНН введен неверно"), place, document};
    QTest::newRow("no ИНН, place and document")
        << 0 << "Иванов"
        << "Иван"
        << ""
        << "г. Тула" << 21 << "45 06 123456"
        << "ОВД" << born << issued << "" << QStringList{QStringLiteral("Не указан ИНН")};
    QTest::newRow("blank place") << 0 << "Иванов"
                                 << "Иван"
                                 << ""
                                 << "   " << 10 << "X1"
                                 << "ОВД" << born << issued << ""
                                 << QStringList{QStringLiteral("Не указан ИНН"), place};
    QTest::newRow("document without details")
        << 0 << "Иванов"
        << "Иван" << inn << "" << 21 << ""
        << "" << QDate(1977, 1, 1) << QDate(1990, 1, 1) << ""
        << QStringList{
               QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"),
               QStringLiteral(
                   "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"),
               QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность")};
    QTest::newRow("issued before birth")
        << 0 << "Иванов"
        << "Иван" << inn << "" << 10 << "X1"
        << "ОВД" << QDate(1980, 5, 5) << QDate(1980, 5, 4) << ""
        << QStringList{QStringLiteral("Дата выдачи документа не может быть меньше даты рождения")};
    QTest::newRow("4-NDFL short ОКТМО")
        << 2 << "Иванов"
        << "Иван" << inn << "" << 0 << ""
        << "" << born << issued << "1234567"
        << QStringList{QStringLiteral("Не введен код ОКТМО(8 или 11 символов)")};
    QTest::newRow("4-NDFL no ОКТМО")
        << 2 << "Иванов"
        << "Иван" << inn << "" << 0 << ""
        << "" << born << issued << ""
        << QStringList{QStringLiteral("Не введен код ОКТМО(8 или 11 символов)")};
    QTest::newRow("4-NDFL ОКТМО of 11") << 2 << "Иванов"
                                        << "Иван" << inn << "" << 0 << ""
                                        << "" << born << issued << "45383000001" << QStringList{};
  }
  void namePageCheck() {
    QFETCH(int, form);
    QFETCH(QString, surname);
    QFETCH(QString, name);
    QFETCH(QString, inn);
    QFETCH(QString, place);
    QFETCH(int, docType);
    QFETCH(QString, serial);
    QFETCH(QString, issuedBy);
    QFETCH(QDate, born);
    QFETCH(QDate, issued);
    QFETCH(QString, oktmo);
    QFETCH(QStringList, messages);
    auto main = ShowWith([&](mTDeclaration& d) {
      d.DeclarationType = static_cast<uint8_t>(form);
      if (form == 2) d.SetIncomeFlags(0);
      mTPersonInformation& p = d.PersonInformation;
      p.SurName = surname.toStdString();
      p.Name = name.toStdString();
      p.INN = inn.toStdString();
      p.BirthPlace = place.toStdString();
      p.DocTypeCode = static_cast<uint16_t>(docType);
      if (docType != 0) p.DocTypeName = "документ";
      p.DocSerial = serial.toStdString();
      p.DocIssuedBy = issuedBy.toStdString();
      p.BirthDate = kvor::ui::FromQDate(born);
      p.DocIssueDate = kvor::ui::FromQDate(issued);
      p.OKTMO = oktmo.toStdString();
    });
    ExpectLeaveCheck(*main, messages);
  }

  // The fourteen-year rule of the documents a person gets at fourteen: the fourteenth birthday
  // of someone born on the 29th of February is the 28th.
  void fourteenYears_data() {
    QTest::addColumn<int>("docType");
    QTest::addColumn<QDate>("born");
    QTest::addColumn<QDate>("issued");
    QTest::addColumn<bool>("reported");
    QTest::newRow("passport on the 28th")
        << 21 << QDate(1980, 2, 29) << QDate(1994, 2, 28) << false;
    QTest::newRow("passport a day early") << 21 << QDate(1980, 2, 29) << QDate(1994, 2, 27) << true;
    QTest::newRow("passport on the birthday")
        << 21 << QDate(1980, 6, 15) << QDate(1994, 6, 15) << false;
    QTest::newRow("passport on the day of birth")
        << 21 << QDate(1980, 6, 15) << QDate(1980, 6, 15) << true;
    QTest::newRow("military card") << 7 << QDate(1977, 1, 2) << QDate(1990, 1, 1) << true;
    QTest::newRow("temporary card") << 8 << QDate(1977, 1, 2) << QDate(1990, 1, 1) << true;
    QTest::newRow("serviceman's card") << 24 << QDate(1977, 1, 2) << QDate(1990, 1, 1) << true;
    QTest::newRow("foreign passport") << 10 << QDate(1977, 1, 2) << QDate(1990, 1, 1) << false;
    QTest::newRow("birth certificate") << 3 << QDate(1977, 1, 2) << QDate(1977, 2, 1) << false;
  }
  void fourteenYears() {
    QFETCH(int, docType);
    QFETCH(QDate, born);
    QFETCH(QDate, issued);
    QFETCH(bool, reported);
    auto main = StartWith([&](mTDeclaration& d) {
      mTPersonInformation& p = d.PersonInformation;
      ValidName(p);
      p.DocTypeCode = static_cast<uint16_t>(docType);
      p.DocTypeName = "документ";
      p.DocSerial = "1";
      p.DocIssuedBy = "ОВД";
      p.BirthDate = kvor::ui::FromQDate(born);
      p.DocIssueDate = kvor::ui::FromQDate(issued);
    });
    CheckAnswers answers;
    QCOMPARE(Screen(*main).Check(), uint16_t{0});
    QStringList expected;
    if (reported)
      expected << QStringLiteral(
          "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет");
    QCOMPARE(answers.Messages, Shown(expected));
  }

  // The leave check of the address page, as the name page's.
  void addressPageCheck_data() {
    QTest::addColumn<int>("region");
    QTest::addColumn<QString>("postcode");
    QTest::addColumn<QString>("locality");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("oktmo");
    QTest::addColumn<QStringList>("messages");
    const QString region = QStringLiteral("Не указан регион постоянного местожительства");
    const QString postcode = QStringLiteral("Почтовый индекс должен содержать ровно 6 цифр");
    const QString locality =
        QStringLiteral("Не указан населенный пункт (село, поселок) или улица (проспект, переулок)");
    const QString oktmo = QStringLiteral("Код ОКТМО должен содержать 8 или 11 символов");
    QTest::newRow("complete") << 77 << "119002"
                              << ""
                              << "Арбат"
                              << "45374000" << QStringList{};
    QTest::newRow("locality only, no ОКТМО") << 5 << ""
                                             << "Внуково"
                                             << ""
                                             << "" << QStringList{};
    QTest::newRow("nothing") << 0 << ""
                             << ""
                             << ""
                             << "" << QStringList{region, locality};
    QTest::newRow("postcode of five") << 77 << "12345"
                                      << ""
                                      << "Арбат"
                                      << "" << QStringList{postcode};
    QTest::newRow("ОКТМО of seven") << 77 << ""
                                    << ""
                                    << "Арбат"
                                    << "1234567" << QStringList{oktmo};
    QTest::newRow("everything wrong") << 0 << "1"
                                      << ""
                                      << ""
                                      << "123" << QStringList{region, postcode, locality, oktmo};
  }
  void addressPageCheck() {
    QFETCH(int, region);
    QFETCH(QString, postcode);
    QFETCH(QString, locality);
    QFETCH(QString, street);
    QFETCH(QString, oktmo);
    QFETCH(QStringList, messages);
    auto main = ShowWith([&](mTDeclaration& d) {
      mTPersonInformation& p = d.PersonInformation;
      ValidName(p);
      p.RegionCode = static_cast<uint16_t>(region);
      p.RegionName = region ? "регион" : "";
      p.PostIndex = postcode.toStdString();
      p.Locality = locality.toStdString();
      p.Street = street.toStdString();
      p.OKTMO = oktmo.toStdString();
    });
    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    ExpectLeaveCheck(*main, messages);
  }

  // "Пропустить все" lets the user leave at once.
  void skipAllLeaves() {
    auto main = StartWith([](mTDeclaration&) {});
    CheckAnswers answers({"Button3"});
    main->SectionButton(TSection::kInitialData)->Click();
    QCOMPARE(answers.Messages, Shown({QStringLiteral("Не введена фамилия")}));
    QCOMPARE(main->CurrentSection(), std::optional(TSection::kInitialData));
  }

  // The page buttons: leaving a page stores it and checks it; a problem answered "Исправить"
  // keeps the page and its button; the page shown anew is filled from the return.
  void pageButtons() {
    auto main = ShowWith([](mTDeclaration& d) { ValidAddress(d.PersonInformation); });
    TfrPersonData& screen = Screen(*main);
    {
      // The button of the page shown does nothing: no store, no check.
      CheckAnswers answers;
      screen.fbPersonNaim->Click();
      QCOMPARE(answers.Messages, QStringList());
      QCOMPARE(screen.CurrentPageIndex(), 0);
      QVERIFY(screen.fbPersonNaim->Down());
    }
    {
      CheckAnswers answers({"Button2", "Button1"});  // skip the surname, fix the first name
      screen.fbPersonAddress->Click();
      QCOMPARE(answers.Messages.size(), 2);
      QCOMPARE(screen.CurrentPageIndex(), 0);
      QVERIFY(screen.fbPersonNaim->Down() && !screen.fbPersonAddress->Down());
      QCOMPARE(main->focusWidget(), Naim(*main).meName);
    }
    Type(Naim(*main).meSurName, QStringLiteral("Сидоров"));
    Type(Naim(*main).meName, QStringLiteral("Семён"));
    Type(Naim(*main).meINN, QString::fromLatin1(kValidInn));
    QVERIFY(!main->Saved());
    {
      CheckAnswers answers;
      screen.fbPersonAddress->Click();
      QCOMPARE(answers.Messages, QStringList());
    }
    QCOMPARE(screen.CurrentPageIndex(), 1);
    QVERIFY(screen.fbPersonAddress->Down() && !screen.fbPersonNaim->Down());
    QCOMPARE(main->Declaration().PersonInformation.SurName, std::string("Сидоров"));
    Type(Address(*main).meStreet, QStringLiteral("Ленина"));
    {
      CheckAnswers answers;
      screen.fbPersonNaim->Click();
      QCOMPARE(answers.Messages, QStringList());
    }
    QCOMPARE(main->Declaration().PersonInformation.Street, std::string("Ленина"));
    QCOMPARE(Naim(*main).meName->text(), QStringLiteral("Семён"));
  }

  // Switching pages is no change; the main window's building of the section is none either.
  void switchingPagesIsNoChange() {
    auto main = StartWith([](mTDeclaration& d) {
      ValidName(d.PersonInformation);
      ValidAddress(d.PersonInformation);
    });
    TfrPersonData& screen = Screen(*main);
    CheckAnswers answers;
    screen.fbPersonAddress->Click();
    screen.fbPersonNaim->Click();
    screen.ShowPage(TfrPersonData::kAddressPage, 0);
    QCOMPARE(answers.Messages, QStringList());
    QVERIFY(main->Saved());
  }

  // The document type picker opens on the current type: none for a return without one.
  void documentPickerOpensOnTheType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("selected");
    QTest::newRow("none yet") << 0 << "-";
    QTest::newRow("passport") << 21 << "21";
    QTest::newRow("birth certificate") << 3 << "03";
    QTest::newRow("not listed") << 1 << "-";
  }
  void documentPickerOpensOnTheType() {
    QFETCH(int, type);
    QFETCH(QString, selected);
    auto main = StartWith([&](mTDeclaration& d) {
      d.PersonInformation.DocTypeCode = static_cast<uint16_t>(type);
      if (type) d.PersonInformation.DocTypeName = "документ";
    });
    PickerAnswer picker;
    Naim(*main).bnDocType->click();
    QCOMPARE(picker.Name, QStringLiteral("TfmDocType"));
    QCOMPARE(picker.Title, QStringLiteral("Справочник видов документов"));
    QCOMPARE(picker.Columns, QStringLiteral("Код|Наименование документа"));
    QCOMPARE(picker.Rows, 14);
    QCOMPARE(picker.Selected, selected);
  }

  // Choosing a type: a new, empty series in the type's layout, an empty issuing authority, the
  // issue date 01.01.1990, the document's fields open; the return has changed.
  void choosingADocumentType_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("layout");
    QTest::newRow("03") << 21 << "03" << int(TMaskedDocEdit::edtNone1);
    QTest::newRow("07") << 21 << "07" << int(TMaskedDocEdit::edtBB0);
    QTest::newRow("08 keeps the layout") << 21 << "08" << int(TMaskedDocEdit::edt99_);
    QTest::newRow("10") << 21 << "10" << int(TMaskedDocEdit::edtNone1);
    QTest::newRow("12") << 21 << "12" << int(TMaskedDocEdit::edtNone1);
    QTest::newRow("15") << 21 << "15" << int(TMaskedDocEdit::edtNone1);
    QTest::newRow("23") << 21 << "23" << int(TMaskedDocEdit::edtNone1);
    QTest::newRow("24") << 21 << "24" << int(TMaskedDocEdit::edtBB0);
    QTest::newRow("91") << 21 << "91" << int(TMaskedDocEdit::edtNone1);
    QTest::newRow("21") << 91 << "21" << int(TMaskedDocEdit::edt99_);
    QTest::newRow("first type") << 0 << "21" << int(TMaskedDocEdit::edt99_);
  }
  void choosingADocumentType() {
    QFETCH(int, from);
    QFETCH(QString, chosen);
    QFETCH(int, layout);
    auto main = StartWith([&](mTDeclaration& d) {
      mTPersonInformation& p = d.PersonInformation;
      p.DocTypeCode = static_cast<uint16_t>(from);
      if (from) p.DocTypeName = from == 21 ? "Паспорт гражданина РФ" : "Иные документы";
      p.DocSerial = "45 06 123456";
      p.DocIssuedBy = "ОВД";
      p.DocIssueDate = Day(2005, 7, 1);
    });
    TfrPersonNaim& naim = Naim(*main);
    PickerAnswer picker(chosen);
    naim.bnDocType->click();
    QCOMPARE(picker.Name, QStringLiteral("TfmDocType"));
    QVERIFY(!main->Saved());
    QCOMPARE(naim.DocTypeCode(), uint16_t(chosen.toInt()));
    QCOMPARE(
        naim.pnlDocType->text(),
        QString::fromStdString(
            kvor::DocumentTypes()[*kvor::FindCodeRow(kvor::DocumentTypes(), chosen.toStdString())]
                .Name));
    QCOMPARE(naim.meSerial->text(), QString());
    QCOMPARE(naim.meKem->text(), QString());
    QCOMPARE(naim.dtRegDate->date(), QDate(1990, 1, 1));
    QVERIFY(naim.meSerial->isEnabled() && naim.dtRegDate->isEnabled() && naim.meKem->isEnabled());
    QCOMPARE(int(naim.meSerial->EditType()), layout);
    naim.Store();
    const mTPersonInformation& p = main->Declaration().PersonInformation;
    QCOMPARE(p.DocTypeCode, uint16_t(chosen.toInt()));
    QCOMPARE(QString::fromStdString(p.DocTypeName), naim.pnlDocType->text());
    QCOMPARE(p.DocIssueDate, Day(1990, 1, 1));
  }

  // Type 03 picked gives free entry of up to 20 characters; the same return shown again has the
  // series in the Roman-numeral layout of a stored birth certificate.
  void birthCertificateLayouts() {
    auto main = StartWith([](mTDeclaration&) {});
    PickerAnswer picker(QStringLiteral("03"));
    Naim(*main).bnDocType->click();
    Type(Naim(*main).meSerial, QStringLiteral("123456789012345678901"));
    QCOMPARE(Naim(*main).meSerial->text(), QStringLiteral("12345678901234567890"));
    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);  // the name page is not stored
    Screen(*main).ShowPage(TfrPersonData::kNaimPage, 0);
    QCOMPARE(Naim(*main).pnlDocType->text(), QString());
    PickerAnswer again(QStringLiteral("03"));
    Naim(*main).bnDocType->click();
    Type(Naim(*main).meSerial, QStringLiteral("IV-АБ 123456"));
    Naim(*main).Store();
    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    Screen(*main).ShowPage(TfrPersonData::kNaimPage, 0);
    QCOMPARE(Naim(*main).meSerial->EditType(), TMaskedDocEdit::edtR_BB);
    QCOMPARE(Naim(*main).meSerial->text(), QStringLiteral("IV-АБ 123456"));
  }

  // The layout of the series of a stored return, by its document type.
  void loadedLayout_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("layout");
    const QList<std::pair<int, TMaskedDocEdit::TDocumentMaskEnum>> rows = {
        {1, TMaskedDocEdit::edtR_BB},   {2, TMaskedDocEdit::edt99},
        {3, TMaskedDocEdit::edtR_BB},   {4, TMaskedDocEdit::edtBB},
        {5, TMaskedDocEdit::edtNone2},  {6, TMaskedDocEdit::edtBB},
        {7, TMaskedDocEdit::edtBB0},    {8, TMaskedDocEdit::edtNone1},
        {9, TMaskedDocEdit::edt99},     {10, TMaskedDocEdit::edtNone1},
        {11, TMaskedDocEdit::edtNone2}, {14, TMaskedDocEdit::edtNone2},
        {15, TMaskedDocEdit::edtNone1}, {18, TMaskedDocEdit::edtNone1},
        {21, TMaskedDocEdit::edt99_},   {22, TMaskedDocEdit::edt99},
        {23, TMaskedDocEdit::edtNone1}, {24, TMaskedDocEdit::edtNone1},
        {26, TMaskedDocEdit::edtBB0},   {27, TMaskedDocEdit::edtBB0},
        {91, TMaskedDocEdit::edtNone2}};
    for (auto [type, layout] : rows) QTest::addRow("%d", type) << type << int(layout);
  }
  void loadedLayout() {
    QFETCH(int, type);
    QFETCH(int, layout);
    auto main = StartWith([&](mTDeclaration& d) {
      d.PersonInformation.DocTypeCode = static_cast<uint16_t>(type);
      d.PersonInformation.DocTypeName = "документ";
    });
    QCOMPARE(int(Naim(*main).meSerial->EditType()), layout);
  }

  // Cancelling the picker, or choosing the type already shown, changes nothing; confirming with
  // no row chosen counts as cancelling.
  void documentPickerWithoutChange_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("answer");
    QTest::newRow("cancelled") << 21 << "";
    QTest::newRow("same type") << 21 << "21";
    QTest::newRow("no row, type 0") << 0 << "OK";
    QTest::newRow("no row, unlisted type") << 2 << "OK";
  }
  void documentPickerWithoutChange() {
    QFETCH(int, type);
    QFETCH(QString, answer);
    auto main = StartWith([&](mTDeclaration& d) {
      mTPersonInformation& p = d.PersonInformation;
      p.DocTypeCode = static_cast<uint16_t>(type);
      p.DocTypeName = type == 21 ? "Паспорт гражданина РФ" : type ? "Паспорт моряка" : "";
      p.DocSerial = "45 06 123456";
      p.DocIssuedBy = "ОВД";
      p.CitizenshipSign = "1";
    });
    const mTPersonInformation before = main->Declaration().PersonInformation;
    PickerAnswer picker(answer);
    Naim(*main).bnDocType->click();
    QCOMPARE(picker.Name, QStringLiteral("TfmDocType"));
    QVERIFY(main->Saved());
    Naim(*main).Store();
    QCOMPARE(main->Declaration().PersonInformation, before);
  }

  // The region picker opens on the current region ("01" for none yet), and the chosen region
  // is kept by the page and stored.
  void regionPicker_data() {
    QTest::addColumn<int>("region");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("name");
    QTest::newRow("5 opens on 05") << 5 << "05"
                                   << "78" << 78 << "г. Санкт - Петербург";
    QTest::newRow("0 opens on 01") << 0 << "01"
                                   << "OK" << 1 << "Республика Адыгея (Адыгея)";
    QTest::newRow("99") << 99 << "99"
                        << "92" << 92 << "г. Севастополь";
    QTest::newRow("cancelled") << 5 << "05"
                               << "" << 5 << "Республика Дагестан";
    QTest::newRow("same region") << 5 << "05"
                                 << "05" << 5 << "Республика Дагестан";
    QTest::newRow("not listed") << 85 << "-"
                                << "OK" << 85 << "регион";
  }
  void regionPicker() {
    QFETCH(int, region);
    QFETCH(QString, selected);
    QFETCH(QString, answer);
    QFETCH(int, stored);
    QFETCH(QString, name);
    auto main = StartWith([&](mTDeclaration& d) {
      d.PersonInformation.RegionCode = static_cast<uint16_t>(region);
      d.PersonInformation.RegionName = region == 5 ? "Республика Дагестан" : region ? "регион" : "";
    });
    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    TfrPersonAddress& address = Address(*main);
    PickerAnswer picker(answer);
    address.bnRegion->click();
    QCOMPARE(picker.Name, QStringLiteral("TfmRegionName"));
    QCOMPARE(picker.Title, QStringLiteral("Справочник регионов"));
    QCOMPARE(picker.Columns, QStringLiteral("Код|Наименование региона"));
    QCOMPARE(picker.Rows, 85);
    QCOMPARE(picker.Selected, selected);
    QCOMPARE(address.pnlRegion->text(), name);
    QCOMPARE(main->Saved(), stored == region);
    address.Store();
    QCOMPARE(int(main->Declaration().PersonInformation.RegionCode), stored);
    QCOMPARE(QString::fromStdString(main->Declaration().PersonInformation.RegionName), name);
  }

  // Typed values and the address kind go into the return.
  void typedValuesAreStored() {
    auto main = StartWith([](mTDeclaration&) {});
    TfrPersonNaim& naim = Naim(*main);
    Type(naim.meSurName, QStringLiteral("Кузнецова"));
    Type(naim.meName, QStringLiteral("Анна"));
    Type(naim.mePatronymic, QStringLiteral("Сергеевна"));
    Type(naim.meINN, QString::fromLatin1(kValidInn));
    Type(naim.meMesto, QStringLiteral("г. Омск"));
    naim.dtBirthDate->setDate(QDate(1985, 3, 8));
    naim.Store();
    const mTPersonInformation& p = main->Declaration().PersonInformation;
    QCOMPARE(p.SurName + " " + p.Name + " " + p.Patronymic,
             std::string("Кузнецова Анна Сергеевна"));
    QCOMPARE(p.INN, std::string(kValidInn));
    QCOMPARE(p.BirthPlace, std::string("г. Омск"));
    QCOMPARE(p.BirthDate, Day(1985, 3, 8));

    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    TfrPersonAddress& address = Address(*main);
    address.rbPreb->click();
    Type(address.mePostIndex, QStringLiteral("644000"));
    Type(address.meArea, QStringLiteral("Омск"));
    Type(address.meOKATO, QStringLiteral("52701000"));
    Type(address.meHomePhone, QStringLiteral("3812000000"));
    Type(address.meAdr, QStringLiteral("Astana"));
    address.Store();
    QCOMPARE(p.AddressKind, uint8_t{1});
    QCOMPARE(p.PostIndex + p.Locality + p.OKTMO + p.HomePhone + p.ForeignAddress,
             std::string("644000Омск527010003812000000Astana"));
    address.rbReg->click();
    address.Store();
    QCOMPARE(p.AddressKind, uint8_t{0});
  }

  // Without the country directory the country cannot be changed; the stored one is still shown
  // and stored.
  void countryWithoutDirectory() {
    auto main = StartWith([](mTDeclaration& d) {
      d.PersonInformation.CountryCode = "276";
      d.PersonInformation.CitizenshipName = "ГЕРМАНИЯ";
    });
    QCOMPARE(main->CountryPicker(), nullptr);
    TfrPersonNaim& naim = Naim(*main);
    QVERIFY(!naim.bnGrazhd->isEnabled());
    naim.Store();
    QCOMPARE(main->Declaration().PersonInformation.CountryCode, std::string("276"));
    QCOMPARE(main->Declaration().PersonInformation.CitizenshipName, std::string("ГЕРМАНИЯ"));
  }

  // The country picker of the directory read at start-up opens on the current code; a new code
  // brings its name; the same picker serves every visit.
  void countryPicker_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("to Germany") << "643"
                                << "643"
                                << "276"
                                << "276 ГЕРМАНИЯ";
    QTest::newRow("cancelled") << "643"
                               << "643"
                               << ""
                               << "643 РОССИЯ";
    QTest::newRow("same country") << "643"
                                  << "643"
                                  << "643"
                                  << "643 РОССИЯ";
    QTest::newRow("not listed") << "999"
                                << "-"
                                << "OK"
                                << "999 НЕИЗВЕСТНО";
    QTest::newRow("from an unlisted one") << "999"
                                          << "-"
                                          << "040"
                                          << "040 АВСТРИЯ";
  }
  void countryPicker() {
    QFETCH(QString, code);
    QFETCH(QString, selected);
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    QTemporaryDir folder;
    QFile oksm(folder.filePath(QStringLiteral("Oksm.xml")));
    QVERIFY(oksm.open(QIODevice::WriteOnly));
    oksm.write(QByteArray::fromStdString(kvor::Utf8ToCp1251(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Oksm>\n"
        "<Country Code=\"040\">АВСТРИЯ</Country>\n<Country Code=\"276\">ГЕРМАНИЯ</Country>\n"
        "<Country Code=\"643\">РОССИЯ</Country>\n</Oksm>\n")));
    oksm.close();
    kvor::ui::SetProgramFolder(folder.path());
    auto main = StartWith([&](mTDeclaration& d) {
      d.PersonInformation.CountryCode = code.toStdString();
      d.PersonInformation.CitizenshipName = code == QLatin1String("643") ? "РОССИЯ" : "НЕИЗВЕСТНО";
    });
    kvor::ui::SetProgramFolder(folder_.path());
    QVERIFY(main->CountryPicker());
    TfrPersonNaim& naim = Naim(*main);
    QVERIFY(naim.bnGrazhd->isEnabled());
    {
      PickerAnswer picker(answer);
      naim.bnGrazhd->click();
      QCOMPARE(picker.Name, QStringLiteral("TfmGrazhd"));
      QCOMPARE(picker.Title, QStringLiteral("Справочник стран"));
      QCOMPARE(picker.Columns, QStringLiteral("Код|Наименование государства"));
      QCOMPARE(picker.Rows, 3);
      QCOMPARE(picker.Selected, selected);
    }
    QCOMPARE(naim.meKodGrazhd->text() + QLatin1Char(' ') + naim.meCitizenship->text(), shown);
    const bool changed = !shown.startsWith(code);
    QCOMPARE(main->Saved(), !changed);
    naim.Store();
    QCOMPARE(QString::fromStdString(main->Declaration().PersonInformation.CountryCode),
             shown.left(3));

    // The next visit's picker is the same one, opened on the code now shown.
    Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
    Screen(*main).ShowPage(TfrPersonData::kNaimPage, 0);
    PickerAnswer again;
    Naim(*main).bnGrazhd->click();
    QCOMPARE(again.Selected,
             shown.left(3) == QLatin1String("999") ? QStringLiteral("-") : shown.left(3));
  }

  // "Проверить" finds a problem of the taxpayer and "Исправить" leads to its page and field, from
  // the conditions screen or from the other page of the section (which is then neither stored nor
  // checked).
  void wholeReturnCheckJumps_data() {
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("fromNamePage");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::newRow("missing region")
        << "region" << false << "Не указан регион постоянного местожительства" << 1
        << "TfmRegionName";
    QTest::newRow("missing region, from the name page")
        << "region" << true << "Не указан регион постоянного местожительства" << 1
        << "TfmRegionName";
    QTest::newRow("no locality or street")
        << "street" << false
        << "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)" << 1
        << "meArea";
    QTest::newRow("postcode") << "postcode" << false
                              << "Почтовый индекс должен содержать ровно 6 цифр" << 1
                              << "mePostIndex";
    QTest::newRow("ОКТМО of the address")
        << "oktmo" << false << "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов"
        << 1 << "meOKATO";
    QTest::newRow("no identity document")
        << "document" << false << "Не указан документ, удостоверяющий личность" << 0
        << "TfmDocType";
    QTest::newRow("ОКТМО of 4-NDFL")
        << "4-NDFL" << false << "Не введен код ОКТМО(8 или 11 симв.)" << 0 << "meOKATO";
    QTest::newRow("no surname, from the address page")
        << "surname" << false << "Не введена фамилия" << 0 << "meSurName";
  }
  void wholeReturnCheckJumps() {
    QFETCH(QString, problem);
    QFETCH(bool, fromNamePage);
    QFETCH(QString, message);
    QFETCH(int, page);
    QFETCH(QString, field);
    mTDeclaration declaration;
    declaration.PrepareNew();
    declaration.InspectionNumber = "7701";
    mTPersonInformation& p = declaration.PersonInformation;
    ValidName(p);
    ValidAddress(p);
    if (problem == QLatin1String("region")) p.RegionCode = 0;
    if (problem == QLatin1String("street")) p.Street.clear();
    if (problem == QLatin1String("postcode")) p.PostIndex = "1190";
    if (problem == QLatin1String("oktmo")) p.OKTMO = "4538";
    if (problem == QLatin1String("surname")) p.SurName.clear();
    if (problem == QLatin1String("document")) {
      p.INN.clear();
      p.BirthPlace = "г. Тула";
    }
    if (fromNamePage) {
      // No ИНН, which the name page's own check reports and the whole check does not.
      p.INN.clear();
      p.BirthPlace = "г. Тула";
      p.DocTypeCode = 21;
      p.DocTypeName = "Паспорт гражданина РФ";
      p.DocSerial = "45 06 123456";
      p.DocIssuedBy = "ОВД";
      p.DocIssueDate = Day(2000, 1, 1);
    }
    if (problem == QLatin1String("4-NDFL")) {
      declaration.DeclarationType = kvor::kDeclaration4NDFL;
      declaration.SetIncomeFlags(0);
      p.OKTMO.clear();
    }
    const QString path = folder_.filePath(QStringLiteral("check.kv4"));
    declaration.SaveToFile(path.toStdString());
    auto main = Start({path});
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    if (fromNamePage) {
      main->SectionButton(TSection::kPersonData)->Click();
    } else if (problem == QLatin1String("surname")) {
      main->SectionButton(TSection::kPersonData)->Click();
      Screen(*main).ShowPage(TfrPersonData::kAddressPage, 0);
      // Stored into the return by the check itself.
      Type(Address(*main).meCity, QStringLiteral("Москва"));
    }

    CheckAnswers answers({"Button1"});
    PickerAnswer picker;
    main->CommandCheck();
    QCOMPARE(answers.Messages, Shown({message}));
    QCOMPARE(main->CurrentSection(), std::optional(TSection::kPersonData));
    QVERIFY(main->SectionButton(TSection::kPersonData)->Down());
    TfrPersonData& screen = Screen(*main);
    QCOMPARE(screen.CurrentPageIndex(), page);
    QVERIFY((page == 0 ? screen.fbPersonNaim : screen.fbPersonAddress)->Down());
    QVERIFY(!(page == 0 ? screen.fbPersonAddress : screen.fbPersonNaim)->Down());
    if (field.startsWith(QLatin1String("Tfm"))) {
      QCOMPARE(picker.Name, field);
      if (field == QLatin1String("TfmRegionName")) QCOMPARE(picker.Selected, QStringLiteral("01"));
    } else {
      QCOMPARE(picker.Name, QString());
      QCOMPARE(main->focusWidget(), screen.CurrentPage()->findChild<QWidget*>(field));
    }
    if (problem == QLatin1String("surname"))
      QCOMPARE(main->Declaration().PersonInformation.City, std::string("Москва"));
  }

  // The pickers answer the keyboard and the mouse: Enter and a double click confirm the row,
  // Escape cancels.
  void pickerKeys_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << "enter" << true << 6;
    QTest::newRow("double click") << "double click" << true << 7;
    QTest::newRow("Escape") << "escape" << false << 5;
  }
  void pickerKeys() {
    QFETCH(QString, action);
    QFETCH(bool, accepted);
    QFETCH(int, result);
    kvor::ui::TfmRegionName picker(5);
    picker.show();
    QVERIFY(QTest::qWaitForWindowActive(&picker));
    QCOMPARE(picker.lvList->currentItem()->text(0), QStringLiteral("05"));
    QTest::keyClick(picker.lvList, Qt::Key_Down);
    if (action == QLatin1String("enter")) {
      QTest::keyClick(picker.lvList, Qt::Key_Return);
    } else if (action == QLatin1String("escape")) {
      QTest::keyClick(picker.lvList, Qt::Key_Escape);
    } else {
      QTreeWidgetItem* row = picker.lvList->topLevelItem(6);
      const QPoint at = picker.lvList->visualItemRect(row).center();
      QTest::mouseClick(picker.lvList->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(picker.lvList->viewport(), Qt::LeftButton, {}, at);
    }
    QVERIFY(!picker.isVisible());
    QCOMPARE(picker.result() == QDialog::Accepted, accepted);
    if (accepted) QCOMPARE(picker.ResultNumber(), result);
  }

  // No name is cut short: the name column is as wide as the longest name (the list scrolls
  // sideways when the picker is narrower), and it fills the list when the picker is wider.
  void pickersShowWholeNames_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<int>("width");
    for (const char* picker : {"documents", "regions"})
      for (int width : {400, 560, 1600})
        QTest::addRow("%s at %d", picker, width) << picker << width;
  }
  void pickersShowWholeNames() {
    QFETCH(QString, picker);
    QFETCH(int, width);
    std::unique_ptr<kvor::ui::TListPicker> shown;
    if (picker == QLatin1String("documents"))
      shown = std::make_unique<kvor::ui::TfmDocType>(21);
    else
      shown = std::make_unique<kvor::ui::TfmRegionName>(5);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    shown->resize(width, 420);
    QCoreApplication::processEvents();
    QTreeWidget* list = shown->lvList;
    int longest = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      longest = std::max(longest, list->sizeHintForIndex(list->model()->index(row, 1)).width());
    QVERIFY2(list->columnWidth(1) >= longest,
             qPrintable(QStringLiteral("%1 < %2").arg(list->columnWidth(1)).arg(longest)));
    QVERIFY(list->columnWidth(0) + list->columnWidth(1) >= list->viewport()->width());
  }
};

QTEST_MAIN(TestPersonData)
#include "test_person_data.moc"
