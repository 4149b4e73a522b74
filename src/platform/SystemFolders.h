#pragma once
// The real file system and environment behind the choice of folders (platform/GameFolders.h).

#include "platform/GameFolders.h"

namespace pelmora {

class SystemFolderFiles final : public FolderFiles {
 public:
  bool IsDirectory(const std::string& path) const override;
  bool Exists(const std::string& path) const override;
  // Asks the system (access), so a read-only mount counts as read-only also for root.
  bool CanWriteFolder(const std::string& path) const override;
  // Missing folders are made 0700, as the XDG rules ask for the player's base folders.
  bool MakeDirectories(const std::string& path) override;
  bool CopyFileBytes(const std::string& from, const std::string& to) override;
};

class SystemEnvironment final : public Environment {
 public:
  std::optional<std::string> Get(const std::string& name) const override;
};

}  // namespace pelmora
