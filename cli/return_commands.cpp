// Commands that create, show and build return files.
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "core/common/json_fields.h"
#include "core/model/declaration.h"
#include "core/model/json_io.h"
#include "core/storage/errors.h"
#include "core/storage/file_loader.h"

namespace kvor::cli {

bool LoadReturn(const std::string& file, mTDeclaration& declaration, std::ostream& err) {
  try {
    declaration.LoadFromFile(file);
  } catch (const std::exception& error) {
    err << LoadErrorMessage(error) << "\n";
    return false;
  }
  return true;
}

int CommandNew(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  try {
    mTDeclaration declaration;
    declaration.PrepareNew();
    declaration.SaveToFile(args[0]);
  } catch (const std::exception& error) {
    err << error.what() << "\n";
    return kExitError;
  }
  return kExitOk;
}

int CommandDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  mTDeclaration declaration;
  if (!LoadReturn(args[0], declaration, err)) return kExitError;
  out << DeclarationToJsonText(declaration);
  return kExitOk;
}

int CommandLoad(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  std::string text;
  std::string reason;
  if (!ReadWholeFile(args[0], text, &reason)) {
    err << "Не удалось прочитать файл " << args[0] << ": " << reason << "\n";
    return kExitError;
  }
  try {
    mTDeclaration declaration = DeclarationFromJsonText(text);
    declaration.SaveToFile(args[1]);
  } catch (const std::exception& error) {
    err << error.what() << "\n";
    return kExitError;
  }
  return kExitOk;
}

}  // namespace kvor::cli
