#include "ui/shell/program.h"

#include <QApplication>
#include <memory>

#include "ui/shell/form_main.h"
#include "ui/shell/start_form.h"
#include "ui/shell/texts.h"

namespace kvor::ui {

int RunProgram(QApplication& app) {
  QApplication::setOrganizationName(QStringLiteral("Таливер"));
  QApplication::setApplicationName(texts::kAppTitle);

  auto splash = std::make_unique<TfmStart>();
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  TFormMainSetup setup;
  setup.Arguments = QApplication::arguments().mid(1);
  TFormMain window(std::move(setup));

  while (splash->Waiting()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  splash.reset();

  // The inspection directory could not be read: the user was told, and the program ends.
  if (window.EndRequested()) return 1;
  window.show();
  return app.exec();
}

}  // namespace kvor::ui
