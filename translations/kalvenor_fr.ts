<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="fr">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ZONE MARITIME</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FLOTTE ENNEMIE</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>RECHERCHE NAVALE</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Impossible d’enregistrer les meilleurs scores dans %1&#xa0;; ils restent affichés jusqu’à la fermeture de Kalvenor.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>Le fichier des meilleurs scores %1 vient d’une version plus récente de Kalvenor&#xa0;; il est conservé sous le nom %2 et un nouveau tableau commence.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Le fichier des meilleurs scores %1 n’a pas pu être lu&#xa0;; il est conservé sous le nom %2 et un nouveau tableau commence.</translation>
    </message>
    <message>
        <source>kalvenor: %1</source>
        <comment>a line written to the terminal</comment>
        <translation>kalvenor&#xa0;: %1</translation>
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
        <translation>Éclat de bouée (navire proche)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Bouées d’écoute (coût sur chaque bouton)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Placez la bouée sur la grille</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor&#xa0;: aucun affichage où ouvrir la fenêtre&#xa0;; définissez DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor&#xa0;: %1 Essayez «&#xa0;kalvenor --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor&#xa0;: Argument inattendu «&#xa0;%1&#xa0;». Essayez «&#xa0;kalvenor --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor&#xa0;: impossible d’ouvrir la fenêtre sur l’affichage X11 «&#xa0;%1&#xa0;»&#xa0;; faites pointer DISPLAY ou -display vers un affichage actif
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor&#xa0;: impossible d’ouvrir la fenêtre sur l’affichage Wayland «&#xa0;%1&#xa0;»&#xa0;; faites pointer WAYLAND_DISPLAY vers un affichage actif
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor&#xa0;: impossible de démarrer le système de fenêtres «&#xa0;%1&#xa0;» (-platform ou QT_QPA_PLATFORM)&#xa0;; laissez les deux non définis, ou indiquez xcb ou wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Commencer une partie, quand Commencer est disponible</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Déplacer le curseur sur la grille</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Amener le curseur à la première ou à la dernière colonne</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Amener le curseur à la ligne du haut ou du bas</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Tirer sur la case du curseur, ou y poser une bouée achetée</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Acheter une bouée&#xa0;: de 1 pour «&#xa0;-10&#xa0;» à 5 pour «&#xa0;-50&#xa0;»</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Passer de la grille aux boutons de bouée affichés, et revenir</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Faire annoncer le score par le lecteur d’écran</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Fermer une boîte de dialogue ou un menu</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Faire annoncer la flotte par le lecteur d’écran, navire par navire</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Faire annoncer les bouées à vendre par le lecteur d’écran</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Faire annoncer la ligne ou la colonne du curseur par le lecteur d’écran&#xa0;: les cases visées, et combien ne le sont pas</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor&#xa0;: %1=%2 sort des échelles de %3 à %4 que la fenêtre prend en charge&#xa0;; elle utilise %5.</translation>
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
        <translation>aucun éclat</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n éclat</numerusform>
            <numerusform>%n éclats</numerusform>
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
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Acheter une bouée pour %1 points</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor&#xa0;: impossible de charger le module de son (%1)&#xa0;; le jeu se joue sans son.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor&#xa0;: %1 n’est pas un module de son de Kalvenor (il lui manque %2)&#xa0;; le jeu se joue sans son.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor&#xa0;: la bibliothèque cliente du serveur de son ne peut pas démarrer son fil d’exécution&#xa0;; le jeu se joue sans son.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor&#xa0;: aucun serveur de son ne répond (%1)&#xa0;; le jeu reste muet jusqu’à ce qu’un serveur réponde.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Score %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Tous les navires sont coulés. Score final %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n non visée</numerusform>
            <numerusform>%n non visées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A row&apos;s or column&apos;s report: &quot;Row 4&quot; and its cells joined by semicolons.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n cells hit</source>
        <translation>
            <numerusform>cases touchées&#xa0;: %1 sur %n</numerusform>
            <numerusform>cases touchées&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Attendez, le navire coule</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Plus de bouées</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Bouées à vendre&#xa0;: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>colonne %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>ligne %1 %2</translation>
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
            <numerusform>kalvenor&#xa0;: %n fichier son introuvable&#xa0;; le jeu se joue sans les sons de %1.</numerusform>
            <numerusform>kalvenor&#xa0;: %n fichiers son introuvables&#xa0;; le jeu se joue sans les sons de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor&#xa0;: %n fichier son illisible&#xa0;; le jeu se joue sans les sons de %1.</numerusform>
            <numerusform>kalvenor&#xa0;: %n fichiers son illisibles&#xa0;; le jeu se joue sans les sons de %1.</numerusform>
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
        <translation>cyan</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>jaune foncé</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Dix navires sont cachés sur la grille de 30 colonnes sur 25 lignes&#xa0;: un de six cases, deux de quatre, trois de trois et quatre de deux. Aucun navire n’en touche un autre, pas même par un coin. Choisissez Commencer dans le menu Fichier&#xa0;; la grille apparaît une fois la flotte placée.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Tirez sur une case en cliquant dessus, ou en y amenant le curseur avec les flèches du clavier puis en appuyant sur Espace. Un tir dans l’eau colore la case en cyan, un coup au but en rouge&#xa0;; quand toutes les cases d’un navire sont touchées, il coule et ses cases deviennent noires.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>Le score commence à 1000. Chaque tir coûte un point et chaque navire coulé en rapporte 200. La partie se termine quand tous les navires sont coulés&#xa0;; son score entre dans les Meilleurs scores du menu Aide.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>Le panneau de la flotte, à côté de la grille, montre chaque navire de profil. Un navire touché s’enfonce dans l’eau et un cadre jaune clignote autour de lui&#xa0;; un navire coulé sombre et laisse une bouée couronne.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Bouées d’écoute&#xa0;: les boutons «&#xa0;-10&#xa0;» à «&#xa0;-50&#xa0;» vendent chacun une bouée pour autant de points. Posez-la sur une case&#xa0;: elle compte les cases des navires encore à flot dans un rayon de trois cases autour d’elle et fait clignoter ce nombre en jaune, trois fois de suite.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>Les couleurs de la grille</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Aucune partie terminée pour l’instant.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Votre dernière partie, %1, ne figure pas parmi les dix meilleures.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>latest game</source>
        <translation>dernière partie</translation>
    </message>
    <message>
        <source>%1: %2, %3, latest game.</source>
        <translation>%1&#xa0;: %2, %3, dernière partie.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>About Kalvenor</source>
        <translation>À propos de Kalvenor</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Un jeu de recherche navale&#xa0;: trouvez et coulez une flotte cachée de dix navires.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licence&#xa0;: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Ouvrir le menu %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
<context>
    <name>kalvenor::ui::SettingsMenu</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Symboles sur les cases</translation>
    </message>
</context>
</TS>
