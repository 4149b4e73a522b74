#include "Cues.h"

#include <utility>

#include "Synth.h"
#include "Wav.h"

namespace pelmora::assets {

namespace {

using namespace synth;

// Every cue ends the same way: exact length, no offset, short fades, the common peak.
QByteArray Finish(Buffer& b, double seconds, double fadeIn, double fadeOut) {
  b.Resize(seconds);
  RemoveOffset(b);
  Fades(b, fadeIn, fadeOut);
  Normalize(b, kCuePeak);
  return WavFile(b.Samples(), b.Rate());
}

}  // namespace

QByteArray GameStartCue() {
  Buffer b(kCueRate, 1.0);
  // C major rising, then the top note rings with its fifth.
  const double notes[] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) MusicBox(b, i * 0.075, 0.5, NoteHz(notes[i]), 0.45);
  MusicBox(b, 0.3, 0.6, NoteHz(91), 0.22);
  ElectricPiano(b, 0.3, 0.5, NoteHz(60), 0.25);
  ElectricPiano(b, 0.3, 0.5, NoteHz(67), 0.2);
  Reverb(b, 0.25);
  return Finish(b, 0.95, 0.004, 0.25);
}

QByteArray GrabCue() {
  Buffer b(kCueRate, 0.2);
  Glide(b, 0.0, 0.12, 620, 330, 0.6, 14);
  Noise(b, 0.0, 0.06, 0.1, 0.08, 3);
  return Finish(b, 0.16, 0.004, 0.04);
}

QByteArray ThrowCue() {
  Buffer b(kCueRate, 0.2);
  Glide(b, 0.0, 0.09, 420, 880, 0.6, 8);
  Marimba(b, 0.07, 0.05, 1175, 0.25);
  return Finish(b, 0.16, 0.004, 0.04);
}

QByteArray RefusedCue() {
  Buffer b(kCueRate, 0.4);
  // Two low knocks, the second lower: "uh-uh".
  for (const auto& [at, note] : {std::pair{0.0, 50.0}, std::pair{0.13, 45.0}}) {
    Marimba(b, at, 0.08, NoteHz(note), 0.7);
    Glide(b, at, 0.08, NoteHz(note + 12), NoteHz(note), 0.2);
  }
  LowPass(b, 1400);
  return Finish(b, 0.32, 0.004, 0.06);
}

QByteArray VanishCue() {
  Buffer b(kCueRate, 0.25);
  MusicBox(b, 0.0, 0.1, NoteHz(88), 0.4);
  MusicBox(b, 0.035, 0.1, NoteHz(95), 0.3);
  Noise(b, 0.0, 0.12, 0.06, 0.9, 11);
  return Finish(b, 0.2, 0.004, 0.06);
}

QByteArray GameOverCue() {
  Buffer b(kCueRate, 1.8);
  // G - E - C, then a low, slow G: a soft "oh well".
  const std::pair<double, double> phrase[] = {{0.0, 67}, {0.22, 64}, {0.44, 60}, {0.7, 55}};
  for (const auto& [at, note] : phrase) ElectricPiano(b, at, at < 0.6 ? 0.25 : 0.8, NoteHz(note), 0.5);
  Pad(b, 0.7, 0.6, NoteHz(43), 0.25);
  Reverb(b, 0.3);
  return Finish(b, 1.7, 0.004, 0.4);
}

}  // namespace pelmora::assets
