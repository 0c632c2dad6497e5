#pragma once

// Helpers of the main window's tests: a scripted stand-in for the message boxes and choosers,
// a section screen that records what the window asks of it, and answering real modal dialogs.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>

#include "core/model/declaration.h"
#include "ui/shell/form_main.h"
#include "ui/shell/thinking_frame.h"
#include "ui/shell/user_dialogs.h"

namespace kvor::test {

// Answers the window's boxes and choosers from queues and keeps a log of what was shown:
// "question: TEXT", "error: TEXT", "information: TEXT", "open", "open in FOLDER", "save",
// "folder", "printer", "url: ADDRESS".
// A box with no answer queued gets Cancel (and No for a box without Cancel).
class ScriptedDialogs : public ui::TUserDialogs {
 public:
  std::deque<QMessageBox::StandardButton> Answers;
  std::deque<QString> OpenNames;
  std::deque<QString> SaveNames;
  std::deque<QString> Folders;
  std::deque<std::pair<QString, int>> Printers;  // printer and copies; none queued = cancelled
  QStringList Log;

  QMessageBox::StandardButton Question(QWidget*, const QString& text,
                                       QMessageBox::StandardButtons buttons) override {
    Log << QStringLiteral("question: ") + text;
    if (!Answers.empty()) return Take(Answers);
    return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
  }
  void Error(QWidget*, const QString& text) override { Log << QStringLiteral("error: ") + text; }
  void Information(QWidget*, const QString& text) override {
    Log << QStringLiteral("information: ") + text;
  }
  QString OpenFileName(QWidget*, const QString& filters, const QString& suffix) override {
    LastFilters = filters;
    LastSuffix = suffix;
    Log << QStringLiteral("open");
    return OpenNames.empty() ? QString() : Take(OpenNames);
  }
  QString SaveFileName(QWidget*, const QString& filters, const QString& suffix) override {
    LastFilters = filters;
    LastSuffix = suffix;
    Log << QStringLiteral("save");
    return SaveNames.empty() ? QString() : Take(SaveNames);
  }
  QString FolderName(QWidget*, const QString& title) override {
    Log << QStringLiteral("folder: ") + title;
    return Folders.empty() ? QString() : Take(Folders);
  }
  bool ChoosePrinter(QWidget*, QString& printer, int& copies) override {
    Log << QStringLiteral("printer");
    if (Printers.empty()) return false;
    std::tie(printer, copies) = Take(Printers);
    return true;
  }

  QString OpenFileNameIn(QWidget*, const QString& folder, const QString& filters) override {
    LastFilters = filters;
    Log << QStringLiteral("open in ") + folder;
    return OpenNames.empty() ? QString() : Take(OpenNames);
  }
  bool OpenUrl(const QUrl& url) override {
    Log << QStringLiteral("url: ") + url.toString();
    return UrlOpens;
  }

  QString LastFilters;
  QString LastSuffix;
  bool UrlOpens = true;

 private:
  template <class T>
  static T Take(std::deque<T>& queue) {
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

// What the fake screens were asked to do, in order: "build NAME", "store NAME", "check NAME",
// "focus NAME FIELD", "page NAME PAGE FIELD", "entered NAME", "drop NAME".
struct ScreenLog {
  QStringList Entries;
  // The field code each screen's check returns (0 when not set).
  std::map<QString, uint16_t> CheckResults;
};

// A section screen that logs the window's calls and, like a real screen, sends change notices
// while it fills its controls and writes a mark into the return on store.
class FakeScreen : public ui::TThinkingFrame {
 public:
  FakeScreen(QWidget* owner, std::unique_ptr<mTDeclaration>& declaration, QString name,
             std::shared_ptr<ScreenLog> log)
      : TThinkingFrame(owner, declaration), name_(std::move(name)), log_(std::move(log)) {
    setObjectName(name_);
    log_->Entries << QStringLiteral("build ") + name_;
    NotifyChanged();
  }
  ~FakeScreen() override { log_->Entries << QStringLiteral("drop ") + name_; }

  void Store() override {
    log_->Entries << QStringLiteral("store ") + name_;
    Declaration().TaxAuthorityName = "stored by " + name_.toStdString();
  }
  uint16_t Check() override {
    log_->Entries << QStringLiteral("check ") + name_;
    auto found = log_->CheckResults.find(name_);
    return found == log_->CheckResults.end() ? 0 : found->second;
  }
  void FocusField(uint16_t field) override {
    log_->Entries << QStringLiteral("focus %1 %2").arg(name_).arg(field);
  }
  void ShowPage(int page, uint16_t field) override {
    log_->Entries << QStringLiteral("page %1 %2 %3").arg(name_).arg(page).arg(field);
  }
  void Entered() override { log_->Entries << QStringLiteral("entered ") + name_; }

  // A user's edit on the screen.
  void Edit() { NotifyChanged(); }

 private:
  QString name_;
  std::shared_ptr<ScreenLog> log_;
};

// The names the fake screens go by: the section buttons' names.
inline QString SectionName(ui::TSection section) {
  switch (section) {
    case ui::TSection::kInitialData:
      return QStringLiteral("InitialData");
    case ui::TSection::kPersonData:
      return QStringLiteral("PersonData");
    case ui::TSection::kRussianIncome:
      return QStringLiteral("RussianIncome");
    case ui::TSection::kInvestTov:
      return QStringLiteral("InvestTov");
    case ui::TSection::kForeignIncome:
      return QStringLiteral("ForeignIncome");
    case ui::TSection::kBusinessIncome:
      return QStringLiteral("BusinessIncome");
    case ui::TSection::kDeduction:
      return QStringLiteral("Deduction");
  }
  return {};
}

// A registry with a fake screen for every section in `sections`.
inline ui::TScreenRegistry FakeScreens(std::shared_ptr<ScreenLog> log,
                                       std::initializer_list<ui::TSection> sections) {
  ui::TScreenRegistry registry;
  for (ui::TSection section : sections) {
    registry.Add(section, [log, section](QWidget* owner, ui::TFormMain& main) {
      return new FakeScreen(owner, main.DeclarationPointer(), SectionName(section), log);
    });
  }
  return registry;
}

// Keeps the window's settings in a temporary folder for the whole test run.
class SettingsSandbox {
 public:
  SettingsSandbox() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  void Clear() {
    QSettings settings(QStringLiteral("Таливер"), QStringLiteral("Квор 2014"));
    settings.clear();
    settings.sync();
  }

 private:
  QTemporaryDir dir_;
};

// Once a modal dialog comes up, hands it to `answer` (which closes it). Polls, so it can be set
// up before the command that opens the dialog.
inline void WhenModalShows(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    answer(modal);
  });
  timer->start();
}

// Clicks the push button named `name` ("Button1", …) of a dialog.
inline void ClickButton(QWidget* dialog, const char* name) {
  auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
  QVERIFY2(button, name);
  button->click();
}

// Answers the check dialogs of a run one after another: the buttons queued ("Button1"
// "Исправить", "Button2" "Пропустить", "Button3" "Пропустить все"), then `otherwise` every time.
// Keeps every dialog's caption and message. A modal window without a message (a picker the jump
// opened) is left to the test.
class CheckAnswers : public QObject {
 public:
  explicit CheckAnswers(std::deque<const char*> buttons = {}, const char* otherwise = "Button2")
      : buttons_(std::move(buttons)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this, otherwise] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible()) return;
      auto* message = modal->findChild<QLabel*>(QStringLiteral("lbMessage"));
      if (!message) return;
      Messages << modal->windowTitle() + QStringLiteral(": ") + message->text();
      const char* button = otherwise;
      if (!buttons_.empty()) {
        button = buttons_.front();
        buttons_.pop_front();
      }
      ClickButton(modal, button);
    });
    timer_.start();
  }

  QStringList Messages;

 private:
  QTimer timer_;
  std::deque<const char*> buttons_;
};

inline QString FixturePath(const QString& relative) {
  return QStringLiteral(KVOR_FIXTURES_DIR "/") + relative;
}

}  // namespace kvor::test
