#pragma once

#include <QMessageBox>
#include <QString>
#include <QUrl>

class QWidget;

namespace kvor::ui {

// The standard boxes and file choosers of the main window. The program uses the platform's own;
// tests put a script in their place.
class TUserDialogs {
 public:
  virtual ~TUserDialogs() = default;

  // A question box titled "Квор 2014" with the given buttons; the answer is the button pressed
  // (Cancel, or No when there is no Cancel, when the box was closed).
  virtual QMessageBox::StandardButton Question(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons);
  // An error box titled "Квор 2014".
  virtual void Error(QWidget* parent, const QString& text);
  // An information box titled "Квор 2014".
  virtual void Information(QWidget* parent, const QString& text);

  // The open dialog: a file name, or empty when cancelled. `filters` in the chooser's own form
  // ("Квор 2014 (*.kv4);;…"); `defaultSuffix` without the dot.
  virtual QString OpenFileName(QWidget* parent, const QString& filters,
                               const QString& defaultSuffix);
  // The save dialog: an existing file is replaced without a question; the folder must exist.
  virtual QString SaveFileName(QWidget* parent, const QString& filters,
                               const QString& defaultSuffix);
  // The folder chooser with the given title: a folder, or empty when cancelled.
  virtual QString FolderName(QWidget* parent, const QString& title);
  // The print dialog: the chosen printer's name and the number of copies; false when cancelled.
  virtual bool ChoosePrinter(QWidget* parent, QString& printerName, int& copies);
  // The open dialog starting in `folder`, titled "Квор 2014": an existing file, or empty when
  // cancelled.
  virtual QString OpenFileNameIn(QWidget* parent, const QString& folder, const QString& filters);
  // Opens a web page in the user's default browser; false when that failed.
  virtual bool OpenUrl(const QUrl& url);
};

}  // namespace kvor::ui
