// Start-up of the main window: the command line, the settings, the tool bar, the section buttons
// and the switching of section screens.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

#include "core/model/declaration.h"
#include "core/storage/errors.h"
#include "ui/controls/flash_button.h"
#include "ui/shell/form_main.h"
#include "ui/shell/start_form.h"
#include "ui_test_support.h"

using kvor::mTDeclaration;
using kvor::test::FakeScreen;
using kvor::test::FakeScreens;
using kvor::test::ScreenLog;
using kvor::test::ScriptedDialogs;
using kvor::ui::TFlashButton;
using kvor::ui::TFormMain;
using kvor::ui::TFormMainSetup;
using kvor::ui::TSection;

namespace {

const QString kDamaged = QString::fromUtf8(kvor::messages::kDamagedFile);
const char* const kSectionButtonNames[] = {"fbInitialData", "fbPrsonInfo",     "fbRussianIncome",
                                           "fbInvestTov",   "fbForeignIncome", "fbBusinessIncome",
                                           "fbDeduction"};
const char* const kToolButtonNames[] = {"fbCreate", "fbOpen",    "fbSave", "fbView",
                                        "fbPrint",  "fbExsport", "fbCheck"};

// Writes a return with the given inspection, income flags and form type.
void WriteReturn(const QString& path, const std::string& inspection, uint8_t flags = 1,
                 uint8_t type = 0) {
  mTDeclaration declaration;
  declaration.PrepareNew();
  declaration.InspectionNumber = inspection;
  declaration.SetIncomeFlags(flags);
  declaration.DeclarationType = type;
  declaration.SaveToFile(path.toStdString());
}

TFlashButton* Button(QWidget& window, const char* name) {
  return window.findChild<TFlashButton*>(QLatin1String(name));
}

QAction* Action(QWidget& window, const char* name) {
  return window.findChild<QAction*>(QLatin1String(name));
}

}  // namespace

class TestFormMain : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  QTemporaryDir dir_;

  struct Window {
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::shared_ptr<ScreenLog> log = std::make_shared<ScreenLog>();
    std::unique_ptr<TFormMain> main;
  };
  Window Start(QStringList arguments = {}, std::initializer_list<TSection> screens = {
                                               TSection::kInitialData, TSection::kPersonData}) {
    Window window;
    TFormMainSetup setup;
    setup.Arguments = std::move(arguments);
    setup.Dialogs = window.dialogs;
    setup.Screens = FakeScreens(window.log, screens);
    window.main = std::make_unique<TFormMain>(std::move(setup));
    return window;
  }

 private slots:
  void init() { settings_.Clear(); }

  // The splash: a borderless 460 by 104 picture in the middle of the screen that keeps the
  // start-up waiting for three seconds from its creation.
  void splashStaysThreeSeconds() {
    QElapsedTimer clock;
    clock.start();
    kvor::ui::TfmStart splash;
    QCOMPARE(splash.size(), QSize(460, 104));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.geometry().center(), splash.screen()->geometry().center());
    QVERIFY(!splash.imgStart->pixmap().isNull());
    QVERIFY(splash.Waiting());
    QTRY_VERIFY_WITH_TIMEOUT(!splash.Waiting(), 6000);
    QVERIFY2(clock.elapsed() >= 2995, qPrintable(QString::number(clock.elapsed())));
  }

  void titleAndMinimumSize() {
    kvor::ui::TFormMain window;
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("Квор 2014")));
    QCOMPARE(window.minimumSize(), QSize(750, 550));
  }

  void refusesSizeBelowMinimum() {
    Window window = Start();
    window.main->show();
    window.main->resize(600, 400);
    QVERIFY(window.main->width() >= 750);
    QVERIFY(window.main->height() >= 550);
  }

  void menuAndToolBarCaptions() {
    Window window = Start();
    QStringList menus;
    for (QAction* action : window.main->menuBar()->actions()) {
      QStringList items;
      for (QAction* item : action->menu()->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
      menus << action->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    QCOMPARE(menus, QStringList({
                        QStringLiteral("Файл: Создать, Открыть, Сохранить, Сохранить как..., -, "
                                       "Выход"),
                        QStringLiteral("Квор: Просмотр, Печать, Экспорт в xml, Проверить"),
                        QStringLiteral("Настройки: Стандартная панель, Подписи под кнопками"),
                        QStringLiteral("Справка: Справка, -, О программе"),
                    }));
    QStringList captions;
    for (const char* name : kSectionButtonNames)
      captions << Button(*window.main, name)->Caption() + QStringLiteral(" | ") +
                      Button(*window.main, name)->toolTip();
    QCOMPARE(captions,
             QStringList({
                 QStringLiteral("Задание условий | Выбор режима ввода"),
                 QStringLiteral("Сведения о декларанте | Персональные данные налогоплательщика"),
                 QStringLiteral("Доходы, полученные в РФ | Доходы, полученные от налоговых агентов "
                                "или иных источников, в т.ч. физлиц"),
                 QStringLiteral("Инвест. товарищества | Данные по участию в инвестиционных "
                                "товариществах"),
                 QStringLiteral("Доходы за пределами РФ | Доходы, полученные в иностранной валюте"),
                 QStringLiteral("Предприниматели | Доходы, полученные от предпринимательской "
                                "деятельности без образования юридического лица и частной "
                                "практики"),
                 QStringLiteral("Вычеты | Стандартные, социальные и имущественный налоговые "
                                "вычеты"),
             }));
  }

  // The file to open is the only parameter, or the one after "-p" (in any case); "-p" alone,
  // or more than two parameters, open nothing.
  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opened");
    QString file = dir_.filePath(QStringLiteral("a.kv4"));
    QTest::newRow("file") << QStringList{file} << true;
    QTest::newRow("-p file") << QStringList{QStringLiteral("-p"), file} << true;
    QTest::newRow("-P file") << QStringList{QStringLiteral("-P"), file} << true;
    QTest::newRow("file and another") << QStringList{file, QStringLiteral("x")} << true;
    QTest::newRow("-p alone") << QStringList{QStringLiteral("-p")} << false;
    QTest::newRow("three parameters")
        << QStringList{QStringLiteral("-p"), file, QStringLiteral("x")} << false;
    QTest::newRow("none") << QStringList{} << false;
  }
  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, opened);
    WriteReturn(dir_.filePath(QStringLiteral("a.kv4")), "7701");
    Window window = Start(arguments);
    QCOMPARE(window.dialogs->Log, QStringList());
    const mTDeclaration& declaration = window.main->Declaration();
    if (opened) {
      QCOMPARE(declaration.InspectionNumber, std::string("7701"));
      QCOMPARE(window.main->windowTitle(), QStringLiteral("a.kv4 - Квор 2014"));
      QCOMPARE(window.main->FileName(), dir_.filePath(QStringLiteral("a.kv4")));
    } else {
      QCOMPARE(declaration.InspectionNumber, std::string());
      QCOMPARE(declaration.IncomeFlags, uint8_t(1));
      QCOMPARE(declaration.AutoCalculateApp, uint8_t(1));
      QCOMPARE(window.main->windowTitle(), QStringLiteral("Без имени - Квор 2014"));
      QVERIFY(window.main->FileName().isEmpty());
    }
    QVERIFY(window.main->Saved());
  }

  // A file that cannot be loaded is reported, and the program goes on with a new return.
  void unreadableFileOnCommandLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("damaged number")
        << kvor::test::FixturePath(QStringLiteral("damaged/bad_number.kv4")) << kDamaged;
    QTest::newRow("damaged header")
        << kvor::test::FixturePath(QStringLiteral("damaged/bad_magic.kv4")) << kDamaged;
    QTest::newRow("missing") << dir_.filePath(QStringLiteral("absent.kv4"))
                             << QStringLiteral("Ошибка чтения файла: ") +
                                    dir_.filePath(QStringLiteral("absent.kv4"));
  }
  void unreadableFileOnCommandLine() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    Window window = Start({file});
    QCOMPARE(window.dialogs->Log, QStringList{QStringLiteral("error: ") + message});
    QCOMPARE(window.main->windowTitle(), QStringLiteral("Без имени - Квор 2014"));
    QVERIFY(window.main->FileName().isEmpty());
    QVERIFY(window.main->Saved());
    const mTDeclaration& declaration = window.main->Declaration();
    QCOMPARE(declaration.InspectionNumber, std::string());
    QCOMPARE(declaration.IncomeFlags, uint8_t(1));
    QCOMPARE(declaration.AutoCalculateApp, uint8_t(1));
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
  }

  // Settings read at start-up: both marks default to on when nothing was stored.
  void settingsAtStartUp_data() {
    QTest::addColumn<QVariant>("showToolbar");
    QTest::addColumn<QVariant>("textLabels");
    QTest::addColumn<bool>("toolbarShown");
    QTest::addColumn<QSize>("buttonSize");
    QTest::addColumn<QString>("firstCaption");
    QTest::newRow("fresh") << QVariant() << QVariant() << true << QSize(80, 47)
                           << QStringLiteral("Создать");
    QTest::newRow("no captions") << QVariant(true) << QVariant(false) << true << QSize(35, 35)
                                 << QString();
    QTest::newRow("no tool bar") << QVariant(false) << QVariant(true) << false << QSize(80, 47)
                                 << QStringLiteral("Создать");
  }
  void settingsAtStartUp() {
    QFETCH(QVariant, showToolbar);
    QFETCH(QVariant, textLabels);
    QFETCH(bool, toolbarShown);
    QFETCH(QSize, buttonSize);
    QFETCH(QString, firstCaption);
    {
      QSettings settings(QStringLiteral("Таливер"), QStringLiteral("Квор 2014"));
      if (showToolbar.isValid()) settings.setValue(QStringLiteral("ShowStdToolbar"), showToolbar);
      if (textLabels.isValid()) settings.setValue(QStringLiteral("TextLabels"), textLabels);
    }
    Window window = Start();
    window.main->show();
    QCOMPARE(window.main->findChild<QToolBar*>(QStringLiteral("CoolBarButtons"))->isVisible(),
             toolbarShown);
    QCOMPARE(Action(*window.main, "miStdToolbar")->isChecked(), toolbarShown);
    QCOMPARE(Action(*window.main, "miTextLabels")->isChecked(), !firstCaption.isEmpty());
    for (const char* name : kToolButtonNames)
      QCOMPARE(Button(*window.main, name)->size(), buttonSize);
    QCOMPARE(Button(*window.main, "fbCreate")->Caption(), firstCaption);
  }

  void toggleTextLabels() {
    Window window = Start();
    window.main->show();
    QSettings settings(QStringLiteral("Таливер"), QStringLiteral("Квор 2014"));
    Action(*window.main, "miTextLabels")->trigger();
    QCOMPARE(settings.value(QStringLiteral("TextLabels")), QVariant(false));
    for (const char* name : kToolButtonNames) {
      QCOMPARE(Button(*window.main, name)->size(), QSize(35, 35));
      QCOMPARE(Button(*window.main, name)->Caption(), QString());
    }
    Action(*window.main, "miTextLabels")->trigger();
    QCOMPARE(settings.value(QStringLiteral("TextLabels")), QVariant(true));
    QStringList captions;
    for (const char* name : kToolButtonNames) {
      QCOMPARE(Button(*window.main, name)->size(), QSize(80, 47));
      captions << Button(*window.main, name)->Caption();
    }
    QCOMPARE(captions, QStringList({QStringLiteral("Создать"), QStringLiteral("Открыть"),
                                    QStringLiteral("Сохранить"), QStringLiteral("Просмотр"),
                                    QStringLiteral("Печать"), QStringLiteral("Файл xml"),
                                    QStringLiteral("Проверить")}));
  }

  void toggleStdToolbar() {
    Window window = Start();
    window.main->show();
    auto* toolbar = window.main->findChild<QToolBar*>(QStringLiteral("CoolBarButtons"));
    QSettings settings(QStringLiteral("Таливер"), QStringLiteral("Квор 2014"));
    Action(*window.main, "miStdToolbar")->trigger();
    QVERIFY(!toolbar->isVisible());
    QCOMPARE(settings.value(QStringLiteral("ShowStdToolbar")), QVariant(false));
    Action(*window.main, "miStdToolbar")->trigger();
    QVERIFY(toolbar->isVisible());
    QCOMPARE(toolbar->minimumHeight(), 50);
    QCOMPARE(settings.value(QStringLiteral("ShowStdToolbar")), QVariant(true));
  }

  void windowPlaceWrittenWhenDestroyed() {
    QRect frame;
    {
      Window window = Start();
      window.main->show();
      window.main->resize(900, 700);
      QCoreApplication::processEvents();
      frame = window.main->frameGeometry();
    }
    QSettings settings(QStringLiteral("Таливер"), QStringLiteral("Квор 2014"));
    QCOMPARE(settings.value(QStringLiteral("FullScreen")), QVariant(false));
    QCOMPARE(settings.value(QStringLiteral("wLeft")).toInt(), frame.left());
    QCOMPARE(settings.value(QStringLiteral("wTop")).toInt(), frame.top());
    QCOMPARE(settings.value(QStringLiteral("wWidth")).toInt(), frame.width());
    QCOMPARE(settings.value(QStringLiteral("wHeight")).toInt(), frame.height());
  }

  // The section buttons follow the income flags and the form type of the opened return.
  void sectionButtonsFollowReturn_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("enabled");  // one letter per button, in column order
    QTest::newRow("in the country") << 1 << 0 << QStringLiteral("PPR...D");
    QTest::newRow("partnerships only") << 16 << 0 << QStringLiteral("PP.I..D");
    QTest::newRow("abroad only") << 2 << 0 << QStringLiteral("PP..F.D");
    QTest::newRow("business only") << 4 << 0 << QStringLiteral("PP...BD");
    QTest::newRow("reserved bit only") << 8 << 0 << QStringLiteral("PP....D");
    QTest::newRow("no income") << 0 << 0 << QStringLiteral("PP.....");
    QTest::newRow("every income") << 23 << 0 << QStringLiteral("PPRIFBD");
    QTest::newRow("non-resident") << 23 << 1 << QStringLiteral("PPRIFB.");
    QTest::newRow("4-NDFL") << 23 << 2 << QStringLiteral("PPRIFB.");
    QTest::newRow("4-NDFL partnerships") << 16 << 2 << QStringLiteral("PP.I...");
  }
  void sectionButtonsFollowReturn() {
    QFETCH(int, flags);
    QFETCH(int, type);
    QFETCH(QString, enabled);
    QString file = dir_.filePath(QStringLiteral("flags.kv4"));
    WriteReturn(file, "", uint8_t(flags), uint8_t(type));
    Window window = Start({file});
    QString shown;
    for (int i = 0; i < 7; ++i)
      shown +=
          Button(*window.main, kSectionButtonNames[i])->isEnabled() ? enabled[i] : QLatin1Char('.');
    QCOMPARE(shown, enabled);
  }

  void startShowsConditionsScreen() {
    Window window = Start();
    QCOMPARE(window.log->Entries, QStringList{QStringLiteral("build InitialData")});
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
    QVERIFY(Button(*window.main, "fbInitialData")->Down());
    // The screen's notices while it was built do not count as changes.
    QVERIFY(window.main->Saved());
  }

  void switchStoresChecksThenBuilds() {
    Window window = Start();
    window.main->show();
    window.log->Entries.clear();
    QTest::mouseClick(Button(*window.main, "fbPrsonInfo"), Qt::LeftButton);
    QCOMPARE(window.log->Entries,
             QStringList({QStringLiteral("store InitialData"), QStringLiteral("check InitialData"),
                          QStringLiteral("build PersonData"), QStringLiteral("drop InitialData"),
                          QStringLiteral("entered PersonData")}));
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kPersonData));
    QVERIFY(Button(*window.main, "fbPrsonInfo")->Down());
    QVERIFY(!Button(*window.main, "fbInitialData")->Down());
    QVERIFY(window.main->Saved());
  }

  void clickOnShownSectionDoesNothing() {
    Window window = Start();
    window.main->show();
    window.log->Entries.clear();
    QTest::mouseClick(Button(*window.main, "fbInitialData"), Qt::LeftButton);
    QCOMPARE(window.log->Entries, QStringList());
    QVERIFY(Button(*window.main, "fbInitialData")->Down());
  }

  void failedLeaveCheckKeepsScreen() {
    Window window = Start();
    window.main->show();
    window.log->CheckResults[QStringLiteral("InitialData")] = 3;
    window.log->Entries.clear();
    QTest::mouseClick(Button(*window.main, "fbPrsonInfo"), Qt::LeftButton);
    QCOMPARE(window.log->Entries,
             QStringList({QStringLiteral("store InitialData"), QStringLiteral("check InitialData"),
                          QStringLiteral("focus InitialData 3")}));
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
    QVERIFY(Button(*window.main, "fbInitialData")->Down());
    QVERIFY(!Button(*window.main, "fbPrsonInfo")->Down());
  }

  void sectionWithoutScreenDoesNothing() {
    Window window = Start({}, {TSection::kInitialData});
    window.main->show();
    window.log->Entries.clear();
    QVERIFY(Button(*window.main, "fbPrsonInfo")->isEnabled());
    QTest::mouseClick(Button(*window.main, "fbPrsonInfo"), Qt::LeftButton);
    QCOMPARE(window.log->Entries, QStringList());
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
    QVERIFY(Button(*window.main, "fbInitialData")->Down());
    QVERIFY(!Button(*window.main, "fbPrsonInfo")->Down());
  }

  void editOnScreenMarksReturnUnsaved() {
    Window window = Start();
    QVERIFY(window.main->Saved());
    static_cast<FakeScreen*>(window.main->CurrentScreen())->Edit();
    QVERIFY(!window.main->Saved());
  }
};

QTEST_MAIN(TestFormMain)
#include "test_form_main.moc"
