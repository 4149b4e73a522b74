#pragma once
// A small synthesiser: instruments that add notes into a mono buffer, a few drums, a room
// reverb and the finishing steps (fades, level). Everything is plain arithmetic on floats, so
// the same score gives the same samples on every run.

#include <vector>

namespace pelmora::assets::synth {

class Buffer {
 public:
  explicit Buffer(int rate, double seconds = 0);
  int Rate() const { return rate_; }
  std::vector<float>& Samples() { return s_; }
  const std::vector<float>& Samples() const { return s_; }
  // Adds v at sample index i, growing the buffer as needed.
  void Add(long i, double v);
  void Mix(const Buffer& other, double gain);
  double Seconds() const { return double(s_.size()) / rate_; }
  void Resize(double seconds);

 private:
  int rate_;
  std::vector<float> s_;
};

double NoteHz(double midi);

// Tuned instruments. start and length in seconds; gain is the note's peak level.
void ElectricPiano(Buffer& b, double start, double length, double hz, double gain);
void MusicBox(Buffer& b, double start, double length, double hz, double gain);
void Marimba(Buffer& b, double start, double length, double hz, double gain);
void Pluck(Buffer& b, double start, double length, double hz, double gain);  // a nylon-like string
void Pad(Buffer& b, double start, double length, double hz, double gain);
void Bass(Buffer& b, double start, double length, double hz, double gain);

// Drums, all soft.
void Kick(Buffer& b, double start, double gain);
void Hat(Buffer& b, double start, double gain, double decay = 0.035);
void Shaker(Buffer& b, double start, double gain);
void Clap(Buffer& b, double start, double gain);

// A gliding tone from hz0 to hz1 (for cues), sine with a touch of the octave, dying away
// by `decay` per second.
void Glide(Buffer& b, double start, double length, double hz0, double hz1, double gain, double decay = 0);
// Filtered noise burst (for cues).
void Noise(Buffer& b, double start, double length, double gain, double brightness, unsigned seed);

// A small room (Schroeder: parallel combs into allpasses), mixed in at wet.
void Reverb(Buffer& b, double wet, double size = 1.0);
// A gentle one-pole low-pass, cutoff in Hz.
void LowPass(Buffer& b, double hz);
// Linear fade-in and fade-out over the given seconds; the first and last samples are zero.
void Fades(Buffer& b, double in, double out);
// Scales so that the loudest sample is at peak (0..1).
void Normalize(Buffer& b, double peak);
// Removes any constant offset.
void RemoveOffset(Buffer& b);

}  // namespace pelmora::assets::synth
