// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the generators make, by name: the pictures with the routines that
// paint them and the sounds with the routines that synthesise them.

#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

#include "lettering/canvas.h"

namespace kalvenor::assets {

struct PictureAsset {
  QString name;     // file name without ".png"
  QSize size;       // in logical pixels
  bool doubleSize;  // also drawn at twice the size as name@2x.png
  lettering::PaintRoutine paint;
  lettering::Ground ground = lettering::Ground::Opaque;
};

struct SoundAsset {
  QString fileName;
  std::vector<std::int16_t> (*synthesise)();
};

std::vector<PictureAsset> gamePictures();
std::vector<SoundAsset> gameSounds();

// The picture of that name; throws std::out_of_range if there is none.
PictureAsset picture(const QString& name);

QString shipImageName(int index);

}  // namespace kalvenor::assets
