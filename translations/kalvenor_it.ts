<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="it">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ZONA DI MARE</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FLOTTA NEMICA</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>RICERCA NAVALE</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Impossibile salvare i migliori punteggi in %1; restano visibili fino alla chiusura di Kalvenor.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>Il file dei migliori punteggi %1 viene da una versione più recente di Kalvenor; è conservato come %2 e comincia una nuova classifica.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Impossibile leggere il file dei migliori punteggi %1; è conservato come %2 e comincia una nuova classifica.</translation>
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
        <translation>Zona non colpita</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Acqua, nessuna nave</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Colpita, non affondata</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Colpita e affondata</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Boa d’ascolto</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Lampo della boa (nave vicina)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Boe d’ascolto (costo sui pulsanti)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Posa la boa sulla griglia</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punteggio:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: nessuno schermo su cui aprire la finestra; imposta DISPLAY (X11) o WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 Prova «kalvenor --help».
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Argomento inatteso «%1». Prova «kalvenor --help».
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: impossibile aprire la finestra sullo schermo X11 «%1»; imposta DISPLAY o -display su uno schermo attivo
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: impossibile aprire la finestra sullo schermo Wayland «%1»; imposta WAYLAND_DISPLAY su uno schermo attivo
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: impossibile avviare il sistema di finestre «%1» (-platform o QT_QPA_PLATFORM); lascia entrambi non impostati, o indica xcb o wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Iniziare una partita, quando Inizia è disponibile</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Uscire</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Spostare il cursore sulla griglia</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Portare il cursore alla prima o all’ultima colonna</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Portare il cursore alla prima o all’ultima riga</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Sparare sulla casella del cursore, o posarvi una boa comprata</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Comprare una boa: da 1 per «-10» a 5 per «-50»</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Passare dalla griglia ai pulsanti delle boe visibili, e tornare</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Far leggere il punteggio al lettore di schermo</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Chiudere una finestra di dialogo o un menu</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Far leggere la flotta al lettore di schermo, nave per nave</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Far leggere le boe in vendita al lettore di schermo</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Far leggere al lettore di schermo la riga o la colonna del cursore: le caselle già bersagliate, e quante non lo sono ancora</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 è fuori dalle scale da %3 a %4 che la finestra supporta; usa %5.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Nave di classe %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>affondata</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>intatta</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>colpita una volta</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>colpita %n volta</numerusform>
            <numerusform>colpita %n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>sta affondando</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>nessun lampo</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n lampo</numerusform>
            <numerusform>%n lampi</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Mare</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Compra una boa per %1 punti</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: impossibile caricare il modulo audio (%1); il gioco funziona senza suono.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 non è un modulo audio di Kalvenor (manca %2); il gioco funziona senza suono.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: la libreria client del server audio non riesce ad avviare il suo thread; il gioco funziona senza suono.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: nessun server audio risponde (%1); il gioco resta muto finché uno non risponde.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Punteggio %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punteggio %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Tutte le navi sono affondate. Punteggio finale %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n casella non bersagliata</numerusform>
            <numerusform>%n caselle non bersagliate</numerusform>
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
            <numerusform>caselle colpite: %1 su %n</numerusform>
            <numerusform>caselle colpite: %1 su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Attendi, la nave sta affondando</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Boe esaurite</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Boe in vendita: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>colonna %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>riga %1 %2</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Said as the menu opens: &quot;File menu&quot;.</extracomment>
        <translation>Menu %1</translation>
    </message>
</context>
<context>
    <name>WaveChannels</name>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) not found; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n file audio non trovato; il gioco funziona senza i suoni di %1.</numerusform>
            <numerusform>kalvenor: %n file audio non trovati; il gioco funziona senza i suoni di %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n file audio non riproducibile; il gioco funziona senza i suoni di %1.</numerusform>
            <numerusform>kalvenor: %n file audio non riproducibili; il gioco funziona senza i suoni di %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>grigio</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>giallo scuro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Dieci navi sono nascoste sulla griglia di 30 colonne per 25 righe: una di sei caselle, due di quattro, tre di tre e quattro di due. Le navi non si toccano, nemmeno per un angolo. Scegli Inizia nel menu File; la griglia compare quando la flotta è schierata.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Spara su una casella facendo clic su di essa, oppure portandovi il cursore con i tasti freccia e premendo Spazio. Un colpo a vuoto colora la casella di ciano, un colpo a segno di rosso; quando ogni casella di una nave è colpita, la nave affonda e le sue caselle diventano nere.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>Il punteggio parte da 1000. Ogni colpo costa un punto e ogni nave affondata ne fa guadagnare 200. La partita finisce quando tutte le navi sono affondate; il suo punteggio entra nei Migliori punteggi del menu Aiuto.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>Il pannello della flotta accanto alla griglia mostra ogni nave di fianco. Una nave colpita sta più bassa nell’acqua e una cornice gialla lampeggia intorno a essa; una nave affondata cola a picco e lascia un salvagente.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Boe d’ascolto: i pulsanti da «-10» a «-50» vendono ciascuno una boa per altrettanti punti. Posala su una casella: la boa conta le caselle delle navi ancora a galla entro tre caselle da essa e fa lampeggiare quel numero in giallo, tre volte di seguito.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>I colori della griglia</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Ancora nessuna partita conclusa.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>La tua ultima partita, con %1 punti, non è tra le dieci migliori.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>ultima partita</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1: %2, %3, ultima partita.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>Informazioni su Kalvenor</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Un gioco di ricerca navale: trova e affonda una flotta nascosta di dieci navi.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licenza: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Aprire il menu %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Interrompi la partita</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Simboli sulle caselle</translation>
    </message>
</context>
</TS>
