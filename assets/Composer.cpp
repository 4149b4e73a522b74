#include "Composer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Dice.h"

namespace pelmora::assets {

namespace {

// The melody's range in scale steps from the tonic: a step below to a sixth above the octave.
constexpr int kLowest = -2;
constexpr int kHighest = 9;

// One bar's rhythm: (onset, length) in eighths.
using Rhythm = std::vector<std::pair<int, int>>;

const std::vector<Rhythm> kBusyRhythms = {
    {{0, 2}, {2, 2}, {4, 2}, {6, 2}},
    {{0, 3}, {3, 1}, {4, 4}},
    {{0, 2}, {2, 1}, {3, 1}, {4, 2}, {6, 2}},
    {{0, 1}, {1, 1}, {2, 2}, {4, 3}, {7, 1}},
    {{0, 4}, {4, 2}, {6, 2}},
    {{2, 2}, {4, 2}, {6, 2}},
    {{0, 2}, {3, 2}, {6, 2}},
};
const std::vector<Rhythm> kCalmRhythms = {
    {{0, 4}, {4, 4}},
    {{0, 2}, {2, 2}, {4, 4}},
    {{0, 6}, {6, 2}},
    {{0, 3}, {3, 1}, {4, 4}},
    {{2, 2}, {4, 4}},
};
const std::vector<Rhythm> kEndings = {{{0, 6}}, {{0, 2}, {2, 6}}, {{0, 4}}};

// Scale steps as numbers: index 0 is the tonic, 7 the tonic an octave up, -1 the step below.
int PitchOf(const Song& s, int index) {
  const int n = static_cast<int>(s.scale.size());
  const int octave = static_cast<int>(std::floor(double(index) / n));
  return s.tonic + 12 * octave + s.scale[static_cast<std::size_t>(index - octave * n)];
}

bool IsChordTone(const Song& s, const Chord& c, int index) {
  const int pc = ((PitchOf(s, index) - s.tonic - c.root) % 12 + 12) % 12;
  return std::find(c.tones.begin(), c.tones.end(), pc) != c.tones.end();
}

// The chord tone nearest to index, leaning in direction when two are equally near.
int NearestChordTone(const Song& s, const Chord& c, int index, int direction) {
  for (int d = 0; d < 7; ++d) {
    const int first = direction >= 0 ? index + d : index - d;
    const int second = direction >= 0 ? index - d : index + d;
    if (IsChordTone(s, c, first)) return first;
    if (IsChordTone(s, c, second)) return second;
  }
  return index;
}

// Four bars of melody over four chords. `from` is the scale index to start near; `lift`
// raises the phrase's arch; a cadence ends on the tonic. The last index is returned in from.
std::vector<Note> Phrase(const Song& s, Dice& dice, const std::vector<Chord>& chords, int firstBar, int& from,
                         int lift, bool cadence) {
  const std::vector<Rhythm>& pool = s.band == Band::Snowy ? kCalmRhythms : kBusyRhythms;
  const Rhythm first = pool[static_cast<std::size_t>(dice.Below(static_cast<int>(pool.size())))];
  const Rhythm second = pool[static_cast<std::size_t>(dice.Below(static_cast<int>(pool.size())))];
  const Rhythm bars[4] = {first, second, first, kEndings[static_cast<std::size_t>(dice.Below(3))]};
  // An arch: up over the first two bars, back down to rest.
  const int start = from;
  const auto within = [](int i) { return std::clamp(i, kLowest, kHighest - 1); };
  const int targets[4] = {within(start + 2 + lift), within(start + 4 + lift), within(start + 2 + lift), within(start)};
  std::vector<Note> notes;
  int index = from;
  for (int b = 0; b < 4; ++b) {
    const Chord& chord = chords[static_cast<std::size_t>(b)];
    for (std::size_t k = 0; k < bars[b].size(); ++k) {
      const auto [onset, length] = bars[b][k];
      const int direction = targets[b] > index ? 1 : targets[b] < index ? -1 : (dice.Unit() < 0.5 ? 1 : -1);
      const bool last = b == 3 && k + 1 == bars[b].size();
      if (last && cadence) {
        index = NearestChordTone(s, {0, {0}}, index, -1);
      } else if (onset % 4 == 0 || last) {
        index = NearestChordTone(s, chord, index + direction, direction);
      } else {
        index += direction * (dice.Unit() < 0.2 ? 2 : 1);
      }
      // At the edge of the range a step that would leave it turns back instead.
      if (index > kHighest) index = kHighest - 1;
      if (index < kLowest) index = kLowest + 1;
      notes.push_back({(firstBar + b) * 4 + onset / 2.0, length / 2.0, PitchOf(s, index)});
    }
  }
  from = index;
  return notes;
}

}  // namespace

std::vector<Chord> BarChords(const Song& s) {
  std::vector<Chord> bars;
  for (int b = 0; b < kIntroBars; ++b) bars.push_back(s.verse[static_cast<std::size_t>(b % 4)]);
  for (int section = 0; section < kSections; ++section)
    for (int b = 0; b < kSectionBars; ++b)
      bars.push_back((section == 2 ? s.bridge : s.verse)[static_cast<std::size_t>(b % 4)]);
  // Home, the subdominant, the dominant side, home: the last tonic note sits on its chord.
  const std::size_t outro[kOutroBars] = {0, 3, 1, 0};
  for (const std::size_t i : outro) bars.push_back(s.verse[i]);
  return bars;
}

// The melody of the whole song: A A' B A, then a last long tonic at the start of the outro.
std::vector<Note> Melody(const Song& s, const std::vector<Chord>& chords) {
  Dice dice(s.seed * 7919u);
  const auto four = [&](int bar) { return std::vector<Chord>(chords.begin() + bar, chords.begin() + bar + 4); };
  const int a = kIntroBars, a2 = a + kSectionBars, b = a2 + kSectionBars, a3 = b + kSectionBars;
  int at = 2;
  std::vector<Note> question = Phrase(s, dice, four(a), a, at, 0, false);
  std::vector<Note> answer = Phrase(s, dice, four(a + 4), a + 4, at, 1, true);
  std::vector<Note> out;
  const auto copy = [&](const std::vector<Note>& phrase, int fromBar, int toBar) {
    for (Note n : phrase) {
      n.beat += (toBar - fromBar) * 4.0;
      out.push_back(n);
    }
  };
  copy(question, a, a);
  copy(answer, a + 4, a + 4);
  // A': the same question, a new answer.
  copy(question, a, a2);
  at = 2;
  for (const Note& n : Phrase(s, dice, four(a2 + 4), a2 + 4, at, 2, true)) out.push_back(n);
  // B: a little higher and freer.
  at = 3;
  for (const Note& n : Phrase(s, dice, four(b), b, at, 1, false)) out.push_back(n);
  for (const Note& n : Phrase(s, dice, four(b + 4), b + 4, at, 0, false)) out.push_back(n);
  // A again, as at first.
  copy(question, a, a3);
  copy(answer, a + 4, a3 + 4);
  out.push_back({double(a3 + kSectionBars) * 4, 6, s.tonic});
  return out;
}

// The note of the scale just below midi.
int ScaleBelow(const Song& s, int midi) {
  for (int n = midi - 1;; --n) {
    const int pc = ((n - s.tonic) % 12 + 12) % 12;
    if (std::find(s.scale.begin(), s.scale.end(), pc) != s.scale.end()) return n;
  }
}

}  // namespace pelmora::assets
