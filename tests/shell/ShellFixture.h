#pragma once
// The whole game shell on fakes, in a game folder of its own: the generated pictures are linked
// in from the built game folder, the settings file is the test's.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

#include "platform/TextCodec.h"
#include "platform/qt/QtPictures.h"
#include "shell/qt/GameShell.h"
#include "shell/GameFolder.h"
#include "support/Fakes.h"

namespace pelmora::testing {

namespace fs = std::filesystem;

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() { folder.LinkBuiltPictures(PELMORA_GAME_DIR); }

  GameFolder folder;
  FakeDialogs dialogs;
  FakeCues cues;
  FakePlayer player;
  FakeOpener opener;
  QtPictureLoader pictures;
  SequenceRandom random{{0.1, 0.35, 0.6, 0.85, 0.2, 0.45, 0.7, 0.95}};
  FakeTick tick;
  FakeHost host;
  int ended = 0;
  std::unique_ptr<GameShell> shell;

  // Builds the shell and runs its start-up; false when start-up refused to go on.
  bool Start() {
    shell = std::make_unique<GameShell>(PortableGameFolders(folder.Text()), ShellPorts{{dialogs, cues, player, opener, pictures, random, [this] { ++ended; }},
                                                                             tick, &host});
    return shell->StartUp();
  }
  FrmMain& W() { return shell->window(); }

  // Mouse events delivered through the application, so that they propagate as real ones do.
  static void Send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    // As a real event carries it: the position in the window too (the field reads that one).
    QMouseEvent event(type, QPointF(pos), w->mapTo(w->window(), QPointF(pos)), w->mapToGlobal(QPointF(pos)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  }
  static void Press(QWidget* w, QPoint pos, Qt::MouseButton b = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonPress, pos, b, b);
  }
  static void Release(QWidget* w, QPoint pos, Qt::MouseButton b = Qt::LeftButton) {
    Send(w, QEvent::MouseButtonRelease, pos, b, Qt::NoButton);
  }
  static void Click(QWidget* w, QPoint pos = {5, 5}) {
    Press(w, pos);
    Release(w, pos);
  }
  static void Move(QWidget* w, QPoint pos, Qt::MouseButtons held = Qt::NoButton) {
    Send(w, QEvent::MouseMove, pos, Qt::NoButton, held);
  }
};

}  // namespace pelmora::testing
