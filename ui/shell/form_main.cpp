#include "ui/shell/form_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLocale>
#include <QMenuBar>
#include <QScrollArea>
#include <QSettings>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/directories/activity_codes.h"
#include "core/directories/countries.h"
#include "core/directories/currency_rates.h"
#include "core/directories/inspections.h"
#include "core/model/declaration.h"
#include "ui/controls/flash_button.h"
#include "ui/dialogs/input_inspection_number.h"
#include "ui/dialogs/list_picker.h"
#include "ui/dialogs/load_soun.h"
#include "ui/shell/glyphs.h"
#include "ui/shell/help_window.h"
#include "ui/shell/program_folder.h"
#include "ui/shell/texts.h"
#include "ui/shell/thinking_frame.h"

namespace kvor::ui {

namespace {

const QString kOrganisation = QStringLiteral("Таливер");

struct SectionButtonInfo {
  TSection Section;
  const char* Name;
  QString Caption;
  QString Hint;
  const char* Glyph;
};

const SectionButtonInfo kSectionButtons[] = {
    {TSection::kInitialData, "fbInitialData", QStringLiteral("Задание условий"),
     QStringLiteral("Выбор режима ввода"), "initial_data"},
    {TSection::kPersonData, "fbPrsonInfo", QStringLiteral("Сведения о декларанте"),
     QStringLiteral("Персональные данные налогоплательщика"), "person"},
    {TSection::kRussianIncome, "fbRussianIncome", QStringLiteral("Доходы, полученные в РФ"),
     QStringLiteral("Доходы, полученные от налоговых агентов или иных источников, в т.ч. физлиц"),
     "russian_income"},
    {TSection::kInvestTov, "fbInvestTov", QStringLiteral("Инвест. товарищества"),
     QStringLiteral("Данные по участию в инвестиционных товариществах"), "invest_tov"},
    {TSection::kForeignIncome, "fbForeignIncome", QStringLiteral("Доходы за пределами РФ"),
     QStringLiteral("Доходы, полученные в иностранной валюте"), "foreign_income"},
    {TSection::kBusinessIncome, "fbBusinessIncome", QStringLiteral("Предприниматели"),
     QStringLiteral("Доходы, полученные от предпринимательской деятельности без образования "
                    "юридического лица и частной практики"),
     "business"},
    {TSection::kDeduction, "fbDeduction", QStringLiteral("Вычеты"),
     QStringLiteral("Стандартные, социальные и имущественный налоговые вычеты"), "deduction"},
};

constexpr QSize kSectionButtonSize(128, 72);
constexpr QSize kSectionGlyphSize(32, 32);
constexpr QSize kToolGlyphSize(24, 24);
constexpr QSize kToolButtonWithText(80, 47);
constexpr QSize kToolButtonPlain(35, 35);
constexpr QSize kScrollRange(980, 650);

// The names of the window settings.
const QString kShowStdToolbar = QStringLiteral("ShowStdToolbar");
const QString kTextLabels = QStringLiteral("TextLabels");

}  // namespace

TFormMain::TFormMain(TFormMainSetup setup, QWidget* parent)
    : QMainWindow(parent),
      screens_(std::move(setup.Screens)),
      dialogs_(std::move(setup.Dialogs)),
      services_(std::move(setup.Services)),
      printModules_(std::move(setup.PrintModules)) {
  setObjectName(QStringLiteral("FormMain"));
  setMinimumSize(750, 550);
  resize(1000, 760);

  CreateMenu();
  CreateToolBar();
  CreateSections();

  // Money and dates are shown with "," and as dd.mm.yyyy.
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

  QSettings settings(kOrganisation, texts::kAppTitle);
  miStdToolbar->setChecked(settings.value(kShowStdToolbar, true).toBool());
  miTextLabels->setChecked(settings.value(kTextLabels, true).toBool());
  CoolBarButtons->setVisible(miStdToolbar->isChecked());
  ApplyTextLabels(miTextLabels->isChecked());

  // The return named on the command line: the only parameter, or the one after "-p".
  QString fileName;
  const QStringList& arguments = setup.Arguments;
  if (arguments.size() == 1 || arguments.size() == 2) {
    if (arguments[0].toLower() == QStringLiteral("-p"))
      fileName = arguments.size() == 2 ? arguments[1] : QString();
    else
      fileName = arguments[0];
  }
  if (fileName.isEmpty())
    declaration_ = NewReturn();
  else
    LoadOrStartNew(fileName);
  UpdateTitle();
  LoadDirectories();

  ShowConditionsScreen();
  saved_ = true;
  EnableSectionButtons();
}

TFormMain::~TFormMain() {
  DropScreen();
  QSettings settings(kOrganisation, texts::kAppTitle);
  if (settings.isWritable()) {
    QRect frame = frameGeometry();
    settings.setValue(QStringLiteral("FullScreen"), isMaximized());
    settings.setValue(QStringLiteral("wLeft"), frame.left());
    settings.setValue(QStringLiteral("wTop"), frame.top());
    settings.setValue(QStringLiteral("wWidth"), frame.width());
    settings.setValue(QStringLiteral("wHeight"), frame.height());
  }
}

void TFormMain::CreateMenu() {
  auto add = [this](QMenu* menu, const char* name, const QString& text, auto command) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    if constexpr (!std::is_same_v<decltype(command), std::nullptr_t>)
      connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return action;
  };

  QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
  add(file, "miCreate", QStringLiteral("Создать"), &TFormMain::CommandNew)
      ->setShortcut(QKeySequence::New);
  add(file, "miOpen", QStringLiteral("Открыть"), &TFormMain::CommandOpen)
      ->setShortcut(QKeySequence::Open);
  add(file, "miSave", QStringLiteral("Сохранить"), &TFormMain::CommandSave)
      ->setShortcut(QKeySequence::Save);
  add(file, "miSaveAs", QStringLiteral("Сохранить как..."), &TFormMain::CommandSaveAs);
  file->addSeparator();
  QAction* exit = add(file, "miExit", QStringLiteral("Выход"), nullptr);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* kvor = menuBar()->addMenu(QStringLiteral("Квор"));
  add(kvor, "miView", QStringLiteral("Просмотр"), &TFormMain::CommandPreview);
  add(kvor, "miPrint", QStringLiteral("Печать"), &TFormMain::CommandPrint);
  add(kvor, "miExport", QStringLiteral("Экспорт в xml"), &TFormMain::CommandExport);
  add(kvor, "miCheck", QStringLiteral("Проверить"), &TFormMain::CommandCheck);

  QMenu* options = menuBar()->addMenu(QStringLiteral("Настройки"));
  miStdToolbar = add(options, "miStdToolbar", QStringLiteral("Стандартная панель"), nullptr);
  miStdToolbar->setCheckable(true);
  connect(miStdToolbar, &QAction::triggered, this, &TFormMain::ToggleStdToolbar);
  miTextLabels = add(options, "miTextLabels", QStringLiteral("Подписи под кнопками"), nullptr);
  miTextLabels->setCheckable(true);
  connect(miTextLabels, &QAction::triggered, this, &TFormMain::ToggleTextLabels);

  QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
  add(help, "miHelp", QStringLiteral("Справка"), &TFormMain::CommandHelp)
      ->setShortcut(QKeySequence::HelpContents);
  help->addSeparator();
  add(help, "miAbout", QStringLiteral("О программе"), &TFormMain::CommandAbout);
}

void TFormMain::CreateToolBar() {
  CoolBarButtons = new QToolBar(QStringLiteral("Стандартная панель"), this);
  CoolBarButtons->setObjectName(QStringLiteral("CoolBarButtons"));
  CoolBarButtons->setMovable(false);
  CoolBarButtons->setFloatable(false);
  CoolBarButtons->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  addToolBar(Qt::TopToolBarArea, CoolBarButtons);

  struct ToolButtonInfo {
    const char* Name;
    QString Caption;
    QString Hint;
    const char* Glyph;
    void (TFormMain::*Command)();
  };
  const ToolButtonInfo buttons[] = {
      {"fbCreate", QStringLiteral("Создать"), QStringLiteral("Создать"), "create",
       &TFormMain::CommandNew},
      {"fbOpen", QStringLiteral("Открыть"), QStringLiteral("Открыть"), "open",
       &TFormMain::CommandOpen},
      {"fbSave", QStringLiteral("Сохранить"), QStringLiteral("Сохранить"), "save",
       &TFormMain::CommandSave},
      {nullptr, {}, {}, nullptr, nullptr},
      {"fbView", QStringLiteral("Просмотр"), QStringLiteral("Просмотр"), "view",
       &TFormMain::CommandPreview},
      {"fbPrint", QStringLiteral("Печать"), QStringLiteral("Печать"), "print",
       &TFormMain::CommandPrint},
      {nullptr, {}, {}, nullptr, nullptr},
      {"fbExsport", QStringLiteral("Файл xml"), QStringLiteral("Экспорт в xml"), "export",
       &TFormMain::CommandExport},
      {"fbCheck", QStringLiteral("Проверить"), QStringLiteral("Проверить"), "check",
       &TFormMain::CommandCheck},
  };
  for (const ToolButtonInfo& info : buttons) {
    if (!info.Name) {
      CoolBarButtons->addSeparator();
      continue;
    }
    auto* button = new TFlashButton(CoolBarButtons);
    button->setObjectName(QLatin1String(info.Name));
    button->setProperty("caption", info.Caption);
    button->setToolTip(info.Hint);
    button->SetLayout(TFlashButton::GlyphLayout::kTop);
    button->SetSpacing(2);
    button->FieldNormalColor = Qt::transparent;  // the tool bar's own background shows through
    button->SetGlyph(GlyphPixmap(QLatin1String(info.Glyph), kToolGlyphSize));
    auto command = info.Command;
    connect(button, &TFlashButton::clicked, this, [this, command] { (this->*command)(); });
    CoolBarButtons->addWidget(button);
    toolButtons_.push_back(button);
  }
}

void TFormMain::CreateSections() {
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollMain"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* client = new QWidget(scroll);
  client->setMinimumSize(kScrollRange);
  scroll->setWidget(client);
  setCentralWidget(scroll);

  PnlSelectGroup = new QFrame(client);
  PnlSelectGroup->setObjectName(QStringLiteral("PnlSelectGroup"));
  PnlSelectGroup->setFrameShape(QFrame::StyledPanel);
  PnlSelectGroup->setFixedWidth(kSectionButtonSize.width() + 8);
  auto* column = new QVBoxLayout(PnlSelectGroup);
  column->setContentsMargins(3, 3, 3, 3);
  column->setSpacing(2);
  for (const SectionButtonInfo& info : kSectionButtons) {
    auto* button = new TFlashButton(PnlSelectGroup);
    button->setObjectName(QLatin1String(info.Name));
    button->SetCaption(info.Caption);
    button->setToolTip(info.Hint);
    button->SetLayout(TFlashButton::GlyphLayout::kTop);
    button->SetSpacing(3);
    button->SetGroupIndex(1);
    button->SetGlyph(GlyphPixmap(QLatin1String(info.Glyph), kSectionGlyphSize));
    button->setFixedSize(kSectionButtonSize);
    TSection section = info.Section;
    connect(button, &TFlashButton::clicked, this, [this, section] { SwitchSection(section); });
    column->addWidget(button);
    sectionButtons_[section] = button;
  }
  column->addStretch();

  PnlFormContainer = new QWidget(client);
  PnlFormContainer->setObjectName(QStringLiteral("PnlFormContainer"));
  containerLayout_ = new QVBoxLayout(PnlFormContainer);
  containerLayout_->setContentsMargins(0, 0, 0, 0);

  auto* row = new QHBoxLayout(client);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(PnlSelectGroup);
  row->addWidget(PnlFormContainer, 1);
}

void TFormMain::ApplyTextLabels(bool on) {
  for (TFlashButton* button : toolButtons_) {
    button->SetCaption(on ? button->property("caption").toString() : QString());
    button->setFixedSize(on ? kToolButtonWithText : kToolButtonPlain);
  }
}

void TFormMain::ToggleTextLabels(bool on) {
  QSettings settings(kOrganisation, texts::kAppTitle);
  if (!settings.isWritable()) return;
  settings.setValue(kTextLabels, on);
  ApplyTextLabels(on);
  if (CoolBarButtons->isVisible()) CoolBarButtons->setMinimumHeight(on ? 50 : 38);
}

void TFormMain::ToggleStdToolbar(bool on) {
  QSettings settings(kOrganisation, texts::kAppTitle);
  if (!settings.isWritable()) return;
  settings.setValue(kShowStdToolbar, on);
  if (on) CoolBarButtons->setMinimumHeight(miTextLabels->isChecked() ? 50 : 38);
  CoolBarButtons->setVisible(on);
}

void TFormMain::UpdateTitle() {
  QString name = fileName_.isEmpty() ? texts::kUntitled : QFileInfo(fileName_).fileName();
  setWindowTitle(name + texts::kTitleSuffix);
}

void TFormMain::LoadDirectories() {
  const std::string folder = ProgramFolder().toStdString();
  // A directory that is there but cannot be read is as good as missing; the user hears why.
  auto broken = [this](const auto& result) {
    if (!result.Ok() && !result.Missing) dialogs_->Error(this, MessageText(result.Error));
  };

  DirectoryResult<InspectionDirectory> inspections =
      LoadInspectionDirectory(folder + kInspectionFileName);
  if (inspections.Ok()) {
    std::shared_ptr<TUserDialogs> dialogs = dialogs_;
    inspectionPicker_ = new TfmInputInspectionNumber(
        inspections.Value->Inspections,
        [dialogs](QWidget* parent) {
          TfmLoadSoun window(dialogs, parent);
          window.exec();
        },
        this);
  } else if (!inspections.Missing) {
    dialogs_->Error(this, texts::kInspectionsUnreadable + texts::kSupportEmail +
                              QStringLiteral("\n\n") + MessageText(inspections.Error));
    endRequested_ = true;
  }

  DirectoryResult<std::vector<CodeName>> countries =
      LoadCountryDirectory(folder + kCountryFileName);
  if (countries.Ok()) {
    countries_ = std::make_unique<std::vector<CodeName>>(std::move(*countries.Value));
    countryPicker_ = new TfmGrazhd(*countries_, this);
  }
  broken(countries);

  DirectoryResult<ActivityDirectory> okved = LoadActivityDirectory(folder + kActivityFileName);
  if (okved.Ok()) okved_ = std::make_unique<ActivityDirectory>(std::move(*okved.Value));
  broken(okved);

  DirectoryResult<CurrencyDirectory> rates = LoadCurrencyDirectory(folder + kCurrencyFileName);
  if (rates.Ok()) currencyRates_ = std::make_unique<CurrencyDirectory>(std::move(*rates.Value));
  broken(rates);
}

void TFormMain::ReceiveChangeNotice() {
  if (!building_) saved_ = false;
}

void TFormMain::EnableSectionButtons() {
  for (auto& [section, button] : sectionButtons_)
    button->setEnabled(
        SectionEnabled(section, declaration_->IncomeFlags, declaration_->DeclarationType));
}

void TFormMain::PressCurrentButton() {
  if (currentButton_) currentButton_->SetDown(true);
}

void TFormMain::SwitchSection(TSection target) {
  Guarded([&] {
    const TScreenFactory* factory = screens_.Find(target);
    if (!factory || (screen_ && screenSection_ == target)) {
      PressCurrentButton();
      return;
    }
    if (screen_) {
      screen_->Store();
      uint16_t field = screen_->Check();
      if (field != 0) {
        PressCurrentButton();
        screen_->FocusField(field);
        return;
      }
    }
    BuildScreen(target);
    screen_->Entered();
  });
}

void TFormMain::BuildScreen(TSection section) {
  struct BuildingFlag {
    bool& flag;
    explicit BuildingFlag(bool& f) : flag(f) { flag = true; }
    ~BuildingFlag() { flag = false; }
  } building(building_);

  const TScreenFactory* factory = screens_.Find(section);
  TThinkingFrame* next = factory ? (*factory)(PnlFormContainer, *this) : nullptr;
  DropScreen();
  currentButton_ = sectionButtons_.at(section);
  currentButton_->SetDown(true);
  if (!next) return;
  screen_ = next;
  screenSection_ = section;
  containerLayout_->addWidget(screen_);
  screen_->show();
}

void TFormMain::DropScreen() {
  if (!screen_) return;
  TThinkingFrame* old = screen_;
  screen_ = nullptr;
  screenSection_.reset();
  containerLayout_->removeWidget(old);
  delete old;
}

void TFormMain::ShowConditionsScreen() {
  BuildScreen(TSection::kInitialData);
}

void TFormMain::closeEvent(QCloseEvent* event) {
  bool close = true;
  Guarded([&] { close = SaveQuery(); });
  if (close)
    event->accept();
  else
    event->ignore();
}

void TFormMain::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    dialogs_->Error(this, MessageText(error.what()));
  }
}

}  // namespace kvor::ui
