// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two sound channels on QSoundEffect. Each wave file is loaded once, when
// the window opens; "Open" picks the loaded wave by its file name, "Play"
// plays it from the start, "Stop" stops it and "Close" frees the channel.
// Without the file or without an audio output the channel stays silent.

#include <QObject>
#include <QString>
#include <QUrl>

#include <array>

#include "kalvenor/sound.h"

class QSoundEffect;

namespace kalvenor::ui {

// Where the wave files are looked for: a file in `overrideDir` wins over the
// one built into the program under `embeddedDir`.
struct WaveSources {
  QString overrideDir;
  QString embeddedDir = QStringLiteral(":/sounds");
};

// The wave's address for QSoundEffect, or an empty URL when neither place
// has the file.
QUrl locateWave(const WaveSources& sources, const QString& fileName);

class WaveChannels final : public QObject, public SoundChannels {
  Q_OBJECT

 public:
  explicit WaveChannels(const WaveSources& sources, QObject* parent = nullptr);

  // The switches tune the original player's behaviour; this one needs none.
  void setSwitch(Channel, SoundSwitch, bool) override {}
  void setDeviceType(Channel channel, std::string_view type) override;
  void setFileName(Channel channel, std::string_view file) override;
  void command(Channel channel, SoundCommand command) override;

  bool isOpen(Channel channel) const { return state(channel).open != nullptr; }
  bool isPlaying(Channel channel) const;

 private:
  struct Wave {
    QString fileName;
    QUrl source;                     // empty when the file is missing
    QSoundEffect* effect = nullptr;  // none when the file or the output is missing
  };
  struct ChannelState {
    QString deviceType;
    QString fileName;
    QSoundEffect* open = nullptr;
  };

  ChannelState& state(Channel channel) { return channels_[static_cast<int>(channel) - 1]; }
  const ChannelState& state(Channel channel) const { return channels_[static_cast<int>(channel) - 1]; }
  QSoundEffect* loadedWave(const QString& fileName) const;

  std::array<Wave, 2> waves_;
  std::array<ChannelState, 2> channels_;
};

}  // namespace kalvenor::ui
