// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten best scores of finished games, best first, and their file format:
// a version line, then one line a score, "2969 2026-12-10T04:45:12Z", the
// time in UTC. A person can read it; the game reads only what it wrote.

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <optional>

#include "kalvenor/fleet.h"
#include "kalvenor/grid.h"

namespace kalvenor::ui {

// What a finished game scores: 1000, less a point a shot (one for each ship
// cell at the least, every cell at the most) and 10 to 50 points a buoy, plus
// 200 for each sinking of the whole fleet.
inline constexpr int kLowestFinalScore = 1000 - kCells - (10 + 20 + 30 + 40 + 50) + 200 * kShips;
inline constexpr int kHighestFinalScore = 1000 - kSlots + 200 * kShips;

struct BestScore {
  int score = 0;
  QDateTime finished;  // UTC, to the second
  bool operator==(const BestScore&) const = default;
};

class ScoreTable {
 public:
  static constexpr int kRows = 10;

  // Puts a score in its place: below the better ones and below the equal ones
  // finished before it. Returns its row, or -1 when it is not among the best.
  int add(const BestScore& entry);
  // The row holding this very score, or -1.
  int rowOf(const BestScore& entry) const { return static_cast<int>(rows_.indexOf(entry)); }
  const QList<BestScore>& rows() const { return rows_; }
  bool operator==(const ScoreTable&) const = default;

 private:
  QList<BestScore> rows_;
};

inline constexpr int kScoreFileFormat = 1;

QByteArray scoreFileText(const ScoreTable& table);

struct ParsedScores {
  enum class Outcome { Read, Unreadable, NewerFormat };
  Outcome outcome = Outcome::Read;
  ScoreTable table;
};
// A row no finished game can have written, a score out of range or a time
// more than a day after `now`, makes the file one the game did not write.
ParsedScores parseScoreFile(const QByteArray& text, const QDateTime& now = QDateTime::currentDateTimeUtc());

}  // namespace kalvenor::ui
