// Sound cues with QSoundEffect.
#include "platform/qt/QtAudio.h"

#include <QApplication>
#include <QFileInfo>
#include <QObject>
#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <utility>

#include "platform/Paths.h"

namespace pelmora {

namespace {

QUrl FileUrl(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }

}  // namespace

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

}  // namespace pelmora
