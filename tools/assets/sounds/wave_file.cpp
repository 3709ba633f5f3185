// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/wave_file.h"

#include "sounds/filters.h"

namespace kalvenor::assets {
namespace {

void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

QByteArray encodeWave(const std::vector<std::int16_t>& samples) {
  constexpr std::uint32_t kRate = static_cast<std::uint32_t>(kSampleRate);
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(44 + dataSize));
  bytes.append("RIFF");
  appendLittleEndian(bytes, 36 + dataSize, 4);
  bytes.append("WAVEfmt ");
  appendLittleEndian(bytes, 16, 4);                        // size of the format chunk
  appendLittleEndian(bytes, 1, 2);                         // PCM
  appendLittleEndian(bytes, 1, 2);                         // mono
  appendLittleEndian(bytes, kRate, 4);
  appendLittleEndian(bytes, kRate * kBytesPerSample, 4);   // bytes per second
  appendLittleEndian(bytes, kBytesPerSample, 2);           // bytes per frame
  appendLittleEndian(bytes, 16, 2);                        // bits per sample
  bytes.append("data");
  appendLittleEndian(bytes, dataSize, 4);
  for (std::int16_t sample : samples) appendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
  return bytes;
}

}  // namespace kalvenor::assets
