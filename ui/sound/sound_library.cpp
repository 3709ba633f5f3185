// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_library.h"

#include <QCoreApplication>

#include "sound/sound_module.h"

namespace kalvenor::ui {

SoundLibrary::SoundLibrary(const QString& path, WaveSources sources)
    : library_(path), sources_(std::move(sources)) {}

SoundChannels& SoundLibrary::channels() {
  if (!tried_) {
    tried_ = true;
    if (!library_.load()) {
      qInfo("%s", qUtf8Printable(QCoreApplication::translate("SoundLibrary",
                                                             "kalvenor: the sound module cannot be loaded (%1); the "
                                                             "game plays without sound.")
                                     .arg(library_.errorString())));
    } else if (const auto make = reinterpret_cast<MakeWaveChannels>(library_.resolve(kMakeWaveChannels))) {
      loaded_ = make(sources_, &owner_);
    } else {
      qInfo("%s", qUtf8Printable(QCoreApplication::translate("SoundLibrary",
                                                             "kalvenor: %1 is no Kalvenor sound module (it lacks %2); "
                                                             "the game plays without sound.")
                                     .arg(library_.fileName(), QString::fromLatin1(kMakeWaveChannels))));
    }
  }
  return loaded_ ? *loaded_ : silent_;
}

void SoundLibrary::setSwitch(Channel channel, SoundSwitch which, bool value) {
  channels().setSwitch(channel, which, value);
}

void SoundLibrary::setDeviceType(Channel channel, std::string_view type) { channels().setDeviceType(channel, type); }

void SoundLibrary::setFileName(Channel channel, std::string_view file) { channels().setFileName(channel, file); }

void SoundLibrary::command(Channel channel, SoundCommand command) { channels().command(channel, command); }

}  // namespace kalvenor::ui
