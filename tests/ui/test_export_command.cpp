// "Экспорт в xml" over the program's own services: the exchange file lands in the chosen folder
// and the user is told its name, or why there is none.
#undef QT_NO_CAST_FROM_ASCII

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include "core/model/declaration.h"
#include "support/test_returns.h"
#include "ui/shell/form_main.h"
#include "ui_test_support.h"

using kvor::mTDeclaration;
using kvor::test::FakeScreens;
using kvor::test::ScreenLog;
using kvor::test::ScriptedDialogs;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TSection;

class TestExportCommand : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;

  struct Window {
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::unique_ptr<TFormMain> main;
  };
  // A window over a fake conditions screen and the program's services, holding a return with
  // one employer that passes the check. Without `check` the check finds nothing whatever the
  // return holds.
  std::unique_ptr<Window> Start(bool check = true) {
    auto window = std::make_unique<Window>();
    TFormMainSetup setup;
    setup.Dialogs = window->dialogs;
    setup.Screens = FakeScreens(std::make_shared<ScreenLog>(), {TSection::kInitialData});
    if (!check)
      setup.Services.FirstFinding = [](mTDeclaration&) {
        return std::optional<kvor::ui::TReturnFinding>();
      };
    window->main = std::make_unique<TFormMain>(std::move(setup));
    mTDeclaration& d = window->main->Declaration();
    d.InspectionNumber = "7701";
    d.PersonInformation.SurName = "Иванов";
    d.PersonInformation.Name = "Пётр";
    d.PersonInformation.INN = "500100732259";
    d.PersonInformation.RegionCode = 77;
    d.PersonInformation.Street = "Комсомольский проспект";
    d.PersonInformation.OKTMO = "45383000";
    kvor::mTSourseIncome income;
    income.IncomeCode = 2000;
    income.IncomeSum = kvor::Money::Roubles(100000);
    d.Incomes13.emplace_back().AddIncome(income);
    return window;
  }

 private slots:
  void init() { settings_.Clear(); }

  void fileWrittenAndNamed() {
    auto window = Start();
    QTemporaryDir dir;
    window->dialogs->Folders = {dir.path()};
    window->main->findChild<QAction*>(QStringLiteral("miExport"))->trigger();
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(QRegularExpression(
                QStringLiteral("^NO_NDFL3_7701_7701_500100732259_[0-9]{8}_[-0-9A-F]{36}\\.xml$"))
                .match(files[0])
                .hasMatch());
    QCOMPARE(window->dialogs->Log, QStringList({QStringLiteral("folder: Квор 2014"),
                                                QStringLiteral("information: Сформирован файл ") +
                                                    dir.path() + QStringLiteral("/ ") + files[0]}));
  }

  // The computation fails in the check: its message, and the export does not start.
  void checkComputationFails() {
    auto window = Start();
    kvor::test::AddIncomesBeyondAdding(window->main->Declaration());
    QTemporaryDir dir;
    window->dialogs->Folders = {dir.path()};
    window->main->findChild<QAction*>(QStringLiteral("miExport"))->trigger();
    QCOMPARE(window->dialogs->Log.size(), 1);
    QVERIFY(window->dialogs->Log[0].startsWith(
        QStringLiteral("error: Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через "
                       "службу поддержки")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
  }

  // The computation fails in the export: its message, then the command's; no file.
  void computationFails() {
    auto window = Start(false);
    kvor::test::AddIncomesBeyondAdding(window->main->Declaration());
    QTemporaryDir dir;
    window->dialogs->Folders = {dir.path()};
    window->main->findChild<QAction*>(QStringLiteral("miExport"))->trigger();
    QCOMPARE(window->dialogs->Log,
             QStringList({QStringLiteral("folder: Квор 2014"),
                          QStringLiteral("error: Ошибка в рассчетах. Пожалуйста, свяжитесь с "
                                         "разработчиками через службу поддержки"),
                          QStringLiteral("information: Файл не сформирован, свяжитесь с "
                                         "разработчиками.")}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
  }

  // A folder the file cannot be written to.
  void folderNotWritable() {
    auto window = Start();
    QTemporaryDir dir;
    window->dialogs->Folders = {dir.path() + QStringLiteral("/absent")};
    window->main->findChild<QAction*>(QStringLiteral("miExport"))->trigger();
    QCOMPARE(window->dialogs->Log,
             QStringList({QStringLiteral("folder: Квор 2014"),
                          QStringLiteral("information: Не удалось сохранить файл в указанный "
                                         "каталог. Выберите другой каталог или запускайте "
                                         "программу с правами администратора.")}));
  }
};

QTEST_MAIN(TestExportCommand)
#include "test_export_command.moc"
