<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="de">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>SEEGEBIET</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FEINDLICHE FLOTTE</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>SUCHE AUF SEE</translation>
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
        <translation>Horchbojen (Punktabzug auf Knopf)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Horchboje auf die Karte setzen</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
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
</TS>
