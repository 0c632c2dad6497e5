#pragma once

#include <QPixmap>
#include <QString>

namespace kvor::ui {

// The picture `name` of the program's resources (":/glyphs/<name>.svg") drawn at `size`.
QPixmap GlyphPixmap(const QString& name, QSize size);

}  // namespace kvor::ui
