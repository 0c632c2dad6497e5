#pragma once

#include <cstdint>

#include "ui/shell/thinking_frame.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kvor::ui {

class TFormMain;
class TMaskedEdit;
class TUpDown;

// The conditions of the return ("Задание условий"): which form is filed, the inspection, the
// correction number, the taxpayer category, which groups of income the return has, the estimated
// income of 4-NDFL and who signs. The boxes drive the main window's section buttons at once;
// unticking income in the country discards that group's records at once, the other groups lose
// theirs when the screen is stored.
class TfrInitialData : public TThinkingFrame {
  Q_OBJECT

 public:
  // The section title of the screen's check dialog.
  static const QString kTitle;

  TfrInitialData(QWidget* owner, TFormMain& main);

  void Store() override;
  // Inspection missing, representative's name, document or organisation missing.
  uint16_t Check() override;
  // 1 the inspection (opens the picker when the directory is there), 2 the estimated income,
  // 3 the representative's name, 4 the document, 5 the organisation.
  void FocusField(uint16_t field) override;

  // Form type.
  QGroupBox* gb34;
  QRadioButton* rbSimple;
  QRadioButton* rbNeRez;
  QRadioButton* rb4ndfl;

  // Inspection and correction number.
  QGroupBox* gbInspectionNumber;
  QLabel* lbInspection;
  TMaskedEdit* meInspection;
  QPushButton* bnInspection;
  QLabel* Label3;
  TMaskedEdit* meNumVer;
  TUpDown* updCorr;

  // Taxpayer category.
  QGroupBox* gbPersKind;
  QRadioButton* rbPredp;
  QRadioButton* rbFermer;
  QRadioButton* rbNotarius;
  QRadioButton* rbAdvokat;
  QRadioButton* rbFLProch;
  QRadioButton* rbArbitr;

  // Groups of income and the estimated income.
  QGroupBox* gbIncome;
  QCheckBox* chbIncomeInquiry;
  QLabel* lbIncomeComment;
  QCheckBox* chbIncomeCurrency;
  QCheckBox* chbIncomeBusiness;
  QCheckBox* chbInvestTov;
  QLabel* lbSupposeIncome;
  TMaskedEdit* meSupposeIncome;

  // Who signs.
  QGroupBox* gbGrantigType;
  QRadioButton* rbGiveSelf;
  QRadioButton* rbGiveTrustFase;
  QRadioButton* rbGiveByMail;
  QLabel* lbFIO;
  TMaskedEdit* meFIO;
  QLabel* lbOsn;
  TMaskedEdit* meOsn;
  QLabel* lbUL;
  TMaskedEdit* meUL;

 private:
  void CreateControls();
  void Load();

  void FormTypeClicked();
  void IncomeInquiryClicked(bool checked);
  void IncomeCurrencyClicked(bool checked);
  void IncomeBusinessClicked(bool checked);
  void InvestTovClicked(bool checked);
  void SignerClicked();
  void ChooseInspection();
  // "Вычеты": 3-NDFL of a resident with at least one group of income.
  void EnableDeduction();

  TFormMain& main_;
  // The supporting sheets are counted by hand from the first store of this screen on; their
  // number passes through unchanged.
  int32_t appendixCount_ = 0;
};

}  // namespace kvor::ui
