// The conditions screen: what it shows of a return, the section buttons its boxes drive, what it
// stores and what its leave check reports.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "core/model/declaration.h"
#include "ui/controls/flash_button.h"
#include "ui/controls/masked_edit.h"
#include "ui/controls/up_down.h"
#include "ui/screens/frame_initial_data.h"
#include "ui/shell/form_main.h"
#include "ui/shell/program_folder.h"
#include "ui_test_support.h"

using kvor::mTDeclaration;
using kvor::test::CheckAnswers;
using kvor::test::ScriptedDialogs;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TfrInitialData;
using kvor::ui::TSection;

namespace {

// The section buttons that follow the income boxes, in this order.
const TSection kIncomeSections[] = {TSection::kRussianIncome, TSection::kInvestTov,
                                    TSection::kForeignIncome, TSection::kBusinessIncome,
                                    TSection::kDeduction};

// Which of the five buttons are enabled, as "RIFBD" with "-" for a disabled one (Russian income,
// Invest. partnerships, Foreign income, Business, Deductions).
QString EnabledButtons(TFormMain& main) {
  QString shown;
  const char letters[] = "RIFBD";
  for (size_t i = 0; i < std::size(kIncomeSections); ++i)
    shown += main.SectionButton(kIncomeSections[i])->isEnabled() ? QChar::fromLatin1(letters[i])
                                                                 : QChar(u'-');
  return shown;
}

// Which income boxes are checked, as "RIFB" with "-" for an unchecked one.
QString CheckedBoxes(TfrInitialData& screen) {
  QString shown;
  shown += screen.chbIncomeInquiry->isChecked() ? u'R' : u'-';
  shown += screen.chbInvestTov->isChecked() ? u'I' : u'-';
  shown += screen.chbIncomeCurrency->isChecked() ? u'F' : u'-';
  shown += screen.chbIncomeBusiness->isChecked() ? u'B' : u'-';
  return shown;
}

}  // namespace

class TestInitialData : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  QTemporaryDir folder_;  // the program folder: no directory files in it
  std::shared_ptr<ScriptedDialogs> dialogs_;

  std::unique_ptr<TFormMain> Start(QStringList arguments = {}) {
    dialogs_ = std::make_shared<ScriptedDialogs>();
    TFormMainSetup setup;
    setup.Arguments = std::move(arguments);
    setup.Dialogs = dialogs_;
    return std::make_unique<TFormMain>(std::move(setup));
  }
  static TfrInitialData& Screen(TFormMain& main) {
    auto* screen = qobject_cast<TfrInitialData*>(main.CurrentScreen());
    if (!screen) qFatal("the conditions screen is not shown");
    return *screen;
  }
  // Starts the window over a return saved with the changes `edit` makes to a new one.
  std::unique_ptr<TFormMain> StartWith(const std::function<void(mTDeclaration&)>& edit) {
    mTDeclaration declaration;
    declaration.PrepareNew();
    edit(declaration);
    const QString path = folder_.filePath(QStringLiteral("return.kv4"));
    declaration.SaveToFile(path.toStdString());
    return Start({path});
  }

 private slots:
  void initTestCase() { kvor::ui::SetProgramFolder(folder_.path()); }
  void init() { settings_.Clear(); }

  // A new return: income in the country ticked, 3-NDFL, another individual, signed in person.
  void newReturn() {
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    QCOMPARE(main->CurrentSectionButton(), main->SectionButton(TSection::kInitialData));
    QCOMPARE(CheckedBoxes(screen), QStringLiteral("R---"));
    QCOMPARE(EnabledButtons(*main), QStringLiteral("R---D"));
    QVERIFY(screen.rbSimple->isChecked());
    QVERIFY(screen.rbFLProch->isChecked());
    QVERIFY(screen.rbGiveSelf->isChecked());
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("0"));
    QVERIFY(!screen.meFIO->isEnabled() && !screen.meOsn->isEnabled());
    QVERIFY(screen.meUL->isHidden() && screen.rbGiveByMail->isHidden());
    QVERIFY(screen.meSupposeIncome->isHidden());
    // No inspection directory here: no picker, so the code is typed into the field.
    QVERIFY(!screen.bnInspection->isEnabled());
    QVERIFY(screen.meInspection->isEnabled());
    QCOMPARE(screen.gb34->title(), QStringLiteral("  Тип декларации"));
    QVERIFY(main->Saved());
  }

  // What a stored return shows: every field in its control, the boxes of its flags and the
  // section buttons they enable.
  void loadedReturn_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("buttons");
    QTest::newRow("country") << 0x01 << 0 << "R---"
                             << "R---D";
    QTest::newRow("partnerships only") << 0x10 << 0 << "-I--"
                                       << "-I--D";
    QTest::newRow("every group") << 0x17 << 0 << "RIFB"
                                 << "RIFBD";
    QTest::newRow("no group") << 0x00 << 0 << "----"
                              << "-----";
    QTest::newRow("non-resident") << 0x11 << 1 << "RI--"
                                  << "RI---";
    QTest::newRow("4-NDFL") << 0x00 << 2 << "----"
                            << "-----";
  }
  void loadedReturn() {
    QFETCH(int, flags);
    QFETCH(int, type);
    QFETCH(QString, boxes);
    QFETCH(QString, buttons);
    auto main = StartWith([&](mTDeclaration& d) {
      d.SetIncomeFlags(static_cast<uint8_t>(flags));
      d.DeclarationType = static_cast<uint8_t>(type);
    });
    TfrInitialData& screen = Screen(*main);
    QCOMPARE(CheckedBoxes(screen), boxes);
    QCOMPARE(EnabledButtons(*main), buttons);
    QCOMPARE(screen.rbSimple->isChecked(), type == 0);
    QCOMPARE(screen.rbNeRez->isChecked(), type == 1);
    QCOMPARE(screen.rb4ndfl->isChecked(), type == 2);
    QCOMPARE(screen.chbIncomeCurrency->isEnabled(), type == 0);
    QCOMPARE(screen.chbInvestTov->isEnabled(), type != 2);
    QCOMPARE(screen.meSupposeIncome->isHidden(), type != 2);
    QVERIFY(main->Saved());  // building the screen is no change
  }

  void loadedFields() {
    auto main = StartWith([](mTDeclaration& d) {
      d.InspectionNumber = "7701";
      d.CorrectionNumber = 12;
      d.ConfirmKind = 2;
      d.TaxpayerKind = 3;
      d.DeclarationType = 2;
      d.SetIncomeFlags(0);
      d.SupposeIncome = kvor::Money::Roubles(350000);
      d.RepresentativeName = "Петров Пётр Петрович";
      d.RepresentativeDocument = "Доверенность № 5";
      d.RepresentativeOrganization = "ООО \"Ромашка\"";
    });
    TfrInitialData& screen = Screen(*main);
    QCOMPARE(screen.meInspection->text(), QStringLiteral("7701"));
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("12"));
    QVERIFY(screen.rbGiveByMail->isChecked());
    QVERIFY(screen.meFIO->isEnabled() && screen.meOsn->isEnabled() && screen.meUL->isEnabled());
    QCOMPARE(screen.meFIO->text(), QStringLiteral("Петров Пётр Петрович"));
    QCOMPARE(screen.meOsn->text(), QStringLiteral("Доверенность № 5"));
    QCOMPARE(screen.meUL->text(), QStringLiteral("ООО \"Ромашка\""));
    QVERIFY(screen.rbAdvokat->isChecked());
    QCOMPARE(screen.meSupposeIncome->text(), QStringLiteral("350000"));
    QVERIFY(!screen.meSupposeIncome->isHidden() && screen.meSupposeIncome->isEnabled());
  }

  // A category the screen does not know leaves "Иное физическое лицо".
  void unknownCategory() {
    auto main = StartWith([](mTDeclaration& d) { d.TaxpayerKind = 4; });
    QVERIFY(Screen(*main).rbFLProch->isChecked());
  }

  // Unticking income in the country discards its records at once and disables its button;
  // ticking it again enables the button.
  void untickingIncomeInTheCountry() {
    auto main = Start();
    main->Declaration().Incomes13.emplace_back();
    main->Declaration().Incomes35.emplace_back();
    main->Declaration().ForeignerFixedPayments = kvor::Money::Roubles(1200);
    TfrInitialData& screen = Screen(*main);

    screen.chbIncomeInquiry->click();
    QVERIFY(main->Declaration().Incomes13.empty());
    QVERIFY(main->Declaration().Incomes35.empty());
    QCOMPARE(main->Declaration().ForeignerFixedPayments, kvor::Money());
    QCOMPARE(main->Declaration().IncomeFlags, uint8_t{0});
    QCOMPARE(EnabledButtons(*main), QStringLiteral("-----"));
    QVERIFY(!main->Saved());

    screen.chbIncomeInquiry->click();
    QCOMPARE(EnabledButtons(*main), QStringLiteral("R---D"));
    screen.Store();
    QCOMPARE(main->Declaration().IncomeFlags, uint8_t{1});
  }

  // The other groups switch their buttons at once and lose their records when the screen is
  // stored.
  void otherGroups_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("buttonsTicked");
    QTest::newRow("foreign") << "chbIncomeCurrency" << 0x02 << "R-F-D";
    QTest::newRow("business") << "chbIncomeBusiness" << 0x04 << "R--BD";
    QTest::newRow("partnerships") << "chbInvestTov" << 0x10 << "RI--D";
  }
  void otherGroups() {
    QFETCH(QString, box);
    QFETCH(int, flag);
    QFETCH(QString, buttonsTicked);
    auto main = StartWith([&](mTDeclaration& d) {
      d.SetIncomeFlags(static_cast<uint8_t>(0x01 | flag));
      d.CurrencyIncomes.emplace_back();
      d.BusinessIncomes.emplace_back();
      d.InvestTovs.emplace_back();
    });
    TfrInitialData& screen = Screen(*main);
    auto* check = screen.findChild<QCheckBox*>(box);
    QCOMPARE(EnabledButtons(*main), buttonsTicked);

    check->click();
    QCOMPARE(EnabledButtons(*main), QStringLiteral("R---D"));
    const mTDeclaration& d = main->Declaration();
    QCOMPARE(d.CurrencyIncomes.size() + d.BusinessIncomes.size() + d.InvestTovs.size(), 1u);
    screen.Store();
    QCOMPARE(d.CurrencyIncomes.size() + d.BusinessIncomes.size() + d.InvestTovs.size(), 0u);
    QCOMPARE(d.IncomeFlags, uint8_t{0x01});

    check->click();
    QCOMPARE(EnabledButtons(*main), buttonsTicked);
  }

  // "Вычеты" is enabled exactly for 3-NDFL of a resident with at least one group of income.
  void deductionButton_data() {
    QTest::addColumn<QString>("clicks");  // buttons clicked, in order
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("buttons");
    QTest::newRow("resident") << ""
                              << "R---"
                              << "R---D";
    QTest::newRow("non-resident") << "rbNeRez"
                                  << "R---"
                                  << "R----";
    QTest::newRow("4-NDFL") << "rb4ndfl"
                            << "----"
                            << "-----";
    QTest::newRow("back from 4-NDFL") << "rb4ndfl rbSimple"
                                      << "----"
                                      << "-----";
    QTest::newRow("no group") << "chbIncomeInquiry"
                              << "----"
                              << "-----";
    QTest::newRow("partnerships through non-resident")
        << "chbInvestTov chbIncomeInquiry rbNeRez rbSimple"
        << "-I--"
        << "-I--D";
    QTest::newRow("foreign dropped by non-resident")
        << "chbIncomeCurrency chbIncomeBusiness rbNeRez"
        << "R---"
        << "R----";
    QTest::newRow("partnerships dropped by 4-NDFL")
        << "chbInvestTov chbIncomeInquiry rb4ndfl rbNeRez"
        << "----"
        << "-----";
  }
  void deductionButton() {
    QFETCH(QString, clicks);
    QFETCH(QString, boxes);
    QFETCH(QString, buttons);
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    for (const QString& name : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      auto* button = screen.findChild<QAbstractButton*>(name);
      QVERIFY2(button, qPrintable(name));
      button->click();
    }
    QCOMPARE(CheckedBoxes(screen), boxes);
    QCOMPARE(EnabledButtons(*main), buttons);
  }

  // 4-NDFL: no income groups, the estimated income, no "other individual" or "arbitration
  // manager", a representative organisation may sign.
  void fourNdfl() {
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    screen.rb4ndfl->click();
    QVERIFY(main->Declaration().IncomeFlags == 0);  // the country group went at once
    QVERIFY(!main->Saved());
    for (QCheckBox* box : {screen.chbIncomeInquiry, screen.chbIncomeCurrency,
                           screen.chbIncomeBusiness, screen.chbInvestTov})
      QVERIFY(!box->isEnabled() && !box->isChecked());
    QVERIFY(!screen.lbIncomeComment->isEnabled());
    QVERIFY(screen.rbPredp->isChecked());
    QVERIFY(!screen.rbFLProch->isEnabled() && !screen.rbArbitr->isEnabled());
    QVERIFY(!screen.meSupposeIncome->isHidden() && screen.meSupposeIncome->isEnabled());
    QVERIFY(!screen.rbGiveByMail->isHidden() && !screen.meUL->isHidden());

    QCOMPARE(screen.meSupposeIncome->text(), QStringLiteral("0"));
    screen.meSupposeIncome->selectAll();
    QTest::keyClicks(screen.meSupposeIncome, QStringLiteral("1250000,5"));
    QCOMPARE(screen.meSupposeIncome->text(), QStringLiteral("12500005"));
    screen.Store();
    QCOMPARE(main->Declaration().DeclarationType, uint8_t{2});
    QCOMPARE(main->Declaration().TaxpayerKind, uint8_t{0});
    QCOMPARE(main->Declaration().SupposeIncome, kvor::Money::Roubles(12500005));

    screen.rbSimple->click();  // the category stays
    QVERIFY(screen.rbPredp->isChecked());
    QVERIFY(screen.rbFLProch->isEnabled() && screen.rbArbitr->isEnabled());
    QVERIFY(screen.meSupposeIncome->isHidden());
  }

  // "Представителем - ЮЛ" under 4-NDFL, then 3-NDFL: a representative person signs, and the
  // organisation's name is stored empty.
  void organisationDroppedWith4Ndfl() {
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    screen.rb4ndfl->click();
    screen.rbGiveByMail->click();
    QTest::keyClicks(screen.meUL, QStringLiteral("OOO Romashka"));
    QTest::keyClicks(screen.meFIO, QStringLiteral("Petrov"));
    QTest::keyClicks(screen.meOsn, QStringLiteral("Doverennost"));
    screen.rbSimple->click();
    QVERIFY(screen.rbGiveTrustFase->isChecked());
    QVERIFY(screen.meUL->isHidden() && !screen.meUL->isEnabled());
    QVERIFY(screen.meFIO->isEnabled());
    screen.Store();
    const mTDeclaration& d = main->Declaration();
    QCOMPARE(d.ConfirmKind, uint8_t{1});
    QCOMPARE(d.RepresentativeOrganization, std::string());
    QCOMPARE(d.RepresentativeName, std::string("Petrov"));
    QCOMPARE(d.RepresentativeDocument, std::string("Doverennost"));
  }

  // "Лично" after a representative's name was typed: the name is stored empty and the check
  // has nothing to say.
  void signedInPersonClearsRepresentative() {
    auto main = StartWith([](mTDeclaration& d) { d.InspectionNumber = "7701"; });
    TfrInitialData& screen = Screen(*main);
    screen.rbGiveTrustFase->click();
    QTest::keyClicks(screen.meFIO, QStringLiteral("Petrov"));
    screen.rbGiveSelf->click();
    QVERIFY(!screen.meFIO->isEnabled());
    screen.Store();
    QCOMPARE(main->Declaration().RepresentativeName, std::string());
    QCOMPARE(main->Declaration().ConfirmKind, uint8_t{0});
    CheckAnswers answers;
    QCOMPARE(screen.Check(), uint16_t{0});
    QCOMPARE(answers.Messages, QStringList());
  }

  // The leave check: its messages in order, and the field of the one answered "Исправить".
  void check_data() {
    QTest::addColumn<QString>("inspection");
    QTest::addColumn<QString>("signer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("organisation");
    QTest::addColumn<QStringList>("messages");
    const QString inspection = QStringLiteral("Не введен номер инспекции");
    const QString name = QStringLiteral("Не указаны ФИО подписанта-представителя");
    const QString document =
        QStringLiteral("Не указан документ, подтверждающий полномочия представителя");
    const QString organisation = QStringLiteral("Не указано наименование Юр.лица-представителя");
    QTest::newRow("all good") << "7701"
                              << "rbGiveSelf"
                              << ""
                              << ""
                              << "" << QStringList{};
    QTest::newRow("no inspection") << ""
                                   << "rbGiveSelf"
                                   << ""
                                   << ""
                                   << "" << QStringList{inspection};
    QTest::newRow("person without name and document") << "7701"
                                                      << "rbGiveTrustFase"
                                                      << ""
                                                      << ""
                                                      << "" << QStringList{name, document};
    QTest::newRow("blank name") << "7701"
                                << "rbGiveTrustFase"
                                << "   "
                                << "Д"
                                << "" << QStringList{name};
    QTest::newRow("organisation missing everything")
        << ""
        << "rbGiveByMail"
        << ""
        << ""
        << "" << QStringList{inspection, name, document, organisation};
    QTest::newRow("organisation complete") << "7701"
                                           << "rbGiveByMail"
                                           << "Петров"
                                           << "Д"
                                           << "ООО" << QStringList{};
  }
  void check() {
    QFETCH(QString, inspection);
    QFETCH(QString, signer);
    QFETCH(QString, name);
    QFETCH(QString, document);
    QFETCH(QString, organisation);
    QFETCH(QStringList, messages);
    auto main = StartWith([&](mTDeclaration& d) {
      d.InspectionNumber = inspection.toStdString();
      d.DeclarationType = 2;
      d.SetIncomeFlags(0);
      d.RepresentativeName = name.toStdString();
      d.RepresentativeDocument = document.toStdString();
      d.RepresentativeOrganization = organisation.toStdString();
    });
    TfrInitialData& screen = Screen(*main);
    screen.findChild<QRadioButton*>(signer)->click();

    QStringList shown;
    {
      CheckAnswers answers;  // "Пропустить" every time
      QCOMPARE(screen.Check(), uint16_t{0});
      shown = answers.Messages;
    }
    QStringList expected;
    for (const QString& message : messages)
      expected << QStringLiteral("Проверка: Задание условий: ") + message;
    QCOMPARE(shown, expected);

    if (messages.isEmpty()) return;
    CheckAnswers fix({}, "Button1");  // "Исправить" on the first message
    const uint16_t field = screen.Check();
    QCOMPARE(fix.Messages.size(), 1);
    const QMap<QString, uint16_t> fields = {
        {QStringLiteral("Не введен номер инспекции"), 1},
        {QStringLiteral("Не указаны ФИО подписанта-представителя"), 3},
        {QStringLiteral("Не указан документ, подтверждающий полномочия представителя"), 4},
        {QStringLiteral("Не указано наименование Юр.лица-представителя"), 5}};
    QCOMPARE(field, fields.value(messages.first()));
  }

  // What the screen writes into the return, and what it passes through unchanged.
  void store() {
    const kvor::Date signed_ = *kvor::Date::FromYMD(2015, 3, 17);
    auto main = StartWith([&](mTDeclaration& d) {
      d.SignDate = signed_;
      d.AutoCalculateApp = 1;
      d.AppendixCount = 7;
      d.SetIncomeFlags(0x09);  // with the flag no screen shows
      d.TaxpayerKind = 1;
    });
    TfrInitialData& screen = Screen(*main);
    screen.rbNeRez->click();
    screen.chbInvestTov->click();
    screen.meNumVer->selectAll();
    QTest::keyClicks(screen.meNumVer, QStringLiteral("3"));
    screen.Store();
    const mTDeclaration& d = main->Declaration();
    QCOMPARE(d.DeclarationType, uint8_t{1});
    QCOMPARE(d.IncomeFlags, uint8_t{0x11});
    QCOMPARE(d.TaxpayerKind, uint8_t{1});
    QCOMPARE(d.CorrectionNumber, 3);
    QCOMPARE(d.SignDate, signed_);
    QCOMPARE(d.AutoCalculateApp, uint8_t{0});
    QCOMPARE(d.AppendixCount, 7);
    QCOMPARE(d.SupposeIncome, kvor::Money());

    screen.meNumVer->clear();
    screen.Store();
    QCOMPARE(d.CorrectionNumber, 0);
  }

  // The taxpayer category of each button, and the form type of each.
  void storedCategory_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::newRow("entrepreneur") << "rbPredp" << 0;
    QTest::newRow("farm") << "rbFermer" << 1;
    QTest::newRow("notary") << "rbNotarius" << 2;
    QTest::newRow("advocate") << "rbAdvokat" << 3;
    QTest::newRow("other") << "rbFLProch" << 5;
    QTest::newRow("arbitration manager") << "rbArbitr" << 6;
  }
  void storedCategory() {
    QFETCH(QString, button);
    QFETCH(int, kind);
    auto main = StartWith([](mTDeclaration& d) { d.TaxpayerKind = 3; });
    TfrInitialData& screen = Screen(*main);
    screen.findChild<QRadioButton*>(button)->click();
    screen.Store();
    QCOMPARE(int(main->Declaration().TaxpayerKind), kind);
  }

  // The correction number takes at most three digits; the up-down stays within 0..999.
  void correctionNumber() {
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    screen.meNumVer->selectAll();
    QTest::keyClicks(screen.meNumVer, QStringLiteral("1234"));
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("123"));
    screen.meNumVer->setText(QStringLiteral("998"));
    screen.updCorr->UpButton()->click();
    screen.updCorr->UpButton()->click();
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("999"));
    QTest::keyClick(screen.meNumVer, Qt::Key_Down);
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("998"));
    screen.meNumVer->setText(QStringLiteral("0"));
    screen.updCorr->DownButton()->click();
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("0"));
    screen.meNumVer->clear();
    screen.updCorr->UpButton()->click();
    QCOMPARE(screen.meNumVer->text(), QStringLiteral("1"));
  }

  // Every change the user makes marks the return unsaved: the boxes, the form type, the
  // category, the signer and the typed fields.
  void changesMarkTheReturnUnsaved_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"chbIncomeCurrency", "rbNeRez", "rb4ndfl", "rbPredp", "rbArbitr",
                             "rbGiveTrustFase", "meNumVer"})
      QTest::newRow(name) << name;
  }
  void changesMarkTheReturnUnsaved() {
    QFETCH(QString, control);
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    QVERIFY(main->Saved());
    QWidget* widget = screen.findChild<QWidget*>(control);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
      button->click();
    else
      QTest::keyClicks(widget, QStringLiteral("5"));
    QVERIFY(!main->Saved());
  }

  // The check-and-jump of the main window lands on the screen's fields.
  void focusField() {
    auto main = Start();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    TfrInitialData& screen = Screen(*main);
    screen.rb4ndfl->click();
    screen.rbGiveByMail->click();
    const QMap<int, QWidget*> fields = {
        {2, screen.meSupposeIncome}, {3, screen.meFIO}, {4, screen.meOsn}, {5, screen.meUL}};
    for (auto [field, widget] : fields.asKeyValueRange()) {
      screen.FocusField(static_cast<uint16_t>(field));
      QCOMPARE(QApplication::focusWidget(), widget);
    }
    screen.FocusField(1);  // without the directory nothing opens
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }
};

QTEST_MAIN(TestInitialData)
#include "test_initial_data.moc"
