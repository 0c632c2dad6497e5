// The check dialogs as the user sees and answers them.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/dialogs/check_all_error.h"
#include "ui/dialogs/check_error.h"
#include "ui_test_support.h"

using kvor::CheckAnswer;
using kvor::CheckQuestion;
using kvor::ui::TfmCheckAllError;
using kvor::ui::TfmCheckError;

namespace {

struct Seen {
  QString Caption;
  QString Message;
  QStringList Buttons;  // the texts of the enabled buttons
};

// Answers the next modal dialog: clicks `button`, or closes the dialog when it is null.
void Answer(const char* button, Seen& seen) {
  kvor::test::WhenModalShows([button, &seen](QWidget* dialog) {
    seen.Caption = dialog->windowTitle();
    seen.Message = dialog->findChild<QLabel*>(QStringLiteral("lbMessage"))->text();
    for (const char* name : {"Button1", "Button2", "Button3"}) {
      auto* found = dialog->findChild<QPushButton*>(QLatin1String(name));
      if (found && found->isEnabled()) seen.Buttons << found->text();
    }
    if (button)
      kvor::test::ClickButton(dialog, button);
    else
      dialog->close();
  });
}

}  // namespace

class TestCheckDialogs : public QObject {
  Q_OBJECT

 private slots:
  void checkErrorAnswers_data() {
    QTest::addColumn<bool>("skip");
    QTest::addColumn<bool>("skipAll");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("buttons");
    const QStringList all{QStringLiteral("Исправить"), QStringLiteral("Пропустить"),
                          QStringLiteral("Пропустить все")};
    QTest::newRow("fix") << true << true << QByteArray("Button1") << int(CheckAnswer::kFix) << all;
    QTest::newRow("skip") << true << true << QByteArray("Button2") << int(CheckAnswer::kSkip)
                          << all;
    QTest::newRow("skip all") << true << true << QByteArray("Button3") << int(CheckAnswer::kSkipAll)
                              << all;
    QTest::newRow("closed") << true << true << QByteArray() << int(CheckAnswer::kClosed) << all;
    QTest::newRow("no skipping") << false << false << QByteArray("Button1")
                                 << int(CheckAnswer::kFix)
                                 << QStringList{QStringLiteral("Исправить")};
    QTest::newRow("skip, not all")
        << true << false << QByteArray("Button2") << int(CheckAnswer::kSkip)
        << QStringList{QStringLiteral("Исправить"), QStringLiteral("Пропустить")};
  }
  void checkErrorAnswers() {
    QFETCH(bool, skip);
    QFETCH(bool, skipAll);
    QFETCH(QByteArray, button);
    QFETCH(int, answer);
    QFETCH(QStringList, buttons);
    TfmCheckError dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка"));
    Seen seen;
    Answer(button.isEmpty() ? nullptr : button.constData(), seen);
    kvor::CheckAnswerer& answerer = dialog;
    CheckAnswer result = answerer.Ask(CheckQuestion{"Доходы, облагаемые по ставке 13%",
                                                    "Номер ИНН введен неверно", skip, skipAll});
    QCOMPARE(int(result), answer);
    QCOMPARE(seen.Caption, QStringLiteral("Проверка: Доходы, облагаемые по ставке 13%"));
    QCOMPARE(seen.Message, QStringLiteral("Номер ИНН введен неверно"));
    QCOMPARE(seen.Buttons, buttons);
  }

  // One dialog serves a whole run: each question shows its own message and buttons.
  void checkErrorServesOneRun() {
    TfmCheckError dialog;
    Seen first, second;
    Answer("Button2", first);
    QCOMPARE(dialog.Ask(CheckQuestion{"Пенсионные договоры", "Отсутствует КПП", true, false}),
             CheckAnswer::kSkip);
    Answer("Button1", second);
    QCOMPARE(dialog.Ask(CheckQuestion{"Пенсионные договоры", "Введите ИНН", false, false}),
             CheckAnswer::kFix);
    QCOMPARE(second.Message, QStringLiteral("Введите ИНН"));
    QCOMPARE(second.Buttons, QStringList{QStringLiteral("Исправить")});
  }

  // A screen's leave check over three problems: the answers given in turn, the messages shown and
  // the field the run returns.
  void screenCheckRun_data() {
    QTest::addColumn<QByteArrayList>("answers");  // "" closes the dialog
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("field");
    QTest::newRow("fix the first")
        << QByteArrayList{"Button1"} << QStringList{QStringLiteral("Первая")} << 1;
    QTest::newRow("skip, then fix")
        << QByteArrayList{"Button2", "Button1"}
        << QStringList{QStringLiteral("Первая"), QStringLiteral("Вторая")} << 2;
    QTest::newRow("skip all") << QByteArrayList{"Button3"} << QStringList{QStringLiteral("Первая")}
                              << 0;
    QTest::newRow("skip every one")
        << QByteArrayList{"Button2", "", "Button2"}
        << QStringList{QStringLiteral("Первая"), QStringLiteral("Вторая"), QStringLiteral("Третья")}
        << 0;
  }
  void screenCheckRun() {
    QFETCH(QByteArrayList, answers);
    QFETCH(QStringList, shown);
    QFETCH(int, field);
    QWidget screen;
    kvor::ui::TScreenCheck check(&screen, QStringLiteral("Сведения о декларанте"));
    const QString messages[] = {QStringLiteral("Первая"), QStringLiteral("Вторая"),
                                QStringLiteral("Третья")};
    std::vector<Seen> seen(answers.size());
    QStringList messagesShown;
    for (int i = 0; i < 3; ++i) {
      if (i < answers.size())
        Answer(answers[i].isEmpty() ? nullptr : answers[i].constData(), seen[i]);
      check.Report(uint16_t(i + 1), messages[i]);
      if (i < answers.size()) {
        QCOMPARE(seen[i].Caption, QStringLiteral("Проверка: Сведения о декларанте"));
        messagesShown << seen[i].Message;
      }
    }
    QCOMPARE(messagesShown, shown);
    QCOMPARE(int(check.Field()), field);
  }

  void checkAllErrorAnswers_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("fix");
    QTest::newRow("fix") << QByteArray("Button1") << true;
    QTest::newRow("cancel") << QByteArray("Button2") << false;
    QTest::newRow("closed") << QByteArray() << false;
  }
  void checkAllErrorAnswers() {
    QFETCH(QByteArray, button);
    QFETCH(bool, fix);
    TfmCheckAllError dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Проверка"));
    Seen seen;
    Answer(button.isEmpty() ? nullptr : button.constData(), seen);
    QCOMPARE(dialog.AskFix(QStringLiteral("Задание условий"),
                           QStringLiteral("Не введен номер инспекции")),
             fix);
    QCOMPARE(seen.Caption, QStringLiteral("Проверка: Задание условий"));
    QCOMPARE(seen.Message, QStringLiteral("Не введен номер инспекции"));
    QCOMPARE(seen.Buttons, QStringList({QStringLiteral("Исправить"), QStringLiteral("Отмена")}));
  }
};

QTEST_MAIN(TestCheckDialogs)
#include "test_check_dialogs.moc"
