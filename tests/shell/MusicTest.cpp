#include "shell/Music.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/NativeFile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::SequenceRandom;

// A player that records what it is told. Like a real player it can report "stopped" when a
// track that is still playing is replaced or closed (`stopsOnCommand`).
struct FakePlayer : MusicPlayer {
  std::vector<std::string> calls;
  std::function<void()> stopped;
  bool stopsOnCommand = false;
  bool playing = false;

  void OpenAndPlay(const std::string& path) override {
    StopIfAsked();
    calls.push_back("open " + path);
    playing = true;
  }
  void Play() override {
    calls.push_back("play");
    playing = true;
  }
  void Pause() override {
    calls.push_back("pause");
    playing = false;
  }
  void Close() override {
    StopIfAsked();
    calls.push_back("close");
    playing = false;
  }
  void SetVolume(int v) override { calls.push_back("volume " + std::to_string(v)); }
  void OnStopped(std::function<void()> handler) override { stopped = std::move(handler); }

  // The current track plays to its end (or the player reports a stop for its own reasons).
  void TrackEnds() {
    playing = false;
    if (stopped) stopped();
  }

 private:
  void StopIfAsked() {
    if (stopsOnCommand && playing) TrackEnds();
  }
};

// A game folder in the temp folder, removed again after the test.
class TempGameFolder {
 public:
  std::string Text() const { return root_.Path().string(); }
  fs::path Media() const { return root_.Path() / "media"; }
  void AddMedia(const std::string& name) {
    fs::create_directories(Media());
    std::ofstream(Media() / FsPath(name)) << "track";  // the name is UTF-8, also on Windows
  }
  std::string OpenCall(const std::string& name) const { return "open " + (Media() / name).generic_string(); }

 private:
  testing::TempFolder root_;
};

// Music on a fake player with a media folder of the given files.
class MusicFlow : public ::testing::Test {
 protected:
  void Scan(const std::vector<std::string>& names) {
    for (const auto& n : names) folder.AddMedia(n);
    music.ScanMediaFolder();
  }
  std::vector<std::string> Drain() {  // the calls since the last Drain
    auto c = player.calls;
    player.calls.clear();
    return c;
  }

  TempGameFolder folder;
  FakePlayer player;
  SequenceRandom random;
  UserSettings settings;
  Music music{player, random, settings, folder.Text()};
};

using Calls = std::vector<std::string>;

TEST_F(MusicFlow, AnEndedTrackIsFollowedByANewOneOnlyAtTheNextDescentTick) {
  Scan({"a.ogg", "b.ogg"});
  settings.MediaON = kTrue;
  random.values = {SequenceRandom::For(1, 2), SequenceRandom::For(2, 2)};

  music.OnNewGame();
  EXPECT_EQ(Drain(), Calls{folder.OpenCall("a.ogg")});
  EXPECT_EQ(music.MusicEnded(), kFalse);

  player.TrackEnds();
  EXPECT_EQ(music.MusicEnded(), kTrue);
  EXPECT_TRUE(Drain().empty()) << "the gap lasts until the timer ticks";

  music.OnDescentTick();
  EXPECT_EQ(Drain(), (Calls{folder.OpenCall("b.ogg"), "play"}));
  EXPECT_EQ(music.MusicEnded(), kFalse);

  music.OnDescentTick();
  EXPECT_TRUE(Drain().empty()) << "a playing track is left alone";
}

TEST_F(MusicFlow, SwitchingOffSilencesAtOnceAndNoTickRestarts) {
  Scan({"a.ogg"});
  settings.MediaON = kTrue;
  music.OnNewGame();
  Drain();

  music.SetMusicSwitch(false);
  EXPECT_EQ(settings.MediaON, kFalse);
  EXPECT_EQ(Drain(), Calls{"close"});

  player.TrackEnds();  // a late report from the closed player
  music.OnDescentTick();
  music.OnDescentTick();
  EXPECT_TRUE(Drain().empty());
}

TEST_F(MusicFlow, SwitchingOnStartsATrackAtOnce) {
  Scan({"a.ogg"});
  music.OnNewGame();
  player.TrackEnds();
  ASSERT_EQ(music.MusicEnded(), kTrue);

  music.SetMusicSwitch(true);
  EXPECT_EQ(settings.MediaON, kTrue);
  EXPECT_EQ(Drain(), Calls{folder.OpenCall("a.ogg")});
  EXPECT_EQ(music.MusicEnded(), kFalse);
}

TEST_F(MusicFlow, AfterALostGameTheMusicWaitsForTheNextNewGame) {
  Scan({"a.ogg", "b.ogg"});
  settings.MediaON = kTrue;
  random.values = {SequenceRandom::For(1, 2), SequenceRandom::For(2, 2)};
  music.OnNewGame();
  Drain();

  // The game is lost: the descent timer stops, so no tick comes however long the silence.
  player.TrackEnds();
  EXPECT_TRUE(Drain().empty());
  EXPECT_EQ(music.MusicEnded(), kTrue);

  music.OnNewGame();
  EXPECT_EQ(Drain(), Calls{folder.OpenCall("b.ogg")});
  EXPECT_EQ(music.MusicEnded(), kFalse);
  music.OnDescentTick();
  EXPECT_TRUE(Drain().empty()) << "the new game's track is not replaced at the first tick";
}

TEST_F(MusicFlow, NewGameWithMusicOffPlaysNothing) {
  Scan({"a.ogg"});
  settings.MediaON = kFalse;
  music.OnNewGame();
  player.TrackEnds();
  music.OnDescentTick();
  EXPECT_TRUE(Drain().empty());
}

TEST_F(MusicFlow, TheTickTestsForNonZeroWhileTheNewGameTestsForMinusOne) {
  Scan({"a.ogg"});
  settings.MediaON = 1;  // a hand-edited settings value
  music.OnNewGame();
  EXPECT_TRUE(Drain().empty()) << "a new game starts music only for exactly -1";

  player.TrackEnds();
  music.OnDescentTick();
  EXPECT_EQ(Drain(), (Calls{folder.OpenCall("a.ogg"), "play"}));
  EXPECT_EQ(music.MusicEnded(), kFalse);
}

TEST_F(MusicFlow, StopsCausedByReplacingOrClosingATrackAreNotTrackEnds) {
  Scan({"a.ogg"});
  player.stopsOnCommand = true;
  settings.MediaON = kTrue;

  music.OnNewGame();
  music.OnNewGame();  // replaces a playing track: the player reports a stop
  EXPECT_EQ(music.MusicEnded(), kFalse);
  music.OnDescentTick();
  EXPECT_EQ(Drain(), (Calls{folder.OpenCall("a.ogg"), folder.OpenCall("a.ogg")}))
      << "no tick may cut the new game's track short";

  music.SetMusicSwitch(false);
  EXPECT_EQ(music.MusicEnded(), kFalse);
  music.SetMusicSwitch(true);
  EXPECT_EQ(music.MusicEnded(), kFalse);
  player.TrackEnds();
  EXPECT_EQ(music.MusicEnded(), kTrue) << "a real end is still seen";
}

TEST_F(MusicFlow, ASingleTrackIsChosenWhateverTheRandomValue) {
  Scan({"only.mp3"});
  settings.MediaON = kTrue;
  random.values = {0.0, 0.5, 0.999999};
  for (int i = 0; i < 3; ++i) music.OnNewGame();
  EXPECT_EQ(Drain(), Calls(3, folder.OpenCall("only.mp3")));
}

TEST_F(MusicFlow, TheRandomValueChoosesAmongTheTracksInNameOrder) {
  Scan({"c.ogg", "a.ogg", "b.ogg"});
  settings.MediaON = kTrue;
  random.values = {SequenceRandom::For(3, 3), SequenceRandom::For(1, 3), SequenceRandom::For(2, 3)};
  for (int i = 0; i < 3; ++i) music.OnNewGame();
  EXPECT_EQ(Drain(), (Calls{folder.OpenCall("c.ogg"), folder.OpenCall("a.ogg"), folder.OpenCall("b.ogg")}));
}

TEST_F(MusicFlow, AnEmptyListHandsThePlayerNothing) {
  music.ScanMediaFolder();  // no media folder at all
  ASSERT_EQ(music.MediaCount(), 0);
  EXPECT_FALSE(music.PlayRandomTrack());
  music.SetMusicSwitch(true);
  music.OnNewGame();
  player.TrackEnds();
  music.OnDescentTick();
  EXPECT_TRUE(Drain().empty());
  EXPECT_EQ(music.MusicEnded(), kFalse);
}

TEST_F(MusicFlow, TheSwitchWorksBeforeAndAfterTheFolderIsListed) {
  folder.AddMedia("a.ogg");
  music.SetMusicSwitch(true);  // switch first: nothing to play yet
  EXPECT_TRUE(Drain().empty());
  music.ScanMediaFolder();
  music.OnNewGame();
  EXPECT_EQ(Drain(), Calls{folder.OpenCall("a.ogg")});

  music.SetMusicSwitch(false);
  music.SetMusicSwitch(true);  // list first: plays at once
  EXPECT_EQ(Drain(), (Calls{"close", folder.OpenCall("a.ogg")}));
}

TEST_F(MusicFlow, VolumeIsLimitedForThePlayerButKeptInTheSettings) {
  for (std::int16_t v : {0, 40, 100, 150, -3, 32767}) {
    settings.MediaMax = v;
    music.ApplyVolume();
    EXPECT_EQ(settings.MediaMax, v);
  }
  EXPECT_EQ(Drain(), (Calls{"volume 0", "volume 40", "volume 100", "volume 100", "volume 0", "volume 100"}));
}

TEST_F(MusicFlow, TheSoundSwitchOnlySetsSoundOn) {
  music.SetSoundSwitch(true);
  EXPECT_EQ(settings.SoundON, kTrue);
  music.SetSoundSwitch(false);
  EXPECT_EQ(settings.SoundON, kFalse);
  EXPECT_EQ(settings.MediaON, kFalse);
  EXPECT_TRUE(Drain().empty());
}

TEST(MusicLifetime, DestroyingMusicUnsubscribesFromThePlayer) {
  FakePlayer player;
  SequenceRandom random;
  UserSettings settings;
  {
    Music music(player, random, settings, "/nowhere");
    EXPECT_TRUE(player.stopped);
  }
  EXPECT_FALSE(player.stopped) << "a later report would reach a destroyed object";
}

// ---- The media folder ----

using MediaFolder = MusicFlow;

TEST_F(MediaFolder, ScanKeepsOnlyVisibleOrdinaryFilesSortedByName) {
  folder.AddMedia("b.mp3");
  folder.AddMedia("A.wma");
  folder.AddMedia("音乐.ogg");
  folder.AddMedia(".hidden.mp3");
  folder.AddMedia(".directory");
  fs::create_directories(folder.Media() / "album");
  fs::create_directories(folder.Media() / ".cache");
  std::ofstream(folder.Media() / "album" / "inner.mp3") << "track";
  std::error_code noLinks;  // Windows (and Wine) may not make links; the rest holds all the same
  fs::create_symlink(folder.Media() / "missing-target.mp3", folder.Media() / "dangling.mp3", noLinks);

  music.ScanMediaFolder();
  EXPECT_EQ(music.MediaFiles(), (std::vector<std::string>{"A.wma", "b.mp3", "音乐.ogg"}));
  EXPECT_EQ(music.MediaCount(), 3);
}

TEST_F(MediaFolder, ScanOfAMissingOrEmptyFolderGivesNoTracks) {
  music.ScanMediaFolder();
  EXPECT_EQ(music.MediaCount(), 0);
  fs::create_directories(folder.Media());
  music.ScanMediaFolder();
  EXPECT_EQ(music.MediaCount(), 0);
}

TEST_F(MediaFolder, ScanOfAFileWhereTheFolderShouldBeGivesNoTracks) {
  std::ofstream(folder.Media()) << "not a folder";
  music.ScanMediaFolder();
  EXPECT_EQ(music.MediaCount(), 0);
}

TEST_F(MediaFolder, ScanKeepsTheFirstHundredNamesOfALargerFolder) {
  for (int i = 150; i >= 1; --i) {
    char name[16];
    std::snprintf(name, sizeof name, "t%03d.ogg", i);
    folder.AddMedia(name);
  }
  music.ScanMediaFolder();
  ASSERT_EQ(music.MediaCount(), 100);
  EXPECT_EQ(music.MediaFiles().front(), "t001.ogg");
  EXPECT_EQ(music.MediaFiles().back(), "t100.ogg");

  settings.MediaON = kTrue;
  random.values = {0.999999};
  music.OnNewGame();
  EXPECT_EQ(Drain(), Calls{folder.OpenCall("t100.ogg")});
}

TEST_F(MediaFolder, SeveralFoldersMergeByNameUpToAHundredInAllAndPlayFromTheirOwnFolder) {
  testing::TempFolder own;  // the player's music beside the shipped tracks
  const auto addOwn = [&](const std::string& name) { std::ofstream(own.Path() / name) << "track"; };
  const auto numbered = [](char prefix, int i) {
    char name[16];
    std::snprintf(name, sizeof name, "%c%03d.ogg", prefix, i);
    return std::string(name);
  };
  folder.AddMedia("a.ogg");
  folder.AddMedia("c.ogg");
  addOwn("b.ogg");
  for (int i = 0; i < 60; ++i) {
    folder.AddMedia(numbered('s', i));
    addOwn(numbered('p', i));
  }

  music.ScanMediaFolders({folder.Media().string(), own.Path().string()});
  ASSERT_EQ(music.MediaCount(), 100);
  const auto& names = music.MediaFiles();
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
            (std::vector<std::string>{"a.ogg", "b.ogg", "c.ogg", "p000.ogg"}));
  EXPECT_EQ(names.back(), "s036.ogg") << "the cut falls on the merged list, not on each folder";

  settings.MediaON = kTrue;
  random.values = {SequenceRandom::For(2, 100), SequenceRandom::For(100, 100)};
  music.OnNewGame();
  music.OnNewGame();
  EXPECT_EQ(Drain(), (Calls{"open " + (own.Path() / "b.ogg").generic_string(), folder.OpenCall("s036.ogg")}));
}

TEST_F(MediaFolder, ARescanReplacesTheList) {
  Scan({"a.ogg", "b.ogg"});
  fs::remove(folder.Media() / "a.ogg");
  music.ScanMediaFolder();
  EXPECT_EQ(music.MediaFiles(), std::vector<std::string>{"b.ogg"});
}

#ifndef _WIN32
TEST_F(MediaFolder, ATrackNameWithABackslashIsHandedOverAsItIsNamed) {
  // Backslashes of the fixed "\media\" part become separators; one inside a file name of this
  // system is part of the name and must stay, or the player is sent to another file.
  Scan({"live\\take1.ogg"});
  settings.MediaON = kTrue;
  music.OnNewGame();
  const auto calls = Drain();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], folder.OpenCall("live\\take1.ogg"));
  EXPECT_TRUE(fs::is_regular_file(calls[0].substr(5)));
}
#endif

}  // namespace
}  // namespace pelmora
