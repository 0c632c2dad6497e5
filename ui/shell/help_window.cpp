#include "ui/shell/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/shell/program_folder.h"

namespace kvor::ui {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Справка - Квор 2014"));
  setAttribute(Qt::WA_DeleteOnClose);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(800, 600);
}

void THelpWindow::ShowPage(const QUrl& page) {
  browser_->setSource(page);
}

QUrl THelpWindow::Page() const {
  return browser_->source();
}

QString HelpPagePath(const QString& topic) {
  return ProgramFolder() + QStringLiteral("help/") + topic;
}

}  // namespace kvor::ui
