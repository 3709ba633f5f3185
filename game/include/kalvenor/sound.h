// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two wave-audio channels. The logic only writes settings and commands
// to them and reads nothing back; a missing file or device stays silent.

#include <string_view>

namespace kalvenor {

enum class Channel { One = 1, Two = 2 };  // 1: start-up and hit, 2: miss
enum class SoundCommand { Open, Play, Stop, Close };

// The switches the game sets, by the player component's property numbers.
// Their meaning is the player's own; the game only writes them.
enum class SoundSwitch { P24 = 24, P25 = 25, P26 = 26, P52 = 52 };

inline constexpr std::string_view kWaveDevice = "WaveAudio";
inline constexpr std::string_view kHitWave = "Kalvenorw1.wav";   // also the start-up sound
inline constexpr std::string_view kMissWave = "Kalvenorw2.wav";

class SoundChannels {
 public:
  virtual ~SoundChannels() = default;
  virtual void setSwitch(Channel channel, SoundSwitch which, bool value) = 0;
  virtual void setDeviceType(Channel channel, std::string_view type) = 0;
  virtual void setFileName(Channel channel, std::string_view file) = 0;
  virtual void command(Channel channel, SoundCommand command) = 0;
};

class NullSound final : public SoundChannels {
 public:
  void setSwitch(Channel, SoundSwitch, bool) override {}
  void setDeviceType(Channel, std::string_view) override {}
  void setFileName(Channel, std::string_view) override {}
  void command(Channel, SoundCommand) override {}
};

}  // namespace kalvenor
