#pragma once
// Sound cues through Qt Multimedia. They stay silent, without a message and without a crash, on a
// machine with no audio device: Qt reports the missing device on the console and carries on, and
// so do we. (The background music has a player of its own, GstMusicPlayer.)

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "game/Ports.h"

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

}  // namespace pelmora
