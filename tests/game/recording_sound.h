// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound channels that write down every setting and command, one line each.

#include <string>
#include <vector>

#include "kalvenor/sound.h"

namespace kalvenor {

class RecordingSound final : public SoundChannels {
 public:
  void setSwitch(Channel channel, SoundSwitch which, bool value) override {
    add(channel, "switch " + std::to_string(static_cast<int>(which)) + (value ? " true" : " false"));
  }
  void setDeviceType(Channel channel, std::string_view type) override {
    add(channel, "device " + std::string(type));
  }
  void setFileName(Channel channel, std::string_view file) override {
    add(channel, "file " + std::string(file));
  }
  void command(Channel channel, SoundCommand command) override {
    static constexpr const char* names[] = {"Open", "Play", "Stop", "Close"};
    add(channel, names[static_cast<int>(command)]);
  }

  const std::vector<std::string>& log() const { return log_; }
  void clearLog() { log_.clear(); }

 private:
  void add(Channel channel, const std::string& what) {
    log_.push_back(std::to_string(static_cast<int>(channel)) + " " + what);
  }
  std::vector<std::string> log_;
};

}  // namespace kalvenor
