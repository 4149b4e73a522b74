#pragma once
// Background music on a GStreamer pipeline of our own. Qt's media player asks its pipeline for
// the position ten times a second and leaves the sound server's stream at 10 ms periods;
// background music needs neither, and on a quiet game those wake-ups cost more than the frames.
// Our pipeline keeps up to two seconds of sound queued, topped up in long periods, and asks
// nothing. A plain WAV file (the shipped music) is read in blocks of a second rather than
// decoded in tenths; anything else goes to playbin.
//
// On a machine with no audio device the track plays silently to its end, in real time, so the
// music rules go on as they would with sound.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Audio.h"

class QObject;
typedef struct _GstElement GstElement;

namespace pelmora {

// One track at a time, each on a pipeline of its own. Only the end of the current track is
// reported: a track that is replaced or closed is stopped and dropped, and whatever its pipeline
// still had to say is for a track number that is no longer current. A track that cannot be
// played (missing file, unknown format) counts as stopped too. Reports come from the event loop,
// never from inside one of these calls, and at most once for each time a track is played.
class GstMusicPlayer final : public MusicPlayer {
 public:
  GstMusicPlayer();
  ~GstMusicPlayer() override;
  GstMusicPlayer(const GstMusicPlayer&) = delete;
  GstMusicPlayer& operator=(const GstMusicPlayer&) = delete;

  void OpenAndPlay(const std::string& path) override;
  void Play() override;
  void Pause() override;
  void Close() override;
  void SetVolume(int volume0to100) override;  // clamped to 0..100
  void OnStopped(std::function<void()> handler) override;

 private:
  struct Watch;
  void Retire();
  void ReportLater(std::uint64_t track);

  GstElement* pipeline_ = nullptr;  // the current track's; none after Close
  GstElement* volumeTarget_ = nullptr;  // the pipeline's element that carries the volume
  double volume_ = 1.0;
  std::function<void()> onStopped_;
  // The number of the current track: every open and every close starts a new one, so a report
  // still on its way for an earlier track is dropped.
  std::uint64_t track_ = 0;
  bool ended_ = false;               // the current track's end has been reported
  std::unique_ptr<QObject> anchor_;  // receiver of the reports, which come from GStreamer's threads
};

}  // namespace pelmora
