// SPDX-License-Identifier: GPL-3.0-or-later
#include "asset_writer.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <stdexcept>

#include "catalogue.h"
#include "pictures/window_icon.h"
#include "sounds/wave_file.h"

namespace kalvenor::assets {
namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

// PNG with nothing in it that changes from run to run: no text, no time, a
// fixed resolution and the strongest compression.
void writePng(const QImage& image, int scale, const QString& path) {
  QImage stamped = image;
  stamped.setDotsPerMeterX(kDotsPerMeterAt96Dpi * scale);
  stamped.setDotsPerMeterY(kDotsPerMeterAt96Dpi * scale);
  QImageWriter writer(path, "png");
  writer.setQuality(0);
  if (!writer.write(stamped)) {
    throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
  }
}

QString resourceList(const QStringList& pictureFiles, const QStringList& soundFiles) {
  QString qrc = "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n<RCC>\n";
  for (const auto& [prefix, files] : {std::pair{QStringLiteral("/pictures"), pictureFiles},
                                      std::pair{QStringLiteral("/sounds"), soundFiles}}) {
    qrc += QStringLiteral("  <qresource prefix=\"%1\">\n").arg(prefix);
    for (const QString& file : files) qrc += QStringLiteral("    <file>%1</file>\n").arg(file);
    qrc += "  </qresource>\n";
  }
  return qrc + "</RCC>\n";
}

}  // namespace

void writeAssets(const QString& folder) {
  if (!QDir().mkpath(folder)) throw std::runtime_error("cannot create " + folder.toStdString());
  const QDir out(folder);

  QStringList pictureFiles;
  for (const PictureAsset& picture : gamePictures()) {
    for (int scale : {1, 2}) {
      if (scale == 2 && !picture.doubleSize) continue;
      const QString file = picture.name + (scale == 2 ? "@2x.png" : ".png");
      writePng(lettering::paintPicture(picture.size, scale, picture.paint, picture.ground), scale, out.filePath(file));
      pictureFiles << file;
    }
  }
  QStringList soundFiles;
  for (const SoundAsset& sound : gameSounds()) {
    writeFile(out.filePath(sound.fileName), encodeWave(sound.synthesise()));
    soundFiles << sound.fileName;
  }
  // For the desktop's icon theme only; the window takes the drawn sizes.
  writeFile(out.filePath("icon.svg"), windowIconSvg());
  writeFile(out.filePath("kalvenor.qrc"), resourceList(pictureFiles, soundFiles).toUtf8());
}

}  // namespace kalvenor::assets
