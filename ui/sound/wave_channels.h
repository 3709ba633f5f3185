// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two sound channels. Both wave files are read and decoded once, with
// the channels' first command; "Open" picks the decoded wave by its file
// name, "Play" plays it from the start on the sound server, "Stop" ends it and
// "Close" frees the channel. Without the file or without a sound server the
// channel stays silent.

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

#include "kalvenor/sound.h"
#include "sound/wave_file.h"

namespace kalvenor::ui {

class PulsePlayer;

// Where the wave files are looked for: a file in `overrideDir` wins over the
// one built into the program under `embeddedDir`.
struct WaveSources {
  QString overrideDir;
  QString embeddedDir = QStringLiteral(":/sounds");
};

// The path of the wave, or an empty one when neither place has the file.
QString locateWave(const WaveSources& sources, const QString& fileName);

class WaveChannels final : public QObject, public SoundChannels {
  Q_OBJECT

 public:
  explicit WaveChannels(const WaveSources& sources, QObject* parent = nullptr);
  ~WaveChannels() override;

  // The switches tune the original player's behaviour; this one needs none.
  void setSwitch(Channel, SoundSwitch, bool) override {}
  void setDeviceType(Channel channel, std::string_view type) override;
  void setFileName(Channel channel, std::string_view file) override;
  void command(Channel channel, SoundCommand command) override;

  bool isOpen(Channel channel) const { return state(channel).open != nullptr; }
  // Whether the channel's sound goes on or waits for the sound server.
  bool isPlaying(Channel channel) const;

 private:
  struct Wave {
    QString fileName;
    std::optional<WaveSample> sample;  // none when the file is missing or unreadable
  };
  struct ChannelState {
    QString deviceType;
    QString fileName;
    const WaveSample* open = nullptr;
  };

  static int index(Channel channel) { return static_cast<int>(channel) - 1; }
  ChannelState& state(Channel channel) { return channels_[index(channel)]; }
  const ChannelState& state(Channel channel) const { return channels_[index(channel)]; }
  const WaveSample* decodedWave(const QString& fileName) const;

  std::array<Wave, 2> waves_;
  std::array<ChannelState, 2> channels_;
  std::unique_ptr<PulsePlayer> player_;  // none without a wave to play; ends before the waves
};

}  // namespace kalvenor::ui
