// SPDX-License-Identifier: GPL-3.0-or-later
// kalvenor-compare-assets FRESH COMMITTED FILE...: whether each file means the
// same in both folders. Pictures are compared by their decoded pixels, so that
// another zlib or libpng, which packs the same pixels into other bytes, passes;
// wave files by their format and samples; anything else byte for byte.
// Prints every file that differs and exits 1 if any does.

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <optional>

namespace {

std::optional<QByteArray> contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

std::optional<QImage> pixels(const QString& path) {
  QImage image(path);
  if (image.isNull()) return std::nullopt;
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The same size and the same colour in every pixel; whatever else the file
// says (gamma, chromaticities, resolution) does not change what is drawn.
// Qt's painter rounds gradients and smoothed edges in vector code chosen by
// the processor (SSE4, AVX2, AVX-512), so a channel may be one step off.
bool samePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  constexpr int kRounding = 1;
  const auto close = [](uchar x, uchar y) { return std::abs(int{x} - int{y}) <= kRounding; };
  for (int y = 0; y < a.height(); ++y) {
    if (!std::equal(a.constScanLine(y), a.constScanLine(y) + a.bytesPerLine(), b.constScanLine(y), close)) return false;
  }
  return true;
}

// The "fmt " and "data" chunks of a RIFF wave file, or nothing.
std::optional<QByteArray> formatAndSamples(const QByteArray& wave) {
  if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE") return std::nullopt;
  QByteArray format, data;
  for (qsizetype at = 12; at + 8 <= wave.size();) {
    const QByteArray id = wave.mid(at, 4);
    const auto* size = reinterpret_cast<const unsigned char*>(wave.constData() + at + 4);
    const qsizetype length = size[0] | size[1] << 8 | size[2] << 16 | qsizetype{size[3]} << 24;
    if (at + 8 + length > wave.size()) return std::nullopt;
    if (id == "fmt ") format = wave.mid(at + 8, length);
    if (id == "data") data = wave.mid(at + 8, length);
    at += 8 + length + (length % 2);
  }
  if (format.isEmpty()) return std::nullopt;
  return format + data;
}

bool same(const QString& fresh, const QString& kept) {
  if (fresh.endsWith(".png")) {
    const auto a = pixels(fresh), b = pixels(kept);
    return a && b && samePixels(*a, *b);
  }
  const auto a = contents(fresh), b = contents(kept);
  if (!a || !b) return false;
  if (fresh.endsWith(".wav")) {
    const auto x = formatAndSamples(*a), y = formatAndSamples(*b);
    return x && y && *x == *y;
  }
  return *a == *b;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fputs("usage: kalvenor-compare-assets FRESH COMMITTED FILE...\n", stderr);
    return 2;
  }
  const QString fresh = QString::fromLocal8Bit(argv[1]) + '/';
  const QString committed = QString::fromLocal8Bit(argv[2]) + '/';
  int differ = 0;
  for (int i = 3; i < argc; ++i) {
    const QString name = QString::fromLocal8Bit(argv[i]);
    if (!same(fresh + name, committed + name)) {
      std::printf("%s\n", argv[i]);
      ++differ;
    }
  }
  return differ == 0 ? 0 : 1;
}
