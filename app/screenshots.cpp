// Takes the screenshots shown in the README: the splash, and the main window with captions under
// the tool bar buttons and without. Run under a display (scripts/screenshots.sh uses Xvfb):
//   kvor2014_screenshots OUTPUT_FOLDER
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "ui/shell/form_main.h"
#include "ui/shell/start_form.h"

namespace {

void Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool Shoot(QWidget& window, const QString& path) {
  Wait(500);
  QScreen* screen = window.screen();
  QPixmap picture =
      QGuiApplication::platformName() == QLatin1String("xcb")
          ? screen->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                               window.frameGeometry().width(), window.frameGeometry().height())
          : window.grab();
  return picture.save(path);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kvor2014_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QString folder = QString::fromLocal8Bit(argv[1]);

  // The screenshots start from a fresh installation's settings and leave the user's alone.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

  kvor::ui::TfmStart splash;
  splash.move(0, 0);
  splash.show();
  bool ok = Shoot(splash, folder + QStringLiteral("/splash.png"));
  splash.hide();

  kvor::ui::TFormMain window;
  window.move(0, 0);
  window.resize(1000, 760);
  window.show();
  window.activateWindow();
  ok = Shoot(window, folder + QStringLiteral("/main-window.png")) && ok;
  window.findChild<QAction*>(QStringLiteral("miTextLabels"))->trigger();
  ok = Shoot(window, folder + QStringLiteral("/main-window-no-labels.png")) && ok;
  return ok ? 0 : 1;
}
