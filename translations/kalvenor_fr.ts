<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="fr">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ZONE MARITIME</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FLOTTE ENNEMIE</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>RECHERCHE NAVALE</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Not shooted area</source>
        <translation>Zone non visée</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Tir dans l’eau</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Touché, pas coulé</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Touché, coulé</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Bouée d’écoute</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Éclair de bouée (navire proche)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Bouées d’écoute (coût sur le bouton)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Placez la bouée sur la carte</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Navire de classe %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>coulé</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>intact</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>touché une fois</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>touché %n fois</numerusform>
            <numerusform>touché %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>en train de couler</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>aucun éclair</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n éclair</numerusform>
            <numerusform>%n éclairs</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Arrêter la partie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>The score as the game writes it: &quot; 1000&quot;, &quot;-20&quot;.</extracomment>
        <translation>%1</translation>
    </message>
</context>
</TS>
