// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of its two sound channels: the start-up sound, a shot's
// sound and the timers that stop them.

#include "kalvenor/frmsea.h"

namespace kalvenor {

void Frmsea::startUpSound() {
  for (Channel channel : {Channel::One, Channel::Two}) {
    sound_.setSwitch(channel, SoundSwitch::P24, false);
    sound_.setSwitch(channel, SoundSwitch::P25, true);
    sound_.setSwitch(channel, SoundSwitch::P26, false);
    sound_.setDeviceType(channel, kWaveDevice);
    if (channel == Channel::One) {
      sound_.setFileName(channel, kHitWave);
      sound_.command(channel, SoundCommand::Open);
      sound_.command(channel, SoundCommand::Play);
    }
  }
  enable(Timer::Tmr9);
}

void Frmsea::playShotSound(Channel channel, std::string_view wave, Timer stopTimer) {
  sound_.setSwitch(channel, SoundSwitch::P52, true);
  sound_.setFileName(channel, wave);
  sound_.command(channel, SoundCommand::Open);
  sound_.command(channel, SoundCommand::Play);
  // A new sound owns the channel: its stop timer starts afresh, so that a
  // second shot within 800 ms is heard whole and the start-up sound's timer
  // cannot cut a hit short.
  restart(stopTimer);
  if (channel == Channel::One) disable(Timer::Tmr9);
}

void Frmsea::stopChannel(Channel channel, Timer timer) {
  sound_.command(channel, SoundCommand::Stop);
  sound_.command(channel, SoundCommand::Close);
  disable(timer);
}

void Frmsea::tmr7Timer() { stopChannel(Channel::One, Timer::Tmr7); }
void Frmsea::tmr8Timer() { stopChannel(Channel::Two, Timer::Tmr8); }
void Frmsea::tmr9Timer() { stopChannel(Channel::One, Timer::Tmr9); }

void Frmsea::windowClosingSound() { sound_.setSwitch(Channel::One, SoundSwitch::P52, false); }

}  // namespace kalvenor
