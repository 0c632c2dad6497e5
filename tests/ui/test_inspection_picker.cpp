// The directories read at start-up, the inspection picker of the conditions screen and the
// import window that rebuilds the inspection directory from the tax authority's table.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/common/codec.h"
#include "core/directories/activity_codes.h"
#include "core/directories/currency_rates.h"
#include "core/directories/inspections.h"
#include "core/directories/soun_import.h"
#include "core/model/declaration.h"
#include "ui/controls/link_label.h"
#include "ui/controls/masked_edit.h"
#include "ui/dialogs/input_inspection_number.h"
#include "ui/dialogs/load_soun.h"
#include "ui/screens/frame_initial_data.h"
#include "ui/shell/form_main.h"
#include "ui/shell/help_window.h"
#include "ui/shell/program_folder.h"
#include "ui/shell/texts.h"
#include "ui_test_support.h"

using kvor::mTDeclaration;
using kvor::test::ScriptedDialogs;
using kvor::test::WhenModalShows;
using kvor::ui::TfmInputInspectionNumber;
using kvor::ui::TfmLoadSoun;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TfrInitialData;

namespace {

void Write(const QString& path, const std::string& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

std::string InspectionsXml(std::initializer_list<kvor::CodeName> rows) {
  kvor::InspectionDirectory directory{"00", "01.12.2014", rows};
  return kvor::InspectionDirectoryToXml(directory);
}

// Code page 866 for the names of the tax authority's table (capitals, small letters, ASCII).
std::string Cp866(const QString& text) {
  std::string bytes;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80)
      bytes += static_cast<char>(u);
    else if (u >= u'А' && u <= u'Я')
      bytes += static_cast<char>(0x80 + (u - u'А'));
    else if (u >= u'а' && u <= u'п')
      bytes += static_cast<char>(0xA0 + (u - u'а'));
    else if (u >= u'р' && u <= u'я')
      bytes += static_cast<char>(0xE0 + (u - u'р'));
    else if (u == u'№')
      bytes += '\xFC';
  }
  return bytes;
}

// A soun1.dbf with records of a code and a name, every record active and current.
std::string SounTable(const QList<std::pair<QString, QString>>& records) {
  namespace soun = kvor::soun;
  std::string bytes(soun::kHeaderSize + 1, '\0');
  bytes[0] = 0x03;
  bytes[soun::kCountOffset] = static_cast<char>(records.size());
  bytes[soun::kHeaderLengthOffset] = static_cast<char>(bytes.size());
  bytes.back() = 0x0D;
  for (const auto& [code, name] : records) {
    std::string record(soun::kRecordSize, ' ');
    record.replace(soun::kCodeOffset, soun::kCodeLength, code.toStdString());
    std::string encoded = Cp866(name);
    record.replace(soun::kNameOffset, encoded.size(), encoded);
    record[soun::kActiveOffset] = '1';
    bytes += record;
  }
  return bytes + '\x1A';
}

}  // namespace

class TestInspectionPicker : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  std::unique_ptr<QTemporaryDir> folder_;  // the program folder of one test
  std::shared_ptr<ScriptedDialogs> dialogs_;

  QString InFolder(const QString& name) const { return folder_->filePath(name); }
  QString DirectoryPath() const { return InFolder(QStringLiteral("InspectionNumbers.xml")); }

  std::unique_ptr<TFormMain> Start(const std::string& inspection = {}) {
    QStringList arguments;
    if (!inspection.empty()) {
      mTDeclaration declaration;
      declaration.PrepareNew();
      declaration.InspectionNumber = inspection;
      arguments << InFolder(QStringLiteral("return.kv4"));
      declaration.SaveToFile(arguments[0].toStdString());
    }
    TFormMainSetup setup;
    setup.Arguments = arguments;
    setup.Dialogs = dialogs_;
    return std::make_unique<TFormMain>(std::move(setup));
  }
  static TfrInitialData& Screen(TFormMain& main) {
    return *qobject_cast<TfrInitialData*>(main.CurrentScreen());
  }
  void WriteThreeInspections() {
    Write(DirectoryPath(), InspectionsXml({{"7701", "Инспекция ФНС России № 1 по г.Москве"},
                                           {"7702", "Инспекция ФНС России № 2 по г.Москве"},
                                           {"7703", "Инспекция ФНС России № 3 по г.Москве"}}));
  }

 private slots:
  void init() {
    settings_.Clear();
    folder_ = std::make_unique<QTemporaryDir>();
    kvor::ui::SetProgramFolder(folder_->path());
    dialogs_ = std::make_shared<ScriptedDialogs>();
  }

  // Without "InspectionNumbers.xml" there is no picker and the code cannot be chosen; a stored
  // code is still shown, and the field takes a typed code instead (four digits at most).
  void missingDirectory() {
    auto main = Start("7701");
    QCOMPARE(main->InspectionPicker(), nullptr);
    TfrInitialData& screen = Screen(*main);
    QVERIFY(!screen.bnInspection->isEnabled());
    QCOMPARE(screen.meInspection->text(), QStringLiteral("7701"));
    QCOMPARE(dialogs_->Log, QStringList());
    QVERIFY(!main->EndRequested());

    QVERIFY(screen.meInspection->isEnabled());
    screen.meInspection->clear();
    QTest::keyClicks(screen.meInspection, QStringLiteral("7a71234"));
    QCOMPARE(screen.meInspection->text(), QStringLiteral("7712"));
    screen.Store();
    QCOMPARE(main->Declaration().InspectionNumber, std::string("7712"));
  }

  // The picker lists the directory in file order and opens on the return's code; the chosen
  // inspection fills the field and marks the return changed.
  void chooseInspection() {
    WriteThreeInspections();
    auto main = Start("7701");
    TfrInitialData& screen = Screen(*main);
    QVERIFY(screen.bnInspection->isEnabled());
    QString openedOn;
    int rows = 0;
    WhenModalShows([&](QWidget* modal) {
      auto* picker = qobject_cast<TfmInputInspectionNumber*>(modal);
      QVERIFY(picker);
      QCOMPARE(picker->windowTitle(), QStringLiteral("Справочник инспекций"));
      rows = picker->lvInspections->topLevelItemCount();
      openedOn = picker->lvInspections->currentItem()->text(0);
      picker->lvInspections->setCurrentItem(picker->lvInspections->topLevelItem(2));
      picker->bnYes->click();
    });
    screen.bnInspection->click();
    QCOMPARE(rows, 3);
    QCOMPARE(openedOn, QStringLiteral("7701"));
    QCOMPARE(screen.meInspection->text(), QStringLiteral("7703"));
    QCOMPARE(main->InspectionPicker()->ResultName(),
             QStringLiteral("Инспекция ФНС России № 3 по г.Москве"));
    QVERIFY(!main->Saved());
    screen.Store();
    QCOMPARE(main->Declaration().InspectionNumber, std::string("7703"));
  }

  // A code the directory does not list: no row is selected, and OK keeps the code.
  void unlistedCodeKept() {
    WriteThreeInspections();
    auto main = Start("7799");
    TfrInitialData& screen = Screen(*main);
    bool anySelected = true;
    WhenModalShows([&](QWidget* modal) {
      auto* picker = qobject_cast<TfmInputInspectionNumber*>(modal);
      anySelected = picker->lvInspections->currentItem() != nullptr ||
                    !picker->lvInspections->selectedItems().isEmpty();
      picker->bnYes->click();
    });
    screen.bnInspection->click();
    QVERIFY(!anySelected);
    QCOMPARE(main->InspectionPicker()->ResultCode(), QStringLiteral("7799"));
    QCOMPARE(screen.meInspection->text(), QStringLiteral("7799"));
    QVERIFY(main->Saved());  // nothing changed
  }

  // The picker keeps its rows between uses, but each use starts from the code it is given:
  // a row chosen before is not chosen again by itself.
  void eachUseStartsFromTheGivenCode() {
    WriteThreeInspections();
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    WhenModalShows([](QWidget* modal) {
      auto* picker = qobject_cast<TfmInputInspectionNumber*>(modal);
      picker->lvInspections->setCurrentItem(picker->lvInspections->topLevelItem(1));
      picker->bnCansel->click();
    });
    screen.bnInspection->click();
    QCOMPARE(screen.meInspection->text(), QString());
    WhenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    screen.bnInspection->click();
    QCOMPARE(screen.meInspection->text(), QString());
    QVERIFY(main->Saved());
  }

  // A double click on a row confirms it.
  void doubleClickConfirms() {
    WriteThreeInspections();
    auto main = Start();
    TfrInitialData& screen = Screen(*main);
    WhenModalShows([](QWidget* modal) {
      auto* list = qobject_cast<TfmInputInspectionNumber*>(modal)->lvInspections;
      QTreeWidgetItem* item = list->topLevelItem(1);
      const QPoint point = list->visualItemRect(item).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    });
    screen.bnInspection->click();
    QCOMPARE(screen.meInspection->text(), QStringLiteral("7702"));
  }

  // "Исправить" on the missing inspection opens the picker.
  void fixingTheInspectionOpensThePicker() {
    WriteThreeInspections();
    auto main = Start();
    QWidget* shown = nullptr;
    WhenModalShows([&](QWidget* modal) {
      shown = modal;
      static_cast<QDialog*>(modal)->reject();
    });
    Screen(*main).FocusField(1);
    QCOMPARE(shown, main->InspectionPicker());
  }

  // An inspection directory that cannot be read: the message with the support address, and the
  // program ends once start-up is over.
  void unreadableDirectory() {
    Write(DirectoryPath(), "<?xml version=\"1.0\"?><Inspections><Inspection Code=\"77");
    auto main = Start();
    QVERIFY(main->EndRequested());
    QCOMPARE(main->InspectionPicker(), nullptr);
    QCOMPARE(dialogs_->Log.size(), 1);
    QVERIFY2(dialogs_->Log[0].startsWith(QStringLiteral("error: ") +
                                         kvor::ui::texts::kInspectionsUnreadable +
                                         kvor::ui::texts::kSupportEmail),
             qPrintable(dialogs_->Log[0]));
    QVERIFY(dialogs_->Log[0].contains(QStringLiteral("InspectionNumbers.xml")));
  }

  // The other directories: kept when present, simply absent when missing, and absent with a
  // message when they cannot be read.
  void otherDirectories_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("readable");
    for (const char* file : {"Oksm.xml", "Sp_OKVED2.xml", "CurrencyRates.xml"}) {
      QTest::addRow("%s present", file) << file << true;
      QTest::addRow("%s broken", file) << file << false;
    }
  }
  void otherDirectories() {
    QFETCH(QString, file);
    QFETCH(bool, readable);
    std::string bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?><Root><Row Code=";
    if (readable) {
      if (file == QLatin1String("Oksm.xml")) {
        bytes = kvor::Utf8ToCp1251(
            "<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
            "<Oksm><Country Code=\"643\">РОССИЯ</Country></Oksm>");
      } else if (file == QLatin1String("Sp_OKVED2.xml")) {
        bytes = kvor::ActivityDirectoryToXml({{{1, "A", "A", "СЕЛЬСКОЕ ХОЗЯЙСТВО"}}});
      } else {
        kvor::CurrencyDirectory currencies;
        currencies.Currencies.push_back({"840", "Доллар США", {}});
        bytes = kvor::CurrencyDirectoryToXml(currencies);
      }
    }
    Write(InFolder(file), bytes);
    auto main = Start();
    const bool present = file == QLatin1String("Oksm.xml") ? main->Countries() != nullptr
                         : file == QLatin1String("Sp_OKVED2.xml")
                             ? main->Okved() != nullptr
                             : main->CurrencyRates() != nullptr;
    QCOMPARE(present, readable);
    QCOMPARE(dialogs_->Log.size(), readable ? 0 : 1);
    if (!readable) QVERIFY(dialogs_->Log[0].contains(file));
    QVERIFY(!main->EndRequested());
    if (file == QLatin1String("Oksm.xml") && readable)
      QCOMPARE(main->Countries()->at(0).Name, std::string("РОССИЯ"));
  }

  // "Пролистал весь справочник, …" leads to the import window.
  void pickerLeadsToTheImport() {
    WriteThreeInspections();
    auto main = Start();
    QString importTitle;
    WhenModalShows([&](QWidget* modal) {
      auto* picker = qobject_cast<TfmInputInspectionNumber*>(modal);
      WhenModalShows([&](QWidget* import) {
        importTitle = import->windowTitle();
        QVERIFY(qobject_cast<TfmLoadSoun*>(import));
        kvor::test::ClickButton(import, "BitBtn1");
      });
      picker->Button1->click();
      picker->reject();
    });
    Screen(*main).bnInspection->click();
    QCOMPARE(importTitle, QStringLiteral("Загрузка СОУН"));
  }

  // The file chooser offers soun1.dbf from the program folder; whatever comes of it, the import
  // button is enabled and "OK" waits for an import.
  void chooseTheTable() {
    TfmLoadSoun window(dialogs_);
    QVERIFY(!window.Button1->isEnabled());
    QVERIFY(window.BitBtn1->isEnabled());
    QVERIFY(window.edSoun1->isReadOnly());

    window.Button4->click();  // cancelled
    QCOMPARE(dialogs_->Log, QStringList{QStringLiteral("open in ") + kvor::ui::ProgramFolder()});
    QCOMPARE(dialogs_->LastFilters, QStringLiteral("*.dbf (soun1.dbf)"));
    QCOMPARE(window.edSoun1->text(), QString());
    QVERIFY(window.Button1->isEnabled());
    QVERIFY(!window.BitBtn1->isEnabled());

    window.Button1->click();
    QCOMPARE(dialogs_->Log.last(), QStringLiteral("information: Укажите путь к файлу soun1.dbf"));
    QVERIFY(window.BitBtn1->isEnabled());

    dialogs_->OpenNames.push_back(InFolder(QStringLiteral("soun1.dbf")));
    window.Button4->click();
    QCOMPARE(window.edSoun1->text(), InFolder(QStringLiteral("soun1.dbf")));
  }

  // The import rebuilds the directory in the program folder; the running picker keeps its rows.
  void importRebuildsTheDirectory() {
    WriteThreeInspections();
    Write(InFolder(QStringLiteral("soun1.dbf")),
          SounTable({{QStringLiteral("7700"), QStringLiteral("УФНС России по г.Москве")},
                     {QStringLiteral("7704"), QStringLiteral("ИФНС России № 4 по г.Москве")},
                     {QStringLiteral("0400"), QStringLiteral("УФНС по Республике Алтай")}}));
    auto main = Start();
    TfmLoadSoun window(dialogs_, main.get());
    dialogs_->OpenNames.push_back(InFolder(QStringLiteral("soun1.dbf")));
    window.Button4->click();
    window.Button1->click();
    QCOMPARE(dialogs_->Log.last(),
             QStringLiteral("information: Данные успешно импортированы. Не забудьте "
                            "перезапустить программу."));
    auto rebuilt = kvor::ParseInspectionDirectory(Read(DirectoryPath()));
    QVERIFY2(rebuilt.Ok(), rebuilt.Error.c_str());
    const std::vector<kvor::CodeName> expected = {{"7704", "ИФНС России № 4 по г.Москве"},
                                                  {"0400", "УФНС по Республике Алтай"}};
    QVERIFY(rebuilt.Value->Inspections == expected);
    QCOMPARE(rebuilt.Value->Version, std::string("00"));
    QCOMPARE(rebuilt.Value->Date, kvor::Date::Today().ToText('.'));
    QCOMPARE(main->InspectionPicker()->lvInspections->topLevelItemCount(), 3);
  }

  // A table that cannot be read leaves the directory as it was.
  void failedImportKeepsTheDirectory_data() {
    QTest::addColumn<QByteArray>("table");  // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("cut short") << QByteArray::fromStdString(
                                      SounTable({{QStringLiteral("7704"), QStringLiteral("И")}}))
                                      .left(600);
  }
  void failedImportKeepsTheDirectory() {
    QFETCH(QByteArray, table);
    WriteThreeInspections();
    const std::string before = Read(DirectoryPath());
    if (!table.isEmpty()) Write(InFolder(QStringLiteral("soun1.dbf")), table.toStdString());
    TfmLoadSoun window(dialogs_);
    dialogs_->OpenNames.push_back(InFolder(QStringLiteral("soun1.dbf")));
    window.Button4->click();
    window.Button1->click();
    QVERIFY2(
        dialogs_->Log.last().startsWith(QStringLiteral("error: Импортировать данные не удалось")),
        qPrintable(dialogs_->Log.last()));
    QCOMPARE(Read(DirectoryPath()), before);
  }

  // The web link opens the download page in the browser, or says it could not.
  void downloadPage() {
    TfmLoadSoun window(dialogs_);
    QVERIFY(window.Label8->text().contains(TfmLoadSoun::kSounPage.host()));
    QCOMPARE(window.Label8->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(window.Label8, Qt::LeftButton);
    QCOMPARE(dialogs_->Log,
             QStringList{QStringLiteral("url: ") + TfmLoadSoun::kSounPage.toString()});
    dialogs_->UrlOpens = false;
    QTest::mouseClick(window.Label8, Qt::LeftButton);
    QCOMPARE(dialogs_->Log.last(), QStringLiteral("error: Не удалось запустить браузер"));
  }

  // The help link opens the help page on the directory, or says the help is missing.
  void helpPage() {
    TfmLoadSoun window(dialogs_);
    QTest::mouseClick(window.Label6, Qt::LeftButton);
    QCOMPARE(dialogs_->Log, QStringList{QStringLiteral("error: ") + kvor::ui::texts::kNoHelp});

    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("help")));
    QVERIFY(QFile::copy(QStringLiteral(KVOR_BIN_DIR "/help/EditSOUN.htm"),
                        InFolder(QStringLiteral("help/EditSOUN.htm"))));
    QTest::mouseClick(window.Label6, Qt::LeftButton);
    auto* help = window.findChild<kvor::ui::THelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->Page().fileName(), QStringLiteral("EditSOUN.htm"));
    QCOMPARE(dialogs_->Log.size(), 1);
  }
};

QTEST_MAIN(TestInspectionPicker)
#include "test_inspection_picker.moc"
