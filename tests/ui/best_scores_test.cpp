// SPDX-License-Identifier: GPL-3.0-or-later
// The best scores: their order and ten rows, a write killed at each step, two
// processes writing at once, files the game cannot read, and a folder that
// takes no file.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "scores/best_scores.h"
#include "kept_messages.h"

using kalvenor::ui::BestScores;
using kalvenor::ui::ScoreTable;
using kalvenor::ui::testing::messages;

namespace {

const QDateTime kNoon(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC);

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
    QCOMPARE(table.add({1500, kNoon}), 0);
    QCOMPARE(table.add({1500, kNoon.addSecs(-60)}), 0);  // the earlier of equal scores goes first
    QCOMPARE(table.add({1500, kNoon.addSecs(60)}), 2);
    for (int k = 0; k < 7; ++k) table.add({1000 - k, kNoon});
    QCOMPARE(table.add({994, kNoon.addSecs(1)}), -1);  // equal to the last, but later
    QCOMPARE(table.add({1200, kNoon}), 3);
    QCOMPARE(scores(table), (QList<int>{1500, 1500, 1500, 1200, 1000, 999, 998, 997, 996, 995}));
    const QByteArray text = kalvenor::ui::scoreFileText(table);
    QVERIFY(text.startsWith("Kalvenor best scores, format 1\n1500 2026-12-10T11:59:00Z\n"));
    QCOMPARE(kalvenor::ui::parseScoreFile(text).table, table);
  }

  // Killed before it opens, half way and before its commit, a write leaves
  // the table whole, and the next window takes over the dead one's lock.
  void aKilledWriteLeavesTheOldTable() {
    for (const auto step : {BestScores::WriteStep::Open, BestScores::WriteStep::Write, BestScores::WriteStep::Commit}) {
      QTemporaryDir folder;
      BestScores best(folder.path());
      best.record(1500, kNoon);
      const QByteArray before = contents(best.filePath());
      const int status = ended(child([&] {
        return BestScores(folder.path(), [step](BestScores::WriteStep now) { return now != step || raise(SIGKILL); })
            .record(2000, kNoon);
      }));
      QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
      QCOMPARE(contents(best.filePath()), before);
      QVERIFY(best.record(1800, kNoon));
      QCOMPARE(scores(best.table()), (QList<int>{1800, 1500}));
    }
    QVERIFY(messages.isEmpty());
  }

  void twoProcessesAtOnceLoseNoScore() {
    constexpr int kEach = 60;
    QTemporaryDir folder;
    // Each score beats every one before it: a write that is lost shows at the top.
    const auto writer = [&](int first) {
      return child([&] {
        BestScores mine(folder.path());
        for (int score = first; score < 2 * kEach; score += 2) {
          if (!mine.record(score, kNoon)) return false;
          QThread::msleep(3);  // as windows finish games: the other writer gets its turn at the lock
        }
        return true;
      });
    };
    const pid_t even = writer(0), odd = writer(1);
    QCOMPARE(ended(even), 0);
    QCOMPARE(ended(odd), 0);
    BestScores all(folder.path());
    all.reload();
    QList<int> best;
    for (int score = 2 * kEach - 1; score >= 2 * kEach - 10; --score) best << score;
    QCOMPARE(scores(all.table()), best);
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
  }

  void aFileTheGameCannotReadIsKeptAside() {
    QFETCH(QByteArray, text);
    QFETCH(QString, said);
    QTemporaryDir folder;
    BestScores best(folder.path());
    put(best.filePath(), text);
    best.reload();
    QVERIFY(best.table().rows().isEmpty());
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("best-scores.txt.kept-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(contents(folder.filePath(aside.first())), text);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(said) && messages.first().contains(aside.first()), qPrintable(messages.first()));
    QVERIFY(best.record(1200, kNoon));
    put(best.filePath(), text);  // said once a run, however often it comes
    best.reload();
    QCOMPARE(messages.size(), 1);
  }

  void aFolderThatTakesNoFileKeepsTheRunsScores() {
    QTemporaryDir home;
    put(home.filePath(QStringLiteral("data")), "a file where the folder would be");
    BestScores best(home.filePath(QStringLiteral("data/kalvenor")));
    QVERIFY(!best.record(1200, kNoon));
    QVERIFY(!best.record(1300, kNoon));
    best.reload();
    QCOMPARE(scores(best.table()), (QList<int>{1300, 1200}));
    QCOMPARE(best.latestRow(), 0);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("cannot be saved")), qPrintable(messages.first()));

    // The folder takes files again: the run's scores go in with the next one,
    // beside an equal score another window wrote meanwhile, and the notice goes.
    QVERIFY(QFile::remove(home.filePath(QStringLiteral("data"))));
    QVERIFY(BestScores(home.filePath(QStringLiteral("data/kalvenor"))).record(1300, kNoon));
    QVERIFY(best.record(1100, kNoon));
    best.reload();
    QCOMPARE(scores(best.table()), (QList<int>{1300, 1300, 1200, 1100}));
    QVERIFY(best.notice().isEmpty());
  }
};

QTEST_GUILESS_MAIN(BestScoresTest)
#include "best_scores_test.moc"
