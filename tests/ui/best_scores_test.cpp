// SPDX-License-Identifier: GPL-3.0-or-later
// The best scores: their order and ten rows, a write killed at each step, two
// processes writing at once, files the game cannot read, and a folder that
// takes no file.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "best_scores.h"
#include "kept_messages.h"

using kalvenor::ui::BestScore;
using kalvenor::ui::BestScores;
using kalvenor::ui::ScoreTable;
using kalvenor::ui::testing::keepMessage;
using kalvenor::ui::testing::messages;

namespace {

const QDateTime kNoon(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC);

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

// Runs `work` in a child process and returns how it ended, as waitpid says.
template <typename Work>
int inChild(Work work) {
  const pid_t child = fork();
  if (child == 0) {
    work();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

QList<int> scores(const ScoreTable& table) {
  QList<int> list;
  for (const BestScore& row : table.rows()) list << row.score;
  return list;
}

}  // namespace

class BestScoresTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages.clear();
    qInstallMessageHandler(keepMessage);
  }

  void bestFirstEqualScoresByTimeTenRows() {
    ScoreTable table;
    QCOMPARE(table.add({1500, kNoon}), 0);
    QCOMPARE(table.add({1500, kNoon.addSecs(-60)}), 0);  // the earlier of equal scores goes first
    QCOMPARE(table.add({1500, kNoon.addSecs(60)}), 2);
    QCOMPARE(table.add({2969, kNoon}), 0);
    for (int k = 0; k < 6; ++k) table.add({1000 - k, kNoon});
    QCOMPARE(table.rows().size(), 10);
    QCOMPARE(table.add({995, kNoon.addSecs(1)}), -1);  // equal to the last, but later
    QCOMPARE(table.add({1200, kNoon}), 4);
    QCOMPARE(scores(table), (QList<int>{2969, 1500, 1500, 1500, 1200, 1000, 999, 998, 997, 996}));
    QCOMPARE(table.rows()[1].finished, kNoon.addSecs(-60));

    const QByteArray text = kalvenor::ui::scoreFileText(table);
    QVERIFY(text.startsWith("Kalvenor best scores, format 1\n2969 2026-12-10T12:00:00Z\n"));
    QCOMPARE(kalvenor::ui::parseScoreFile(text).table, table);
  }

  // A write killed before it opens, half way through and before its commit
  // leaves the table whole; the next window takes over the dead one's lock.
  void aKilledWriteLeavesTheOldTable() {
    for (const auto step : {BestScores::WriteStep::Open, BestScores::WriteStep::Write, BestScores::WriteStep::Commit}) {
      QTemporaryDir folder;
      BestScores(folder.path()).record(1500, kNoon);
      const QByteArray before = contents(BestScores(folder.path()).filePath());
      const int status = inChild([&] {
        BestScores dying(folder.path(), [step](BestScores::WriteStep now) {
          if (now == step) std::raise(SIGKILL);
          return true;
        });
        dying.record(2000, kNoon);
      });
      QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
      QCOMPARE(contents(BestScores(folder.path()).filePath()), before);
      BestScores next(folder.path());
      QVERIFY(next.record(1800, kNoon));
      QCOMPARE(scores(next.table()), (QList<int>{1800, 1500}));
    }
    QVERIFY(messages.isEmpty());
  }

  void twoProcessesAtOnceLoseNoScore() {
    constexpr int kEach = 150;
    QTemporaryDir folder;
    std::array<pid_t, 2> writers{};
    for (int w = 0; w < 2; ++w) {
      writers[w] = fork();
      if (writers[w] == 0) {
        // Each score beats every one before it: a lost write shows at the top.
        BestScores mine(folder.path());
        for (int k = 0; k < kEach; ++k) {
          if (!mine.record(2 * k + w, kNoon)) _exit(1);
        }
        _exit(0);
      }
    }
    for (const pid_t writer : writers) {
      int status = 0;
      waitpid(writer, &status, 0);
      QCOMPARE(status, 0);
    }
    BestScores all(folder.path());
    all.reload();
    QList<int> expected;
    for (int score = 2 * kEach - 1; expected.size() < ScoreTable::kRows; --score) expected << score;
    QCOMPARE(scores(all.table()), expected);
  }

  void aFileTheGameCannotReadIsKeptAside_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("said");
    QTest::newRow("corrupt") << QByteArray("Kalvenor best scores, format 1\n1500 yesterday\n") << "could not be read";
    QTest::newRow("truncated") << QByteArray("Kalvenor best scores, format 1\n1500 2026-12-10T12:0") << "could not be read";
    QTest::newRow("foreign") << QByteArray("[Desktop Entry]\nName=Other\n") << "could not be read";
    QTest::newRow("eleven rows") << QByteArray("Kalvenor best scores, format 1\n") +
                                        QByteArray("900 2026-12-10T12:00:00Z\n").repeated(11)
                                  << "could not be read";
    QTest::newRow("newer") << QByteArray("Kalvenor best scores, format 2\nwhat a later game keeps\n")
                           << "is from a newer Kalvenor";
  }

  void aFileTheGameCannotReadIsKeptAside() {
    QFETCH(QByteArray, text);
    QFETCH(QString, said);
    QTemporaryDir folder;
    BestScores best(folder.path());
    put(best.filePath(), text);
    best.reload();
    QCOMPARE(best.table().rows().size(), 0);
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("best-scores.txt.kept-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(contents(QDir(folder.path()).filePath(aside.first())), text);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(said) && messages.first().contains(aside.first()), qPrintable(messages.first()));
    QCOMPARE(best.notice(), messages.first());

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
  }
};

QTEST_GUILESS_MAIN(BestScoresTest)
#include "best_scores_test.moc"
