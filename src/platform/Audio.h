#pragma once
// The two audio channels as the game sees them.

#include <functional>
#include <string>

namespace pelmora {

// One background track at a time.
class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;
  virtual void OpenAndPlay(const std::string& path) = 0;  // "set the URL": opens and starts
  virtual void Play() = 0;                                // also goes on after Pause
  virtual void Pause() = 0;                               // holds the track where it is
  virtual void Close() = 0;                               // stops and releases the file
  virtual void SetVolume(int volume0to100) = 0;
  // Called (on the UI thread) once when the current track stops by itself: it played to its end,
  // or it could not be played at all. Stops asked for with Close() or by opening another track
  // are not reported. An empty handler unsubscribes.
  virtual void OnStopped(std::function<void()> handler) = 0;
};

}  // namespace pelmora
