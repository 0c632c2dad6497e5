#include "ui/screens/frame_person_data.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/common/number_text.h"
#include "core/model/declaration.h"
#include "core/validation/identifiers.h"
#include "core/validation/taxpayer_rules.h"
#include "ui/controls/flash_button.h"
#include "ui/controls/masked_edit.h"
#include "ui/dialogs/check_error.h"
#include "ui/dialogs/list_picker.h"
#include "ui/screens/date_field.h"
#include "ui/screens/screen_parts.h"
#include "ui/shell/form_main.h"

namespace kvor::ui {

const QString TfrPersonData::kTitle = QStringLiteral("Сведения о декларанте");

namespace {

using Layout = TMaskedDocEdit::TDocumentMaskEnum;

TMaskedEdit* Edit(const char* name, TMaskedEdit::TEditTypeControl type, uint16_t length,
                  QWidget* parent) {
  return Named(new TMaskedEdit(type, length, 0, parent), name);
}

QLabel* Label(const char* name, const QString& caption, QWidget* parent) {
  return Named(new QLabel(caption, parent), name);
}

// A read-only panel that shows a name chosen in a picker.
QLabel* NamePanel(const char* name, QWidget* parent) {
  auto* panel = Named(new QLabel(parent), name);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setWordWrap(true);
  panel->setMinimumHeight(panel->fontMetrics().height() * 2 + 6);
  panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return panel;
}

QPushButton* PickerButton(const char* name, QWidget* parent) {
  auto* button = Named(new QPushButton(QStringLiteral("..."), parent), name);
  button->setFixedWidth(28);
  button->setAutoDefault(false);
  return button;
}

// Width of a field that holds `characters` digits.
int DigitsWidth(const QWidget* field, int characters) {
  return field->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) + 16;
}

std::string Text(const QLineEdit* field) {
  return field->text().toStdString();
}

QString Shown(const std::string& text) {
  return QString::fromStdString(text);
}

double WholeDays(Date date) {
  return std::floor(date.Days);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Name page.

TfrPersonNaim::TfrPersonNaim(QWidget* owner, TFormMain& main)
    : TThinkingFrame(owner, main.DeclarationPointer()), main_(main) {
  setObjectName(QStringLiteral("TfrPersonNaim"));
  CreateControls();
  Load();
}

void TfrPersonNaim::CreateControls() {
  // Name, ИНН, birth data; ОКТМО and telephone of 4-NDFL.
  gbFIO = Group("gbFIO", QStringLiteral("  Ф.И.О."), this);
  meSurName = Edit("meSurName", TMaskedEdit::edtNone, 33, gbFIO);
  meName = Edit("meName", TMaskedEdit::edtNone, 33, gbFIO);
  mePatronymic = Edit("mePatronymic", TMaskedEdit::edtNone, 33, gbFIO);
  for (TMaskedEdit* field : {meSurName, meName, mePatronymic}) field->setMaximumWidth(360);
  meINN = Edit("meINN", TMaskedEdit::edtDigital, 12, gbFIO);
  meINN->setFixedWidth(DigitsWidth(meINN, 12));
  lbBirthDate = Label("lbBirthDate", QStringLiteral("Дата рождения"), gbFIO);
  dtBirthDate = Named(new TDateField(gbFIO), "dtBirthDate");
  dtBirthDate->SetLatestToday();
  lbMesto = Label("lbMesto", QStringLiteral("Место рождения"), gbFIO);
  meMesto = Edit("meMesto", TMaskedEdit::edtNone, 128, gbFIO);
  lbOKATO = Label("lbOKATO", QStringLiteral("ОКТМО"), gbFIO);
  meOKATO = Edit("meOKATO", TMaskedEdit::edtDigital, 11, gbFIO);
  meOKATO->setFixedWidth(DigitsWidth(meOKATO, 11));
  lbHomePhone = Label("lbHomePhone", QStringLiteral("Телефон"), gbFIO);
  meHomePhone = Edit("meHomePhone", TMaskedEdit::edtDigital, 20, gbFIO);
  meHomePhone->setFixedWidth(DigitsWidth(meHomePhone, 20));

  auto* fio = new QGridLayout(gbFIO);
  fio->addWidget(Label("lbSurName", QStringLiteral("Фамилия"), gbFIO), 0, 0);
  fio->addWidget(meSurName, 0, 1, 1, 3);
  fio->addWidget(Label("lbName", QStringLiteral("Имя"), gbFIO), 1, 0);
  fio->addWidget(meName, 1, 1, 1, 3);
  fio->addWidget(Label("lbPatronymic", QStringLiteral("Отчество"), gbFIO), 2, 0);
  fio->addWidget(mePatronymic, 2, 1, 1, 3);
  fio->addWidget(Label("lbINN", QStringLiteral("ИНН"), gbFIO), 3, 0);
  fio->addWidget(meINN, 3, 1);
  fio->addWidget(lbBirthDate, 3, 2, Qt::AlignRight);
  fio->addWidget(dtBirthDate, 3, 3, Qt::AlignLeft);
  fio->addWidget(lbMesto, 4, 0);
  fio->addWidget(meMesto, 4, 1, 1, 3);
  fio->addWidget(lbOKATO, 5, 0);
  fio->addWidget(meOKATO, 5, 1);
  fio->addWidget(lbHomePhone, 5, 2, Qt::AlignRight);
  fio->addWidget(meHomePhone, 5, 3, Qt::AlignLeft);
  fio->setColumnStretch(3, 1);

  // Identity document.
  gbDoc = Group("gbDoc", QStringLiteral("  Сведения о документе, удостоверяющем личность"), this);
  pnlDocType = NamePanel("pnlDocType", gbDoc);
  bnDocType = PickerButton("bnDocType", gbDoc);
  connect(bnDocType, &QPushButton::clicked, this, &TfrPersonNaim::ChooseDocType);
  meSerial = Named(new TMaskedDocEdit(gbDoc), "meSerial");
  meSerial->setFixedWidth(DigitsWidth(meSerial, 20));
  dtRegDate = Named(new TDateField(gbDoc), "dtRegDate");
  dtRegDate->SetLatestToday();
  meKem = Edit("meKem", TMaskedEdit::edtNone, 128, gbDoc);

  auto* doc = new QGridLayout(gbDoc);
  doc->addWidget(Label("lbDocType", QStringLiteral("Вид документа"), gbDoc), 0, 0);
  auto* typeRow = new QHBoxLayout;
  typeRow->setSpacing(2);
  typeRow->addWidget(pnlDocType, 1);
  typeRow->addWidget(bnDocType, 0, Qt::AlignTop);
  doc->addLayout(typeRow, 0, 1, 1, 3);
  doc->addWidget(Label("lbSerial", QStringLiteral("Серия и номер"), gbDoc), 1, 0);
  doc->addWidget(meSerial, 1, 1);
  doc->addWidget(Label("lbRegDate", QStringLiteral("Дата выдачи"), gbDoc), 1, 2, Qt::AlignRight);
  doc->addWidget(dtRegDate, 1, 3, Qt::AlignLeft);
  doc->addWidget(Label("lbKem", QStringLiteral("Кем выдан"), gbDoc), 2, 0);
  doc->addWidget(meKem, 2, 1, 1, 3);
  doc->setColumnStretch(3, 1);

  // Citizenship.
  gbGr = Group("gbGr", QStringLiteral("  Данные о гражданстве"), this);
  meKodGrazhd = Edit("meKodGrazhd", TMaskedEdit::edtNone, 32, gbGr);
  meKodGrazhd->setReadOnly(true);
  meKodGrazhd->setFixedWidth(DigitsWidth(meKodGrazhd, 5));
  meCitizenship = Edit("meCitizenship", TMaskedEdit::edtNone, 70, gbGr);
  meCitizenship->setReadOnly(true);
  bnGrazhd = PickerButton("bnGrazhd", gbGr);
  connect(bnGrazhd, &QPushButton::clicked, this, &TfrPersonNaim::ChooseCountry);
  // The kind of citizenship is carried, never shown.
  rbGr = Named(new QRadioButton(QStringLiteral("Гражданин"), gbGr), "rbGr");
  rbBomzh = Named(new QRadioButton(QStringLiteral("Лицо без гражданства"), gbGr), "rbBomzh");
  rbGr->hide();
  rbBomzh->hide();

  auto* citizenship = new QHBoxLayout(gbGr);
  citizenship->addWidget(Label("lbKodGrazhd", QStringLiteral("Код страны"), gbGr));
  citizenship->addWidget(meKodGrazhd);
  citizenship->addWidget(meCitizenship, 1);
  citizenship->addWidget(bnGrazhd);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(8);
  layout->addWidget(gbFIO);
  layout->addWidget(gbDoc);
  layout->addWidget(gbGr);
  layout->addStretch();

  setTabOrder(meSurName, meName);
  setTabOrder(meName, mePatronymic);
  setTabOrder(mePatronymic, meINN);
}

void TfrPersonNaim::Load() {
  const mTDeclaration& d = Declaration();
  const mTPersonInformation& p = d.PersonInformation;

  const bool fourNdfl = d.DeclarationType == kDeclaration4NDFL;
  for (QWidget* widget : {static_cast<QWidget*>(gbGr), static_cast<QWidget*>(gbDoc),
                          static_cast<QWidget*>(lbMesto), static_cast<QWidget*>(meMesto),
                          static_cast<QWidget*>(lbBirthDate), static_cast<QWidget*>(dtBirthDate)})
    widget->setVisible(!fourNdfl);
  for (QWidget* widget : {static_cast<QWidget*>(lbOKATO), static_cast<QWidget*>(meOKATO),
                          static_cast<QWidget*>(lbHomePhone), static_cast<QWidget*>(meHomePhone)})
    widget->setVisible(fourNdfl);

  meSurName->setText(Shown(p.SurName));
  meName->setText(Shown(p.Name));
  mePatronymic->setText(Shown(p.Patronymic));
  meINN->setText(Shown(p.INN));
  meMesto->setText(Shown(p.BirthPlace));
  meOKATO->setText(Shown(p.OKTMO));
  meHomePhone->setText(Shown(p.HomePhone));
  meKem->setText(Shown(p.DocIssuedBy));
  docTypeCode_ = p.DocTypeCode;
  pnlDocType->setText(Shown(p.DocTypeName));

  // The series is shown (and so kept) even without a type name; only a known type opens the
  // document's fields to editing.
  meSerial->setText(Shown(p.DocSerial));
  const bool typeKnown = !pnlDocType->text().isEmpty();
  EnableDocument(typeKnown);
  if (typeKnown) meSerial->SetEditType(LoadedLayout(docTypeCode_, meSerial->EditType()));

  dtRegDate->SetValue(p.DocIssueDate);
  dtBirthDate->SetValue(p.BirthDate);

  if (p.CitizenshipSign == "2")
    rbBomzh->setChecked(true);
  else
    rbGr->setChecked(true);
  meCitizenship->setText(Shown(p.CitizenshipName));
  meKodGrazhd->setText(Shown(p.CountryCode));
  bnGrazhd->setEnabled(main_.CountryPicker() != nullptr);
}

void TfrPersonNaim::EnableDocument(bool enabled) {
  meSerial->setEnabled(enabled);
  dtRegDate->setEnabled(enabled);
  meKem->setEnabled(enabled);
}

Layout TfrPersonNaim::LoadedLayout(int type, Layout current) {
  switch (type) {
    case 1:
    case 3:
      return TMaskedDocEdit::edtR_BB;
    case 2:
    case 9:
    case 22:
      return TMaskedDocEdit::edt99;
    case 4:
    case 6:
      return TMaskedDocEdit::edtBB;
    case 7:
    case 26:
    case 27:
      return TMaskedDocEdit::edtBB0;
    case 10:
      return TMaskedDocEdit::edtNone1;
    case 5:
    case 11:
    case 12:
    case 13:
    case 14:
    case 91:
      return TMaskedDocEdit::edtNone2;
    case 21:
      return TMaskedDocEdit::edt99_;
    default:
      return current;
  }
}

Layout TfrPersonNaim::ChosenLayout(int type, Layout current) {
  switch (type) {
    case 2:
    case 9:
    case 22:
      return TMaskedDocEdit::edt99;
    case 4:
    case 6:
      return TMaskedDocEdit::edtBB;
    case 7:
    case 24:
    case 26:
    case 27:
      return TMaskedDocEdit::edtBB0;
    case 3:
    case 5:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 18:
    case 23:
    case 91:
      return TMaskedDocEdit::edtNone1;
    case 21:
      return TMaskedDocEdit::edt99_;
    default:
      return current;
  }
}

void TfrPersonNaim::Store() {
  mTPersonInformation& p = Declaration().PersonInformation;
  p.SurName = Text(meSurName);
  p.Name = Text(meName);
  p.Patronymic = Text(mePatronymic);
  p.INN = Text(meINN);
  p.DocTypeCode = docTypeCode_;
  p.DocTypeName = pnlDocType->text().toStdString();
  p.DocSerial = Text(meSerial);
  p.DocIssuedBy = Text(meKem);
  p.BirthPlace = Text(meMesto);
  p.OKTMO = Text(meOKATO);
  p.HomePhone = Text(meHomePhone);
  p.CitizenshipName = Text(meCitizenship);
  p.CountryCode = Text(meKodGrazhd);
  p.DocIssueDate = dtRegDate->Value();
  p.BirthDate = dtBirthDate->Value();
  p.CitizenshipSign = std::string(rbGr->isChecked() ? "1" : "2");
}

uint16_t TfrPersonNaim::Check() {
  TScreenCheck check(this, TfrPersonData::kTitle);
  const uint16_t inn = CheckINN(Text(meINN), kInnPerson);
  if (meSurName->text().isEmpty()) check.Report(kSurName, QStringLiteral("Не введена фамилия"));
  if (meName->text().isEmpty()) check.Report(kName, QStringLiteral("Не введено имя"));
  if (inn == kInnNotTwelve)
    check.Report(kINN, QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"));
  else if (inn == kInnWrongDigits)
    check.Report(kINN, QStringLiteral("Номер ИНН введен неверно"));
  if (meINN->text().isEmpty()) check.Report(kINN, QStringLiteral("Не указан ИНН"));
  if (inn != kInnValid && Blank(meMesto->text()))
    check.Report(kMesto, QStringLiteral("Не указано место рождения"));
  if (inn != kInnValid && docTypeCode_ == 0)
    check.Report(kDocType, QStringLiteral("Не указан документ, удостоверяющий личность"));
  if (docTypeCode_ != 0) {
    if (meSerial->text().isEmpty())
      check.Report(kSerial,
                   QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"));
    const Date issued = dtRegDate->Value();
    const Date born = dtBirthDate->Value();
    if (WholeDays(issued) < WholeDays(born)) {
      check.Report(kRegDate,
                   QStringLiteral("Дата выдачи документа не может быть меньше даты рождения"));
    } else if (NeedsFourteenYears(docTypeCode_)) {
      std::optional<Date> fourteen = FourteenthBirthday(born);
      if (fourteen && WholeDays(issued) < fourteen->Days)
        check.Report(kRegDate, QStringLiteral("Дата выдачи документа должна быть больше даты "
                                              "рождения как минимум на 14 лет"));
    }
    if (meKem->text().isEmpty())
      check.Report(kKem, QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность"));
  }
  if (Declaration().DeclarationType == kDeclaration4NDFL && !IsOktmoLength(Text(meOKATO)))
    check.Report(kOKATO, QStringLiteral("Не введен код ОКТМО(8 или 11 символов)"));
  return check.Field();
}

void TfrPersonNaim::FocusField(uint16_t field) {
  switch (field) {
    case kSurName:
      meSurName->setFocus();
      break;
    case kName:
      meName->setFocus();
      break;
    case kPatronymic:
      mePatronymic->setFocus();
      break;
    case kINN:
      meINN->setFocus();
      break;
    case kDocType:
      bnDocType->click();
      break;
    case kSerial:
      meSerial->setFocus();
      break;
    case kRegDate:
      dtRegDate->setFocus();
      break;
    case kKem:
      meKem->setFocus();
      break;
    case kMesto:
      meMesto->setFocus();
      break;
    case kOKATO:
      meOKATO->setFocus();
      break;
    default:
      break;
  }
}

void TfrPersonNaim::ChooseDocType() {
  TfmDocType picker(docTypeCode_, this);
  if (picker.exec() != QDialog::Accepted) return;
  if (picker.ResultName() == pnlDocType->text()) return;
  NotifyChanged();
  docTypeCode_ = static_cast<uint16_t>(picker.ResultNumber());
  pnlDocType->setText(picker.ResultName());
  if (pnlDocType->text().isEmpty()) return;
  meSerial->clear();
  EnableDocument(true);
  dtRegDate->SetDay(QDate(1990, 1, 1));
  meKem->clear();
  meSerial->SetEditType(ChosenLayout(docTypeCode_, meSerial->EditType()));
}

void TfrPersonNaim::ChooseCountry() {
  TfmGrazhd* picker = main_.CountryPicker();
  if (!picker) return;
  picker->SelectCode(meKodGrazhd->text());
  if (picker->exec() != QDialog::Accepted) return;
  if (picker->ResultCode() == meKodGrazhd->text()) return;
  meKodGrazhd->setText(picker->ResultCode());
  meCitizenship->setText(picker->ResultName());
  NotifyChanged();
}

// ---------------------------------------------------------------------------------------------
// Address page.

TfrPersonAddress::TfrPersonAddress(QWidget* owner, TFormMain& main)
    : TThinkingFrame(owner, main.DeclarationPointer()) {
  setObjectName(QStringLiteral("TfrPersonAddress"));
  CreateControls();
  Load();
}

void TfrPersonAddress::CreateControls() {
  GroupBox3 = Group("GroupBox3", QStringLiteral("  Адрес в Российской Федерации"), this);
  rbReg = Named(new QRadioButton(QStringLiteral("жительства"), GroupBox3), "rbReg");
  rbPreb = Named(new QRadioButton(QStringLiteral("пребывания"), GroupBox3), "rbPreb");
  rbReg->setChecked(true);
  for (QRadioButton* button : {rbReg, rbPreb})
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) NotifyChanged();
    });
  mePostIndex = Edit("mePostIndex", TMaskedEdit::edtDigital, 6, GroupBox3);
  mePostIndex->setFixedWidth(DigitsWidth(mePostIndex, 6));
  pnlRegion = NamePanel("pnlRegion", GroupBox3);
  pnlRegion->setMinimumHeight(mePostIndex->sizeHint().height());
  bnRegion = PickerButton("bnRegion", GroupBox3);
  connect(bnRegion, &QPushButton::clicked, this, &TfrPersonAddress::ChooseRegion);
  meDistrict = Edit("meDistrict", TMaskedEdit::edtNone, 40, GroupBox3);
  meCity = Edit("meCity", TMaskedEdit::edtNone, 40, GroupBox3);
  meArea = Edit("meArea", TMaskedEdit::edtNone, 40, GroupBox3);
  meStreet = Edit("meStreet", TMaskedEdit::edtNone, 40, GroupBox3);
  meHouse = Edit("meHouse", TMaskedEdit::edtNone, 20, GroupBox3);
  meBuilding = Edit("meBuilding", TMaskedEdit::edtNone, 20, GroupBox3);
  meFlat = Edit("meFlat", TMaskedEdit::edtNone, 20, GroupBox3);
  for (TMaskedEdit* field : {meDistrict, meCity, meArea, meStreet}) field->setMaximumWidth(420);
  for (TMaskedEdit* field : {meHouse, meBuilding, meFlat})
    field->setFixedWidth(DigitsWidth(field, 10));
  lbOKATO = Label("lbOKATO", QStringLiteral("ОКТМО"), GroupBox3);
  meOKATO = Edit("meOKATO", TMaskedEdit::edtDigital, 11, GroupBox3);
  meOKATO->setFixedWidth(DigitsWidth(meOKATO, 11));

  auto* address = new QGridLayout(GroupBox3);
  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(Label("lbAddressKind", QStringLiteral("Адрес места"), GroupBox3));
  kindRow->addWidget(rbReg);
  kindRow->addWidget(rbPreb);
  kindRow->addStretch();
  address->addLayout(kindRow, 0, 0, 1, 4);
  address->addWidget(Label("lbPostIndex", QStringLiteral("Почтовый индекс"), GroupBox3), 1, 0);
  address->addWidget(mePostIndex, 1, 1, Qt::AlignLeft);
  address->addWidget(Label("lbRegion", QStringLiteral("Регион"), GroupBox3), 2, 0);
  auto* regionRow = new QHBoxLayout;
  regionRow->setSpacing(2);
  regionRow->addWidget(pnlRegion, 1);
  regionRow->addWidget(bnRegion);
  address->addLayout(regionRow, 2, 1, 1, 3);
  address->addWidget(Label("lbDistrict", QStringLiteral("Район"), GroupBox3), 3, 0);
  address->addWidget(meDistrict, 3, 1, 1, 3);
  address->addWidget(Label("lbCity", QStringLiteral("Город"), GroupBox3), 4, 0);
  address->addWidget(meCity, 4, 1, 1, 3);
  address->addWidget(Label("lbArea", QStringLiteral("Населенный пункт"), GroupBox3), 5, 0);
  address->addWidget(meArea, 5, 1, 1, 3);
  address->addWidget(Label("lbStreet", QStringLiteral("Улица"), GroupBox3), 6, 0);
  address->addWidget(meStreet, 6, 1, 1, 3);
  auto* houseRow = new QHBoxLayout;
  houseRow->addWidget(meHouse);
  houseRow->addSpacing(12);
  houseRow->addWidget(Label("lbBuilding", QStringLiteral("Корпус"), GroupBox3));
  houseRow->addWidget(meBuilding);
  houseRow->addSpacing(12);
  houseRow->addWidget(Label("lbFlat", QStringLiteral("Квартира"), GroupBox3));
  houseRow->addWidget(meFlat);
  houseRow->addStretch();
  address->addWidget(Label("lbHouse", QStringLiteral("Дом"), GroupBox3), 7, 0);
  address->addLayout(houseRow, 7, 1, 1, 3);
  address->addWidget(lbOKATO, 8, 0);
  address->addWidget(meOKATO, 8, 1, Qt::AlignLeft);
  address->setColumnStretch(3, 1);

  GroupBox2 = Group("GroupBox2", QStringLiteral("  Контактный телефон"), this);
  meHomePhone = Edit("meHomePhone", TMaskedEdit::edtDigital, 20, GroupBox2);
  meHomePhone->setFixedWidth(DigitsWidth(meHomePhone, 20));
  auto* phone = new QHBoxLayout(GroupBox2);
  phone->addWidget(meHomePhone);
  phone->addStretch();

  GroupBox1 = Group("GroupBox1", QStringLiteral("   Адрес за пределами РФ"), this);
  meAdr = Edit("meAdr", TMaskedEdit::edtNone, 140, GroupBox1);
  auto* abroad = new QHBoxLayout(GroupBox1);
  abroad->addWidget(meAdr);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(8);
  layout->addWidget(GroupBox3);
  layout->addWidget(GroupBox2);
  layout->addWidget(GroupBox1);
  layout->addStretch();
}

void TfrPersonAddress::Load() {
  const mTDeclaration& d = Declaration();
  const mTPersonInformation& p = d.PersonInformation;
  if (p.AddressKind != 0) rbPreb->setChecked(true);
  mePostIndex->setText(Shown(p.PostIndex));
  regionCode_ = p.RegionCode;
  pnlRegion->setText(Shown(p.RegionName));
  meDistrict->setText(Shown(p.District));
  meCity->setText(Shown(p.City));
  meArea->setText(Shown(p.Locality));
  meStreet->setText(Shown(p.Street));
  meHouse->setText(Shown(p.House));
  meBuilding->setText(Shown(p.Building));
  meFlat->setText(Shown(p.Flat));
  meOKATO->setText(Shown(p.OKTMO));
  meHomePhone->setText(Shown(p.HomePhone));
  meAdr->setText(Shown(p.ForeignAddress));
  GroupBox2->setVisible(d.DeclarationType != kDeclaration4NDFL);
}

void TfrPersonAddress::Store() {
  mTPersonInformation& p = Declaration().PersonInformation;
  p.PostIndex = Text(mePostIndex);
  p.RegionCode = regionCode_;
  p.RegionName = pnlRegion->text().toStdString();
  p.District = Text(meDistrict);
  p.City = Text(meCity);
  p.Locality = Text(meArea);
  p.Street = Text(meStreet);
  p.House = Text(meHouse);
  p.Building = Text(meBuilding);
  p.Flat = Text(meFlat);
  p.OKTMO = Text(meOKATO);
  p.HomePhone = Text(meHomePhone);
  p.AddressKind = rbPreb->isChecked() ? 1 : 0;
  p.ForeignAddress = Text(meAdr);
}

uint16_t TfrPersonAddress::Check() {
  TScreenCheck check(this, TfrPersonData::kTitle);
  if (regionCode_ == 0)
    check.Report(kRegion, QStringLiteral("Не указан регион постоянного местожительства"));
  if (!mePostIndex->text().isEmpty() && mePostIndex->text().size() != 6)
    check.Report(kPostIndex, QStringLiteral("Почтовый индекс должен содержать ровно 6 цифр"));
  if (meArea->text().isEmpty() && meStreet->text().isEmpty())
    check.Report(kArea, QStringLiteral("Не указан населенный пункт (село, поселок) или улица "
                                       "(проспект, переулок)"));
  if (Declaration().DeclarationType != kDeclaration4NDFL && !Blank(meOKATO->text()) &&
      !IsOktmoLength(Text(meOKATO)))
    check.Report(kOKATO, QStringLiteral("Код ОКТМО должен содержать 8 или 11 символов"));
  return check.Field();
}

void TfrPersonAddress::FocusField(uint16_t field) {
  switch (field) {
    case kRegion:
      bnRegion->click();
      break;
    case kOKATO:
      meOKATO->setFocus();
      break;
    case kArea:
      meArea->setFocus();
      break;
    case kPostIndex:
      mePostIndex->setFocus();
      break;
    default:
      break;
  }
}

void TfrPersonAddress::ChooseRegion() {
  TfmRegionName picker(regionCode_, this);
  if (picker.exec() != QDialog::Accepted) return;
  if (picker.ResultName() == pnlRegion->text()) return;
  regionCode_ = static_cast<uint16_t>(picker.ResultNumber());
  pnlRegion->setText(picker.ResultName());
  NotifyChanged();
}

// ---------------------------------------------------------------------------------------------
// The section.

TfrPersonData::TfrPersonData(QWidget* owner, TFormMain& main)
    : TThinkingFrame(owner, main.DeclarationPointer()), main_(main) {
  setObjectName(QStringLiteral("TfrPersonData"));

  auto* buttons = Named(new QFrame(this), "pnlPages");
  auto pageButton = [buttons](const char* name, const QString& caption, const QString& hint) {
    auto* button = Named(new TFlashButton(buttons), name);
    button->SetCaption(caption);
    button->setToolTip(hint);
    button->SetGroupIndex(1);
    button->setFixedSize(button->fontMetrics().horizontalAdvance(caption) + 32, 30);
    return button;
  };
  fbPersonNaim = pageButton("fbPersonNaim", QStringLiteral("Персональные данные"),
                            QStringLiteral("Сведения о ФИО и документе, удостоверяющем личность"));
  fbPersonAddress = pageButton("fbPersonAddress", QStringLiteral("Адрес"),
                               QStringLiteral("Сведения о месте жительства"));
  fbPersonAddress->setVisible(Declaration().DeclarationType != kDeclaration4NDFL);
  connect(fbPersonNaim, &TFlashButton::clicked, this, [this] { PageButtonClicked(kNaimPage); });
  connect(fbPersonAddress, &TFlashButton::clicked, this,
          [this] { PageButtonClicked(kAddressPage); });
  auto* buttonRow = new QHBoxLayout(buttons);
  buttonRow->setContentsMargins(0, 0, 0, 0);
  buttonRow->setSpacing(4);
  buttonRow->addWidget(fbPersonNaim);
  buttonRow->addWidget(fbPersonAddress);
  buttonRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(buttons);
  pageLayout_ = new QVBoxLayout;
  pageLayout_->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(pageLayout_, 1);

  BuildPage(kNaimPage);
}

void TfrPersonData::Store() {
  page_->Store();
}

uint16_t TfrPersonData::Check() {
  return page_->Check();
}

void TfrPersonData::FocusField(uint16_t field) {
  page_->FocusField(field);
}

void TfrPersonData::ShowPage(int page, uint16_t field) {
  if (page != kNaimPage && page != kAddressPage) return;
  if (page != pageIndex_)
    BuildPage(page);
  else
    PressPageButton();
  page_->FocusField(field);
}

void TfrPersonData::PageButtonClicked(int page) {
  if (page == pageIndex_) {
    PressPageButton();
    return;
  }
  page_->Store();
  const uint16_t field = page_->Check();
  if (field != 0) {
    PressPageButton();
    page_->FocusField(field);
    return;
  }
  BuildPage(page);
}

void TfrPersonData::BuildPage(int page) {
  // The page fills its controls before it joins the window, so filling is not taken for the
  // user's changes.
  TThinkingFrame* next = page == kNaimPage
                             ? static_cast<TThinkingFrame*>(new TfrPersonNaim(nullptr, main_))
                             : new TfrPersonAddress(nullptr, main_);
  if (page_) {
    pageLayout_->removeWidget(page_);
    delete page_;
  }
  next->setParent(this);
  page_ = next;
  pageIndex_ = page;
  pageLayout_->addWidget(page_);
  page_->show();
  PressPageButton();
}

void TfrPersonData::PressPageButton() {
  (pageIndex_ == kAddressPage ? fbPersonAddress : fbPersonNaim)->SetDown(true);
}

}  // namespace kvor::ui
