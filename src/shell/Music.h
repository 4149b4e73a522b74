#pragma once
// Background music: the list of tracks in the media folder and the rules of when a new random
// track starts. The shell wires the music and sound check boxes, the descent timer's tick, the
// new-game command and the start-up steps to these operations; the player does the playing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "platform/Audio.h"
#include "platform/Random.h"

namespace pelmora {

class Music {
 public:
  // The media list has room for this many names.
  static constexpr std::size_t kMaxMediaFiles = 100;

  // `gameFolder` is the game folder as joined text (the media folder of ScanMediaFolder is
  // gameFolder + "\media\").
  // Subscribes to the player's stopped notification until destroyed; the player, the random
  // source and the settings must outlive this object.
  Music(MusicPlayer& player, Random& random, UserSettings& settings, std::string gameFolder);
  ~Music();
  Music(const Music&) = delete;
  Music& operator=(const Music&) = delete;

  // Lists the ordinary files of the media folder (no folders, no names beginning with "."),
  // sorted by name and cut to the first kMaxMediaFiles. A missing or unreadable folder gives an
  // empty list. Replaces the previous list.
  void ScanMediaFolder();
  // The same over several folders (native paths), such as the shipped music and the player's
  // own: their names merged in name order (a name in two folders is listed twice, the earlier
  // folder's first), cut to kMaxMediaFiles in all. Each track is played from its own folder.
  void ScanMediaFolders(const std::vector<std::string>& folders);

  // Hands the player a uniformly chosen track of the list. With an empty list nothing is handed
  // over and false is returned.
  bool PlayRandomTrack();

  // The descent timer's tick: once the last track has ended, the music (if switched on, any
  // non-zero MediaON) goes on with a new random track.
  void OnDescentTick();
  // A new game: starts a random track when the music is switched on (MediaON exactly -1).
  void OnNewGame();
  // The music check box changed state.
  void SetMusicSwitch(bool checked);
  // The sound check box changed state: only SoundON follows it.
  void SetSoundSwitch(bool checked);
  // Gives the player the volume MediaMax, limited to the player's 0..100.
  void ApplyVolume();
  // A paused game holds the music where it is, and its resumption lets it go on. Music that is
  // switched off, or a track that has ended and waits for the next descent tick, stays as it is.
  void Hold();
  void Resume();

  // The names of the listed tracks, and the full path of each.
  const std::vector<std::string>& MediaFiles() const { return files_; }
  const std::vector<std::string>& MediaPaths() const { return paths_; }
  std::int16_t MediaCount() const { return static_cast<std::int16_t>(files_.size()); }
  std::int16_t MusicEnded() const { return musicEnded_; }

 private:
  void PlayerStopped();

  MusicPlayer& player_;
  Random& random_;
  UserSettings& settings_;
  std::string folder_;
  std::vector<std::string> files_;
  std::vector<std::string> paths_;  // paths_[i] is where files_[i] lies
  std::int16_t musicEnded_ = kFalse;
  // True while we are inside a call to the player: a stop it reports then is one we caused by
  // replacing or closing the track, not the end of a track.
  bool commanding_ = false;
};

}  // namespace pelmora
