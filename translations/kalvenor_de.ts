<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="de">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>SEEGEBIET</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FEINDLICHE FLOTTE</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>SUCHE AUF SEE</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Die Bestenliste kann nicht in %1 gespeichert werden; sie wird angezeigt, bis Kalvenor beendet wird.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>Die Bestenlistendatei %1 stammt von einer neueren Kalvenor-Version; sie wird als %2 aufbewahrt und eine neue Liste wird begonnen.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Die Bestenlistendatei %1 konnte nicht gelesen werden; sie wird als %2 aufbewahrt und eine neue Liste wird begonnen.</translation>
    </message>
    <message>
        <source>kalvenor: %1</source>
        <comment>a line written to the terminal</comment>
        <translation>kalvenor: %1</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Not shooted area</source>
        <translation>Nicht beschossen</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Wasser, kein Schiff</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Treffer, nicht versenkt</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Getroffen und versenkt</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Horchboje</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Bojenblitz (Schiff in der Nähe)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Horchbojen (Kosten auf den Knöpfen)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Horchboje auf das Spielfeld setzen</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: Keine Anzeige, auf der das Fenster geöffnet werden kann; setzen Sie DISPLAY (X11) oder WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 „kalvenor --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Unerwartetes Argument „%1“. „kalvenor --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: Das Fenster kann auf der X11-Anzeige „%1“ nicht geöffnet werden; setzen Sie DISPLAY oder -display auf eine laufende Anzeige
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: Das Fenster kann auf der Wayland-Anzeige „%1“ nicht geöffnet werden; setzen Sie WAYLAND_DISPLAY auf eine laufende Anzeige
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: Das Fenstersystem „%1“ (-platform oder QT_QPA_PLATFORM) kann nicht gestartet werden; lassen Sie beide ungesetzt oder geben Sie xcb oder wayland an
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Ein Spiel starten, wenn Starten verfügbar ist</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Cursor auf dem Spielfeld bewegen</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Cursor in die erste oder letzte Spalte setzen</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Cursor in die oberste oder unterste Zeile setzen</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Auf das Feld unter dem Cursor schießen oder dort eine gekaufte Boje setzen</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Eine Boje kaufen: 1 für „-10“ bis 5 für „-50“</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Vom Spielfeld zu den angezeigten Bojenknöpfen wechseln und zurück</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Punktestand vom Bildschirmleser ansagen lassen</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Dialog oder Menü schließen</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Flotte vom Bildschirmleser Schiff für Schiff ansagen lassen</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Käufliche Bojen vom Bildschirmleser ansagen lassen</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Zeile oder Spalte des Cursors vom Bildschirmleser ansagen lassen: die beschossenen Felder und wie viele noch frei sind</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 liegt außerhalb der Skalierungen %3 bis %4, die das Fenster unterstützt; es verwendet %5.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Schiff der Klasse %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>versenkt</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>unversehrt</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>einmal getroffen</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>%n-mal getroffen</numerusform>
            <numerusform>%n-mal getroffen</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>sinkt</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>kein Blitz</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n Blitz</numerusform>
            <numerusform>%n Blitze</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Eine Boje für %1 Punkte kaufen</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: Das Soundmodul kann nicht geladen werden (%1); das Spiel läuft ohne Ton.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 ist kein Soundmodul von Kalvenor (ihm fehlt %2); das Spiel läuft ohne Ton.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: Die Client-Bibliothek des Soundservers kann ihren Thread nicht starten; das Spiel läuft ohne Ton.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: Kein Soundserver antwortet (%1); das Spiel bleibt stumm, bis einer antwortet.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Punktestand %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punktestand %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Alle Schiffe sind versenkt. Endergebnis %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n nicht beschossen</numerusform>
            <numerusform>%n nicht beschossen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A row&apos;s or column&apos;s report: &quot;Row 4&quot; and its cells joined by semicolons.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n cells hit</source>
        <translation>
            <numerusform>%1 von %n Feld getroffen</numerusform>
            <numerusform>%1 von %n Feldern getroffen</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Warten, das Schiff sinkt</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Keine Bojen mehr</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Bojen zu kaufen: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>Spalte %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Said as the menu opens: &quot;File menu&quot;.</extracomment>
        <translation>Menü %1</translation>
    </message>
</context>
<context>
    <name>WaveChannels</name>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) not found; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n Wave-Datei nicht gefunden; das Spiel läuft ohne die Klänge von %1.</numerusform>
            <numerusform>kalvenor: %n Wave-Dateien nicht gefunden; das Spiel läuft ohne die Klänge von %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n Wave-Datei kann nicht abgespielt werden; das Spiel läuft ohne die Klänge von %1.</numerusform>
            <numerusform>kalvenor: %n Wave-Dateien können nicht abgespielt werden; das Spiel läuft ohne die Klänge von %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>dunkelgelb</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Zehn Schiffe liegen versteckt auf dem Spielfeld aus 30 Spalten und 25 Zeilen: eines mit sechs Feldern, zwei mit vier, drei mit drei und vier mit zwei. Die Schiffe berühren sich nicht, nicht einmal an den Ecken. Wählen Sie im Menü Datei den Eintrag Starten; das Spielfeld erscheint, sobald die Flotte aufgestellt ist.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Schießen Sie auf ein Feld, indem Sie es anklicken oder den Cursor mit den Pfeiltasten darauf setzen und die Leertaste drücken. Ein Fehlschuss färbt das Feld türkis, ein Treffer rot; sind alle Felder eines Schiffes getroffen, sinkt das Schiff und seine Felder werden schwarz.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>Sie beginnen mit 1000 Punkten. Jeder Schuss kostet einen Punkt, jedes versenkte Schiff bringt 200. Das Spiel endet, wenn alle Schiffe versenkt sind; sein Ergebnis wird in die Bestenliste (Menü Hilfe) eingetragen.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>Die Flottentafel neben dem Spielfeld zeigt jedes Schiff von der Seite. Ein getroffenes Schiff liegt tiefer im Wasser, und ein gelber Rahmen blinkt um es herum; ein versenktes Schiff geht unter und hinterlässt einen Rettungsring.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Horchbojen: Die Knöpfe „-10“ bis „-50“ verkaufen je eine Boje für ebenso viele Punkte. Setzen Sie sie auf ein Feld: Die Boje zählt die Felder noch schwimmender Schiffe im Umkreis von drei Feldern und blinkt diese Zahl dreimal hintereinander gelb.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>Die Farben des Spielfelds</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Noch kein Spiel beendet.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Ihr letztes Spiel mit %1 Punkten ist nicht unter den zehn besten.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>letztes Spiel</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1: %2, %3, letztes Spiel.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>Über Kalvenor</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Ein Suchspiel auf See: Finden und versenken Sie eine versteckte Flotte aus zehn Schiffen.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Lizenz: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Menü %1 öffnen</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Spiel abbrechen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>The score as the game writes it: &quot; 1000&quot;, &quot;-20&quot;.</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SettingsMenu</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Symbole auf den Feldern</translation>
    </message>
</context>
</TS>
