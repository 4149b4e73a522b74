// The atomic replacement of stored files, on real files in a scratch folder. The test runs as
// root on some machines, so every refusal here is one that binds root too.
#include "platform/ReplaceFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "support/TempFolder.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr fs::perms kOwnerRw = fs::perms::owner_read | fs::perms::owner_write;

// Every write of this process stops after `bytes` bytes of a file, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  rlimit saved_{};
  void (*handler_)(int);
};

struct Case {
  const char* name;
  std::function<void(const TempFolder&)> arrange;  // the old file is "old bytes" at "f"
  bool replaced;
};

TEST(ReplaceFile, ReplacesOnlyWhatItMayAndNeverLeavesItsTemporaryFile) {
  const Case cases[] = {
      {"plain file", [](const TempFolder&) {}, true},
      {"missing target is created", [](const TempFolder& d) { fs::remove(d.File("f")); }, true},
      {"leftover temporary file", [](const TempFolder& d) { WriteBytes(d.File("f.tmp"), std::string(900, 'x')); },
       true},
      {"link at the temporary file is removed, not written through",
       [](const TempFolder& d) {
         WriteBytes(d.File("victim"), "victim");
         fs::create_symlink(d.File("victim"), d.File("f.tmp"));
       },
       true},
      {"read-only target",
       [](const TempFolder& d) { fs::permissions(d.File("f"), fs::perms::owner_read | fs::perms::group_read); },
       false},
      {"link at the target",
       [](const TempFolder& d) {
         fs::rename(d.File("f"), d.File("victim"));
         WriteBytes(d.File("victim"), "victim");
         fs::create_symlink(d.File("victim"), d.File("f"));
       },
       false},
      {"folder at the target",
       [](const TempFolder& d) {
         fs::remove(d.File("f"));
         fs::create_directory(d.File("f"));
       },
       false},
      {"folder at the temporary file", [](const TempFolder& d) { fs::create_directory(d.File("f.tmp")); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.File("f");
    WriteBytes(path, "old bytes");
    c.arrange(folder);
    const bool wasFolder = fs::is_directory(folder.File("f.tmp"));
    const auto before = fs::symlink_status(path).type();
    const std::string old = fs::is_regular_file(path) ? ReadBytes(path) : "";

    EXPECT_EQ(ReplaceFile(path, folder.File("f.tmp"), "new bytes"), c.replaced);
    if (c.replaced) {
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
      EXPECT_EQ(ReadBytes(path), "new bytes");
    } else {
      EXPECT_EQ(fs::symlink_status(path).type(), before);
      if (fs::is_regular_file(path)) {
        EXPECT_EQ(ReadBytes(path), old);
      }
    }
    if (fs::exists(folder.File("victim"))) {
      EXPECT_EQ(ReadBytes(folder.File("victim")), "victim");
    }
    EXPECT_EQ(fs::exists(fs::symlink_status(folder.File("f.tmp"))), wasFolder);
  }
}

TEST(ReplaceFile, TheNewFileKeepsTheOldPermissions) {
  TempFolder folder;
  const std::string path = folder.File("f");
  WriteBytes(path, "old");
  fs::permissions(path, kOwnerRw | fs::perms::group_read);  // 0640, unlike what a new file gets
  ASSERT_TRUE(ReplaceFile(path, folder.File("f.tmp"), "new"));
  EXPECT_EQ(fs::status(path).permissions(), kOwnerRw | fs::perms::group_read);
}

TEST(ReplaceFile, AWriteThatStopsHalfWayKeepsTheOldFileAndRemovesTheTemporaryOne) {
  TempFolder folder;
  const std::string path = folder.File("f");
  WriteBytes(path, "old bytes");
  bool replaced = true;
  {
    const FileSizeLimit limit(100);
    replaced = ReplaceFile(path, folder.File("f.tmp"), std::string(540, 'n'));
  }
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReadBytes(path), "old bytes");
  EXPECT_FALSE(fs::exists(folder.File("f.tmp")));
}

}  // namespace
}  // namespace pelmora
