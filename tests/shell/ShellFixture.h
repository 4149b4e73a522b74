#pragma once
// The whole game shell on fakes, in a game folder of its own: the generated pictures are linked
// in from the built game folder, the settings file is the test's.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

#include "leaderboard/EnterPxb.h"
#include "platform/TextCodec.h"
#include "platform/qt/QtPictures.h"
#include "shell/GameShell.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace pelmora::testing {

namespace fs = std::filesystem;

// The settings file the game ships with, as UTF-8 lines; written as GBK with CR LF.
inline const char* kShippedSettings[] = {
    "[UserSet]",     "MediaON=True",   "MediaMax=60",         "SoundON=True",    "SoundMax=80",
    "GameMode=1",    "GameMain=1",     "[GameMenu]",          "Menu=3",          "MenuName1=宝石",
    "MenuPath1=\\pics\\gems\\",        "MenuName2=花园",      "MenuPath2=\\pics\\garden\\",
    "MenuName3=冬雪", "MenuPath3=\\pics\\winter\\"};

class GameFolder {
 public:
  GameFolder() : root_(dir_.Path()) {
    fs::create_directories(root_ / "media");
    for (const char* dir : {"images", "pics", "ui"}) fs::create_directory_symlink(fs::path(PELMORA_GAME_DIR) / dir, root_ / dir);
    WriteSettings(std::vector<std::string>(std::begin(kShippedSettings), std::end(kShippedSettings)));
  }
  std::string Text() const { return root_.string(); }
  fs::path Path() const { return root_; }

  void WriteSettings(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    std::ofstream(root_ / "VornPGame.ini", std::ios::binary) << Utf8ToGbk(text).value();
  }
  std::string ReadSettings() const {
    std::ifstream in(root_ / "VornPGame.ini", std::ios::binary);
    return GbkToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
  }
  // The images folder as a copy, so that a test may damage it.
  void OwnImages() {
    fs::remove(root_ / "images");
    fs::copy(fs::path(PELMORA_GAME_DIR) / "images", root_ / "images");
  }

 private:
  TempFolder dir_;
  fs::path root_;
};

struct FakePlayer : MusicPlayer {
  std::vector<std::string> calls;
  std::function<void()> stopped;
  void OpenAndPlay(const std::string& path) override { calls.push_back("open " + path); }
  void Play() override { calls.push_back("play"); }
  void Close() override { calls.push_back("close"); }
  void SetVolume(int v) override { calls.push_back("volume " + std::to_string(v)); }
  void OnStopped(std::function<void()> handler) override { stopped = std::move(handler); }
  void TrackEnds() {
    if (stopped) stopped();
  }
};

struct FakeOpener : ShellOpener {
  std::vector<std::string> opened;
  void Open(const std::string& what) override { opened.push_back(what); }
};

struct FakeTick : Tick {
  std::uint32_t now = 0;
  std::uint32_t Now() override { return now; }
};

struct FakeHost : LeaderboardHost {
  int shown = 0;
  PXBList lastShown{};
  std::string Today() override { return "2026/12/7"; }
  bool Save(const PXBList&) override { return true; }
  void ShowLeaderboard(const PXBList& list) override {
    ++shown;
    lastShown = list;
  }
};

class ShellTest : public ::testing::Test {
 protected:
  GameFolder folder;
  FakeDialogs dialogs;
  FakeCues cues;
  FakePlayer player;
  FakeOpener opener;
  QtPictureLoader pictures;
  SequenceRandom random{{0.1, 0.35, 0.6, 0.85, 0.2, 0.45, 0.7, 0.95}};
  FakeTick tick;
  FakeHost host;
  int ended = 0;
  std::unique_ptr<GameShell> shell;

  // Builds the shell and runs its start-up; false when start-up refused to go on.
  bool Start() {
    shell = std::make_unique<GameShell>(folder.Text(), ShellPorts{dialogs, cues, player, opener, pictures, random,
                                                                  tick, &host, [this] { ++ended; }});
    return shell->StartUp();
  }
  FrmMain& W() { return shell->window(); }

  // Mouse events delivered through the application, so that they propagate as real ones do.
  static void Send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  }
  static void Press(QWidget* w, QPoint pos, Qt::MouseButton b = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonPress, pos, b, b);
  }
  static void Release(QWidget* w, QPoint pos, Qt::MouseButton b = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonRelease, pos, b, Qt::NoButton);
  }
  static void Click(QWidget* w, QPoint pos = {5, 5}) {
    Press(w, pos);
    Release(w, pos);
  }
  static void Move(QWidget* w, QPoint pos, Qt::MouseButtons held = Qt::NoButton) {
    Send(w, QEvent::MouseMove, pos, Qt::NoButton, held);
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (const auto& m : dialogs.messages) out.push_back(m.caption + ": " + m.text);
    return out;
  }
};

}  // namespace pelmora::testing
