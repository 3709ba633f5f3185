// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking_sound.h"

#include "breach.h"

namespace kalvenor::fuzz {

void CheckingSound::setSwitch(Channel channel, SoundSwitch which, bool value) {
  if (channel == Channel::One && which == SoundSwitch::P52 && !value) closingSwitchOff_ = true;
}

void CheckingSound::setDeviceType(Channel channel, std::string_view type) { state(channel).device = type; }

void CheckingSound::setFileName(Channel channel, std::string_view file) {
  require(file == (channel == Channel::One ? kHitWave : kMissWave), "a channel opens the other channel's wave");
  state(channel).file = file;
}

void CheckingSound::command(Channel channel, SoundCommand command) {
  State& s = state(channel);
  switch (command) {
    case SoundCommand::Open:
      require(s.device == kWaveDevice && !s.file.empty(), "a channel opens without a wave device and file");
      s.open = true;
      break;
    case SoundCommand::Play:
      require(s.open, "a channel plays before it is opened");
      s.playing = true;
      s.since = clock_.now();
      s.length = length_;
      ++started_;
      break;
    case SoundCommand::Stop:
      if (s.playing) {
        require(clock_.now() - s.since >= s.length, "a sound is cut short before its length");
        s.playing = false;
      }
      break;
    case SoundCommand::Close:
      s.open = false;
      break;
  }
}

void CheckingSound::checkNothingOutlastsItsLength() const {
  for (const State& s : channels_) {
    require(!s.playing || clock_.now() - s.since <= s.length, "a sound plays on past its length");
  }
}

}  // namespace kalvenor::fuzz
