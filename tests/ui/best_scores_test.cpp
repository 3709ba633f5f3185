// SPDX-License-Identifier: GPL-3.0-or-later
// The best scores: their order and ten rows, a write killed at each step, two
// processes writing at once, files the game cannot read, and a folder that
// takes no file.

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "scores/best_scores.h"
#include "kept_messages.h"

using kalvenor::ui::BestScores;
using kalvenor::ui::ScoreTable;
using kalvenor::ui::testing::messages;

namespace {

const QDateTime kNoon(QDate(2026, 6, 10), QTime(12, 0), Qt::UTC);

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

// Runs `work` in a child process, which ends when it returns; gives the
// child's id.
template <typename Work>
pid_t child(Work work) {
  const pid_t id = fork();
  if (id == 0) _exit(work() ? 0 : 1);
  return id;
}

int ended(pid_t id) {
  int status = 0;
  waitpid(id, &status, 0);
  return status;
}

QList<int> scores(const ScoreTable& table) {
  QList<int> list;
  for (const auto& row : table.rows()) list << row.score;
  return list;
}

}  // namespace

class BestScoresTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages.clear();
    qInstallMessageHandler(kalvenor::ui::testing::keepMessage);
  }

  void bestFirstEqualScoresByTimeTenRows() {
    ScoreTable table;
    QCOMPARE(table.add({2500, kNoon}), 0);
    QCOMPARE(table.add({2500, kNoon.addSecs(-60)}), 0);  // the earlier of equal scores goes first
    QCOMPARE(table.add({2500, kNoon.addSecs(60)}), 2);
    for (int k = 0; k < 7; ++k) table.add({2400 - k, kNoon});
    QCOMPARE(table.add({2394, kNoon.addSecs(1)}), -1);  // equal to the last, but later
    QCOMPARE(table.add({2450, kNoon}), 3);
    QCOMPARE(scores(table), (QList<int>{2500, 2500, 2500, 2450, 2400, 2399, 2398, 2397, 2396, 2395}));
    const QByteArray text = kalvenor::ui::scoreFileText(table);
    QVERIFY(text.startsWith("Kalvenor best scores, format 1\n2500 2026-06-10T11:59:00Z\n"));
    QCOMPARE(kalvenor::ui::parseScoreFile(text).table, table);
  }

  // Killed before it opens, half way and before its commit, a write leaves
  // the table whole, and the next window takes over the dead one's lock.
  void aKilledWriteLeavesTheOldTable() {
    for (const auto step : {BestScores::WriteStep::Open, BestScores::WriteStep::Write, BestScores::WriteStep::Commit}) {
      QTemporaryDir folder;
      BestScores best(folder.path());
      best.record(2500, kNoon);
      const QByteArray before = contents(best.filePath());
      const int status = ended(child([&] {
        return BestScores(folder.path(), [step](BestScores::WriteStep now) { return now != step || raise(SIGKILL); })
            .record(2900, kNoon);
      }));
      QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
      QCOMPARE(contents(best.filePath()), before);
      QVERIFY(best.record(2800, kNoon));
      QCOMPARE(scores(best.table()), (QList<int>{2800, 2500}));
    }
    QVERIFY(messages.isEmpty());
  }

  // A save the other window holds off goes with a later one, or as the
  // window closes.
  void twoProcessesAtOnceLoseNoScore() {
    constexpr int kEach = 60;
    constexpr int kFirst = kalvenor::ui::kLowestFinalScore;
    QTemporaryDir folder;
    // Each score beats every one before it: a write that is lost shows at the top.
    const auto writer = [&](int first) {
      return child([&] {
        BestScores mine(folder.path());
        for (int score = first; score < kFirst + 2 * kEach; score += 2) {
          mine.record(score, kNoon);
          QThread::msleep(3);  // as windows finish games: the other writer gets its turn at the lock
        }
        return true;
      });
    };
    const pid_t even = writer(kFirst), odd = writer(kFirst + 1);
    QCOMPARE(ended(even), 0);
    QCOMPARE(ended(odd), 0);
    BestScores all(folder.path());
    all.reload();
    QList<int> best;
    for (int score = kFirst + 2 * kEach - 1; score >= kFirst + 2 * kEach - 10; --score) best << score;
    QCOMPARE(scores(all.table()), best);
  }

  // A live window's lock holds a save off without a wait: it goes in a moment
  // later, or as the window closes. A lock that names no holder is a killed
  // game's, and taken over at once.
  void aLockHoldsASaveOffWithoutAWait_data() {
    QTest::addColumn<QByteArray>("lock");  // empty: held by a live window
    QTest::addColumn<bool>("closing");
    QTest::newRow("tried again later") << QByteArray() << false;
    QTest::newRow("tried again at close") << QByteArray() << true;
    QTest::newRow("empty lock") << QByteArray("\n") << false;
    QTest::newRow("unreadable lock") << QByteArray("not a process\n") << false;
  }

  void aLockHoldsASaveOffWithoutAWait() {
    QFETCH(QByteArray, lock);
    QFETCH(bool, closing);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("best-scores.txt"));
    QLockFile held(path + QStringLiteral(".lock"));
    if (lock.isEmpty()) {
      QVERIFY(held.tryLock(0));
    } else {
      put(path + QStringLiteral(".lock"), lock.trimmed());
    }
    {
      BestScores best(folder.path());
      QCOMPARE(best.record(2500, kNoon), !lock.isEmpty());
      QCOMPARE(scores(best.table()), QList<int>{2500});  // shown all the same
      held.unlock();
      if (!closing) QTRY_VERIFY(contents(path).contains("2500 "));
    }
    QVERIFY(contents(path).contains("2500 "));
    QVERIFY(messages.isEmpty());
  }

  // A write killed before its rename leaves its temporary file; the next save
  // removes one older than a minute, not one another window may be writing.
  void aKilledWritesLeftoverGoesWithTheNextSave() {
    QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("best-scores.txt.Ab12Cd"));
    const QString fresh = folder.filePath(QStringLiteral("best-scores.txt.Xy34Zw"));
    put(old, "Kalvenor best scores, format 1\n");
    put(fresh, "Kalvenor best scores, format 1\n");
    QFile leftover(old);
    QVERIFY(leftover.open(QIODevice::ReadWrite) &&
            leftover.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-120), QFileDevice::FileModificationTime));
    leftover.close();
    QVERIFY(BestScores(folder.path()).record(2500, kNoon));
    QVERIFY(!QFile::exists(old));
    QVERIFY(QFile::exists(fresh));
  }

  // The folder follows XDG_DATA_HOME when it is absolute; a relative one is
  // ignored, as the base-directory rules say.
  void theFolderFollowsAnAbsoluteDataHome_data() {
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("folder");
    QTest::newRow("absolute") << QStringLiteral("/var/tmp/data") << QStringLiteral("/var/tmp/data/");
    QTest::newRow("relative") << QStringLiteral("data") << QDir::homePath() + QStringLiteral("/.local/share/");
  }

  void theFolderFollowsAnAbsoluteDataHome() {
    QFETCH(QString, dataHome);
    QFETCH(QString, folder);
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    const QString found = BestScores::playersFolder();
    qputenv("XDG_DATA_HOME", before);
    QCOMPARE(found, folder + QCoreApplication::applicationName());
  }

  void aFileTheGameCannotReadIsKeptAside_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("said");
    QTest::newRow("corrupt") << QByteArray("Kalvenor best scores, format 1\n1500 yesterday\n") << "could not be read";
    QTest::newRow("truncated") << QByteArray("Kalvenor best scores, format 1\n1500 2026-12-10T12:0")
                               << "could not be read";
    QTest::newRow("foreign") << QByteArray("[Desktop Entry]\nName=Other\n") << "could not be read";
    QTest::newRow("newer") << QByteArray("Kalvenor best scores, format 2\n1500 on the moon\n")
                           << "from a newer Kalvenor";
    // Rows no finished game can score: 2100 to 2969, and not in years to come.
    QTest::newRow("too low") << QByteArray("Kalvenor best scores, format 1\n2099 2026-06-10T12:00:00Z\n")
                             << "could not be read";
    QTest::newRow("too high") << QByteArray("Kalvenor best scores, format 1\n2970 2026-06-10T12:00:00Z\n")
                              << "could not be read";
    QTest::newRow("from the future") << QByteArray("Kalvenor best scores, format 1\n2969 2999-06-10T12:00:00Z\n")
                                     << "could not be read";
    // Not a file to read: a pipe that no one writes to would never answer.
    QTest::newRow("pipe") << QByteArray() << "could not be read";
  }

  void aFileTheGameCannotReadIsKeptAside() {
    QFETCH(QByteArray, text);
    QFETCH(QString, said);
    QTemporaryDir folder;
    BestScores best(folder.path());
    const auto make = [&] {
      if (text.isEmpty()) {
        QCOMPARE(mkfifo(QFile::encodeName(best.filePath()).constData(), 0600), 0);
      } else {
        put(best.filePath(), text);
      }
    };
    make();
    best.reload();
    QVERIFY(best.table().rows().isEmpty());
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("best-scores.txt.kept-*")}, QDir::Files | QDir::System);
    QCOMPARE(aside.size(), 1);
    if (!text.isEmpty()) QCOMPARE(contents(folder.filePath(aside.first())), text);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(said) && messages.first().contains(aside.first()), qPrintable(messages.first()));
    QVERIFY(best.record(2200, kNoon));
    QVERIFY(QFile::remove(best.filePath()));
    make();  // said once a run, however often it comes
    best.reload();
    QCOMPARE(messages.size(), 1);
  }

  void aFolderThatTakesNoFileKeepsTheRunsScores() {
    QTemporaryDir home;
    put(home.filePath(QStringLiteral("data")), "a file where the folder would be");
    BestScores best(home.filePath(QStringLiteral("data/kalvenor")));
    QVERIFY(!best.record(2200, kNoon));
    QVERIFY(!best.record(2300, kNoon));
    best.reload();
    QCOMPARE(scores(best.table()), (QList<int>{2300, 2200}));
    QCOMPARE(best.latestRow(), 0);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("kalvenor: Best scores cannot be saved")),
             qPrintable(messages.first()));

    // The folder takes files again: the run's scores go in with the next one,
    // beside an equal score another window wrote meanwhile, and the notice goes.
    QVERIFY(QFile::remove(home.filePath(QStringLiteral("data"))));
    QVERIFY(BestScores(home.filePath(QStringLiteral("data/kalvenor"))).record(2300, kNoon));
    QVERIFY(best.record(2100, kNoon));
    best.reload();
    QCOMPARE(scores(best.table()), (QList<int>{2300, 2300, 2200, 2100}));
    QVERIFY(best.notice().isEmpty());
  }
};

QTEST_GUILESS_MAIN(BestScoresTest)
#include "best_scores_test.moc"
