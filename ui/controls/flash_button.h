#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QShortcut;

namespace kvor::ui {

// A flat button with a glyph and an optional caption, its own face and frame colours, and a
// fifth visual state for the pointer hovering over it. Buttons of one parent with the same
// non-zero group number are mutually exclusive switches.
class TFlashButton : public QWidget {
  Q_OBJECT

 public:
  // The visual states; they are also the positions of the images in the glyph strip.
  enum State { kUp = 0, kDisabled = 1, kPressed = 2, kDown = 3, kHovered = 4 };
  enum class GlyphLayout { kLeft, kRight, kTop, kBottom };

  explicit TFlashButton(QWidget* parent = nullptr);

  // A strip of NumGlyphs equal-width images side by side. A strip without an alpha channel takes
  // its bottom-left pixel as the transparent colour.
  void SetGlyph(const QPixmap& strip);
  const QPixmap& Glyph() const { return glyph_; }
  void SetNumGlyphs(int count);
  int NumGlyphs() const { return numGlyphs_; }

  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }

  void SetGroupIndex(int group);
  int GroupIndex() const { return groupIndex_; }
  // A button without a group cannot be down. Putting a grouped button down releases the other
  // buttons of its group.
  void SetDown(bool down);
  bool Down() const { return down_; }
  void SetAllowAllUp(bool allow);
  bool AllowAllUp() const { return allowAllUp_; }

  void SetLayout(GlyphLayout layout);
  GlyphLayout Layout() const { return layout_; }
  // -1 centres glyph and caption together; otherwise the distance from the edge.
  void SetMargin(int margin);
  int Margin() const { return margin_; }
  void SetSpacing(int spacing);
  int Spacing() const { return spacing_; }
  void SetTransparent(bool transparent);
  bool Transparent() const { return transparent_; }

  QColor FieldNormalColor;
  QColor FieldActiveColor{208, 212, 216};
  QColor FieldSelectedColor{176, 188, 208};
  QColor FieldActiveSelected{132, 146, 181};
  QColor BevelActiveColor{8, 36, 102};
  QColor BevelSelectedColor{8, 36, 102};

  State VisualState() const;
  bool MouseInControl() const { return mouseInControl_; }
  // The image of the strip a state shows: a state beyond the strip shows image 0.
  static int ImageIndex(State state, int numGlyphs);

  // Acts as a click of the mouse: a grouped button goes down, then `clicked` fires.
  void Click();

  QSize sizeHint() const override;

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QPixmap StateImage(State state) const;
  void UpdateExclusive();
  void UpdateShortcut();

  QPixmap glyph_;
  int numGlyphs_ = 1;
  QString caption_;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  GlyphLayout layout_ = GlyphLayout::kLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool transparent_ = false;
  State state_ = kUp;
  bool dragging_ = false;
  bool mouseInControl_ = false;
  QShortcut* shortcut_ = nullptr;
};

}  // namespace kvor::ui
