// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program and its sound library agree on: the name and the type of
// the library's one entry point.

#include "kalvenor/sound.h"

class QObject;

namespace kalvenor::ui {

struct WaveSources;

// Builds the two sound channels on the sound server; `owner` deletes them.
using MakeWaveChannels = SoundChannels* (*)(const WaveSources& sources, QObject* owner);
inline constexpr char kMakeWaveChannels[] = "kalvenorMakeWaveChannels";

}  // namespace kalvenor::ui
