#pragma once
// Where the game reads its data and keeps the player's files.
//
// Portable: the executable's folder holds images/ and can be written (the build tree, a game
// folder copied anywhere). Everything stays beside the executable, as it always has.
//
// Installed: anything else, such as a package under /usr. The game folder is found relative to
// the executable, never through a path built in, so a package extracted anywhere still runs:
// the executable's folder when it holds images/ (read-only), else the first of
// <exe>/../share/games/pelmora and <exe>/../share/pelmora that holds images/. The player's
// files live in the XDG folders: VornPGame.ini in $XDG_CONFIG_HOME/pelmora/ (first copied from
// the shipped one), data.dat in $XDG_DATA_HOME/pelmora/, and music the player adds in
// $XDG_DATA_HOME/pelmora/media/. Running as root changes nothing: an executable in /usr/games has
// no images/ beside it, so the game never writes into a system installation.
//
// On Windows the player's files of an installed game all live in %APPDATA%\Pelmora\ (settings,
// data.dat, media\), and a game under a Program Files folder is always installed: an
// administrator could write there, but the game must not keep one player's files for everyone.
//
// Every path here is a path of this system without a trailing separator, written with "/" (which
// Windows takes as well), ready to be joined with the game's backslash names by GamePath
// (platform/Paths.h).

#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace pelmora {

// The file system as far as the choice of folders needs it.
class FolderFiles {
 public:
  virtual ~FolderFiles() = default;
  // A folder, or a link to one.
  virtual bool IsDirectory(const std::string& path) const = 0;
  // Anything of that name, also a folder.
  virtual bool Exists(const std::string& path) const = 0;
  // Whether this process may create files in the folder.
  virtual bool CanWriteFolder(const std::string& path) const = 0;
  // Creates the folder and its missing parents, private to the player. True when the folder
  // exists afterwards, also when it already did.
  virtual bool MakeDirectories(const std::string& path) = 0;
  // Creates the file `to` with the bytes of `from` and the permissions of any new file of the
  // player (a read-only original must not give a copy the game cannot rewrite). An existing
  // `to` is never replaced; on any failure the copy fails and leaves no partial file.
  virtual bool CopyFileBytes(const std::string& from, const std::string& to) = 0;
};

// The process's environment variables.
class Environment {
 public:
  virtual ~Environment() = default;
  // The variable's value, or nothing when it is not set.
  virtual std::optional<std::string> Get(const std::string& name) const = 0;
};

enum class FolderMode { Portable, Installed };

struct GameFolders {
  FolderMode Mode = FolderMode::Portable;
  // Pictures, sounds, music, picture sets, Help.txt and the shipped VornPGame.ini. Picture-set
  // folders stored in the settings ("\pics\gems\") are joined with it.
  std::string GameFolder;
  // The VornPGame.ini read at start-up: the player's, or the shipped one when the player's could
  // not be made (so that the game still starts with its settings).
  std::string SettingsToRead;
  // The VornPGame.ini written back at exit (the writer's temporary file goes beside it): always
  // the player's, never the shipped one.
  std::string SettingsToSave;
  // The leaderboard, data.dat.
  std::string LeaderboardFile;
  // The folders whose music files make up the music list, merged in name order.
  std::vector<std::string> MusicFolders;
  // What to tell the player once, in a message box, when a folder or file of theirs could not be
  // made; empty words when there is nothing to tell. The game runs on either way; it then cannot
  // save what the message names, just as with a read-only game folder.
  Text Message;
};

// Everything in and beside `gameFolder`, as a portable game keeps it.
GameFolders PortableGameFolders(const std::string& gameFolder);

// Chooses the folders for an executable in `exeFolder` (its own folder, with links resolved as
// the system reports it). Only looks; creates nothing. An installed game without a usable home
// folder (HOME and the XDG variable unset, empty or relative) gets empty paths for the player's
// files, which nothing can read or write, and a Message.
// `rules` say where an installed game keeps the player's files; each system has its own, and
// tests try either on any system.
enum class PlayerFolderRules { Xdg, Windows };
#ifdef _WIN32
inline constexpr PlayerFolderRules kThisSystemsRules = PlayerFolderRules::Windows;
#else
inline constexpr PlayerFolderRules kThisSystemsRules = PlayerFolderRules::Xdg;
#endif
GameFolders ChooseGameFolders(const std::string& exeFolder, const FolderFiles& files, const Environment& env,
                              PlayerFolderRules rules = kThisSystemsRules);

// For an installed game: creates the player's folders and, when the player has no VornPGame.ini
// or data.dat yet, copies the game folder's one byte for byte. When a copy fails, the game
// folder's file is used instead (it shows, but cannot be saved: that folder is not the player's)
// and Message tells what cannot be saved (unless Message already tells the player something).
// Does nothing for a portable game.
void PreparePlayerFolders(GameFolders& folders, FolderFiles& files);

}  // namespace pelmora
