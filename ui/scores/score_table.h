// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten best scores of finished games, best first, and their file format:
// a version line, then one line a score, "2969 2026-12-10T04:45:12Z", the
// time in UTC. A person can read it; the game reads only what it wrote.

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <optional>

namespace kalvenor::ui {

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
ParsedScores parseScoreFile(const QByteArray& text);

}  // namespace kalvenor::ui
