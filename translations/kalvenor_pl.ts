<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="pl">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>OBSZAR MORSKI</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FLOTA WROGA</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>POSZUKIWANIA NA MORZU</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Nie można zapisać najlepszych wyników w %1; będą widoczne do zamknięcia Kalvenora.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>Plik najlepszych wyników %1 pochodzi z nowszej wersji Kalvenora; zostaje zachowany jako %2 i zaczyna się nowa tabela.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Nie udało się odczytać pliku najlepszych wyników %1; zostaje zachowany jako %2 i zaczyna się nowa tabela.</translation>
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
        <translation>Pole nieostrzelane</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Pudło, brak okrętu</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Trafiony, niezatopiony</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Trafiony i zatopiony</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Boja nasłuchowa</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Błysk boi (okręt w pobliżu)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Boje nasłuchowe (koszt na przyciskach)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Postaw boję na planszy</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: brak ekranu, na którym można otworzyć okno; ustaw DISPLAY (X11) lub WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 Więcej informacji: „kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Nieoczekiwany argument „%1”. Więcej informacji: „kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: nie można otworzyć okna na ekranie X11 „%1”; ustaw DISPLAY lub -display na działający ekran
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: nie można otworzyć okna na ekranie Wayland „%1”; ustaw WAYLAND_DISPLAY na działający ekran
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: nie można uruchomić systemu okien „%1” (-platform lub QT_QPA_PLATFORM); pozostaw oba nieustawione albo podaj xcb lub wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Rozpocznij grę, gdy polecenie Rozpocznij jest dostępne</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Przesuń kursor po planszy</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Przesuń kursor do pierwszej lub ostatniej kolumny</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Przesuń kursor do górnego lub dolnego wiersza</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Strzel w pole pod kursorem albo postaw tam kupioną boję</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Kup boję: od 1 za „-10” do 5 za „-50”</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Przejdź z planszy do widocznych przycisków boi i z powrotem</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Niech czytnik ekranu odczyta wynik</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Zamknij okno dialogowe lub menu</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Niech czytnik ekranu odczyta flotę, okręt po okręcie</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Niech czytnik ekranu odczyta boje na sprzedaż</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Niech czytnik ekranu odczyta wiersz lub kolumnę kursora: ostrzelane pola i liczbę pól nieostrzelanych</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 wykracza poza skale od %3 do %4 obsługiwane przez okno; używana jest skala %5.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Okręt klasy %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>zatopiony</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>nietknięty</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>trafiony raz</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>trafiony %n raz</numerusform>
            <numerusform>trafiony %n razy</numerusform>
            <numerusform>trafiony %n razy</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>tonie</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>brak błysku</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n błysk</numerusform>
            <numerusform>%n błyski</numerusform>
            <numerusform>%n błysków</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Morze</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Kup boję za %1 punktów</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: nie można wczytać modułu dźwięku (%1); gra działa bez dźwięku.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 nie jest modułem dźwięku Kalvenora (brak %2); gra działa bez dźwięku.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: biblioteka klienta serwera dźwięku nie może uruchomić swojego wątku; gra działa bez dźwięku.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: żaden serwer dźwięku nie odpowiada (%1); gra milczy, dopóki któryś nie odpowie.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Wynik %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Wynik %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Wszystkie okręty zatopione. Wynik końcowy %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n pole nieostrzelane</numerusform>
            <numerusform>%n pola nieostrzelane</numerusform>
            <numerusform>%n pól nieostrzelanych</numerusform>
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
            <numerusform>trafione pola: %1 z %n</numerusform>
            <numerusform>trafione pola: %1 z %n</numerusform>
            <numerusform>trafione pola: %1 z %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Poczekaj, okręt tonie</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Nie ma już boi</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Boje na sprzedaż: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>kolumna %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>wiersz %1 %2</translation>
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
            <numerusform>kalvenor: nie znaleziono %n pliku dźwiękowego; gra działa bez dźwięków z %1.</numerusform>
            <numerusform>kalvenor: nie znaleziono %n plików dźwiękowych; gra działa bez dźwięków z %1.</numerusform>
            <numerusform>kalvenor: nie znaleziono %n plików dźwiękowych; gra działa bez dźwięków z %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: nie można odtworzyć %n pliku dźwiękowego; gra działa bez dźwięków z %1.</numerusform>
            <numerusform>kalvenor: nie można odtworzyć %n plików dźwiękowych; gra działa bez dźwięków z %1.</numerusform>
            <numerusform>kalvenor: nie można odtworzyć %n plików dźwiękowych; gra działa bez dźwięków z %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>szary</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>ciemnożółty</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Na planszy o 30 kolumnach i 25 wierszach ukryto dziesięć okrętów: jeden z sześciu pól, dwa z czterech, trzy z trzech i cztery z dwóch. Okręty nie stykają się, nawet rogami. Wybierz Rozpocznij w menu Plik; plansza pojawi się, gdy flota zostanie rozmieszczona.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Strzelaj w pole, klikając je albo przesuwając na nie kursor strzałkami i naciskając Spację. Pudło barwi pole na błękitno, trafienie na czerwono; gdy wszystkie pola okrętu zostaną trafione, okręt tonie, a jego pola stają się czarne.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>Wynik zaczyna się od 1000. Każdy strzał kosztuje jeden punkt, a każdy zatopiony okręt daje 200. Gra kończy się, gdy wszystkie okręty są zatopione; jej wynik trafia do Najlepszych wyników w menu Pomoc.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>Panel floty obok planszy pokazuje każdy okręt z boku. Trafiony okręt siedzi głębiej w wodzie, a wokół niego miga żółta ramka; zatopiony okręt idzie na dno i zostawia koło ratunkowe.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Boje nasłuchowe: przyciski od „-10” do „-50” sprzedają po jednej boi za tyle punktów. Postaw ją na polu: boja liczy pola okrętów wciąż pływających w promieniu trzech pól i trzy razy z rzędu pokazuje tę liczbę żółtymi błyskami.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>Kolory planszy</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Nie ukończono jeszcze żadnej gry.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Twoja ostatnia gra, z wynikiem %1, nie mieści się w dziesięciu najlepszych.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>ostatnia gra</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1: %2, %3, ostatnia gra.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>O Kalvenorze</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Gra w poszukiwania na morzu: znajdź i zatop ukrytą flotę dziesięciu okrętów.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licencja: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Otwórz menu %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Przerwij grę</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
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
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Symbole na polach</translation>
    </message>
</context>
</TS>
