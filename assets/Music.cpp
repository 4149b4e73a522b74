#include "Music.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "Composer.h"
#include "Synth.h"
#include "Wav.h"

namespace pelmora::assets {

namespace {

using namespace synth;

constexpr double kTail = 1.5;  // seconds after the last bar for the last notes to ring out

double SecondsPerBeat(const Song& s) { return 60.0 / s.bpm; }

// The chord's notes placed near the middle of the keyboard (around G3..F#4), so that the
// voicing moves little from bar to bar.
std::vector<int> Voicing(const Song& s, const Chord& c) {
  std::vector<int> notes;
  for (const int t : c.tones) {
    int n = (s.tonic + c.root + t) % 12 + 48;
    while (n < 55) n += 12;
    notes.push_back(n);
  }
  std::sort(notes.begin(), notes.end());
  return notes;
}

int BassNote(const Song& s, int semitonesAboveTonic) {
  int n = ((s.tonic + semitonesAboveTonic) % 12 + 12) % 12 + 36;
  if (n > 45) n -= 12;
  return n;
}

struct Bands {
  Buffer lead, chords, bass, drums;
  explicit Bands(double seconds)
      : lead(kMusicRate, seconds), chords(kMusicRate, seconds), bass(kMusicRate, seconds), drums(kMusicRate, seconds) {}
};

// Time of an eighth-note slot, with the song's swing.
double SlotTime(const Song& s, int bar, int eighth) {
  const double swing = s.band == Band::Bouncy && eighth % 2 ? 0.16 : 0.0;
  return (bar * 4 + (eighth + swing) / 2.0) * SecondsPerBeat(s);
}

void PlayMelody(const Song& s, const std::vector<Note>& melody, Buffer& lead) {
  const double spb = SecondsPerBeat(s);
  for (const Note& n : melody) {
    const int bar = static_cast<int>(n.beat / 4);
    const int eighth = static_cast<int>(std::lround((n.beat - bar * 4) * 2));
    const double t = SlotTime(s, bar, eighth);
    const double len = n.length * spb * 0.92;
    const double hz = NoteHz(n.midi);
    switch (s.band) {
      case Band::Sunny: ElectricPiano(lead, t, len, hz, 0.34); break;
      case Band::Snowy: MusicBox(lead, t, len, hz, 0.36); break;
      case Band::Bouncy: Pluck(lead, t, len, hz, 0.36); break;
    }
  }
}

// What the band plays in one bar besides the melody. Intro and outro bars are quiet: softer
// accompaniment and no kick or claps.
struct BarContext {
  const Song& song;
  int bar;
  double t0;                 // the bar's start, seconds
  double spb;                // seconds per beat
  std::vector<int> voicing;  // the chord
  int root, nextRoot;        // bass notes of this bar's chord and the next one's
  bool quiet;
  double soft;               // accompaniment level: 0.6 when quiet

  double Slot(int eighth) const { return SlotTime(song, bar, eighth); }
};

// Garden morning: pad, marimba rolling up and down the chord, a walking bass, a light kit.
void SunnyBar(const BarContext& c, Bands& out) {
  for (const int n : c.voicing) Pad(out.chords, c.t0, 4 * c.spb, NoteHz(n), 0.05);
  for (int e = 0; e < 8; ++e) {
    const int i = e < 4 ? e : 7 - e;
    const int n = c.voicing[static_cast<std::size_t>(i) % c.voicing.size()];
    Marimba(out.chords, c.Slot(e), c.spb * 0.45, NoteHz(n), 0.1 * c.soft);
  }
  Bass(out.bass, c.t0, 1.5 * c.spb, NoteHz(c.root), 0.32);
  Bass(out.bass, c.t0 + 2 * c.spb, 1.2 * c.spb, NoteHz(c.root + 7 > 47 ? c.root - 5 : c.root + 7), 0.27);
  // A step from below into the next bar's root, within the key.
  Bass(out.bass, c.t0 + 3.5 * c.spb, 0.45 * c.spb, NoteHz(ScaleBelow(c.song, c.nextRoot)), 0.22);
  if (!c.quiet) {
    Kick(out.drums, c.t0, 0.3);
    Kick(out.drums, c.t0 + 2 * c.spb, 0.25);
    Clap(out.drums, c.t0 + c.spb, 0.1);
    Clap(out.drums, c.t0 + 3 * c.spb, 0.1);
  }
  for (int e = 0; e < 8; ++e) Hat(out.drums, c.Slot(e), (e % 2 ? 0.07 : 0.045) * c.soft);
}

// Snowy evening: a warm pad, a slow broken chord, long bass notes, a shaker.
void SnowyBar(const BarContext& c, Bands& out) {
  for (const int n : c.voicing) Pad(out.chords, c.t0, 4 * c.spb, NoteHz(n), 0.08);
  for (int beat = 0; beat < 4; ++beat) {
    const int n = c.voicing[static_cast<std::size_t>(beat) % c.voicing.size()] + (beat % 2 ? 12 : 0);
    ElectricPiano(out.chords, c.t0 + beat * c.spb, c.spb * 0.9, NoteHz(n), 0.11 * c.soft);
  }
  Bass(out.bass, c.t0, 3.6 * c.spb, NoteHz(c.root), 0.28);
  Shaker(out.drums, c.t0 + 1.5 * c.spb, 0.08 * c.soft);
  Shaker(out.drums, c.t0 + 3.5 * c.spb, 0.08 * c.soft);
  if (!c.quiet) Kick(out.drums, c.t0, 0.14);
}

// Gem market: chord stabs on the off-beats, a syncopated bass with a chromatic lead-in,
// kick and claps, swung hats.
void BouncyBar(const BarContext& c, Bands& out) {
  for (const int n : c.voicing) Pad(out.chords, c.t0, 4 * c.spb, NoteHz(n), 0.035);
  for (const int e : {3, 7})
    for (const int n : c.voicing) ElectricPiano(out.chords, c.Slot(e), 0.3 * c.spb, NoteHz(n), 0.07 * c.soft);
  const std::pair<int, double> line[] = {{0, 0.7}, {3, 0.45}, {4, 0.7}, {7, 0.4}};
  for (const auto& [e, len] : line) {
    const int n = e == 7 ? c.nextRoot - 1 : e == 3 ? c.root + 12 : c.root;
    Bass(out.bass, c.Slot(e), len * c.spb, NoteHz(n), 0.3);
  }
  if (!c.quiet) {
    Kick(out.drums, c.t0, 0.3);
    Kick(out.drums, c.Slot(3), 0.18);
    Kick(out.drums, c.t0 + 2 * c.spb, 0.27);
    Clap(out.drums, c.t0 + c.spb, 0.13);
    Clap(out.drums, c.t0 + 3 * c.spb, 0.13);
  }
  for (int e = 0; e < 8; ++e) Hat(out.drums, c.Slot(e), (e % 2 ? 0.07 : 0.04) * c.soft, 0.03);
}

void PlayBar(const Song& s, const Chord& chord, const Chord& next, int bar, bool quiet, Bands& out) {
  const double spb = SecondsPerBeat(s);
  const BarContext c{s, bar, bar * 4 * spb, spb, Voicing(s, chord), BassNote(s, chord.root), BassNote(s, next.root),
                     quiet, quiet ? 0.6 : 1.0};
  switch (s.band) {
    case Band::Sunny: SunnyBar(c, out); break;
    case Band::Snowy: SnowyBar(c, out); break;
    case Band::Bouncy: BouncyBar(c, out); break;
  }
}

// The last bar only holds the home chord and lets it ring.
void PlayLastBar(const Song& s, const Chord& chord, int bar, Bands& out) {
  const double spb = SecondsPerBeat(s);
  for (const int n : Voicing(s, chord)) Pad(out.chords, bar * 4 * spb, 3 * spb, NoteHz(n), 0.06);
  Bass(out.bass, bar * 4 * spb, 2 * spb, NoteHz(BassNote(s, chord.root)), 0.25);
}

}  // namespace

double SongSeconds(const Song& song) { return kBars * 4 * SecondsPerBeat(song) + kTail; }

QByteArray RenderSong(const Song& song) {
  const double seconds = SongSeconds(song);
  Bands bands(seconds);
  const std::vector<Chord> chords = BarChords(song);
  for (int bar = 0; bar < kBars; ++bar) {
    const bool quiet = bar < kIntroBars || bar >= kBars - kOutroBars;
    const Chord& next = chords[static_cast<std::size_t>(std::min(bar + 1, kBars - 1))];
    if (bar == kBars - 1) {
      PlayLastBar(song, chords.back(), bar, bands);
    } else {
      PlayBar(song, chords[static_cast<std::size_t>(bar)], next, bar, quiet, bands);
    }
  }
  PlayMelody(song, Melody(song, chords), bands.lead);

  Buffer mix(kMusicRate, seconds);
  mix.Mix(bands.lead, 1.0);
  mix.Mix(bands.chords, 1.0);
  Reverb(mix, 0.3, song.band == Band::Snowy ? 1.4 : 1.0);
  Reverb(bands.drums, 0.12);
  mix.Mix(bands.drums, 1.0);
  mix.Mix(bands.bass, 1.0);
  mix.Resize(seconds);
  RemoveOffset(mix);
  Fades(mix, 1.5, 4.0);
  Normalize(mix, 0.5);
  return WavFile(mix.Samples(), kMusicRate);
}

}  // namespace pelmora::assets
