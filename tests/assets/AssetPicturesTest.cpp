// What the pictures must show for the game to play well: kinds told apart by shape, arrows
// pointing the right way with two visibly different phases, arms that hold the heap,
// animations that move, controls where their click zones are, readable text.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

#include "AssetSupport.h"
#include "Geometry.h"
#include "game/Board.h"

namespace pelmora::testing {
namespace {

using assets::ToQRect;
constexpr int kCell = layout::kCell;
constexpr int kFrame = layout::kPlayerSize;

// The figure of a mask as booleans (true = black = figure), the way the game cleans masks.
std::vector<std::vector<bool>> Figure(const QImage& mask) {
  const QImage m = mask.convertToFormat(QImage::Format_RGB32);
  std::vector<std::vector<bool>> f(static_cast<std::size_t>(m.height()), std::vector<bool>(static_cast<std::size_t>(m.width())));
  for (int y = 0; y < m.height(); ++y)
    for (int x = 0; x < m.width(); ++x) {
      const QRgb c = m.pixel(x, y);
      f[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = qRed(c) + qGreen(c) + qBlue(c) < 3 * 128;
    }
  return f;
}

// Pixels where two equally sized areas of figures differ.
int Xor(const std::vector<std::vector<bool>>& f, QPoint a, const std::vector<std::vector<bool>>& g, QPoint b, QSize size) {
  int n = 0;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      n += f[static_cast<std::size_t>(a.y() + y)][static_cast<std::size_t>(a.x() + x)] !=
           g[static_cast<std::size_t>(b.y() + y)][static_cast<std::size_t>(b.x() + x)];
  return n;
}

int Count(const std::vector<std::vector<bool>>& f, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += f[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
  return n;
}

double MeanLuminance(const QImage& img) {
  const QImage x = img.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int j = 0; j < x.height(); ++j)
    for (int i = 0; i < x.width(); ++i) sum += Luminance(x.pixel(i, j));
  return sum / (x.width() * x.height());
}

// The share of the pixels of r on which text of colour `ink` has at least `ratio` contrast.
double Readable(const QImage& img, const QRect& r, QRgb ink, double ratio) {
  const QImage x = img.convertToFormat(QImage::Format_RGB32);
  int good = 0;
  for (int j = r.top(); j <= r.bottom(); ++j)
    for (int i = r.left(); i <= r.right(); ++i) good += Contrast(x.pixel(i, j), ink) >= ratio;
  return double(good) / (r.width() * r.height());
}

TEST(PieceSheets, EveryKindHasItsOwnSilhouetteInsideItsCell) {
  for (const char* set : {"gems", "garden", "winter"}) {
    SCOPED_TRACE(set);
    const auto f = Figure(LoadGamePicture(QString("pics/%1/GameImagesM.JPG").arg(set)));
    ASSERT_EQ(f.size(), static_cast<std::size_t>(kKinds * kCell));
    for (int k = 1; k <= kKinds; ++k) {
      SCOPED_TRACE(k);
      const QRect cell(0, layout::PieceSheetY(k), kCell, kCell);
      // Big enough to read at the size of a cell, and a free edge round it so that neighbours
      // never touch.
      EXPECT_GE(Count(f, cell), kCell * kCell * 30 / 100);
      EXPECT_EQ(Count(f, QRect(cell.left(), cell.top(), kCell, 1)) + Count(f, QRect(cell.left(), cell.bottom(), kCell, 1)) +
                    Count(f, QRect(cell.left(), cell.top(), 1, kCell)) + Count(f, QRect(cell.right(), cell.top(), 1, kCell)),
                0);
      // Told apart by shape alone, not only by colour: any two kinds differ in a good many
      // pixels of their outline.
      for (int j = 1; j < k; ++j)
        EXPECT_GE(Xor(f, cell.topLeft(), f, {0, layout::PieceSheetY(j)}, cell.size()), 110) << "against kind " << j;
    }
  }
}

TEST(AimArrows, PointTheirWayAndTheirPhasesDiffer) {
  for (const char* family : {"JTDown", "JTUp"}) {
    SCOPED_TRACE(family);
    const QString base = QString("images/") + family;
    const QImage mask = LoadGamePicture(base + "0.JPG");
    ASSERT_EQ(mask.size(), QSize(kCell, kCell));
    const auto f = Figure(mask);
    // The point is narrow and the shaft's end is broad: a grab arrow has its point at the
    // bottom, a throw arrow at the top.
    std::vector<int> width(kCell, 0);
    int n = 0, top = kCell, bottom = -1;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x)
        if (f[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
          ++width[static_cast<std::size_t>(y)];
          ++n;
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    ASSERT_GT(n, kCell * kCell / 5);
    const int nearTop = width[static_cast<std::size_t>(top + 2)], nearBottom = width[static_cast<std::size_t>(bottom - 2)];
    if (QString(family) == "JTDown") {
      EXPECT_GT(nearTop, 2 * nearBottom);
    } else {
      EXPECT_GT(nearBottom, 2 * nearTop);
    }
    // The two phases alternate every frame: visibly different inside the shared silhouette.
    const QImage one = LoadGamePicture(base + "1.JPG");
    const QImage two = LoadGamePicture(base + "2.JPG");
    EXPECT_GE(MeanDifference(one, two, mask.rect()) * kCell * kCell / n, 25.0);
  }
}

TEST(GuideDash, IsAShortSegmentInTheMiddle) {
  const auto f = Figure(LoadGamePicture("images/LineM.JPG"));
  const int all = Count(f, QRect(0, 0, kCell, layout::kDashHeight));
  EXPECT_EQ(Count(f, QRect(kCell / 2 - 4, 0, 8, layout::kDashHeight)), all);  // only around the middle
  EXPECT_GE(all, 24);
}

TEST(PlayerPictures, ArmsHoldTheHeapFromTheSides) {
  // The hand's pieces in sprite coordinates: one piece, and the heap of two or three.
  const int column = -layout::PlayerLeft(0), top = layout::kHandPieceY - layout::kPlayerTop;
  const QRect piece(column + layout::kHandCentreX, top, kCell, kCell);
  const QRect heap(column, top, layout::kHandSecondX + kCell, kCell);
  const auto one = Figure(LoadGamePicture("images/1HandM.JPG"));
  EXPECT_GT(Count(one, QRect(piece.left() - 4, top + 4, 10, 28)), 20);  // left hand on the piece's left edge
  EXPECT_GT(Count(one, QRect(piece.right() - 5, top + 4, 10, 28)), 20);  // right hand on its right edge
  const QRect middle = piece.adjusted(6, 0, -6, 0);  // the piece itself stays in view
  EXPECT_LT(Count(one, middle), middle.width() * middle.height() / 10);
  const auto two = Figure(LoadGamePicture("images/2HandM.JPG"));
  EXPECT_GT(Count(two, QRect(heap.left() - 5, top + 4, 10, 28)), 20);
  EXPECT_GT(Count(two, QRect(heap.right() - 4, top + 4, 10, 28)), 20);
  const QRect inner = heap.adjusted(6, 0, -6, 0);
  EXPECT_LT(Count(two, inner), inner.width() * inner.height() / 6);
}

TEST(PlayerPictures, AnimationsMoveAndStayInsideTheirFrames) {
  for (const char* strip : {"RStar", "RDown", "ROver", "RNoDown"}) {
    SCOPED_TRACE(strip);
    const QImage sheet = LoadGamePicture(QString("images/%1.JPG").arg(strip));
    const auto f = Figure(LoadGamePicture(QString("images/%1M.JPG").arg(strip)));
    for (int a = 0; a < layout::kPlayerFrames; ++a) {
      const QRect frame(kFrame * a, 0, kFrame, kFrame);
      // Nothing is cut off at the frame's sides.
      EXPECT_EQ(Count(f, QRect(frame.left(), 0, 1, kFrame)) + Count(f, QRect(frame.right(), 0, 1, kFrame)), 0)
          << "frame " << a;
      // The figure stands over the column's cell (sprite x 16..51, its middle at 33.5 + 2).
      int n = 0;
      double sumX = 0;
      for (int y = 0; y < kFrame; ++y)
        for (int x = 0; x < kFrame; ++x)
          if (f[static_cast<std::size_t>(y)][static_cast<std::size_t>(frame.left() + x)]) {
            sumX += x;
            ++n;
          }
      ASSERT_GT(n, kFrame * kFrame / 5);
      EXPECT_NEAR(sumX / n, 35.5, 4.0) << "frame " << a;
      // Every frame differs from the one before it: the animation moves.
      const int b = (a + layout::kPlayerFrames - 1) % layout::kPlayerFrames;
      EXPECT_GE(MeanDifference(sheet, sheet.copy(kFrame * (b - a), 0, sheet.width(), kFrame), frame), 3.0)
          << "frames " << b << " and " << a;
    }
  }
}

TEST(ScoreDigits, AreDistinctAndMatchTheStartPicture) {
  const QImage strip = LoadGamePicture("images/Number1.JPG");
  const QRect digit(0, 0, layout::kDigitWidth, layout::kDigitHeight);
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < a; ++b)
      EXPECT_GE(MeanDifference(strip.copy(digit.translated(digit.width() * a, 0)),
                               strip.copy(digit.translated(digit.width() * b, 0)), digit),
                8.0)
          << a << " and " << b;
  // The score box keeps the start picture beside and below the eight digits: same glass.
  const QImage start = LoadGamePicture("ui/ScoreStart.png").convertToFormat(QImage::Format_RGB32);
  const QRgb glass = strip.convertToFormat(QImage::Format_RGB32).pixel(0, 0);
  for (const QPoint p : {QPoint(120, 3), QPoint(121, 20), QPoint(5, 25), QPoint(100, 26)}) {
    const QRgb c = start.pixel(p);
    EXPECT_LE(std::abs(qRed(c) - qRed(glass)) + std::abs(qGreen(c) - qGreen(glass)) + std::abs(qBlue(c) - qBlue(glass)), 12);
  }
}

TEST(ModeSlider, EachKnobSitsInItsClickZone) {
  // Zones in slider pixel rows: 0..22, 23..45, 46..67, 68..89.
  const int zoneTop[4] = {0, 23, 46, 68}, zoneBottom[4] = {22, 45, 67, 89};
  std::vector<QImage> sliders;
  for (int i = 1; i <= 4; ++i) sliders.push_back(LoadGamePicture(QString("ui/Slider%1.png").arg(i)).convertToFormat(QImage::Format_RGB32));
  for (int i = 0; i < 4; ++i) {
    // The knob's rows: those where this picture differs from every other one.
    double sum = 0;
    int rows = 0;
    for (int y = 0; y < 90; ++y) {
      bool differs = true;
      for (int j = 0; j < 4 && differs; ++j) {
        if (j == i) continue;
        int d = 0;
        for (int x = 0; x < 39; ++x) d += sliders[static_cast<std::size_t>(i)].pixel(x, y) != sliders[static_cast<std::size_t>(j)].pixel(x, y);
        differs = d > 10;
      }
      if (differs) {
        sum += y;
        ++rows;
      }
    }
    ASSERT_GT(rows, 8) << "slider " << i + 1;
    const double centre = sum / rows;
    EXPECT_GE(centre, zoneTop[i] + 4) << "slider " << i + 1;
    EXPECT_LE(centre, zoneBottom[i] - 4) << "slider " << i + 1;
  }
}

TEST(Buttons, HighlightedLookIsClearlyBrighter) {
  for (const char* name : {"NewGame", "Exit", "Menu"}) {
    const double normal = MeanLuminance(LoadGamePicture(QString("ui/%1.png").arg(name)));
    const double hover = MeanLuminance(LoadGamePicture(QString("ui/%1Hover.png").arg(name)));
    EXPECT_GE(hover, normal * 1.25) << name;
  }
}

TEST(WindowPictures, CursorTipIsItsHotSpotAndIconsAreTransparentRoundTheTile) {
  const QImage cursor = LoadGamePicture("ui/Cursor.png").convertToFormat(QImage::Format_ARGB32);
  ASSERT_TRUE(cursor.hasAlphaChannel());
  ASSERT_EQ(cursor.size(), QSize(layout::kCursorSize, layout::kCursorSize));
  const int tip = layout::kCursorHotX, top = layout::kCursorHotY;
  EXPECT_GE(qAlpha(cursor.pixel(tip, top)), 200);
  // Nothing of the pointer lies above or left of its tip.
  for (int y = 0; y < cursor.height(); ++y)
    for (int x = 0; x < cursor.width(); ++x)
      if (y < top || x < tip - 1 || (y == top && x > tip + 2)) {
        EXPECT_EQ(qAlpha(cursor.pixel(x, y)), 0) << x << "," << y;
      }

  const QImage big = LoadGamePicture("ui/Icon256.png").convertToFormat(QImage::Format_ARGB32);
  for (const int size : {32, 48, 64, 128, 256}) {
    const QImage icon = LoadGamePicture(QString("ui/Icon%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_TRUE(icon.hasAlphaChannel()) << size;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    // Every size is the same picture.
    const QImage scaled = big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LE(MeanDifference(icon, scaled, QRect(0, 0, size, size)), 20.0) << size;
  }
}

TEST(WindowPictures, MainBackgroundKeepsEveryLabelReadable) {
  const QImage back = LoadGamePicture("ui/MainBack.png");
  ASSERT_EQ(back.size(), QSize(layout::kClientWidth, layout::kClientHeight));
  // "第1关" in red (it grows to the right with more digits).
  const QRect level = ToQRect(layout::kLevelCaption);
  EXPECT_GE(Readable(back, QRect(level.topLeft(), QSize(80, level.height())), qRgb(255, 0, 0), 3.0), 0.95);
  // The four mode labels, each one line of about 72 px: black, and each mode's colour when chosen.
  const QRect labels(layout::kModeLabelX, layout::kModeLabelTop, 72, 3 * layout::kModeLabelPitch + 12);
  EXPECT_GE(Readable(back, labels, qRgb(0, 0, 0), 7.0), 0.98);
  for (const QRgb c : {qRgb(128, 128, 255), qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(255, 128, 0)})
    EXPECT_GE(Readable(back, labels, c, 2.3), 0.98) << std::hex << c;
  // The pink vertical caption "游戏模式选择".
  EXPECT_GE(Readable(back, ToQRect(layout::kModeCaption), qRgb(255, 128, 255), 3.0), 0.98);
  // Round the check boxes, their own green (192, 255, 192): left of the first, between them,
  // right of the second.
  const QImage rgb = back.convertToFormat(QImage::Format_RGB32);
  const QRect music = ToQRect(layout::kMusicSwitch), sound = ToQRect(layout::kSoundSwitch);
  const int y = music.center().y();
  for (const QPoint p : {QPoint(music.left() - 2, y), QPoint((music.right() + sound.left()) / 2, y), QPoint(sound.right() + 4, y)}) {
    const QRgb c = rgb.pixel(p);
    EXPECT_LE(std::abs(qRed(c) - 192) + std::abs(qGreen(c) - 255) + std::abs(qBlue(c) - 192), 30) << p.x();
  }
}

TEST(WindowPictures, PausePictureHidesTheWholeBoard) {
  // Shown over the field instead of the board: not one pixel may let the board through.
  const QImage pause = LoadGamePicture("ui/Pause.png");
  ASSERT_FALSE(pause.isNull());
  EXPECT_FALSE(pause.hasAlphaChannel());
}

// The share of the pixels of r darker than a quarter of full luminance.
double Dark(const QImage& img, const QRect& r) {
  const QImage x = img.convertToFormat(QImage::Format_RGB32);
  int dark = 0;
  for (int j = r.top(); j <= r.bottom(); ++j)
    for (int i = r.left(); i <= r.right(); ++i) dark += Luminance(x.pixel(i, j)) < 0.25;
  return double(dark) / (r.width() * r.height());
}

TEST(WindowPictures, GameOverPictureHidesTheBoardAndSaysItsWords) {
  const QImage pause = LoadGamePicture("ui/Pause.png");
  // On the light panel: the title, and below it the pill saying how to play again.
  const QRect title(60, 140, 256, 56), hint(80, 220, 216, 44);
  for (const char* name : {"ui/GameOver.png", "en/ui/GameOver.png"}) {
    SCOPED_TRACE(name);
    const QImage over = LoadGamePicture(name);
    ASSERT_FALSE(over.isNull());
    EXPECT_FALSE(over.hasAlphaChannel());
    EXPECT_GT(Dark(over, title), 0.12);
    EXPECT_GT(Dark(over, hint), 0.05);
    EXPECT_GT(MeanDifference(over, pause, title.united(hint)), 20.0);
  }
  // The same layout, other words.
  EXPECT_GT(MeanDifference(LoadGamePicture("ui/GameOver.png"), LoadGamePicture("en/ui/GameOver.png"), title), 20.0);
}

TEST(WindowPictures, LeaderboardRowsKeepRedTextReadable) {
  const QImage back = LoadGamePicture("ui/PxbBack.png");
  // The ten rows of red labels: place, name, score, date, from the first column to the right edge.
  const QRect rows(layout::kBoardColumnX[0] - 2, layout::kBoardFirstRowY, 320, 10 * layout::kBoardRowPitch);
  EXPECT_GE(Readable(back, rows, qRgb(255, 0, 0), 3.0), 0.99);
  // The title sits above the rows and stands out from the background.
  const QImage rgb = back.convertToFormat(QImage::Format_RGB32);
  int bright = 0;
  for (int y = 10; y < 46; ++y)
    for (int x = 130; x < 230; ++x) bright += Luminance(rgb.pixel(x, y)) > 0.5;
  EXPECT_GT(bright, 300);
}

TEST(SnowFlakes, EightDifferentFlakesEachInsideItsCell) {
  const QImage sheet = LoadGamePicture("pics/winter/Snow.JPG");
  const auto f = Figure(LoadGamePicture("pics/winter/SnowM.JPG"));
  for (int i = 0; i < 8; ++i) {
    EXPECT_GT(Count(f, QRect(19 * i, 0, 19, 19)), 4) << i;
    EXPECT_EQ(Count(f, QRect(19 * i, 0, 1, 19)) + Count(f, QRect(19 * i + 18, 0, 1, 19)), 0) << i;
    for (int j = 0; j < i; ++j) EXPECT_GT(Xor(f, {19 * i, 0}, f, {19 * j, 0}, {19, 19}), 10) << i << " " << j;
  }
  // Flakes are white-ish: they show on the winter sky.
  EXPECT_GT(MeanLuminance(sheet.copy(0, 0, 19, 19)), 0.1);
}

}  // namespace
}  // namespace pelmora::testing
