#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "ui/dialogs/list_picker.h"

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
class TfmInputInspectionNumber : public TListPicker {
  Q_OBJECT

 public:
  // `openImport` shows the import window (button "Пролистал весь справочник, …").
  TfmInputInspectionNumber(const std::vector<CodeName>& rows,
                           std::function<void(QWidget*)> openImport, QWidget* parent = nullptr);

  QTreeWidget* lvInspections;  // the list
  QPushButton* Button1;        // to the import window

 private:
  std::function<void(QWidget*)> openImport_;
};

}  // namespace kvor::ui
