// The media list and the background-music rules.
#include "shell/Music.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/NativeFile.h"
#include "platform/Paths.h"
#include "game/GameFiles.h"

namespace pelmora {

namespace {

// Raises a flag for the length of a scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

struct Track {
  std::string name;
  std::string path;
};

// The ordinary, visible files in `folder`. Errors end the listing with what was found so far.
void AddOrdinaryFiles(const std::filesystem::path& folder, std::vector<Track>& tracks) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = Utf8Path(it->path().filename());
    std::error_code typeError;
    if (name.starts_with('.') || !it->is_regular_file(typeError)) continue;
    tracks.push_back({std::move(name), Utf8Path(it->path())});
  }
}

}  // namespace

Music::Music(MusicPlayer& player, Random& random, UserSettings& settings, std::string gameFolder)
    : player_(player), random_(random), settings_(settings), folder_(std::move(gameFolder)) {
  player_.OnStopped([this] { PlayerStopped(); });
}

Music::~Music() { player_.OnStopped({}); }

void Music::ScanMediaFolder() { ScanMediaFolders({GamePath(folder_, files::kMedia)}); }

void Music::ScanMediaFolders(const std::vector<std::string>& folders) {
  std::vector<Track> tracks;
  for (const std::string& folder : folders) AddOrdinaryFiles(FsPath(folder), tracks);
  // The listing order of the file system is arbitrary, so sorting keeps the list (and which
  // files make the cut) the same from run to run.
  std::stable_sort(tracks.begin(), tracks.end(), [](const Track& a, const Track& b) { return a.name < b.name; });
  if (tracks.size() > kMaxMediaFiles) tracks.resize(kMaxMediaFiles);
  files_.clear();
  paths_.clear();
  for (Track& t : tracks) {
    files_.push_back(std::move(t.name));
    paths_.push_back(std::move(t.path));
  }
}

bool Music::PlayRandomTrack() {
  // Without a track the player would be handed the media folder itself.
  if (files_.empty()) return false;
  const int n = random_.Between1And(MediaCount());
  FlagScope commanding(commanding_);
  player_.OpenAndPlay(paths_[static_cast<std::size_t>(n - 1)]);
  return true;
}

void Music::OnDescentTick() {
  if (musicEnded_ == kFalse || settings_.MediaON == kFalse) return;
  if (PlayRandomTrack()) {
    FlagScope commanding(commanding_);
    player_.Play();
  }
  musicEnded_ = kFalse;
}

void Music::OnNewGame() {
  musicEnded_ = kFalse;
  if (settings_.MediaON == kTrue) PlayRandomTrack();
}

void Music::SetMusicSwitch(bool checked) {
  if (checked) {
    settings_.MediaON = kTrue;
    PlayRandomTrack();
    musicEnded_ = kFalse;
  } else {
    settings_.MediaON = kFalse;
    FlagScope commanding(commanding_);
    player_.Close();
  }
}

void Music::SetSoundSwitch(bool checked) { settings_.SoundON = checked ? kTrue : kFalse; }

void Music::ApplyVolume() { player_.SetVolume(std::clamp<int>(settings_.MediaMax, 0, 100)); }

void Music::Hold() {
  if (settings_.MediaON == kFalse || musicEnded_ != kFalse) return;
  FlagScope commanding(commanding_);
  player_.Pause();
}

void Music::Resume() {
  if (settings_.MediaON == kFalse || musicEnded_ != kFalse) return;
  FlagScope commanding(commanding_);
  player_.Play();
}

void Music::PlayerStopped() {
  if (!commanding_) musicEnded_ = kTrue;
}

}  // namespace pelmora
