#include "platform/WavLayout.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace pelmora {

namespace {

constexpr std::uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

std::uint32_t Le(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

bool ReadAt(std::istream& in, std::uint64_t at, unsigned char* to, std::size_t bytes) {
  in.clear();
  in.seekg(static_cast<std::streamoff>(at));
  in.read(reinterpret_cast<char*>(to), static_cast<std::streamsize>(bytes));
  return in.gcount() == static_cast<std::streamsize>(bytes);
}

// The format block: its tag (the extensible one's sub-format), channels, rate, frame and sample size.
std::optional<WavLayout> ParseFormat(const unsigned char* f, std::uint32_t size) {
  std::uint16_t tag = static_cast<std::uint16_t>(Le(f, 2));
  if (tag == kExtensible) {
    if (size < 40) return std::nullopt;
    tag = static_cast<std::uint16_t>(Le(f + 24, 2));
  }
  const int channels = static_cast<int>(Le(f + 2, 2)), rate = static_cast<int>(Le(f + 4, 4));
  const int frameBytes = static_cast<int>(Le(f + 12, 2)), bits = static_cast<int>(Le(f + 14, 2));
  if (channels < 1 || channels > 2 || rate < 1000 || rate > 768000 || frameBytes != channels * bits / 8)
    return std::nullopt;
  using S = WavLayout::Sample;
  std::optional<S> sample;
  if (tag == kPcm && bits == 8) sample = S::U8;
  if (tag == kPcm && bits == 16) sample = S::S16;
  if (tag == kPcm && bits == 24) sample = S::S24;
  if (tag == kPcm && bits == 32) sample = S::S32;
  if (tag == kFloat && bits == 32) sample = S::F32;
  if (tag == kFloat && bits == 64) sample = S::F64;
  if (!sample) return std::nullopt;
  return WavLayout{*sample, channels, rate, frameBytes, 0, 0};
}

}  // namespace

std::optional<WavLayout> ReadWavLayout(std::istream& in) {
  in.seekg(0, std::ios::end);
  const std::streamoff end = in.tellg();
  if (end < 0) return std::nullopt;
  const auto fileSize = static_cast<std::uint64_t>(end);
  unsigned char head[12];
  if (!ReadAt(in, 0, head, 12) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
    return std::nullopt;
  std::optional<WavLayout> layout;
  // Chunks follow one another, each padded to an even size; anything but the format and the
  // samples (names, cue points, pictures) is stepped over.
  for (std::uint64_t at = 12;;) {
    unsigned char chunk[8];
    if (!ReadAt(in, at, chunk, 8)) return std::nullopt;
    const std::uint32_t size = Le(chunk + 4, 4);
    at += 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      std::array<unsigned char, 40> format{};
      if (size < 16 || !ReadAt(in, at, format.data(), std::min<std::size_t>(size, format.size())))
        return std::nullopt;
      layout = ParseFormat(format.data(), size);
      if (!layout) return std::nullopt;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!layout) return std::nullopt;
      const std::uint64_t held = fileSize > at ? fileSize - at : 0;
      // A recorder that never finished leaves the size at its largest: the file's end is the end.
      const std::uint64_t bytes = std::min<std::uint64_t>(size, held);
      layout->dataOffset = at;
      layout->dataBytes = bytes - bytes % static_cast<std::uint64_t>(layout->frameBytes);
      return layout;
    }
    at += size + (size & 1u);
  }
}

}  // namespace pelmora
