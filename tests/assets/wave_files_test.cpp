// SPDX-License-Identifier: GPL-3.0-or-later
// The two wave files: the format the game's player decodes, their lengths
// against the timers that cut them off, and their loudness over time.

#include <gtest/gtest.h>

#include <QFile>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kRate = 44100;

struct Wave {
  QByteArray bytes;

  std::uint32_t word(int offset, int size) const {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
  }
  QByteArray tag(int offset) const { return bytes.mid(offset, 4); }

  std::vector<double> samples() const {
    std::vector<double> out;
    for (int offset = 44; offset + 1 < bytes.size(); offset += 2) {
      out.push_back(static_cast<std::int16_t>(word(offset, 2)) / 32768.0);
    }
    return out;
  }
};

Wave embedded(const QString& name) {
  QFile file(":/sounds/" + name);
  return {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()};
}

double seconds(std::size_t samples) { return static_cast<double>(samples) / kRate; }

// Root mean square of the samples from `from` to `to` seconds.
double rms(const std::vector<double>& samples, double from, double to) {
  const auto first = static_cast<std::size_t>(from * kRate);
  const auto last = std::min(samples.size(), static_cast<std::size_t>(to * kRate));
  double sum = 0;
  for (std::size_t i = first; i < last; ++i) sum += samples[i] * samples[i];
  return last > first ? std::sqrt(sum / static_cast<double>(last - first)) : 0;
}

class WaveFile : public ::testing::TestWithParam<const char*> {};

TEST_P(WaveFile, IsMono16BitPcmAt44100WithThePlainHeader) {
  const Wave wave = embedded(GetParam());
  ASSERT_GT(wave.bytes.size(), 44);
  EXPECT_EQ(wave.tag(0), "RIFF");
  EXPECT_EQ(wave.word(4, 4), static_cast<std::uint32_t>(wave.bytes.size() - 8));
  EXPECT_EQ(wave.tag(8), "WAVE");
  EXPECT_EQ(wave.tag(12), "fmt ");
  EXPECT_EQ(wave.word(16, 4), 16u);
  EXPECT_EQ(wave.word(20, 2), 1u) << "PCM";
  EXPECT_EQ(wave.word(22, 2), 1u) << "mono";
  EXPECT_EQ(wave.word(24, 4), 44100u);
  EXPECT_EQ(wave.word(28, 4), 88200u);
  EXPECT_EQ(wave.word(32, 2), 2u);
  EXPECT_EQ(wave.word(34, 2), 16u);
  EXPECT_EQ(wave.tag(36), "data");
  EXPECT_EQ(wave.word(40, 4), static_cast<std::uint32_t>(wave.bytes.size() - 44));
}

TEST_P(WaveFile, IsClearlyAudibleWithoutClippingOrAClickAtTheStart) {
  const std::vector<double> samples = embedded(GetParam()).samples();
  ASSERT_FALSE(samples.empty());
  EXPECT_GT(rms(samples, 0, seconds(samples.size())), 0.03);
  double peak = 0;
  for (double sample : samples) peak = std::max(peak, std::abs(sample));
  EXPECT_GT(peak, 0.5);
  EXPECT_LT(peak, 0.97);
  EXPECT_LT(std::abs(samples.front()), 0.01);
}

INSTANTIATE_TEST_SUITE_P(BothSounds, WaveFile, ::testing::Values("Kalvenorw1.wav", "Kalvenorw2.wav"));

TEST(ExplosionSound, PunchesWithinTheHitCutAndDiesAwayBeforeTheStartUpCut) {
  const std::vector<double> samples = embedded("Kalvenorw1.wav").samples();
  const double length = seconds(samples.size());
  EXPECT_GT(length, 1.0);
  EXPECT_LE(length, 1.65);
  const double early = std::pow(rms(samples, 0, 0.8), 2) * 0.8;
  const double late = std::pow(rms(samples, 0.8, length), 2) * (length - 0.8);
  EXPECT_GT(early, 0.9 * (early + late)) << "most of the energy in the first 800 ms";
  EXPECT_GT(rms(samples, 0, 0.2), 4 * rms(samples, 0.6, 0.8)) << "the punch comes first";
  EXPECT_LT(rms(samples, length - 0.05, length), 0.001) << "silent at its end";
}

TEST(SplashSound, EndsBeforeTheShotCutAndFadesOut) {
  const std::vector<double> samples = embedded("Kalvenorw2.wav").samples();
  const double length = seconds(samples.size());
  EXPECT_LT(length, 0.8);
  EXPECT_GT(length, 0.3);
  EXPECT_GT(rms(samples, 0.2, 0.5), 0.003) << "a bubbly tail follows the splash";
  EXPECT_LT(rms(samples, length - 0.02, length), 0.001);
}

}  // namespace
