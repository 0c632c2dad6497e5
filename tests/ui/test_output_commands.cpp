// The "Квор" commands: the whole-return check with its dialog and the jump to the field, the
// exchange file, the preview and the printing; and the help.
// The tables below are easier to read with plain UTF-8 literals as texts.
#undef QT_NO_CAST_FROM_ASCII

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>
#include <stdexcept>

#include "core/model/declaration.h"
#include "ui/controls/flash_button.h"
#include "ui/print/print_module.h"
#include "ui/shell/form_main.h"
#include "ui/shell/help_window.h"
#include "ui/shell/program_folder.h"
#include "ui_test_support.h"

using kvor::mTDeclaration;
using kvor::test::FakeScreens;
using kvor::test::ScreenLog;
using kvor::test::ScriptedDialogs;
using kvor::ui::ProgramReturnServices;
using kvor::ui::TExportOutcome;
using kvor::ui::TFlashButton;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TReturnFinding;
using kvor::ui::TSection;

namespace {

const QString kNoPrintModule = QStringLiteral(
    "error: Не найден модуль печати. Войдите в рабочий каталог программы \"Квор 2014\" и "
    "запустите файл \"Острел(3.0.32).msi\"");

// A print component that logs its calls; PrintData fails on the copy given.
class FakePrintModule : public kvor::ui::TPrintModule {
 public:
  FakePrintModule(QStringList& log, int failingCopy) : log_(log), failingCopy_(failingCopy) {}
  void SetPrintTiffParam(const QString& name, const QString& value) override {
    log_ << QStringLiteral("param %1=%2").arg(name, value);
  }
  void SetPrintTiffFolder(const QString& folder) override {
    log_ << QStringLiteral("folder ") + folder;
  }
  void PreviewData(const QString& xml, QWidget* owner) override {
    log_ << QStringLiteral("preview %1 %2").arg(xml, owner ? owner->objectName() : QString());
  }
  void PrintData(const QString& xml, const QString& reserved, const QString& printer,
                 int flags) override {
    if (++copies_ == failingCopy_) throw std::runtime_error("Принтер не отвечает");
    log_ << QStringLiteral("print %1 [%2] %3 %4").arg(xml, reserved, printer).arg(flags);
  }

 private:
  QStringList& log_;
  int failingCopy_;
  int copies_ = 0;
};

}  // namespace

class TestOutputCommands : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  QTemporaryDir dir_;

  struct Window {
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::shared_ptr<ScreenLog> log = std::make_shared<ScreenLog>();
    std::optional<TReturnFinding> finding;
    TExportOutcome exportOutcome{"ERROR", {}};
    std::string exportFolder;
    bool exportThrows = false;
    QStringList printLog;
    int modulesCreated = 0;
    bool moduleInstalled = true;
    int failingCopy = 0;
    std::unique_ptr<TFormMain> main;

    void Trigger(const char* action) {
      main->findChild<QAction*>(QLatin1String(action))->trigger();
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    TFlashButton* Button(const char* name) {
      return main->findChild<TFlashButton*>(QLatin1String(name));
    }
  };
  // A window over fake screens for every section and a check, an export and a print component
  // that do what the test sets.
  std::unique_ptr<Window> Start() {
    auto window = std::make_unique<Window>();
    Window* w = window.get();
    TFormMainSetup setup;
    setup.Dialogs = w->dialogs;
    setup.Screens = FakeScreens(
        w->log, {TSection::kInitialData, TSection::kPersonData, TSection::kRussianIncome,
                 TSection::kInvestTov, TSection::kForeignIncome, TSection::kBusinessIncome,
                 TSection::kDeduction});
    setup.Services.FirstFinding = [w](mTDeclaration&) { return w->finding; };
    setup.Services.ExportToFolder = [w](mTDeclaration&, const std::string& folder) {
      if (w->exportThrows) throw std::runtime_error("Ошибка создания объекта:");
      w->exportFolder = folder;
      return w->exportOutcome;
    };
    setup.Services.ExportToText = [](mTDeclaration& declaration) {
      return TExportOutcome{"<Файл " + declaration.TaxAuthorityName + "/>", {}};
    };
    setup.PrintModules = [w]() -> std::unique_ptr<kvor::ui::TPrintModule> {
      ++w->modulesCreated;
      if (!w->moduleInstalled) return nullptr;
      return std::make_unique<FakePrintModule>(w->printLog, w->failingCopy);
    };
    w->main = std::make_unique<TFormMain>(std::move(setup));
    w->main->show();
    w->main->Declaration().SetIncomeFlags(0x17);
    w->main->EnableSectionButtons();
    return window;
  }

  // Answers the whole-return check's dialog with the button named, keeping its caption and
  // message.
  QString dialogText_;
  void AnswerCheckDialog(const char* button) {
    dialogText_.clear();
    kvor::test::WhenModalShows([this, button](QWidget* dialog) {
      dialogText_ = dialog->windowTitle() + QStringLiteral(" | ") +
                    dialog->findChild<QLabel*>(QStringLiteral("lbMessage"))->text();
      kvor::test::ClickButton(dialog, button);
    });
  }

  bool CommandsEnabled(Window& window) {
    return window.main->menuBar()->isEnabled() && window.main->centralWidget()->isEnabled() &&
           window.main->findChild<QToolBar*>()->isEnabled();
  }

 private slots:
  void init() { settings_.Clear(); }

  void checkWithoutProblems() {
    auto window = Start();
    window->log->Entries.clear();
    window->Click("fbCheck");
    QCOMPARE(window->dialogs->Log,
             QStringList{QStringLiteral("information: Проверка декларации завершена успешно")});
    // The screen stored what the user sees before the check.
    QCOMPARE(window->log->Entries, QStringList{QStringLiteral("store InitialData")});
  }

  // "Исправить" leads to the screen of the section and the field there.
  void checkJumpsToField_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<QStringList>("screenLog");
    QTest::addColumn<QString>("button");
    QTest::newRow("conditions") << 1 << QStringList{"focus InitialData 7"} << "fbInitialData";
    QTest::newRow("taxpayer name")
        << 2 << QStringList{"build PersonData", "drop InitialData", "page PersonData 0 7"}
        << "fbPrsonInfo";
    QTest::newRow("taxpayer address")
        << 3 << QStringList{"build PersonData", "drop InitialData", "page PersonData 1 7"}
        << "fbPrsonInfo";
    QTest::newRow("13 %") << 4
                          << QStringList{"build RussianIncome", "drop InitialData",
                                         "page RussianIncome 0 7"}
                          << "fbRussianIncome";
    QTest::newRow("35 %") << 6
                          << QStringList{"build RussianIncome", "drop InitialData",
                                         "page RussianIncome 2 7"}
                          << "fbRussianIncome";
    QTest::newRow("currency") << 7
                              << QStringList{"build ForeignIncome", "drop InitialData",
                                             "focus ForeignIncome 7"}
                              << "fbForeignIncome";
    QTest::newRow("business") << 8
                              << QStringList{"build BusinessIncome", "drop InitialData",
                                             "focus BusinessIncome 7"}
                              << "fbBusinessIncome";
    QTest::newRow("standard deductions")
        << 9 << QStringList{"build Deduction", "drop InitialData", "page Deduction 0 7"}
        << "fbDeduction";
    QTest::newRow("property deduction")
        << 10 << QStringList{"build Deduction", "drop InitialData", "page Deduction 1 7"}
        << "fbDeduction";
    QTest::newRow("partnerships") << 12
                                  << QStringList{"build InvestTov", "drop InitialData",
                                                 "focus InvestTov 7"}
                                  << "fbInvestTov";
    QTest::newRow("unknown section") << 11 << QStringList{} << "fbInitialData";
  }
  void checkJumpsToField() {
    QFETCH(int, section);
    QFETCH(QStringList, screenLog);
    QFETCH(QString, button);
    auto window = Start();
    window->finding =
        TReturnFinding{uint16_t(section), 7, "Сведения о декларанте", "Не введена фамилия"};
    window->log->Entries.clear();
    AnswerCheckDialog("Button1");
    window->Trigger("miCheck");
    QCOMPARE(dialogText_, QStringLiteral("Проверка: Сведения о декларанте | Не введена фамилия"));
    QCOMPARE(window->dialogs->Log, QStringList());
    screenLog.prepend(QStringLiteral("store InitialData"));
    QCOMPARE(window->log->Entries, screenLog);
    QVERIFY(window->Button(button.toLatin1())->Down());
    QVERIFY(window->main->Saved());
  }

  // "Отмена" on a problem: nothing goes on, and the screen stays.
  void cancelledCheckStopsCommands_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("check") << "miCheck";
    QTest::newRow("export") << "miExport";
    QTest::newRow("preview") << "miView";
    QTest::newRow("print") << "miPrint";
  }
  void cancelledCheckStopsCommands() {
    QFETCH(QString, action);
    auto window = Start();
    window->finding = TReturnFinding{2, 1, "Сведения о декларанте", "Не введена фамилия"};
    window->log->Entries.clear();
    AnswerCheckDialog("Button2");
    window->Trigger(action.toLatin1());
    QVERIFY(!dialogText_.isEmpty());
    QCOMPARE(window->dialogs->Log, QStringList());
    QCOMPARE(window->log->Entries, QStringList{QStringLiteral("store InitialData")});
    QCOMPARE(window->modulesCreated, 0);
    QVERIFY(CommandsEnabled(*window));
  }

  void fixStopsExport() {
    auto window = Start();
    window->finding = TReturnFinding{1, 1, "Задание условий", "Не введен номер инспекции"};
    AnswerCheckDialog("Button1");
    window->Click("fbExsport");
    QCOMPARE(window->dialogs->Log, QStringList());
  }

  void exportMessages_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("writeFile");
    QTest::addColumn<QStringList>("coreMessages");
    QTest::addColumn<QString>("message");
    QTest::newRow("written") << "NO_NDFL3_7701_7701_500100732259_20150301_1.xml" << true
                             << QStringList{}
                             << "information: Сформирован файл FOLDER/ "
                                "NO_NDFL3_7701_7701_500100732259_20150301_1.xml";
    QTest::newRow("not built") << "ERROR" << false
                               << QStringList{"Ошибка в выгрузке. Пожалуйста, свяжитесь с "
                                              "разработчиками через службу поддержки"}
                               << "information: Файл не сформирован, свяжитесь с "
                                  "разработчиками.";
    QTest::newRow("not found afterwards")
        << "NO_NDFL3_1.xml" << false << QStringList{}
        << "information: Не удалось сохранить файл в указанный каталог. Выберите другой каталог "
           "или запускайте программу с правами администратора.";
  }
  void exportMessages() {
    QFETCH(QString, result);
    QFETCH(bool, writeFile);
    QFETCH(QStringList, coreMessages);
    QFETCH(QString, message);
    auto window = Start();
    QString folder = dir_.path();
    window->dialogs->Folders = {folder};
    window->exportOutcome.Result = result.toStdString();
    for (const QString& text : coreMessages)
      window->exportOutcome.Messages.push_back(text.toStdString());
    if (writeFile) {
      QFile file(folder + QLatin1Char('/') + result);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    window->Click("fbExsport");
    QStringList expected{QStringLiteral("folder: Квор 2014")};
    for (const QString& text : coreMessages) expected << QStringLiteral("error: ") + text;
    expected << QString(message).replace(QStringLiteral("FOLDER"), folder);
    QCOMPARE(window->dialogs->Log, expected);
    QCOMPARE(window->exportFolder, (folder + QLatin1Char('/')).toStdString());
    QVERIFY(CommandsEnabled(*window));
  }

  void exportFolderCancelled() {
    auto window = Start();
    window->Click("fbExsport");
    QCOMPARE(window->dialogs->Log, QStringList{QStringLiteral("folder: Квор 2014")});
    QVERIFY(window->exportFolder.empty());
  }

  void exportFailure() {
    auto window = Start();
    window->dialogs->Folders = {dir_.path()};
    window->exportThrows = true;
    window->Click("fbExsport");
    QCOMPARE(window->dialogs->Log,
             QStringList({QStringLiteral("folder: Квор 2014"),
                          QStringLiteral("error: Ошибка создания объекта:")}));
    QVERIFY(CommandsEnabled(*window));
  }

  void withoutPrintModule_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("preview") << "fbView";
    QTest::newRow("print") << "fbPrint";
  }
  void withoutPrintModule() {
    QFETCH(QString, button);
    auto window = Start();
    window->moduleInstalled = false;
    window->Click(button.toLatin1());
    QCOMPARE(window->dialogs->Log, QStringList{kNoPrintModule});
    QVERIFY(CommandsEnabled(*window));
  }

  // The program as it ships has no print component yet.
  void programHasNoPrintModule() {
    auto dialogs = std::make_shared<ScriptedDialogs>();
    TFormMainSetup setup;
    setup.Dialogs = dialogs;
    // A new return stops at the check; what is looked at here comes after it.
    setup.Services.FirstFinding = [](mTDeclaration&) { return std::optional<TReturnFinding>(); };
    TFormMain window(std::move(setup));
    window.findChild<QAction*>(QStringLiteral("miView"))->trigger();
    QCOMPARE(dialogs->Log, QStringList{kNoPrintModule});
  }

  // The program's check is the core's whole-return walk.
  void programChecksTheReturn() {
    mTDeclaration declaration;
    declaration.PrepareNew();
    std::optional<TReturnFinding> finding = ProgramReturnServices().FirstFinding(declaration);
    QVERIFY(finding.has_value());
    QCOMPARE(finding->Section, uint16_t(1));
    QCOMPARE(finding->Field, uint16_t(1));
    QCOMPARE(finding->Title, std::string("Задание условий"));
    QCOMPARE(finding->Message, std::string("Не введен номер инспекции"));
  }

  void preview() {
    auto window = Start();
    window->Trigger("miView");
    QCOMPARE(window->printLog,
             QStringList({QStringLiteral("param Наименование налогового органа-получателя=stored "
                                         "by InitialData"),
                          QStringLiteral("folder ") + kvor::ui::ProgramFolder(),
                          QStringLiteral("preview <Файл stored by InitialData/> FormMain")}));
    QVERIFY(CommandsEnabled(*window));
  }

  void printCopies_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("failingCopy");
    QTest::addColumn<int>("printed");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("three copies") << 3 << 0 << 3 << QStringList{"printer"};
    QTest::newRow("no copies") << 0 << 0 << 0 << QStringList{"printer"};
    QTest::newRow("second copy fails")
        << 3 << 2 << 1 << QStringList{"printer", "error: Принтер не отвечает"};
  }
  void printCopies() {
    QFETCH(int, copies);
    QFETCH(int, failingCopy);
    QFETCH(int, printed);
    QFETCH(QStringList, messages);
    auto window = Start();
    window->failingCopy = failingCopy;
    window->dialogs->Printers = {{QStringLiteral("Офис"), copies}};
    window->Click("fbPrint");
    QCOMPARE(window->dialogs->Log, messages);
    QStringList expected{window->printLog.mid(0, 2)};
    for (int i = 0; i < printed; ++i)
      expected << QStringLiteral("print <Файл stored by InitialData/> [] Офис 0");
    QCOMPARE(window->printLog, expected);
    QVERIFY(CommandsEnabled(*window));
  }

  void printDialogCancelled() {
    auto window = Start();
    window->Click("fbPrint");
    QCOMPARE(window->dialogs->Log, QStringList{QStringLiteral("printer")});
    QCOMPARE(window->printLog.size(), 2);  // the parameter and the folder, nothing printed
  }

  void helpPage() {
    QTemporaryDir program;
    kvor::ui::SetProgramFolder(program.path());
    auto window = Start();
    window->Trigger("miHelp");
    QCOMPARE(window->dialogs->Log,
             QStringList{QStringLiteral("error: Не найден файл справки Zedo2014.chm")});
    QVERIFY(!window->main->HelpWindow());

    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("help")));
    QFile page(program.filePath(QStringLiteral("help/runprogramm.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Справка</h1></body></html>");
    page.close();
    window->Trigger("miHelp");
    auto* help = qobject_cast<kvor::ui::THelpWindow*>(window->main->HelpWindow());
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->Page(), QUrl::fromLocalFile(page.fileName()));
    kvor::ui::SetProgramFolder(QString());
  }

  // The help page shipped with the program is there beside it.
  void shippedHelpPage() {
    QVERIFY(QFile::exists(QStringLiteral(KVOR_BIN_DIR "/help/runprogramm.htm")));
  }
};

QTEST_MAIN(TestOutputCommands)
#include "test_output_commands.moc"
