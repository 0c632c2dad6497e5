#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kvor::ui {

// The window of the program's help pages: HTML pages beside the program, with their links.
class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  void ShowPage(const QUrl& page);
  QUrl Page() const;

 private:
  QTextBrowser* browser_;
};

// The file of the help page `topic` ("runprogramm.htm") in the program folder.
QString HelpPagePath(const QString& topic);

}  // namespace kvor::ui
