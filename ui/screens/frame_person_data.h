#pragma once

#include <QString>
#include <cstdint>

#include "ui/controls/masked_doc_edit.h"
#include "ui/shell/thinking_frame.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace kvor::ui {

class TDateField;
class TFlashButton;
class TFormMain;
class TMaskedEdit;

// The name page of the taxpayer ("Персональные данные"): name, ИНН, birth date and place, the
// identity document and the citizenship; for 4-NDFL the ОКТМО and the telephone instead of the
// birth data, the document and the citizenship.
class TfrPersonNaim : public TThinkingFrame {
  Q_OBJECT

 public:
  // Field codes of the check and of FocusField.
  enum Field : uint16_t {
    kSurName = 1,
    kName = 2,
    kPatronymic = 3,
    kINN = 4,
    kDocType = 5,  // opens the document type picker
    kSerial = 6,
    kRegDate = 7,
    kKem = 8,
    kMesto = 9,
    kOKATO = 10,
  };

  TfrPersonNaim(QWidget* owner, TFormMain& main);

  void Store() override;
  uint16_t Check() override;
  void FocusField(uint16_t field) override;

  // The layout of the series and number for a document type, when a stored return is loaded and
  // when the user picks the type; `current` for a type that keeps the layout the field has.
  static TMaskedDocEdit::TDocumentMaskEnum LoadedLayout(int type,
                                                        TMaskedDocEdit::TDocumentMaskEnum current);
  static TMaskedDocEdit::TDocumentMaskEnum ChosenLayout(int type,
                                                        TMaskedDocEdit::TDocumentMaskEnum current);

  uint16_t DocTypeCode() const { return docTypeCode_; }

  QGroupBox* gbFIO;
  TMaskedEdit* meSurName;
  TMaskedEdit* meName;
  TMaskedEdit* mePatronymic;
  TMaskedEdit* meINN;
  QLabel* lbBirthDate;
  TDateField* dtBirthDate;
  QLabel* lbMesto;
  TMaskedEdit* meMesto;
  QLabel* lbOKATO;
  TMaskedEdit* meOKATO;
  QLabel* lbHomePhone;
  TMaskedEdit* meHomePhone;

  QGroupBox* gbDoc;
  QLabel* pnlDocType;
  QPushButton* bnDocType;
  TMaskedDocEdit* meSerial;
  TDateField* dtRegDate;
  TMaskedEdit* meKem;

  QGroupBox* gbGr;
  TMaskedEdit* meKodGrazhd;
  TMaskedEdit* meCitizenship;
  QPushButton* bnGrazhd;
  QRadioButton* rbGr;
  QRadioButton* rbBomzh;

 private:
  void CreateControls();
  void Load();
  void EnableDocument(bool enabled);
  void ChooseDocType();
  void ChooseCountry();

  TFormMain& main_;
  uint16_t docTypeCode_ = 0;
};

// The address page of the taxpayer ("Адрес"): the address in the Russian Federation, the ОКТМО,
// the telephone and the address abroad. 3-NDFL only.
class TfrPersonAddress : public TThinkingFrame {
  Q_OBJECT

 public:
  // Field codes of the check and of FocusField.
  enum Field : uint16_t {
    kRegion = 2,  // opens the region picker
    kOKATO = 4,
    kArea = 5,
    kPostIndex = 6,
  };

  TfrPersonAddress(QWidget* owner, TFormMain& main);

  void Store() override;
  uint16_t Check() override;
  void FocusField(uint16_t field) override;

  uint16_t RegionCode() const { return regionCode_; }

  QGroupBox* GroupBox3;
  QRadioButton* rbReg;
  QRadioButton* rbPreb;
  TMaskedEdit* mePostIndex;
  QLabel* pnlRegion;
  QPushButton* bnRegion;
  TMaskedEdit* meDistrict;
  TMaskedEdit* meCity;
  TMaskedEdit* meArea;
  TMaskedEdit* meStreet;
  TMaskedEdit* meHouse;
  TMaskedEdit* meBuilding;
  TMaskedEdit* meFlat;
  QLabel* lbOKATO;
  TMaskedEdit* meOKATO;
  QGroupBox* GroupBox2;
  TMaskedEdit* meHomePhone;
  QGroupBox* GroupBox1;
  TMaskedEdit* meAdr;

 private:
  void CreateControls();
  void Load();
  void ChooseRegion();

  uint16_t regionCode_ = 0;
};

// The taxpayer section ("Сведения о декларанте"): two page buttons and one page at a time, the
// name page first. A page is replaced, never hidden, so each page is filled from the return when
// it is shown; leaving a page stores and checks it.
class TfrPersonData : public TThinkingFrame {
  Q_OBJECT

 public:
  // The section title of the check dialog.
  static const QString kTitle;

  enum Page { kNaimPage = 0, kAddressPage = 1 };

  TfrPersonData(QWidget* owner, TFormMain& main);

  // Passed on to the page shown.
  void Store() override;
  uint16_t Check() override;
  void FocusField(uint16_t field) override;
  // Shows page 0 (name) or 1 (address), built afresh when the other one is shown (the page it
  // replaces is neither stored nor checked), and focuses `field` there.
  void ShowPage(int page, uint16_t field) override;

  int CurrentPageIndex() const { return pageIndex_; }
  TThinkingFrame* CurrentPage() const { return page_; }

  TFlashButton* fbPersonNaim;
  TFlashButton* fbPersonAddress;

 private:
  // A page button was pressed: the page shown is stored and checked before it gives way.
  void PageButtonClicked(int page);
  void BuildPage(int page);
  void PressPageButton();

  TFormMain& main_;
  QVBoxLayout* pageLayout_ = nullptr;
  TThinkingFrame* page_ = nullptr;
  int pageIndex_ = -1;
};

}  // namespace kvor::ui
