// Pelmora: one running instance, the splash, then the main window until it is closed.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "shell/qt/FrmLong.h"
#include "platform/qt/SingleInstance.h"
#include "game/GameFiles.h"
#include "platform/GameFolders.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/SystemFolders.h"
#include "platform/qt/GstMusicPlayer.h"
#include "platform/qt/QtAudio.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtLanguage.h"
#include "platform/qt/QtPictures.h"
#include "shell/qt/GameShell.h"

namespace {

// PELMORA_SEED makes every board of a run repeatable (window tests plan their moves with it);
// without it the boards come from the clock as usual.
std::unique_ptr<pelmora::Random> MakeRandom() {
  const QByteArray seed = qgetenv("PELMORA_SEED");
  if (seed.isEmpty()) return std::make_unique<pelmora::MersenneRandom>();
  return std::make_unique<pelmora::MersenneRandom>(static_cast<std::uint32_t>(seed.toULong()));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Pelmora");
  // A Wayland compositor finds the icon and the name through the launcher entry, pelmora.desktop.
  app.setDesktopFileName("pelmora");

  pelmora::SingleInstance instance;
  if (!instance.TryAcquire()) {  // another Pelmora runs: it comes to the front, and this one ends
    instance.AskRunningCopyToRaise();
    return 0;
  }

  // Portable beside the executable, or installed with the player's files in their own folders.
  pelmora::SystemFolderFiles files;
  pelmora::GameFolders where = pelmora::ChooseGameFolders(QCoreApplication::applicationDirPath().toStdString(),
                                                          files, pelmora::SystemEnvironment());
  pelmora::PreparePlayerFolders(where, files);
  // The player's choice, or the desktop's language; settled before any window shows a word.
  pelmora::SetLanguageFolder(where.GameFolder);
  pelmora::UseLanguage(pelmora::ReadChosenLanguage(where.SettingsToRead).value_or(pelmora::DesktopLanguage()));
  const QString folder = QString::fromStdString(where.GameFolder);
  pelmora::FrmLong::ShowModal(folder);

  pelmora::QtDialogs dialogs;
  pelmora::QtCuePlayer cues(folder.toStdString(), [] { QApplication::beep(); });
  pelmora::GstMusicPlayer music;
  pelmora::QtShellOpener opener;
  pelmora::QtPictureLoader pictures;
  const auto random = MakeRandom();
  pelmora::QtTick tick;
  pelmora::ShellPorts ports{{dialogs, cues, music, opener, pictures, *random,
                             [&instance] {
                               // Closing the window ends the program at once, also from inside a
                               // running frame or a nested dialogue: nothing further may run.
                               instance.Release();
                               std::fflush(nullptr);
                               std::_Exit(0);
                             }},
                            tick};
  pelmora::GameShell shell(std::move(where), ports);
  dialogs.SetOwner(&shell.window());
  dialogs.SetPictureFolder(QString::fromStdString(pelmora::GamePath(where.GameFolder, pelmora::files::kUi)));
  opener.SetOwner(&shell.window());
  if (!shell.StartUp()) return 1;
  shell.window().show();
  instance.RaiseOnLaterStarts(&shell.window());
  // "pelmora --new-game" starts playing at once, as the new-game button does.
  if (app.arguments().contains(QStringLiteral("--new-game"))) shell.NewGameCommand();
  return app.exec();
}
