<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="fi">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>MERIALUE</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>VIHOLLISEN LAIVASTO</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ETSINTÄ MERELLÄ</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Parhaita tuloksia ei voi tallentaa kansioon %1; ne näkyvät, kunnes Kalvenor suljetaan.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>Parhaiden tulosten tiedosto %1 on peräisin uudemmasta Kalvenor-versiosta; se säilytetään nimellä %2 ja uusi taulukko aloitetaan.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Parhaiden tulosten tiedostoa %1 ei voitu lukea; se säilytetään nimellä %2 ja uusi taulukko aloitetaan.</translation>
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
        <translation>Kuuntelupoijut (hinta painikkeissa)</translation>
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
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: ei näyttöä, jolle ikkunan voisi avata; aseta DISPLAY (X11) tai WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 Lisätietoja komennolla ”kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Odottamaton argumentti ”%1”. Lisätietoja komennolla ”kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: ikkunaa ei voi avata X11-näytölle ”%1”; aseta DISPLAY tai -display osoittamaan käynnissä olevaan näyttöön
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: ikkunaa ei voi avata Wayland-näytölle ”%1”; aseta WAYLAND_DISPLAY osoittamaan käynnissä olevaan näyttöön
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: ikkunajärjestelmää ”%1” (-platform tai QT_QPA_PLATFORM) ei voi käynnistää; jätä molemmat asettamatta tai anna xcb tai wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Aloita peli, kun Aloita on käytettävissä</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Poistu</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Siirrä kohdistinta kartalla</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Siirrä kohdistin ensimmäiseen tai viimeiseen sarakkeeseen</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Siirrä kohdistin ylimmälle tai alimmalle riville</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Ammu kohdistimen ruutuun tai pudota ostettu poiju siihen</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Osta poiju: näppäimet 1–5 vastaavat painikkeita ”-10”–”-50”</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Siirry kartalta näkyvissä oleviin poijupainikkeisiin ja takaisin</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Anna ruudunlukijan lukea pisteet</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Sulje valintaikkuna tai valikko</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Anna ruudunlukijan lukea laivasto laiva laivalta</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Anna ruudunlukijan lukea myytävät poijut</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Anna ruudunlukijan lukea kohdistimen rivi tai sarake: ammutut ruudut ja montako on ampumatta</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 ei ole ikkunan tukemien skaalausten %3–%4 sisällä; käytetään arvoa %5.</translation>
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
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Osta poiju %1 pisteellä</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: äänimoduulia ei voi ladata (%1); peli on äänetön.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 ei ole Kalvenorin äänimoduuli (siitä puuttuu %2); peli on äänetön.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: äänipalvelimen asiakaskirjasto ei voi käynnistää säiettään; peli on äänetön.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: mikään äänipalvelin ei vastaa (%1); peli on äänetön, kunnes jokin vastaa.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Pisteet %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Pisteet %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Kaikki laivat on upotettu. Loppupisteet %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n ampumatta</numerusform>
            <numerusform>%n ampumatta</numerusform>
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
            <numerusform>%1/%n ruudusta osuttu</numerusform>
            <numerusform>%1/%n ruudusta osuttu</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Odota, laiva uppoaa</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Poijuja ei ole jäljellä</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Myytävät poijut: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>sarake %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>rivi %1 %2</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Said as the menu opens: &quot;File menu&quot;.</extracomment>
        <translation>%1-valikko</translation>
    </message>
</context>
<context>
    <name>WaveChannels</name>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) not found; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n äänitiedosto puuttuu; peli on ilman tiedoston %1 ääniä.</numerusform>
            <numerusform>kalvenor: %n äänitiedostoa puuttuu; peli on ilman tiedostojen %1 ääniä.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n äänitiedostoa ei voi toistaa; peli on ilman tiedoston %1 ääniä.</numerusform>
            <numerusform>kalvenor: %n äänitiedostoa ei voi toistaa; peli on ilman tiedostojen %1 ääniä.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>harmaa</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>syaani</translation>
    </message>
    <message>
        <source>red</source>
        <translation>punainen</translation>
    </message>
    <message>
        <source>black</source>
        <translation>musta</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>tummankeltainen</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>keltainen</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Peliohjeet</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Merikartalle, jossa on 30 saraketta ja 25 riviä, on piilotettu kymmenen laivaa: kuuden ruudun laivoja on yksi, neljän ruudun kaksi, kolmen ruudun kolme ja kahden ruudun neljä. Laivat eivät kosketa toisiaan, eivät edes kulmittain. Valitse Tiedosto-valikosta Aloita; kartta tulee näkyviin, kun laivasto on sijoitettu.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Ammu ruutuun napsauttamalla sitä tai siirtämällä kohdistin siihen nuolinäppäimillä ja painamalla välilyöntiä. Ohi mennyt laukaus värjää ruudun syaaniksi, osuma punaiseksi; kun laivan jokaiseen ruutuun on osuttu, laiva uppoaa ja sen ruudut muuttuvat mustiksi.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>Aloitat 1000 pisteellä. Jokainen laukaus maksaa yhden pisteen, ja jokainen upotettu laiva tuo 200. Peli päättyy, kun jokainen laiva on upotettu; sen pisteet kirjataan Ohje-valikon Parhaat tulokset -luetteloon.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>Kartan vieressä oleva laivastopaneeli näyttää jokaisen laivan sivulta. Osuman saanut laiva on syvemmällä vedessä ja sen ympärillä vilkkuu keltainen kehys; upotettu laiva vajoaa ja jättää jälkeensä pelastusrenkaan.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Kuuntelupoijut: painikkeet ”-10”–”-50” myyvät kukin yhden poijun niin monen pisteen hinnalla. Pudota poiju ruutuun: se laskee vielä pinnalla olevien laivojen ruudut kolmen ruudun säteellä ja välähdyttää luvun keltaisena kolme kertaa.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>Kartan värit</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Näppäimet</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Parhaat tulokset</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Yhtään peliä ei ole vielä pelattu loppuun.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Viimeisimmän pelisi tulos %1 ei ole kymmenen parhaan joukossa.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Sija</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>viimeisin peli</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1: %2, %3, viimeisin peli.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>Tietoja Kalvenorista</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Laivojen etsintäpeli: etsi ja upota kymmenen laivan piilotettu laivasto.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Lisenssi: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Avaa %1-valikko</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
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
<context>
    <name>kalvenor::ui::SettingsMenu</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Symbolit ruuduissa</translation>
    </message>
</context>
</TS>
