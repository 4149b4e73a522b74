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

QtMusicPlayer::~QtMusicPlayer() { Retire(); }

void QtMusicPlayer::OpenAndPlay(const std::string& path) {
  Retire();
  const std::uint64_t track = ++track_;
  ended_ = false;
  player_ = std::make_unique<QMediaPlayer>();
  output_ = new QAudioOutput(player_.get());
  output_->setVolume(volume_);
  player_->setAudioOutput(output_);
  // The anchor is the receiver, so that Retire() cuts exactly these two off.
  QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, anchor_.get(),
                   [this, track](QMediaPlayer::MediaStatus status) {
                     if (status == QMediaPlayer::EndOfMedia) ReportLater(track);
                   });
  QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, anchor_.get(), [this, track] { TrackFailed(track); });
  player_->setSource(FileUrl(path));
  if (player_) player_->play();  // gone if the source failed at once
}

void QtMusicPlayer::Play() {
  if (!player_) return;
  ended_ = false;  // a track played again may end again
  player_->play();
}

void QtMusicPlayer::Pause() {
  if (player_) player_->pause();
}

void QtMusicPlayer::Close() {
  Retire();
  ++track_;
}

void QtMusicPlayer::SetVolume(int volume0to100) {
  volume_ = static_cast<float>(std::clamp(volume0to100, 0, 100)) / 100.0f;
  if (output_ != nullptr) output_->setVolume(volume_);
}

void QtMusicPlayer::OnStopped(std::function<void()> handler) { onStopped_ = std::move(handler); }

void QtMusicPlayer::Retire() {
  if (!player_) return;
  // Cut off before stopping: the stop, and whatever the backend still has to say about this
  // track, is not the end of the track the game is waiting for.
  QObject::disconnect(player_.get(), nullptr, anchor_.get(), nullptr);
  player_.reset();  // stops the pipeline and releases the file
  output_ = nullptr;
}

void QtMusicPlayer::TrackFailed(std::uint64_t track) {
  // A failed GStreamer pipeline blocks for a second when it is stopped or given a new source,
  // which would freeze the game; the next track gets a player of its own anyway. The broken one
  // is cut off and deleted once we are out of its signal.
  QMediaPlayer* broken = player_.release();
  output_ = nullptr;
  QObject::disconnect(broken, nullptr, anchor_.get(), nullptr);
  broken->deleteLater();
  ReportLater(track);
}

void QtMusicPlayer::ReportLater(std::uint64_t track) {
  // Always from the event loop, also for an error raised inside one of our own calls; by then
  // the track may have been replaced or closed, and then its end is nobody's business.
  QTimer::singleShot(0, anchor_.get(), [this, track] {
    if (track != track_ || ended_) return;
    ended_ = true;
    const auto handler = onStopped_;  // the handler may replace itself
    if (handler) handler();
  });
}

}  // namespace pelmora
