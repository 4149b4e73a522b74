// The scale the session draws at, and moving to a screen of another scale.
#include "shell/Session.h"
#include "view/Layout.h"
#include "view/ScorePicture.h"
#include "game/GameFiles.h"

namespace pelmora {

void Session::SetDeviceScale(int scale) {
  scale = scale > 1 ? 2 : 1;
  if (scale == store_.scale) return;
  // Before start-up there is nothing loaded yet; start-up loads for the scale set here.
  const bool started = !store_.GameMapM.empty();
  if (started) {
    std::optional<SpriteStore> next = LoadedForScale(store_, where_.GameFolder + files::kImages, io_.pictures, scale);
    // The game goes on at the old scale, which the window magnifies or shrinks as it shows it.
    if (!next) return;
    store_ = std::move(*next);
  } else {
    store_.scale = scale;
  }
  field_ = Surface(layout::kFieldWidth * scale, layout::kFieldHeight * scale);
  score_ = Surface(layout::kScoreBox.w * scale, layout::kScoreBox.h * scale);
  if (!started) return;

  const PictureSet* set = CurrentSet();
  if (game_.SnowShow == kTrue && !(set && LoadSnowStrip(snow_, set->Path, io_.pictures, scale)))
    game_.SnowShow = kFalse;
  LoadCoverPictures();
  // The view shares the field's pixels, which have just been replaced: it is shown the new field
  // at once, with the background until the next frame is composed into it.
  painter_.ClearField();
  if (io_.loop.Running()) {
    io_.view.ShowField(field_);
  } else {
    ShowIdleField();
  }
  RepaintScore();
}

void Session::RepaintScore() {
  if (scoreDigits_.empty()) {
    LoadStartScore();
    return;
  }
  PaintScoreDigits(score_, store_.Su, scoreDigits_, store_.scale);
  io_.view.ShowScore(score_);
}

}  // namespace pelmora
