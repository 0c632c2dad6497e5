#include "ui/dialogs/load_soun.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/date.h"
#include "core/directories/directory_files.h"
#include "core/directories/soun_import.h"
#include "ui/controls/link_label.h"
#include "ui/shell/help_window.h"
#include "ui/shell/program_folder.h"
#include "ui/shell/texts.h"
#include "ui/shell/user_dialogs.h"

namespace kvor::ui {

const QUrl TfmLoadSoun::kSounPage(
    QStringLiteral("https://www.gnivc.ru/inf_provision/classifiers_reference/"));
const QString TfmLoadSoun::kHelpTopic = QStringLiteral("EditSOUN.htm");

TfmLoadSoun::TfmLoadSoun(std::shared_ptr<TUserDialogs> dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(std::move(dialogs)) {
  setObjectName(QStringLiteral("TfmLoadSoun"));
  setWindowTitle(QStringLiteral("Загрузка СОУН"));

  auto label = [this](const char* name, const QString& text) {
    auto* created = new QLabel(text, this);
    created->setObjectName(QLatin1String(name));
    return created;
  };
  auto link = [this](const char* name, const QString& text) {
    auto* created = new TLinkLabel(text, this);
    created->setObjectName(QLatin1String(name));
    return created;
  };
  auto button = [this](const char* name, const QString& text) {
    auto* created = new QPushButton(text, this);
    created->setObjectName(QLatin1String(name));
    created->setAutoDefault(false);
    return created;
  };

  Label2 = label("Label2",
                 QStringLiteral("Инспекция может отсутствовать в справочнике по двум причинам:"));
  Label1 =
      label("Label1", QStringLiteral("- у инспекции изменился код и название, а вы не в курсе"));
  Label3 = label("Label3", QStringLiteral("- справочник устарел"));
  Label4 =
      label("Label4", QStringLiteral("Возможно два решения проблемы: простое и более сложное"));
  Label5 = label("Label5",
                 QStringLiteral("Простое: отредактировать справочник вручную. Как это сделать,"));
  Label6 = link("Label6", QStringLiteral("подробно расписано в Справке"));
  Label7 = label("Label7", QStringLiteral("Сложное:"));
  Label8 = link("Label8", QStringLiteral("- скачать с сайта ") + kSounPage.host() +
                              QStringLiteral(" актуальный справочник СОУН"));
  Label9 =
      label("Label9", QStringLiteral("- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf"));
  Label10 =
      label("Label10", QStringLiteral("- указать путь к файлу soun1.dbf и обновить справочник"));
  edSoun1 = new QLineEdit(this);
  edSoun1->setObjectName(QStringLiteral("edSoun1"));
  edSoun1->setReadOnly(true);
  Button4 = button("Button4", QStringLiteral("..."));
  Button4->setFixedWidth(28);
  Button1 = button("Button1", QStringLiteral("Импорт СОУН"));
  Button1->setEnabled(false);
  Label11 = label("Label11", QStringLiteral("- перезапустить программу \"Квор 2014\""));
  BitBtn1 = button("BitBtn1", QStringLiteral("OK"));
  BitBtn1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  for (QLabel* line : {Label2, Label1, Label3, Label4, Label5, static_cast<QLabel*>(Label6), Label7,
                       static_cast<QLabel*>(Label8), Label9, Label10})
    layout->addWidget(line);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(edSoun1, 1);
  pathRow->addWidget(Button4);
  pathRow->addWidget(Button1);
  layout->addLayout(pathRow);
  layout->addWidget(Label11);
  auto* closeRow = new QHBoxLayout;
  closeRow->addStretch();
  closeRow->addWidget(BitBtn1);
  layout->addSpacing(8);
  layout->addLayout(closeRow);
  setMinimumWidth(520);

  connect(Button4, &QPushButton::clicked, this, &TfmLoadSoun::ChooseFile);
  connect(Button1, &QPushButton::clicked, this, &TfmLoadSoun::Import);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Label6, &TLinkLabel::clicked, this, &TfmLoadSoun::ShowHelp);
  connect(Label8, &TLinkLabel::clicked, this, &TfmLoadSoun::OpenDownloadPage);
}

void TfmLoadSoun::ChooseFile() {
  // Only files named soun1.dbf are offered.
  const QString chosen =
      dialogs_->OpenFileNameIn(this, ProgramFolder(), QStringLiteral("*.dbf (soun1.dbf)"));
  if (!chosen.isEmpty()) edSoun1->setText(chosen);
  Button1->setEnabled(true);
  BitBtn1->setEnabled(false);
}

void TfmLoadSoun::Import() {
  BitBtn1->setEnabled(true);
  const SounImportResult result = ImportSoun(
      edSoun1->text().toStdString(),
      (ProgramFolder() + QString::fromUtf8(kInspectionFileName)).toStdString(), Date::Today());
  if (result.Ok || edSoun1->text().isEmpty()) {
    dialogs_->Information(this, QString::fromStdString(result.Message));
    return;
  }
  // What went wrong goes under the message, so the user can tell a missing file from a
  // damaged one.
  QString text = QString::fromStdString(result.Message);
  if (!result.Detail.empty()) text += QStringLiteral("\n\n") + MessageText(result.Detail);
  dialogs_->Error(this, text);
}

void TfmLoadSoun::ShowHelp() {
  const QString page = HelpPagePath(kHelpTopic);
  if (!QFileInfo::exists(page)) {
    dialogs_->Error(this, texts::kNoHelp);
    return;
  }
  // A window of this dialog's own, so it can be read while the dialog is open.
  auto* window = new THelpWindow(this);
  window->ShowPage(QUrl::fromLocalFile(page));
  window->showMaximized();
}

void TfmLoadSoun::OpenDownloadPage() {
  if (!dialogs_->OpenUrl(kSounPage))
    dialogs_->Error(this, QStringLiteral("Не удалось запустить браузер"));
}

}  // namespace kvor::ui
