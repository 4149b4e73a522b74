// The descent timer's clock: expiries, a new interval, and a pause that keeps the time left.
#include <gtest/gtest.h>

#include "game/Countdown.h"

namespace pelmora {
namespace {

TEST(Countdown, ExpiresOncePerIntervalWithoutBurstsAcrossTheTickWrap) {
  Countdown c;
  const std::uint32_t t0 = 0xFFFFF000u;  // 4096 ms before the tick wraps
  c.Start(t0, 20000);
  EXPECT_FALSE(c.Expired(t0 + 19999));
  EXPECT_TRUE(c.Expired(t0 + 20000));
  EXPECT_FALSE(c.Expired(t0 + 20000));
  // Checked late, by far: one expiry, and the next a whole interval after the check.
  EXPECT_TRUE(c.Expired(t0 + 90000));
  EXPECT_FALSE(c.Expired(t0 + 109999));
  EXPECT_TRUE(c.Expired(t0 + 110000));
}

TEST(Countdown, APauseKeepsTheTimeLeftHoweverLongItLasts) {
  Countdown c;
  c.Start(1000, 20000);
  c.Hold(6000);  // 15 s left
  EXPECT_EQ(c.MsLeft(6000), 15000u);
  EXPECT_FALSE(c.Expired(6000 + 22000));  // paused for 22 s: nothing
  c.Resume(28000);
  EXPECT_EQ(c.MsLeft(28000), 15000u);
  EXPECT_FALSE(c.Expired(28000 + 14999));
  EXPECT_TRUE(c.Expired(28000 + 15000));
  EXPECT_EQ(c.MsLeft(28000 + 15000), 20000u);  // then whole intervals again
}

TEST(Countdown, ANewIntervalStartsOverAndAStoppedOneNeverExpires) {
  Countdown c;
  c.Start(0, 20000);
  c.ChangeInterval(12000, 19900);
  EXPECT_EQ(c.MsLeft(12000), 19900u);
  c.Hold(13000);
  c.ChangeInterval(14000, 19800);  // a level reached while held: still held, a whole new wait
  EXPECT_TRUE(c.Held());
  c.Resume(50000);
  EXPECT_EQ(c.MsLeft(50000), 19800u);
  c.Stop();
  c.Resume(60000);
  c.Hold(60000);
  EXPECT_FALSE(c.Expired(1000000));
  EXPECT_FALSE(c.Running());
}

}  // namespace
}  // namespace pelmora
