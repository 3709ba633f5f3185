// SPDX-License-Identifier: GPL-3.0-or-later
// kalvenor-assets: draws the game's pictures and synthesises its sounds.
//   kalvenor-assets assets FOLDER        every asset file and kalvenor.qrc into FOLDER
//   kalvenor-assets contact-sheet FILE   an overview of all pictures as one PNG

#include <QImageWriter>
#include <cstdio>
#include <exception>
#include <string_view>

#include "asset_writer.h"
#include "contact_sheet.h"

namespace {

int usage() {
  std::fputs("usage: kalvenor-assets assets FOLDER | contact-sheet FILE\n", stderr);
  return 2;
}

void writeContactSheet(const QString& path) {
  QImageWriter writer(path, "png");
  writer.setQuality(0);
  if (!writer.write(kalvenor::assets::contactSheet())) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return usage();
  const std::string_view command = argv[1];
  const QString target = QString::fromLocal8Bit(argv[2]);
  try {
    if (command == "assets") {
      kalvenor::assets::writeAssets(target);
    } else if (command == "contact-sheet") {
      writeContactSheet(target);
    } else {
      return usage();
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kalvenor-assets: %s\n", error.what());
    return 1;
  }
  return 0;
}
