// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The best scores kept in a folder of the player's (score_table.h holds the
// format). A write replaces the file whole or not at all, and a lock around
// read, merge and write lets two windows finish at once and keep both
// scores. A file the game cannot read is kept aside under another name and a
// new table begins; a folder that takes no file leaves this run's scores in
// memory. The window never waits for the lock: a save another window holds
// off is tried again a moment later, and once more as the window closes.
// Each trouble is said once, in one line.

#include <QCoreApplication>
#include <QString>
#include <QTimer>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

#include "scores/score_table.h"

namespace kalvenor::ui {

class BestScores {
  Q_DECLARE_TR_FUNCTIONS(BestScores)

 public:
  // The steps of a write where a test breaks it off, as a crash would.
  enum class WriteStep { Open, Write, Commit };
  // Answers whether the write goes on past this step.
  using Interruption = std::function<bool(WriteStep)>;

  explicit BestScores(QString folder, Interruption interruption = {});
  // Saves, with a short wait for the lock, the scores not saved yet.
  ~BestScores();
  BestScores(const BestScores&) = delete;
  BestScores& operator=(const BestScores&) = delete;

  // The player's folder for the game's data, by the XDG base-directory rules.
  static QString playersFolder();

  // Reads the file again: another window may have written to it.
  void reload();
  // Puts a finished game's score in the table and saves it. Returns whether
  // the file now holds it.
  bool record(int score, const QDateTime& finished = QDateTime::currentDateTimeUtc());

  const ScoreTable& table() const { return table_; }
  // The row of the latest game this run recorded, or -1.
  int latestRow() const { return latest_ ? table_.rowOf(*latest_) : -1; }
  // The latest game this run recorded, among the best or not.
  const std::optional<BestScore>& latest() const { return latest_; }
  // The last trouble said, or an empty text.
  const QString& notice() const { return notice_; }
  QString filePath() const;

 private:
  enum class Trouble { Unreadable, NewerFormat, Unwritable, Last = Unwritable };
  static constexpr std::size_t kTroubles = static_cast<std::size_t>(Trouble::Last) + 1;
  enum class Moment { Now, AtClose };

  // Merges the unsaved scores into the file; refreshes the table either way.
  bool save(Moment moment);
  // The table on disk, or nothing when the file is one the game may not
  // write over (unread, or unreadable and not moved aside).
  std::optional<ScoreTable> readFile(bool locked);
  bool write(const ScoreTable& table);
  void removeLeftovers() const;
  bool goesOn(WriteStep step) const { return !interruption_ || interruption_(step); }
  void tell(Trouble trouble, const QString& line);
  ScoreTable withUnsaved(ScoreTable table) const;

  QString folder_;
  Interruption interruption_;
  ScoreTable table_;
  QList<BestScore> unsaved_;  // this run's scores the folder did not take
  std::optional<BestScore> latest_;
  QString notice_;
  std::optional<Trouble> noticeOf_;
  std::array<bool, kTroubles> told_{};
  QTimer retry_;
};

}  // namespace kalvenor::ui
