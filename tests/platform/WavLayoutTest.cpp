// The layout of plain WAV files, read from their bytes; anything else is left to a decoder.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/WavLayout.h"

namespace pelmora {
namespace {

std::string Le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
  return s;
}
std::string Chunk(const std::string& id, const std::string& body) {
  return id + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}
std::string Format(int tag, int channels, int rate, int frameBytes, int bits) {
  return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * frameBytes, 4) + Le(frameBytes, 2) + Le(bits, 2);
}
std::optional<WavLayout> Read(const std::string& afterWave) {
  std::istringstream in("RIFF" + Le(4 + afterWave.size(), 4) + "WAVE" + afterWave);
  return ReadWavLayout(in);
}

TEST(WavLayout, FindsTheSamplesPastOtherChunksAndTheirPadding) {
  const auto mono = Read(Chunk("LIST", "odd") + std::string(1, '\0') + Chunk("fmt ", Format(1, 1, 22050, 2, 16)) +
                         Chunk("data", std::string(10, 'x')));
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->sample, WavLayout::Sample::S16);
  EXPECT_EQ(mono->channels, 1);
  EXPECT_EQ(mono->rate, 22050);
  EXPECT_EQ(mono->dataOffset, 12u + 12 + 24 + 8);
  EXPECT_EQ(mono->dataBytes, 10u);
  // The extensible format names its real one in the first bytes of its sub-format.
  const std::string extension = Le(22, 2) + Le(32, 2) + Le(3, 4) + Le(3, 2) + std::string(14, '\0');
  const auto stereo = Read(Chunk("fmt ", Format(0xFFFE, 2, 48000, 8, 32) + extension) + Chunk("data", ""));
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->sample, WavLayout::Sample::F32);
  EXPECT_EQ(stereo->frameBytes, 8);
}

TEST(WavLayout, CountsOnlyTheWholeFramesTheFileHolds) {
  const std::string fmt = Chunk("fmt ", Format(1, 2, 44100, 6, 24));
  EXPECT_EQ(Read(fmt + "data" + Le(600, 4) + std::string(100, 'x'))->dataBytes, 96u);
  EXPECT_EQ(Read(fmt + "data" + Le(0xFFFFFFFF, 4) + std::string(13, 'x'))->dataBytes, 12u);
  EXPECT_EQ(Read(fmt + Chunk("data", std::string(7, 'x')) + "trailing")->dataBytes, 6u);
}

TEST(WavLayout, LeavesEverythingElseToADecoder) {
  const std::string samples = Chunk("data", std::string(8, 'x'));
  std::istringstream ogg("OggS" + std::string(40, '\0'));
  EXPECT_FALSE(ReadWavLayout(ogg));
  EXPECT_FALSE(Read(samples + Chunk("fmt ", Format(1, 1, 8000, 2, 16)))) << "samples before their format";
  EXPECT_FALSE(Read(Chunk("fmt ", Format(2, 1, 8000, 2, 16)) + samples)) << "ADPCM";
  EXPECT_FALSE(Read(Chunk("fmt ", Format(1, 3, 8000, 6, 16)) + samples)) << "three channels";
  EXPECT_FALSE(Read(Chunk("fmt ", Format(1, 2, 8000, 2, 16)) + samples)) << "frame size against channels";
  EXPECT_FALSE(Read(Chunk("fmt ", Format(3, 1, 8000, 2, 16)) + samples)) << "16-bit float";
  EXPECT_FALSE(Read("fmt " + Le(16, 4) + "short")) << "header cut short";
  EXPECT_FALSE(Read(Chunk("fmt ", Format(1, 1, 8000, 2, 16)))) << "no samples";
}

}  // namespace
}  // namespace pelmora
