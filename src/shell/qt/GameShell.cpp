// The Qt shell around the session: the window's signals in, the session's pictures out.
#include "shell/qt/GameShell.h"

#include <QApplication>
#include <QKeyEvent>

#include "leaderboard/qt/QtLeaderboardHost.h"
#include "platform/AppInfo.h"
#include "platform/Paths.h"
#include "platform/qt/QtLanguage.h"
#include "platform/qt/QtPictures.h"
#include "view/ControlPanel.h"
#include "view/Layout.h"
#include "game/GameFiles.h"

namespace pelmora {

GameShell::GameShell(GameFolders folders, ShellPorts ports)
    : io_(std::move(ports)),
      frm_(std::make_unique<FrmMain>(QString::fromStdString(GamePath(folders.GameFolder, files::kUi)))),
      descentTimer_(io_.tick, [this] { session_->DescentTimerTick(); }),
      driver_(io_.tick, [this] { return FrameMayRun(); }, [this] { session_->RunOneFrame(); }) {
  menu_ = std::make_unique<GameMenu>(GameMenuActions{
      [this](int i) { session_->ChoosePictureSet(i); }, [this] { session_->ShowHelp(); },
      [this] { session_->ShowLeaderboard(); }, [this] { session_->OpenWebPage(); }, [this] { session_->ShowAbout(); },
      [this] { session_->ExitCommand(); },
      [this](Language language) {
        UseLanguage(language);  // every window words itself anew
        session_->LanguageChosen(language);
      }});
  if (!io_.leaderboard) {
    ownLeaderboard_ = std::make_unique<QtLeaderboardHost>(frm_.get(), QString::fromStdString(folders.GameFolder),
                                                          folders.LeaderboardFile);
    io_.leaderboard = ownLeaderboard_.get();
  }
  session_ = std::make_unique<Session>(
      std::move(folders), SessionPorts{io_, *this, driver_, descentTimer_, *io_.leaderboard});
  session_->SetDeviceScale(frm_->DeviceScale());
  ConnectWindow();
}

GameShell::~GameShell() = default;

void GameShell::ConnectWindow() {
  FrmMain* w = frm_.get();
  connect(w, &FrmMain::commandPressed, this, [this](int index) {
    switch (static_cast<Command>(index)) {
      case Command::NewGame: session_->NewGameCommand(); break;
      case Command::Exit: session_->ExitCommand(); break;
      case Command::Menu: OpenGameMenu(); break;
    }
  });
  connect(w, &FrmMain::modeLabelClicked, this, [this](int mode) { session_->SelectGameMode(mode); });
  connect(w->ComZNJB(), &ModeSlider::modeChosen, this, [this](int mode) { session_->SelectGameMode(mode); });
  connect(w->PicGameMap(), &FieldView::pointerMoved, this, [this](double x) { session_->PointerMoved(x); });
  connect(w->PicGameMap(), &FieldView::pressed, this,
          [this](MouseButton button, double x) { session_->PointerPressed(button, x); });
  connect(w->CheckMediaON(), &QCheckBox::toggled, this, [this](bool on) { session_->MusicSwitchChanged(on); });
  connect(w->CheckSoundON(), &QCheckBox::toggled, this, [this](bool on) { session_->SoundSwitchChanged(on); });
  connect(w, &FrmMain::closing, this, [this] { session_->Shutdown(); });
  connect(w, &FrmMain::deviceScaleChanged, this, [this](int scale) { session_->SetDeviceScale(scale); });
  // The keys reach the window itself: none of its controls takes the focus (see FrmMain).
  w->installEventFilter(this);
  // Another program took the focus. The focus moving to the game's own dialogues and menu, or a
  // dialogue being dragged (the desktop holds the keyboard meanwhile), is not that; the game is
  // held while they are open anyway.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && !OwnDialogueOpen()) session_->PauseIfRunning();
  });
}

bool GameShell::eventFilter(QObject* watched, QEvent* event) {
  if (watched == frm_.get()) {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<const QKeyEvent*>(event);
      if (KeyPressed(key->key(), key->modifiers())) return true;
    } else if (event->type() == QEvent::WindowStateChange && frm_->isMinimized()) {
      session_->PauseIfRunning();
    }
  }
  return QObject::eventFilter(watched, event);
}

// The keyboard's way to play: the arrows (or A, D) choose the column, up (or Space, W) is the
// left button, down (or S) the right one; F2 and Ctrl+N start a game, F1 shows the help, and
// P, Pause and Esc pause and resume. Returns whether the key meant something.
bool GameShell::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ControlModifier) {
    if (key != Qt::Key_N) return false;
    session_->NewGameCommand();
    return true;
  }
  switch (key) {
    case Qt::Key_Left: case Qt::Key_A: session_->MoveColumnBy(-1); return true;
    case Qt::Key_Right: case Qt::Key_D: session_->MoveColumnBy(1); return true;
    case Qt::Key_Up: case Qt::Key_Space: case Qt::Key_W: session_->KeyPress(MouseButton::Left); return true;
    case Qt::Key_Down: case Qt::Key_S: session_->KeyPress(MouseButton::Right); return true;
    case Qt::Key_F2: session_->NewGameCommand(); return true;
    case Qt::Key_F1: session_->ShowHelp(); return true;
    case Qt::Key_P: case Qt::Key_Pause: case Qt::Key_Escape: session_->TogglePause(); return true;
    default: return false;
  }
}

bool GameShell::OwnDialogueOpen() {
  return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr;
}

// Every modal dialogue and the pop-up menu hold the loop, as a handler that has not returned
// would; so does the shutdown.
bool GameShell::FrameMayRun() const { return session_->FramesMayRun() && !OwnDialogueOpen(); }

void GameShell::OpenGameMenu() {
  const QWidget* button = frm_->ComBox(static_cast<int>(Command::Menu));
  menu_->PopUp(frm_->mapToGlobal(QPoint(button->x() + layout::kMenuPopUpOffsetX, button->y() + button->height())));
}

// The session's pictures are drawn at its device scale.
void GameShell::ShowField(const Surface& field) { frm_->ShowField(AsImage(field, session_->deviceScale())); }

void GameShell::ShowFieldChanges(const Surface& field, const std::vector<layout::Rect>& changed) {
  QList<QRect> rects;
  for (const layout::Rect& r : changed) rects.append(QRect(r.x, r.y, r.w, r.h));
  frm_->ShowFieldChanges(AsImage(field, session_->deviceScale()), rects);
}

void GameShell::ShowScore(const Surface& picture) { frm_->ShowScore(OpaqueImage(picture, session_->deviceScale())); }

void GameShell::ShowLevel(int level) { frm_->SetLevel(level); }

void GameShell::ShowMode(int mode) {
  frm_->ShowModeColours(mode);
  frm_->ShowSliderPicture(mode);
}

void GameShell::SetMusicSwitch(bool on) { frm_->CheckMediaON()->setChecked(on); }

void GameShell::SetSoundSwitch(bool on) { frm_->CheckSoundON()->setChecked(on); }

void GameShell::AddPictureSet(const std::string& name) { menu_->AddPictureSet(QString::fromStdString(name)); }

void GameShell::Close() { frm_->close(); }

namespace {

// What the player reads about each problem with a file of theirs.
Text FileProblemText(FileProblem problem, const std::string& path) {
  switch (problem) {
    case FileProblem::SettingsNotText:
      return Text(QT_TRANSLATE_NOOP("Pelmora", "设置文件 %1 不是游戏能读的文字（应为 GBK 或 UTF-8）。\n"
                                               "这次使用默认设置；退出时不会改动这个文件。"),
                  {path});
  }
  return Text();
}

}  // namespace

void GameShell::TellFileProblem(FileProblem problem, const std::string& path) {
  io_.dialogs.Message(FileProblemText(problem, path), kAppTitle, Buttons::Ok, Icon::Exclamation);
}

}  // namespace pelmora
