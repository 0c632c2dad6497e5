// The "Файл" commands: new, open, save, save as, and the save query before a return is replaced
// or the window closes.
#include <QFile>
#include <QFileInfo>

#include "core/model/declaration.h"
#include "core/storage/errors.h"
#include "ui/shell/form_main.h"
#include "ui/shell/texts.h"
#include "ui/shell/thinking_frame.h"

namespace kvor::ui {

namespace {

std::string LocalPath(const QString& fileName) {
  return QFile::encodeName(fileName).toStdString();
}

// A return is always saved with an extension ending in "4": a file opened from an earlier year's
// x.kv3 is saved as x.kv4 beside it.
QString NormalisedReturnName(const QString& fileName) {
  if (fileName.isEmpty() || fileName.endsWith(QLatin1Char('4'))) return fileName;
  return fileName.left(fileName.size() - 1) + QLatin1Char('4');
}

}  // namespace

std::unique_ptr<mTDeclaration> TFormMain::NewReturn() {
  auto declaration = std::make_unique<mTDeclaration>();
  declaration->PrepareNew();
  return declaration;
}

// Loads a return file into a fresh return. A file that cannot be read is reported and a new
// return takes its place, without a file name.
void TFormMain::LoadOrStartNew(const QString& fileName) {
  auto loaded = std::make_unique<mTDeclaration>();
  try {
    loaded->LoadFromFile(LocalPath(fileName));
    declaration_ = std::move(loaded);
    fileName_ = fileName;
  } catch (const std::exception& error) {
    dialogs_->Error(this, MessageText(LoadErrorMessage(error)));
    declaration_ = NewReturn();
    fileName_.clear();
  }
}

void TFormMain::ReplaceReturn(std::unique_ptr<mTDeclaration> next) {
  DropScreen();
  declaration_ = std::move(next);
}

bool TFormMain::SaveQuery() {
  if (saved_) return true;
  QMessageBox::StandardButton answer = dialogs_->Question(
      this, texts::kSaveQuestion, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) return SaveUnderCurrentName();
  return answer == QMessageBox::No;
}

// Saves under the file name, normalised, asking for one when the return has none. False when
// nothing was saved: the user cancelled or the save failed.
bool TFormMain::SaveUnderCurrentName() {
  QString name = fileName_;
  if (name.isEmpty()) {
    name = dialogs_->SaveFileName(this, texts::kSaveFilters, texts::kReturnSuffix);
    if (name.isEmpty()) return false;
  }
  QString normalised = NormalisedReturnName(name);
  if (normalised != name && QFileInfo::exists(normalised)) {
    QMessageBox::StandardButton answer =
        dialogs_->Question(this, texts::kReplaceQuestion.arg(QFileInfo(normalised).fileName()),
                           QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return false;
  }
  return WriteReturn(normalised);
}

// The screen stores what the user sees, then the whole return goes into the file. A failed save
// is reported; the file name stays what it was and the return counts as unsaved.
bool TFormMain::WriteReturn(const QString& fileName) {
  try {
    if (screen_) screen_->Store();
    declaration_->SaveToFile(LocalPath(fileName));
  } catch (const std::exception& error) {
    saved_ = false;
    dialogs_->Error(this, MessageText(error.what()));
    return false;
  }
  fileName_ = fileName;
  UpdateTitle();
  saved_ = true;
  return true;
}

void TFormMain::CommandNew() {
  Guarded([&] {
    if (!SaveQuery()) return;
    ReplaceReturn(NewReturn());
    fileName_.clear();
    ShowConditionsScreen();
    saved_ = true;
    UpdateTitle();
    EnableSectionButtons();
  });
}

// The previous return is gone once the query is answered: cancelling the open dialog leaves a
// new empty return.
void TFormMain::CommandOpen() {
  Guarded([&] {
    if (!SaveQuery()) return;
    ReplaceReturn(std::make_unique<mTDeclaration>());
    QString name = dialogs_->OpenFileName(this, texts::kOpenFilters, texts::kReturnSuffix);
    if (name.isEmpty()) {
      declaration_ = NewReturn();
      fileName_.clear();
    } else {
      LoadOrStartNew(name);
    }
    UpdateTitle();
    ShowConditionsScreen();
    saved_ = true;
    EnableSectionButtons();
  });
}

void TFormMain::CommandSave() {
  Guarded([&] { SaveUnderCurrentName(); });
}

void TFormMain::CommandSaveAs() {
  Guarded([&] {
    QString name = dialogs_->SaveFileName(this, texts::kSaveFilters, texts::kReturnSuffix);
    if (!name.isEmpty()) WriteReturn(name);
  });
}

}  // namespace kvor::ui
