#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QPushButton;
class QTreeWidget;

namespace kvor::ui {

// The inspection picker "Справочник инспекций": the inspections of the directory read at
// start-up, in file order. The main window builds it once and keeps it, with its rows and its
// last result, for its whole life; the conditions screen shows it modally.
//
//   picker->SelectCode(current);
//   if (picker->exec() == QDialog::Accepted) code = picker->ResultCode();
//
// Confirming without choosing a row returns the code the caller gave, even when the directory
// does not list it.
class TfmInputInspectionNumber : public QDialog {
  Q_OBJECT

 public:
  struct Row {
    QString Code;
    QString Name;
  };

  // `openImport` shows the import window (button "Пролистал весь справочник, …").
  TfmInputInspectionNumber(const QList<Row>& rows, std::function<void(QWidget*)> openImport,
                           QWidget* parent = nullptr);

  // Remembers `code` as the current result and selects and focuses the first row with exactly
  // that code; no row is selected when none has it.
  void SelectCode(const QString& code);
  const QString& ResultCode() const { return resultCode_; }
  const QString& ResultName() const { return resultName_; }

  QTreeWidget* lvInspections;
  QPushButton* bnYes;     // "Да"
  QPushButton* bnCansel;  // "Нет"
  QPushButton* Button1;   // to the import window

 private:
  std::function<void(QWidget*)> openImport_;
  QString resultCode_;
  QString resultName_;
};

}  // namespace kvor::ui
