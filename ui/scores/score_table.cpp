// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/score_table.h"

#include <QRegularExpression>

#include <algorithm>

namespace kalvenor::ui {

namespace {

constexpr char kHeader[] = "Kalvenor best scores, format ";

bool before(const BestScore& a, const BestScore& b) {
  return a.score != b.score ? a.score > b.score : a.finished < b.finished;
}

}  // namespace

int ScoreTable::add(const BestScore& entry) {
  const auto place = std::upper_bound(rows_.begin(), rows_.end(), entry, before);
  const auto row = static_cast<int>(place - rows_.begin());
  if (row >= kRows) return -1;
  rows_.insert(row, entry);
  if (rows_.size() > kRows) rows_.removeLast();
  return row;
}

QByteArray scoreFileText(const ScoreTable& table) {
  QByteArray text = kHeader + QByteArray::number(kScoreFileFormat) + '\n';
  for (const BestScore& row : table.rows()) {
    text += QByteArray::number(row.score) + ' ' + row.finished.toString(Qt::ISODate).toLatin1() + '\n';
  }
  return text;
}

ParsedScores parseScoreFile(const QByteArray& text, const QDateTime& now) {
  const ParsedScores unreadable{ParsedScores::Outcome::Unreadable, {}};
  // A file cut short mostly ends inside a line: every line ends with its newline.
  if (!text.startsWith(kHeader) || !text.endsWith('\n')) return unreadable;
  QList<QByteArray> lines = text.chopped(1).split('\n');
  bool isNumber = false;
  const int format = lines.takeFirst().mid(sizeof kHeader - 1).toInt(&isNumber);
  if (!isNumber) return unreadable;
  if (format > kScoreFileFormat) return {ParsedScores::Outcome::NewerFormat, {}};
  if (format != kScoreFileFormat || lines.size() > ScoreTable::kRows) return unreadable;

  static const QRegularExpression line(QStringLiteral("^(\\d{4}) (\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ)$"));
  ParsedScores parsed;
  for (const QByteArray& entry : lines) {
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(entry));
    const int score = match.hasMatch() ? match.captured(1).toInt() : 0;
    const QDateTime finished = QDateTime::fromString(match.captured(2), Qt::ISODate);
    if (!match.hasMatch() || !finished.isValid() || finished > now.addDays(1) || score < kLowestFinalScore ||
        score > kHighestFinalScore) {
      return unreadable;
    }
    parsed.table.add({score, finished});
  }
  return parsed;
}

}  // namespace kalvenor::ui
