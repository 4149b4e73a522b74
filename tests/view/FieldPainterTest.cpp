// Pixels of composed frames: where every layer lands, what covers what, and what is clipped.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "view/Snow.h"
#include "game/RulesFixture.h"
#include "view/FieldPainter.h"
#include "view/Layout.h"

namespace pelmora::testing {
namespace {

constexpr std::uint32_t kBack = Rgb(0x20, 0x40, 0x60);

// A sheet of `frames` figures of w x h side by side (or stacked when `vertical`): figure i is a
// solid colour colourOf(i) inset by 2 px, with its mask; everything else transparent.
struct SheetAndMask {
  Surface sheet, mask;
};
template <typename ColourOf>
SheetAndMask Figures(int w, int h, int frames, bool vertical, ColourOf colourOf) {
  const int W = vertical ? w : w * frames;
  const int H = vertical ? h * frames : h;
  SheetAndMask s{Surface(W, H, kBlack), Surface(W, H, kWhite)};
  for (int i = 0; i < frames; ++i)
    for (int y = 2; y < h - 2; ++y)
      for (int x = 2; x < w - 2; ++x) {
        const int px = vertical ? x : i * w + x;
        const int py = vertical ? i * h + y : y;
        s.sheet.at(px, py) = colourOf(i);
        s.mask.at(px, py) = kBlack;
      }
  return s;
}

std::uint32_t PieceColour(int kind) { return Rgb(20 * kind, 200, 10); }
std::uint32_t StarColour(int f) { return Rgb(250, 10 + f, 1); }
std::uint32_t DownColour(int f) { return Rgb(240, 20 + f, 2); }
std::uint32_t OverColour(int f) { return Rgb(230, 30 + f, 3); }
std::uint32_t NoDownColour(int f) { return Rgb(220, 40 + f, 4); }
constexpr std::uint32_t kArms1 = Rgb(1, 1, 251);
constexpr std::uint32_t kArms2 = Rgb(2, 2, 252);
constexpr std::uint32_t kDown1 = Rgb(3, 250, 3), kDown2 = Rgb(4, 249, 4);
constexpr std::uint32_t kUp1 = Rgb(5, 248, 5), kUp2 = Rgb(6, 247, 6);
constexpr std::uint32_t kDash = Rgb(7, 7, 7);

SpriteStore TestStore() {
  SpriteStore s;
  s.GameMap = Surface(layout::kFieldWidth, layout::kFieldHeight, kBack);
  s.GameMapM = Surface(layout::kFieldWidth, layout::kFieldHeight, kWhite);
  auto pieces = Figures(layout::kCell, layout::kCell, 8, true, [](int i) { return PieceColour(i + 1); });
  s.GameImages = pieces.sheet;
  s.GameImagesM = pieces.mask;
  auto player = [](std::uint32_t (*colour)(int)) { return Figures(72, 72, 4, false, colour); };
  auto star = player(StarColour), down = player(DownColour), over = player(OverColour), no = player(NoDownColour);
  s.RStar = star.sheet, s.RStarM = star.mask;
  s.RDown = down.sheet, s.RDownM = down.mask;
  s.ROver = over.sheet, s.ROverM = over.mask;
  s.RNoDown = no.sheet, s.RNoDownM = no.mask;
  // Arms: only a 4 px band along the bottom of the sprite, so the heap above stays visible.
  s.Hand1 = Surface(72, 72, kBlack), s.Hand1M = Surface(72, 72, kWhite);
  s.Hand2 = Surface(72, 72, kBlack), s.Hand2M = Surface(72, 72, kWhite);
  for (int y = 66; y < 70; ++y)
    for (int x = 0; x < 72; ++x) {
      s.Hand1.at(x, y) = kArms1, s.Hand1M.at(x, y) = kBlack;
      s.Hand2.at(x, y) = kArms2, s.Hand2M.at(x, y) = kBlack;
    }
  auto arrow = [](std::uint32_t c1, std::uint32_t c2, std::array<Surface, 3>& out) {
    auto a = Figures(layout::kCell, layout::kCell, 1, false, [&](int) { return c1; });
    auto b = Figures(layout::kCell, layout::kCell, 1, false, [&](int) { return c2; });
    out = {a.mask, a.sheet, b.sheet};
  };
  arrow(kDown1, kDown2, s.JTDown);
  arrow(kUp1, kUp2, s.JTUp);
  s.Line = Surface(layout::kCell, 8, kBlack), s.LineM = Surface(layout::kCell, 8, kWhite);
  for (int y = 0; y < 8; ++y) s.Line.at(17, y) = kDash, s.LineM.at(17, y) = kBlack;  // a 1 px dash
  return s;
}

class Composed : public RulesTest {
 protected:
  SpriteStore store = TestStore();
  Surface field{layout::kFieldWidth, layout::kFieldHeight};
  int snowCalls = 0;
  // The fake snow: one white pixel that moves every frame, at (0, 0) first.
  Snow pixel = [] {
    Snow s;
    s.SnowSum = s.SnowPicWith = s.SnowPicHeight = s.SnowPicsum = 1;
    s.PicSnow = Surface(1, 1, Rgb(255, 255, 255));
    s.PicSnowM = Surface(1, 1, kBlack);
    s.SnowFlakes.resize(2);
    return s;
  }();
  FieldPainter painter{game, store, field, [this] {
                         pixel.SnowFlakes[1] = {static_cast<std::int16_t>(snowCalls * 5 % 300),
                                                static_cast<std::int16_t>(snowCalls * 7 % 400), 1};
                         ++snowCalls;
                         return &pixel;
                       }};

  void Frame() { RunFrame(rules, painter); }
  std::uint32_t At(int x, int y) const { return field.at(x, y); }
};

TEST_F(Composed, APieceFillsItsCellAndTheChosenColumnIsRaisedTwoPixels) {
  game.Map = Board({"", "", "....3....7"});
  game.CurColumn = 9;
  painter.ClearField();
  painter.DrawPieces();
  painter.EndFrame();
  // Column 4, row 2: x 152..187, y 80..115; the figure is inset by 2 px.
  EXPECT_EQ(At(152 + 2, 80 + 2), PieceColour(3));
  EXPECT_EQ(At(152 + 33, 80 + 33), PieceColour(3));
  EXPECT_EQ(At(152 + 1, 80 + 2), kBack);
  EXPECT_EQ(At(152 + 2, 80 + 1), kBack);
  // Column 9 is under the player: y 78..113.
  EXPECT_EQ(At(332 + 2, 78 + 2), PieceColour(7));
  EXPECT_EQ(At(332 + 2, 78 + 34), kBack);
}

TEST_F(Composed, TheFieldMaskShadesTheBackgroundButNotThePieces) {
  store.GameMapM = Surface(layout::kFieldWidth, layout::kFieldHeight, Rgb(0x80, 0x80, 0x80));
  game.Map = Board({"1"});
  game.CurColumn = 5;
  painter.ClearField();
  painter.DrawPieces();
  painter.EndFrame();
  EXPECT_EQ(At(200, 300), Rgb(0x00, 0x00, 0x00) | (kBack & Rgb(0x80, 0x80, 0x80)));
  EXPECT_EQ(At(10, 10), PieceColour(1));
}

TEST_F(Composed, PlayerAtColumnZeroIsClippedAtTheLeftEdge) {
  game.CurColumn = 0;
  game.PlayerFrame = 2;
  painter.ClearField();
  painter.DrawPlayer();
  painter.EndFrame();
  // Sprite x0 = -8: its figure pixel x = 2..69 lands at field x -6..61.
  EXPECT_EQ(At(0, 404 + 2), StarColour(2));
  EXPECT_EQ(At(61, 404 + 2), StarColour(2));
  EXPECT_EQ(At(62, 404 + 2), kBack);
  EXPECT_EQ(At(0, 404 + 1), kBack);
  EXPECT_EQ(At(30, 404 + 69), StarColour(2));  // the sprite reaches down to y 475
}

TEST_F(Composed, PlayerAtColumnNineIsClippedAtTheRightEdge) {
  game.CurColumn = 9;
  painter.ClearField();
  painter.DrawPlayer();
  painter.EndFrame();
  // x0 = 316: the figure spans 318..385, cut at 375.
  EXPECT_EQ(At(317, 420), kBack);
  EXPECT_EQ(At(318, 420), StarColour(0));
  EXPECT_EQ(At(375, 420), StarColour(0));
}

// Which pieces of the hand's heap are visible, by their top-left inner pixel.
TEST_F(Composed, TheHandHeapHasOneTwoOrThreePieces) {
  game.CurColumn = 3;  // cell x 116; heap positions 108 + 10, 108, 108 + 20
  game.HandKind = 6;
  auto draw = [&](int count) {
    game.HandCount = static_cast<std::int16_t>(count);
    painter.ClearField();
    painter.DrawPlayer();
    painter.EndFrame();
  };
  const std::uint32_t piece = PieceColour(6);
  draw(1);
  EXPECT_EQ(At(118 + 2, 430 + 2), piece);
  EXPECT_EQ(At(108 + 2, 430 + 2), DownColour(0));  // no piece there: the body shows
  EXPECT_EQ(At(100, 404 + 67), kArms1);
  draw(2);
  EXPECT_EQ(At(108 + 2, 430 + 2), piece);
  EXPECT_EQ(At(128 + 33, 430 + 2), piece);
  EXPECT_EQ(At(118 + 2, 420 + 2), DownColour(0));  // no third piece
  EXPECT_EQ(At(100, 404 + 67), kArms2);
  for (int count : {3, 5}) {
    draw(count);
    EXPECT_EQ(At(118 + 2, 420 + 2), piece) << count;
    EXPECT_EQ(At(108 + 2, 430 + 30), piece) << count;
    EXPECT_EQ(At(128 + 33, 430 + 30), piece) << count;
    EXPECT_EQ(At(118 + 2, 420 + 1), DownColour(0)) << count;  // nothing higher than the third
  }
}

TEST_F(Composed, StateSelectsThePlayerPicture) {
  game.CurColumn = 4;
  game.PlayerFrame = 1;
  const std::pair<GameState, std::uint32_t> cases[] = {{GameState::Over, OverColour(1)},
                                                       {GameState::NoDown, NoDownColour(1)},
                                                       {GameState::NoStar, kBack}};
  for (auto [state, colour] : cases) {
    game.State = state;
    painter.ClearField();
    painter.DrawPlayer();
    painter.EndFrame();
    EXPECT_EQ(At(144, 430), colour) << ToString(state);
  }
}

TEST_F(Composed, AimArrowAndDashesInBothPhases) {
  game.CurColumn = 2;  // x 80..115, the dash at x 97
  game.Map = Board({"3", "", "", "", "", "", "..1"});  // lowest piece of column 2 in row 6
  Frame();
  EXPECT_EQ(At(80 + 2, 8 + 36 * 7 + 2), kDown1);
  for (int d = 8; d <= 10; ++d) {
    EXPECT_EQ(At(97, 8 + 36 * d), kDash) << d;
    EXPECT_EQ(At(97, 8 + 36 * d + 7), kDash) << d;
    EXPECT_EQ(At(97, 26 + 36 * d), kDash) << d;
    EXPECT_EQ(At(97, 17 + 36 * d), kBack) << d;
  }
  EXPECT_EQ(At(97, 403), kBack);
  Frame();
  EXPECT_EQ(At(80 + 2, 8 + 36 * 7 + 2), kDown2);
  for (int d = 8; d <= 10; ++d) {
    EXPECT_EQ(At(97, 17 + 36 * d), kDash) << d;
    EXPECT_EQ(At(97, 35 + 36 * d), kDash) << d;
    EXPECT_EQ(At(97, 8 + 36 * d), kBack) << d;
  }
  EXPECT_EQ(At(97, 402), kDash);  // the lowest dash of phase 2 ends just above the player
  game.HandKind = 4;
  Frame();
  EXPECT_EQ(At(80 + 2, 8 + 36 * 7 + 2), kUp1);
}

TEST_F(Composed, NoArrowUnderAColumnFilledToRowTen) {
  game.CurColumn = 1;
  for (int r = 0; r <= 10; ++r) game.Map[r][1] = {2, CellState::Stop};
  Frame();
  for (int y = 0; y < 404; ++y)
    for (int x = 44; x < 80; ++x) {
      const std::uint32_t p = At(x, y);
      ASSERT_TRUE(p != kDown1 && p != kDown2 && p != kDash) << x << "," << y;
    }
}

TEST_F(Composed, RemovedPiecesBlinkOnAlternateFrames) {
  game.CurColumn = 7;
  game.HandKind = 5;
  game.Map = Board({"", "", "", "", "", "", "", "", ".......E", ".......E", ".......E"});
  game.Move = MoveState::Up;
  game.Map[7][7] = {1, CellState::Stop};
  std::vector<bool> shown;
  for (int i = 0; i < 6; ++i) {
    Frame();
    shown.push_back(At(8 + 36 * 7 + 2, 8 + 36 * 9 + 2) == PieceColour(5));  // row 9, not raised
  }
  EXPECT_EQ(game.Score, 3);
  EXPECT_THAT(shown, ::testing::ElementsAre(true, false, true, false, true, false));
}

TEST_F(Composed, SnowIsDrawnOnlyWhenItIsOnAndPiecesCoverIt) {
  game.Map = Board({"1"});
  game.CurColumn = 3;
  Frame();
  EXPECT_EQ(snowCalls, 0);
  game.SnowShow = kTrue;
  Frame();
  EXPECT_EQ(snowCalls, 1);
  EXPECT_EQ(At(0, 0), Rgb(255, 255, 255));  // the fake flake, left of the pieces
}

TEST_F(Composed, NothingOfThePreviousFrameSurvives) {
  game.Map = Board({"", "", "", "", "8"});
  game.CurColumn = 9;
  Frame();
  ASSERT_EQ(At(10, 8 + 36 * 4 + 2), PieceColour(8));
  game.Map = MapGrid{};
  Frame();
  EXPECT_EQ(At(10, 8 + 36 * 4 + 2), kBack);
}

TEST_F(Composed, ASmallBackgroundLeavesBlackAroundIt) {
  game.Map = Board({"", "", "", "", "", "", "", "", "", "", "", "", ""});
  game.Map[5][5] = {8, CellState::Stop};
  game.CurColumn = 0;
  Frame();
  store.GameMap = Surface(10, 10, kBack);
  ++store.Loads;
  Frame();
  EXPECT_EQ(At(5, 5), kBack);
  EXPECT_EQ(At(300, 20), kBlack);
}

// ---- At device scale 2 ------------------------------------------------------------------------

// The picture with every pixel repeated into a 2 x 2 block: what a 1x sprite is at 2x, so that a
// 2x frame drawn right is exactly its 1x frame doubled.
Surface PixelsDoubled(const Surface& s) {
  Surface out(s.width * 2, s.height * 2);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.at(x, y) = s.at(x / 2, y / 2);
  return out;
}

SpriteStore StoreDoubled(const SpriteStore& s) {
  SpriteStore d;
  d.scale = 2;
  for (auto [to, from] : std::initializer_list<std::pair<Surface*, const Surface*>>{
           {&d.GameMap, &s.GameMap}, {&d.GameMapM, &s.GameMapM}, {&d.GameImages, &s.GameImages},
           {&d.GameImagesM, &s.GameImagesM}, {&d.RStar, &s.RStar}, {&d.RStarM, &s.RStarM}, {&d.RDown, &s.RDown},
           {&d.RDownM, &s.RDownM}, {&d.ROver, &s.ROver}, {&d.ROverM, &s.ROverM}, {&d.RNoDown, &s.RNoDown},
           {&d.RNoDownM, &s.RNoDownM}, {&d.Hand1, &s.Hand1}, {&d.Hand1M, &s.Hand1M}, {&d.Hand2, &s.Hand2},
           {&d.Hand2M, &s.Hand2M}, {&d.Line, &s.Line}, {&d.LineM, &s.LineM}})
    *to = PixelsDoubled(*from);
  for (std::size_t i = 0; i < 3; ++i) {
    d.JTDown[i] = PixelsDoubled(s.JTDown[i]);
    d.JTUp[i] = PixelsDoubled(s.JTUp[i]);
  }
  return d;
}

// Every step of a frame to two painters, the first first: it alone moves the snow.
struct Both final : FrameDrawing {
  FieldPainter& a;
  FieldPainter& b;
  Both(FieldPainter& first, FieldPainter& second) : a(first), b(second) {}
  void ClearField() override { a.ClearField(), b.ClearField(); }
  void DrawSnow() override { a.DrawSnow(), b.DrawSnow(); }
  void DrawPieces() override { a.DrawPieces(), b.DrawPieces(); }
  void DrawVanishingPiece(int c, int r, int k) override { a.DrawVanishingPiece(c, r, k), b.DrawVanishingPiece(c, r, k); }
  void DrawAimGuide(int row, int phase, bool up) override { a.DrawAimGuide(row, phase, up), b.DrawAimGuide(row, phase, up); }
  void DrawPlayer() override { a.DrawPlayer(), b.DrawPlayer(); }
  void EndFrame() override { a.EndFrame(), b.EndFrame(); }
};

// One flake, 6 x 4, of a strip of two, falling 3 a frame straight down.
Snow OneFlake() {
  Snow snow;
  snow.SnowSum = 1;
  snow.SnowPicWith = 6;
  snow.SnowPicHeight = 4;
  snow.SnowPicsum = 2;
  snow.YM = 3;
  snow.PicSnow = Surface(12, 4, kBlack);
  snow.PicSnowM = Surface(12, 4, kWhite);
  for (int x = 7; x < 11; ++x) snow.PicSnow.at(x, 1) = Rgb(250, 250, 250), snow.PicSnowM.at(x, 1) = kBlack;
  snow.SnowFlakes = {SnowFlake{}, SnowFlake{370, 150, 2}};  // reaching past the right edge
  return snow;
}

// The first pixel where two frames differ, or "" when they are the same.
std::string FirstDifference(const Surface& a, const Surface& b) {
  if (a.width != b.width || a.height != b.height) return "sizes differ";
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.at(x, y) != b.at(x, y)) {
        std::ostringstream out;
        out << std::hex << "(" << std::dec << x << "," << y << ") is " << std::hex << b.at(x, y) << ", not "
            << a.at(x, y);
        return out.str();
      }
  return "";
}

// Every layer composed at scale 2 into a 752 x 960 field is its 1x frame with each pixel doubled:
// each sprite lands at twice its 1x place, twice its size, clipped at twice the edges.
TEST(ComposedAtScaleTwo, EveryLayerLandsAtTwiceItsPlace) {
  struct Layer {
    const char* name;
    std::function<void(Game&, FieldPainter&)> draw;
  };
  const Layer layers[] = {
      {"pieces in a raised and an unraised column",
       [](Game& g, FieldPainter& p) {
         g.Map = Board({"", "", "", "", "", "", "", "", "", "", "", "..3...7"});
         g.CurColumn = 6;
         p.DrawPieces();
       }},
      {"the player at the left edge",
       [](Game& g, FieldPainter& p) {
         g.State = GameState::Star, g.CurColumn = 0, g.PlayerFrame = 2;
         p.DrawPlayer();
       }},
      {"the hand heap at the right edge",
       [](Game& g, FieldPainter& p) {
         g.State = GameState::Star, g.CurColumn = 9, g.HandKind = 5, g.HandCount = 3, g.PlayerFrame = 1;
         p.DrawPlayer();
       }},
      {"the arrow and its dashes", [](Game& g, FieldPainter& p) { g.CurColumn = 4, p.DrawAimGuide(9, 2, true); }},
      {"a blink", [](Game&, FieldPainter& p) { p.DrawVanishingPiece(3, 5, 6); }},
      {"a snow flake", [](Game&, FieldPainter& p) { p.DrawSnow(); }},
  };
  const SpriteStore store1 = TestStore();
  const SpriteStore store2 = StoreDoubled(store1);
  for (const Layer& layer : layers) {
    SCOPED_TRACE(layer.name);
    auto compose = [&](const SpriteStore& store) {
      const int k = store.scale;
      Snow snow = OneFlake();
      if (k == 2) snow.scale = 2, snow.PicSnow = PixelsDoubled(snow.PicSnow), snow.PicSnowM = PixelsDoubled(snow.PicSnowM);
      SequenceRandom random;
      Game game;
      Surface field(layout::kFieldWidth * k, layout::kFieldHeight * k);
      FieldPainter painter(game, store, field, [&] {
        MoveSnow(snow, random);
        return &snow;
      });
      painter.ClearField();
      layer.draw(game, painter);
      painter.EndFrame();
      return field;
    };
    const Surface one = compose(store1);
    ASSERT_NE(FirstDifference(Surface(layout::kFieldWidth, layout::kFieldHeight, kBack), one), "")
        << "the layer draws nothing";
    const Surface two = compose(store2);
    ASSERT_EQ(two.width, 752);
    EXPECT_EQ(FirstDifference(PixelsDoubled(one), two), "");
  }
}

// A frame is composed only where it differs from the frame before, over what the field holds. It
// must come out as the same frame composed whole, by a painter that has no frame before: over a
// game that moves, grabs, throws and clears, with flakes of snow over and under the sprites.
TEST_F(Composed, AFrameComposedOverTheFrameBeforeIsTheFrameComposedWhole) {
  Play(Board({"12.4", "12.5", ".1.6"}), 5);
  Snow snow = OneFlake();
  snow.SnowSum = 40;
  for (int i = 1; i <= 40; ++i)
    snow.SnowFlakes.push_back({static_cast<std::int16_t>(9 * i % 380 - 4), static_cast<std::int16_t>(11 * i), 2});
  SequenceRandom drift;
  Surface steady(field.width, field.height), whole(field.width, field.height);
  FieldPainter over(game, store, steady, [&] {
    MoveSnow(snow, drift);
    return &snow;
  });
  struct Act {
    int step, column;
    std::optional<MouseButton> press;
  };
  // Grab the 1 of column 1 and throw it under the two of column 0; then wander and grab again.
  const Act acts[] = {{0, 1, MouseButton::Right}, {20, 0, MouseButton::Left}, {45, 4, {}},
                      {50, 9, {}},                {60, 3, MouseButton::Right}, {80, 2, MouseButton::Left}};
  int partial = 0;
  for (int step = 0; step < 120; ++step) {
    for (const Act& act : acts)
      if (act.step == step) {
        rules.SelectColumn(act.column);
        if (act.press) rules.Press(*act.press);
      }
    game.SnowShow = step >= 90 ? kTrue : kFalse;
    FieldPainter fresh(game, store, whole, [&] { return &snow; });
    Both both{over, fresh};
    RunFrame(rules, both);
    ASSERT_EQ(FirstDifference(whole, steady), "") << "frame " << step;
    const std::vector<layout::Rect>& changes = over.Changes();
    partial += changes.size() != 1 || changes[0].w * changes[0].h < field.width * field.height;
  }
  ASSERT_EQ(game.Score, 3) << "the throw must clear three pieces";
  EXPECT_GT(partial, 100) << "most frames are composed only in part, also with snow";
}

}  // namespace
}  // namespace pelmora::testing
