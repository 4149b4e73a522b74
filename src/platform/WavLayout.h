#pragma once
// Where the samples of a plain WAV file lie and how they are laid out: enough to hand them to a
// sound pipeline in blocks of our own size. A decoder's blocks are a tenth of a second or less,
// and every block wakes the pipeline's threads; background music needs no such haste. Compressed
// files, and files of more than two channels, are left to a general decoder.

#include <cstdint>
#include <istream>
#include <optional>

namespace pelmora {

struct WavLayout {
  enum class Sample { U8, S16, S24, S32, F32, F64 };  // little-endian, channels interleaved
  Sample sample;
  int channels;               // 1 or 2
  int rate;                   // frames a second
  int frameBytes;             // one sample of every channel
  std::uint64_t dataOffset;   // where the samples start in the file
  std::uint64_t dataBytes;    // whole frames only, and no more than the file holds
};

// The layout of the WAV file `in` reads, or none for anything else: not RIFF/WAVE, no format
// before the samples, a compressed or unusual format, or a header cut short.
std::optional<WavLayout> ReadWavLayout(std::istream& in);

}  // namespace pelmora
