#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace kvor::ui {

// The component that renders the printed form of a return, with its barcode, from the exchange
// document's text. Every operation may fail with an exception whose message is shown as it
// comes.
class TPrintModule {
 public:
  virtual ~TPrintModule() = default;
  // A named rendering parameter.
  virtual void SetPrintTiffParam(const QString& name, const QString& value) = 0;
  // The working folder of the component: the program's folder, ending with the separator.
  virtual void SetPrintTiffFolder(const QString& folder) = 0;
  // Shows the printed form in a preview owned by `owner`.
  virtual void PreviewData(const QString& xmlText, QWidget* owner) = 0;
  // Prints one copy of the form on the named printer.
  virtual void PrintData(const QString& xmlText, const QString& reserved,
                         const QString& printerName, int flags) = 0;
};

// Creates the print component, or returns null when it is not installed.
using TPrintModuleFactory = std::function<std::unique_ptr<TPrintModule>()>;

// The print component of the program; none is installed yet.
std::unique_ptr<TPrintModule> CreatePrintModule();

}  // namespace kvor::ui
