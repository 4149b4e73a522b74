#pragma once
// The one way the game replaces a stored file (the settings file, the leaderboard): the new
// bytes go to a temporary file in the same folder, reach the disk, and are then renamed over the
// old file. At every moment the file is either wholly old or wholly new.

#include <string>
#include <string_view>

namespace pelmora {

// Replaces the file at `path` with `bytes` through `tempPath`, which must lie in the same folder
// (a rename across folders or disks is not atomic).
//  - Links are never followed: a link at `tempPath` (a leftover, or planted) is removed and a new
//    file made in its place; a `path` that is a link, a folder or anything but a regular file is
//    refused.
//  - A `path` the player may not write, or one with no write permission for anybody (a file
//    marked read-only, which even the administrator's save must respect), is refused.
//  - The new file keeps the old one's permission bits; a missing `path` is created with the
//    usual ones.
//  - The temporary file is synced before the rename, and the folder after it.
// Returns false, with `path` untouched and no temporary file left behind, when any step up to
// the rename fails. A failed sync of the folder after a completed rename still counts as done.
[[nodiscard]] bool ReplaceFile(const std::string& path, const std::string& tempPath, std::string_view bytes);

// Removes a temporary file left behind by a crash (a file or a link; never a folder), so that it
// neither lingers nor is taken for data. Failures are ignored: the next save tries again.
void RemoveStaleTempFile(const std::string& tempPath);

}  // namespace pelmora
