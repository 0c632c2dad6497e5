// The "Файл" commands through the menu and the tool bar: the save query, save, save as, open,
// new and quit, with the window title and the saved flag.
#include <QAction>
#include <QFile>
#include <QtTest>

#include "core/model/declaration.h"
#include "core/storage/errors.h"
#include "ui/controls/flash_button.h"
#include "ui/shell/form_main.h"
#include "ui/shell/texts.h"
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

const QString kQuestion = QStringLiteral("question: Вы хотите сохранить декларацию?");
const QString kUntitled = QStringLiteral("Без имени - Квор 2014");

mTDeclaration ReadReturn(const QString& path) {
  mTDeclaration declaration;
  declaration.LoadFromFile(path.toStdString());
  return declaration;
}

void WriteReturn(const QString& path, const std::string& inspection, uint8_t type = 0) {
  mTDeclaration declaration;
  declaration.PrepareNew();
  declaration.InspectionNumber = inspection;
  declaration.DeclarationType = type;
  declaration.SaveToFile(path.toStdString());
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class TestDocumentCommands : public QObject {
  Q_OBJECT

  kvor::test::SettingsSandbox settings_;
  QTemporaryDir dir_;

  struct Window {
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    std::shared_ptr<ScreenLog> log = std::make_shared<ScreenLog>();
    std::unique_ptr<TFormMain> main;

    // A change the user makes on the screen: a value in the return and the screen's notice.
    void Edit(const std::string& inspection) {
      main->Declaration().InspectionNumber = inspection;
      static_cast<FakeScreen*>(main->CurrentScreen())->Edit();
    }
    void Trigger(const char* action) {
      main->findChild<QAction*>(QLatin1String(action))->trigger();
    }
    void Click(const char* button) {
      QTest::mouseClick(main->findChild<TFlashButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // Runs a command by its name ("new", "open", "close"): true when it went through, that is
    // the return was replaced or the window closed.
    bool Run(const QString& command) {
      if (command == QLatin1String("close")) return main->close();
      log->Entries.clear();
      Click(command == QLatin1String("new") ? "fbCreate" : "fbOpen");
      return log->Entries.contains(QStringLiteral("build InitialData"));
    }
  };
  Window Start(QStringList arguments = {}) {
    Window window;
    TFormMainSetup setup;
    setup.Arguments = std::move(arguments);
    setup.Dialogs = window.dialogs;
    setup.Screens = FakeScreens(window.log, {TSection::kInitialData, TSection::kPersonData});
    window.main = std::make_unique<TFormMain>(std::move(setup));
    window.main->show();
    return window;
  }
  QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

 private slots:
  void init() {
    settings_.Clear();
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files))
      QFile::remove(dir_.filePath(name));
  }

  void commands_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("new") << QStringLiteral("new");
    QTest::newRow("open") << QStringLiteral("open");
    QTest::newRow("close") << QStringLiteral("close");
  }

  void unchangedReturnAsksNothing_data() { commands_data(); }
  void unchangedReturnAsksNothing() {
    QFETCH(QString, command);
    Window window = Start();
    window.Click("fbPrsonInfo");  // switching screens changes nothing
    QVERIFY(window.Run(command));
    QVERIFY(!window.dialogs->Log.contains(kQuestion));
  }

  void cancelOnQueryStopsCommand_data() { commands_data(); }
  void cancelOnQueryStopsCommand() {
    QFETCH(QString, command);
    Window window = Start();
    window.Edit("7701");
    window.dialogs->Answers = {QMessageBox::Cancel};
    QVERIFY(!window.Run(command));
    QCOMPARE(window.dialogs->Log, QStringList{kQuestion});
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string("7701"));
    QVERIFY(!window.main->Saved());
    QVERIFY(window.main->isVisible());
  }

  void noOnQueryGoesOn_data() { commands_data(); }
  void noOnQueryGoesOn() {
    QFETCH(QString, command);
    Window window = Start();
    window.Edit("7701");
    window.dialogs->Answers = {QMessageBox::No};
    QVERIFY(window.Run(command));
    QCOMPARE(window.dialogs->Log.first(), kQuestion);
    if (command != QLatin1String("close")) {
      QCOMPARE(window.main->Declaration().InspectionNumber, std::string());
      QVERIFY(window.main->Saved());
      QCOMPARE(window.main->windowTitle(), kUntitled);
    }
    QVERIFY(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
  }

  // "Да" saves the screen's data into the return's file before the command goes on.
  void yesSavesFirst_data() { commands_data(); }
  void yesSavesFirst() {
    QFETCH(QString, command);
    WriteReturn(Path("a.kv4"), "7701");
    Window window = Start({Path("a.kv4")});
    window.Edit("7702");
    window.dialogs->Answers = {QMessageBox::Yes};
    QVERIFY(window.Run(command));
    QCOMPARE(window.dialogs->Log.first(), kQuestion);
    mTDeclaration saved = ReadReturn(Path("a.kv4"));
    QCOMPARE(saved.InspectionNumber, std::string("7702"));
    QCOMPARE(saved.TaxAuthorityName, std::string("stored by InitialData"));
  }

  // "Да" for a return without a file, and the save dialog cancelled: nothing is saved and the
  // command does not go on, so the changes are kept.
  void yesThenCancelledSaveDialogKeepsReturn_data() { commands_data(); }
  void yesThenCancelledSaveDialogKeepsReturn() {
    QFETCH(QString, command);
    Window window = Start();
    window.Edit("7701");
    window.dialogs->Answers = {QMessageBox::Yes};
    QVERIFY(!window.Run(command));
    QCOMPARE(window.dialogs->Log, QStringList({kQuestion, QStringLiteral("save")}));
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string("7701"));
    QVERIFY(!window.main->Saved());
    QVERIFY(window.main->isVisible());
  }

  // A save that fails is reported and stops the command; the return stays unsaved.
  void failedSaveStopsCommand_data() { commands_data(); }
  void failedSaveStopsCommand() {
    QFETCH(QString, command);
    Window window = Start();
    window.Edit("7701");
    QString target = dir_.filePath(QStringLiteral("no/such/folder/a.kv4"));
    window.dialogs->Answers = {QMessageBox::Yes};
    window.dialogs->SaveNames = {target};
    QVERIFY(!window.Run(command));
    QCOMPARE(window.dialogs->Log.size(), 3);
    QVERIFY(window.dialogs->Log[2].startsWith(QStringLiteral("error: Ошибка чтения файла: ")));
    // The core's line break shows as a line break.
    QVERIFY(window.dialogs->Log[2].contains(QStringLiteral("\nВозможно он занят")));
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string("7701"));
    QVERIFY(!window.main->Saved());
    QVERIFY(window.main->FileName().isEmpty());
    QCOMPARE(window.main->windowTitle(), kUntitled);
  }

  // Save, save as and open carry a return through files and back.
  void roundTrip() {
    Window window = Start();
    window.Edit("7701");
    window.dialogs->SaveNames = {Path("a.kv4")};
    window.Click("fbSave");
    QCOMPARE(window.main->windowTitle(), QStringLiteral("a.kv4 - Квор 2014"));
    QVERIFY(window.main->Saved());
    QCOMPARE(ReadReturn(Path("a.kv4")).InspectionNumber, std::string("7701"));

    window.Edit("7702");
    QVERIFY(!window.main->Saved());
    window.Trigger("miSave");  // the file has a name now: no dialog
    QCOMPARE(window.dialogs->Log, QStringList{QStringLiteral("save")});
    QCOMPARE(ReadReturn(Path("a.kv4")).InspectionNumber, std::string("7702"));

    window.Edit("7703");
    window.dialogs->SaveNames = {Path("b.kv4")};
    window.Trigger("miSaveAs");
    QCOMPARE(window.main->windowTitle(), QStringLiteral("b.kv4 - Квор 2014"));
    QCOMPARE(window.main->FileName(), Path("b.kv4"));
    QCOMPARE(ReadReturn(Path("b.kv4")).InspectionNumber, std::string("7703"));
    QCOMPARE(ReadReturn(Path("a.kv4")).InspectionNumber, std::string("7702"));

    window.Trigger("miCreate");
    QCOMPARE(window.main->windowTitle(), kUntitled);
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string());

    window.dialogs->OpenNames = {Path("a.kv4")};
    window.Trigger("miOpen");
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string("7702"));
    QCOMPARE(window.main->windowTitle(), QStringLiteral("a.kv4 - Квор 2014"));
    QVERIFY(window.main->Saved());
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
    QVERIFY(window.main->findChild<TFlashButton*>(QStringLiteral("fbInitialData"))->Down());
    QCOMPARE(window.dialogs->LastFilters,
             QStringLiteral("Квор 2014 (*.kv4);;Квор 2013 (*.kv3);;Квор 2012 (*.kv2);;"
                            "Квор 2011 (*.kv1);;Квор 2010 (*.kv0);;Квор 2009 (*.kv9);;"
                            "Квор 2008 (*.kv8);;Квор 2007 (*.kv7);;Квор 2006 (*.kv6);;"
                            "Квор 2005 (*.kv5);;Квор 200* (*.kvl)"));
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string("7702"));
  }

  // A return opened from x.kv3 is saved as x.kv4 beside it; save as keeps the name as chosen.
  void saveWritesKv4() {
    WriteReturn(Path("x.kv3"), "7701");
    QByteArray old = Bytes(Path("x.kv3"));
    Window window = Start({Path("x.kv3")});
    QCOMPARE(window.main->windowTitle(), QStringLiteral("x.kv3 - Квор 2014"));
    window.Edit("7702");
    window.Click("fbSave");
    QCOMPARE(window.dialogs->Log, QStringList());
    QCOMPARE(window.main->windowTitle(), QStringLiteral("x.kv4 - Квор 2014"));
    QCOMPARE(ReadReturn(Path("x.kv4")).InspectionNumber, std::string("7702"));
    QCOMPARE(Bytes(Path("x.kv3")), old);

    window.dialogs->SaveNames = {Path("y.kv3")};
    window.Trigger("miSaveAs");
    QVERIFY(QFile::exists(Path("y.kv3")));
    QVERIFY(!QFile::exists(Path("y.kv4")));
    QCOMPARE(window.main->windowTitle(), QStringLiteral("y.kv3 - Квор 2014"));
  }

  // A file of an earlier year gives its taxpayer and keeps its name until the first save, which
  // writes the return beside it as .kv4.
  void earlierYearFile() {
    QVERIFY(QFile::copy(kvor::test::FixturePath(QStringLiteral("model/earlier_2013.kv4")),
                        Path("old.kv3")));
    mTDeclaration direct = ReadReturn(Path("old.kv3"));
    QVERIFY(!direct.PersonInformation.SurName.empty());
    Window window = Start();
    window.dialogs->OpenNames = {Path("old.kv3")};
    window.Click("fbOpen");
    QCOMPARE(window.dialogs->Log, QStringList{QStringLiteral("open")});
    QCOMPARE(window.main->windowTitle(), QStringLiteral("old.kv3 - Квор 2014"));
    QVERIFY(window.main->Declaration().PersonInformation == direct.PersonInformation);
    QVERIFY(window.main->Saved());
    window.Click("fbSave");
    QCOMPARE(window.main->windowTitle(), QStringLiteral("old.kv4 - Квор 2014"));
    QVERIFY(ReadReturn(Path("old.kv4")).PersonInformation == direct.PersonInformation);
  }

  // Saving x.kv3 as x.kv4 asks before it replaces another x.kv4.
  void normalisedNameAsksBeforeReplacing_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("no") << int(QMessageBox::No);
    QTest::newRow("yes") << int(QMessageBox::Yes);
  }
  void normalisedNameAsksBeforeReplacing() {
    QFETCH(int, answer);
    WriteReturn(Path("x.kv3"), "7701");
    WriteReturn(Path("x.kv4"), "9999");
    QByteArray other = Bytes(Path("x.kv4"));
    Window window = Start({Path("x.kv3")});
    window.Edit("7702");
    window.dialogs->Answers = {QMessageBox::StandardButton(answer)};
    window.Click("fbSave");
    QCOMPARE(window.dialogs->Log,
             QStringList{QStringLiteral("question: Файл \"x.kv4\" уже существует. Заменить его?")});
    if (answer == QMessageBox::No) {
      QCOMPARE(Bytes(Path("x.kv4")), other);
      QCOMPARE(window.main->FileName(), Path("x.kv3"));
      QVERIFY(!window.main->Saved());
    } else {
      QCOMPARE(ReadReturn(Path("x.kv4")).InspectionNumber, std::string("7702"));
      QCOMPARE(window.main->FileName(), Path("x.kv4"));
      QVERIFY(window.main->Saved());
    }
  }

  // A failed save keeps the file that was there and the return's name; the return stays unsaved.
  void failedSaveAsKeepsName() {
    WriteReturn(Path("a.kv4"), "7701");
    Window window = Start({Path("a.kv4")});
    window.dialogs->SaveNames = {dir_.filePath(QStringLiteral("missing/b.kv4"))};
    window.Trigger("miSaveAs");
    QCOMPARE(window.dialogs->Log.size(), 2);
    QVERIFY(window.dialogs->Log[1].startsWith(QStringLiteral("error: ")));
    QCOMPARE(window.main->FileName(), Path("a.kv4"));
    QCOMPARE(window.main->windowTitle(), QStringLiteral("a.kv4 - Квор 2014"));
    QVERIFY(!window.main->Saved());
  }

  void cancelledOpenLeavesNewReturn() {
    WriteReturn(Path("a.kv4"), "7701");
    Window window = Start({Path("a.kv4")});
    window.Click("fbOpen");
    QCOMPARE(window.dialogs->Log, QStringList{QStringLiteral("open")});
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string());
    QCOMPARE(window.main->Declaration().IncomeFlags, uint8_t(1));
    QCOMPARE(window.main->windowTitle(), kUntitled);
    QVERIFY(window.main->FileName().isEmpty());
  }

  void openDamagedFile() {
    WriteReturn(Path("a.kv4"), "7701");
    Window window = Start({Path("a.kv4")});
    window.dialogs->OpenNames = {kvor::test::FixturePath(QStringLiteral("damaged/truncated.kv4"))};
    window.Click("fbOpen");
    QCOMPARE(
        window.dialogs->Log,
        QStringList({QStringLiteral("open"),
                     QStringLiteral("error: ") + QString::fromUtf8(kvor::messages::kDamagedFile)}));
    QCOMPARE(window.main->Declaration().InspectionNumber, std::string());
    QCOMPARE(window.main->windowTitle(), kUntitled);
    QVERIFY(window.main->Saved());
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
  }

  // After "Создать" the deductions are open again, whatever form the previous return had.
  void newReturnAfterFourNdfl() {
    WriteReturn(Path("a.kv4"), "7701", 2);
    Window window = Start({Path("a.kv4")});
    auto* deductions = window.main->findChild<TFlashButton*>(QStringLiteral("fbDeduction"));
    QVERIFY(!deductions->isEnabled());
    window.Click("fbPrsonInfo");
    window.Click("fbCreate");
    QVERIFY(deductions->isEnabled());
    QCOMPARE(window.main->CurrentSection(), std::optional(TSection::kInitialData));
    QVERIFY(window.main->findChild<TFlashButton*>(QStringLiteral("fbInitialData"))->Down());
    QVERIFY(!window.main->findChild<TFlashButton*>(QStringLiteral("fbPrsonInfo"))->Down());
  }

  // Replacing the return frees the screen without storing or checking it.
  void replacingReturnDropsScreenUnchecked() {
    Window window = Start();
    window.log->Entries.clear();
    window.Click("fbCreate");
    QCOMPARE(window.log->Entries, QStringList({QStringLiteral("drop InitialData"),
                                               QStringLiteral("build InitialData")}));
  }

  void exitRunsCloseQuery() {
    Window window = Start();
    window.Edit("7701");
    window.dialogs->Answers = {QMessageBox::Cancel};
    window.Trigger("miExit");
    QVERIFY(window.main->isVisible());
    window.dialogs->Answers = {QMessageBox::No};
    window.Trigger("miExit");
    QVERIFY(!window.main->isVisible());
  }

  // The program's own question box: titled "Квор 2014", with Yes, No and Cancel.
  void realSaveQuestionBox() {
    kvor::ui::TUserDialogs dialogs;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    kvor::test::WhenModalShows([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      buttons = box->standardButtons();
      box->button(QMessageBox::Cancel)->click();
    });
    QMessageBox::StandardButton answer =
        dialogs.Question(nullptr, kvor::ui::texts::kSaveQuestion,
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(answer, QMessageBox::Cancel);
    QCOMPARE(title, QStringLiteral("Квор 2014"));
    QCOMPARE(text, QStringLiteral("Вы хотите сохранить декларацию?"));
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
};

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
