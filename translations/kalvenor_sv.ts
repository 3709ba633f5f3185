<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="sv">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>HAVSOMRÅDE</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FIENDENS FLOTTA</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>SPANING TILL SJÖSS</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Topplistan kan inte sparas i %1; den visas tills Kalvenor stängs.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>Topplistefilen %1 kommer från en nyare version av Kalvenor; den sparas som %2 och en ny lista påbörjas.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Topplistefilen %1 kunde inte läsas; den sparas som %2 och en ny lista påbörjas.</translation>
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
        <translation>Obeskjuten ruta</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Beskjuten, inget fartyg</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Träff, inte sänkt</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Träffad och sänkt</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Lyssningsboj</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Bojens blinkning (fartyg nära)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Lyssningsbojar (kostnad på knapparna)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Sätt ut bojen på spelplanen</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Poäng:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: ingen skärm att öppna fönstret på; ange DISPLAY (X11) eller WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 Prova ”kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Oväntat argument ”%1”. Prova ”kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: fönstret kan inte öppnas på X11-skärmen ”%1”; låt DISPLAY eller -display peka på en skärm som körs
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: fönstret kan inte öppnas på Wayland-skärmen ”%1”; låt WAYLAND_DISPLAY peka på en skärm som körs
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: fönstersystemet ”%1” (-platform eller QT_QPA_PLATFORM) kan inte startas; lämna båda oinställda, eller ange xcb eller wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Starta ett spel, när Starta är tillgängligt</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Flytta markören på spelplanen</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Flytta markören till första eller sista kolumnen</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Flytta markören till översta eller nedersta raden</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Skjut mot markörens ruta, eller släpp en köpt boj där</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Köp en boj: 1 för ”-10” upp till 5 för ”-50”</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Gå från spelplanen till de visade bojknapparna och tillbaka</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Låt skärmläsaren läsa upp poängen</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Stäng en dialogruta eller en meny</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Låt skärmläsaren läsa upp flottan, fartyg för fartyg</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Låt skärmläsaren läsa upp bojarna som finns till salu</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Låt skärmläsaren läsa upp markörens rad eller kolumn: de beskjutna rutorna och hur många som är obeskjutna</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 ligger utanför skalorna %3 till %4 som fönstret klarar; det använder %5.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Fartyg av klass %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>sänkt</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>oskadat</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>träffat en gång</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>träffat %n gång</numerusform>
            <numerusform>träffat %n gånger</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>sjunker</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>ingen blinkning</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n blinkning</numerusform>
            <numerusform>%n blinkningar</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Hav</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumn %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rad %1</translation>
    </message>
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Köp en boj för %1 poäng</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: ljudmodulen kan inte läsas in (%1); spelet spelas utan ljud.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 är ingen ljudmodul för Kalvenor (%2 saknas); spelet spelas utan ljud.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: ljudserverns klientbibliotek kan inte starta sin tråd; spelet spelas utan ljud.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: ingen ljudserver svarar (%1); spelet är tyst tills någon svarar.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Poäng %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Poäng %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Alla fartyg är sänkta. Slutpoäng %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n obeskjuten</numerusform>
            <numerusform>%n obeskjutna</numerusform>
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
            <numerusform>träffat på %1 av %n ruta</numerusform>
            <numerusform>träffat på %1 av %n rutor</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Vänta, fartyget sjunker</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Inga bojar kvar</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Bojar till salu: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>kolumn %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>rad %1 %2</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Said as the menu opens: &quot;File menu&quot;.</extracomment>
        <translation>Menyn %1</translation>
    </message>
</context>
<context>
    <name>WaveChannels</name>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) not found; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n ljudfil saknas; spelet spelas utan ljuden från %1.</numerusform>
            <numerusform>kalvenor: %n ljudfiler saknas; spelet spelas utan ljuden från %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n ljudfil kan inte spelas upp; spelet spelas utan ljuden från %1.</numerusform>
            <numerusform>kalvenor: %n ljudfiler kan inte spelas upp; spelet spelas utan ljuden från %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>grå</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>red</source>
        <translation>röd</translation>
    </message>
    <message>
        <source>black</source>
        <translation>svart</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>mörkgul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Tio fartyg ligger gömda på spelplanen med 30 kolumner och 25 rader: ett på sex rutor, två på fyra, tre på tre och fyra på två. Fartygen rör inte varandra, inte ens i hörnen. Välj Starta i menyn Arkiv; spelplanen visas när flottan är utplacerad.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Skjut mot en ruta genom att klicka på den, eller genom att flytta markören dit med piltangenterna och trycka på mellanslag. En miss färgar rutan cyan, en träff röd; när varje ruta av ett fartyg är träffad sjunker fartyget och dess rutor blir svarta.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>Poängen börjar på 1000. Varje skott kostar en poäng och varje sänkt fartyg ger 200. Spelet slutar när alla fartyg är sänkta; poängen förs in i Topplista i menyn Hjälp.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>Flottpanelen bredvid spelplanen visar varje fartyg från sidan. Ett träffat fartyg ligger lägre i vattnet och en gul ram blinkar runt det; ett sänkt fartyg går till botten och lämnar en frälsarkrans efter sig.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Lyssningsbojar: knapparna ”-10” till ”-50” säljer var sin boj för lika många poäng. Släpp den på en ruta: bojen räknar rutorna av fartyg som fortfarande flyter inom tre rutor från den och blinkar det antalet i gult, tre gånger i rad.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>Spelplanens färger</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tangenter</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Inga spel har avslutats än.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Ditt senaste spel, med %1 poäng, är inte bland de tio bästa.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>senaste spelet</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1: %2, %3, senaste spelet.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>Om Kalvenor</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Ett sökspel till sjöss: hitta och sänk en gömd flotta på tio fartyg.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licens: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Öppna menyn %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Avbryt spelet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
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
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Symboler på rutorna</translation>
    </message>
</context>
</TS>
