#pragma once
// What start-up reads from VornPGame.ini and what shutdown writes back to it. Every value goes
// through the settings reader, so a damaged file still shows the reader's own messages; what
// comes back empty, unreadable or out of range is replaced by the value the game ships with.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "platform/AtomicSave.h"
#include "platform/Dialogs.h"

namespace pelmora {

// The longest picture-set name shown, in characters. Thirty-two Chinese characters already take
// more than half the window's width; a longer name is cut to its first 32 characters and "…".
constexpr std::size_t kMaxSetNameChars = 32;

struct PictureSet {
  std::string Name;  // the caption of its menu item, at most kMaxSetNameChars characters and "…"
  std::string Path;  // the game folder followed directly by the stored folder, e.g. "<game>\pics\gems\"
};

struct StartupSettings {
  UserSettings User;
  std::vector<PictureSet> Sets;  // Sets[i - 1] is picture set i
  // False when the file is there but is no text the reader can read (IsSettingsText): nothing was
  // read from it (the shipped values stand in) and it must not be written back.
  bool FileIsText = true;
};

// The player's settings file. It may live apart from the game folder.
struct SettingsFile {
  explicit SettingsFile(std::string path);
  std::string Path;  // e.g. "<game folder>/VornPGame.ini"
};

// "<game folder>\VornPGame.ini", where the game keeps its settings when it is given no other place.
std::string SettingsPath(const std::string& gameFolder);

// The settings the game ships with; they stand in for what a damaged file does not give.
UserSettings ShippedUserSettings();
std::vector<PictureSet> ShippedPictureSets(const std::string& gameFolder);

// Reads the six user settings (in their order) and the picture-set list from `file`; temporary
// files of its saves that a crash left are removed first and never read. The picture-set
// folders are `gameFolder` followed directly by each stored MenuPath. What is read is corrected:
//  - a value that is empty or not a number keeps the shipped value;
//  - GameMode outside 1..4 becomes 1; MediaMax is kept within 0..100;
//  - "Menu" that is missing, not a number, zero or negative: the shipped picture sets; more than
//    kMaxPictureSets: only the first kMaxPictureSets are read;
//  - the list ends before the first set whose MenuName or MenuPath is missing or blank (the
//    reader has asked about that one key); no set read at all gives the shipped sets;
//  - GameMain above the number of sets, or below 1, becomes 1.
// A file that is no text gives the shipped values and FileIsText false, and asks nothing: every
// key would be "not found".
StartupSettings ReadStartupSettings(const SettingsFile& file, const std::string& gameFolder, Dialogs& dialogs);
constexpr int kMaxPictureSets = 100;

// Writes the six user settings to section "UserSet" in their fixed order, with one replacement
// of the file (SetIniValues). A missing file is made anew as the game ships it (every key, the
// shipped picture sets, GBK, CR LF) with these six values, so that the next start finds every
// key. Fails, with the file as it was, when they could not be written.
[[nodiscard]] SaveResult WriteUserSettings(const SettingsFile& file, const UserSettings& user);

}  // namespace pelmora
