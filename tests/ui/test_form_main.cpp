#include <QtTest>

#include "ui/shell/form_main.h"

class TestFormMain : public QObject {
  Q_OBJECT

 private slots:
  void titleAndMinimumSize() {
    kvor::ui::TFormMain window;
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("Квор 2014")));
    QCOMPARE(window.minimumSize(), QSize(750, 550));
  }
};

QTEST_MAIN(TestFormMain)
#include "test_form_main.moc"
