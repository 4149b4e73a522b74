// The Qt audio side on this machine, which, like the build machines, has no sound device: cues
// and tracks must neither crash nor show anything, and the music must still be told when a
// track has stopped.
#include "platform/qt/GstMusicPlayer.h"
#include "platform/qt/QtAudio.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "shell/Music.h"
#include "support/Fakes.h"

namespace pelmora {
namespace {

// A mono 16-bit PCM WAV file holding a quiet 440 Hz tone.
QByteArray PcmWav(int milliseconds) {
  constexpr std::uint32_t kRate = 22050;
  const std::uint32_t samples = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
  QByteArray b;
  auto u16 = [&b](std::uint32_t v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
  auto u32 = [&u16](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  b.append("RIFF");
  u32(36 + samples * 2);
  b.append("WAVEfmt ");
  u32(16);           // size of the format block
  u16(1);            // PCM
  u16(1);            // mono
  u32(kRate);
  u32(kRate * 2);    // bytes per second
  u16(2);            // bytes per frame
  u16(16);           // bits per sample
  b.append("data");
  u32(samples * 2);
  for (std::uint32_t i = 0; i < samples; ++i)
    u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(3000 * std::sin(i * 2 * M_PI * 440 / kRate))));
  return b;
}

// Runs the event loop for `ms`.
void Pump(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Runs the event loop until `done` holds or `ms` have passed; returns `done`.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) Pump(10);
  return done();
}

// A game folder with cues and tracks, fresh for every test (Qt caches decoded cues by name).
class AudioFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("sound");
    QDir(dir.path()).mkpath("media");
    Write("sound/down.wav", PcmWav(200));
    Write("sound/up.wav", PcmWav(200));
    Write("sound/xiao.wav", "RIFF....WAVEthis is not audio");
    // No gamstar.wav, nodown.wav or gameover.wav.
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  std::string Folder() const { return dir.path().toStdString(); }
  std::string Media(const QString& name) const { return dir.filePath("media/" + name).toStdString(); }

  QTemporaryDir dir;
};

// ---- Cues ----

using QtCues = AudioFolder;

TEST_F(QtCues, ANewCueCutsOffTheOneStillSounding) {
  int beeps = 0;
  QtCuePlayer cues(Folder(), [&] { ++beeps; });
  cues.PlayCue(cue::kDown);
  EXPECT_TRUE(cues.IsSounding(cue::kDown));
  cues.PlayCue(cue::kUp);
  EXPECT_FALSE(cues.IsSounding(cue::kDown));
  EXPECT_TRUE(cues.IsSounding(cue::kUp));
  Pump(300);

  cues.PlayCue(cue::kUp);  // the same cue again starts over rather than falling silent
  EXPECT_TRUE(cues.IsSounding(cue::kUp));
  cues.PlayCue(cue::kDown);
  EXPECT_FALSE(cues.IsSounding(cue::kUp));
  Pump(300);
  EXPECT_EQ(beeps, 0);
}

TEST_F(QtCues, AMissingCuePlaysTheDefaultSoundEachTimeAndCutsOffTheSoundingOne) {
  int beeps = 0;
  QtCuePlayer cues(Folder(), [&] { ++beeps; });
  cues.PlayCue(cue::kDown);
  cues.PlayCue(cue::kGameStart);
  EXPECT_EQ(beeps, 1);
  EXPECT_FALSE(cues.IsSounding(cue::kDown));
  cues.PlayCue(cue::kGameStart);
  cues.PlayCue("\\sound\\never-shipped.wav");
  EXPECT_EQ(beeps, 3);
  Pump(200);
  EXPECT_EQ(beeps, 3);
}

TEST_F(QtCues, AnUndecodableCuePlaysTheDefaultSoundOnceItsDecoderGivesUp) {
  int beeps = 0;
  QtCuePlayer cues(Folder(), [&] { ++beeps; });
  cues.PlayCue(cue::kVanish);
  EXPECT_TRUE(WaitFor([&] { return beeps == 1; }));
  Pump(200);
  EXPECT_EQ(beeps, 1);
  EXPECT_FALSE(cues.IsSounding(cue::kVanish));

  cues.PlayCue(cue::kVanish);  // known to be broken by now: the default sound at once
  EXPECT_EQ(beeps, 2);
}

TEST_F(QtCues, AnUndecodableCueCutOffBeforeItFailedStaysQuiet) {
  int beeps = 0;
  QtCuePlayer cues(Folder(), [&] { ++beeps; });
  cues.PlayCue(cue::kVanish);  // its failure can only arrive through the event loop
  cues.PlayCue(cue::kDown);
  Pump(500);
  EXPECT_EQ(beeps, 0);
}

TEST(QtCuesWithoutFolder, EveryCueFallsBackToTheDefaultSound) {
  int beeps = 0;
  QtCuePlayer cues("/nonexistent/pelmora", [&] { ++beeps; });
  for (auto name : {cue::kGameStart, cue::kDown, cue::kUp, cue::kNoDown, cue::kVanish, cue::kGameOver})
    cues.PlayCue(name);
  Pump(100);
  EXPECT_EQ(beeps, 6);
}

TEST_F(QtCues, WithThePlatformsDefaultSoundAMissingCueLeavesTheNextOneWorking) {
  QtCuePlayer cues(Folder());  // QApplication::beep(), harmless on the offscreen platform
  cues.PlayCue(cue::kNoDown);
  cues.PlayCue(cue::kDown);
  EXPECT_TRUE(cues.IsSounding(cue::kDown));
  Pump(200);
}

// ---- Music ----

class QtMusic : public AudioFolder {
 protected:
  void SetUp() override {
    AudioFolder::SetUp();
    Write("media/short.wav", PcmWav(150));
    Write("media/long.wav", PcmWav(10000));
    Write("media/broken.ogg", "OggS but nothing after it");
    player.OnStopped([this] { ++stops; });
  }

  GstMusicPlayer player;
  int stops = 0;
};

TEST_F(QtMusic, AShortTrackReportsOneStopAtItsEnd) {
  player.SetVolume(80);
  player.OpenAndPlay(Media("short.wav"));
  EXPECT_EQ(stops, 0);
  EXPECT_TRUE(WaitFor([&] { return stops == 1; })) << "no end-of-track report from the backend";
  Pump(300);
  EXPECT_EQ(stops, 1);
}

TEST_F(QtMusic, ClosingOrReplacingATrackIsNotReported) {
  player.OpenAndPlay(Media("long.wav"));
  Pump(300);
  player.OpenAndPlay(Media("long.wav"));  // stops the playing track
  Pump(300);
  player.Close();
  player.Close();
  Pump(300);
  EXPECT_EQ(stops, 0);

  player.OpenAndPlay(Media("long.wav"));
  Pump(200);
  player.OpenAndPlay(Media("short.wav"));
  EXPECT_TRUE(WaitFor([&] { return stops == 1; }));
  Pump(300);
  EXPECT_EQ(stops, 1) << "only the end of the short track";
}

TEST_F(QtMusic, AnUnplayableTrackIsReportedOnceAndTheNextTrackStillPlays) {
  for (const char* name : {"broken.ogg", "missing.mp3"}) {
    const int before = stops;
    player.OpenAndPlay(Media(name));
    EXPECT_EQ(stops, before) << "never reported from inside the call";
    EXPECT_TRUE(WaitFor([&] { return stops == before + 1; })) << name;
    Pump(300);
    EXPECT_EQ(stops, before + 1) << name;
  }
  player.OpenAndPlay(Media("short.wav"));
  EXPECT_TRUE(WaitFor([&] { return stops == 3; }));
}

TEST_F(QtMusic, AFailureOfAClosedTrackIsNotReported) {
  player.OpenAndPlay(Media("missing.mp3"));
  player.Close();
  Pump(500);
  EXPECT_EQ(stops, 0);
}

TEST_F(QtMusic, PlayAndCloseWithoutATrackDoNothing) {
  player.Play();
  player.Close();
  player.SetVolume(-20);
  player.SetVolume(250);
  Pump(100);
  EXPECT_EQ(stops, 0);
}

// The music rules over the real player: the flow the game sees.
class QtMusicFlow : public AudioFolder {
 protected:
  void Use(const QString& onlyTrack) {
    Write("media/" + onlyTrack, PcmWav(onlyTrack == "short.wav" ? 150 : 10000));
    music.ScanMediaFolder();
    settings.MediaON = kTrue;
  }

  GstMusicPlayer player;
  testing::SequenceRandom random;
  UserSettings settings;
  Music music{player, random, settings, Folder()};
};

TEST_F(QtMusicFlow, AnEndedTrackIsSeenAndTheTickStartsTheNext) {
  Use("short.wav");
  music.ApplyVolume();
  music.OnNewGame();
  EXPECT_TRUE(WaitFor([&] { return music.MusicEnded() == kTrue; }));
  music.OnDescentTick();
  EXPECT_EQ(music.MusicEnded(), kFalse);
  EXPECT_TRUE(WaitFor([&] { return music.MusicEnded() == kTrue; })) << "the second track ends too";
}

TEST_F(QtMusicFlow, ANewGameOrTheSwitchNeverLeavesAStartedTrackMarkedEnded) {
  Use("long.wav");
  music.OnNewGame();
  Pump(300);
  music.OnNewGame();  // the player stops the playing track on its own account
  Pump(300);
  EXPECT_EQ(music.MusicEnded(), kFalse);

  music.SetMusicSwitch(false);
  Pump(300);
  music.SetMusicSwitch(true);
  Pump(300);
  EXPECT_EQ(music.MusicEnded(), kFalse);
  music.SetMusicSwitch(false);
}

}  // namespace
}  // namespace pelmora
