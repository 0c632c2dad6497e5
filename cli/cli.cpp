#include "cli/cli.h"

#include <ostream>

namespace kvor::cli {

namespace {

using Handler = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Command {
  const char* name;
  const char* usage;
  size_t argumentCount;
  Handler run;
  // The last argument may be repeated.
  bool repeatsLast = false;
};

const Command kCommands[] = {
    {"new", "new ФАЙЛ — создать новую декларацию", 1, CommandNew},
    {"dump", "dump ФАЙЛ — вывести декларацию в формате JSON", 1, CommandDump},
    {"load", "load JSON ФАЙЛ — сохранить декларацию, описанную в JSON", 2, CommandLoad},
    {"compute", "compute ФАЙЛ — вывести расчёт декларации в формате JSON", 1, CommandCompute},
    {"import-rates",
     "import-rates СПРАВОЧНИК ФАЙЛ… — добавить в справочник валют курсы из файлов Банка России", 2,
     CommandImportRates, true},
    {"import-okved", "import-okved CSV СПРАВОЧНИК — построить справочник ОКВЭД из таблицы ОКВЭД2",
     2, CommandImportOkved},
    {"import-soun", "import-soun DBF СПРАВОЧНИК — построить справочник инспекций из soun1.dbf", 2,
     CommandImportSoun},
    {"export", "export ФАЙЛ КАТАЛОГ|- — сформировать файл обмена (xml) в каталоге или вывести его",
     2, CommandExport},
    {"check", "check ФАЙЛ — проверить декларацию и вывести все найденные ошибки", 1, CommandCheck},
};

void PrintUsage(std::ostream& err) {
  err << "Использование: kvor КОМАНДА АРГУМЕНТЫ\nКоманды:\n";
  for (const Command& command : kCommands) err << "  " << command.usage << "\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err);
    return kExitError;
  }
  for (const Command& command : kCommands) {
    if (args[0] != command.name) continue;
    std::vector<std::string> rest(args.begin() + 1, args.end());
    bool countFits = command.repeatsLast ? rest.size() >= command.argumentCount
                                         : rest.size() == command.argumentCount;
    if (!countFits) {
      err << "Использование: kvor " << command.usage << "\n";
      return kExitError;
    }
    return command.run(rest, out, err);
  }
  err << "Неизвестная команда: " << args[0] << "\n";
  PrintUsage(err);
  return kExitError;
}

}  // namespace kvor::cli
