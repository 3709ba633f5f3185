<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="fi">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>MERIALUE</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>VIHOLLISEN LAIVASTO</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>LAIVAJAHTI</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Not shooted area</source>
        <translation>Ampumaton alue</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Ammuttu, ei laivaa</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Osuma, laiva pinnalla</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Osuttu ja upotettu</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Kuuntelupoiju</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Poijun välähdys (laiva lähellä)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Kuuntelupoijut (hinta napissa)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Aseta kuuntelupoiju kartalle</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pisteet:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rivi %1, sarake %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>%1-luokan laiva</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>upotettu</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>ehjä</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>yksi osuma</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>%n osuma</numerusform>
            <numerusform>%n osumaa</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>uppoamassa</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>ei välähdystä</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n välähdys</numerusform>
            <numerusform>%n välähdystä</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Meri</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Sarake %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rivi %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Äänet</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Lopeta peli</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Poistu</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>The score as the game writes it: &quot; 1000&quot;, &quot;-20&quot;.</extracomment>
        <translation>%1</translation>
    </message>
</context>
</TS>
