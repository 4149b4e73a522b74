// The game shell: the state it owns, the ports it gives the rules, and the frames.
#include "shell/GameShell.h"

#include <QApplication>

#include "leaderboard/QtLeaderboardHost.h"
#include "platform/Paths.h"
#include "platform/qt/QtPictures.h"
#include "view/ScorePicture.h"

namespace pelmora {

GameShell::GameShell(std::string gameFolder, ShellPorts ports)
    : folder_(std::move(gameFolder)),
      io_(std::move(ports)),
      field_(kFieldWidth, kFieldHeight),
      score_(122, 27),
      music_(io_.music, io_.random, settings_, folder_),
      rules_(game_, settings_, RulesPorts{io_.cues, *this, *this, *this, io_.random}),
      painter_(game_, store_, field_, [this](Surface& field) { DrawSnow(snow_, io_.random, field); }),
      driver_(io_.tick, [this] { return FrameMayRun(); }, [this] { RunOneFrame(); }) {
  frm_ = std::make_unique<FrmMain>(QString::fromStdString(NativePath(folder_ + "\\ui")));
  menu_ = std::make_unique<GameMenu>(GameMenuActions{
      [this](int i) { ChoosePictureSet(i); }, [this] { ShowHelp(); }, [this] { ShowLeaderboard(); },
      [this] { OpenWebPage(); }, [this] { ShowAbout(); }, [this] { ExitCommand(); }});
  if (!io_.leaderboard) {
    ownLeaderboard_ =
        std::make_unique<QtLeaderboardHost>(frm_.get(), QString::fromStdString(folder_), PXBPath(folder_));
    io_.leaderboard = ownLeaderboard_.get();
  }
  mapMoveDownTimer_.setTimerType(Qt::PreciseTimer);
  connect(&mapMoveDownTimer_, &QTimer::timeout, this, &GameShell::DescentTimerTick);
  ConnectWindow();
}

GameShell::~GameShell() = default;

void GameShell::ConnectWindow() {
  FrmMain* w = frm_.get();
  connect(w, &FrmMain::commandPressed, this, [this](int index) {
    if (index == 1) NewGameCommand();
    if (index == 2) ExitCommand();
    if (index == 4) OpenGameMenu();
  });
  connect(w, &FrmMain::modeLabelClicked, this, &GameShell::SelectGameMode);
  connect(w->ComZNJB(), &ModeSlider::modeChosen, this, &GameShell::SelectGameMode);
  connect(w->PicGameMap(), &FieldView::pointerMoved, this, [this](double x) { rules_.PointerMoved(x); });
  connect(w->PicGameMap(), &FieldView::pressed, this,
          [this](MouseButton button, double x) { rules_.MousePressed(button, x); });
  connect(w->CheckMediaON(), &QCheckBox::toggled, this, [this](bool on) { music_.SetMusicSwitch(on); });
  connect(w->CheckSoundON(), &QCheckBox::toggled, this, [this](bool on) { music_.SetSoundSwitch(on); });
  connect(w, &FrmMain::closing, this, &GameShell::Shutdown);
}

bool GameShell::FrameMayRun() const {
  return game_.State != GameState::Pause && QApplication::activeModalWidget() == nullptr &&
         QApplication::activePopupWidget() == nullptr;
}

void GameShell::RunOneFrame() {
  RunFrame(rules_, painter_);
  frm_->ShowField(AsImage(field_));
}

void GameShell::NewGameCommand() { rules_.NewGame(*this); }

void GameShell::DescentTimerTick() {
  rules_.DescentTick();
  music_.OnDescentTick();
}

bool GameShell::ConfirmRestart() {
  return io_.dialogs.Message("游戏还没结束,真的要重新开始吗?", "提示", Buttons::OkCancel, Icon::Question) == Answer::Ok;
}

void GameShell::StartMusic() { music_.OnNewGame(); }

void GameShell::SetUpSnow() { LoadSnowForCurrentSet(); }

void GameShell::LoadPictureSet() { LoadCurrentPictureSet(); }

void GameShell::RestartLoop() { driver_.Restart(); }

void GameShell::ShowDigits(std::string_view eightDigits) {
  PaintScoreDigits(score_, store_.Su, eightDigits);
  frm_->ShowScore(AsImage(score_));
}

void GameShell::ShowLevelCaption(const std::string& caption) {
  frm_->SetLevelCaption(QString::fromStdString(caption));
}

void GameShell::EnterPXB(std::int32_t score) { pelmora::EnterPXB(score, pxb_, io_.dialogs, *io_.leaderboard); }

void GameShell::Start(int intervalMs) { mapMoveDownTimer_.start(intervalMs); }

void GameShell::SetInterval(int intervalMs) { mapMoveDownTimer_.setInterval(intervalMs); }

void GameShell::Stop() { mapMoveDownTimer_.stop(); }

const PictureSet* GameShell::CurrentSet() const {
  const int i = settings_.GameMain;
  return i >= 1 && i <= static_cast<int>(sets_.size()) ? &sets_[static_cast<std::size_t>(i - 1)] : nullptr;
}

void GameShell::LoadSnowForCurrentSet() {
  if (const PictureSet* set = CurrentSet()) LoadSnow(snow_, game_.SnowShow, set->Path, io_.dialogs, io_.pictures, io_.random);
}

void GameShell::LoadCurrentPictureSet() {
  const PictureSet* set = CurrentSet();
  if (!set) return;
  if (auto failed = pelmora::LoadPictureSet(store_, set->Path, io_.pictures)) {
    io_.dialogs.Message("图片组“" + set->Name + "”的图片无法读取：\n" + NativePath(set->Path + *failed) +
                            "\n\n继续使用原来的图片。",
                        "警告", Buttons::Ok, Icon::Exclamation);
  }
  // Before the loop runs the field shows its background as it is; afterwards every frame does.
  if (!driver_.running()) frm_->ShowField(AsImage(store_.GameMap));
}


}  // namespace pelmora
