#include "ui/print/print_module.h"

namespace kvor::ui {

std::unique_ptr<TPrintModule> CreatePrintModule() {
  return nullptr;
}

}  // namespace kvor::ui
