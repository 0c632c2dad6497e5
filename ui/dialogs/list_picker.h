#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QHBoxLayout;
class QPushButton;
class QTreeWidget;

namespace kvor {
struct CodeName;
}

namespace kvor::ui {

// The form the code pickers share: a list of codes and names, "Да" and "Нет". Enter and a double
// click confirm, Escape cancels. The picker remembers the code and the name of the row last
// selected; they are its result after "Да".
//
//   TfmRegionName picker(declaration.RegionCode, this);
//   if (picker.exec() == QDialog::Accepted) code = picker.ResultNumber();
//
// Confirming while no row is selected (the code the picker opened on is not listed and the user
// chose nothing) counts as "Нет": the caller's field stays as it was; unless the picker keeps the
// given code, and then it is the result.
class TListPicker : public QDialog {
  Q_OBJECT

 public:
  // Makes `code` the result and selects and focuses the first row with exactly that code; no row
  // is selected when none has it, and the remembered name is then left as it was (cleared when
  // the picker keeps the given code).
  void SelectCode(const QString& code);

  const QString& ResultCode() const { return resultCode_; }
  const QString& ResultName() const { return resultName_; }
  // The result code as a number (the document types and the regions are held as numbers).
  int ResultNumber() const { return resultCode_.toInt(); }

  QTreeWidget* lvList;
  QPushButton* bnYes;     // "Да"
  QPushButton* bnCansel;  // "Нет"

 protected:
  // What confirming with no row selected does.
  enum class TNoRowConfirm { kCancels, kKeepsGivenCode };

  TListPicker(const QString& title, const QString& nameColumn, const std::vector<CodeName>& rows,
              QWidget* parent, TNoRowConfirm noRow = TNoRowConfirm::kCancels);

  // The row of buttons, "Да" and "Нет" at its right end.
  QHBoxLayout* buttonRow_;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Confirm();
  int LongestNameWidth() const;
  void FitLongestName();
  void FitNameColumn();

  int nameWidth_ = 0;

  TNoRowConfirm noRow_;
  QString resultCode_;
  QString resultName_;
};

// "Справочник стран": the countries of the directory read at start-up. The main window builds it
// once and keeps it, with its last selection, for its whole life.
class TfmGrazhd : public TListPicker {
  Q_OBJECT

 public:
  explicit TfmGrazhd(const std::vector<CodeName>& countries, QWidget* parent = nullptr);
};

// "Справочник видов документов": the identity document types, opened on the current type. Type 0
// (none chosen yet) finds no row.
class TfmDocType : public TListPicker {
  Q_OBJECT

 public:
  explicit TfmDocType(int currentType, QWidget* parent = nullptr);
};

// "Справочник регионов": the regions of the Russian Federation, opened on the current region.
// Region 0 (none chosen yet) opens on the first region, "01".
class TfmRegionName : public TListPicker {
  Q_OBJECT

 public:
  explicit TfmRegionName(int currentRegion, QWidget* parent = nullptr);
};

}  // namespace kvor::ui
