#pragma once
// The background music: a small composer and band. A song is a key, a tempo, a chord
// progression and a style; the melody is composed from them (a seeded, repeatable choice of
// rhythms and notes that keeps to the chords), in the form intro - A - A' - B - A - outro, and
// played by the style's instruments. Every track starts and ends in silence (fades), so it
// can follow any other track or itself.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace pelmora::assets {

constexpr int kMusicRate = 22050;  // mono 16-bit: small files, plenty for soft music

struct Chord {
  int root;                // semitones above the key's tonic
  std::vector<int> tones;  // semitones above the root
};

enum class Band {
  Sunny,   // electric piano lead, marimba arpeggios, walking bass, light kit
  Snowy,   // music box lead, slow pad, long bass notes, a shaker
  Bouncy,  // plucked-string lead, syncopated bass and comping, kick and claps, swing
};

struct Song {
  QString file;
  double bpm;
  int tonic;                       // MIDI note of the key's tonic in the melody's octave
  std::vector<int> scale;          // the mode, semitones above the tonic
  std::vector<Chord> verse;        // four bars, used by the A sections
  std::vector<Chord> bridge;       // four bars, used by the B section
  Band band;
  std::uint32_t seed;
};

// The three tracks of "media/".
std::vector<Song> Songs();

// The song as a complete WAV file.
QByteArray RenderSong(const Song& song);
// Length in seconds of the rendered song.
double SongSeconds(const Song& song);

}  // namespace pelmora::assets
