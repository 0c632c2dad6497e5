#include "ui/shell/user_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/shell/texts.h"

namespace kvor::ui {

QMessageBox::StandardButton TUserDialogs::Question(QWidget* parent, const QString& text,
                                                   QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, texts::kAppTitle, text, buttons, parent);
  box.setDefaultButton(QMessageBox::Yes);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void TUserDialogs::Error(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, texts::kAppTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

void TUserDialogs::Information(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, texts::kAppTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

QString TUserDialogs::OpenFileName(QWidget* parent, const QString& filters,
                                   const QString& defaultSuffix) {
  QFileDialog dialog(parent, texts::kAppTitle, QString(), filters);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString TUserDialogs::SaveFileName(QWidget* parent, const QString& filters,
                                   const QString& defaultSuffix) {
  QFileDialog dialog(parent, texts::kAppTitle, QString(), filters);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString TUserDialogs::FolderName(QWidget* parent, const QString& title) {
  return QFileDialog::getExistingDirectory(parent, title);
}

bool TUserDialogs::ChoosePrinter(QWidget* parent, QString& printerName, int& copies) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  printerName = printer.printerName();
  copies = printer.copyCount();
  return true;
}

QString TUserDialogs::OpenFileNameIn(QWidget* parent, const QString& folder,
                                     const QString& filters) {
  QFileDialog dialog(parent, texts::kAppTitle, folder, filters);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool TUserDialogs::OpenUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

}  // namespace kvor::ui
