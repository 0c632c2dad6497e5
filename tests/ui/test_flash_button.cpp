// The section button: its five visual states under the mouse, its groups, and how it paints.
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>
#include <map>
#include <string>

#include "ui/controls/flash_button.h"

using kvor::ui::TFlashButton;

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint position) {
  QMouseEvent event(type, position, widget->mapToGlobal(position), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

// Plays a list of steps on a button: press, move-in, move-out, release-in, release-out, enter,
// leave, disable, enable, double.
void Play(TFlashButton& button, const QStringList& steps) {
  const QPoint inside(5, 5);
  const QPoint outside(200, 200);
  for (const QString& step : steps) {
    if (step == QLatin1String("press")) {
      Send(&button, QEvent::MouseButtonPress, inside);
    } else if (step == QLatin1String("move-in")) {
      Send(&button, QEvent::MouseMove, inside);
    } else if (step == QLatin1String("move-out")) {
      Send(&button, QEvent::MouseMove, outside);
    } else if (step == QLatin1String("release-in")) {
      Send(&button, QEvent::MouseButtonRelease, inside);
    } else if (step == QLatin1String("release-out")) {
      Send(&button, QEvent::MouseButtonRelease, outside);
    } else if (step == QLatin1String("double")) {
      Send(&button, QEvent::MouseButtonDblClick, inside);
    } else if (step == QLatin1String("enter")) {
      QEnterEvent event(inside, inside, button.mapToGlobal(inside));
      QCoreApplication::sendEvent(&button, &event);
    } else if (step == QLatin1String("leave")) {
      QEvent event(QEvent::Leave);
      QCoreApplication::sendEvent(&button, &event);
    } else if (step == QLatin1String("disable")) {
      button.setEnabled(false);
    } else if (step == QLatin1String("enable")) {
      button.setEnabled(true);
    } else {
      QFAIL(qPrintable(step));
    }
  }
}

QStringList Steps(const char* steps) {
  return QString::fromLatin1(steps).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QColor PixelAt(QWidget& widget, QPoint point) {
  return widget.grab().toImage().pixelColor(point);
}

}  // namespace

class TestFlashButton : public QObject {
  Q_OBJECT

 private slots:
  void defaults() {
    TFlashButton button;
    QCOMPARE(button.size(), QSize(22, 23));
    QCOMPARE(button.NumGlyphs(), 1);
    QCOMPARE(button.GroupIndex(), 0);
    QCOMPARE(button.Spacing(), 4);
    QCOMPARE(button.Margin(), -1);
    QCOMPARE(button.FieldActiveColor, QColor(208, 212, 216));
    QCOMPARE(button.FieldSelectedColor, QColor(176, 188, 208));
    QCOMPARE(button.FieldActiveSelected, QColor(132, 146, 181));
    QCOMPARE(button.BevelActiveColor, QColor(8, 36, 102));
    QCOMPARE(button.BevelSelectedColor, QColor(8, 36, 102));
  }

  void mouse_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("allowAllUp");
    QTest::addColumn<bool>("startDown");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("clicks");
    using S = TFlashButton;
    QTest::newRow("plain press") << 0 << false << false << Steps("press") << int(S::kPressed)
                                 << false << 0;
    QTest::newRow("plain click leaves it hovered")
        << 0 << false << false << Steps("enter press release-in") << int(S::kHovered) << false << 1;
    QTest::newRow("plain dragged out")
        << 0 << false << false << Steps("press move-out") << int(S::kUp) << false << 0;
    QTest::newRow("plain dragged out and back")
        << 0 << false << false << Steps("press move-out move-in") << int(S::kPressed) << false << 0;
    QTest::newRow("plain released outside")
        << 0 << false << false << Steps("press move-out release-out") << int(S::kUp) << false << 0;
    QTest::newRow("plain hover") << 0 << false << false << Steps("enter") << int(S::kHovered)
                                 << false << 0;
    QTest::newRow("plain hover left")
        << 0 << false << false << Steps("enter leave") << int(S::kUp) << false << 0;
    QTest::newRow("disabled ignores the mouse")
        << 0 << false << false << Steps("disable enter press release-in") << int(S::kDisabled)
        << false << 0;
    QTest::newRow("grouped click goes down")
        << 1 << false << false << Steps("press release-in") << int(S::kDown) << true << 1;
    QTest::newRow("grouped released outside stays up")
        << 1 << false << false << Steps("press move-out release-out") << int(S::kUp) << false << 0;
    QTest::newRow("down button pressed stays down")
        << 1 << false << true << Steps("press") << int(S::kDown) << true << 0;
    QTest::newRow("down button clicked stays down")
        << 1 << false << true << Steps("press release-in") << int(S::kDown) << true << 1;
    QTest::newRow("down button clicked with all up allowed")
        << 1 << true << true << Steps("press release-in") << int(S::kHovered) << false << 1;
    QTest::newRow("down button hovered shows down")
        << 1 << false << true << Steps("enter") << int(S::kDown) << true << 0;
    QTest::newRow("down button disabled")
        << 1 << false << true << Steps("disable") << int(S::kDisabled) << true << 0;
    QTest::newRow("down button enabled again")
        << 1 << false << true << Steps("disable enable") << int(S::kDown) << true << 0;
    QTest::newRow("up button enabled again")
        << 1 << false << false << Steps("enter disable enable") << int(S::kUp) << false << 0;
  }
  void mouse() {
    QFETCH(int, group);
    QFETCH(bool, allowAllUp);
    QFETCH(bool, startDown);
    QFETCH(QStringList, steps);
    QFETCH(int, state);
    QFETCH(bool, down);
    QFETCH(int, clicks);
    QWidget parent;
    TFlashButton button(&parent);
    button.resize(40, 30);
    button.SetGroupIndex(group);
    button.SetAllowAllUp(allowAllUp);
    button.SetDown(startDown);
    QSignalSpy clicked(&button, &TFlashButton::clicked);
    Play(button, steps);
    QCOMPARE(int(button.VisualState()), state);
    QCOMPARE(button.Down(), down);
    QCOMPARE(clicked.count(), clicks);
  }

  void plainButtonCannotBeDown() {
    TFlashButton button;
    button.SetDown(true);
    QVERIFY(!button.Down());
    QCOMPARE(button.VisualState(), TFlashButton::kUp);
  }

  void doubleClickOnDownButton() {
    QWidget parent;
    TFlashButton button(&parent);
    button.SetGroupIndex(1);
    QSignalSpy doubleClicked(&button, &TFlashButton::doubleClicked);
    Play(button, Steps("double"));
    QCOMPARE(doubleClicked.count(), 0);
    button.SetDown(true);
    Play(button, Steps("double"));
    QCOMPARE(doubleClicked.count(), 1);
  }

  // Buttons of one parent with one group number: one down at a time; other groups and other
  // parents are not touched.
  void groups() {
    QWidget column;
    QWidget other;
    TFlashButton a(&column), b(&column), c(&column), d(&column), e(&other);
    for (TFlashButton* button : {&a, &b, &c, &e}) button->SetGroupIndex(1);
    d.SetGroupIndex(2);
    a.SetDown(true);
    d.SetDown(true);
    e.SetDown(true);
    Play(b, Steps("press release-in"));
    QVERIFY(!a.Down());
    QVERIFY(b.Down());
    QVERIFY(!c.Down());
    QVERIFY(d.Down());
    QVERIFY(e.Down());
    QCOMPARE(a.VisualState(), TFlashButton::kUp);
    c.SetDown(true);
    QVERIFY(!b.Down());
    // AllowAllUp is one setting for the whole group.
    c.SetAllowAllUp(true);
    QVERIFY(a.AllowAllUp());
    QVERIFY(!d.AllowAllUp());
    QVERIFY(!e.AllowAllUp());
  }

  void imageOfState_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("glyphs");
    QTest::addColumn<int>("image");
    using S = TFlashButton;
    QTest::newRow("hovered in five") << int(S::kHovered) << 5 << 4;
    QTest::newRow("hovered in four") << int(S::kHovered) << 4 << 0;
    QTest::newRow("down in four") << int(S::kDown) << 4 << 3;
    QTest::newRow("pressed in three") << int(S::kPressed) << 3 << 2;
    QTest::newRow("pressed in two") << int(S::kPressed) << 2 << 0;
    QTest::newRow("disabled in two") << int(S::kDisabled) << 2 << 1;
    QTest::newRow("up in one") << int(S::kUp) << 1 << 0;
  }
  void imageOfState() {
    QFETCH(int, state);
    QFETCH(int, glyphs);
    QFETCH(int, image);
    QCOMPARE(TFlashButton::ImageIndex(TFlashButton::State(state), glyphs), image);
  }

  // The frame (pixel 0,0) and the face (pixel 3,3) of a button without glyph and caption.
  void faceColours_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<std::string>("frame");
    QTest::addColumn<std::string>("face");
    QTest::newRow("up") << 0 << Steps("") << std::string("normal") << std::string("normal");
    QTest::newRow("hovered") << 0 << Steps("enter") << std::string("bevelSelected")
                             << std::string("selected");
    QTest::newRow("pressed under the pointer")
        << 0 << Steps("enter press") << std::string("bevelActive") << std::string("activeSelected");
    QTest::newRow("down") << 1 << Steps("enter press release-in leave")
                          << std::string("bevelActive") << std::string("active");
    QTest::newRow("down under the pointer")
        << 1 << Steps("enter press release-in") << std::string("bevelActive")
        << std::string("activeSelected");
    QTest::newRow("disabled") << 0 << Steps("enter disable") << std::string("normal")
                              << std::string("normal");
  }
  void faceColours() {
    QFETCH(int, group);
    QFETCH(QStringList, steps);
    QFETCH(std::string, frame);
    QFETCH(std::string, face);
    QWidget parent;
    TFlashButton button(&parent);
    button.resize(40, 30);
    button.SetGroupIndex(group);
    button.FieldNormalColor = QColor(250, 250, 240);
    button.BevelActiveColor = QColor(200, 0, 0);
    button.BevelSelectedColor = QColor(0, 200, 0);
    const std::map<std::string, QColor> colours = {
        {"normal", button.FieldNormalColor},      {"active", button.FieldActiveColor},
        {"selected", button.FieldSelectedColor},  {"activeSelected", button.FieldActiveSelected},
        {"bevelActive", button.BevelActiveColor}, {"bevelSelected", button.BevelSelectedColor},
    };
    Play(button, steps);
    QCOMPARE(PixelAt(button, QPoint(0, 0)), colours.at(frame));
    QCOMPARE(PixelAt(button, QPoint(3, 3)), colours.at(face));
  }

  // A glyph without an alpha channel takes its bottom-left colour as transparent; with one image
  // the disabled look is the shape in the shadow colour.
  void glyphTransparencyAndDisabledLook() {
    QImage strip(16, 16, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    QPainter(&strip).fillRect(4, 4, 8, 8, QColor(0, 0, 255));
    QWidget parent;
    TFlashButton button(&parent);
    button.resize(20, 20);
    button.FieldNormalColor = QColor(250, 250, 240);
    button.SetGlyph(QPixmap::fromImage(strip));
    // The glyph is centred: its top-left corner lands at (2, 2).
    QCOMPARE(PixelAt(button, QPoint(3, 3)), button.FieldNormalColor);
    QCOMPARE(PixelAt(button, QPoint(9, 9)), QColor(0, 0, 255));
    button.setEnabled(false);
    QCOMPARE(PixelAt(button, QPoint(9, 9)), button.palette().color(QPalette::Dark));
    QCOMPARE(PixelAt(button, QPoint(3, 3)), button.FieldNormalColor);
  }

  void fiveImageStripShowsStateImage() {
    // Five images with a transparent border each.
    QImage strip(50, 10, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};
    for (int i = 0; i < 5; ++i) QPainter(&strip).fillRect(i * 10 + 1, 1, 8, 8, colours[i]);
    QWidget parent;
    TFlashButton button(&parent);
    button.resize(14, 14);
    button.SetGroupIndex(1);
    button.SetNumGlyphs(5);
    button.SetGlyph(QPixmap::fromImage(strip));
    QCOMPARE(PixelAt(button, QPoint(7, 7)), QColor(Qt::red));
    Play(button, Steps("enter"));
    QCOMPARE(PixelAt(button, QPoint(7, 7)), QColor(Qt::cyan));
    Play(button, Steps("press"));
    QCOMPARE(PixelAt(button, QPoint(8, 8)), QColor(Qt::blue));  // pressed moves one pixel
    Play(button, Steps("release-in"));
    QCOMPARE(PixelAt(button, QPoint(7, 7)), QColor(Qt::yellow));
    button.setEnabled(false);
    QCOMPARE(PixelAt(button, QPoint(7, 7)), QColor(Qt::green));
  }

  void acceleratorClicks() {
    QWidget window;
    TFlashButton button(&window);
    button.SetCaption(QStringLiteral("&Test"));
    QSignalSpy clicked(&button, &TFlashButton::clicked);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(clicked.count(), 1);
    button.setEnabled(false);
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(clicked.count(), 1);
  }
};

QTEST_MAIN(TestFlashButton)
#include "test_flash_button.moc"
