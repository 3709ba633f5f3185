// SPDX-License-Identifier: GPL-3.0-or-later
// Where the wave files come from, and a game without them: it reports the
// missing files once, plays on and stays silent.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "game_session.h"
#include "kept_messages.h"
#include "screen_units.h"
#include "sea_form.h"
#include "sea_grid.h"
#include "wave_channels.h"

using kalvenor::Channel;
using kalvenor::MenuItem;
using kalvenor::SoundCommand;
using kalvenor::ui::WaveChannels;
using kalvenor::ui::WaveSources;
using kalvenor::ui::testing::keepMessage;
using kalvenor::ui::testing::messages;

namespace {

void writeFile(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("RIFF");
}

}  // namespace

class WaveChannelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(nowhere_.isValid());
    qInstallMessageHandler(keepMessage);
  }
  void init() { messages.clear(); }

  void fileBesideTheProgramWinsOverTheEmbeddedOne() {
    QTemporaryDir beside;
    QTemporaryDir embedded;
    const WaveSources sources{beside.path(), embedded.path()};
    QVERIFY(kalvenor::ui::locateWave(sources, "Kalvenorw1.wav").isEmpty());
    writeFile(embedded.filePath("Kalvenorw1.wav"));
    QCOMPARE(kalvenor::ui::locateWave(sources, "Kalvenorw1.wav"),
             QUrl::fromLocalFile(embedded.filePath("Kalvenorw1.wav")));
    writeFile(beside.filePath("Kalvenorw1.wav"));
    QCOMPARE(kalvenor::ui::locateWave(sources, "Kalvenorw1.wav"),
             QUrl::fromLocalFile(beside.filePath("Kalvenorw1.wav")));
    QVERIFY(kalvenor::ui::locateWave(sources, "Kalvenorw2.wav").isEmpty());
  }

  void missingWavesAreReportedOnceAndStaySilent() {
    WaveChannels sound(missingWaves());
    QCOMPARE(messages.filter("Kalvenorw").size(), 1);
    QVERIFY(messages.filter("Kalvenorw").at(0).contains("Kalvenorw1.wav"));
    QVERIFY(messages.filter("Kalvenorw").at(0).contains("Kalvenorw2.wav"));
    messages.clear();
    for (Channel channel : {Channel::One, Channel::Two}) {
      sound.setDeviceType(channel, kalvenor::kWaveDevice);
      sound.setFileName(channel, channel == Channel::One ? kalvenor::kHitWave : kalvenor::kMissWave);
      for (int round = 0; round < 3; ++round) {
        sound.command(channel, SoundCommand::Open);
        sound.command(channel, SoundCommand::Play);
        QVERIFY(!sound.isOpen(channel));
        QVERIFY(!sound.isPlaying(channel));
        sound.command(channel, SoundCommand::Stop);
        sound.command(channel, SoundCommand::Close);
      }
    }
    QCOMPARE(messages, QStringList{});
  }

  void gamePlaysOnWithoutItsSounds() {
    kalvenor::UniformRandom random(7);
    WaveChannels sound(missingWaves());
    kalvenor::ui::GameSession session(random, sound);
    session.open();
    messages.clear();
    kalvenor::ui::SeaWindow& window = session.window();
    kalvenor::ui::SeaGrid& grid = window.form().grid();

    window.menuAction(MenuItem::Mnustart).trigger();
    QTRY_VERIFY_WITH_TIMEOUT(grid.cellShown(0), 10000);
    bool hit = false;
    bool missed = false;
    for (int cell = 0; cell < kalvenor::kCells && !(hit && missed); ++cell) {
      QTRY_COMPARE_WITH_TIMEOUT(session.game().busy, 0, 10000);
      QTest::mouseClick(&grid, Qt::LeftButton, {}, kalvenor::ui::SeaGrid::cellRect(cell).center());
      const kalvenor::CellColour colour = session.game().screen().cellColour[cell];
      hit = hit || colour == kalvenor::CellColour::Red || colour == kalvenor::CellColour::Black;
      missed = missed || colour == kalvenor::CellColour::Cyan;
    }
    QVERIFY(hit && missed);
    QVERIFY(session.game().score < 1000);
    expectWindowMirrorsTheGame(session);
    for (Channel channel : {Channel::One, Channel::Two}) QVERIFY(!sound.isPlaying(channel));

    window.menuAction(MenuItem::Mnustop).trigger();
    QVERIFY(window.form().element(kalvenor::Control::Pic1, 0)->isVisible());
    QVERIFY(!grid.cellShown(0));
    window.close();
    QCOMPARE(messages, QStringList{});
  }

 private:
  WaveSources missingWaves() const { return {nowhere_.path(), nowhere_.path()}; }

  static void expectWindowMirrorsTheGame(kalvenor::ui::GameSession& session) {
    const kalvenor::Screen& screen = session.game().screen();
    const kalvenor::ui::SeaGrid& grid = session.window().form().grid();
    for (int cell = 0; cell < kalvenor::kCells; ++cell) {
      QCOMPARE(grid.cellShown(cell), screen.shown(kalvenor::Control::Picarea, cell));
      QCOMPARE(grid.cellEnabled(cell), screen.cellEnabled[cell]);
      QCOMPARE(grid.cellColour(cell), kalvenor::ui::toQColor(screen.cellColour[cell]));
    }
    auto* score = qobject_cast<QLabel*>(session.window().form().element(kalvenor::Control::Lblscore2, 0));
    QCOMPARE(score->text().toStdString(), screen.scoreCaption);
  }

  QTemporaryDir nowhere_;
};

QTEST_MAIN(WaveChannelsTest)
#include "wave_channels_test.moc"
