// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound channels that time every sound on the virtual clock. A sound must
// play to its full length and no longer: the start-up sound 1700 ms, a shot
// 800 ms. A sound cut short or left playing is a breach.

#include <array>
#include <cstdint>
#include <string>

#include "kalvenor/sound.h"
#include "kalvenor/virtual_clock.h"

namespace kalvenor::fuzz {

inline constexpr std::int64_t kStartUpSoundMs = 1700;
inline constexpr std::int64_t kShotSoundMs = 800;

class CheckingSound final : public SoundChannels {
 public:
  explicit CheckingSound(const VirtualClock& clock) : clock_(clock) {}

  void setSwitch(Channel channel, SoundSwitch which, bool value) override;
  void setDeviceType(Channel channel, std::string_view type) override;
  void setFileName(Channel channel, std::string_view file) override;
  void command(Channel channel, SoundCommand command) override;

  // How long the sounds that start from now on must play.
  void expectSoundsOf(std::int64_t ms) { length_ = ms; }
  // Throws Breach if a sound plays past its length.
  void checkNothingOutlastsItsLength() const;

  int soundsStarted() const { return started_; }
  bool closingSwitchOff() const { return closingSwitchOff_; }

 private:
  struct State {
    std::string device;
    std::string file;
    bool open = false;
    bool playing = false;
    std::int64_t since = 0;
    std::int64_t length = 0;
  };
  State& state(Channel channel) { return channels_[static_cast<int>(channel) - 1]; }

  const VirtualClock& clock_;
  std::array<State, 2> channels_;
  std::int64_t length_ = kShotSoundMs;
  int started_ = 0;
  bool closingSwitchOff_ = false;
};

}  // namespace kalvenor::fuzz
