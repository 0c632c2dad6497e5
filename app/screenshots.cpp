// Takes the screenshots shown in the README: the splash, the main window with captions under the
// tool bar buttons and without, the conditions screen of a 3-NDFL and of a 4-NDFL return with the
// inspection picker and the import window, and the taxpayer's pages with their pickers. The
// program folder is a temporary one holding the directory files that lie beside the program and a
// small inspection directory, so that the inspection is chosen as with a full directory.
// Run under a display (scripts/screenshots.sh uses Xvfb):
//   kvor2014_screenshots OUTPUT_FOLDER
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "core/directories/inspections.h"
#include "core/model/declaration.h"
#include "ui/controls/flash_button.h"
#include "ui/controls/masked_edit.h"
#include "ui/dialogs/input_inspection_number.h"
#include "ui/dialogs/load_soun.h"
#include "ui/screens/frame_initial_data.h"
#include "ui/screens/frame_person_data.h"
#include "ui/shell/form_main.h"
#include "ui/shell/program_folder.h"
#include "ui/shell/start_form.h"
#include "ui/shell/user_dialogs.h"

namespace {

void Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool Shoot(QWidget& window, const QString& path) {
  Wait(500);
  QScreen* screen = window.screen();
  QPixmap picture =
      QGuiApplication::platformName() == QLatin1String("xcb")
          ? screen->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                               window.frameGeometry().width(), window.frameGeometry().height())
          : window.grab();
  return picture.save(path);
}

// Presses `button`, which opens a modal window; takes that window's picture, then lets `answer`
// close it (by default it is cancelled).
bool ShootModal(QAbstractButton* button, const QString& path,
                const std::function<void(QDialog*)>& answer = {}) {
  bool ok = false;
  QTimer::singleShot(0, [&] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!modal) return;
    ok = Shoot(*modal, path);
    if (answer)
      answer(modal);
    else
      modal->reject();
  });
  button->click();
  return ok;
}

// The directory files of the program beside this tool, and a few inspections.
bool PrepareProgramFolder(const QString& folder) {
  const QDir shipped(QCoreApplication::applicationDirPath());
  for (const char* name : {"Oksm.xml", "CurrencyRates.xml"}) {
    if (!QFile::copy(shipped.filePath(QLatin1String(name)),
                     folder + QLatin1Char('/') + QLatin1String(name))) {
      std::fprintf(stderr, "%s is missing beside the program\n", name);
      return false;
    }
  }
  const std::string xml = kvor::InspectionDirectoryToXml(kvor::InspectionDirectory{
      "00",
      "01.12.2014",
      {{"0500", "Управление ФНС России по Республике Дагестан"},
       {"0506", "Межрайонная инспекция ФНС России № 12 по Республике Дагестан"},
       {"0507", "Межрайонная инспекция ФНС России № 7 по Республике Дагестан"},
       {"0521", "Межрайонная инспекция ФНС России № 9 по Республике Дагестан"},
       {"0571", "Инспекция ФНС России по Ленинскому району г.Махачкалы"},
       {"0572", "Инспекция ФНС России по Советскому району г.Махачкалы"},
       {"0573", "Инспекция ФНС России по Кировскому району г.Махачкалы"}}});
  QFile file(folder + QLatin1Char('/') + QString::fromLatin1(kvor::kInspectionFileName));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(xml.data(), static_cast<qint64>(xml.size()));
  kvor::ui::SetProgramFolder(folder);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kvor2014_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QString folder = QString::fromLocal8Bit(argv[1]);

  // The screenshots start from a fresh installation's settings and leave the user's alone.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QTemporaryDir programFolder;
  if (!PrepareProgramFolder(programFolder.path())) return 1;

  kvor::ui::TfmStart splash;
  splash.move(0, 0);
  splash.show();
  bool ok = Shoot(splash, folder + QStringLiteral("/splash.png"));
  splash.hide();

  kvor::ui::TFormMain window;
  window.move(0, 0);
  window.resize(1000, 760);
  window.show();
  window.activateWindow();
  ok = Shoot(window, folder + QStringLiteral("/main-window.png")) && ok;
  window.findChild<QAction*>(QStringLiteral("miTextLabels"))->trigger();
  ok = Shoot(window, folder + QStringLiteral("/main-window-no-labels.png")) && ok;
  window.findChild<QAction*>(QStringLiteral("miTextLabels"))->trigger();

  // The conditions screen of a resident's return with income in the country and abroad, signed
  // by a representative.
  auto* screen = qobject_cast<kvor::ui::TfrInitialData*>(window.CurrentScreen());
  if (!screen) return 1;
  ok = ShootModal(screen->bnInspection, folder + QStringLiteral("/inspection-picker.png"),
                  [](QDialog* modal) {
                    auto* picker = static_cast<kvor::ui::TfmInputInspectionNumber*>(modal);
                    picker->SelectCode(QStringLiteral("0572"));
                    picker->bnYes->click();
                  }) &&
       ok;
  {
    kvor::ui::TfmLoadSoun import(std::make_shared<kvor::ui::TUserDialogs>());
    import.show();
    ok = Shoot(import, folder + QStringLiteral("/soun-import.png")) && ok;
  }
  screen->chbIncomeCurrency->click();
  screen->rbGiveTrustFase->click();
  screen->meFIO->setText(QStringLiteral("Петров Пётр Петрович"));
  screen->meOsn->setText(QStringLiteral("Доверенность от 12.01.2015 № 77 АБ 1234567"));
  ok = Shoot(window, folder + QStringLiteral("/conditions-3ndfl.png")) && ok;

  // The same screen for an estimated income, signed by a representative organisation.
  screen->rb4ndfl->click();
  screen->meSupposeIncome->setText(QStringLiteral("600000"));
  screen->rbGiveByMail->click();
  screen->meUL->setText(QStringLiteral("ООО \"Консультант\""));
  ok = Shoot(window, folder + QStringLiteral("/conditions-4ndfl.png")) && ok;

  // The taxpayer of a resident's return: the name page and the address page.
  screen->rbSimple->click();
  kvor::mTPersonInformation& person = window.Declaration().PersonInformation;
  person.SurName = "Смирнова";
  person.Name = "Ольга";
  person.Patronymic = "Ивановна";
  person.INN = "500100732259";
  person.BirthDate = *kvor::Date::FromYMD(1975, 4, 12);
  person.BirthPlace = "г. Коломна Московской обл.";
  person.DocTypeCode = 21;
  person.DocTypeName = "Паспорт гражданина РФ";
  person.DocSerial = "46 03 512345";
  person.DocIssueDate = *kvor::Date::FromYMD(2003, 6, 20);
  person.DocIssuedBy = "ОВД г. Коломны Московской обл.";
  person.PostIndex = "140400";
  person.RegionCode = 50;
  person.RegionName = "Московская область";
  person.District = "Коломенский р-н";
  person.City = "Коломна";
  person.Street = "ул. Октябрьской революции";
  person.House = "12";
  person.Flat = "34";
  person.OKTMO = "46738000";
  person.HomePhone = "84966123456";
  window.SectionButton(kvor::ui::TSection::kPersonData)->Click();
  auto* personScreen = qobject_cast<kvor::ui::TfrPersonData*>(window.CurrentScreen());
  if (!personScreen) return 1;
  ok = Shoot(window, folder + QStringLiteral("/person-name.png")) && ok;
  auto* naim = qobject_cast<kvor::ui::TfrPersonNaim*>(personScreen->CurrentPage());
  if (!naim) return 1;
  ok = ShootModal(naim->bnDocType, folder + QStringLiteral("/document-type-picker.png")) && ok;
  personScreen->fbPersonAddress->Click();
  ok = Shoot(window, folder + QStringLiteral("/person-address.png")) && ok;
  auto* address = qobject_cast<kvor::ui::TfrPersonAddress*>(personScreen->CurrentPage());
  if (!address) return 1;
  ok = ShootModal(address->bnRegion, folder + QStringLiteral("/region-picker.png")) && ok;

  // The name page of a 4-NDFL return: ОКТМО and telephone instead of the birth data, the
  // document and the citizenship.
  window.SectionButton(kvor::ui::TSection::kInitialData)->Click();
  screen = qobject_cast<kvor::ui::TfrInitialData*>(window.CurrentScreen());
  if (!screen) return 1;
  screen->rb4ndfl->click();
  window.SectionButton(kvor::ui::TSection::kPersonData)->Click();
  ok = Shoot(window, folder + QStringLiteral("/person-name-4ndfl.png")) && ok;
  return ok ? 0 : 1;
}
