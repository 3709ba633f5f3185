// SPDX-License-Identifier: GPL-3.0-or-later
// The window in other languages. A generated pseudo-language, every text in
// brackets and a third longer, shows that each text the player reads or a
// screen reader says goes through translation. Each shipped catalogue
// translates every one of them (none is left in English) and every caption
// fits its label at scale 1; the banners are lettered in the language. English
// needs no catalogue and stays as written.

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <vector>

#include "help/help_menu.h"
#include "reader/accessible_names.h"
#include "scores/best_scores.h"
#include "kalvenor/controls.h"
#include "kalvenor/fleet.h"
#include "sea/pictures.h"
#include "lettering/banner.h"
#include "lettering/title_sky.h"
#include "lettering/vector_font.h"
#include "sea/sea_form.h"
#include "sea/sea_grid.h"
#include "sea_window.h"
#include "settings_menu.h"
#include "language/translations.h"

using kalvenor::CellColour;
using kalvenor::Control;
using kalvenor::ui::SeaWindow;
using kalvenor::ui::Translations;

namespace {

// The pseudo-language: "[Hit and sunk~~~~]".
class PseudoTranslator final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    const QString text = QString::fromUtf8(source);
    return u'[' + text + QString((text.size() + 2) / 3, u'~') + u']';
  }
};

// Asked last: hears every text of the game that no catalogue translated.
class MissRecorder final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (context[0] != 'Q') misses.insert(QString::fromUtf8(source));  // Qt's own contexts start with Q
    return {};
  }
  mutable QSet<QString> misses;
};

struct Text {
  QString text;
  QLabel* label;  // where it is shown, or none for a menu or the screen reader
};

// Every text of the window in every state a caption or a name can take.
std::vector<Text> windowTexts(SeaWindow& window) {
  std::vector<Text> texts;
  auto labelsNow = [&] {
    for (QLabel* label : window.form().findChildren<QLabel*>()) texts.push_back({label->text(), label});
  };
  labelsNow();
  window.setCaption(Control::Lbllbuoy, kalvenor::kBuoyPendingCaption);
  window.setCaption(Control::Lblscore2, "-20");
  labelsNow();
  window.setCaption(Control::Lbllbuoy, kalvenor::kBuoyIdleCaption);

  // The menus main() adds beside File.
  const QTemporaryDir folder;
  const kalvenor::ui::SettingsMenu settings(*window.menuBar(), folder.path());
  kalvenor::ui::BestScores scores(folder.path());
  const kalvenor::ui::HelpMenu help(*window.menuBar(), window, scores);
  for (QAction* title : window.menuBar()->actions()) {
    texts.push_back({title->text(), nullptr});
    for (QAction* item : title->menu()->actions()) texts.push_back({item->text(), nullptr});
  }

  QAccessibleInterface* sea = QAccessible::queryAccessibleInterface(&window.form().grid());
  texts.push_back({sea->text(QAccessible::Name), nullptr});
  texts.push_back({sea->tableInterface()->rowDescription(0), nullptr});
  texts.push_back({sea->tableInterface()->columnDescription(0), nullptr});
  window.setShown(Control::Picarea, 0, true);
  for (CellColour colour : {CellColour::Grey, CellColour::Cyan, CellColour::Red, CellColour::Black,
                            CellColour::DarkYellow, CellColour::Yellow}) {
    window.setCellColour(0, colour);
    texts.push_back({sea->child(0)->text(QAccessible::Name), nullptr});
    texts.push_back({sea->child(0)->text(QAccessible::Description), nullptr});
  }
  const kalvenor::ShipClassInfo& shipClass = kalvenor::classOf(0);
  for (int image = shipClass.intactImage; image <= shipClass.intactImage + shipClass.cells; ++image) {
    texts.push_back({kalvenor::ui::panelSlotName(0, image), nullptr});
  }
  texts.push_back({kalvenor::ui::panelSlotName(0, kalvenor::kLifeRingImage), nullptr});
  for (int flashes : {0, 1, 2, 5}) texts.push_back({kalvenor::ui::buoyReport(flashes), nullptr});
  for (int k = 0; k < kalvenor::controlCount(Control::Cmdbuoy); ++k) {
    QWidget* button = window.form().element(Control::Cmdbuoy, k);
    texts.push_back({QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), nullptr});
  }
  return texts;
}

QImage asDrawn(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_RGB32); }

// A picture lettered anew in the language, its words no wider than `room`,
// which keeps them clear of the rules on either side.
void checkLettered(const QPixmap& picture, const char* english, const QString& name,
                   const kalvenor::lettering::Lettering& letters, double room) {
  const QString words = QCoreApplication::translate("Banner", english);
  double width = 0;
  try {
    width = letters.width(words.toStdString());
  } catch (const std::invalid_argument&) {
    QFAIL(qPrintable(words + " has letters the game's lettering lacks"));
  }
  QVERIFY2(width <= room, qPrintable(QStringLiteral("%1 is %2 pixels wide, %3 has room for %4")
                                         .arg(words).arg(width).arg(name).arg(room)));
  const QImage drawn = asDrawn(QPixmap(QStringLiteral(":/pictures/%1.png").arg(name)));
  QCOMPARE(picture.size(), drawn.size());
  QVERIFY2(asDrawn(picture) != drawn, qPrintable(name + " is not lettered anew"));
}

bool hasLetters(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void pseudoLanguageReachesEveryText() {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    SeaWindow window;
    const std::vector<Text> texts = windowTexts(window);
    QCoreApplication::removeTranslator(&pseudo);
    static const QRegularExpression bracketed(QStringLiteral("\\[[^\\]]*\\]"));
    int translated = 0;
    for (const Text& shown : texts) {
      QVERIFY2(!hasLetters(QString(shown.text).remove(bracketed)), qPrintable(shown.text + " escapes translation"));
      translated += shown.text.contains(u'[');
    }
    QVERIFY(translated > 40);  // the score is the one text the window shows without words
  }

  void eachLanguageTranslatesEveryTextAndFits_data() {
    QTest::addColumn<QString>("language");
    // Every shipped language, as the build compiled them: kalvenor_fi.qm is "fi".
    const QStringList catalogues =
        QDir(QStringLiteral(KALVENOR_CATALOGUE_DIR)).entryList({QStringLiteral("kalvenor_*.qm")});
    QVERIFY(catalogues.size() >= 8);
    for (const QString& catalogue : catalogues) {
      const QString language = catalogue.section(u'_', 1).chopped(3);
      QTest::newRow(qPrintable(language)) << language;
    }
  }
  void eachLanguageTranslatesEveryTextAndFits() {
    QFETCH(QString, language);
    MissRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    std::vector<Text> texts;
    {
      const Translations translations(QStringLiteral(KALVENOR_CATALOGUE_DIR), QLocale(language));
      QCOMPARE(translations.language(), language);
      // Best scores' dates in the game's language, whatever the system's.
      QCOMPARE(QLocale().name(), QLocale(language).name());
      // Qt's standard buttons from the distribution's translations, where installed.
      const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
      if (QFile::exists(qtFolder + "/qtbase_" + language + ".qm")) {
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QStringLiteral("Cancel"));
      } else if (QFile::exists(qtFolder + "/qt_" + language + ".qm")) {
        QVERIFY(QCoreApplication::translate("QShortcut", "Space") != QStringLiteral("Space"));  // the keys' names
      }
      SeaWindow window;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QCOMPARE(window.devicePixelRatio(), 1.0);
      texts = windowTexts(window);
      int narrowest = 1000;
      for (const Text& shown : texts) {
        if (!shown.label) continue;
        const QRect room = shown.label->contentsRect();
        const QFontMetrics metrics(shown.label->font());
        const int width = metrics.horizontalAdvance(shown.text);
        QVERIFY2(width <= room.width() && metrics.height() <= room.height(),
                 qPrintable(QStringLiteral("\"%1\" needs %2x%3 pixels, its label has %4x%5")
                                .arg(shown.text)
                                .arg(width)
                                .arg(metrics.height())
                                .arg(room.width())
                                .arg(room.height())));
        narrowest = std::min(narrowest, room.width() - width);
      }
      qInfo("%s: the tightest caption leaves %d pixels", qPrintable(language), narrowest);
      // Alt and a menu title's underlined letter open that menu and no other.
      QStringList titles;
      QSet<QString> menuKeys;
      for (const QAction* title : window.menuBar()->actions()) {
        titles << title->text();
        menuKeys.insert(QKeySequence::mnemonic(title->text()).toString());
      }
      QVERIFY2(menuKeys.size() == titles.size() && !menuKeys.contains(QString()), qPrintable(titles.join(" | ")));
      const kalvenor::ui::Pictures pictures;
      using namespace kalvenor::lettering;
      const Lettering bannerLetters(10, 1.8), subtitleLetters(13, 2.2);
      const double bannerRoom = kBannerSize.width() - 76, subtitleRoom = kTitleSize.width() - 200;
      checkLettered(pictures.gridBanner(), kGridBannerWords, QStringLiteral("banner-grid"), bannerLetters, bannerRoom);
      checkLettered(pictures.fleetBanner(), kFleetBannerWords, QStringLiteral("banner-fleet"), bannerLetters,
                    bannerRoom);
      checkLettered(pictures.title(), kTitleSubtitleWords, QStringLiteral("title"), subtitleLetters, subtitleRoom);
    }
    QCoreApplication::removeTranslator(&recorder);
    QVERIFY2(recorder.misses.isEmpty(),
             qPrintable(QStringList(recorder.misses.values()).join(" | ") + " left in English"));
  }

  // A region picks its own catalogue where there is one, else its language's.
  void regionsPickTheirCatalogue() {
    const QString folder = QStringLiteral(KALVENOR_CATALOGUE_DIR);
    QCOMPARE(Translations(folder, QLocale(QStringLiteral("pt_BR"))).language(), QStringLiteral("pt_BR"));
    QCOMPARE(Translations(folder, QLocale(QStringLiteral("sv_FI"))).language(), QStringLiteral("sv"));
    QCOMPARE(Translations(folder, QLocale(QStringLiteral("de_AT"))).language(), QStringLiteral("de"));
    const QLocale system = QLocale();
    {
      const Translations austrian(folder, QLocale(QStringLiteral("de_AT")));
      QCOMPARE(QLocale().name(), QStringLiteral("de_AT"));
    }
    QCOMPARE(QLocale(), system);
  }

  void englishNeedsNoCatalogue() {
    for (const char* locale : {"en_GB", "C"}) {
      const Translations translations(QStringLiteral(KALVENOR_CATALOGUE_DIR), QLocale(QString::fromLatin1(locale)));
      QCOMPARE(translations.language(), QString());
      QCOMPARE(QLocale().name(), QLocale(QString::fromLatin1(locale)).name());
    }
    SeaWindow window;
    window.setCaption(Control::Lblscore2, " 1000");
    QCOMPARE(window.form().captionLabel(Control::Lblscore2)->text(), QStringLiteral(" 1000"));
    QCOMPARE(window.menuBar()->actions().at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(kalvenor::ui::buoyReport(1), QStringLiteral("1 flash"));
    QCOMPARE(kalvenor::ui::buoyReport(3), QStringLiteral("3 flashes"));
    QCOMPARE(kalvenor::ui::panelSlotName(0, kalvenor::classOf(0).intactImage + 2),
             QStringLiteral("Class A ship, hit 2 times"));
  }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
