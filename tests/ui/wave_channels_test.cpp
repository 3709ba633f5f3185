// SPDX-License-Identifier: GPL-3.0-or-later
// Where the wave files come from and how they are read, the channels'
// commands with a sound server that is gone or never answers, and a game
// without its waves: it reports the missing files once, plays on and stays
// silent. None of this needs a working sound server.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "game_session.h"
#include "kept_messages.h"
#include "sea/screen_units.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"
#include "sound_servers.h"
#include "sound/wave_channels.h"
#include "sound/wave_file.h"

using kalvenor::Channel;
using kalvenor::MenuItem;
using kalvenor::SoundCommand;
using kalvenor::ui::SampleFormat;
using kalvenor::ui::WaveChannels;
using kalvenor::ui::WaveSources;
using kalvenor::ui::testing::keepMessage;
using kalvenor::ui::testing::messages;
using kalvenor::ui::testing::ServerAddress;

namespace {

void writeFile(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("RIFF");
}

QByteArray littleEndian(quint32 value, int size) {
  QByteArray bytes;
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>(value >> (8 * i) & 0xFF));
  return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
  return id + littleEndian(body.size(), 4) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray formatChunk(quint32 tag, quint32 channels, quint32 rate, quint32 bits) {
  const quint32 frame = channels * bits / 8;
  return chunk("fmt ", littleEndian(tag, 2) + littleEndian(channels, 2) + littleEndian(rate, 4) +
                           littleEndian(rate * frame, 4) + littleEndian(frame, 2) + littleEndian(bits, 2));
}

QByteArray riff(const QByteArray& chunks) { return "RIFF" + littleEndian(4 + chunks.size(), 4) + "WAVE" + chunks; }

// A socket that takes connections and never answers, as a hung server does.
class MuteServer {
 public:
  explicit MuteServer(const QString& path) : socket_(::socket(AF_UNIX, SOCK_STREAM, 0)), path_(path.toUtf8()) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path_.constData(), sizeof address.sun_path - 1);
    listening_ = socket_ >= 0 && ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                 ::listen(socket_, 4) == 0;
  }
  ~MuteServer() {
    if (socket_ >= 0) ::close(socket_);
  }
  MuteServer(const MuteServer&) = delete;
  MuteServer& operator=(const MuteServer&) = delete;

  bool listening() const { return listening_; }
  QByteArray address() const { return "unix:" + path_; }

 private:
  int socket_;
  QByteArray path_;
  bool listening_ = false;
};

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
    QCOMPARE(kalvenor::ui::locateWave(sources, "Kalvenorw1.wav"), embedded.filePath("Kalvenorw1.wav"));
    writeFile(beside.filePath("Kalvenorw1.wav"));
    QCOMPARE(kalvenor::ui::locateWave(sources, "Kalvenorw1.wav"), beside.filePath("Kalvenorw1.wav"));
    QVERIFY(kalvenor::ui::locateWave(sources, "Kalvenorw2.wav").isEmpty());
  }

  void theGamesWavesDecodeWhole() {
    for (const char* name : {":/sounds/Kalvenorw1.wav", ":/sounds/Kalvenorw2.wav"}) {
      QFile file(QString::fromLatin1(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray bytes = file.readAll();
      const auto wave = kalvenor::ui::decodeWave(bytes);
      QVERIFY2(wave, name);
      QCOMPARE(wave->format, SampleFormat::S16);
      QCOMPARE(wave->rate, 44100);
      QCOMPARE(wave->channels, 1);
      QCOMPARE(wave->frames, bytes.mid(44));  // their one data chunk follows the 44-byte header
    }
  }

  void waveChunksAreFoundAndOddFilesRefused() {
    const QByteArray frames("\x01\x02\x03\x04\x05\x06\x07", 7);
    // A padded odd-sized chunk before the format, and half a frame at the end.
    const auto stereo = kalvenor::ui::decodeWave(
        riff(chunk("LIST", "abc") + formatChunk(1, 2, 22050, 16) + chunk("data", frames)));
    QVERIFY(stereo);
    QCOMPARE(stereo->channels, 2);
    QCOMPARE(stereo->rate, 22050);
    QCOMPARE(stereo->frames, frames.left(4));
    const auto floats = kalvenor::ui::decodeWave(riff(formatChunk(3, 1, 8000, 32) + chunk("data", frames)));
    QVERIFY(floats);
    QCOMPARE(floats->format, SampleFormat::Float32);
    const auto bytesWide = kalvenor::ui::decodeWave(riff(formatChunk(1, 1, 8000, 8) + chunk("data", frames)));
    QVERIFY(bytesWide);
    QCOMPARE(bytesWide->format, SampleFormat::U8);
    QCOMPARE(bytesWide->frames, frames);

    QVERIFY(!kalvenor::ui::decodeWave("RIFF"));
    QVERIFY(!kalvenor::ui::decodeWave(riff(chunk("data", frames) + formatChunk(1, 1, 8000, 16))));  // data first
    QVERIFY(!kalvenor::ui::decodeWave(riff(formatChunk(2, 1, 8000, 4) + chunk("data", frames))));   // compressed
    QVERIFY(!kalvenor::ui::decodeWave(riff(formatChunk(1, 0, 8000, 16) + chunk("data", frames))));  // no channel
    QVERIFY(!kalvenor::ui::decodeWave(riff(formatChunk(1, 1, 8000, 12) + chunk("data", frames))));
    QByteArray cut = riff(formatChunk(1, 1, 8000, 16) + chunk("data", frames));
    cut.chop(4);  // the data chunk claims more than the file holds
    QVERIFY(!kalvenor::ui::decodeWave(cut));
  }

  void aWaveThatCannotBePlayedIsReportedAndLeftOut() {
    QTemporaryDir beside;
    writeFile(beside.filePath("Kalvenorw1.wav"));  // wins over the embedded one, and is no wave
    const ServerAddress nowhere("unix:" + nowhere_.filePath("no-server").toUtf8());
    WaveChannels sound({beside.path()});
    QCOMPARE(messages.filter("wave file"), QStringList{QStringLiteral(
                           "kalvenor: 1 wave file cannot be played; the game plays without the sounds of Kalvenorw1.wav.")});
    for (Channel channel : {Channel::One, Channel::Two}) {
      sound.setDeviceType(channel, kalvenor::kWaveDevice);
      sound.setFileName(channel, channel == Channel::One ? kalvenor::kHitWave : kalvenor::kMissWave);
      sound.command(channel, SoundCommand::Open);
    }
    QVERIFY(!sound.isOpen(Channel::One));
    QVERIFY(sound.isOpen(Channel::Two));
  }

  void aMissingServerIsReportedOnceAndEveryCommandReturns() {
    const ServerAddress nowhere("unix:" + nowhere_.filePath("no-server").toUtf8());
    WaveChannels sound(embeddedWaves());
    QCOMPARE(messages.filter("no sound server").size(), 1);
    for (int round = 0; round < 3; ++round) {
      for (Channel channel : {Channel::One, Channel::Two}) {
        sound.setDeviceType(channel, kalvenor::kWaveDevice);
        sound.setFileName(channel, channel == Channel::One ? kalvenor::kHitWave : kalvenor::kMissWave);
        sound.command(channel, SoundCommand::Open);
        QVERIFY(sound.isOpen(channel));
        sound.command(channel, SoundCommand::Play);  // tries the server again, in vain
        QVERIFY(!sound.isPlaying(channel));
        sound.command(channel, SoundCommand::Stop);
        sound.command(channel, SoundCommand::Close);
        QVERIFY(!sound.isOpen(channel));
      }
    }
    QCOMPARE(messages.filter("no sound server").size(), 1);
  }

  // A server that takes the connection and never answers: every command
  // returns at once, a sound waits on its own channel until it is stopped.
  void channelsStayIndependentWhileTheServerKeepsThemWaiting() {
    const MuteServer mute(nowhere_.filePath("mute-server"));
    QVERIFY(mute.listening());
    const ServerAddress address(mute.address());
    WaveChannels sound(embeddedWaves());
    sound.setDeviceType(Channel::One, kalvenor::kWaveDevice);
    sound.setFileName(Channel::One, kalvenor::kHitWave);
    sound.command(Channel::One, SoundCommand::Open);
    sound.command(Channel::One, SoundCommand::Play);
    QVERIFY(sound.isPlaying(Channel::One));
    QVERIFY(!sound.isPlaying(Channel::Two));

    sound.setFileName(Channel::Two, kalvenor::kMissWave);
    sound.command(Channel::Two, SoundCommand::Open);  // no device type on this channel yet
    QVERIFY(!sound.isOpen(Channel::Two));
    sound.setDeviceType(Channel::Two, kalvenor::kWaveDevice);
    sound.setFileName(Channel::Two, "Kalvenorw3.wav");
    sound.command(Channel::Two, SoundCommand::Open);
    QVERIFY(!sound.isOpen(Channel::Two));
    sound.setFileName(Channel::Two, kalvenor::kMissWave);
    sound.command(Channel::Two, SoundCommand::Open);
    sound.command(Channel::Two, SoundCommand::Play);
    QVERIFY(sound.isPlaying(Channel::Two));

    sound.command(Channel::One, SoundCommand::Stop);
    QVERIFY(!sound.isPlaying(Channel::One));
    QVERIFY(sound.isOpen(Channel::One));
    QVERIFY(sound.isPlaying(Channel::Two));
    sound.command(Channel::One, SoundCommand::Play);  // played again after a stop, not yet closed
    QVERIFY(sound.isPlaying(Channel::One));
    sound.command(Channel::Two, SoundCommand::Close);
    QVERIFY(!sound.isPlaying(Channel::Two));
    QVERIFY(!sound.isOpen(Channel::Two));
    sound.command(Channel::Two, SoundCommand::Play);  // closed: nothing to play
    QVERIFY(!sound.isPlaying(Channel::Two));
    QVERIFY(sound.isPlaying(Channel::One));
    QCOMPARE(messages.filter("no sound server").size(), 0);
  }

  void missingWavesAreReportedOnceAndStaySilent() {
    WaveChannels sound(missingWaves());
    QCOMPARE(messages.filter("Kalvenorw"),
             QStringList{QStringLiteral("kalvenor: 2 wave files not found; the game plays without the sounds of "
                                        "Kalvenorw1.wav, Kalvenorw2.wav.")});
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
  WaveSources embeddedWaves() const { return {nowhere_.path()}; }

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
