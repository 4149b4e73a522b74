#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pelmora::assets {

namespace {

void Put16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray WavFile(const std::vector<float>& samples, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  QByteArray out;
  out.reserve(44 + static_cast<int>(dataBytes));
  out.append("RIFF", 4);
  Put32(out, 36 + dataBytes);
  out.append("WAVE", 4);
  out.append("fmt ", 4);
  Put32(out, 16);                                   // size of the format block
  Put16(out, 1);                                    // PCM
  Put16(out, 1);                                    // mono
  Put32(out, static_cast<std::uint32_t>(rate));     // samples per second
  Put32(out, static_cast<std::uint32_t>(rate) * 2);  // bytes per second
  Put16(out, 2);                                    // bytes per sample frame
  Put16(out, 16);                                   // bits per sample
  out.append("data", 4);
  Put32(out, dataBytes);
  for (const float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  return out;
}

}  // namespace pelmora::assets
