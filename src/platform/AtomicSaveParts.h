#pragma once
// What the system-specific halves of AtomicSave.h share: where a save writes and how its
// temporary files are named.

#include <filesystem>
#include <string>
#include <variant>

#include "platform/AtomicSave.h"

namespace pelmora::atomic_save {

// The file a save of `path` replaces: `path` itself, or, for a link, the file it finally points
// to (so that the link stays). A link to nothing, or a loop of links, is a DanglingLink.
std::variant<std::filesystem::path, SaveError> SaveTarget(const std::string& path);

// A fresh temporary file name beside `file`: "<name>.<16 hex digits>.tmp".
std::filesystem::path NewTempPath(const std::filesystem::path& file);

// The folder holding `file`, "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& file);

// How many fresh names a save tries when one is taken before it gives up.
inline constexpr int kTempNameTries = 16;

}  // namespace pelmora::atomic_save
