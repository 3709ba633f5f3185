// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/best_scores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>


namespace kalvenor::ui {

namespace {

constexpr char kFileName[] = "best-scores.txt";
// A table is a few hundred bytes: anything much longer is not one.
constexpr qint64 kLongestFile = 4096;
// Another window holds the lock for a few milliseconds: a save it holds off
// is tried again this much later, not waited for.
constexpr int kRetryMs = 1000;
// As the window closes nothing else waits on it.
constexpr int kLockWaitAtCloseMs = 1000;
// A write killed before its rename leaves its temporary file behind; one this
// old belongs to no write under way.
constexpr int kLeftoverAgeSecs = 60;

// Takes the lock unless a live window holds it. A lock that names no holder
// is one a game killed between creating and writing it left: stale at once,
// not after Qt's half minute.
bool takeLock(QLockFile& lock, int waitMs) {
  if (lock.tryLock(0)) return true;
  if (lock.error() != QLockFile::LockFailedError) return false;
  qint64 pid = 0;
  QString host, application;
  if (!lock.getLockInfo(&pid, &host, &application)) return lock.removeStaleLockFile() && lock.tryLock(0);
  return waitMs > 0 && lock.tryLock(waitMs);
}

// The file's contents, opened without blocking and read only when it is a
// plain file: a pipe or a device under its name would hold the window.
std::optional<QByteArray> plainFileText(const QString& path) {
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  QFile file;
  struct stat status {};
  if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    return std::nullopt;
  }
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return file.read(kLongestFile + 1);
}

}  // namespace

BestScores::BestScores(QString folder, Interruption interruption)
    : folder_(std::move(folder)), interruption_(std::move(interruption)) {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  QObject::connect(&retry_, &QTimer::timeout, [this] { save(Moment::Now); });
}

BestScores::~BestScores() {
  if (!unsaved_.isEmpty()) save(Moment::AtClose);
}

QString BestScores::playersFolder() {
  // The rules say to ignore a relative XDG_DATA_HOME: it would put the table
  // under whatever folder the game was started from.
  QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (QDir::isRelativePath(data)) data = QDir::homePath() + QStringLiteral("/.local/share");
  return QDir(data).filePath(QCoreApplication::applicationName());
}

QString BestScores::filePath() const { return QDir(folder_).filePath(QString::fromLatin1(kFileName)); }

void BestScores::reload() {
  QLockFile lock(filePath() + QStringLiteral(".lock"));
  const bool locked = QFileInfo(folder_).isDir() && takeLock(lock, 0);
  table_ = withUnsaved(readFile(locked).value_or(ScoreTable{}));
}

bool BestScores::record(int score, const QDateTime& finished) {
  const QDateTime utc = finished.toUTC();
  latest_ = BestScore{score, utc.addMSecs(-utc.time().msec())};
  unsaved_.append(*latest_);
  return save(Moment::Now);
}

bool BestScores::save(Moment moment) {
  retry_.stop();
  bool saved = false;
  bool heldOff = false;
  std::optional<ScoreTable> onDisk;
  if (QDir().mkpath(folder_)) {
    QLockFile lock(filePath() + QStringLiteral(".lock"));
    if (takeLock(lock, moment == Moment::AtClose ? kLockWaitAtCloseMs : 0)) {
      removeLeftovers();
      onDisk = readFile(true);
      saved = onDisk && write(withUnsaved(*onDisk));
    } else {
      heldOff = lock.error() == QLockFile::LockFailedError;
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
  } else if (heldOff && moment == Moment::Now) {
    retry_.start();
  } else {
    tell(Trouble::Unwritable, tr("Best scores cannot be saved in %1; they are shown until Kalvenor closes.")
                                  .arg(QDir::toNativeSeparators(folder_)));
  }
  return saved;
}

void BestScores::removeLeftovers() const {
  const QDateTime now = QDateTime::currentDateTimeUtc();
  const QString temporary = QString::fromLatin1(kFileName) + QStringLiteral(".??????");
  for (const QFileInfo& leftover : QDir(folder_).entryInfoList({temporary}, QDir::Files | QDir::Hidden)) {
    if (leftover.lastModified().secsTo(now) > kLeftoverAgeSecs) QFile::remove(leftover.filePath());
  }
}

std::optional<ScoreTable> BestScores::readFile(bool locked) {
  if (!QFileInfo(filePath()).exists() && !QFileInfo(filePath()).isSymLink()) return ScoreTable{};
  const std::optional<QByteArray> text = plainFileText(filePath());
  const ParsedScores parsed = text ? parseScoreFile(*text) : ParsedScores{ParsedScores::Outcome::Unreadable, {}};
  if (parsed.outcome == ParsedScores::Outcome::Read) return parsed.table;
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
  bool& told = told_[static_cast<std::size_t>(trouble)];
  // The window shows the sentence; the terminal's line names the program.
  if (!told) qWarning("%s", qUtf8Printable(tr("kalvenor: %1", "a line written to the terminal").arg(line)));
  told = true;
}

ScoreTable BestScores::withUnsaved(ScoreTable table) const {
  // This run's unsaved scores are not on disk, though an equal row from
  // another window may be.
  for (const BestScore& entry : unsaved_) table.add(entry);
  return table;
}

}  // namespace kalvenor::ui
