<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="es">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ZONA MARINA</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FLOTA ENEMIGA</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has only the capitals A-Z, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>CAZA NAVAL</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Not shooted area</source>
        <translation>Zona sin disparar</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Agua, sin barco</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Tocado, sin hundir</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Tocado y hundido</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Boya de escucha</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Destello de boya (barco cerca)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Boyas de escucha (coste en el botón)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Coloca la boya en el mapa</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Barco de clase %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>hundido</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>intacto</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>tocado una vez</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>tocado %n vez</numerusform>
            <numerusform>tocado %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>hundiéndose</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>ningún destello</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n destello</numerusform>
            <numerusform>%n destellos</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Dejar de jugar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>The score as the game writes it: &quot; 1000&quot;, &quot;-20&quot;.</extracomment>
        <translation>%1</translation>
    </message>
</context>
</TS>
