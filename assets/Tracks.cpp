// The three background tracks: different keys, tempi and bands, so that a random pick
// gives some variety over an evening.
#include "Music.h"

namespace pelmora::assets {

namespace {
const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kMaj7 = {0, 4, 7, 11}, kMin7 = {0, 3, 7, 10}, kDom7 = {0, 4, 7, 10};
const std::vector<int> kMaj = {0, 4, 7}, kMin = {0, 3, 7}, kSus = {0, 5, 7, 10};
}  // namespace

std::vector<Song> Songs() {
  return {
      // Morning in the garden: C major, I - V - vi - IV, bright and walking.
      {"SunnySteps.wav", 100, 72, kMajor,
       {{0, kMaj}, {7, kMaj}, {9, kMin}, {5, kMaj}},
       {{5, kMaj7}, {4, kMin7}, {2, kMin7}, {7, kSus}},
       Band::Sunny, 1},
      // A snowy evening: F major, slow, falling seventh chords.
      {"SnowLantern.wav", 74, 65, kMajor,
       {{0, kMaj7}, {4, kMin7}, {9, kMin7}, {5, kMaj7}},
       {{2, kMin7}, {7, kSus}, {9, kMin7}, {7, kDom7}},
       Band::Snowy, 2},
      // Market of gems: D dorian, a light bounce with swing.
      {"GemMarket.wav", 112, 62, kDorian,
       {{0, kMin7}, {5, kDom7}, {0, kMin7}, {5, kDom7}},
       {{10, kMaj7}, {0, kMin7}, {3, kMaj7}, {7, kMin7}},
       Band::Bouncy, 3},
  };
}

}  // namespace pelmora::assets
