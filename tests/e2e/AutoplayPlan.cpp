// Plans a short game for the window tests: with the game's seed and mode it finds presses that
// score at least one point and then lose the game, simulating the rules exactly as the game
// runs them. Prints one press per line ("L 3" = left button on column 3) and then "score N".
// Usage: pelmora_autoplay_plan <seed> <mode>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <vector>

#include "game/Frame.h"
#include "game/Rules.h"
#include "platform/Random.h"
#include "support/QuietPorts.h"

namespace {

using namespace pelmora;

using Quiet = testing::QuietPorts;

struct Press {
  MouseButton button;
  int column;
};

// After a press the window test waits long enough for the move to settle (1.8 s, about 17
// frames); the plan lets each move settle the same way, so that extra frames change nothing.
constexpr int kMaxFramesToSettle = 17;

bool Settled(const Game& g) {
  return g.State == GameState::Over || (g.State == GameState::Star && g.Move == MoveState::Move);
}

Game After(const Game& start, const UserSettings& settings, const std::vector<Press>& presses) {
  Game game = start;
  Quiet quiet;
  MersenneRandom unused(1);
  GameRules rules(game, settings, RulesPorts{quiet, quiet, quiet, quiet, unused});
  for (const Press& p : presses) {
    rules.SelectColumn(p.column);
    rules.Press(p.button);
    for (int f = 0; f < kMaxFramesToSettle && !Settled(game); ++f) RunFrame(rules, quiet);
  }
  return game;
}

template <typename Goal>
std::optional<std::vector<Press>> Search(const Game& start, const UserSettings& settings, Goal goal) {
  std::deque<std::vector<Press>> queue{{}};
  while (!queue.empty()) {
    std::vector<Press> plan = queue.front();
    queue.pop_front();
    const Game game = After(start, settings, plan);
    if (goal(game)) return plan;
    if (plan.size() >= 4 || game.State == GameState::Over) continue;
    for (MouseButton b : {MouseButton::Left, MouseButton::Right})
      for (int c = 0; c < kColumns; ++c) {
        plan.push_back({b, c});
        queue.push_back(plan);
        plan.pop_back();
      }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <seed> <mode>\n", argv[0]);
    return 2;
  }
  UserSettings settings;
  settings.GameMode = static_cast<std::int16_t>(std::atoi(argv[2]));
  Game game;
  Quiet quiet;
  MersenneRandom random(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)));
  GameRules rules(game, settings, RulesPorts{quiet, quiet, quiet, quiet, random});
  rules.NewGame(quiet);

  const auto scoring = Search(game, settings, [](const Game& g) { return g.Score > 0 && g.State == GameState::Star; });
  if (!scoring) return 1;
  const Game scored = After(game, settings, *scoring);
  const auto losing = Search(scored, settings, [](const Game& g) { return g.State == GameState::Over; });
  if (!losing) return 1;
  std::vector<Press> plan = *scoring;
  plan.insert(plan.end(), losing->begin(), losing->end());
  for (const Press& p : plan) std::printf("%c %d\n", p.button == MouseButton::Left ? 'L' : 'R', p.column);
  std::printf("score %d\n", After(game, settings, plan).Score);
  return 0;
}
