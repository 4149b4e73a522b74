#pragma once
// The composer of the background music: the song's form, its chord for every bar and a
// melody that keeps to the chords. The melody is a seeded, repeatable choice of rhythms and
// notes: chord tones on the strong beats, steps of the scale between them, an arch over each
// four-bar phrase, the answering phrase coming home to the tonic. The form is intro, A, A'
// (the same question with a new answer), B (a little higher), A, outro.

#include <vector>

#include "Music.h"

namespace pelmora::assets {

constexpr int kIntroBars = 2;
constexpr int kSectionBars = 8;
constexpr int kSections = 4;  // A, A', B, A
constexpr int kOutroBars = 4;
constexpr int kBars = kIntroBars + kSections * kSectionBars + kOutroBars;

struct Note {
  double beat;    // from the start of the song
  double length;  // in beats
  int midi;
};

// The chord of every bar of the song, intro to outro.
std::vector<Chord> BarChords(const Song& song);
// The whole melody over those chords.
std::vector<Note> Melody(const Song& song, const std::vector<Chord>& chords);
// The note of the song's scale just below midi.
int ScaleBelow(const Song& song, int midi);

}  // namespace pelmora::assets
