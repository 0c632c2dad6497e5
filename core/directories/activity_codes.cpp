#include "core/directories/activity_codes.h"

#include "core/common/codec.h"
#include "core/common/number_text.h"
#include "core/directories/directory_xml.h"

namespace kvor {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The level of an ОКВЭД2 code of a class or below: "NN" 2, "NN.N" 3, "NN.NN" 4, "NN.NN.N" 5,
// "NN.NN.NN" 6; 0 for any other text.
int CodeLevel(std::string_view code) {
  static constexpr std::string_view kShapes[] = {"99", "99.9", "99.99", "99.99.9", "99.99.99"};
  for (int i = 0; i < 5; ++i) {
    std::string_view shape = kShapes[i];
    if (code.size() != shape.size()) continue;
    bool fits = true;
    for (size_t k = 0; k < code.size() && fits; ++k)
      fits = shape[k] == '9' ? IsDigit(code[k]) : code[k] == shape[k];
    if (fits) return i + 2;
  }
  return 0;
}

bool IsSectionLetter(std::string_view section) {
  return section.size() == 1 && section[0] >= 'A' && section[0] <= 'Z';
}

// One record of a ";"-separated table with quoted fields ("" inside quotes is a quote).
struct CsvRecord {
  size_t Line = 0;
  std::vector<std::string> Fields;
};

// Splits the table into records; false (with the line) for a quote left open.
bool SplitTable(std::string_view text, std::vector<CsvRecord>& records, size_t& badLine) {
  size_t line = 1;
  size_t pos = 0;
  while (pos < text.size()) {
    CsvRecord record;
    record.Line = line;
    std::string field;
    bool quoted = false, wasQuoted = false, endOfRecord = false;
    while (pos < text.size() && !endOfRecord) {
      char c = text[pos++];
      if (quoted) {
        if (c == '"') {
          if (pos < text.size() && text[pos] == '"') {
            field += '"';
            ++pos;
          } else {
            quoted = false;
          }
        } else {
          if (c == '\n') ++line;
          field += c;
        }
      } else if (c == '"' && !wasQuoted && Trim(field).empty()) {
        field.clear();
        quoted = wasQuoted = true;
      } else if (c == ';') {
        record.Fields.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
      } else if (c == '\n') {
        ++line;
        endOfRecord = true;
      } else if (c != '\r') {
        field += c;
      }
    }
    if (quoted) {
      badLine = record.Line;
      return false;
    }
    record.Fields.push_back(std::move(field));
    if (record.Fields.size() > 1 || !Trim(record.Fields[0]).empty())
      records.push_back(std::move(record));
  }
  return true;
}

}  // namespace

DirectoryResult<ActivityDirectory> ParseActivityDirectory(std::string_view bytes,
                                                          const std::string& fileName) {
  using Result = DirectoryResult<ActivityDirectory>;
  directory_xml::Document document;
  if (std::string error = directory_xml::Parse(bytes, document); !error.empty())
    return Result::Failure(directory_xml::BrokenFileMessage(fileName, error));
  ActivityDirectory directory;
  size_t number = 0;
  for (pugi::xml_node node : document.Root().children()) {
    if (node.type() != pugi::node_element) continue;
    ++number;
    auto broken = [&](const std::string& what) {
      return Result::Failure(
          directory_xml::BrokenFileMessage(fileName, document.Where(number, node) + ": " + what));
    };
    const char* grup = directory_xml::Attribute(node, "GRUP");
    const char* kod = directory_xml::Attribute(node, "Kod");
    const char* okved = directory_xml::Attribute(node, "OKVED");
    const char* name = directory_xml::Attribute(node, "Name");
    if (!grup || !kod || !okved || !name)
      return broken("нет одного из атрибутов GRUP, Kod, OKVED, Name");
    std::optional<int64_t> level = ParseInteger(grup);
    if (!level || *level < 1 || *level > kActivityLevels)
      return broken("уровень GRUP «" + std::string(grup) + "» не от 1 до 6");
    directory.Activities.push_back({static_cast<int>(*level), kod, okved, name});
  }
  return Result::Success(std::move(directory));
}

DirectoryResult<ActivityDirectory> LoadActivityDirectory(const std::string& path) {
  return directory_xml::LoadFile<ActivityDirectory>(
      path, [](std::string_view bytes, const std::string& name) {
        return ParseActivityDirectory(bytes, name);
      });
}

std::string ActivityDirectoryToXml(const ActivityDirectory& directory) {
  pugi::xml_document document;
  directory_xml::StartCp1251Document(document);
  pugi::xml_node root = document.append_child("Sp_OKVED2");
  for (const Activity& activity : directory.Activities) {
    pugi::xml_node node = root.append_child("OKVED");
    node.append_attribute("GRUP") = activity.Grup;
    node.append_attribute("Kod") = activity.Kod.c_str();
    node.append_attribute("OKVED") = activity.Okved.c_str();
    node.append_attribute("Name") = activity.Name.c_str();
  }
  return directory_xml::SaveCp1251(document);
}

DirectoryResult<ActivityDirectory> ActivitiesFromOkvedTable(std::string_view bytes) {
  using Result = DirectoryResult<ActivityDirectory>;
  auto failure = [](size_t line, const std::string& what) {
    return Result::Failure("Таблица ОКВЭД2 не прочитана: строка " + std::to_string(line) + ": " +
                           what + ".");
  };
  std::string text;
  try {
    text = Cp1251ToUtf8(bytes);
  } catch (const EncodingError& error) {
    return Result::Failure(std::string("Таблица ОКВЭД2 не прочитана: ") + error.what() + ".");
  }
  std::vector<CsvRecord> records;
  size_t badLine = 0;
  if (!SplitTable(text, records, badLine)) return failure(badLine, "не закрыта кавычка");

  ActivityDirectory directory;
  for (const CsvRecord& record : records) {
    if (record.Fields.size() != 3)
      return failure(record.Line, "ожидается три поля «раздел;код;наименование», а их " +
                                      std::to_string(record.Fields.size()));
    std::string section(Trim(record.Fields[0]));
    std::string code(Trim(record.Fields[1]));
    std::string name(Trim(record.Fields[2]));
    if (!IsSectionLetter(section))
      return failure(record.Line, "раздел «" + section + "» не латинская заглавная буква");
    if (name.empty()) return failure(record.Line, "нет наименования");
    if (code.empty()) {
      directory.Activities.push_back({1, section, section, name});
      continue;
    }
    int level = CodeLevel(code);
    if (level == 0) return failure(record.Line, "код «" + code + "» не похож на код ОКВЭД2");
    directory.Activities.push_back({level, section + code, code, name});
  }
  if (directory.Activities.empty())
    return Result::Failure("Таблица ОКВЭД2 не прочитана: в ней нет ни одной строки.");
  return Result::Success(std::move(directory));
}

ActivityChooser::ActivityChooser(const ActivityDirectory& directory) : directory_(directory) {
  for (size_t i = 0; i < directory_.Activities.size(); ++i)
    if (directory_.Activities[i].Grup == 1) lists_[0].push_back(i);
}

std::vector<std::string> ActivityChooser::Entries(int level) const {
  std::vector<std::string> entries;
  if (level < 1 || level > kActivityLevels) return entries;
  entries.push_back(kNone);
  for (size_t row : lists_[level - 1]) entries.push_back(directory_.Activities[row].Name);
  return entries;
}

size_t ActivityChooser::EntryCount(int level) const {
  if (level < 1 || level > kActivityLevels) return 0;
  return lists_[level - 1].size() + 1;
}

const Activity* ActivityChooser::EntryActivity(int level, size_t index) const {
  if (level < 1 || level > kActivityLevels || index == 0 || index > lists_[level - 1].size())
    return nullptr;
  return &directory_.Activities[lists_[level - 1][index - 1]];
}

void ActivityChooser::Choose(int level, size_t index) {
  if (index >= EntryCount(level)) return;
  if (index == 0) {
    if (EntryCount(level) > 1)
      for (int deeper = level + 1; deeper <= kActivityLevels; ++deeper) lists_[deeper - 1].clear();
    return;
  }
  const Activity& chosen = *EntryActivity(level, index);
  chosenKod_ = chosen.Kod;
  shownCode_ = chosen.Okved;
  chosenName_ = chosen.Name;
  for (int deeper = level + 1; deeper <= kActivityLevels; ++deeper) Fill(deeper, chosenKod_);
}

void ActivityChooser::Fill(int level, const std::string& key) {
  std::vector<size_t>& list = lists_[level - 1];
  list.clear();
  for (size_t i = 0; i < directory_.Activities.size(); ++i) {
    const Activity& activity = directory_.Activities[i];
    if (activity.Grup == level && activity.Kod.starts_with(key)) list.push_back(i);
  }
}

}  // namespace kvor
