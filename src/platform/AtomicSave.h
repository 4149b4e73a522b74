#pragma once
// The one way the game replaces a stored file (the settings file, the leaderboard): the new
// bytes go to a temporary file in the same folder as the file, reach the disk, and then take the
// file's place in one step. At every moment the file is either wholly old or wholly new.

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Why a save failed, for the player to read (the shell words it).
enum class SaveProblem {
  DanglingLink,   // the file is a link to nothing
  NotAFile,       // a folder or anything but a regular file stands in the file's place
  ReadOnly,       // the file is marked read-only, or the player may not write it
  CannotCreate,   // no new file can be made in the folder (missing, not writable)
  CannotWrite,    // the new bytes did not reach the disk (full, failing)
  CannotReplace,  // the new file could not take the old one's place
  NotEncodable,   // the text holds a character the file's encoding has no form for
  Unreadable,     // the file to be changed could not be read (missing, no permission)
  NotText,        // the file to be changed is no text the game can read: it is left as it is
};

struct SaveError {
  SaveProblem Problem;
  // The file concerned: the file written (for a link, its target); for DanglingLink where the
  // link points; for CannotCreate the folder.
  std::string Path;
  bool operator==(const SaveError&) const = default;
};

// Nothing when the save is done; else why it failed, with the file as it was.
using SaveResult = std::optional<SaveError>;

// Replaces the file at `path` with `bytes`.
//  - A link is kept: its final target gets the new bytes, through a temporary file in the
//    target's folder. A link to nothing is refused.
//  - A folder or anything but a regular file in the file's place is refused; so is a file the
//    player may not write, or one with no write permission for anybody (a file marked
//    read-only, which even the administrator's save must respect).
//  - The new file keeps the old one's permission bits (POSIX); a missing file is created with the
//    usual ones.
//  - The temporary file gets a name of its own every time, so nothing left in the folder (a
//    file, a folder, a link) can stand in its way; it is never opened through a link.
//  - The temporary file reaches the disk before it replaces the file (Windows: MoveFileExW with
//    write-through), and on POSIX the folder is synced after the rename.
// On failure no temporary file is left behind. A failed sync of the folder after a completed
// rename still counts as done.
[[nodiscard]] SaveResult SaveFileAtomically(const std::string& path, std::string_view bytes);

// Removes what saves of `path` left behind when a crash cut them short: the regular files named
// as SaveFileAtomically names its temporary files, in the folder it makes them in. Nothing else
// is touched (a folder or link of such a name, any other file). Failures are ignored.
void RemoveLeftoverTempFiles(const std::string& path);

}  // namespace pelmora
