#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ui/print/print_module.h"
#include "ui/shell/change_notice.h"
#include "ui/shell/return_services.h"
#include "ui/shell/sections.h"
#include "ui/shell/user_dialogs.h"

class QAction;
class QFrame;
class QToolBar;
class QVBoxLayout;

namespace kvor {
struct mTDeclaration;
struct CodeName;
struct ActivityDirectory;
struct CurrencyDirectory;
}  // namespace kvor

namespace kvor::ui {

class TFlashButton;
class TThinkingFrame;
class TfmInputInspectionNumber;
class TfmGrazhd;

// What the main window is built with: the command-line parameters and the parts that tests
// replace.
struct TFormMainSetup {
  QStringList Arguments;  // the parameters after the program's name
  TScreenRegistry Screens = SectionScreens();
  std::shared_ptr<TUserDialogs> Dialogs = std::make_shared<TUserDialogs>();
  TReturnServices Services = ProgramReturnServices();
  TPrintModuleFactory PrintModules = CreatePrintModule;
};

// The main window: it holds the one current return, shows one section screen at a time and runs
// the document commands.
class TFormMain : public QMainWindow, public TChangeNoticeReceiver {
  Q_OBJECT

 public:
  explicit TFormMain(TFormMainSetup setup = {}, QWidget* parent = nullptr);
  ~TFormMain() override;

  mTDeclaration& Declaration() { return *declaration_; }
  // The pointer the section screens hold by reference.
  std::unique_ptr<mTDeclaration>& DeclarationPointer() { return declaration_; }
  TThinkingFrame* CurrentScreen() const { return screen_; }
  std::optional<TSection> CurrentSection() const { return screenSection_; }
  TFlashButton* CurrentSectionButton() const { return currentButton_; }
  TFlashButton* SectionButton(TSection section) const { return sectionButtons_.at(section); }
  // The panel the section screens fill.
  QWidget* FormContainer() const { return PnlFormContainer; }
  bool Saved() const { return saved_; }
  bool Building() const { return building_; }
  const QString& FileName() const { return fileName_; }

  // The screens' change notice: the return now differs from its file, unless a screen is being
  // built.
  void ReceiveChangeNotice() override;
  // Enables the section buttons by the return's income flags and form type.
  void EnableSectionButtons();

  // The check of the whole return with the jump to the field: 0 when the return passed, 1 when
  // the user went to fix a problem, 2 when the user cancelled.
  int CheckAndJump();

  // Menu commands, also run by the tool bar buttons.
  void CommandNew();
  void CommandOpen();
  void CommandSave();
  void CommandSaveAs();
  void CommandPreview();
  void CommandPrint();
  void CommandExport();
  void CommandCheck();
  void CommandHelp();
  void CommandAbout();

  // The inspection picker built at start-up from the inspection directory; nullptr when the
  // directory was not there.
  TfmInputInspectionNumber* InspectionPicker() const { return inspectionPicker_; }
  // The other directories read at start-up from the program folder; nullptr for a directory that
  // was not there (or could not be read: the user was told so).
  // The countries of "Oksm.xml", for the country pickers.
  const std::vector<CodeName>* Countries() const { return countries_.get(); }
  // The country picker built once from them, which keeps its last choice; nullptr without them.
  TfmGrazhd* CountryPicker() const { return countryPicker_; }
  // The activity codes of "Sp_OKVED2.xml".
  const ActivityDirectory* Okved() const { return okved_.get(); }
  // The currencies and their rates of "CurrencyRates.xml".
  const CurrencyDirectory* CurrencyRates() const { return currencyRates_.get(); }
  // The inspection directory could not be read at start-up: the program ends instead of running.
  bool EndRequested() const { return endRequested_; }
  // Shows the page `topic` ("runprogramm.htm") of the program's help in the help window, or
  // tells the user that the help is missing.
  void ShowHelpTopic(const QString& topic);

  // The help window, once the help command opened it.
  QWidget* HelpWindow() const { return helpWindow_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenu();
  void CreateToolBar();
  void CreateSections();
  void ApplyTextLabels(bool on);
  void ToggleTextLabels(bool on);
  void ToggleStdToolbar(bool on);
  void UpdateTitle();
  void LoadDirectories();

  void SwitchSection(TSection target);
  void BuildScreen(TSection section);
  void DropScreen();
  void PressCurrentButton();
  void ShowConditionsScreen();
  void JumpToField(uint16_t sectionCode, uint16_t field);
  uint32_t CheckDoc();

  static std::unique_ptr<mTDeclaration> NewReturn();
  void LoadOrStartNew(const QString& fileName);
  void ReplaceReturn(std::unique_ptr<mTDeclaration> next);
  bool SaveQuery();
  bool SaveUnderCurrentName();
  bool WriteReturn(const QString& fileName);
  void PrintOrPreview(bool preview);
  void ShowCoreMessages(const std::vector<std::string>& messages);
  // Runs a command; a failure it raises is shown in an error box.
  void Guarded(const std::function<void()>& command);

  TScreenRegistry screens_;
  std::shared_ptr<TUserDialogs> dialogs_;
  TReturnServices services_;
  TPrintModuleFactory printModules_;

  std::unique_ptr<mTDeclaration> declaration_;
  TThinkingFrame* screen_ = nullptr;
  std::optional<TSection> screenSection_;
  TFlashButton* currentButton_ = nullptr;
  TfmGrazhd* countryPicker_ = nullptr;
  bool building_ = false;
  bool saved_ = true;
  QString fileName_;

  QToolBar* CoolBarButtons = nullptr;
  QFrame* PnlSelectGroup = nullptr;
  QWidget* PnlFormContainer = nullptr;
  QVBoxLayout* containerLayout_ = nullptr;
  QAction* miStdToolbar = nullptr;
  QAction* miTextLabels = nullptr;
  std::vector<TFlashButton*> toolButtons_;
  std::map<TSection, TFlashButton*> sectionButtons_;
  QPointer<QWidget> helpWindow_;
  TfmInputInspectionNumber* inspectionPicker_ = nullptr;
  std::unique_ptr<std::vector<CodeName>> countries_;
  std::unique_ptr<ActivityDirectory> okved_;
  std::unique_ptr<CurrencyDirectory> currencyRates_;
  bool endRequested_ = false;
};

}  // namespace kvor::ui
