// A save killed at any moment leaves the old file or the new one, whole, and what it had begun is
// never read as data. The save driver saves data.dat or the settings file in a loop through the
// game's own functions; it is killed with SIGKILL (on Windows TerminateProcess) at random moments,
// and after every kill the file
// must be byte for byte one of the two contents, and the next load must read exactly that file
// and take away a temporary file left behind.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "crash/SaveContents.h"
#include "shell/StartupSettings.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace pelmora::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 100;

#ifdef _WIN32
// The driver saving `kind` to `path`, started beside this test's own executable.
class Driver {
 public:
  Driver(const char* kind, const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE write = nullptr;
    if (!::CreatePipe(&saves_, &write, &inherit, 0)) return;
    ::SetHandleInformation(saves_, HANDLE_FLAG_INHERIT, 0);
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path driver = fs::path(self).parent_path() / L"pelmora_save_driver.exe";
    std::wstring command = L"\"" + driver.wstring() + L"\" " + fs::path(kind).wstring() + L" \"" +
                           fs::path(path).wstring() + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = write;
    start.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(driver.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &info)) {
      process_ = info.hProcess;
      ::CloseHandle(info.hThread);
    }
    ::CloseHandle(write);
  }
  ~Driver() {
    if (process_ != nullptr) {
      ::TerminateProcess(process_, kKilled);
      ::WaitForSingleObject(process_, INFINITE);
      ::CloseHandle(process_);
    }
    if (saves_ != nullptr) ::CloseHandle(saves_);
  }
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  bool WaitForSave() {
    char byte = 0;
    DWORD got = 0;
    return process_ != nullptr && ::ReadFile(saves_, &byte, 1, &got, nullptr) && got == 1;
  }

  // Kills it; true when it was still saving (it died of this kill, not of an error of its own).
  bool Kill() {
    ::TerminateProcess(process_, kKilled);
    ::WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    return ::GetExitCodeProcess(process_, &code) && code == kKilled;
  }

 private:
  static constexpr UINT kKilled = 137;
  HANDLE process_ = nullptr;
  HANDLE saves_ = nullptr;
};
#else

// The driver saving `kind` to `path`.
class Driver {
 public:
  Driver(const char* kind, const std::string& path) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    const char* argv[] = {PELMORA_SAVE_DRIVER, kind, path.c_str(), nullptr};
    if (posix_spawn(&pid_, PELMORA_SAVE_DRIVER, &actions, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    saves_ = out[0];
  }
  ~Driver() {
    if (pid_ > 0 && !reaped_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (saves_ >= 0) ::close(saves_);
  }
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Waits for the next save to complete. A loaded machine may take long to start a process or
  // to save; a driver that never gets there fails.
  bool WaitForSave() {
    if (pid_ <= 0) return false;
    pollfd p{saves_, POLLIN, 0};
    char byte = 0;
    return ::poll(&p, 1, 60000) == 1 && ::read(saves_, &byte, 1) == 1;
  }

  // Kills it; true when it was still saving (it died of this kill, not of an error of its own).
  bool Kill() {
    ::kill(pid_, SIGKILL);
    int status = 0;
    reaped_ = ::waitpid(pid_, &status, 0) == pid_;
    return reaped_ && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

 private:
  pid_t pid_ = -1;
  int saves_ = -1;
  bool reaped_ = false;
};
#endif

// Whether anything but `path` is in its folder: a temporary file, whatever its name.
// Any file beside `path` but its lock file (data.dat.lock, which the leaderboard keeps for good).
bool Leftover(const std::string& path) {
  const fs::path file(path);
  const fs::path lock = file.filename().string() + ".lock";
  std::error_code ec;
  for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename() != file.filename() && it->path().filename() != lock) return true;
  }
  return false;
}

struct KillRun {
  int kills = 0;
  int leftovers = 0;  // kills that left a temporary file behind
};

// Kills the driver kKills times, at random moments of a save and as soon as its temporary file
// appears, and checks the file after each kill: it is `a` or `b` byte for byte, and `load`
// (told which of the two) reads exactly that and removes the temporary file.
KillRun KillRepeatedly(const char* kind, const std::string& path, const std::string& a, const std::string& b,
                       const std::function<void(bool isA)>& load) {
  using Clock = std::chrono::steady_clock;
  std::mt19937 rng(std::random_device{}());
  KillRun run;
  for (int i = 0; i < kKills; ++i) {
    SCOPED_TRACE("kill " + std::to_string(i));
    {
      // One save measured, then the kill at a random moment of the next: where a save spends
      // its time (encoding, writing, syncing) differs from build to build and from disk to disk.
      Driver driver(kind, path);
      const bool first = driver.WaitForSave();
      const Clock::time_point start = Clock::now();
      if (!first || !driver.WaitForSave()) {
        ADD_FAILURE() << "the save driver did not save";
        return run;
      }
      const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
      if (i % 2 == 0) {
        std::uniform_int_distribution<long> delayUs(0, oneSave.count());
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
      } else {
        // Every other kill aims at the temporary file's short life, wherever it lies in a save.
        const Clock::time_point giveUp = Clock::now() + 10 * oneSave + std::chrono::seconds(10);
        while (!Leftover(path) && Clock::now() < giveUp) {
        }
      }
      if (!driver.Kill()) {
        ADD_FAILURE() << "the save driver stopped before it was killed";
        return run;
      }
    }
    ++run.kills;
    const std::string bytes = ReadBytes(path);
    if (bytes != a && bytes != b) {
      ADD_FAILURE() << "the file is neither content, " << bytes.size() << " bytes";
      return run;
    }
    run.leftovers += Leftover(path);
    load(bytes == a);
    if (Leftover(path)) {
      ADD_FAILURE() << "the load left the temporary file";
      return run;
    }
    if (::testing::Test::HasFailure()) return run;
  }
  return run;
}

TEST(KillDuringSave, DataDatIsAlwaysOldOrNewAndALeftoverIsNeverRead) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  const KillRun run = KillRepeatedly("pxb", path, EncodePXB(SavedListA()), EncodePXB(SavedListB()),
                                     [&](bool isA) { EXPECT_EQ(LoadPXB(path), isA ? SavedListA() : SavedListB()); });
  EXPECT_EQ(run.kills, kKills);
  // The kills aimed at the temporary file must have caught some.
  EXPECT_GT(run.leftovers, 0);
  RecordProperty("leftovers", run.leftovers);
}

bool SameUser(const UserSettings& x, const UserSettings& y) {
  return x.MediaON == y.MediaON && x.MediaMax == y.MediaMax && x.SoundON == y.SoundON && x.SoundMax == y.SoundMax &&
         x.GameMode == y.GameMode && x.GameMain == y.GameMain;
}

TEST(KillDuringSave, TheSettingsFileIsAlwaysOldOrNewAndALeftoverIsNeverRead) {
  TempFolder folder;
  const SettingsFile file(folder.File("VornPGame.ini"));
  // The two contents, as the writer makes them from the file as shipped.
  WriteBytes(file.Path, kSettingsBeforeGbk);
  ASSERT_EQ(WriteUserSettings(file, SavedUserA()), std::nullopt);
  const std::string a = ReadBytes(file.Path);
  ASSERT_EQ(WriteUserSettings(file, SavedUserB()), std::nullopt);
  const std::string b = ReadBytes(file.Path);
  ASSERT_NE(a, b);

  const KillRun run = KillRepeatedly("settings", file.Path, a, b, [&](bool isA) {
    FakeDialogs dialogs;
    const StartupSettings read = ReadStartupSettings(file, folder.Path().string(), dialogs);
    EXPECT_TRUE(SameUser(read.User, isA ? SavedUserA() : SavedUserB()));
    EXPECT_EQ(read.Sets.size(), 3u);
    EXPECT_TRUE(dialogs.messages.empty());
  });
  EXPECT_EQ(run.kills, kKills);
  EXPECT_GT(run.leftovers, 0);
  RecordProperty("leftovers", run.leftovers);
}

}  // namespace
}  // namespace pelmora::testing
