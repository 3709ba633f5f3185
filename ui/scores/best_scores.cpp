// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/best_scores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace kalvenor::ui {

namespace {

constexpr char kFileName[] = "best-scores.txt";
// A table is a few hundred bytes: anything much longer is not one.
constexpr qint64 kLongestFile = 4096;
// Another window holds the lock for a few milliseconds; a dead one's lock is
// taken over at once.
constexpr int kLockWaitMs = 3000;

}  // namespace

BestScores::BestScores(QString folder, Interruption interruption)
    : folder_(std::move(folder)), interruption_(std::move(interruption)) {}

QString BestScores::filePath() const { return QDir(folder_).filePath(QString::fromLatin1(kFileName)); }

void BestScores::reload() {
  QLockFile lock(filePath() + QStringLiteral(".lock"));
  const bool locked = QFileInfo(folder_).isDir() && lock.tryLock(kLockWaitMs);
  table_ = withUnsaved(readFile(locked).value_or(ScoreTable{}));
}

bool BestScores::record(int score, const QDateTime& finished) {
  const QDateTime utc = finished.toUTC();
  latest_ = BestScore{score, utc.addMSecs(-utc.time().msec())};
  unsaved_.append(*latest_);

  bool saved = false;
  std::optional<ScoreTable> onDisk;
  if (QDir().mkpath(folder_)) {
    QLockFile lock(filePath() + QStringLiteral(".lock"));
    if (lock.tryLock(kLockWaitMs)) {
      onDisk = readFile(true);
      saved = onDisk && write(withUnsaved(*onDisk));
    }
  }
  if (!onDisk) onDisk = readFile(false);
  table_ = withUnsaved(onDisk.value_or(ScoreTable{}));
  if (saved) {
    unsaved_.clear();
    if (noticeOf_ == Trouble::Unwritable) {  // the folder takes files again
      notice_.clear();
      noticeOf_.reset();
    }
  } else {
    tell(Trouble::Unwritable, tr("Best scores cannot be saved in %1; they are shown until Kalvenor closes.")
                                  .arg(QDir::toNativeSeparators(folder_)));
  }
  return saved;
}

std::optional<ScoreTable> BestScores::readFile(bool locked) {
  QFile file(filePath());
  if (!file.exists()) return ScoreTable{};
  ParsedScores parsed;
  if (file.open(QIODevice::ReadOnly))
    parsed = parseScoreFile(file.read(kLongestFile + 1));
  else
    parsed.outcome = ParsedScores::Outcome::Unreadable;
  if (parsed.outcome == ParsedScores::Outcome::Read) return parsed.table;
  file.close();
  // Only the lock's holder moves the file: another window may be replacing it.
  if (!locked) return std::nullopt;
  const QString aside = filePath() + QStringLiteral(".kept-") +
                        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmsszzz"));
  if (!QFile::rename(filePath(), aside)) return std::nullopt;
  const QString name = QDir::toNativeSeparators(filePath());
  const QString keptAs = QDir::toNativeSeparators(aside);
  if (parsed.outcome == ParsedScores::Outcome::NewerFormat) {
    tell(
        Trouble::NewerFormat,
        tr("Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.").arg(name, keptAs));
  } else {
    tell(Trouble::Unreadable,
         tr("Best scores file %1 could not be read; it is kept as %2 and a new table begins.").arg(name, keptAs));
  }
  return ScoreTable{};
}

bool BestScores::write(const ScoreTable& table) {
  const QByteArray text = scoreFileText(table);
  // An unfinished QSaveFile goes with its temporary file; the table stays.
  QSaveFile file(filePath());
  if (!goesOn(WriteStep::Open) || !file.open(QIODevice::WriteOnly)) return false;
  const qsizetype half = text.size() / 2;
  if (file.write(text.first(half)) != half || !goesOn(WriteStep::Write)) return false;
  if (file.write(text.sliced(half)) != text.size() - half || !goesOn(WriteStep::Commit)) return false;
  return file.commit();
}

void BestScores::tell(Trouble trouble, const QString& line) {
  notice_ = line;
  noticeOf_ = trouble;
  bool& told = told_[static_cast<int>(trouble)];
  if (!told) qWarning("%s", qUtf8Printable(line));
  told = true;
}

ScoreTable BestScores::withUnsaved(ScoreTable table) const {
  // This run's unsaved scores are not on disk, though an equal row from
  // another window may be.
  for (const BestScore& entry : unsaved_) table.add(entry);
  return table;
}

}  // namespace kalvenor::ui
