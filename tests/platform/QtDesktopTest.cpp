// What the desktop cannot open, the game shows itself: the help in a window of its own, an
// address in a box to copy it from.
#include "platform/qt/QtDesktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace pelmora {
namespace {

TEST(QtShellOpener, WhatNoProgramOpensTheGameShowsInAWindowOfItsOwn) {
  QTemporaryDir dir;
  const QString help = dir.path() + "/Help.txt";
  QFile file(help);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("游戏帮助\r\n第二行\r\n");
  file.close();
  QWidget owner;  // the main window, in the game's font
  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(12);
  owner.setFont(font);

  bool desktopOpens = true;
  QtShellOpener opener([&](const QUrl&, std::function<void(bool)> done) { done(desktopOpens); });
  opener.SetOwner(&owner);
  opener.Open(help.toStdString());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the desktop showed it";

  desktopOpens = false;
  opener.Open(help.toStdString());
  auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  ASSERT_NE(window, nullptr);
  const auto* text = window->findChild<QPlainTextEdit*>();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->toPlainText(), QStringLiteral("游戏帮助\n第二行\n"));
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->font().family(), font.family());
  window->close();

  opener.Open("https://pelmora.example.org/");
  window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  ASSERT_NE(window, nullptr);
  const auto* address = window->findChild<QLineEdit*>();
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(address->text(), QStringLiteral("https://pelmora.example.org/"));
  EXPECT_TRUE(address->isReadOnly());
  EXPECT_EQ(address->selectedText(), address->text()) << "ready to copy";
  window->close();
}

}  // namespace
}  // namespace pelmora
