// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_channels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "sound/pulse_player.h"
#include "language/counted_text.h"
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
  // The program has installed the player's catalogue by the time the module runs.
  const auto tell = [](const char* text, const QStringList& files) {
    if (files.isEmpty()) return;
    qInfo("%s", qUtf8Printable(countedText("WaveChannels", text, static_cast<int>(files.size()))
                                   .arg(files.join(QStringLiteral(", ")))));
  };
  tell(QT_TRANSLATE_N_NOOP("WaveChannels",
                           "kalvenor: %n wave file(s) not found; the game plays without the sounds of %1."),
       missing);
  tell(QT_TRANSLATE_N_NOOP("WaveChannels",
                           "kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1."),
       unreadable);
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

#include "moc_wave_channels.cpp"
