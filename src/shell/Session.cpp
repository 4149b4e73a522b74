// The session: the state it owns, the ports it gives the rules, the frames and the picture sets.
#include "shell/Session.h"

#include "game/Frame.h"
#include "platform/Paths.h"
#include "platform/AppInfo.h"
#include "view/Layout.h"
#include "view/ScorePicture.h"

namespace pelmora {

Session::Session(GameFolders folders, SessionPorts ports)
    : where_(std::move(folders)),
      io_(std::move(ports)),
      field_(layout::kFieldWidth, layout::kFieldHeight),
      score_(layout::kScoreBox.w, layout::kScoreBox.h),
      music_(io_.music, io_.random, settings_, where_.GameFolder),
      rules_(game_, settings_, RulesPorts{io_.cues, io_.timer, *this, *this, io_.random}),
      painter_(game_, store_, field_,
               [this] {
                 MoveSnow(snow_, io_.random);
                 return &snow_;
               }) {}

Session::~Session() = default;

void Session::RunOneFrame() {
  RunFrame(rules_, painter_);
  io_.view.ShowFieldChanges(field_, painter_.Changes());
  if (lostScore_) HandOverLostGame();
}

// The player sees the board that ended the game while the leaderboard asks; then the game-over
// picture covers it. No frame is needed until the next game: nothing moves under the picture.
void Session::HandOverLostGame() {
  const std::int32_t score = *lostScore_;
  lostScore_.reset();
  pelmora::EnterPXB(score, pxb_, io_.dialogs, io_.leaderboard);
  io_.loop.Stop();
  ShowIdleField();
}

void Session::PointerMoved(double x) {
  if (!paused_) rules_.SelectColumn(layout::PointerColumn(x));
}

void Session::PointerPressed(MouseButton button, double x) {
  if (paused_) {
    Resume();  // the click only wakes the game: it grabs nothing
    return;
  }
  rules_.SelectColumn(layout::PointerColumn(x));
  rules_.Press(button);
}

void Session::MusicSwitchChanged(bool on) { music_.SetMusicSwitch(on); }

void Session::SoundSwitchChanged(bool on) { music_.SetSoundSwitch(on); }

void Session::DescentTimerTick() {
  rules_.DescentTick();
  music_.OnDescentTick();
}

bool Session::ConfirmRestart() {
  return io_.dialogs.Message(QT_TRANSLATE_NOOP("Pelmora", "游戏还没结束,真的要重新开始吗?"),
                             QT_TRANSLATE_NOOP("Pelmora", "提示"), Buttons::OkCancel, Icon::Question) == Answer::Ok;
}

void Session::StartMusic() { music_.OnNewGame(); }

void Session::SetUpSnow() { LoadSnowForCurrentSet(); }

void Session::LoadPictureSet() { LoadCurrentPictureSet(); }

void Session::RestartLoop() { io_.loop.Restart(); }

void Session::ShowDigits(std::string_view eightDigits) {
  scoreDigits_ = eightDigits;
  PaintScoreDigits(score_, store_.Su, eightDigits, store_.scale);
  io_.view.ShowScore(score_);
}

void Session::ShowLevel(int level) { io_.view.ShowLevel(level); }

// The game-over step hands the score over in the middle of a frame; the leaderboard's turn
// waits until that frame is on screen.
void Session::EnterPXB(std::int32_t score) { lostScore_ = score; }

const PictureSet* Session::CurrentSet() const {
  const int i = settings_.GameMain;
  return i >= 1 && i <= static_cast<int>(sets_.size()) ? &sets_[static_cast<std::size_t>(i - 1)] : nullptr;
}

void Session::LoadSnowForCurrentSet() {
  if (const PictureSet* set = CurrentSet())
    LoadSnow(snow_, game_.SnowShow, set->Path, io_.dialogs, io_.pictures, io_.random, store_.scale);
}

bool Session::LoadSetOrTell(const PictureSet& set, const char* message) {
  const auto failed = pelmora::LoadPictureSet(store_, set.Path, io_.pictures);
  if (!failed) {
    setLoaded_ = true;
    return true;
  }
  io_.dialogs.Message(Text(message, {set.Name, NativePath(set.Path + *failed)}), QT_TRANSLATE_NOOP("Pelmora", "警告"),
                      Buttons::Ok, Icon::Exclamation);
  return false;
}

// Until a set has loaded, the store holds the title picture and no pieces, and a game would play
// on the title art. The chosen set is tried first, then the others in order; the first that
// loads becomes the chosen one. With none, the game cannot start.
bool Session::EnsureAPictureSetLoaded() {
  if (setLoaded_) return true;
  const int count = static_cast<int>(sets_.size());
  const int chosen = CurrentSet() ? settings_.GameMain : 1;
  for (int k = 0; k < count; ++k) {
    const int i = k == 0 ? chosen : (k <= chosen - 1 ? k : k + 1);
    const char* message = k + 1 < count ? QT_TRANSLATE_NOOP("Pelmora", "图片组“%1”的图片无法读取：\n%2\n\n改用下一个图片组。")
                                        : QT_TRANSLATE_NOOP("Pelmora", "图片组“%1”的图片无法读取：\n%2");
    if (LoadSetOrTell(sets_[static_cast<std::size_t>(i - 1)], message)) {
      settings_.GameMain = static_cast<std::int16_t>(i);
      return true;
    }
  }
  io_.dialogs.Message(QT_TRANSLATE_NOOP("Pelmora", "没有能够读取的图片组，游戏无法开始。\n请重新安装游戏。"), kAppTitle,
                      Buttons::Ok, Icon::Exclamation);
  return false;
}

void Session::LoadCurrentPictureSet() {
  const PictureSet* set = CurrentSet();
  if (!set) return;
  LoadSetOrTell(*set, QT_TRANSLATE_NOOP("Pelmora", "图片组“%1”的图片无法读取：\n%2\n\n继续使用原来的图片。"));
  ShowIdleField();
}

}  // namespace pelmora
