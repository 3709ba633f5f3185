// SPDX-License-Identifier: GPL-3.0-or-later
// Keys take the roads of clicks: the cursor moves without the game knowing,
// Space fires only where a click could, the number keys press only a shown,
// enabled buoy button, and whatever reaches the game first runs the Tmr1
// ticks owed.

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <chrono>

#include "counting_random.h"
#include "game_session.h"
#include "kalvenor/controls.h"
#include "reader/screen_reader_part.h"
#include "reader/spoken_messages.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"

using kalvenor::Control;
using kalvenor::MenuItem;
using kalvenor::test::CountingRandom;
using kalvenor::ui::GameSession;
using kalvenor::ui::ScreenReaderPart;
using kalvenor::ui::SpokenMessages;
using kalvenor::ui::SeaGrid;
using std::chrono::milliseconds;

class KeyboardPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    now_ = {};
    session_ = std::make_unique<GameSession>(random_, sound_, [this] { return now_; });
    reader_ = std::make_unique<ScreenReaderPart>(session_->window().form(), session_->game());
    session_->attach(*reader_);
    QObject::connect(&session_->window(), &kalvenor::ui::SeaWindow::boardAsked, &session_->window(),
                     [this](kalvenor::ui::KeyCommand asked) { reader_->answer(asked); });
    spoken_.clear();
    QObject::connect(session_->window().form().findChild<SpokenMessages*>(), &SpokenMessages::spoken,
                     &session_->window(), [this](const QString& text) { spoken_ << text; });
    session_->open();
    QVERIFY(QTest::qWaitForWindowExposed(&session_->window()));
    grid().setFocus();
  }
  void cleanup() {
    session_.reset();
    reader_.reset();
  }

  void cursorMovesOneCellAndStopsAtTheEdges() {
    QCOMPARE(grid().cursorCell(), 0);
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    QCOMPARE(grid().cursorCell(), 0);
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    QCOMPARE(grid().cursorCell(), 31);
    press(Qt::Key_End);
    QCOMPARE(grid().cursorCell(), 59);
    press(Qt::Key_Right);
    QCOMPARE(grid().cursorCell(), 59);
    press(Qt::Key_PageDown);
    QCOMPARE(grid().cursorCell(), 749);
    press(Qt::Key_Down);
    QCOMPARE(grid().cursorCell(), 749);
    press(Qt::Key_Home);
    QCOMPARE(grid().cursorCell(), 720);
    press(Qt::Key_PageUp);
    QCOMPARE(grid().cursorCell(), 0);
    QVERIFY(grid().cursorFrameShown());
    QTest::mousePress(&grid(), Qt::RightButton, {}, {5, 5});
    QVERIFY(!grid().cursorFrameShown());
  }

  void keysReachNothingWhereAClickCouldNot() {
    now_ = milliseconds(1000);
    press(Qt::Key_Right);  // moving reaches no game: no ticks are run for it
    press(Qt::Key_Space);  // the title screen: no cell is shown
    press(Qt::Key_1);      // nor a buoy button
    QCOMPARE(random_.drawn, 0);
    QCOMPARE(session_->game().shot[1], 0);
  }

  void spaceFiresAtTheCursorAfterTheOwedTicks() {
    startAGame();
    const std::int64_t before = random_.drawn;
    now_ += milliseconds(100);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    QCOMPARE(random_.drawn, before);
    press(Qt::Key_Space);
    QCOMPARE(random_.drawn, before + 50);
    QCOMPARE(session_->game().shot[31], 1);
    QCOMPARE(session_->game().score, 999);

    grid().setCellEnabled(32, false);  // as at the end of a game
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    QCOMPARE(session_->game().shot[32], 0);
    grid().setCellShown(33, false);
    press(Qt::Key_Right);
    press(Qt::Key_Enter);
    QCOMPARE(session_->game().shot[33], 0);
    QCOMPARE(random_.drawn, before + 50);
  }

  void numberKeysPressOnlyAShownEnabledButton() {
    startAGame();
    buoyButton(0).setEnabled(false);
    press(Qt::Key_1);
    QCOMPARE(session_->game().buoyused[0], 0);
    const std::int64_t before = random_.drawn;
    now_ += milliseconds(20);
    press(Qt::Key_3);
    QCOMPARE(random_.drawn, before + 10);
    QCOMPARE(session_->game().buoyused[2], 1);
    QCOMPARE(session_->game().score, 970);
    press(Qt::Key_5);  // every button is hidden while the buoy is pending
    QCOMPARE(session_->game().buoyused[4], 0);
    QCOMPARE(session_->game().score, 970);
    press(Qt::Key_Space);  // drops the pending buoy at the cursor
    QCOMPARE(session_->game().buoybusy, 1);
    QCOMPARE(session_->game().buoycell, 0);
  }

  void tabGoesBetweenTheGridAndTheShownButtons() {
    QTest::keyClick(&session_->window(), Qt::Key_Tab);
    QVERIFY(grid().hasFocus());  // the buttons are hidden on the title screen
    startAGame();
    QTest::keyClick(&session_->window(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &buoyButton(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &buoyButton(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // buys: the buttons hide
    QCOMPARE(session_->game().buoyused[1], 1);
    QVERIFY(grid().hasFocus());
  }

  // What the keys and the game's events give a screen reader to say, word for
  // word: a hit with its ship, one word for the clicks a sinking takes, and the
  // board on request.
  void theReaderHearsTheShipHitTheWaitAndTheBoardOnRequest() {
    press(Qt::Key_F);  // the title screen: no board to tell
    QCOMPARE(said(), QStringList{});
    startAGame();
    press(Qt::Key_B);
    press(Qt::Key_F);
    QCOMPARE(said().mid(1), (QStringList{"Buoys for sale: -10, -20, -30, -40, -50",
                                         "Class A ship, intact. Class B ship, intact. Class B ship, intact. "
                                         "Class C ship, intact. Class C ship, intact. Class C ship, intact. "
                                         "Class D ship, intact. Class D ship, intact. Class D ship, intact. "
                                         "Class D ship, intact"}));
    const auto& game = session_->game();
    const int first = game.shipcell[kalvenor::kFleet[3].firstSlot];  // a class C ship
    click(first);
    QCOMPARE(said().last(), QStringLiteral("Hit without sinking ship, Class C ship, 1 of 3 cells hit. Score 999"));
    const int row = kalvenor::rowOf(first);
    const int column = kalvenor::columnOf(first);
    press(Qt::Key_R);
    QCOMPARE(said().last(),
             QStringLiteral("Row %1: column %2 hit without sinking ship; 29 not fired").arg(row + 1).arg(column + 1));
    press(Qt::Key_C);
    QCOMPARE(said().last(),
             QStringLiteral("Column %1: row %2 hit without sinking ship; 24 not fired").arg(column + 1).arg(row + 1));
    click(game.shipcell[kalvenor::kFleet[3].firstSlot + 1]);
    click(game.shipcell[kalvenor::kFleet[3].firstSlot + 2]);
    QCOMPARE(said().last(), QStringLiteral("Hit and sunk, Class C ship. Score 1197"));
    const int told = static_cast<int>(said().size());
    press(Qt::Key_Space);  // the sinking takes no shot: one word for it however often
    click(first);
    QCOMPARE(said().mid(told), QStringList{"Wait, the ship is sinking"});
    press(Qt::Key_1);
    QCOMPARE(said().last(), QStringLiteral("Score 1187"));
    press(Qt::Key_B);
    QCOMPARE(said().last(), QStringLiteral("Buoys for sale: -20, -30, -40, -50"));
    press(Qt::Key_S);
    QCOMPARE(said().last(), QStringLiteral("Score 1187"));
  }

 private:
  QStringList said() {
    QCoreApplication::processEvents();  // a change of score is said once its event is handled
    return spoken_;
  }
  void click(int cell) {
    QTest::mouseClick(&grid(), Qt::LeftButton, {}, SeaGrid::cellRect(cell).center());
  }
  SeaGrid& grid() { return session_->window().form().grid(); }
  QPushButton& buoyButton(int k) {
    return *static_cast<QPushButton*>(session_->window().form().element(Control::Cmdbuoy, k));
  }
  void press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &session_->window(), key);
  }
  void startAGame() {
    session_->window().menuAction(MenuItem::Mnustart).trigger();
    now_ += milliseconds(500);
    QTRY_VERIFY_WITH_TIMEOUT(grid().cellShown(0), 10000);
    grid().setFocus();
  }

  CountingRandom random_{7};
  kalvenor::NullSound sound_;
  std::unique_ptr<GameSession> session_;
  std::unique_ptr<ScreenReaderPart> reader_;
  QStringList spoken_;
  std::chrono::nanoseconds now_{};
};

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
