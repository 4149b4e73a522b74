// The atomic replacement of stored files, on real files in a scratch folder. The test runs as
// root on some machines, so every refusal here is one that binds root too. "Nothing left behind"
// is checked by listing the folder, whatever names the temporary files get.
#include "platform/AtomicSave.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr fs::perms kOwnerRw = fs::perms::owner_read | fs::perms::owner_write;

#ifndef _WIN32
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

#endif

std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

struct Case {
  const char* name;
  std::function<void(const TempFolder&)> arrange;  // the old file is "old bytes" at "f"
  std::optional<SaveProblem> refused;
};

TEST(AtomicSave, ReplacesOnlyWhatItMayAndNeverLeavesItsTemporaryFile) {
  const Case cases[] = {
      {"plain file", [](const TempFolder&) {}, std::nullopt},
      {"missing target is created", [](const TempFolder& d) { fs::remove(d.File("f")); }, std::nullopt},
      {"leftover folders of temporary-looking names do not block",
       [](const TempFolder& d) {
         for (const char* name : {"f.tmp", "me.tmp", "f.0123456789abcdef.tmp", "f.tmp.tmp"})
           fs::create_directories(d.Path() / name / "x");
       },
       std::nullopt},
      {"read-only target",
       [](const TempFolder& d) { fs::permissions(d.File("f"), fs::perms::owner_read | fs::perms::group_read); },
       SaveProblem::ReadOnly},
      {"folder at the target",
       [](const TempFolder& d) {
         fs::remove(d.File("f"));
         fs::create_directory(d.File("f"));
       },
       SaveProblem::NotAFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.File("f");
    WriteBytes(path, "old bytes");
    c.arrange(folder);
    std::set<std::string> expected = Listing(folder.Path());
    expected.insert("f");
    const auto before = fs::symlink_status(path).type();

    const SaveResult result = SaveFileAtomically(path, "new bytes");
    EXPECT_EQ(result, c.refused ? SaveResult(SaveError{*c.refused, path}) : std::nullopt);
    if (!c.refused) {
      EXPECT_EQ(ReadBytes(path), "new bytes");
    } else {
      EXPECT_EQ(fs::symlink_status(path).type(), before);
      if (fs::is_regular_file(path)) {
        EXPECT_EQ(ReadBytes(path), "old bytes");
      }
    }
    EXPECT_EQ(Listing(folder.Path()), expected);
  }
}

#ifndef _WIN32
TEST(AtomicSave, TheNewFileKeepsTheOldPermissions) {
  TempFolder folder;
  const std::string path = folder.File("f");
  WriteBytes(path, "old");
  fs::permissions(path, kOwnerRw | fs::perms::group_read);  // 0640, unlike what a new file gets
  ASSERT_EQ(SaveFileAtomically(path, "new"), std::nullopt);
  EXPECT_EQ(fs::status(path).permissions(), kOwnerRw | fs::perms::group_read);
}

TEST(AtomicSave, AWriteThatStopsHalfWayKeepsTheOldFileAndRemovesTheTemporaryOne) {
  TempFolder folder;
  const std::string path = folder.File("f");
  WriteBytes(path, "old bytes");
  SaveResult result;
  {
    const FileSizeLimit limit(100);
    result = SaveFileAtomically(path, std::string(540, 'n'));
  }
  EXPECT_EQ(result, (SaveError{SaveProblem::CannotWrite, path}));
  EXPECT_EQ(ReadBytes(path), "old bytes");
  EXPECT_EQ(Listing(folder.Path()), std::set<std::string>{"f"});
}

TEST(AtomicSave, ALinkKeepsPointingAtItsTargetWhichGetsTheNewBytes) {
  TempFolder link;
  TempFolder target;
  const std::string file = target.File("data.dat");
  WriteBytes(file, "old bytes");
  fs::create_symlink(file, link.File("data.dat"));
  ASSERT_EQ(SaveFileAtomically(link.File("data.dat"), "new bytes"), std::nullopt);
  EXPECT_EQ(fs::read_symlink(link.File("data.dat")), file);
  EXPECT_EQ(ReadBytes(file), "new bytes");
  EXPECT_EQ(Listing(link.Path()), std::set<std::string>{"data.dat"});
  EXPECT_EQ(Listing(target.Path()), std::set<std::string>{"data.dat"});

  fs::permissions(file, fs::perms::owner_read);
  EXPECT_EQ(SaveFileAtomically(link.File("data.dat"), "x"), (SaveError{SaveProblem::ReadOnly, file}));
  fs::remove(file);
  EXPECT_EQ(SaveFileAtomically(link.File("data.dat"), "x"), (SaveError{SaveProblem::DanglingLink, file}));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(Listing(target.Path()), std::set<std::string>{});
}

#else
PELMORA_POSIX_ONLY_TEST(AtomicSave, ALinkKeepsPointingAtItsTargetWhichGetsTheNewBytes,
                        "links need a privilege on Windows that players rarely have")
PELMORA_POSIX_ONLY_TEST(AtomicSave, TheNewFileKeepsTheOldPermissions, "Windows files have no permission bits")
PELMORA_POSIX_ONLY_TEST(AtomicSave, AWriteThatStopsHalfWayKeepsTheOldFileAndRemovesTheTemporaryOne,
                        "the full disk is made with setrlimit")
#endif

TEST(AtomicSave, ReplacesAnExistingFileWithBinaryBytesUnderANonAsciiName) {
  TempFolder folder;
  const fs::path dir = folder.Path() / fs::path(u8"玩家数据");
  fs::create_directory(dir);
  const std::string path = GamePath(folder.Path().string(), "\\玩家数据\\排行.dat");  // UTF-8
  const std::string bytes("\x1A\r\n\0\x1A end", 9);  // ^Z ends a text-mode read on Windows
  WriteBytes((dir / fs::path(u8"排行.dat")).string(), std::string(600, 'o'));
  ASSERT_EQ(SaveFileAtomically(path, bytes), std::nullopt);
  EXPECT_EQ(ReadFileBytes(path), bytes);
  EXPECT_EQ(fs::file_size(dir / fs::path(u8"排行.dat")), bytes.size());
  EXPECT_EQ(Listing(dir).size(), 1u);
}

TEST(AtomicSave, StartUpRemovesOnlyTheTemporaryFilesItMade) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  for (const char* name : {"data.dat.0123456789abcdef.tmp", "data.dat.fedcba9876543210.tmp", "data.dat", "data.dat.tmp",
                           "data.dat.0123456789abcdeg.tmp", "data.dat.0123.tmp", "me.tmp", "x.0123456789abcdef.tmp"})
    WriteBytes(folder.File(name), "player's");
  fs::create_directory(folder.File("data.dat.00000000000000aa.tmp"));
  RemoveLeftoverTempFiles(path);
  EXPECT_EQ(Listing(folder.Path()),
            (std::set<std::string>{"data.dat", "data.dat.tmp", "data.dat.0123456789abcdeg.tmp", "data.dat.0123.tmp",
                                   "me.tmp", "x.0123456789abcdef.tmp", "data.dat.00000000000000aa.tmp"}));
}

}  // namespace
}  // namespace pelmora
