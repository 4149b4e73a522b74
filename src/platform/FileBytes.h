#pragma once
// A small stored file read whole, as the settings reader and writer take it.

#include <optional>
#include <string>

namespace pelmora {

// Every byte of the file at `path`; nothing when it cannot be opened or read (missing, a
// folder, no permission).
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace pelmora
