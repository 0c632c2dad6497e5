// The "Квор" commands: the whole-return check with its jump to the field, the exchange file, the
// preview and the printing; and the help commands.
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>
#include <QUrl>

#include "core/model/declaration.h"
#include "core/validation/return_check.h"
#include "ui/dialogs/check_all_error.h"
#include "ui/shell/form_main.h"
#include "ui/shell/help_window.h"
#include "ui/shell/program_folder.h"
#include "ui/shell/texts.h"
#include "ui/shell/thinking_frame.h"

namespace kvor::ui {

namespace {

// Keeps the user from starting another command while the window works for the present one: the
// menu, the tool bar and the client area are disabled until the end of the scope, whatever its
// outcome. Message boxes and choosers over the window stay usable.
class CommandsDisabled {
 public:
  explicit CommandsDisabled(QMainWindow* window)
      : widgets_{window->menuBar(), window->findChild<QToolBar*>(), window->centralWidget()} {
    for (QWidget* widget : widgets_)
      if (widget) widget->setEnabled(false);
  }
  ~CommandsDisabled() {
    for (QWidget* widget : widgets_)
      if (widget) widget->setEnabled(true);
  }

 private:
  std::vector<QWidget*> widgets_;
};

// Where each section code of the check leads: the section and, for the screens with pages,
// the page.
struct JumpTarget {
  TSection Section;
  int Page;  // -1: the screen has no pages to choose
};

std::optional<JumpTarget> JumpTargetOf(uint16_t sectionCode) {
  switch (sectionCode) {
    case 1:
      return JumpTarget{TSection::kInitialData, -1};
    case 2:
    case 3:
      return JumpTarget{TSection::kPersonData, sectionCode - 2};
    case 4:
    case 5:
    case 6:
      return JumpTarget{TSection::kRussianIncome, sectionCode - 4};
    case 7:
      return JumpTarget{TSection::kForeignIncome, -1};
    case 8:
      return JumpTarget{TSection::kBusinessIncome, -1};
    case 9:
    case 10:
      return JumpTarget{TSection::kDeduction, sectionCode - 9};
    case 12:
      return JumpTarget{TSection::kInvestTov, -1};
    default:
      return std::nullopt;
  }
}

}  // namespace

// The section code in the low 16 bits, the field code in the high 16: 0 when the return passed,
// 65535 when the user cancelled.
uint32_t TFormMain::CheckDoc() {
  std::optional<TReturnFinding> finding = services_.FirstFinding(*declaration_);
  if (!finding) return 0;
  TfmCheckAllError dialog(this);
  bool fix = dialog.AskFix(QString::fromStdString(finding->Title),
                           QString::fromStdString(finding->Message));
  uint16_t field = fix ? finding->Field : kCheckCancelled;
  return finding->Section | (static_cast<uint32_t>(field) << 16);
}

int TFormMain::CheckAndJump() {
  if (screen_) screen_->Store();
  uint32_t result = CheckDoc();
  uint16_t field = static_cast<uint16_t>(result >> 16);
  if (field == 0) return 0;
  if (field == kCheckCancelled) return 2;
  JumpToField(static_cast<uint16_t>(result & 0xFFFF), field);
  return 1;
}

void TFormMain::JumpToField(uint16_t sectionCode, uint16_t field) {
  std::optional<JumpTarget> target = JumpTargetOf(sectionCode);
  if (!target || !screens_.Find(target->Section)) return;
  if (screenSection_ != target->Section) BuildScreen(target->Section);
  if (!screen_) return;
  if (target->Page >= 0)
    screen_->ShowPage(target->Page, field);
  else
    screen_->FocusField(field);
}

void TFormMain::CommandCheck() {
  Guarded([&] {
    if (CheckAndJump() == 0) dialogs_->Information(this, texts::kCheckPassed);
  });
}

void TFormMain::ShowCoreMessages(const std::vector<std::string>& messages) {
  for (const std::string& message : messages)
    dialogs_->Error(this, QString::fromStdString(message));
}

void TFormMain::CommandExport() {
  Guarded([&] {
    if (CheckAndJump() != 0) return;
    QString folder = dialogs_->FolderName(this, texts::kAppTitle);
    if (folder.isEmpty()) return;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');

    CommandsDisabled disabled(this);
    TExportOutcome outcome =
        services_.ExportToFolder(*declaration_, QFile::encodeName(folder).toStdString());
    if (outcome.NotSaved) {
      // The folder would not take the file: the user can choose another one.
      dialogs_->Information(this, texts::kExportNotWritten);
      return;
    }
    ShowCoreMessages(outcome.Messages);
    QString name = QString::fromStdString(outcome.Result);
    if (outcome.Result == "ERROR")
      dialogs_->Information(this, texts::kExportFailed);
    else if (QFileInfo::exists(folder + name))
      dialogs_->Information(this, texts::kExportWritten + folder + QLatin1Char(' ') + name);
    else
      dialogs_->Information(this, texts::kExportNotWritten);
  });
}

void TFormMain::CommandPreview() {
  PrintOrPreview(true);
}

void TFormMain::CommandPrint() {
  PrintOrPreview(false);
}

void TFormMain::PrintOrPreview(bool preview) {
  Guarded([&] {
    if (CheckAndJump() != 0) return;
    CommandsDisabled disabled(this);
    std::unique_ptr<TPrintModule> module = printModules_ ? printModules_() : nullptr;
    if (!module) {
      dialogs_->Error(this, texts::kNoPrintModule);
      return;
    }
    module->SetPrintTiffParam(texts::kTaxAuthorityParameter,
                              QString::fromStdString(declaration_->TaxAuthorityName));
    module->SetPrintTiffFolder(ProgramFolder());
    TExportOutcome outcome = services_.ExportToText(*declaration_);
    ShowCoreMessages(outcome.Messages);
    QString xmlText = QString::fromStdString(outcome.Result);
    if (preview) {
      module->PreviewData(xmlText, this);
      return;
    }
    QString printer;
    int copies = 0;
    if (!dialogs_->ChoosePrinter(this, printer, copies)) return;
    for (int copy = 0; copy < copies; ++copy) module->PrintData(xmlText, QString(), printer, 0);
  });
}

void TFormMain::CommandHelp() {
  ShowHelpTopic(QStringLiteral("runprogramm.htm"));
}

void TFormMain::ShowHelpTopic(const QString& topic) {
  QString page = HelpPagePath(topic);
  if (!QFileInfo::exists(page)) {
    dialogs_->Error(this, texts::kNoHelp);
    return;
  }
  if (!helpWindow_) helpWindow_ = new THelpWindow(this);
  auto* window = static_cast<THelpWindow*>(helpWindow_.data());
  window->ShowPage(QUrl::fromLocalFile(page));
  window->showMaximized();
  window->raise();
  window->activateWindow();
}

void TFormMain::CommandAbout() {
  QMessageBox::about(this, QStringLiteral("О программе"),
                     QStringLiteral("<b>Квор 2014</b><br>Декларация о доходах физических лиц "
                                    "за 2014 год: формы 3-НДФЛ и 4-НДФЛ.<br>Версия 14.0"));
}

}  // namespace kvor::ui
