#pragma once

#include <QDialog>
#include <QUrl>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvor::ui {

class TLinkLabel;
class TUserDialogs;

// The import window "Загрузка СОУН": explains why an inspection may be missing from the
// directory, links to the help page on editing it and to the tax authority's download page of
// the inspection table, and rebuilds "InspectionNumbers.xml" in the program folder from a
// soun1.dbf the user points at. The new directory is read at the next start.
class TfmLoadSoun : public QDialog {
  Q_OBJECT

 public:
  // The download page of the inspection table and the site named in the window.
  static const QUrl kSounPage;
  // The help page on the directory, in the program's help folder.
  static const QString kHelpTopic;

  explicit TfmLoadSoun(std::shared_ptr<TUserDialogs> dialogs, QWidget* parent = nullptr);

  QLabel* Label2;
  QLabel* Label1;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  TLinkLabel* Label6;  // the help page
  QLabel* Label7;
  TLinkLabel* Label8;  // the download page
  QLabel* Label9;
  QLabel* Label10;
  QLineEdit* edSoun1;
  QPushButton* Button4;  // "..."
  QPushButton* Button1;  // "Импорт СОУН"
  QLabel* Label11;
  QPushButton* BitBtn1;  // "OK"

 private:
  void ChooseFile();
  void Import();
  void ShowHelp();
  void OpenDownloadPage();

  std::shared_ptr<TUserDialogs> dialogs_;
};

}  // namespace kvor::ui
