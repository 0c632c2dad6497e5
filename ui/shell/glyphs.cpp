#include "ui/shell/glyphs.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

static void InitResources() {
  Q_INIT_RESOURCE(kvor);
}

namespace kvor::ui {

QPixmap GlyphPixmap(const QString& name, QSize size) {
  InitResources();
  QSvgRenderer renderer(QStringLiteral(":/glyphs/%1.svg").arg(name));
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (renderer.isValid()) {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  return QPixmap::fromImage(image);
}

}  // namespace kvor::ui
