// SPDX-License-Identifier: GPL-3.0-or-later
// The sound library loads with the channels' first command, not before: the
// sound server's client library stays out of the program until the window's
// load step asks for a sound. Without the library the game is told once and stays silent.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "kept_messages.h"
#include "sound/sound_library.h"

using kalvenor::Channel;
using kalvenor::SoundCommand;
using kalvenor::ui::SoundLibrary;
using kalvenor::ui::testing::keepMessage;
using kalvenor::ui::testing::messages;

namespace {

QByteArray loadedLibraries() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

bool pulseLoaded() { return loadedLibraries().contains("/libpulse.so"); }

// The file of a library this program has loaded, which is no sound module.
QString loadedLibrary(const QByteArray& name) {
  for (const QByteArray& line : loadedLibraries().split('\n')) {
    const qsizetype path = line.indexOf('/');
    if (path >= 0 && line.contains(name)) return QString::fromUtf8(line.mid(path));
  }
  return {};
}

}  // namespace

class SoundLibraryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(nowhere_.isValid());
    qInstallMessageHandler(keepMessage);
  }
  void init() { messages.clear(); }

  void channelsLoadWithTheFirstCommand() {
    SoundLibrary sound(QStringLiteral(KALVENOR_SOUND_LIBRARY), {nowhere_.path(), nowhere_.path()});
    QVERIFY(!sound.loaded());
    QVERIFY(!pulseLoaded());
    sound.setSwitch(Channel::One, kalvenor::SoundSwitch::P24, false);
    QVERIFY(sound.loaded());
    QVERIFY(pulseLoaded());
    sound.setDeviceType(Channel::One, kalvenor::kWaveDevice);
    sound.setFileName(Channel::One, kalvenor::kHitWave);
    sound.command(Channel::One, SoundCommand::Open);
    sound.command(Channel::One, SoundCommand::Play);
    QVERIFY(messages.filter("without sound").isEmpty());
  }

  void aMissingLibraryIsReportedOnceAndStaysSilent() {
    SoundLibrary sound(nowhere_.filePath(QStringLiteral("kalvenor-sound")), {nowhere_.path(), nowhere_.path()});
    for (Channel channel : {Channel::One, Channel::Two}) {
      sound.setDeviceType(channel, kalvenor::kWaveDevice);
      sound.setFileName(channel, kalvenor::kMissWave);
      sound.command(channel, SoundCommand::Open);
      sound.command(channel, SoundCommand::Play);
    }
    QVERIFY(!sound.loaded());
    QCOMPARE(messages.filter("without sound").size(), 1);
  }

  void aLibraryWithoutTheEntryPointIsNamedAsSuch() {
    const QString stranger = loadedLibrary("/libQt6Core.so");
    QVERIFY(!stranger.isEmpty());
    SoundLibrary sound(stranger, {nowhere_.path(), nowhere_.path()});
    sound.command(Channel::One, SoundCommand::Open);
    sound.command(Channel::One, SoundCommand::Play);
    QVERIFY(!sound.loaded());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.at(0).contains(QStringLiteral("is no Kalvenor sound module (it lacks kalvenorMakeWaveChannels)")));
  }

 private:
  QTemporaryDir nowhere_;
};

QTEST_MAIN(SoundLibraryTest)
#include "sound_library_test.moc"
