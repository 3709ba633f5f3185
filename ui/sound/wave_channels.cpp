// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_channels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "sound/pulse_player.h"
#include "language/qt_text.h"

namespace kalvenor::ui {

namespace {

std::optional<WaveSample> readWave(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return decodeWave(file.readAll());
}

}  // namespace

QString locateWave(const WaveSources& sources, const QString& fileName) {
  const QString beside = QDir(sources.overrideDir).filePath(fileName);
  if (!sources.overrideDir.isEmpty() && QFileInfo(beside).isFile()) return beside;
  const QString embedded = QDir(sources.embeddedDir).filePath(fileName);
  return QFileInfo(embedded).isFile() ? embedded : QString();
}

WaveChannels::WaveChannels(const WaveSources& sources, QObject* parent) : QObject(parent) {
  waves_[0].fileName = toQString(kHitWave);
  waves_[1].fileName = toQString(kMissWave);
  QStringList missing;
  QStringList unreadable;
  for (Wave& wave : waves_) {
    const QString path = locateWave(sources, wave.fileName);
    if (path.isEmpty()) {
      missing << wave.fileName;
      continue;
    }
    wave.sample = readWave(path);
    if (!wave.sample) unreadable << wave.fileName;
  }
  if (!missing.isEmpty()) {
    qInfo("Kalvenor: %s not found; the game plays without %s.", qUtf8Printable(missing.join(QStringLiteral(", "))),
          missing.size() == 1 ? "it" : "them");
  }
  if (!unreadable.isEmpty()) {
    qInfo("Kalvenor: %s %s no wave file the game can play; the game plays without %s.",
          qUtf8Printable(unreadable.join(QStringLiteral(", "))), unreadable.size() == 1 ? "is" : "are",
          unreadable.size() == 1 ? "it" : "them");
  }
  if (waves_[0].sample || waves_[1].sample) player_ = std::make_unique<PulsePlayer>();
}

WaveChannels::~WaveChannels() = default;

const WaveSample* WaveChannels::decodedWave(const QString& fileName) const {
  for (const Wave& wave : waves_) {
    if (wave.fileName == fileName && wave.sample) return &*wave.sample;
  }
  return nullptr;
}

void WaveChannels::setDeviceType(Channel channel, std::string_view type) { state(channel).deviceType = toQString(type); }

void WaveChannels::setFileName(Channel channel, std::string_view file) { state(channel).fileName = toQString(file); }

void WaveChannels::command(Channel channel, SoundCommand command) {
  ChannelState& s = state(channel);
  // A wave is open only when a wave was decoded, and so only with a player.
  switch (command) {
    case SoundCommand::Open:
      s.open = s.deviceType == toQString(kWaveDevice) ? decodedWave(s.fileName) : nullptr;
      break;
    case SoundCommand::Play:
      if (s.open) player_->play(index(channel), *s.open);
      break;
    case SoundCommand::Stop:
      if (s.open) player_->stop(index(channel));
      break;
    case SoundCommand::Close:
      if (s.open) player_->stop(index(channel));
      s.open = nullptr;
      break;
  }
}

bool WaveChannels::isPlaying(Channel channel) const { return player_ && player_->busy(index(channel)); }

}  // namespace kalvenor::ui
