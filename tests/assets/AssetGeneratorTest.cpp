// The generator program itself: the same bytes on every run, the shipped settings file, the
// player's settings kept with --keep-settings, and clear failures for bad arguments and
// folders it cannot make.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "platform/TextCodec.h"

namespace pelmora::testing {
namespace {

struct GeneratorRun {
  int exitCode = -1;
  QByteArray output;
  qint64 ms = 0;
};

GeneratorRun Generate(const QStringList& args) {
  QProcess p;
  p.setProgram(QStringLiteral(PELMORA_ASSETS_EXE));
  p.setArguments(args);
  p.setProcessChannelMode(QProcess::MergedChannels);
  QElapsedTimer clock;
  clock.start();
  p.start();
  p.waitForFinished(300000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll(), clock.elapsed()};
}

std::map<QString, QByteArray> Files(const QString& root) {
  std::map<QString, QByteArray> files;
  QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    files[QDir(root).relativeFilePath(path)] = f.readAll();
  }
  return files;
}

TEST(Generator, WritesTheSameBytesOnEveryRun) {
  QTemporaryDir a, b;
  ASSERT_TRUE(a.isValid() && b.isValid());
  const GeneratorRun first = Generate({a.path()});
  ASSERT_EQ(first.exitCode, 0) << first.output.constData();
  // --keep-settings changes nothing while there is no settings file yet.
  const GeneratorRun second = Generate({b.path(), "--keep-settings", "--contact-sheet", b.filePath("sheet/contact.png")});
  ASSERT_EQ(second.exitCode, 0) << second.output.constData();
  std::cout << "[ generator run time: " << first.ms << " ms, and " << second.ms << " ms with the contact sheet ]\n";
  EXPECT_FALSE(QImage(b.filePath("sheet/contact.png")).isNull());

  auto one = Files(a.path()), two = Files(b.path());
  two.erase("sheet/contact.png");
  // Every file, the pictures at twice the size among them.
  EXPECT_GT(one.size(), 110u);
  EXPECT_EQ(one.count("ui/MainBack@2x.png"), 1u);
  ASSERT_EQ(one.size(), two.size());
  for (const auto& [name, bytes] : one) {
    const auto other = two.find(name);
    ASSERT_NE(other, two.end()) << qPrintable(name);
    EXPECT_TRUE(bytes == other->second) << qPrintable(name) << " differs between runs";
  }
}

TEST(Generator, ShipsGbkSettingsWithEveryKeyAndCrLf) {
  QTemporaryDir a;
  const GeneratorRun run = Generate({a.path()});
  ASSERT_EQ(run.exitCode, 0) << run.output.constData();
  QFile file(a.filePath("VornPGame.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const std::string expected =
      "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\nGameMain=1\r\n"
      "[GameMenu]\r\nMenu=3\r\n"
      "MenuName1=\xB1\xA6\xCA\xAF\r\nMenuPath1=\\pics\\gems\\\r\n"     // 宝石
      "MenuName2=\xBB\xA8\xD4\xB0\r\nMenuPath2=\\pics\\garden\\\r\n"   // 花园
      "MenuName3=\xB6\xAC\xD1\xA9\r\nMenuPath3=\\pics\\winter\\\r\n";  // 冬雪
  EXPECT_EQ(bytes.toStdString(), expected);
  // GBK, not UTF-8: the game's decoder reads it as GBK and gets the Chinese names back.
  const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  EXPECT_FALSE(IsValidUtf8(raw));
  const std::string text = DecodeSettingsText(raw);
  EXPECT_NE(text.find("MenuName1=宝石\r\n"), std::string::npos);
  EXPECT_NE(text.find("MenuName2=花园\r\n"), std::string::npos);
  EXPECT_NE(text.find("MenuName3=冬雪\r\n"), std::string::npos);
}

TEST(Generator, KeepSettingsLeavesThePlayersFileAlone) {
  // The game has written the player's choices back; a rebuild must not reset them.
  QTemporaryDir a;
  const QByteArray players = "[UserSet]\r\nMediaON=False\r\nMediaMax=35\r\n";
  {
    QFile ini(a.filePath("VornPGame.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(players);
  }
  const GeneratorRun run = Generate({a.path(), "--keep-settings"});
  ASSERT_EQ(run.exitCode, 0) << run.output.constData();
  const auto files = Files(a.path());
  EXPECT_EQ(files.at("VornPGame.ini"), players);
  EXPECT_FALSE(files.at("Help.txt").isEmpty());
  EXPECT_FALSE(files.at("images/RStar.JPG").isEmpty());
}

TEST(Generator, RefusesBadArgumentsAndFoldersItCannotMake) {
  EXPECT_EQ(Generate({}).exitCode, 2);
  EXPECT_EQ(Generate({"--keep-settings"}).exitCode, 2);
  EXPECT_EQ(Generate({"a", "b"}).exitCode, 2);
  EXPECT_EQ(Generate({"a", "--contact-sheet"}).exitCode, 2);
  // A folder below a plain file cannot be made, not even by root.
  QTemporaryDir tmp;
  QFile file(tmp.filePath("plain"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const GeneratorRun run = Generate({tmp.filePath("plain/game")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.output.contains("cannot create")) << run.output.constData();
}

}  // namespace
}  // namespace pelmora::testing
