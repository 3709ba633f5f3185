// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound servers for the player's tests: a real one with a null sink, and the
// variable that points the player at a server for one test.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QtGlobal>

namespace kalvenor::ui::testing {

// A PulseAudio server with a null sink, on a socket in `folder`, as the
// end-to-end desktop starts it.
class NullSinkServer {
 public:
  explicit NullSinkServer(const QString& folder) : socket_(folder + QStringLiteral("/native")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH"}) {
      environment.insert(QString::fromLatin1(variable), folder);
    }
    server_.setProcessEnvironment(environment);
    server_.start(QStringLiteral("pulseaudio"),
                  {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes", "-L",
                   "module-null-sink", "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket_});
  }
  ~NullSinkServer() {
    server_.terminate();
    server_.waitForFinished(5000);
  }
  NullSinkServer(const NullSinkServer&) = delete;
  NullSinkServer& operator=(const NullSinkServer&) = delete;

  bool started() { return server_.waitForStarted(5000); }
  bool listening() const { return QFile::exists(socket_); }
  QByteArray address() const { return "unix:" + socket_.toUtf8(); }

 private:
  QString socket_;
  QProcess server_;
};

// The environment variable that names the sound server, set for one test.
class ServerAddress {
 public:
  explicit ServerAddress(const QByteArray& address) : before_(qgetenv("PULSE_SERVER")) {
    qputenv("PULSE_SERVER", address);
  }
  ~ServerAddress() { qputenv("PULSE_SERVER", before_); }
  ServerAddress(const ServerAddress&) = delete;
  ServerAddress& operator=(const ServerAddress&) = delete;

 private:
  QByteArray before_;
};

}  // namespace kalvenor::ui::testing
