#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include "support/MouseDrive.h"
#include "leaderboard/qt/FrmPXB.h"
#include "view/Layout.h"
#include "leaderboard/qt/QtLeaderboardHost.h"

namespace pelmora {
namespace {

using testing::MouseDrive;

const QRgb kPictureBlue = qRgb(0, 0, 255);

// A game folder of our own with a plain blue ui/PxbBack.png of the real size, 360 x 288.
struct GameFolder {
  QTemporaryDir dir;
  QString Path() const { return dir.path(); }
  void WriteBackground() const {
    QDir(dir.path()).mkpath(QStringLiteral("ui"));
    QImage picture(360, 288, QImage::Format_RGB32);
    picture.fill(kPictureBlue);
    ASSERT_TRUE(picture.save(dir.path() + QStringLiteral("/ui/PxbBack.png")));
  }
};

PXBList ThreeRows() {
  PXBList list;
  list[0] = {"张三", 1234, "2024/5/3"};
  list[1] = {"李四", 99, "2024/5/4"};
  list[2] = {"<b>x</b>", 7, "2024/5/5"};  // shown as typed, never as markup
  return list;
}

struct FrmPXBTest : ::testing::Test {
  GameFolder folder;
  QWidget owner;  // the main window
  void SetUp() override {
    owner.setGeometry(100, 50, 651, 551);
    owner.show();
  }
};

TEST_F(FrmPXBTest, WindowIsBorderlessOutOfTheTaskbarModalAndSeeThrough) {
  FrmPXB window(PXBList{}, &owner, folder.Path());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumo排行榜"));
  EXPECT_EQ(window.size(), QSize(360, 288));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.windowType(), Qt::Tool);
  EXPECT_TRUE(window.isModal());
  EXPECT_EQ(window.Alpha(), 200);
}

TEST_F(FrmPXBTest, WindowIsCentredOverItsOwner) {
  FrmPXB window(PXBList{}, &owner, folder.Path());
  const QRect main = owner.frameGeometry();
  EXPECT_EQ(window.pos(), QPoint(main.x() + (main.width() - 360) / 2, main.y() + (main.height() - 288) / 2));
  // Centred means the same middle, to the pixel a halving can lose.
  const QPoint offset = window.frameGeometry().center() - main.center();
  EXPECT_LE(std::abs(offset.x()), 1);
  EXPECT_LE(std::abs(offset.y()), 1);
}

// Painted by the window itself, its controls with it; window opacity stays untouched.
TEST_F(FrmPXBTest, TmFromPaintsTheWholeWindowAtThatAlpha) {
  FrmPXB window(ThreeRows(), &owner, folder.Path());
  window.tmFrom(51);
  const QImage shown = window.grab().toImage();
  for (QPoint p : {QPoint(5, 5), window.ComClose()->geometry().center()}) EXPECT_NEAR(qAlpha(shown.pixel(p)), 51, 1);
  EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

TEST_F(FrmPXBTest, LabelsSitInTheirColumnsAndRows) {
  FrmPXB window(ThreeRows(), &owner, folder.Path());
  const char* places[] = {"０１．", "０２．", "０３．", "０４．", "０５．", "０６．", "０７．", "０８．", "０９．", "１０．"};
  for (int i = 1; i <= 10; ++i) {
    const int y = 72 + 16 * (i - 1);
    SCOPED_TRACE(i);
    EXPECT_EQ(window.Label1(i)->pos(), QPoint(24, y));
    EXPECT_EQ(window.LabName(i)->pos(), QPoint(64, y));
    EXPECT_EQ(window.LabScore(i)->pos(), QPoint(152, y));
    EXPECT_EQ(window.LabDate(i)->pos(), QPoint(248, y));
    EXPECT_EQ(window.Label1(i)->text(), QString::fromUtf8(places[i - 1]));
    for (QLabel* label : {window.Label1(i), window.LabName(i), window.LabScore(i), window.LabDate(i)}) {
      EXPECT_EQ(label->size(), label->sizeHint()) << label->text().toStdString();
      EXPECT_LE(label->height(), 16) << "one line must fit the row";
    }
  }
  // The widest texts of neighbouring columns do not run into each other.
  EXPECT_LE(window.LabName(1)->geometry().right(), 152);
  EXPECT_LE(window.LabScore(1)->geometry().right(), 248);
}

TEST_F(FrmPXBTest, RowsShowTheTableAndEmptyRowsShowZero) {
  FrmPXB window(ThreeRows(), &owner, folder.Path());
  EXPECT_EQ(window.LabName(1)->text(), QStringLiteral("张三"));
  EXPECT_EQ(window.LabScore(1)->text(), QStringLiteral("1234"));
  EXPECT_EQ(window.LabDate(1)->text(), QStringLiteral("2024/5/3"));
  EXPECT_EQ(window.LabName(2)->text(), QStringLiteral("李四"));
  EXPECT_EQ(window.LabScore(2)->text(), QStringLiteral("99"));
  EXPECT_EQ(window.LabName(3)->text(), QStringLiteral("<b>x</b>"));
  EXPECT_EQ(window.LabName(3)->textFormat(), Qt::PlainText);
  for (int i = 4; i <= 10; ++i) {
    EXPECT_EQ(window.LabName(i)->text(), QString());
    EXPECT_EQ(window.LabScore(i)->text(), QStringLiteral("0"));
    EXPECT_EQ(window.LabDate(i)->text(), QString());
  }
}

TEST_F(FrmPXBTest, CloseButtonHasItsPlaceAndCaption) {
  FrmPXB window(PXBList{}, &owner, folder.Path());
  EXPECT_EQ(window.ComClose()->text(), QStringLiteral("关闭"));
  EXPECT_EQ(window.ComClose()->geometry(), QRect(64, 256, 209, 25));
}

TEST_F(FrmPXBTest, BackgroundPictureSitsAtTheCornerAndTheLabelsDrawRedOnIt) {
  folder.WriteBackground();
  FrmPXB window(ThreeRows(), &owner, folder.Path());
  window.tmFrom(255);
  const QImage shot = window.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(360, 288));
  EXPECT_EQ(shot.pixel(0, 0), kPictureBlue);
  EXPECT_EQ(shot.pixel(359, 287), kPictureBlue);  // to its last column and row: no strip

  // Inside a label only red text over the blue picture: no fill of the label's own.
  const QRect name = window.LabName(1)->geometry();
  int red = 0;
  for (int y = name.top(); y <= name.bottom(); ++y) {
    for (int x = name.left(); x <= name.right(); ++x) {
      const QRgb p = shot.pixel(x, y);
      EXPECT_LT(qGreen(p), 8) << x << "," << y;
      red += qRed(p) > 200 && qBlue(p) < 60;
    }
  }
  EXPECT_GT(red, 3);
  EXPECT_EQ(shot.pixel(name.topLeft()), kPictureBlue);
  EXPECT_EQ(window.LabName(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

// The longest names the file holds, 16 bytes: 16 wide letters, or 8 Chinese characters.
TEST_F(FrmPXBTest, ALongNameIsCutShortOfTheScoreWhichShowsAsWithoutAName) {
  folder.WriteBackground();
  PXBList named = ThreeRows();
  named[0].Name = "WWWWWWWWWWWWWWWW";
  named[1].Name = "八个汉字的长名字";
  PXBList nameless = named;
  for (PXBEntry& row : nameless) row.Name.clear();
  FrmPXB window(named, &owner, folder.Path());
  FrmPXB reference(nameless, &owner, folder.Path());
  const QImage shot = window.grab().toImage();
  const QImage without = reference.grab().toImage();
  const int scoreColumn = window.LabScore(1)->x();
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    const QRect name = window.LabName(i)->geometry();
    EXPECT_LE(name.right(), scoreColumn - 4) << "a gap before the score";
    // From a few pixels before the score column on, the row is painted exactly as if it had no
    // name: the score and the date are whole.
    const int top = 72 + 16 * (i - 1);
    for (int y = top; y < top + 16; ++y)
      for (int x = scoreColumn - 4; x < layout::kBoardWidth; ++x)
        ASSERT_EQ(shot.pixel(x, y), without.pixel(x, y)) << x << "," << y;
  }
  // The cut name keeps its beginning and says that it goes on; a name that fits stays whole.
  EXPECT_TRUE(window.LabName(1)->text().startsWith("WWWW")) << window.LabName(1)->text().toStdString();
  EXPECT_TRUE(window.LabName(1)->text().endsWith(QChar(0x2026)));
  EXPECT_TRUE(window.LabName(2)->text().startsWith(QStringLiteral("八个汉字")));
  EXPECT_TRUE(window.LabName(2)->text().endsWith(QChar(0x2026)));
  EXPECT_EQ(window.LabName(3)->text(), QStringLiteral("<b>x</b>"));
}

TEST_F(FrmPXBTest, MissingBackgroundPictureLeavesThePlainWindowColour) {
  FrmPXB window(PXBList{}, &owner, folder.Path());
  window.tmFrom(255);
  const QImage shot = window.grab().toImage();
  EXPECT_EQ(shot.pixel(5, 5), window.palette().color(QPalette::Window).rgb());
  EXPECT_EQ(shot.pixel(350, 280), window.palette().color(QPalette::Window).rgb());
}

TEST_F(FrmPXBTest, DraggingALabelOrTheBackgroundMovesTheWindowNotTheOwner) {
  FrmPXB window(ThreeRows(), &owner, folder.Path());
  window.show();
  const QPoint start = window.pos();
  const QPoint ownerStart = owner.pos();
  MouseDrive(window.LabName(1), {2, 2}).Drag({{10, 0}, {15, 7}});
  EXPECT_EQ(window.pos(), start + QPoint(25, 7));
  MouseDrive(&window, {5, 5}).Drag({{-40, -20}});
  EXPECT_EQ(window.pos(), start + QPoint(-15, -13));
  EXPECT_EQ(owner.pos(), ownerStart);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(FrmPXBTest, CloseButtonClosesTheWindowWithoutMovingIt) {
  FrmPXB window(ThreeRows(), &owner, folder.Path());
  int finished = 0;
  QObject::connect(&window, &QDialog::finished, [&finished] { ++finished; });
  window.show();
  const QPoint start = window.pos();
  MouseDrive(window.ComClose(), {100, 12}).Drag({{3, 2}});
  EXPECT_EQ(window.pos(), start);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(finished, 1);
}

TEST_F(FrmPXBTest, HostSavesToTheDataDatItIsGiven) {
  // The player's data.dat may live apart from the game folder, whose pictures the window shows.
  ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("player")));
  const std::string pxbPath = (folder.Path() + QStringLiteral("/player/data.dat")).toStdString();
  QtLeaderboardHost host(&owner, folder.Path(), pxbPath);
  PXBList list;
  ASSERT_EQ(host.Store({"甲", 5, "d"}, list), std::nullopt);
  EXPECT_EQ(list[0], (PXBEntry{"甲", 5, "d"}));
  EXPECT_EQ(LoadPXB(pxbPath), list);
  EXPECT_FALSE(QFile::exists(folder.Path() + QStringLiteral("/data.dat")));
  EXPECT_FALSE(host.Today().empty());
}

}  // namespace
}  // namespace pelmora
