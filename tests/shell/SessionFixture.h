#pragma once
// The session on fakes, without a display: a game folder of its own with the test's settings
// file, a main window that records what it is shown, and pictures that load from nowhere.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "shell/GameFolder.h"
#include "shell/Session.h"
#include "support/Fakes.h"

namespace pelmora::testing {

namespace fs = std::filesystem;

// The main window as a record. Its check boxes start unchecked and report a change of state
// back to the session, as the real ones do; closing it runs the session's shutdown.
struct FakeView : MainView {
  Session* session = nullptr;
  bool music = false;
  bool sound = false;
  int mode = 0;
  std::string caption;
  std::vector<std::string> sets;
  int fieldsShown = 0;
  Surface field;  // the last one shown
  int closed = 0;

  void ShowField(const Surface& f) override {
    ++fieldsShown;
    field = f;
  }
  void ShowScore(const Surface&) override {}
  void ShowLevel(int level) override { caption = "第" + std::to_string(level) + "关"; }
  void ShowMode(int m) override { mode = m; }
  void SetMusicSwitch(bool on) override {
    if (on == music) return;
    music = on;
    session->MusicSwitchChanged(on);
  }
  void SetSoundSwitch(bool on) override {
    if (on == sound) return;
    sound = on;
    session->SoundSwitchChanged(on);
  }
  void AddPictureSet(const std::string& name) override { sets.push_back(name); }
  void Close() override {
    ++closed;
    session->Shutdown();
  }
  std::vector<std::pair<FileProblem, std::string>> problems;
  void TellFileProblem(FileProblem problem, const std::string& path) override { problems.emplace_back(problem, path); }
};

struct FakeLoop : FrameLoop {
  bool running = false;
  int restarts = 0;
  void Restart() override {
    running = true;
    ++restarts;
  }
  void Stop() override { running = false; }
  bool Running() const override { return running; }
};

// Every picture loads, as a 1 x 1 surface of a colour of its own file name, but those whose
// path ends with a name listed as broken ("ROverM.JPG", "gems/GameImages.JPG").
struct FakePictures : PictureLoader {
  std::vector<std::string> broken;
  std::optional<Surface> Load(const std::string& path) override {
    for (const std::string& name : broken)
      if (path.ends_with("/" + name)) return std::nullopt;
    return Surface(1, 1, ColourOf(fs::path(path).filename().string()));
  }
  static std::uint32_t ColourOf(const std::string& fileName) {
    return static_cast<std::uint32_t>(std::hash<std::string>{}(fileName)) & 0xFFFFFF;
  }
};

class SessionTest : public ::testing::Test {
 protected:
  GameFolder folder;
  FakeView view;
  FakeLoop loop;
  FakeTimer timer;
  FakeDialogs dialogs;
  FakeCues cues;
  FakePlayer player;
  FakeOpener opener;
  FakePictures pictures;
  SequenceRandom random{{0.1, 0.35, 0.6, 0.85, 0.2, 0.45, 0.7, 0.95}};
  FakeHost host;
  int ended = 0;
  std::optional<GameFolders> where;  // nothing: all of it in `folder`, as a portable game
  std::unique_ptr<Session> session;

  // Builds the session and runs its start-up; false when start-up refused to go on.
  bool Start() {
    view = FakeView{};
    session = std::make_unique<Session>(where.value_or(PortableGameFolders(folder.Text())), SessionPorts{{dialogs, cues, player, opener, pictures, random, [this] { ++ended; }},
                                                                         view, loop, timer, host});
    view.session = session.get();
    return session->StartUp();
  }
  Game& game() { return session->game(); }
};

}  // namespace pelmora::testing
