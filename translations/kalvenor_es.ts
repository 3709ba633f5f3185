<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="es">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ZONA MARINA</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FLOTA ENEMIGA</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>BÚSQUEDA NAVAL</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>No se pueden guardar las mejores puntuaciones en %1; se mostrarán hasta que se cierre Kalvenor.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>El archivo de mejores puntuaciones %1 es de una versión más reciente de Kalvenor; se conserva como %2 y se empieza una tabla nueva.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>No se pudo leer el archivo de mejores puntuaciones %1; se conserva como %2 y se empieza una tabla nueva.</translation>
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
        <translation>Coloca la boya en la cuadrícula</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: no hay ninguna pantalla en la que abrir la ventana; define DISPLAY (X11) o WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 Prueba «kalvenor --help» para más información.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Argumento inesperado «%1». Prueba «kalvenor --help» para más información.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: no se puede abrir la ventana en la pantalla X11 «%1»; haz que DISPLAY o -display apunte a una pantalla en funcionamiento
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: no se puede abrir la ventana en la pantalla Wayland «%1»; haz que WAYLAND_DISPLAY apunte a una pantalla en funcionamiento
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: no se puede iniciar el sistema de ventanas «%1» (-platform o QT_QPA_PLATFORM); deja ambos sin definir o indica xcb o wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Empezar una partida, cuando Empezar esté disponible</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Mover el cursor por la cuadrícula</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Llevar el cursor a la primera o a la última columna</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Llevar el cursor a la fila superior o inferior</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Disparar a la casilla del cursor, o soltar allí una boya comprada</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Comprar una boya: del 1 («-10») al 5 («-50»)</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Pasar de la cuadrícula a los botones de boya visibles, y volver</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Hacer que el lector de pantalla diga la puntuación</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Cerrar un diálogo o un menú</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Hacer que el lector de pantalla diga la flota, barco por barco</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Hacer que el lector de pantalla diga las boyas a la venta</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Hacer que el lector de pantalla diga la fila o la columna del cursor: las casillas disparadas y cuántas quedan</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 está fuera de las escalas de %3 a %4 que admite la ventana; se usa %5.</translation>
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
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Comprar una boya por %1 puntos</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: no se puede cargar el módulo de sonido (%1); el juego se jugará sin sonido.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 no es un módulo de sonido de Kalvenor (le falta %2); el juego se jugará sin sonido.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: la biblioteca cliente del servidor de sonido no puede iniciar su hilo; el juego se jugará sin sonido.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: ningún servidor de sonido responde (%1); el juego seguirá en silencio hasta que alguno responda.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Puntuación: %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Todos los barcos están hundidos. Puntuación final %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n sin disparar</numerusform>
            <numerusform>%n sin disparar</numerusform>
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
            <numerusform>%1 de %n casilla tocada</numerusform>
            <numerusform>%1 de %n casillas tocadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Espera, el barco se está hundiendo</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>No quedan boyas</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Boyas a la venta: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>columna %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>fila %1 %2</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Said as the menu opens: &quot;File menu&quot;.</extracomment>
        <translation>Menú %1</translation>
    </message>
</context>
<context>
    <name>WaveChannels</name>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) not found; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: no se encuentra %n archivo de onda; el juego se jugará sin los sonidos de %1.</numerusform>
            <numerusform>kalvenor: no se encuentran %n archivos de onda; el juego se jugará sin los sonidos de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: no se puede reproducir %n archivo de onda; el juego se jugará sin los sonidos de %1.</numerusform>
            <numerusform>kalvenor: no se pueden reproducir %n archivos de onda; el juego se jugará sin los sonidos de %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>amarillo oscuro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Diez barcos se esconden en la cuadrícula marina de 30 columnas por 25 filas: uno de seis casillas, dos de cuatro, tres de tres y cuatro de dos. Ningún barco toca a otro, ni siquiera por una esquina. Elige Empezar en el menú Archivo; la cuadrícula aparece cuando la flota está colocada.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Dispara a una casilla haciendo clic en ella, o llevando el cursor hasta ella con las flechas y pulsando Espacio. Un disparo al agua pone la casilla de color cian, un impacto de color rojo; cuando todas las casillas de un barco están tocadas, el barco se hunde y sus casillas se vuelven negras.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>La puntuación empieza en 1000. Cada disparo cuesta un punto y cada barco hundido da 200. La partida termina cuando todos los barcos están hundidos; su puntuación pasa a Mejores puntuaciones, en el menú Ayuda.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>El panel de la flota, junto a la cuadrícula, muestra cada barco de perfil. Un barco tocado queda más sumergido en el agua y un marco amarillo parpadea a su alrededor; un barco hundido se va a pique y deja un salvavidas.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Boyas de escucha: los botones «-10» a «-50» venden cada uno una boya por ese número de puntos. Suéltala en una casilla: cuenta las casillas de barcos aún a flote que hay a tres casillas o menos de ella y hace destellar ese número en amarillo tres veces seguidas.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>Los colores de la cuadrícula</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Todavía no has terminado ninguna partida.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Tu última partida, %1, no está entre las diez mejores.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>última partida</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1: %2, %3, última partida.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>Acerca de Kalvenor</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Un juego de búsqueda naval: encuentra y hunde una flota oculta de diez barcos.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licencia: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Abrir el menú %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
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
<context>
    <name>kalvenor::ui::SettingsMenu</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Símbolos en las casillas</translation>
    </message>
</context>
</TS>
