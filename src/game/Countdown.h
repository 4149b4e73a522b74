#pragma once
// The descent timer's clock: a repeating countdown on a wrapping 32-bit millisecond tick, which
// can be held and resumed. Held, it keeps the time that was left: 15 s left before a pause are
// 15 s left after it, however long the pause lasts.

#include <cstdint>

namespace pelmora {

class Countdown {
 public:
  // Runs, first expiring `intervalMs` after `now` (a running countdown starts over).
  void Start(std::uint32_t now, int intervalMs);
  // A new interval starts the countdown over from `now`, as the classic window timer does; a
  // held countdown keeps waiting to be resumed, with the new interval as its time left.
  void ChangeInterval(std::uint32_t now, int intervalMs);
  void Stop();
  // Keeps the time left at `now`; no expiry until Resume. Nothing happens unless it runs.
  void Hold(std::uint32_t now);
  // Runs on from `now` with the time that was left when it was held.
  void Resume(std::uint32_t now);

  // True once for each expiry that has come by `now`; the next one is then an interval after
  // `now`, so a late check never brings a burst of expiries.
  bool Expired(std::uint32_t now);
  // Milliseconds from `now` to the next expiry (0 when it is due); meaningless unless it runs
  // and is not held.
  std::uint32_t MsLeft(std::uint32_t now) const;

  bool Running() const { return running_; }
  bool Held() const { return held_; }
  int Interval() const { return static_cast<int>(interval_); }

 private:
  std::uint32_t interval_ = 0;
  std::uint32_t start_ = 0;  // when the current wait began
  std::uint32_t wait_ = 0;   // how long the current wait lasts
  std::uint32_t left_ = 0;   // the time left, while held
  bool running_ = false;
  bool held_ = false;
};

}  // namespace pelmora
