// SPDX-License-Identifier: GPL-3.0-or-later
// The sound library's entry point. The library holds the wave channels and
// brings libpulse with it; the program loads it once its window is shown.

#include <type_traits>

#include "sound/sound_module.h"
#include "sound/wave_channels.h"

extern "C" Q_DECL_EXPORT kalvenor::SoundChannels* kalvenorMakeWaveChannels(const kalvenor::ui::WaveSources& sources,
                                                                           QObject* owner) {
  return new kalvenor::ui::WaveChannels(sources, owner);
}

static_assert(std::is_same_v<decltype(&kalvenorMakeWaveChannels), kalvenor::ui::MakeWaveChannels>);
