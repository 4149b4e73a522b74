// Frames composed from the generated pictures by the game itself: its sprite store loads and
// cleans them, and one frame of the game loop draws them through the FieldPainter in the game's
// layer order (background, field mask, snow, pieces with the current column raised, arrow and
// guide line, player). What must hold on every picture set: the limit row, the arrows, the
// guide dashes, the pieces and the player stand out from the background.
//
// Set PELMORA_FRAME_DIR to a folder to keep the composed frames as PNG files for looking.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <algorithm>
#include <array>
#include <string>

#include "AssetSupport.h"
#include "view/Snow.h"
#include "game/Frame.h"
#include "platform/qt/QtPictures.h"
#include "support/Boards.h"
#include "support/Fakes.h"
#include "support/QuietPorts.h"
#include "view/FieldPainter.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

constexpr int kCell = layout::kCell;

struct Scene {
  // Rows 0..11 top to bottom, columns 0..9; '.' empty, '1'..'8' a kind.
  std::array<const char*, 12> board;
  int column = 5;
  int handKind = 0;
  int handCount = 0;
  GameState state = GameState::Star;
  int frame = 0;
  int arrowPhase = 1;
  bool snow = false;
};

// Composes frames of one picture set.
class FrameComposer {
 public:
  explicit FrameComposer(const char* set) : set_(set) {
    QtPictureLoader loader;
    const std::string game = GameDir().toStdString();
    const std::string folder = game + "\\pics\\" + set + "\\";
    loaded_ = !LoadFixedPictures(store_, game + "\\images\\", loader) && !LoadPictureSet(store_, folder, loader);
    FakeDialogs dialogs;
    std::int16_t snowShow = 0;
    LoadSnow(snow_, snowShow, folder, dialogs, loader, snowRandom_);
  }

  bool Loaded() const { return loaded_; }

  // The first two layers of every frame: the background with the field mask over it.
  Surface Background() const {
    const Game game;
    Surface f(layout::kFieldWidth, layout::kFieldHeight);
    FieldPainter painter(game, store_, f, nullptr);
    painter.ClearField();
    painter.EndFrame();
    return f;
  }

  // One frame of the game loop showing the scene.
  Surface Compose(const Scene& scene) {
    Game game;
    for (int r = 0; r < 12; ++r)
      for (int c = 0; c < kColumns; ++c) game.Map[r][c] = CellFromChar(scene.board[r][c]);
    game.CurColumn = static_cast<std::int16_t>(scene.column);
    game.HandKind = static_cast<std::int16_t>(scene.handKind);
    game.HandCount = static_cast<std::int16_t>(scene.handCount);
    game.State = scene.state;
    game.Move = MoveState::Move;
    game.PlayerFrame = static_cast<std::int16_t>(scene.frame);
    game.ArrowPhase = scene.arrowPhase == 1 ? 2 : 1;  // the frame turns it before drawing
    game.SnowShow = scene.snow ? kTrue : kFalse;
    const UserSettings settings;
    QuietPorts quiet;
    MersenneRandom random(1);
    GameRules rules(game, settings, RulesPorts{quiet, quiet, quiet, quiet, random});
    Surface f(layout::kFieldWidth, layout::kFieldHeight);
    FieldPainter painter(game, store_, f, [this] {
      MoveSnow(snow_, snowRandom_);
      return &snow_;
    });
    RunFrame(rules, painter);
    return f;
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

 private:
  const char* set_;
  bool loaded_ = false;
  SpriteStore store_;
  Snow snow_;
  MersenneRandom snowRandom_{12345};
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
  const Surface f = Compose({kEmpty, 0});
  Keep(f, "empty");
  // Along the top of the limit row the mask lays black dashes (6 on, 4 off) over the light
  // line of the background: dash and gap must differ clearly on every background. Away from
  // the player (column 0 puts it at x -8..63).
  double worst = 1e9;
  const int y = layout::kPlayerTop + 1;
  for (int x = 120; x < 360; x += 10) worst = std::min(worst, Contrast(f.at(x + 2, y), f.at(x + 8, y)));
  EXPECT_GE(worst, 3.0);
}

TEST_P(Frames, PiecesArrowDashesAndPlayerStandOut) {
  // Column 4's lowest piece is in row 4: the arrow goes to row 5, the dashes to rows 6..10.
  Scene scene{kBoard, 4};
  const Surface bare = Background();
  const Surface grab = Compose(scene);
  Keep(grab, "grab");
  const QRect pieces(layout::CellX(0), layout::CellY(0), kColumns * kCell, 2 * kCell);
  const QRect arrow(layout::CellX(4), layout::CellY(5), kCell, kCell);
  const QRect dashes(layout::CellX(4), layout::CellY(6), kCell, 5 * kCell);
  const QRect player(layout::PlayerLeft(4), layout::kPlayerTop, layout::kPlayerSize, layout::kPlayerSize);
  EXPECT_GE(EdgeContrast(grab, bare, pieces, 1.6), 0.85);
  EXPECT_GE(EdgeContrast(grab, bare, arrow, 2.0), 0.85);
  EXPECT_GE(EdgeContrast(grab, bare, dashes, 2.0), 0.85);
  EXPECT_GE(EdgeContrast(grab, bare, player, 2.0), 0.85);

  scene.handKind = 3;
  scene.handCount = 3;
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
  Scene scene{kBoard, 4};
  scene.snow = true;
  const Surface frame = winter.Compose(scene);
  winter.Keep(frame, "snow");
  // Over the open sky between the pieces and the hills (rows 5..9), the flakes stand out.
  EXPECT_GE(FrameComposer::EdgeContrast(frame, winter.Compose({kBoard, 4}), QRect(8, 200, 140, 150), 2.0), 0.85);
}

TEST_P(Frames, EveryAnimationFrameComposes) {
  // For looking: every frame of every animation, and hands of one, two and three.
  const std::pair<GameState, const char*> players[] = {
      {GameState::Star, "RStar"}, {GameState::Star, "RDown"}, {GameState::Over, "ROver"}, {GameState::NoDown, "RNoDown"}};
  for (const auto& [state, player] : players)
    for (int f = 0; f < layout::kPlayerFrames; ++f) {
      Scene scene{kBoard, 7, 0, 0, state, f, 1 + f % 2};
      if (QString(player) == "RDown") {
        scene.handKind = 1 + f;
        scene.handCount = 1 + f;
      }
      const Surface frame = Compose(scene);
      ASSERT_EQ(frame.width, layout::kFieldWidth);
      Keep(frame, QString("%1-%2").arg(player).arg(f));
    }
}

INSTANTIATE_TEST_SUITE_P(PictureSets, Frames, ::testing::Values("gems", "garden", "winter"));

}  // namespace
}  // namespace pelmora::testing
