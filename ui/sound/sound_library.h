// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound channels, loaded from the sound library with their first command.
// The sound server's client library and the decoding of the waves are kept
// off the window's start: the first command comes from the window's load
// step, after the window is shown, so the window does not wait for them.
// Without the library the game plays on, silent.

#include <QLibrary>
#include <QObject>

#include "kalvenor/sound.h"
#include "sound/wave_channels.h"

namespace kalvenor::ui {

class SoundLibrary final : public SoundChannels {
 public:
  // `path` names the library without its "lib" prefix and suffix.
  SoundLibrary(const QString& path, WaveSources sources);

  void setSwitch(Channel channel, SoundSwitch which, bool value) override;
  void setDeviceType(Channel channel, std::string_view type) override;
  void setFileName(Channel channel, std::string_view file) override;
  void command(Channel channel, SoundCommand command) override;

  // Whether the channels have been loaded; never before the first command.
  bool loaded() const { return loaded_ != nullptr; }

 private:
  SoundChannels& channels();

  QLibrary library_;
  WaveSources sources_;
  bool tried_ = false;
  QObject owner_;  // deletes the loaded channels
  SoundChannels* loaded_ = nullptr;
  NullSound silent_;
};

}  // namespace kalvenor::ui
