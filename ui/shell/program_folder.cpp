#include "ui/shell/program_folder.h"

#include <QCoreApplication>

namespace kvor::ui {

namespace {
QString& FolderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QString ProgramFolder() {
  QString folder =
      FolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : FolderOverride();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

void SetProgramFolder(const QString& folder) {
  FolderOverride() = folder;
}

}  // namespace kvor::ui
