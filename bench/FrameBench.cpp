// Composition of one full frame of the play field: every cell of rows 0..11 filled but the
// player's column, a hand of three, the aim arrow over ten rows of dashes, and 100 snowflakes,
// all with the masked two-pass copies of the game. At device scale 1 (376 x 480) and 2
// (752 x 960, four times the pixels): the argument.
#include <benchmark/benchmark.h>

#include "view/Snow.h"
#include "game/Frame.h"
#include "support/QuietPorts.h"
#include "view/FieldPainter.h"
#include "view/Layout.h"

namespace pelmora {
namespace {

using Quiet = testing::QuietPorts;

// Pictures of the game's sizes at scale k; what they show does not change the work of a frame.
SpriteStore Store(int k) {
  using namespace layout;
  SpriteStore s;
  s.scale = k;
  s.GameMap = Surface(k * kFieldWidth, k * kFieldHeight, Rgb(40, 30, 80));
  s.GameMapM = Surface(k * kFieldWidth, k * kFieldHeight, Rgb(230, 230, 230));
  auto pair = [k](Surface& sheet, Surface& mask, int w, int h) {
    sheet = Surface(k * w, k * h, Rgb(200, 100, 50));
    mask = Surface(k * w, k * h, kBlack);
  };
  pair(s.GameImages, s.GameImagesM, kCell, kKinds * kCell);
  const int strip = kPlayerFrames * kPlayerSize;
  for (auto* p : {&s.RStar, &s.RDown, &s.ROver, &s.RNoDown}) *p = Surface(k * strip, k * kPlayerSize, Rgb(1, 2, 3));
  for (auto* m : {&s.RStarM, &s.RDownM, &s.ROverM, &s.RNoDownM}) *m = Surface(k * strip, k * kPlayerSize, kBlack);
  pair(s.Hand1, s.Hand1M, kPlayerSize, kPlayerSize);
  pair(s.Hand2, s.Hand2M, kPlayerSize, kPlayerSize);
  const int cell = k * kCell;
  for (auto* a : {&s.JTDown, &s.JTUp}) *a = {Surface(cell, cell, kBlack), Surface(cell, cell, kWhite), Surface(cell, cell, kWhite)};
  pair(s.Line, s.LineM, kCell, kDashHeight);
  s.MaskedMap = s.GameMap;  // as the loaders make it
  BitBlt(s.MaskedMap, 0, 0, s.MaskedMap.width, s.MaskedMap.height, s.GameMapM, 0, 0, RasterOp::SrcAnd);
  return s;
}

void BM_FullFrame(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  Game game;
  UserSettings settings;
  Quiet quiet;
  MersenneRandom random(1);
  GameRules rules(game, settings, RulesPorts{quiet, quiet, quiet, quiet, random});
  game.State = GameState::Star;
  game.Move = MoveState::Move;
  game.CurColumn = 4;
  for (int r = 0; r <= 11; ++r)
    for (int c = 0; c < kColumns; ++c) game.Map[r][c] = {static_cast<std::int16_t>(1 + (r + c) % 8), CellState::Stop};
  for (int r = 0; r <= 11; ++r) game.Map[r][4] = {};
  game.HandKind = 3;
  game.HandCount = 3;
  game.SnowShow = kTrue;

  Snow snow;
  snow.SnowSum = 100;
  snow.SnowPicWith = 19;
  snow.SnowPicHeight = 19;
  snow.SnowPicsum = 8;
  snow.XM = 1;
  snow.YM = 3;
  snow.PicSnow = Surface(k * 152, k * 19, kWhite);
  snow.PicSnowM = Surface(k * 152, k * 19, kBlack);
  snow.scale = k;
  snow.SnowFlakes.resize(101);
  for (int i = 1; i <= 100; ++i) snow.SnowFlakes[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(3 * i), static_cast<std::int16_t>(4 * i), 1};

  const SpriteStore store = Store(k);
  Surface field(k * layout::kFieldWidth, k * layout::kFieldHeight);
  FieldPainter painter(game, store, field, [&] {
    MoveSnow(snow, random);
    return &snow;
  });
  for (auto _ : state) {
    RunFrame(rules, painter);
    benchmark::DoNotOptimize(field.pixels.data());
  }
}
BENCHMARK(BM_FullFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pelmora

BENCHMARK_MAIN();
