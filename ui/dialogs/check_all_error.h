#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace kvor::ui {

// The dialog of the whole-return check: the problem found, with "Исправить" and "Отмена".
class TfmCheckAllError : public QDialog {
  Q_OBJECT

 public:
  enum Result { kFix = 6, kCancel = 7 };

  explicit TfmCheckAllError(QWidget* parent = nullptr);

  // Shows the problem modally; true when the user chose "Исправить" (closing counts as
  // "Отмена").
  bool AskFix(const QString& sectionTitle, const QString& message);

  QLabel* lbMessage;
  QPushButton* Button1;  // "Исправить"
  QPushButton* Button2;  // "Отмена"
};

}  // namespace kvor::ui
