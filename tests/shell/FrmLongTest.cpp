#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "shell/qt/FrmLong.h"

namespace pelmora {
namespace {

// A game folder of our own, so the test decides what images/Long.JPG holds.
struct SplashFolder {
  QTemporaryDir dir;
  SplashFolder() { QDir(dir.path()).mkpath(QStringLiteral("images")); }
  QString Path() const { return dir.path(); }
  QString Picture() const { return dir.path() + QStringLiteral("/images/Long.JPG"); }
  // Left half red, right half blue.
  void WriteHalvesPicture() const {
    QImage image(40, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 40; ++x) image.setPixel(x, y, x < 20 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    }
    ASSERT_TRUE(image.save(Picture(), "JPG", 100));
  }
};

bool Near(QRgb pixel, QRgb expected, int tolerance = 40) {
  return std::abs(qRed(pixel) - qRed(expected)) <= tolerance && std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
         std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

int Alpha(const FrmLong& splash) { return splash.Alpha(); }

TEST(FrmLong, IsASmallBorderlessWindowCentredOnTheScreen) {
  SplashFolder folder;
  FrmLong splash(folder.Path());
  EXPECT_EQ(splash.windowTitle(), QStringLiteral("Lumo程序加载"));
  EXPECT_EQ(splash.size(), QSize(279, 278));
  EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(splash.windowType(), Qt::Tool);  // no taskbar entry
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(splash.pos(), QPoint(screen.x() + (screen.width() - 279) / 2, screen.y() + (screen.height() - 278) / 2));
  // Painted at alpha 50, not asked of the window system, which may not do it.
  EXPECT_DOUBLE_EQ(splash.windowOpacity(), 1.0);
  EXPECT_NEAR(qAlpha(splash.grab().toImage().pixel(140, 140)), 50, 1);
}

TEST(FrmLong, FadesUpToOpaqueOnceThenDownAndClosesOnTheEightySecondTick) {
  SplashFolder folder;
  FrmLong splash(folder.Path());
  int finished = 0;
  QObject::connect(&splash, &QDialog::finished, [&finished] { ++finished; });
  splash.show();

  std::vector<int> seen;
  for (int tick = 1; tick <= 81; ++tick) {
    splash.Tick();
    seen.push_back(Alpha(splash));
    ASSERT_TRUE(splash.isVisible()) << "closed early, on tick " << tick;
  }
  std::vector<int> expected;
  for (int a = 55; a <= 255; a += 5) expected.push_back(a);  // 41 ticks up
  for (int a = 250; a >= 55; a -= 5) expected.push_back(a);  // 40 ticks down
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(splash.FadeIn());

  splash.Tick();  // the 82nd: back at 50, which is not applied
  EXPECT_FALSE(splash.isVisible());
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(Alpha(splash), 55);
  EXPECT_FALSE(splash.findChild<QTimer*>(QStringLiteral("LongTimer"))->isActive());

  for (int more = 0; more < 20; ++more) splash.Tick();  // a late tick changes nothing
  EXPECT_EQ(Alpha(splash), 55);
  EXPECT_EQ(splash.FadeAlpha(), 50);
  EXPECT_EQ(finished, 1);
}

TEST(FrmLong, TimerStartsWhenTheWindowIsShown) {
  SplashFolder folder;
  FrmLong splash(folder.Path());
  auto* timer = splash.findChild<QTimer*>(QStringLiteral("LongTimer"));
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
  splash.show();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 10);
}

TEST(FrmLong, RunningModallyTheFadeClosesTheWindowByItself) {
  SplashFolder folder;
  FrmLong splash(folder.Path());
  bool rescued = false;
  // Only a guard against a hang: the fade takes 82 ticks of 10 ms.
  QTimer::singleShot(20000, &splash, [&] {
    rescued = true;
    splash.close();
  });
  splash.exec();
  EXPECT_FALSE(rescued);
  EXPECT_EQ(splash.FadeAlpha(), 50);
}

TEST(FrmLong, PictureIsStretchedOverTheWholeWindow) {
  SplashFolder folder;
  folder.WriteHalvesPicture();
  FrmLong splash(folder.Path());
  ASSERT_TRUE(splash.HasPicture());
  splash.tmFrom(255);
  const QImage shot = splash.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(279, 278));
  const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
  EXPECT_TRUE(Near(shot.pixel(0, 0), red));
  EXPECT_TRUE(Near(shot.pixel(0, 277), red));
  EXPECT_TRUE(Near(shot.pixel(120, 139), red));
  EXPECT_TRUE(Near(shot.pixel(160, 139), blue));  // the 40-pixel picture spans the full width
  EXPECT_TRUE(Near(shot.pixel(278, 0), blue));
  EXPECT_TRUE(Near(shot.pixel(278, 277), blue));
}

void ExpectPlainBackground(const FrmLong& splash) {
  EXPECT_FALSE(splash.HasPicture());
  const_cast<FrmLong&>(splash).tmFrom(255);
  const QImage shot = const_cast<FrmLong&>(splash).grab().toImage();
  const QRgb window = splash.palette().color(QPalette::Window).rgb();
  for (QPoint p : {QPoint(0, 0), QPoint(278, 0), QPoint(139, 139), QPoint(0, 277), QPoint(278, 277)}) {
    EXPECT_EQ(shot.pixel(p), window) << p.x() << "," << p.y();
  }
}

TEST(FrmLong, MissingPictureLeavesThePlainWindowColourAndTheFadeRuns) {
  SplashFolder folder;
  FrmLong splash(folder.Path());
  ExpectPlainBackground(splash);
  splash.show();
  for (int tick = 0; tick < 82; ++tick) splash.Tick();
  EXPECT_FALSE(splash.isVisible());
}

TEST(FrmLong, UnreadablePictureLeavesThePlainWindowColour) {
  SplashFolder folder;
  QFile file(folder.Picture());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xFF\xD8\xFF this is not a picture");
  file.close();
  FrmLong splash(folder.Path());
  ExpectPlainBackground(splash);
}

}  // namespace
}  // namespace pelmora
