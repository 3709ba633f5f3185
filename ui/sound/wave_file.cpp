// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_file.h"

#include <cstdint>

namespace kalvenor::ui {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;  // the real tag opens its sub-format

std::uint32_t little(const QByteArray& bytes, qsizetype at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::optional<SampleFormat> formatOf(std::uint16_t tag, std::uint32_t bits) {
  if (tag == kFloat && bits == 32) return SampleFormat::Float32;
  if (tag != kPcm) return std::nullopt;
  switch (bits) {
    case 8: return SampleFormat::U8;
    case 16: return SampleFormat::S16;
    case 24: return SampleFormat::S24;
    case 32: return SampleFormat::S32;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<WaveSample> decodeWave(const QByteArray& file) {
  if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return std::nullopt;
  std::optional<WaveSample> wave;
  int frameBytes = 0;
  for (qsizetype at = 12; at + 8 <= file.size();) {
    const QByteArray id = file.mid(at, 4);
    const qsizetype size = little(file, at + 4, 4);
    const qsizetype body = at + 8;
    if (size > file.size() - body) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      std::uint16_t tag = little(file, body, 2);
      if (tag == kExtensible && size >= 26) tag = little(file, body + 24, 2);
      const std::uint32_t channels = little(file, body + 2, 2);
      const std::uint32_t rate = little(file, body + 4, 4);
      const std::uint32_t bits = little(file, body + 14, 2);
      const std::optional<SampleFormat> format = formatOf(tag, bits);
      if (!format || channels == 0 || channels > 8 || rate == 0 || rate > 384000) return std::nullopt;
      wave = WaveSample{*format, static_cast<int>(rate), static_cast<int>(channels), {}};
      frameBytes = static_cast<int>(channels * bits / 8);
    } else if (id == "data" && wave) {
      wave->frames = file.mid(body, size - size % frameBytes);
      return wave;
    }
    at = body + size + size % 2;  // chunks are padded to an even length
  }
  return std::nullopt;
}

}  // namespace kalvenor::ui
