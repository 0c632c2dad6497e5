// The section screens of the main window. Each screen adds itself here with the section it
// belongs to; a section without an entry shows no screen, and a click on its button does
// nothing. For example:
//   registry.Add(TSection::kInitialData, [](QWidget* owner, TFormMain& main) {
//     return new TfrInitialData(owner, main);
//   });
// The screen's constructor passes main.DeclarationPointer() on to TThinkingFrame.
#include "ui/screens/frame_initial_data.h"
#include "ui/screens/frame_person_data.h"
#include "ui/shell/form_main.h"
#include "ui/shell/sections.h"

namespace kvor::ui {

TScreenRegistry SectionScreens() {
  TScreenRegistry registry;
  registry.Add(TSection::kInitialData,
               [](QWidget* owner, TFormMain& main) { return new TfrInitialData(owner, main); });
  registry.Add(TSection::kPersonData,
               [](QWidget* owner, TFormMain& main) { return new TfrPersonData(owner, main); });
  return registry;
}

}  // namespace kvor::ui
