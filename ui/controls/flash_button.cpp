#include "ui/controls/flash_button.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QBitmap>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace kvor::ui {

namespace {

// The disabled look of a glyph: its shape embossed in the highlight colour, one pixel down and
// right, under the same shape in the shadow colour.
QPixmap Embossed(const QPixmap& image, const QPalette& palette) {
  auto shape = [&](const QColor& colour) {
    QImage tinted = image.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), colour);
    return tinted;
  };
  QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
  result.fill(Qt::transparent);
  QPainter painter(&result);
  painter.drawImage(QPoint(1, 1), shape(palette.color(QPalette::Light)));
  painter.drawImage(QPoint(0, 0), shape(palette.color(QPalette::Dark)));
  painter.end();
  return QPixmap::fromImage(result);
}

}  // namespace

TFlashButton::TFlashButton(QWidget* parent) : QWidget(parent) {
  FieldNormalColor = palette().color(QPalette::Button);
  setFocusPolicy(Qt::NoFocus);
  resize(22, 23);
}

void TFlashButton::SetGlyph(const QPixmap& strip) {
  glyph_ = strip;
  if (!glyph_.isNull() && !glyph_.hasAlphaChannel()) {
    QImage image = glyph_.toImage();
    QColor transparent = image.pixelColor(0, image.height() - 1);
    glyph_.setMask(glyph_.createMaskFromColor(transparent, Qt::MaskInColor));
  }
  update();
}

void TFlashButton::SetNumGlyphs(int count) {
  numGlyphs_ = count < 1 ? 1 : count;
  update();
}

void TFlashButton::SetCaption(const QString& caption) {
  caption_ = caption;
  UpdateShortcut();
  update();
}

void TFlashButton::SetGroupIndex(int group) {
  if (groupIndex_ == group) return;
  groupIndex_ = group;
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    state_ = kUp;
  }
  UpdateExclusive();
  update();
}

void TFlashButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = down;
  state_ = down_ ? kDown : kUp;
  update();
  if (down_) UpdateExclusive();
}

void TFlashButton::SetAllowAllUp(bool allow) {
  if (allowAllUp_ == allow) return;
  allowAllUp_ = allow;
  UpdateExclusive();
}

void TFlashButton::SetLayout(GlyphLayout layout) {
  layout_ = layout;
  update();
}

void TFlashButton::SetMargin(int margin) {
  margin_ = margin;
  update();
}

void TFlashButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  update();
}

void TFlashButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

TFlashButton::State TFlashButton::VisualState() const {
  return isEnabled() ? state_ : kDisabled;
}

int TFlashButton::ImageIndex(State state, int numGlyphs) {
  return static_cast<int>(state) < numGlyphs ? static_cast<int>(state) : 0;
}

void TFlashButton::Click() {
  if (!isEnabled()) return;
  if (groupIndex_ != 0) SetDown(!down_);
  emit clicked();
}

QSize TFlashButton::sizeHint() const {
  return QSize(22, 23);
}

// Tells the other buttons of the group that this one went down (they release themselves) and
// hands them this button's AllowAllUp.
void TFlashButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !parentWidget()) return;
  for (QObject* child : parentWidget()->children()) {
    auto* sibling = qobject_cast<TFlashButton*>(child);
    if (!sibling || sibling == this || sibling->groupIndex_ != groupIndex_) continue;
    if (down_ && sibling->down_) {
      sibling->down_ = false;
      sibling->state_ = kUp;
      sibling->update();
    }
    sibling->allowAllUp_ = allowAllUp_;
  }
}

void TFlashButton::UpdateShortcut() {
  delete shortcut_;
  shortcut_ = nullptr;
  QKeySequence key = QKeySequence::mnemonic(caption_);
  if (key.isEmpty()) return;
  shortcut_ = new QShortcut(key, this);
  shortcut_->setContext(Qt::WindowShortcut);
  connect(shortcut_, &QShortcut::activated, this, [this] {
    if (isEnabled() && isVisible() && parentWidget() && parentWidget()->isVisible()) Click();
  });
}

QPixmap TFlashButton::StateImage(State state) const {
  if (glyph_.isNull()) return {};
  int width = glyph_.width() / numGlyphs_;
  QPixmap first = glyph_.copy(0, 0, width, glyph_.height());
  if (state == kDisabled && numGlyphs_ == 1) return Embossed(first, palette());
  int index = ImageIndex(state, numGlyphs_);
  return index == 0 ? first : glyph_.copy(index * width, 0, width, glyph_.height());
}

void TFlashButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  State state = VisualState();
  QRect face = rect();
  bool active = state == kPressed || state == kDown;

  if (!transparent_) {
    if (active || state == kHovered) {
      painter.fillRect(face, active ? BevelActiveColor : BevelSelectedColor);
      QColor fill = state == kHovered ? FieldSelectedColor
                    : mouseInControl_ ? FieldActiveSelected
                                      : FieldActiveColor;
      painter.fillRect(face.adjusted(1, 1, -1, -1), fill);
    } else {
      painter.fillRect(face, FieldNormalColor);
    }
  } else if (state == kHovered) {
    qDrawShadePanel(&painter, face, palette(), false, 1);
  } else if (active) {
    qDrawShadePanel(&painter, face, palette(), true, 1);
  }

  QPixmap image = StateImage(state);
  qreal ratio = image.devicePixelRatio();
  QSize imageSize = image.isNull() ? QSize() : (QSizeF(image.size()) / ratio).toSize();
  bool vertical = layout_ == GlyphLayout::kTop || layout_ == GlyphLayout::kBottom;
  int textFlags = Qt::TextShowMnemonic | Qt::AlignCenter | (vertical ? Qt::TextWordWrap : 0);

  QRect inner = face.adjusted(2, 2, -2, -2);
  QSize textSize;
  if (!caption_.isEmpty()) {
    QRect bounds(0, 0, vertical ? inner.width() : 10000, 10000);
    textSize = painter.fontMetrics().boundingRect(bounds, textFlags, caption_).size();
  }
  int spacing = (!image.isNull() && !caption_.isEmpty()) ? spacing_ : 0;
  int total = vertical ? imageSize.height() + spacing + textSize.height()
                       : imageSize.width() + spacing + textSize.width();
  int extent = vertical ? inner.height() : inner.width();
  int start = margin_ < 0 ? (extent - total) / 2 : margin_;

  QRect imageRect, textRect;
  auto place = [&](QRect& r, QSize size, int offset) {
    if (vertical)
      r = QRect(inner.left() + (inner.width() - size.width()) / 2, inner.top() + offset,
                size.width(), size.height());
    else
      r = QRect(inner.left() + offset, inner.top() + (inner.height() - size.height()) / 2,
                size.width(), size.height());
  };
  bool imageFirst = layout_ == GlyphLayout::kLeft || layout_ == GlyphLayout::kTop;
  int second = start +
               (imageFirst ? (vertical ? imageSize.height() : imageSize.width())
                           : (vertical ? textSize.height() : textSize.width())) +
               spacing;
  place(imageRect, imageSize, imageFirst ? start : second);
  place(textRect, textSize, imageFirst ? second : start);
  if (state == kPressed) {
    imageRect.translate(1, 1);
    textRect.translate(1, 1);
  }

  if (!image.isNull()) painter.drawPixmap(imageRect, image);
  if (!caption_.isEmpty()) {
    painter.setPen(palette().color(state == kDisabled ? QPalette::Disabled : QPalette::Normal,
                                   QPalette::ButtonText));
    painter.drawText(textRect, textFlags, caption_);
  }
}

void TFlashButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  if (!down_) state_ = kPressed;
  dragging_ = true;
  update();
}

void TFlashButton::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  State next = down_ ? kDown : kUp;
  if (rect().contains(event->position().toPoint())) next = down_ ? kDown : kPressed;
  if (next != state_) {
    state_ = next;
    update();
  }
}

void TFlashButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  bool inside = rect().contains(event->position().toPoint());
  if (groupIndex_ == 0) {
    state_ = kUp;
  } else if (inside) {
    SetDown(!down_);
    state_ = down_ ? kDown : kUp;
  } else {
    state_ = down_ ? kDown : kUp;
  }
  // The pointer may still be over the button: it then shows as hovered.
  mouseInControl_ = inside;
  if (inside && state_ == kUp) state_ = kHovered;
  update();
  if (inside) emit clicked();
}

void TFlashButton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (down_ && event->button() == Qt::LeftButton) {
    emit doubleClicked();
    return;
  }
  mousePressEvent(event);
}

void TFlashButton::enterEvent(QEnterEvent*) {
  if (!isEnabled() || dragging_ || QWidget::mouseGrabber()) return;
  mouseInControl_ = true;
  if (state_ == kUp) state_ = kHovered;
  update();
}

void TFlashButton::leaveEvent(QEvent*) {
  if (!mouseInControl_ && state_ != kHovered) return;
  mouseInControl_ = false;
  if (state_ == kHovered) state_ = kUp;
  update();
}

void TFlashButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    if (isEnabled()) state_ = (down_ && groupIndex_ != 0) ? kDown : kUp;
    mouseInControl_ = false;
    dragging_ = false;
    update();
  }
  QWidget::changeEvent(event);
}

}  // namespace kvor::ui
