// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/pulse_player.h"

#include <pulse/pulseaudio.h>

#include <QCoreApplication>
#include <QtGlobal>

namespace kalvenor::ui {

namespace {

// The latency a stream asks the server for: short, so that a sound starts
// and stops within a few hundredths of a second of its command. The whole
// sample is queued at once, so a busy machine cannot starve the stream.
constexpr pa_usec_t kLatency = 30 * PA_USEC_PER_MSEC;

// Everything that touches the connection or a stream holds the lock of the
// server's thread; that thread holds it while it runs the callbacks below.
class LoopLock {
 public:
  explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
  LoopLock(const LoopLock&) = delete;
  LoopLock& operator=(const LoopLock&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

pa_sample_format_t pulseFormat(SampleFormat format) {
  switch (format) {
    case SampleFormat::U8: return PA_SAMPLE_U8;
    case SampleFormat::S16: return PA_SAMPLE_S16LE;
    case SampleFormat::S24: return PA_SAMPLE_S24LE;
    case SampleFormat::S32: return PA_SAMPLE_S32LE;
    case SampleFormat::Float32: return PA_SAMPLE_FLOAT32LE;
  }
  return PA_SAMPLE_INVALID;
}

}  // namespace

PulsePlayer::PulsePlayer() : loop_(pa_threaded_mainloop_new()) {
  if (loop_) {
    pa_threaded_mainloop_set_name(loop_, "kalvenor-sound");
    if (pa_threaded_mainloop_start(loop_) < 0) {
      pa_threaded_mainloop_free(loop_);
      loop_ = nullptr;
    }
  }
  if (!loop_) {
    qInfo("%s", qUtf8Printable(QCoreApplication::translate(
                    "SoundPlayer",
                    "kalvenor: the sound server's client library cannot start its thread; the game plays without sound.")));
    return;
  }
  LoopLock lock(loop_);
  connect();
}

PulsePlayer::~PulsePlayer() {
  if (!loop_) return;
  {
    LoopLock lock(loop_);
    for (Sound& sound : sounds_) end(sound);
    if (context_) {
      pa_context_set_state_callback(context_, nullptr, nullptr);
      pa_context_disconnect(context_);
      pa_context_unref(context_);
    }
  }
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

void PulsePlayer::play(int channel, const WaveSample& sample) {
  if (!loop_) return;
  LoopLock lock(loop_);
  Sound& sound = sounds_.at(channel);
  end(sound);
  sound.sample = sample;  // shares the frames, which the server's thread reads
  switch (context_ ? pa_context_get_state(context_) : PA_CONTEXT_FAILED) {
    case PA_CONTEXT_READY:
      start(sound);
      break;
    case PA_CONTEXT_UNCONNECTED:
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      // The server went away or was never there: the sound starts if it is back.
      if (!connect()) end(sound);
      break;
    default:
      break;  // the sound starts once the connection is up
  }
}

void PulsePlayer::stop(int channel) {
  if (!loop_) return;
  LoopLock lock(loop_);
  end(sounds_.at(channel));
}

bool PulsePlayer::busy(int channel) const {
  if (!loop_) return false;
  LoopLock lock(loop_);
  return sounds_.at(channel).sample.has_value();
}

bool PulsePlayer::connect() {
  if (context_) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_unref(context_);
  }
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Kalvenor");
  if (!context_) {
    tellUnreachable("no connection can be made");
    return false;
  }
  pa_context_set_state_callback(context_, contextChanged, this);
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) return true;
  // A failure on the way has already reached contextChanged; one before it
  // leaves the connection unconnected, and the next sound tries again.
  tellUnreachable(pa_strerror(pa_context_errno(context_)));
  return false;
}

void PulsePlayer::tellUnreachable(const char* why) {
  if (toldUnreachable_) return;
  toldUnreachable_ = true;
  qInfo("%s", qUtf8Printable(QCoreApplication::translate(
                                 "SoundPlayer", "kalvenor: no sound server answers (%1); the game stays silent until one does.")
                                 .arg(QString::fromLocal8Bit(why))));
}

void PulsePlayer::start(Sound& sound) {
  const WaveSample& sample = *sound.sample;
  const pa_sample_spec spec{pulseFormat(sample.format), static_cast<uint32_t>(sample.rate),
                            static_cast<uint8_t>(sample.channels)};
  const auto unset = static_cast<uint32_t>(-1);
  const pa_buffer_attr buffer{unset, static_cast<uint32_t>(pa_usec_to_bytes(kLatency, &spec)), unset, unset, unset};
  sound.stream = pa_stream_new(context_, "Kalvenor", &spec, nullptr);
  if (!sound.stream) {
    sound.sample.reset();
    return;
  }
  pa_stream_set_state_callback(sound.stream, streamChanged, &sound);
  if (pa_stream_connect_playback(sound.stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
    end(sound);
  }
}

void PulsePlayer::end(Sound& sound) {
  if (sound.stream) {
    pa_stream_set_state_callback(sound.stream, nullptr, nullptr);
    pa_stream_disconnect(sound.stream);
    pa_stream_unref(sound.stream);
    sound.stream = nullptr;
  }
  sound.sample.reset();
}

void PulsePlayer::contextChanged(pa_context* context, void* data) {
  auto& player = *static_cast<PulsePlayer*>(data);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
      for (Sound& sound : player.sounds_) {
        if (sound.sample && !sound.stream) player.start(sound);
      }
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      player.tellUnreachable(pa_strerror(pa_context_errno(context)));
      for (Sound& sound : player.sounds_) end(sound);
      break;
    default:
      break;
  }
}

void PulsePlayer::streamChanged(pa_stream* stream, void* data) {
  Sound& sound = *static_cast<Sound*>(data);
  switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
      const QByteArray& frames = sound.sample->frames;
      if (pa_stream_write(stream, frames.constData(), frames.size(), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        end(sound);
        return;
      }
      // A sample shorter than what the server waits for before it starts a
      // stream would never start; draining starts it anyway, and tells when
      // the sound has played out.
      pa_operation* drain = pa_stream_drain(stream, playedOut, &sound);
      if (!drain) {
        end(sound);
        return;
      }
      pa_operation_unref(drain);
      break;
    }
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
      end(sound);
      break;
    default:
      break;
  }
}

void PulsePlayer::playedOut(pa_stream* stream, int, void* data) {
  Sound& sound = *static_cast<Sound*>(data);
  if (sound.stream == stream) end(sound);  // not a later sound on the channel
}

}  // namespace kalvenor::ui
