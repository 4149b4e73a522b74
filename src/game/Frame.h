#pragma once
// One frame of the game loop and the clock that decides when the next one is due.

#include <cstdint>

#include "game/Rules.h"

namespace pelmora {

// Runs the ten steps of a frame in their fixed order, then lets `draw` end the frame. Drawing
// steps go to `draw`; the state that the drawing of the aim guide and the player advance
// (ArrowPhase, PlayerFrame, the end of a refused grab) is advanced here.
void RunFrame(GameRules& rules, FrameDrawing& draw);

// A frame is due when more than 100 ms have passed since the previous frame began, measured on
// a wrapping 32-bit millisecond tick. The new frame begins at the tick of the check that found
// it due, so time spent inside a frame counts towards the next wait and late frames never
// come in a burst. A (re)started clock has its first frame due at once.
class FrameClock {
 public:
  static constexpr std::uint32_t kPeriodMs = 100;

  void Restart() { running_ = true; first_ = true; }
  void Stop() { running_ = false; }
  bool running() const { return running_; }

  // True when a frame is due at `now`; the frame is then taken to begin at `now`.
  bool Due(std::uint32_t now);
  // Milliseconds from `now` until a frame is due (0 when it is due already).
  std::uint32_t MsUntilDue(std::uint32_t now) const;

 private:
  std::uint32_t last_ = 0;
  bool running_ = false;
  bool first_ = true;
};

}  // namespace pelmora
