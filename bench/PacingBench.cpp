// Frame pacing of the frame loop on the Qt event loop: 300 frames of a running game with the
// real driver and clock, their start-to-start intervals, and the CPU the process used meanwhile.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "game/Frame.h"
#include "platform/Random.h"
#include "support/QuietPorts.h"
#include "platform/qt/QtDesktop.h"
#include "shell/qt/FrameDriver.h"

namespace {

using namespace pelmora;

using Quiet = testing::QuietPorts;

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Game game;
  UserSettings settings;
  Quiet quiet;
  MersenneRandom random(3);
  GameRules rules(game, settings, RulesPorts{quiet, quiet, quiet, quiet, random});
  QtTick tick;
  QElapsedTimer clock;
  clock.start();
  std::vector<double> starts;
  constexpr int kFrames = 301;
  FrameDriver driver(tick, [] { return true; }, [&] {
    starts.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    RunFrame(rules, quiet);
    if (starts.size() == kFrames) QCoreApplication::quit();
  });
  rules.NewGame(quiet);
  const double cpuBefore = CpuSeconds();
  driver.Restart();
  app.exec();
  const double wall = (starts.back() - starts.front()) / 1000.0;
  const double cpu = CpuSeconds() - cpuBefore;

  std::vector<double> intervals;
  for (std::size_t i = 1; i < starts.size(); ++i) intervals.push_back(starts[i] - starts[i - 1]);
  std::printf("frames: %zu intervals over %.1f s\n", intervals.size(), wall);
  std::printf("interval ms: min %.2f  median %.2f  p99 %.2f  max %.2f\n", *std::min_element(intervals.begin(), intervals.end()),
              Percentile(intervals, 0.5), Percentile(intervals, 0.99), *std::max_element(intervals.begin(), intervals.end()));
  std::printf("cpu: %.3f s = %.2f %% of one core\n", cpu, 100.0 * cpu / wall);
  return 0;
}
