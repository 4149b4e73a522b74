#pragma once
// Sound as the game's files hold it: PCM WAV, 16-bit, mono.

#include <QByteArray>

#include <vector>

namespace pelmora::assets {

// Samples in -1..1 (clipped) to a complete WAV file.
QByteArray WavFile(const std::vector<float>& samples, int rate);

}  // namespace pelmora::assets
