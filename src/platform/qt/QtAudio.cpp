// Sound cues with QSoundEffect and background music with QMediaPlayer.
#include "platform/qt/QtAudio.h"

#include <QApplication>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QObject>
#include <QSoundEffect>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "platform/Paths.h"

namespace pelmora {

namespace {

QUrl FileUrl(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

}  // namespace

// ---- Cues ----

struct QtCuePlayer::Cue {
  QSoundEffect effect;
  // QSoundEffect turns its Error status back into Null when asked to play, so the failure is
  // remembered here.
  bool failed = false;
  // Asked to play while its file was still being decoded.
  bool waiting = false;
};

QtCuePlayer::QtCuePlayer(std::string gameFolder, std::function<void()> defaultSound)
    : folder_(std::move(gameFolder)), defaultSound_(std::move(defaultSound)) {
  if (!defaultSound_) defaultSound_ = [] { QApplication::beep(); };
  for (std::string_view name : {cue::kGameStart, cue::kDown, cue::kUp, cue::kNoDown, cue::kVanish, cue::kGameOver})
    Load(name);
}

QtCuePlayer::~QtCuePlayer() = default;

QtCuePlayer::Cue& QtCuePlayer::Load(std::string_view name) {
  if (auto it = cues_.find(name); it != cues_.end()) return *it->second;
  Cue& cue = *cues_.emplace(std::string(name), std::make_unique<Cue>()).first->second;
  const std::string path = GamePath(folder_, name);
  // A missing file is known at once; there is nothing to hand to the decoder.
  if (!QFileInfo(QString::fromStdString(path)).isFile()) {
    cue.failed = true;
    return cue;
  }
  QObject::connect(&cue.effect, &QSoundEffect::statusChanged, &cue.effect, [this, &cue] {
    if (cue.effect.status() == QSoundEffect::Error) CueFailed(cue);
    if (cue.effect.status() == QSoundEffect::Ready) cue.waiting = false;  // it starts by itself
  });
  cue.effect.setSource(FileUrl(path));
  return cue;
}

void QtCuePlayer::CueFailed(Cue& cue) {
  cue.failed = true;
  // The sound was asked for before the decoder gave up: the default sound stands in for it,
  // unless another cue has cut it off meanwhile.
  if (cue.waiting && sounding_ == &cue) defaultSound_();
  cue.waiting = false;
}

void QtCuePlayer::PlayCue(std::string_view name) {
  Cue& cue = Load(name);
  if (sounding_ != nullptr && sounding_ != &cue) {
    sounding_->effect.stop();
    sounding_->waiting = false;
  }
  sounding_ = &cue;
  if (cue.failed) {
    defaultSound_();
    return;
  }
  cue.effect.stop();  // play() on a sounding effect silences it instead of starting it over
  cue.effect.play();
  cue.waiting = cue.effect.status() == QSoundEffect::Loading;
}

bool QtCuePlayer::IsSounding(std::string_view name) const {
  const auto it = cues_.find(name);
  return it != cues_.end() && it->second->effect.isPlaying();
}

// ---- Music ----

QtMusicPlayer::QtMusicPlayer() : anchor_(std::make_unique<QObject>()) {}

QtMusicPlayer::~QtMusicPlayer() {
  // The player reports its own stop while it is destroyed; nobody is listening any more.
  if (player_) QObject::disconnect(player_.get(), nullptr, nullptr, nullptr);
}

QMediaPlayer& QtMusicPlayer::Player() {
  if (player_) return *player_;
  player_ = std::make_unique<QMediaPlayer>();
  output_ = new QAudioOutput(player_.get());
  output_->setVolume(volume_);
  player_->setAudioOutput(output_);
  QObject::connect(player_.get(), &QMediaPlayer::playbackStateChanged, player_.get(),
                   [this](QMediaPlayer::PlaybackState state) {
                     if (state == QMediaPlayer::StoppedState && open_ && !commanding_) Report();
                   });
  QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, player_.get(), [this] { TrackFailed(); });
  return *player_;
}

template <class Command>
void QtMusicPlayer::Run(Command command) {
  commanding_ = true;
  command(Player());
  commanding_ = false;
}

void QtMusicPlayer::OpenAndPlay(const std::string& path) {
  ++track_;
  open_ = true;
  Run([&](QMediaPlayer& p) {
    p.setSource(FileUrl(path));
    p.play();
  });
}

void QtMusicPlayer::Play() {
  if (player_) Run([](QMediaPlayer& p) { p.play(); });
}

void QtMusicPlayer::Close() {
  ++track_;
  open_ = false;
  if (!player_) return;
  Run([](QMediaPlayer& p) {
    p.stop();
    p.setSource(QUrl());
  });
}

void QtMusicPlayer::SetVolume(int volume0to100) {
  volume_ = static_cast<float>(std::clamp(volume0to100, 0, 100)) / 100.0f;
  if (output_ != nullptr) output_->setVolume(volume_);
}

void QtMusicPlayer::OnStopped(std::function<void()> handler) { onStopped_ = std::move(handler); }

void QtMusicPlayer::TrackFailed() {
  // A failed GStreamer pipeline blocks for a second when it is stopped or given a new source,
  // which would freeze the game; a fresh player is made for the next track instead. The broken
  // one is silenced and deleted once we are out of its signal.
  QMediaPlayer* broken = player_.release();
  output_ = nullptr;
  QObject::disconnect(broken, nullptr, nullptr, nullptr);
  broken->deleteLater();
  if (!open_) return;  // the pipeline of a closed track complaining on its way out
  // Reported from the event loop: an error raised inside one of our own calls still arrives,
  // after the caller has finished starting the track.
  QTimer::singleShot(0, anchor_.get(), [this, track = track_] {
    if (track == track_) Report();
  });
}

void QtMusicPlayer::Report() {
  const auto handler = onStopped_;  // the handler may replace itself
  if (handler) handler();
}

}  // namespace pelmora
