// Frames composed from the generated pictures with the game's own raster operations, in the
// game's layer order: background, field mask, pieces (the current column raised by 2 px),
// arrow and guide line, player. What must hold on every picture set: the limit row, the
// arrows, the guide dashes, the pieces and the player stand out from the background.
//
// Set PELMORA_FRAME_DIR to a folder to keep the composed frames as PNG files for looking.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "AssetSupport.h"
#include "platform/Pictures.h"
#include "platform/qt/QtPictures.h"

namespace pelmora::testing {
namespace {

constexpr int kCell = 36;

struct Sprite {
  Surface sheet, mask;
};

// A sheet and its mask, cleaned the way the game cleans them after loading.
Sprite LoadSprite(const QString& sheet, const QString& mask) {
  Sprite s{LoadSurface(sheet), LoadSurface(mask)};
  CleanMask(s.mask);
  BlackenUnderWhite(s.sheet, s.mask);
  return s;
}

struct Scene {
  // Rows 0..11 top to bottom, columns 0..9; '.' empty, '1'..'8' a kind.
  std::array<const char*, 12> board;
  int column = 5;
  int handKind = 0;
  int handCount = 0;
  QString player = "RStar";
  int frame = 0;
  int arrowPhase = 1;
  bool snow = false;
};

// Composes frames of one picture set.
class FrameComposer {
 public:
  explicit FrameComposer(const char* set) : set_(set) {
    const QString folder = QString("pics/%1/").arg(set);
    background_ = LoadSurface(folder + "GameMap.JPG");
    fieldMask_ = LoadSurface("images/GameMapM.JPG");
    pieces_ = LoadSprite(folder + "GameImages.JPG", folder + "GameImagesM.JPG");
    line_ = LoadSprite("images/Line.JPG", "images/LineM.JPG");
  }

  bool Loaded() const { return background_.width == 376 && fieldMask_.width == 376 && pieces_.sheet.height == 288; }

  // The first two layers of every frame: the background with the field mask over it.
  Surface Background() const {
    Surface f = background_;
    BitBlt(f, 0, 0, 376, 480, fieldMask_, 0, 0, RasterOp::SrcAnd);
    return f;
  }

  Surface Compose(const Scene& scene) {
    Surface f = Background();
    if (scene.snow) DrawSnow(f);
    for (int r = 0; r < 12; ++r)
      for (int c = 0; c < 10; ++c) {
        const char k = scene.board[r][c];
        if (k == '.') continue;
        const int y = (c == scene.column ? 6 : 8) + kCell * r;
        MaskedDraw(f, 8 + kCell * c, y, kCell, kCell, pieces_.sheet, pieces_.mask, 0, (k - '1') * kCell);
      }
    DrawAim(f, scene);
    DrawPlayer(f, scene);
    return f;
  }

  // Flakes scattered over the field as the snow layer draws them (19 x 19 pictures from the
  // strip, mask ANDed, picture ORed), in a fixed pattern.
  void DrawSnow(Surface& f) {
    Sprite flakes = LoadSprite("pics/winter/Snow.JPG", "pics/winter/SnowM.JPG");
    unsigned seed = 12345;
    const auto next = [&seed](int n) {
      seed = seed * 1103515245u + 12345u;
      return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
    };
    for (int i = 0; i < 60; ++i) {
      const int x = next(376), y = next(480), pic = next(8);
      MaskedDraw(f, x, y, 19, 19, flakes.sheet, flakes.mask, 19 * pic, 0);
    }
  }

  void DrawAim(Surface& f, const Scene& scene) {
    int t = 11;
    while (t >= 0 && scene.board[t][scene.column] == '.') --t;
    ++t;
    if (t >= 11) return;
    const QString family = scene.handKind ? "JTUp" : "JTDown";
    Surface mask = LoadSurface("images/" + family + "0.JPG");
    Surface arrow = LoadSurface(QString("images/%1%2.JPG").arg(family).arg(scene.arrowPhase));
    CleanMask(mask);
    BlackenUnderWhite(arrow, mask);
    const int x = 8 + kCell * scene.column;
    MaskedDraw(f, x, 8 + kCell * t, kCell, kCell, arrow, mask, 0, 0);
    for (int d = t + 1; d <= 10; ++d) {
      const int a = scene.arrowPhase == 1 ? 8 : 17;
      MaskedDraw(f, x, a + kCell * d, kCell, 8, line_.sheet, line_.mask, 0, 0);
      MaskedDraw(f, x, a + 18 + kCell * d, kCell, 8, line_.sheet, line_.mask, 0, 0);
    }
  }

  void DrawPlayer(Surface& f, const Scene& scene) {
    const int x0 = kCell * scene.column - 8;
    const Sprite body = LoadSprite("images/" + scene.player + ".JPG", "images/" + scene.player + "M.JPG");
    MaskedDraw(f, x0, 404, 72, 72, body.sheet, body.mask, 72 * scene.frame, 0);
    if (scene.handCount == 0) return;
    const int c = kCell * scene.column;
    const int src = (scene.handKind - 1) * kCell;
    if (scene.handCount == 1) {
      MaskedDraw(f, c + 10, 430, kCell, kCell, pieces_.sheet, pieces_.mask, 0, src);
    } else {
      MaskedDraw(f, c, 430, kCell, kCell, pieces_.sheet, pieces_.mask, 0, src);
      MaskedDraw(f, c + 20, 430, kCell, kCell, pieces_.sheet, pieces_.mask, 0, src);
      if (scene.handCount >= 3) MaskedDraw(f, c + 10, 420, kCell, kCell, pieces_.sheet, pieces_.mask, 0, src);
    }
    const Sprite arms = scene.handCount == 1 ? LoadSprite("images/1Hand.JPG", "images/1HandM.JPG")
                                             : LoadSprite("images/2Hand.JPG", "images/2HandM.JPG");
    MaskedDraw(f, x0, 404, 72, 72, arms.sheet, arms.mask, 0, 0);
  }

  void Keep(const Surface& frame, const QString& name) {
    const QByteArray dir = qgetenv("PELMORA_FRAME_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    AsImage(frame).save(QString("%1/%2-%3.png").arg(QString::fromLocal8Bit(dir), set_, name));
  }

  // How clearly the figures drawn in area stand out from the plain frame under them: the
  // share of the pixels just outside a figure's edge for which some figure pixel within 2 px
  // has a contrast of at least `ratio` against them. A dark rim on a light field or a bright
  // fill behind the rim on a dark field both count; a figure that melts into the field
  // does not.
  static double EdgeContrast(const Surface& frame, const Surface& plain, const QRect& area, double ratio) {
    const auto figure = [&](int x, int y) {
      return x >= 0 && y >= 0 && x < frame.width && y < frame.height && frame.at(x, y) != plain.at(x, y);
    };
    int edge = 0, clear = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        if (figure(x, y)) continue;
        if (!figure(x - 1, y) && !figure(x + 1, y) && !figure(x, y - 1) && !figure(x, y + 1)) continue;
        ++edge;
        double best = 1;
        for (int dy = -2; dy <= 2; ++dy)
          for (int dx = -2; dx <= 2; ++dx)
            if (figure(x + dx, y + dy)) best = std::max(best, Contrast(frame.at(x + dx, y + dy), plain.at(x, y)));
        clear += best >= ratio;
      }
    return edge ? double(clear) / edge : 0.0;
  }

  const char* set_;
  Surface background_, fieldMask_;
  Sprite pieces_, line_;
};

class Frames : public FrameComposer, public ::testing::TestWithParam<const char*> {
 protected:
  Frames() : FrameComposer(GetParam()) {}
  void SetUp() override { ASSERT_TRUE(Loaded()); }
};

const std::array<const char*, 12> kBoard = {
    "1234567812", "3456781234", "5678.23456", "78..4.6781", "2...6...3.", "..........",
    "..........", "..........", "..........", "..........", "..........", "..........",
};
const std::array<const char*, 12> kEmpty = {
    "..........", "..........", "..........", "..........", "..........", "..........",
    "..........", "..........", "..........", "..........", "..........", "..........",
};

TEST_P(Frames, LimitRowDashesStandOutFromTheLineUnderThem) {
  const Surface f = Compose({kEmpty, 0, 0, 0, "RStar", 0, 1});
  Keep(f, "empty");
  // Along the top of the limit row the mask lays black dashes (6 on, 4 off) over the light
  // line of the background: dash and gap must differ clearly on every background. Away from
  // the player (column 0 puts it at x -8..63).
  double worst = 1e9;
  for (int x = 120; x < 360; x += 10) worst = std::min(worst, Contrast(f.at(x + 2, 405), f.at(x + 8, 405)));
  EXPECT_GE(worst, 3.0);
}

TEST_P(Frames, PiecesArrowDashesAndPlayerStandOut) {
  // Column 4's lowest piece is in row 4: the arrow goes to row 5, the dashes to rows 6..10.
  Scene scene{kBoard, 4, 0, 0, "RStar", 0, 1};
  const Surface bare = Background();
  const Surface grab = Compose(scene);
  Keep(grab, "grab");
  const QRect pieces(8, 8, 360, 72), arrow(8 + 4 * kCell, 8 + 5 * kCell, kCell, kCell);
  const QRect dashes(8 + 4 * kCell, 8 + 6 * kCell, kCell, 5 * kCell), player(4 * kCell - 8, 404, 72, 72);
  EXPECT_GE(EdgeContrast(grab, bare, pieces, 1.6), 0.85);
  EXPECT_GE(EdgeContrast(grab, bare, arrow, 2.0), 0.85);
  EXPECT_GE(EdgeContrast(grab, bare, dashes, 2.0), 0.85);
  EXPECT_GE(EdgeContrast(grab, bare, player, 2.0), 0.85);

  scene.handKind = 3;
  scene.handCount = 3;
  scene.player = "RDown";
  scene.arrowPhase = 2;
  const Surface thr = Compose(scene);
  Keep(thr, "throw");
  EXPECT_GE(EdgeContrast(thr, bare, arrow, 2.0), 0.85);
  EXPECT_GE(EdgeContrast(thr, bare, dashes, 2.0), 0.85);
  // The player now holds pieces: they count like the pieces on the board.
  EXPECT_GE(EdgeContrast(thr, bare, player, 1.6), 0.85);
}

TEST(WinterFrames, SnowFlakesShowOnTheNightSky) {
  FrameComposer winter("winter");
  ASSERT_TRUE(winter.Loaded());
  Scene scene{kBoard, 4, 0, 0, "RStar", 0, 1};
  scene.snow = true;
  const Surface frame = winter.Compose(scene);
  winter.Keep(frame, "snow");
  // Over the open sky between the pieces and the hills (rows 5..9), the flakes stand out.
  EXPECT_GE(FrameComposer::EdgeContrast(frame, winter.Compose({kBoard, 4, 0, 0, "RStar", 0, 1}), QRect(8, 200, 140, 150), 2.0), 0.85);
}

TEST_P(Frames, EveryAnimationFrameComposes) {
  // For looking: every frame of every animation, and hands of one, two and three.
  for (const char* player : {"RStar", "RDown", "ROver", "RNoDown"})
    for (int f = 0; f < 4; ++f) {
      Scene scene{kBoard, 7, 0, 0, player, f, 1 + f % 2};
      if (QString(player) == "RDown") {
        scene.handKind = 1 + f;
        scene.handCount = 1 + f;
      }
      const Surface frame = Compose(scene);
      ASSERT_EQ(frame.width, 376);
      Keep(frame, QString("%1-%2").arg(player).arg(f));
    }
}

INSTANTIATE_TEST_SUITE_P(PictureSets, Frames, ::testing::Values("gems", "garden", "winter"));

}  // namespace
}  // namespace pelmora::testing
