// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays samples on the sound server through libpulse: one stream per sound,
// handed the whole sample as soon as the server has set it up, and ended by
// stop(), by the next sound on its channel, or once it has played out or
// failed. The channels know nothing of each other.
//
// The connection is made in the background, so the caller never waits for
// the server: a sound asked for while it is being made starts once it is up.
// A server that goes away leaves the channels silent; the next sound makes a
// new connection. When nothing plays, the server's thread sleeps in poll().

#include <array>
#include <optional>

#include "sound/wave_file.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace kalvenor::ui {

class PulsePlayer {
 public:
  static constexpr int kChannels = 2;

  PulsePlayer();
  ~PulsePlayer();
  PulsePlayer(const PulsePlayer&) = delete;
  PulsePlayer& operator=(const PulsePlayer&) = delete;

  // Ends what the channel plays and starts a share of `sample` from its
  // beginning; the caller may free its own at once.
  void play(int channel, const WaveSample& sample);
  void stop(int channel);
  // Whether the channel's sound is going on or waiting for the server; false
  // once it has played out, been stopped or failed.
  bool busy(int channel) const;

 private:
  struct Sound {
    std::optional<WaveSample> sample;  // none when the channel is quiet
    pa_stream* stream = nullptr;       // none while the server is not ready
  };

  bool connect();
  void tellUnreachable(const char* why);
  void start(Sound& sound);
  static void end(Sound& sound);
  static void contextChanged(pa_context* context, void* player);
  static void streamChanged(pa_stream* stream, void* sound);
  static void playedOut(pa_stream* stream, int success, void* sound);

  pa_threaded_mainloop* loop_;  // none when the client library could not start its thread
  pa_context* context_ = nullptr;
  bool toldUnreachable_ = false;
  std::array<Sound, kChannels> sounds_;
};

}  // namespace kalvenor::ui
