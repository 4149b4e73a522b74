#include "Synth.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cmath>
#include <numbers>

#include "Dice.h"

namespace pelmora::assets::synth {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// One cycle of a wave made of harmonics (amplitude of the 1st, 2nd, ... harmonic), read by
// phase in cycles: many voices over minutes of music stay fast.
class WaveTable {
 public:
  explicit WaveTable(std::initializer_list<double> harmonics) {
    for (int i = 0; i <= kSize; ++i) {
      int h = 1;
      for (const double a : harmonics) table_[i] += a * std::sin(kTwoPi * h++ * i / kSize);
    }
  }
  double operator()(double cycles) const {
    double f = cycles - std::floor(cycles);
    const double x = f * kSize;
    const int i = static_cast<int>(x);
    return table_[i] + (table_[i + 1] - table_[i]) * (x - i);
  }

 private:
  static constexpr int kSize = 4096;
  std::array<double, kSize + 1> table_{};
};

const WaveTable Sin({1.0});
// The pad's soft, slightly hollow tone.
const WaveTable PadWave({1.0, 0.28, 0.1});

// Rises over `attack` seconds; after `length`, falls to zero over `release` seconds.
double Gate(double t, double length, double attack, double release) {
  double g = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  if (t > length) {
    const double r = std::max(0.0, 1.0 - (t - length) / release);
    g *= r * r;
  }
  return g;
}

// A partial above 0.45 of the sample rate would fold back as an off-key whistle: drop it.
double Audible(const Buffer& b, double hz) { return hz < 0.45 * b.Rate() ? 1.0 : 0.0; }

long Index(const Buffer& b, double seconds) { return std::lround(seconds * b.Rate()); }

// Renders voice(t) for t in [0, total) into b from start.
template <typename Voice>
void Render(Buffer& b, double start, double total, Voice voice) {
  const long first = Index(b, start);
  const long n = std::lround(total * b.Rate());
  const double dt = 1.0 / b.Rate();
  for (long k = 0; k < n; ++k) b.Add(first + k, voice(k * dt));
}

}  // namespace

Buffer::Buffer(int rate, double seconds) : rate_(rate), s_(static_cast<std::size_t>(std::max(0.0, seconds) * rate), 0.0f) {}

void Buffer::Add(long i, double v) {
  if (i < 0) return;
  const auto at = static_cast<std::size_t>(i);
  if (at >= s_.size()) s_.resize(at + 1 + rate_ / 4, 0.0f);
  s_[at] += static_cast<float>(v);
}

void Buffer::Mix(const Buffer& other, double gain) {
  if (other.s_.size() > s_.size()) s_.resize(other.s_.size(), 0.0f);
  for (std::size_t i = 0; i < other.s_.size(); ++i) s_[i] += static_cast<float>(other.s_[i] * gain);
}

void Buffer::Resize(double seconds) { s_.resize(static_cast<std::size_t>(std::max(0.0, seconds) * rate_), 0.0f); }

double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void ElectricPiano(Buffer& b, double start, double length, double hz, double gain) {
  const double release = 0.25;
  Render(b, start, length + release, [&](double t) {
    const double env = Gate(t, length, 0.004, release) * std::exp(-t * 1.8);
    const double index = 1.1 * std::exp(-t * 5) + 0.18;
    const double carrier = Sin(hz * t + index * Sin(hz * t) / kTwoPi * 2.2);
    const double tine = 0.06 * Audible(b, 7 * hz) * Sin(7 * hz * t) * std::exp(-t * 25);
    return gain * env * (carrier + tine);
  });
}

void MusicBox(Buffer& b, double start, double length, double hz, double gain) {
  const double release = 0.4;
  Render(b, start, length + release, [&](double t) {
    const double env = Gate(t, length, 0.002, release) * std::exp(-t * 2.2);
    const double v = Sin(hz * t) + 0.3 * Audible(b, 2 * hz) * Sin(2 * hz * t) * std::exp(-t * 3) +
                     0.14 * Audible(b, 3.01 * hz) * Sin(3.01 * hz * t) * std::exp(-t * 6) +
                     0.06 * Audible(b, 5.2 * hz) * Sin(5.2 * hz * t) * std::exp(-t * 12);
    return gain * env * v / 1.3;
  });
}

void Marimba(Buffer& b, double start, double length, double hz, double gain) {
  const double release = 0.15;
  Render(b, start, length + release, [&](double t) {
    const double env = Gate(t, length, 0.0015, release);
    const double v = Sin(hz * t) * std::exp(-t * 4.5) + 0.35 * Audible(b, 4 * hz) * Sin(4 * hz * t) * std::exp(-t * 16) +
                     0.08 * Audible(b, 9.9 * hz) * Sin(9.9 * hz * t) * std::exp(-t * 40);
    return gain * env * v;
  });
}

void Pluck(Buffer& b, double start, double length, double hz, double gain) {
  // Karplus-Strong: a burst of soft noise circulating in a delay line one period long,
  // averaged on every pass, rings like a plucked string. The line runs at four times the
  // sample rate, so that its whole-sample length keeps high notes in tune.
  constexpr int kOver = 4;
  const int period = std::max(2, static_cast<int>(std::lround(kOver * b.Rate() / hz)));
  std::vector<double> line(static_cast<std::size_t>(period));
  Dice dice(static_cast<std::uint32_t>(hz * 100));
  double smooth = 0;
  for (double& v : line) {
    smooth = 0.8 * smooth + 0.2 * dice.Between(-1, 1);
    v = smooth;
  }
  std::size_t at = 0;
  const double release = 0.12;
  const double keep = 0.9985;
  Render(b, start, length + release, [&](double t) {
    double sum = 0;
    for (int k = 0; k < kOver; ++k) {
      sum += line[at];
      const std::size_t next = (at + 1) % line.size();
      line[at] = keep * 0.5 * (line[at] + line[next]);
      at = next;
    }
    return gain * 3.0 * sum / kOver * Gate(t, length, 0.002, release);
  });
}

void Pad(Buffer& b, double start, double length, double hz, double gain) {
  const double release = 0.9;
  Render(b, start, length + release, [&](double t) {
    const double env = Gate(t, length, 0.6, release);
    const double v = PadWave(0.996 * hz * t) + PadWave(1.004 * hz * t);
    const double swell = 1.0 + 0.12 * Sin(0.25 * t);
    return gain * env * swell * v / 2.8;
  });
}

void Bass(Buffer& b, double start, double length, double hz, double gain) {
  const double release = 0.06;
  Render(b, start, length + release, [&](double t) {
    const double env = Gate(t, length, 0.006, release) * (0.55 + 0.45 * std::exp(-t * 4));
    const double v = Sin(hz * t) + 0.22 * Sin(2 * hz * t) * std::exp(-t * 3) + 0.06 * Sin(3 * hz * t);
    return gain * env * v / (1 + 0.25 * std::abs(v));
  });
}

void Kick(Buffer& b, double start, double gain) {
  double phase = 0;
  const double dt = 1.0 / b.Rate();
  Render(b, start, 0.32, [&](double t) {
    phase += (48 + 85 * std::exp(-t * 28)) * dt;
    return gain * Sin(phase) * std::exp(-t * 10) * std::min(1.0, t / 0.001);
  });
}

void Hat(Buffer& b, double start, double gain, double decay) {
  Dice dice(static_cast<std::uint32_t>(start * 1000) + 7);
  double last = 0;
  Render(b, start, decay * 6, [&](double t) {
    const double n = dice.Between(-1, 1);
    const double high = n - last;  // a first difference keeps only the hiss
    last = n;
    return gain * 0.5 * high * std::exp(-t / decay) * std::min(1.0, t / 0.0008);
  });
}

void Shaker(Buffer& b, double start, double gain) {
  Dice dice(static_cast<std::uint32_t>(start * 1000) + 13);
  double last = 0, low = 0;
  Render(b, start, 0.12, [&](double t) {
    const double n = dice.Between(-1, 1);
    const double high = n - last;
    last = n;
    low += 0.5 * (high - low);
    const double env = std::min(1.0, t / 0.018) * std::exp(-std::max(0.0, t - 0.018) / 0.03);
    return gain * 0.6 * low * env;
  });
}

void Clap(Buffer& b, double start, double gain) {
  Dice dice(static_cast<std::uint32_t>(start * 1000) + 29);
  double low = 0, band = 0;
  Render(b, start, 0.22, [&](double t) {
    const double n = dice.Between(-1, 1);
    low += 0.35 * (n - low);
    band = n - low;
    // Three quick bursts and a short tail, like hands clapping.
    double env = std::exp(-t / 0.06);
    for (const double at : {0.0, 0.011, 0.022}) env += t >= at && t < at + 0.008 ? 0.6 : 0.0;
    return gain * 0.5 * band * env * std::min(1.0, t / 0.0008);
  });
}

void Glide(Buffer& b, double start, double length, double hz0, double hz1, double gain, double decay) {
  double phase = 0;
  const double dt = 1.0 / b.Rate();
  const double release = 0.03;
  Render(b, start, length + release, [&](double t) {
    const double u = std::min(1.0, t / length);
    phase += hz0 * std::pow(hz1 / hz0, u) * dt;
    const double v = Sin(phase) + 0.2 * Sin(2 * phase);
    return gain * Gate(t, length, 0.006, release) * std::exp(-t * decay) * v;
  });
}

void Noise(Buffer& b, double start, double length, double gain, double brightness, unsigned seed) {
  Dice dice(seed);
  double low = 0;
  Render(b, start, length, [&](double t) {
    low += brightness * (dice.Between(-1, 1) - low);
    return gain * low * std::min(1.0, t / 0.003) * std::exp(-t * 4 / length);
  });
}

void Reverb(Buffer& b, double wet, double size) {
  std::vector<float>& s = b.Samples();
  const int rate = b.Rate();
  const double combMs[4] = {29.7, 37.1, 41.1, 43.7};
  std::vector<double> out(s.size(), 0.0);
  for (const double ms : combMs) {
    const auto delay = static_cast<std::size_t>(ms * size * rate / 1000);
    std::vector<double> line(delay, 0.0);
    std::size_t at = 0;
    double damp = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const double y = line[at];
      damp = 0.7 * y + 0.3 * damp;  // darker echoes, like a furnished room
      line[at] = s[i] + 0.8 * damp;
      at = (at + 1) % delay;
      out[i] += y / 4;
    }
  }
  for (const double ms : {5.0, 1.7}) {
    const auto delay = static_cast<std::size_t>(ms * rate / 1000);
    std::vector<double> line(delay, 0.0);
    std::size_t at = 0;
    for (double& v : out) {
      const double buffered = line[at];
      const double x = v;
      line[at] = x + 0.7 * buffered;
      v = buffered - 0.7 * line[at];
      at = (at + 1) % delay;
    }
  }
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(s[i] + wet * out[i]);
}

void LowPass(Buffer& b, double hz) {
  const double a = 1.0 - std::exp(-kTwoPi * hz / b.Rate());
  double y = 0;
  for (float& v : b.Samples()) {
    y += a * (v - y);
    v = static_cast<float>(y);
  }
}

void Fades(Buffer& b, double in, double out) {
  std::vector<float>& s = b.Samples();
  const auto n = static_cast<long>(s.size());
  const long fin = std::max(1L, std::lround(in * b.Rate()));
  const long fout = std::max(1L, std::lround(out * b.Rate()));
  for (long i = 0; i < n; ++i) {
    double g = 1.0;
    if (i < fin) g = std::min(g, double(i) / fin);
    if (i >= n - fout) g = std::min(g, double(n - 1 - i) / fout);
    s[static_cast<std::size_t>(i)] = static_cast<float>(s[static_cast<std::size_t>(i)] * g);
  }
}

void Normalize(Buffer& b, double peak) {
  double top = 0;
  for (const float v : b.Samples()) top = std::max(top, double(std::abs(v)));
  if (top <= 0) return;
  for (float& v : b.Samples()) v = static_cast<float>(v * peak / top);
}

void RemoveOffset(Buffer& b) {
  if (b.Samples().empty()) return;
  double sum = 0;
  for (const float v : b.Samples()) sum += v;
  const double mean = sum / b.Samples().size();
  for (float& v : b.Samples()) v = static_cast<float>(v - mean);
}

}  // namespace pelmora::assets::synth
