// The section screens of the main window. Each screen adds itself here with the section it
// belongs to; a section without an entry shows no screen.
#include "ui/shell/sections.h"

namespace kvor::ui {

TScreenRegistry SectionScreens() {
  TScreenRegistry registry;
  return registry;
}

}  // namespace kvor::ui
