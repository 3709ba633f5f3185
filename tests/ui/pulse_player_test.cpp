// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on a real server with a null sink: what its server thread
// reads is its own. Built on its own, so that the sanitizer build can run it
// without the window.

#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "kept_messages.h"
#include "sound/pulse_player.h"
#include "sound_servers.h"
#include "sound/wave_file.h"

using kalvenor::ui::PulsePlayer;
using kalvenor::ui::SampleFormat;
using kalvenor::ui::WaveSample;
using kalvenor::ui::testing::keepMessage;
using kalvenor::ui::testing::messages;
using kalvenor::ui::testing::NullSinkServer;
using kalvenor::ui::testing::ServerAddress;

class PulsePlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qInstallMessageHandler(keepMessage); }

  // The player plays its own share of a sample: the caller frees its copy
  // while the connection and the stream are still being made, and nothing
  // reads it after (ASan in the sanitizer build). Each channel is busy until
  // its sound has played out.
  void theSampleIsThePlayersOwnUntilItHasPlayedOut() {
    QTemporaryDir folder;
    NullSinkServer server(folder.path());
    if (!server.started()) QSKIP("no pulseaudio to play on");
    QTRY_VERIFY_WITH_TIMEOUT(server.listening(), 20000);
    const ServerAddress address(server.address());
    PulsePlayer player;
    for (int round = 0; round < 2; ++round) {  // on a new connection, then on a ready one
      for (int channel = 0; channel < PulsePlayer::kChannels; ++channel) {
        auto sample = std::make_unique<WaveSample>(WaveSample{SampleFormat::S16, 8000, 1, QByteArray(800, '\0')});
        player.play(channel, *sample);
        sample.reset();
        QVERIFY(player.busy(channel));
      }
      QTRY_VERIFY_WITH_TIMEOUT(!player.busy(0) && !player.busy(1), 20000);
    }
    QCOMPARE(messages.filter("no sound server").size(), 0);
  }
};

QTEST_GUILESS_MAIN(PulsePlayerTest)
#include "pulse_player_test.moc"
