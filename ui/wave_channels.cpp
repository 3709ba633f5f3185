// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_channels.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>

#include "qt_text.h"

namespace kalvenor::ui {

QUrl locateWave(const WaveSources& sources, const QString& fileName) {
  const QString beside = QDir(sources.overrideDir).filePath(fileName);
  if (!sources.overrideDir.isEmpty() && QFileInfo(beside).isFile()) return QUrl::fromLocalFile(beside);
  const QString embedded = QDir(sources.embeddedDir).filePath(fileName);
  if (!QFileInfo(embedded).isFile()) return {};
  return embedded.startsWith(u':') ? QUrl(QStringLiteral("qrc") + embedded) : QUrl::fromLocalFile(embedded);
}

WaveChannels::WaveChannels(const WaveSources& sources, QObject* parent) : QObject(parent) {
  waves_[0].fileName = toQString(kHitWave);
  waves_[1].fileName = toQString(kMissWave);
  QStringList missing;
  for (Wave& wave : waves_) {
    wave.source = locateWave(sources, wave.fileName);
    if (wave.source.isEmpty()) missing << wave.fileName;
  }
  if (!missing.isEmpty()) {
    qInfo("Kalvenor: %s not found; the game plays without %s.", qUtf8Printable(missing.join(QStringLiteral(", "))),
          missing.size() == 1 ? "it" : "them");
  }
  // Without an audio output Qt has said so already; every channel stays silent.
  if (QMediaDevices::audioOutputs().isEmpty()) return;
  for (Wave& wave : waves_) {
    if (wave.source.isEmpty()) continue;
    wave.effect = new QSoundEffect(this);
    wave.effect->setSource(wave.source);
  }
}

QSoundEffect* WaveChannels::loadedWave(const QString& fileName) const {
  for (const Wave& wave : waves_) {
    if (wave.fileName == fileName) return wave.effect;
  }
  return nullptr;
}

void WaveChannels::setDeviceType(Channel channel, std::string_view type) { state(channel).deviceType = toQString(type); }

void WaveChannels::setFileName(Channel channel, std::string_view file) { state(channel).fileName = toQString(file); }

void WaveChannels::command(Channel channel, SoundCommand command) {
  ChannelState& s = state(channel);
  switch (command) {
    case SoundCommand::Open:
      s.open = s.deviceType == toQString(kWaveDevice) ? loadedWave(s.fileName) : nullptr;
      break;
    case SoundCommand::Play:
      if (s.open) {
        s.open->stop();
        s.open->play();
      }
      break;
    case SoundCommand::Stop:
      if (s.open) s.open->stop();
      break;
    case SoundCommand::Close:
      if (s.open) s.open->stop();
      s.open = nullptr;
      break;
  }
}

bool WaveChannels::isPlaying(Channel channel) const {
  const ChannelState& s = state(channel);
  return s.open && s.open->isPlaying();
}

}  // namespace kalvenor::ui
