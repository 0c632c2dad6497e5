// A return made in the window alone, from a new return to the exchange file: the conditions, the
// taxpayer, "Проверить" and "Экспорт в xml", and the file written checked with xmllint; and the
// same return saved and opened again through the real screens.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/common/codec.h"
#include "core/directories/inspections.h"
#include "ui/controls/flash_button.h"
#include "ui/controls/masked_edit.h"
#include "ui/dialogs/input_inspection_number.h"
#include "ui/dialogs/list_picker.h"
#include "ui/screens/frame_initial_data.h"
#include "ui/screens/frame_person_data.h"
#include "ui/shell/form_main.h"
#include "ui/shell/program_folder.h"
#include "ui/shell/texts.h"
#include "ui_test_support.h"

using kvor::test::ScriptedDialogs;
using kvor::ui::TFlashButton;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TfrInitialData;
using kvor::ui::TfrPersonAddress;
using kvor::ui::TfrPersonData;
using kvor::ui::TfrPersonNaim;
using kvor::ui::TSection;

namespace {

constexpr const char* kInn = "500100732259";

// The shape of a 4-NDFL file as the program writes it (there is no published schema of that
// form in the shared data), and the published 3-NDFL schema.
const QString kStructure4 = QStringLiteral(KVOR_FIXTURES_DIR "/export/ndfl4_structure.xsd");
const QString kSchema3 = QStringLiteral(KVOR_SHARED_DIR "/data/xsd/NO_NDFL3_5_09_approx.xsd");

// Types the text key by key (any character, Cyrillic too), as a user would.
void Type(QWidget* field, const QString& text) {
  for (QChar c : text) {
    const Qt::Key key =
        c.unicode() < 0x80 ? QTest::asciiToKey(static_cast<char>(c.unicode())) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, field, key, QString(c), Qt::NoModifier);
  }
}

// Once a modal window of the class `T` comes up, hands it to `answer`.
template <class T>
void WhenShows(std::function<void(T*)> answer) {
  kvor::test::WhenModalShows([answer](QWidget* modal) {
    T* window = qobject_cast<T*>(modal);
    if (!window) {
      modal->close();
      QFAIL(qPrintable(QStringLiteral("unexpected window ") + modal->windowTitle()));
    }
    answer(window);
  });
}

// Selects the row with `code` in a picker's list and confirms.
void Choose(QTreeWidget* list, QPushButton* yes, const QString& code) {
  const QList<QTreeWidgetItem*> rows = list->findItems(code, Qt::MatchExactly, 0);
  QVERIFY2(!rows.isEmpty(), qPrintable(code));
  list->setCurrentItem(rows.front());
  yes->click();
}

struct Xmllint {
  int Status = -1;
  QString Output;
};

// xmllint's verdict on the file against the schema.
Xmllint Validate(const QString& schema, const QString& file) {
  QProcess run;
  run.setProcessChannelMode(QProcess::MergedChannels);
  run.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--schema"), schema, file});
  if (!run.waitForFinished(60000)) return {};
  return {run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1,
          QString::fromLocal8Bit(run.readAll())};
}

QString ReadCp1251(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromStdString(kvor::Cp1251ToUtf8(file.readAll().toStdString()));
}

}  // namespace

class TestEndToEnd : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  QTemporaryDir program_;  // the program folder, with an inspection directory
  QTemporaryDir output_;   // where the exchange files go
  std::shared_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<TFormMain> main_;

  TFormMain& Main() { return *main_; }
  template <class Screen>
  Screen& Shown() {
    auto* screen = qobject_cast<Screen*>(Main().CurrentScreen());
    if (!screen) qFatal("another screen is shown");
    return *screen;
  }

  // The conditions: the inspection from the picker and the form type.
  void FillConditions(const char* formButton) {
    auto& conditions = Shown<TfrInitialData>();
    QVERIFY(conditions.bnInspection->isEnabled());
    WhenShows<kvor::ui::TfmInputInspectionNumber>([](kvor::ui::TfmInputInspectionNumber* picker) {
      Choose(picker->lvInspections, picker->bnYes, QStringLiteral("7701"));
    });
    conditions.bnInspection->click();
    QCOMPARE(conditions.meInspection->text(), QStringLiteral("7701"));
    conditions.findChild<QRadioButton*>(QLatin1String(formButton))->click();
  }

  // The name page: name and ИНН.
  TfrPersonNaim& FillName() {
    Main().SectionButton(TSection::kPersonData)->Click();
    auto& naim = *qobject_cast<TfrPersonNaim*>(Shown<TfrPersonData>().CurrentPage());
    Type(naim.meSurName, QStringLiteral("Смирнова"));
    Type(naim.meName, QStringLiteral("Ольга"));
    Type(naim.mePatronymic, QStringLiteral("Ивановна"));
    Type(naim.meINN, QString::fromLatin1(kInn));
    return naim;
  }

  // "Проверить" passes; "Экспорт в xml" into the output folder; the file's path.
  QString CheckAndExport() {
    dialogs_->Log.clear();
    Main().CommandCheck();
    if (dialogs_->Log !=
        QStringList{QStringLiteral("information: ") + kvor::ui::texts::kCheckPassed}) {
      qWarning() << dialogs_->Log;
      return {};
    }
    dialogs_->Log.clear();
    dialogs_->Folders.push_back(output_.path());
    Main().findChild<TFlashButton*>(QStringLiteral("fbExsport"))->Click();
    const QString written = QStringLiteral("information: ") + kvor::ui::texts::kExportWritten +
                            output_.path() + QLatin1Char('/');
    if (dialogs_->Log.size() != 2 || !dialogs_->Log[1].startsWith(written)) {
      qWarning() << dialogs_->Log;
      return {};
    }
    return output_.filePath(dialogs_->Log[1].mid(written.size() + 1));
  }

 private slots:
  void initTestCase() {
    QFile directory(program_.filePath(QString::fromLatin1(kvor::kInspectionFileName)));
    QVERIFY(directory.open(QIODevice::WriteOnly));
    const std::string xml = kvor::InspectionDirectoryToXml(kvor::InspectionDirectory{
        "00", "01.12.2014", {{"7701", "Инспекция ФНС России № 1 по г.Москве"}}});
    directory.write(xml.data(), static_cast<qint64>(xml.size()));
    directory.close();
    kvor::ui::SetProgramFolder(program_.path());
  }
  void init() {
    settings_.Clear();
    QDir(output_.path()).removeRecursively();
    QDir().mkpath(output_.path());
    dialogs_ = std::make_shared<ScriptedDialogs>();
    TFormMainSetup setup;
    setup.Dialogs = dialogs_;
    main_ = std::make_unique<TFormMain>(std::move(setup));
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
  }
  void cleanup() { main_.reset(); }

  // 4-NDFL: the inspection, the form, the taxpayer's name, ИНН and ОКТМО; the file has the
  // shape of the form.
  void fourNdfl() {
    FillConditions("rb4ndfl");
    TfrPersonNaim& naim = FillName();
    QVERIFY(Shown<TfrPersonData>().fbPersonAddress->isHidden());
    Type(naim.meOKATO, QStringLiteral("45383000"));

    const QString file = CheckAndExport();
    QVERIFY(!file.isEmpty());
    QVERIFY(QFileInfo::exists(file));
    QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("NO_NDFL4_7701_7701_") +
                                                  QString::fromLatin1(kInn) + QLatin1Char('_')));
    QVERIFY(file.endsWith(QLatin1String(".xml")));
    const QString text = ReadCp1251(file);
    QVERIFY(text.contains(QStringLiteral("ВерсФорм=\"5.02\"")));
    QVERIFY(
        text.contains(QStringLiteral("ИННФЛ=\"") + QString::fromLatin1(kInn) + QLatin1Char('"')));
    QVERIFY(text.contains(QStringLiteral("ОКТМО=\"45383000\"")));
    QVERIFY(text.contains(QStringLiteral("Фамилия=\"СМИРНОВА\"")) ||
            text.contains(QStringLiteral("Фамилия=\"Смирнова\"")));
    const Xmllint verdict = Validate(kStructure4, file);
    QVERIFY2(verdict.Status == 0, qPrintable(verdict.Output));
  }

  // The return made on the real screens is saved, looked through without a change, replaced by
  // a new one without a question, opened again with every value in its field, and a change to it
  // is asked about when the window closes.
  void saveAndOpenThroughTheScreens() {
    const QString path = output_.filePath(QStringLiteral("smirnova.kv4"));
    FillConditions("rbSimple");
    FillName();
    Shown<TfrPersonData>().fbPersonAddress->Click();
    auto& address = *qobject_cast<TfrPersonAddress*>(Shown<TfrPersonData>().CurrentPage());
    WhenShows<kvor::ui::TfmRegionName>([](kvor::ui::TfmRegionName* picker) {
      Choose(picker->lvList, picker->bnYes, QStringLiteral("77"));
    });
    address.bnRegion->click();
    Type(address.meStreet, QStringLiteral("Мясницкая"));
    Type(address.meOKATO, QStringLiteral("45383000"));
    QVERIFY(!Main().Saved());
    dialogs_->SaveNames.push_back(path);
    Main().findChild<TFlashButton*>(QStringLiteral("fbSave"))->Click();
    QCOMPARE(dialogs_->Log, QStringList{QStringLiteral("save")});
    QCOMPARE(Main().windowTitle(), QStringLiteral("smirnova.kv4 - Квор 2014"));
    QVERIFY(Main().Saved());

    // Looking through the screens and pages changes nothing.
    Main().SectionButton(TSection::kInitialData)->Click();
    Main().SectionButton(TSection::kPersonData)->Click();
    Shown<TfrPersonData>().fbPersonAddress->Click();
    Shown<TfrPersonData>().fbPersonNaim->Click();
    QVERIFY(Main().Saved());
    dialogs_->Log.clear();
    Main().findChild<TFlashButton*>(QStringLiteral("fbCreate"))->Click();
    QCOMPARE(dialogs_->Log, QStringList());
    QCOMPARE(Main().windowTitle(), QStringLiteral("Без имени - Квор 2014"));
    QCOMPARE(Shown<TfrInitialData>().meInspection->text(), QString());

    dialogs_->OpenNames.push_back(path);
    Main().findChild<TFlashButton*>(QStringLiteral("fbOpen"))->Click();
    QCOMPARE(dialogs_->Log, QStringList{QStringLiteral("open")});
    QCOMPARE(Main().windowTitle(), QStringLiteral("smirnova.kv4 - Квор 2014"));
    auto& conditions = Shown<TfrInitialData>();
    QCOMPARE(conditions.meInspection->text(), QStringLiteral("7701"));
    QVERIFY(conditions.rbSimple->isChecked());
    Main().SectionButton(TSection::kPersonData)->Click();
    auto* opened = qobject_cast<TfrPersonNaim*>(Shown<TfrPersonData>().CurrentPage());
    QVERIFY(opened);
    QCOMPARE(opened->meSurName->text(), QStringLiteral("Смирнова"));
    QCOMPARE(opened->meName->text(), QStringLiteral("Ольга"));
    QCOMPARE(opened->mePatronymic->text(), QStringLiteral("Ивановна"));
    QCOMPARE(opened->meINN->text(), QString::fromLatin1(kInn));
    Shown<TfrPersonData>().fbPersonAddress->Click();
    QCOMPARE(qobject_cast<TfrPersonAddress*>(Shown<TfrPersonData>().CurrentPage())->meOKATO->text(),
             QStringLiteral("45383000"));
    Shown<TfrPersonData>().fbPersonNaim->Click();
    QVERIFY(Main().Saved());

    dialogs_->Log.clear();
    opened = qobject_cast<TfrPersonNaim*>(Shown<TfrPersonData>().CurrentPage());
    QVERIFY(opened);
    Type(opened->meSurName, QStringLiteral("а"));
    QVERIFY(!Main().Saved());
    dialogs_->Answers.push_back(QMessageBox::Cancel);
    QVERIFY(!Main().close());
    QCOMPARE(dialogs_->Log,
             QStringList{QStringLiteral("question: Вы хотите сохранить декларацию?")});
  }

  // 3-NDFL without income: the address page too, its region from the picker; the file is read
  // against the published 3-NDFL schema.
  void threeNdfl() {
    FillConditions("rbSimple");
    Shown<TfrInitialData>().chbIncomeInquiry->click();  // no income at all
    FillName();
    auto& screen = Shown<TfrPersonData>();
    screen.fbPersonAddress->Click();
    auto& address = *qobject_cast<TfrPersonAddress*>(screen.CurrentPage());
    WhenShows<kvor::ui::TfmRegionName>([](kvor::ui::TfmRegionName* picker) {
      Choose(picker->lvList, picker->bnYes, QStringLiteral("77"));
    });
    address.bnRegion->click();
    QCOMPARE(address.pnlRegion->text(), QStringLiteral("г. Москва"));
    Type(address.mePostIndex, QStringLiteral("101000"));
    Type(address.meStreet, QStringLiteral("Мясницкая"));
    Type(address.meHouse, QStringLiteral("7"));
    Type(address.meOKATO, QStringLiteral("45375000"));

    const QString file = CheckAndExport();
    QVERIFY(!file.isEmpty());
    QVERIFY(QFileInfo::exists(file));
    QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("NO_NDFL3_7701_7701_") +
                                                  QString::fromLatin1(kInn) + QLatin1Char('_')));
    const QString text = ReadCp1251(file);
    QVERIFY(text.contains(QStringLiteral("Регион=\"77\"")));
    QVERIFY(text.contains(QStringLiteral("Индекс=\"101000\"")));
    // The schema is of format 5.10; what it says beyond the attributes by which 5.10 differs
    // from the 5.09 the program writes would be a fault of the file.
    const Xmllint verdict = Validate(kSchema3, file);
    QVERIFY2(verdict.Output.contains(file), "xmllint did not read the file");
    const QStringList versionDifferences = {
        QStringLiteral("Element 'РасчНалБаза': The attribute 'СумДохДивКИК' is required but "
                       "missing."),
        QStringLiteral("Element 'РасчНалПУ', attribute 'ОбщУплЗач227.1': The attribute "
                       "'ОбщУплЗач227.1' is not allowed."),
        QStringLiteral("Element 'РасчНалПУ': The attribute 'ОбщАвУплЗач227.1' is required but "
                       "missing."),
        QStringLiteral("Element 'РасчНалПУ': The attribute 'ИсчислУпл' is required but missing."),
        QStringLiteral("Element 'РасчНалПУ': The attribute 'УплПатентЗач' is required but "
                       "missing."),
        QStringLiteral("Element 'РасчНалПУ': The attribute 'ТСУплПерЗач' is required but "
                       "missing."),
    };
    for (const QString& line : verdict.Output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
      if (line == file + QStringLiteral(" fails to validate")) continue;
      const qsizetype error = line.indexOf(QLatin1String("Schemas validity error : "));
      const QString complaint = error < 0 ? line : line.mid(error + 25);
      QVERIFY2(versionDifferences.contains(complaint), qPrintable(line));
    }
  }
};

QTEST_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
