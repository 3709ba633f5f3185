// SPDX-License-Identifier: GPL-3.0-or-later
// The building blocks of the synthesised sounds: filters, mastering, wave encoding.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "sounds/filters.h"
#include "sounds/mastering.h"
#include "sounds/wave_file.h"

namespace kalvenor::assets {
namespace {

// Amplitude of a filter's steady response to a sine of the given frequency.
double gainAt(Biquad filter, double frequency) {
  double loudest = 0;
  for (int i = 0; i < 20000; ++i) {
    const double output = filter.process(std::sin(2 * std::numbers::pi * frequency * i / kSampleRate));
    if (i > 10000) loudest = std::max(loudest, std::abs(output));
  }
  return loudest;
}

TEST(Biquad, EachShapePassesItsBandAndStopsTheRest) {
  const Biquad lowPass(Biquad::Shape::LowPass, 500, 0.7);
  EXPECT_NEAR(gainAt(lowPass, 50), 1, 0.02);
  EXPECT_LT(gainAt(lowPass, 8000), 0.01);

  const Biquad highPass(Biquad::Shape::HighPass, 500, 0.7);
  EXPECT_LT(gainAt(highPass, 50), 0.02);
  EXPECT_NEAR(gainAt(highPass, 8000), 1, 0.02);

  const Biquad bandPass(Biquad::Shape::BandPass, 1800, 0.8);
  EXPECT_NEAR(gainAt(bandPass, 1800), 1, 0.02);
  EXPECT_LT(gainAt(bandPass, 100), 0.1);
  EXPECT_LT(gainAt(bandPass, 15000), 0.2);
}

TEST(Mastering, ScalesToThePeakFadesInAndEndsInSilence) {
  std::vector<double> loud(44100);
  for (std::size_t i = 0; i < loud.size(); ++i) loud[i] = 40 * std::sin(static_cast<double>(i) * 0.05);
  const std::vector<std::int16_t> samples =
      master(loud, {.fadeInSeconds = 0.01, .fadeOutStartSeconds = 0.5, .fadeOutEndSeconds = 0.8, .peak = 0.9});

  ASSERT_EQ(samples.size(), loud.size());
  int peak = 0;
  for (std::int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
  EXPECT_NEAR(peak, 0.9 * 32767, 2) << "loud input is scaled down, not clipped";
  for (std::size_t i = 0; i < 22; ++i) {
    EXPECT_LT(std::abs(samples[i]), 0.06 * 32767) << "sample " << i << " is not faded in";
  }
  for (std::size_t i = static_cast<std::size_t>(0.8 * kSampleRate); i < samples.size(); ++i) {
    ASSERT_EQ(samples[i], 0) << "sample " << i;
  }
}

TEST(Mastering, SilenceStaysSilence) {
  const std::vector<std::int16_t> samples =
      master(std::vector<double>(1000, 0.0), {.fadeInSeconds = 0.01, .fadeOutStartSeconds = 0.01,
                                              .fadeOutEndSeconds = 0.02, .peak = 0.9});
  for (std::int16_t sample : samples) ASSERT_EQ(sample, 0);
}

TEST(WaveEncoding, SamplesFollowTheHeaderLittleEndianAndSigned) {
  const QByteArray bytes = encodeWave({0, 1, -2, 32767, -32768});
  ASSERT_EQ(bytes.size(), 44 + 10);
  EXPECT_EQ(bytes.mid(44), QByteArray::fromHex("00000100feffff7f0080"));
}

}  // namespace
}  // namespace kalvenor::assets
