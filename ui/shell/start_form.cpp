#include "ui/shell/start_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "ui/shell/glyphs.h"

namespace kvor::ui {

TfmStart::TfmStart(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("fmStart"));
  setFixedSize(460, 104);
  imgStart = new QLabel(this);
  imgStart->setGeometry(rect());
  imgStart->setPixmap(GlyphPixmap(QStringLiteral("splash"), size()));
  tmStartTimer = new QTimer(this);
  tmStartTimer->setSingleShot(true);
  tmStartTimer->setTimerType(Qt::PreciseTimer);  // a coarse timer may end up to 5 % early
  tmStartTimer->setInterval(3000);
  tmStartTimer->start();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

bool TfmStart::Waiting() const {
  return tmStartTimer->isActive();
}

}  // namespace kvor::ui
