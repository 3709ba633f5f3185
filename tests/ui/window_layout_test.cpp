// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the player first sees it, where every kind of control
// stands, and what the game's View operations do to the widgets.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <utility>

#include "kept_messages.h"
#include "sea/picture_box.h"
#include "sea/pictures.h"
#include "scale_factor.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"
#include "sea_window.h"

using kalvenor::Control;
using kalvenor::MenuItem;
using kalvenor::ui::SeaWindow;

Q_DECLARE_METATYPE(kalvenor::Control)

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<SeaWindow>();
    window_->setPictures(pictures_);
    window_->show();
  }
  void cleanup() { window_.reset(); }

  void opensWithOnlyTheMenuOnABlueSea() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Kalvenor"));
    QCOMPARE(window_->form().size(), QSize(934, 502));
    const QImage sea = window_->form().grab().toImage();
    QCOMPARE(sea.pixelColor(0, 0), QColor(0, 0, 255));
    QCOMPARE(sea.pixelColor(300, 200), QColor(0, 0, 255));  // under the grid and the title
    for (int kind = 0; kind < kalvenor::kControlKinds; ++kind) {
      const auto control = static_cast<Control>(kind);
      for (int index = 0; index < kalvenor::controlCount(control); ++index) {
        if (QWidget* element = window_->form().element(control, index)) QVERIFY(!element->isVisible());
      }
    }
    for (int cell = 0; cell < kalvenor::kCells; ++cell) QVERIFY(!window_->form().grid().cellShown(cell));
  }

  void menuOffersFileWithItsFourCommands() {
    const QList<QAction*> menus = window_->menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));  // "File", opened with Alt+F
    QStringList captions;
    for (const QAction* item : menus.at(0)->menu()->actions()) captions << item->text();
    QCOMPARE(captions, (QStringList{"Start", "Sound", "Stop playing", "Exit"}));
    QVERIFY(window_->menuAction(MenuItem::Mnustart).isEnabled());
    QVERIFY(window_->menuAction(MenuItem::Mnusound).isChecked());
    QVERIFY(!window_->menuAction(MenuItem::Mnustop).isEnabled());
    QVERIFY(window_->menuAction(MenuItem::Mnuexit).isEnabled());
  }

  void controlsStandAtTheirDesignPlaces_data() {
    QTest::addColumn<Control>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Picmapots") << Control::Picmapots << 0 << QRect(48, 8, 401, 22);
    QTest::newRow("Picfleetots") << Control::Picfleetots << 0 << QRect(512, 8, 401, 22);
    QTest::newRow("Picamod(0)") << Control::Picamod << 0 << QRect(512, 408, 17, 17);
    QTest::newRow("Picamod(5)") << Control::Picamod << 5 << QRect(720, 456, 17, 17);
    QTest::newRow("Lblohje(0)") << Control::Lblohje << 0 << QRect(536, 408, 169, 17);
    QTest::newRow("Lblohje(5)") << Control::Lblohje << 5 << QRect(744, 456, 169, 17);
    QTest::newRow("Line1(0) left") << Control::Line1 << 0 << QRect(504, 400, 1, 81);
    QTest::newRow("Line1(1) right") << Control::Line1 << 1 << QRect(920, 400, 1, 81);
    QTest::newRow("Line1(3) bottom") << Control::Line1 << 3 << QRect(504, 480, 417, 1);
    QTest::newRow("Lblexp(0)") << Control::Lblexp << 0 << QRect(496, 104, 217, 9);
    QTest::newRow("Lblexp(3)") << Control::Lblexp << 3 << QRect(512, 144, 9, 81);
    QTest::newRow("Lbllbuoy(0)") << Control::Lbllbuoy << 0 << QRect(136, 448, 201, 17);
    QTest::newRow("Cmdbuoy(0)") << Control::Cmdbuoy << 0 << QRect(144, 464, 25, 17);
    QTest::newRow("Cmdbuoy(4)") << Control::Cmdbuoy << 4 << QRect(304, 464, 25, 17);
    QTest::newRow("Lblscore1") << Control::Lblscore1 << 0 << QRect(384, 448, 89, 17);
    QTest::newRow("Lblscore2") << Control::Lblscore2 << 0 << QRect(376, 464, 97, 17);
    QTest::newRow("Picship2(9)") << Control::Picship2 << 9 << QRect(504, 40, 201, 65);
  }
  void controlsStandAtTheirDesignPlaces() {
    QFETCH(Control, control);
    QFETCH(int, index);
    QFETCH(QRect, pixels);
    QCOMPARE(window_->form().element(control, index)->geometry(), pixels);
  }

  void gridCellsStandEverySixteenPixels_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("0") << 0 << QRect(8, 40, 17, 17);
    QTest::newRow("29") << 29 << QRect(472, 40, 17, 17);
    QTest::newRow("30") << 30 << QRect(8, 56, 17, 17);
    QTest::newRow("720") << 720 << QRect(8, 424, 17, 17);
    QTest::newRow("749") << 749 << QRect(472, 424, 17, 17);
  }
  void gridCellsStandEverySixteenPixels() {
    QFETCH(int, cell);
    QFETCH(QRect, pixels);
    const kalvenor::ui::SeaGrid& grid = window_->form().grid();
    QCOMPARE(kalvenor::ui::SeaGrid::cellRect(cell).translated(grid.pos()), pixels);
  }

  void gameMovesControlsInTwips() {
    window_->moveControl(Control::Picship2, 9, {10800, 4920});
    QCOMPARE(window_->form().element(Control::Picship2, 9)->pos(), QPoint(720, 328));
    window_->moveControl(Control::Lblexp, 3, {13800, 4800});
    QCOMPARE(window_->form().element(Control::Lblexp, 3)->geometry(), QRect(920, 320, 9, 81));
    window_->placeTitle({3480, 240, 7380, 6870});
    QCOMPARE(window_->form().element(Control::Pic1, 0)->geometry(), QRect(232, 16, 492, 458));
  }

  void gameShowsCaptionsPicturesAndCells() {
    window_->setShown(Control::Lblscore2, 0, true);
    window_->setCaption(Control::Lblscore2, " 999");
    auto* score = qobject_cast<QLabel*>(window_->form().element(Control::Lblscore2, 0));
    QVERIFY(score->isVisible());
    QCOMPARE(score->text(), QStringLiteral(" 999"));

    window_->setPanelImage(4, 51);
    QCOMPARE(window_->form().panelSlot(4)->picture().cacheKey(), pictures_.ship(51).cacheKey());

    window_->setShown(Control::Picarea, 375, true);
    window_->setCellColour(375, kalvenor::CellColour::DarkYellow);
    QVERIFY(window_->form().grid().cellShown(375));
    QCOMPARE(window_->form().grid().cellColour(375), QColor(192, 192, 0));
  }

  void unknownElementsAreIgnored() {
    window_->setShown(Control::Cmdbuoy, 5, true);
    window_->setShown(Control::Picarea, 750, true);
    window_->setPanelImage(10, 0);
    window_->setPanelImage(0, 52);
    window_->setCaption(Control::Lblohje, "not a caption the game writes");
    window_->moveControl(Control::Lblexp, -1, {0, 0});
    QVERIFY(window_->form().panelSlot(0)->picture().isNull());
  }

  void soundCheckMarkIsTheGamesToSet() {
    QSignalSpy chosen(window_.get(), &SeaWindow::menuChosen);
    QAction& sound = window_->menuAction(MenuItem::Mnusound);
    sound.trigger();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).value<MenuItem>(), MenuItem::Mnusound);
    QVERIFY(sound.isChecked());
    window_->setMenuChecked(MenuItem::Mnusound, false);
    QVERIFY(!sound.isChecked());
  }

  // 100 would resample every picture a hundredfold, 0 would never show the
  // window and -1 would shrink it to a dot: each is brought to the nearest
  // supported scale with one line, before the application reads it.
  void scaleFactorsOutsideTheSupportedOnesAreBroughtIn() {
    const QList<std::tuple<const char*, QByteArray, QByteArray>> cases{
        {"QT_SCALE_FACTOR", "1", "1"},          {"QT_SCALE_FACTOR", "1.5", "1.5"},
        {"QT_SCALE_FACTOR", "2", "2"},          {"QT_SCALE_FACTOR", "100", "2"},
        {"QT_SCALE_FACTOR", "2.01", "2"},       {"QT_SCALE_FACTOR", "0", "1"},
        {"QT_SCALE_FACTOR", "-1", "1"},         {"QT_SCALE_FACTOR", "x", "1"},
        {"QT_SCREEN_SCALE_FACTORS", "1.5;2", "1.5;2"},
        {"QT_SCREEN_SCALE_FACTORS", "40", "2"},
        {"QT_SCREEN_SCALE_FACTORS", "HDMI-1=1.25;DP-2=0", "HDMI-1=1.25;DP-2=1"}};
    qInstallMessageHandler(kalvenor::ui::testing::keepMessage);
    for (const auto& [variable, asked, used] : cases) {
      const bool wasSet = qEnvironmentVariableIsSet(variable);
      const QByteArray before = qgetenv(variable);
      kalvenor::ui::testing::messages.clear();
      qputenv(variable, asked);
      kalvenor::ui::keepScaleFactorInRange();
      QCOMPARE(qgetenv(variable), used);
      QCOMPARE(kalvenor::ui::testing::messages.size(), asked == used ? 0 : 1);
      if (wasSet) qputenv(variable, before);
      else qunsetenv(variable);
    }
    qInstallMessageHandler(nullptr);
  }

  void exitEndsWithoutTheUnloadStepAndClosingRunsIt() {
    QSignalSpy closing(window_.get(), &SeaWindow::closing);
    QSignalSpy ending(window_.get(), &SeaWindow::programEndRequested);
    window_->endProgram();
    QCOMPARE(ending.count(), 1);
    QCOMPARE(closing.count(), 0);
    window_->close();
    QCOMPARE(closing.count(), 1);
  }

 private:
  const kalvenor::ui::Pictures pictures_;
  std::unique_ptr<SeaWindow> window_;
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
