#pragma once
// Sound cues and background music through Qt Multimedia. Both stay silent, without a message
// and without a crash, on a machine with no audio device: Qt reports the missing device on the
// console and carries on, and so do we.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "game/Ports.h"
#include "platform/Audio.h"

class QAudioOutput;
class QMediaPlayer;
class QObject;

namespace pelmora {

// The cues as one channel, like the Windows sound call the game was made for: a new cue cuts
// off the one still sounding. Each file is decoded once, on first use or when preloaded, and
// kept; playing never reads a file again. A cue whose file is missing or cannot be decoded plays
// the platform's default sound instead, and nothing is reported.
class QtCuePlayer final : public CueSink {
 public:
  // Preloads the six cues of the game (decoding finishes in the background). `defaultSound`
  // replaces QApplication::beep, for tests.
  explicit QtCuePlayer(std::string gameFolder, std::function<void()> defaultSound = {});
  ~QtCuePlayer() override;
  QtCuePlayer(const QtCuePlayer&) = delete;
  QtCuePlayer& operator=(const QtCuePlayer&) = delete;

  // `name` is a backslash name below the game folder, such as "\sound\down.wav". Returns at
  // once; a cue still being decoded starts as soon as it is ready.
  void PlayCue(std::string_view name) override;

  // Whether the cue is playing (or waiting for its decoding to finish in order to play).
  bool IsSounding(std::string_view name) const;

 private:
  struct Cue;
  Cue& Load(std::string_view name);
  void CueFailed(Cue& cue);

  std::string folder_;
  std::function<void()> defaultSound_;
  std::map<std::string, std::unique_ptr<Cue>, std::less<>> cues_;
  Cue* sounding_ = nullptr;
};

// One track at a time, each on a QMediaPlayer of its own. Only the end of the current track is
// reported: the player of a track that is replaced or closed is cut off from us before it is
// stopped, so none of its events, however late GStreamer delivers them, reaches the game; and
// only the end of the media counts, not any stop. A track that cannot be played (missing file,
// unknown format, a broken output) counts as stopped too. Reports come from the event loop,
// never from inside one of these calls, and at most once for each time a track is played.
class QtMusicPlayer final : public MusicPlayer {
 public:
  QtMusicPlayer();
  ~QtMusicPlayer() override;
  QtMusicPlayer(const QtMusicPlayer&) = delete;
  QtMusicPlayer& operator=(const QtMusicPlayer&) = delete;

  void OpenAndPlay(const std::string& path) override;
  void Play() override;
  void Pause() override;
  void Close() override;
  void SetVolume(int volume0to100) override;  // clamped to 0..100
  void OnStopped(std::function<void()> handler) override;

 private:
  void Retire();
  void TrackFailed(std::uint64_t track);
  void ReportLater(std::uint64_t track);

  std::unique_ptr<QMediaPlayer> player_;  // the current track's, owning its QAudioOutput; none after Close
  QAudioOutput* output_ = nullptr;
  float volume_ = 1.0f;
  std::function<void()> onStopped_;
  // The number of the current track: every open and every close starts a new one, so a report
  // still on its way for an earlier track is dropped.
  std::uint64_t track_ = 0;
  bool ended_ = false;                // the current track's end has been reported
  std::unique_ptr<QObject> anchor_;   // receiver of the players' signals and of deferred reports
};

}  // namespace pelmora
