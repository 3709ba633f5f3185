// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A wave file's samples as they go to the sound server: the format from its
// "fmt " chunk and the bytes of its "data" chunk.

#include <QByteArray>

#include <optional>

namespace kalvenor::ui {

enum class SampleFormat { U8, S16, S24, S32, Float32 };  // little-endian, as wave files store them

struct WaveSample {
  SampleFormat format = SampleFormat::S16;
  int rate = 0;
  int channels = 0;
  QByteArray frames;  // whole frames only
};

// The samples of an uncompressed (PCM or float) wave file, or none when the
// bytes are not one.
std::optional<WaveSample> decodeWave(const QByteArray& file);

}  // namespace kalvenor::ui
