// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's dialogs. Each opens with its text where the keyboard and a
// screen reader find it at once, and closes with Esc.

#include <QDialog>

namespace kalvenor::ui {

class BestScores;

class HelpDialog final : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { HowToPlay, BestScores, About };
  // `cellSymbols`: How to play's legend shows each cell's symbol too.
  HelpDialog(Kind kind, const BestScores& scores, bool cellSymbols, QWidget* parent);

 private:
  void buildHowToPlay(bool cellSymbols);
  void buildBestScores(const BestScores& scores);
  void buildAbout();
};

}  // namespace kalvenor::ui
