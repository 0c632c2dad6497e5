#pragma once

// Small pieces the section screens build their controls with.

#include <QGroupBox>
#include <QString>

#include "core/common/number_text.h"

namespace kvor::ui {

// Gives `widget` its object name (the name tests and the jump to a field find it by).
template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

// A group box with its caption as given (the screens' captions carry leading blanks).
inline QGroupBox* Group(const char* name, const QString& caption, QWidget* parent) {
  return Named(new QGroupBox(caption, parent), name);
}

// The text holds nothing but blanks.
inline bool Blank(const QString& text) {
  return Trim(text.toStdString()).empty();
}

}  // namespace kvor::ui
