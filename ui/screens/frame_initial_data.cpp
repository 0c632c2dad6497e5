#include "ui/screens/frame_initial_data.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/common/money.h"
#include "core/common/number_text.h"
#include "core/model/declaration.h"
#include "ui/controls/flash_button.h"
#include "ui/controls/masked_edit.h"
#include "ui/controls/up_down.h"
#include "ui/dialogs/check_error.h"
#include "ui/dialogs/input_inspection_number.h"
#include "ui/screens/screen_parts.h"
#include "ui/shell/form_main.h"

namespace kvor::ui {

const QString TfrInitialData::kTitle = QStringLiteral("Задание условий");

namespace {

// A field's value for the return: stored only while the field is in use and not empty.
std::string InUse(const TMaskedEdit* field, const QWidget* screen) {
  if (!field->isEnabledTo(screen) || field->text().isEmpty()) return {};
  return field->text().toStdString();
}

}  // namespace

TfrInitialData::TfrInitialData(QWidget* owner, TFormMain& main)
    : TThinkingFrame(owner, main.DeclarationPointer()), main_(main) {
  setObjectName(QStringLiteral("TfrInitialData"));
  CreateControls();
  Load();
}

void TfrInitialData::CreateControls() {
  // Form type.
  gb34 = Group("gb34", QStringLiteral("  Тип декларации"), this);
  rbSimple = Named(new QRadioButton(QStringLiteral("3-НДФЛ"), gb34), "rbSimple");
  rbNeRez = Named(new QRadioButton(QStringLiteral("3-НДФЛ нерезидента"), gb34), "rbNeRez");
  rb4ndfl = Named(new QRadioButton(QStringLiteral("4-НДФЛ"), gb34), "rb4ndfl");
  rbSimple->setChecked(true);
  auto* formLayout = new QVBoxLayout(gb34);
  for (QRadioButton* button : {rbSimple, rbNeRez, rb4ndfl}) {
    formLayout->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) FormTypeClicked();
    });
  }
  formLayout->addStretch();

  // Inspection and correction number.
  gbInspectionNumber = Group("gbInspectionNumber", QStringLiteral("  Общая информация"), this);
  lbInspection =
      Named(new QLabel(QStringLiteral("Номер инспекции"), gbInspectionNumber), "lbInspection");
  meInspection =
      Named(new TMaskedEdit(TMaskedEdit::edtDigital, 4, 0, gbInspectionNumber), "meInspection");
  meInspection->setEnabled(false);  // shown only while the picker sets it (see Load)
  meInspection->setFocusPolicy(Qt::NoFocus);
  meInspection->setFixedWidth(60);
  bnInspection = Named(new QPushButton(QStringLiteral("..."), gbInspectionNumber), "bnInspection");
  bnInspection->setFixedWidth(28);
  connect(bnInspection, &QPushButton::clicked, this, &TfrInitialData::ChooseInspection);
  Label3 = Named(new QLabel(QStringLiteral("Номер корректировки"), gbInspectionNumber), "Label3");
  meNumVer = Named(new TMaskedEdit(TMaskedEdit::edtDigital, 3, 0, gbInspectionNumber), "meNumVer");
  meNumVer->setText(QStringLiteral("0"));
  meNumVer->setFixedWidth(44);
  updCorr = Named(new TUpDown(meNumVer, 0, 999, gbInspectionNumber), "updCorr");
  auto* generalLayout = new QGridLayout(gbInspectionNumber);
  generalLayout->addWidget(lbInspection, 0, 0);
  auto* inspectionRow = new QHBoxLayout;
  inspectionRow->setSpacing(2);
  inspectionRow->addWidget(meInspection);
  inspectionRow->addWidget(bnInspection);
  inspectionRow->addStretch();
  generalLayout->addLayout(inspectionRow, 0, 1);
  generalLayout->addWidget(Label3, 1, 0);
  auto* correctionRow = new QHBoxLayout;
  correctionRow->setSpacing(0);
  correctionRow->addWidget(meNumVer);
  correctionRow->addWidget(updCorr);
  correctionRow->addStretch();
  generalLayout->addLayout(correctionRow, 1, 1);
  generalLayout->setRowStretch(2, 1);
  generalLayout->setColumnStretch(1, 1);

  // Taxpayer category.
  gbPersKind = Group("gbPersKind", QStringLiteral("  Признак налогоплательщика"), this);
  rbPredp = Named(new QRadioButton(QStringLiteral("Индивидуальный предприниматель"), gbPersKind),
                  "rbPredp");
  rbFermer = Named(new QRadioButton(QStringLiteral("Глава фермерского хозяйства"), gbPersKind),
                   "rbFermer");
  rbNotarius =
      Named(new QRadioButton(QStringLiteral("Частный нотариус"), gbPersKind), "rbNotarius");
  rbAdvokat = Named(new QRadioButton(QStringLiteral("Адвокат"), gbPersKind), "rbAdvokat");
  rbFLProch =
      Named(new QRadioButton(QStringLiteral("Иное физическое лицо"), gbPersKind), "rbFLProch");
  rbArbitr =
      Named(new QRadioButton(QStringLiteral("Арбитражный управляющий"), gbPersKind), "rbArbitr");
  rbFLProch->setChecked(true);
  auto* kindLayout = new QVBoxLayout(gbPersKind);
  for (QRadioButton* button : {rbPredp, rbFermer, rbNotarius, rbAdvokat, rbFLProch, rbArbitr}) {
    kindLayout->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) NotifyChanged();
    });
  }
  kindLayout->addStretch();

  // Groups of income.
  gbIncome = Group("gbIncome", QStringLiteral("  Имеются доходы"), this);
  chbIncomeInquiry =
      Named(new QCheckBox(QStringLiteral("Учитываемые \"справками о доходах физического лица\", "
                                         "доходы по договорам"),
                          gbIncome),
            "chbIncomeInquiry");
  lbIncomeComment = Named(new QLabel(QStringLiteral("гр.-правового характера, авторским "
                                                    "вознаграждениям, от продажи имущества и др."),
                                     gbIncome),
                          "lbIncomeComment");
  chbIncomeCurrency =
      Named(new QCheckBox(QStringLiteral("В иностранной валюте"), gbIncome), "chbIncomeCurrency");
  chbIncomeBusiness =
      Named(new QCheckBox(QStringLiteral("От предпринимательской деятельности"), gbIncome),
            "chbIncomeBusiness");
  chbInvestTov =
      Named(new QCheckBox(QStringLiteral("От участия в инвестиционных товариществах"), gbIncome),
            "chbInvestTov");
  lbSupposeIncome =
      Named(new QLabel(QStringLiteral("Предполагаемый доход"), gbIncome), "lbSupposeIncome");
  meSupposeIncome =
      Named(new TMaskedEdit(TMaskedEdit::edtDigital, 12, 0, gbIncome), "meSupposeIncome");
  meSupposeIncome->setFixedWidth(120);
  lbSupposeIncome->hide();
  meSupposeIncome->hide();
  connect(chbIncomeInquiry, &QCheckBox::toggled, this, &TfrInitialData::IncomeInquiryClicked);
  connect(chbIncomeCurrency, &QCheckBox::toggled, this, &TfrInitialData::IncomeCurrencyClicked);
  connect(chbIncomeBusiness, &QCheckBox::toggled, this, &TfrInitialData::IncomeBusinessClicked);
  connect(chbInvestTov, &QCheckBox::toggled, this, &TfrInitialData::InvestTovClicked);
  auto* incomeLayout = new QVBoxLayout(gbIncome);
  incomeLayout->setSpacing(4);
  incomeLayout->addWidget(chbIncomeInquiry);
  // The second line of the first box's caption, under its text.
  const int indent = chbIncomeInquiry->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                     chbIncomeInquiry->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  lbIncomeComment->setContentsMargins(indent, 0, 0, 0);
  lbIncomeComment->setWordWrap(true);
  incomeLayout->addWidget(lbIncomeComment);
  incomeLayout->addWidget(chbIncomeCurrency);
  incomeLayout->addWidget(chbIncomeBusiness);
  incomeLayout->addWidget(chbInvestTov);
  auto* supposeRow = new QHBoxLayout;
  supposeRow->addWidget(lbSupposeIncome);
  supposeRow->addWidget(meSupposeIncome);
  supposeRow->addStretch();
  incomeLayout->addLayout(supposeRow);
  incomeLayout->addStretch();

  // Who signs.
  gbGrantigType = Group("gbGrantigType", QStringLiteral("  Достоверность подтверждается"), this);
  rbGiveSelf = Named(new QRadioButton(QStringLiteral("Лично"), gbGrantigType), "rbGiveSelf");
  rbGiveTrustFase = Named(new QRadioButton(QStringLiteral("Представителем - ФЛ"), gbGrantigType),
                          "rbGiveTrustFase");
  rbGiveByMail =
      Named(new QRadioButton(QStringLiteral("Представителем - ЮЛ"), gbGrantigType), "rbGiveByMail");
  rbGiveSelf->setChecked(true);
  rbGiveByMail->hide();
  lbFIO = Named(new QLabel(QStringLiteral("ФИО"), gbGrantigType), "lbFIO");
  meFIO = Named(new TMaskedEdit(TMaskedEdit::edtNone, 182, 0, gbGrantigType), "meFIO");
  lbOsn = Named(new QLabel(QStringLiteral("Документ"), gbGrantigType), "lbOsn");
  meOsn = Named(new TMaskedEdit(TMaskedEdit::edtNone, 0, 0, gbGrantigType), "meOsn");
  lbUL = Named(new QLabel(QStringLiteral("Организация - представитель"), gbGrantigType), "lbUL");
  meUL = Named(new TMaskedEdit(TMaskedEdit::edtNone, 182, 0, gbGrantigType), "meUL");
  lbUL->hide();
  meUL->hide();
  auto* signerLayout = new QGridLayout(gbGrantigType);
  auto* signerRow = new QHBoxLayout;
  for (QRadioButton* button : {rbGiveSelf, rbGiveTrustFase, rbGiveByMail}) {
    signerRow->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) SignerClicked();
    });
  }
  signerRow->addStretch();
  signerLayout->addLayout(signerRow, 0, 0, 1, 2);
  signerLayout->addWidget(lbFIO, 1, 0);
  signerLayout->addWidget(meFIO, 1, 1);
  signerLayout->addWidget(lbOsn, 2, 0);
  signerLayout->addWidget(meOsn, 2, 1);
  signerLayout->addWidget(lbUL, 3, 0);
  signerLayout->addWidget(meUL, 3, 1);
  signerLayout->setColumnStretch(1, 1);
  for (QWidget* widget :
       {static_cast<QWidget*>(lbFIO), static_cast<QWidget*>(meFIO), static_cast<QWidget*>(lbOsn),
        static_cast<QWidget*>(meOsn), static_cast<QWidget*>(lbUL), static_cast<QWidget*>(meUL)})
    widget->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(gb34, 0, 0);
  layout->addWidget(gbInspectionNumber, 0, 1);
  layout->addWidget(gbPersKind, 1, 0);
  layout->addWidget(gbIncome, 1, 1);
  layout->addWidget(gbGrantigType, 2, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(3, 1);

  setTabOrder(rbSimple, meNumVer);
}

void TfrInitialData::Load() {
  const mTDeclaration& d = Declaration();
  meInspection->setText(QString::fromStdString(d.InspectionNumber));
  meNumVer->setEnabled(true);
  meNumVer->setText(QString::number(d.CorrectionNumber));

  switch (d.ConfirmKind) {
    case 1:
      rbGiveTrustFase->setChecked(true);
      break;
    case 2:
      rbGiveByMail->setChecked(true);
      break;
    default:
      rbGiveSelf->setChecked(true);
      break;
  }
  meOsn->setText(QString::fromStdString(d.RepresentativeDocument));
  meFIO->setText(QString::fromStdString(d.RepresentativeName));
  meUL->setText(QString::fromStdString(d.RepresentativeOrganization));

  switch (d.TaxpayerKind) {
    case 0:
      rbPredp->setChecked(true);
      break;
    case 1:
      rbFermer->setChecked(true);
      break;
    case 2:
      rbNotarius->setChecked(true);
      break;
    case 3:
      rbAdvokat->setChecked(true);
      break;
    case 6:
      rbArbitr->setChecked(true);
      break;
    default:
      rbFLProch->setChecked(true);
      break;
  }

  if (d.HasIncome(kIncomeInCountry)) chbIncomeInquiry->setChecked(true);
  if (d.HasIncome(kIncomeForeign)) chbIncomeCurrency->setChecked(true);
  if (d.HasIncome(kIncomeBusiness)) chbIncomeBusiness->setChecked(true);
  if (d.HasIncome(kIncomeInvestTov)) chbInvestTov->setChecked(true);

  meSupposeIncome->setText(
      QString::fromStdString(d.SupposeIncome.ToShortText(static_cast<char>(kDecimalSeparator))));
  appendixCount_ = d.AppendixCount;

  // Without the inspection directory the picker cannot be opened; the code is then typed into
  // the field itself, or a return could never name its inspection.
  const bool havePicker = main_.InspectionPicker() != nullptr;
  bnInspection->setEnabled(havePicker);
  meInspection->setEnabled(!havePicker);
  meInspection->setFocusPolicy(havePicker ? Qt::NoFocus : Qt::StrongFocus);

  switch (d.DeclarationType) {
    case kDeclaration3NDFLNonResident:
      rbNeRez->setChecked(true);
      break;
    case kDeclaration4NDFL:
      rb4ndfl->setChecked(true);
      break;
    default:
      rbSimple->setChecked(true);
      break;
  }
}

void TfrInitialData::Store() {
  mTDeclaration& d = Declaration();
  d.InspectionNumber = meInspection->text().toStdString();

  d.ConfirmKind = rbGiveSelf->isChecked() ? 0 : rbGiveTrustFase->isChecked() ? 1 : 2;

  if (rbFermer->isChecked())
    d.TaxpayerKind = 1;
  else if (rbPredp->isChecked())
    d.TaxpayerKind = 0;
  else if (rbNotarius->isChecked())
    d.TaxpayerKind = 2;
  else if (rbAdvokat->isChecked())
    d.TaxpayerKind = 3;
  else if (rbArbitr->isChecked())
    d.TaxpayerKind = 6;
  else
    d.TaxpayerKind = 5;

  d.DeclarationType = rbSimple->isChecked()  ? kDeclaration3NDFL
                      : rbNeRez->isChecked() ? kDeclaration3NDFLNonResident
                                             : kDeclaration4NDFL;

  uint8_t flags = 0;
  if (chbIncomeInquiry->isChecked()) flags |= kIncomeInCountry;
  if (chbIncomeCurrency->isChecked()) flags |= kIncomeForeign;
  if (chbInvestTov->isChecked()) flags |= kIncomeInvestTov;
  if (chbIncomeBusiness->isChecked()) flags |= kIncomeBusiness;
  d.SetIncomeFlags(flags);

  d.SupposeIncome =
      Money::Parse(meSupposeIncome->text().toStdString(), static_cast<char>(kDecimalSeparator))
          .value_or(Money());

  d.RepresentativeDocument = InUse(meOsn, this);
  d.RepresentativeOrganization = InUse(meUL, this);
  d.RepresentativeName = InUse(meFIO, this);

  bool ok = false;
  const int correction = meNumVer->text().trimmed().toInt(&ok);
  d.CorrectionNumber = ok ? correction : 0;

  // From the first store on, the supporting sheets are counted by hand.
  d.AutoCalculateApp = 0;
  d.SetAppendixCount(appendixCount_);
}

uint16_t TfrInitialData::Check() {
  TScreenCheck check(this, kTitle);
  if (meInspection->text().isEmpty()) check.Report(1, QStringLiteral("Не введен номер инспекции"));
  if (!rbGiveSelf->isChecked()) {
    if (Blank(meFIO->text()))
      check.Report(3, QStringLiteral("Не указаны ФИО подписанта-представителя"));
    if (Blank(meOsn->text()))
      check.Report(4,
                   QStringLiteral("Не указан документ, подтверждающий полномочия представителя"));
  }
  if (rbGiveByMail->isChecked() && Blank(meUL->text()))
    check.Report(5, QStringLiteral("Не указано наименование Юр.лица-представителя"));
  return check.Field();
}

void TfrInitialData::FocusField(uint16_t field) {
  switch (field) {
    case 1:
      // Without the directory the code cannot be changed here: the field only shows it.
      if (bnInspection->isEnabled())
        bnInspection->click();
      else
        meInspection->setFocus();
      break;
    case 2:
      meSupposeIncome->setFocus();
      break;
    case 3:
      meFIO->setFocus();
      break;
    case 4:
      meOsn->setFocus();
      break;
    case 5:
      meUL->setFocus();
      break;
    default:
      break;
  }
}

void TfrInitialData::FormTypeClicked() {
  // The form type reaches the return at the next store: the return has changed.
  NotifyChanged();
  const bool simple = rbSimple->isChecked();
  const bool fourNdfl = rb4ndfl->isChecked();

  // Unchecking a box runs its own handler, so the section buttons follow.
  if (fourNdfl) chbIncomeInquiry->setChecked(false);
  chbIncomeInquiry->setEnabled(!fourNdfl);
  for (QCheckBox* box : {chbIncomeCurrency, chbIncomeBusiness}) {
    if (!simple) box->setChecked(false);
    box->setEnabled(simple);
  }
  if (fourNdfl) chbInvestTov->setChecked(false);
  chbInvestTov->setEnabled(!fourNdfl);
  lbIncomeComment->setEnabled(!fourNdfl);

  if (!fourNdfl) rbFermer->setEnabled(true);
  if (fourNdfl && (rbFLProch->isChecked() || rbArbitr->isChecked())) rbPredp->setChecked(true);
  rbFLProch->setEnabled(!fourNdfl);
  rbArbitr->setEnabled(!fourNdfl);

  lbSupposeIncome->setVisible(fourNdfl);
  meSupposeIncome->setVisible(fourNdfl);
  if (fourNdfl) {
    lbSupposeIncome->setEnabled(true);
    meSupposeIncome->setEnabled(true);
  }

  if (!fourNdfl && rbGiveByMail->isChecked()) rbGiveTrustFase->setChecked(true);
  rbGiveByMail->setVisible(fourNdfl);
  lbUL->setVisible(fourNdfl);
  meUL->setVisible(fourNdfl);

  EnableDeduction();
}

void TfrInitialData::IncomeInquiryClicked(bool checked) {
  NotifyChanged();
  main_.SectionButton(TSection::kRussianIncome)->setEnabled(checked);
  if (!checked) {
    mTDeclaration& d = Declaration();
    d.SetIncomeFlags(d.IncomeFlags & ~kIncomeInCountry);
  }
  EnableDeduction();
}

void TfrInitialData::IncomeCurrencyClicked(bool checked) {
  NotifyChanged();
  main_.SectionButton(TSection::kForeignIncome)->setEnabled(checked);
  EnableDeduction();
}

void TfrInitialData::IncomeBusinessClicked(bool checked) {
  NotifyChanged();
  main_.SectionButton(TSection::kBusinessIncome)->setEnabled(checked);
  lbSupposeIncome->setEnabled(checked);
  meSupposeIncome->setEnabled(checked);
  if (!checked) meSupposeIncome->clear();
  EnableDeduction();
}

void TfrInitialData::InvestTovClicked(bool checked) {
  NotifyChanged();
  main_.SectionButton(TSection::kInvestTov)->setEnabled(checked);
  EnableDeduction();
}

void TfrInitialData::SignerClicked() {
  NotifyChanged();
  const bool person = !rbGiveSelf->isChecked();
  const bool organisation = rbGiveByMail->isChecked();
  for (QWidget* widget : {static_cast<QWidget*>(lbFIO), static_cast<QWidget*>(meFIO),
                          static_cast<QWidget*>(lbOsn), static_cast<QWidget*>(meOsn)})
    widget->setEnabled(person);
  lbUL->setEnabled(organisation);
  meUL->setEnabled(organisation);
}

void TfrInitialData::ChooseInspection() {
  TfmInputInspectionNumber* picker = main_.InspectionPicker();
  if (!picker) return;
  picker->SelectCode(meInspection->text());
  if (picker->exec() != QDialog::Accepted) return;
  // The field tells the main window of the change itself.
  if (picker->ResultCode() != meInspection->text()) meInspection->setText(picker->ResultCode());
}

void TfrInitialData::EnableDeduction() {
  const bool anyIncome = chbIncomeInquiry->isChecked() || chbIncomeCurrency->isChecked() ||
                         chbIncomeBusiness->isChecked() || chbInvestTov->isChecked();
  main_.SectionButton(TSection::kDeduction)->setEnabled(rbSimple->isChecked() && anyIncome);
}

}  // namespace kvor::ui
