#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/directories/directory_files.h"

namespace kvor {

// The activity-code directory "Sp_OKVED2.xml" (ОКВЭД): one child of the root per activity with
// the attributes `GRUP` (level "1" to "6"), `Kod` (hierarchical key: an activity lies under
// another when its `Kod` begins with the other's), `OKVED` (the code shown and returned) and
// `Name`. Element names are not examined.

struct Activity {
  int Grup = 1;
  std::string Kod;
  std::string Okved;
  std::string Name;
  friend bool operator==(const Activity&, const Activity&) = default;
};

struct ActivityDirectory {
  std::vector<Activity> Activities;
};

inline constexpr int kActivityLevels = 6;

DirectoryResult<ActivityDirectory> ParseActivityDirectory(
    std::string_view bytes, const std::string& fileName = kActivityFileName);
DirectoryResult<ActivityDirectory> LoadActivityDirectory(const std::string& path);

// The directory as its Windows-1251 file. Throws EncodingError for a name Windows-1251 cannot
// hold.
std::string ActivityDirectoryToXml(const ActivityDirectory& directory);

// Builds the directory from the statistics authority's ОКВЭД2 open-data table: Windows-1251,
// one row per line, fields `section;code;name` separated by ";" and quoted, a section's own row
// having a blank code. Levels: the section 1, "NN" 2, "NN.N" 3, "NN.NN" 4, "NN.NN.N" 5,
// "NN.NN.NN" 6. `Kod` is the section letter followed by the code ("A01.11"), so every code lies
// under its section; `OKVED` is the code, or the letter for a section. The error names the line.
DirectoryResult<ActivityDirectory> ActivitiesFromOkvedTable(std::string_view bytes);

// The activity picker: six lists, one per level, each starting with "нет". Choosing an activity
// at level n takes its key, code and name and refills every deeper list with all the activities
// of that level under the key (all descendants, not only direct children); choosing "нет" at
// level n empties the deeper lists and keeps the chosen code.
class ActivityChooser {
 public:
  static constexpr const char* kNone = "нет";
  // The message when the chosen code is too short to be confirmed silently.
  static constexpr const char* kShortCodeMessage =
      "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку";

  // Keeps a reference to the directory, which must outlive the chooser. The first list offers
  // every activity of level 1 in file order.
  explicit ActivityChooser(const ActivityDirectory& directory);

  // The texts of list `level` (1..6): "нет", then the names of its activities.
  std::vector<std::string> Entries(int level) const;
  // The number of entries of list `level`, "нет" included.
  size_t EntryCount(int level) const;
  // The activity behind entry `index` of list `level`; nullptr for "нет" or out of range.
  const Activity* EntryActivity(int level, size_t index) const;

  // The user picks entry `index` (0 is "нет") of list `level`. Out-of-range picks are ignored.
  void Choose(int level, size_t index);

  // The code shown in the picker's code field: "нет" until an activity is chosen.
  const std::string& ShownCode() const { return shownCode_; }
  const std::string& ChosenKod() const { return chosenKod_; }
  const std::string& ChosenName() const { return chosenName_; }
  // "Да" closes the picker at once when the chosen key has more than three characters;
  // otherwise the caller shows kShortCodeMessage first.
  bool ChosenCodeLongEnough() const { return chosenKod_.size() > 3; }

 private:
  void Fill(int level, const std::string& key);

  const ActivityDirectory& directory_;
  // Per level (index 0 is level 1): the activities listed after "нет", as indices.
  std::array<std::vector<size_t>, kActivityLevels> lists_;
  std::string shownCode_ = kNone;
  std::string chosenKod_;
  std::string chosenName_;
};

}  // namespace kvor
