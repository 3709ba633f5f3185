<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="pt_BR">
<context>
    <name>Banner</name>
    <message>
        <source>SEA AREA</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>ÁREA MARÍTIMA</translation>
    </message>
    <message>
        <source>ENEMY FLEET</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>FROTA INIMIGA</translation>
    </message>
    <message>
        <source>NAVAL SEARCH</source>
        <extracomment>The game&apos;s lettering has the capitals A-Z and ÁÀÂÃÄÅĄ ĆÇ ÉÈÊËĘ ÍÌÎÏ Ł ŃÑ ÓÒÔÕÖ Ś ÚÙÛÜ ŹŻ, digits, space, &quot;.&quot; and &quot;-&quot;.</extracomment>
        <translation>BUSCA NAVAL</translation>
    </message>
</context>
<context>
    <name>BestScores</name>
    <message>
        <source>Best scores cannot be saved in %1; they are shown until Kalvenor closes.</source>
        <translation>Não é possível salvar as melhores pontuações em %1; elas ficam visíveis até o Kalvenor ser fechado.</translation>
    </message>
    <message>
        <source>Best scores file %1 is from a newer Kalvenor; it is kept as %2 and a new table begins.</source>
        <translation>O arquivo de melhores pontuações %1 é de uma versão mais recente do Kalvenor; ele é guardado como %2 e uma nova tabela começa.</translation>
    </message>
    <message>
        <source>Best scores file %1 could not be read; it is kept as %2 and a new table begins.</source>
        <translation>Não foi possível ler o arquivo de melhores pontuações %1; ele é guardado como %2 e uma nova tabela começa.</translation>
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
        <translation>Área não alvejada</translation>
    </message>
    <message>
        <source>Shooted, no ship on area</source>
        <translation>Tiro na água, sem navio</translation>
    </message>
    <message>
        <source>Hit without sinking ship</source>
        <translation>Atingido, sem afundar</translation>
    </message>
    <message>
        <source>Hit and sunk</source>
        <translation>Atingido e afundado</translation>
    </message>
    <message>
        <source>Listening buoy</source>
        <translation>Boia de escuta</translation>
    </message>
    <message>
        <source>Listening buoy flash (if ship is near)</source>
        <translation>Lampejo da boia (navio perto)</translation>
    </message>
    <message>
        <source>Listening buoys (Loss of points in button)</source>
        <translation>Boias de escuta (custo nos botões)</translation>
    </message>
    <message>
        <source>Set listening buoy to the map</source>
        <translation>Coloque a boia no tabuleiro</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontuação:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>kalvenor: no display to open the window on; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)
</source>
        <translation>kalvenor: nenhuma tela onde abrir a janela; defina DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland)
</translation>
    </message>
    <message>
        <source>kalvenor: %1 Try kalvenor --help.
</source>
        <translation>kalvenor: %1 Experimente “kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: Unexpected argument &apos;%1&apos;. Try kalvenor --help.
</source>
        <translation>kalvenor: Argumento inesperado “%1”. Experimente “kalvenor --help”.
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the X11 display &quot;%1&quot;; set DISPLAY or -display to a running display
</source>
        <translation>kalvenor: não é possível abrir a janela na tela X11 “%1”; aponte DISPLAY ou -display para uma tela em execução
</translation>
    </message>
    <message>
        <source>kalvenor: cannot open the window on the Wayland display &quot;%1&quot;; set WAYLAND_DISPLAY to a running display
</source>
        <translation>kalvenor: não é possível abrir a janela na tela Wayland “%1”; aponte WAYLAND_DISPLAY para uma tela em execução
</translation>
    </message>
    <message>
        <source>kalvenor: the window system &quot;%1&quot; (-platform or QT_QPA_PLATFORM) cannot be started; leave both unset, or name xcb or wayland
</source>
        <translation>kalvenor: não é possível iniciar o sistema de janelas “%1” (-platform ou QT_QPA_PLATFORM); deixe ambos sem definir, ou indique xcb ou wayland
</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>Start a game, when Start is enabled</source>
        <translation>Iniciar uma partida, quando Iniciar estiver disponível</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Move the cursor on the grid</source>
        <translation>Mover o cursor no tabuleiro</translation>
    </message>
    <message>
        <source>Move the cursor to the first or last column</source>
        <translation>Levar o cursor à primeira ou à última coluna</translation>
    </message>
    <message>
        <source>Move the cursor to the top or bottom row</source>
        <translation>Levar o cursor à linha de cima ou à de baixo</translation>
    </message>
    <message>
        <source>Fire at the cursor&apos;s cell, or drop a bought buoy there</source>
        <translation>Atirar na casa do cursor, ou soltar ali uma boia comprada</translation>
    </message>
    <message>
        <source>Buy a buoy: 1 for &quot;-10&quot; up to 5 for &quot;-50&quot;</source>
        <translation>Comprar uma boia: de 1 para “-10” a 5 para “-50”</translation>
    </message>
    <message>
        <source>Move from the grid to the buoy buttons shown, and back</source>
        <translation>Passar do tabuleiro aos botões de boia visíveis, e voltar</translation>
    </message>
    <message>
        <source>Have the screen reader say the score</source>
        <translation>Fazer o leitor de tela dizer a pontuação</translation>
    </message>
    <message>
        <source>Close a dialog or a menu</source>
        <translation>Fechar uma caixa de diálogo ou um menu</translation>
    </message>
    <message>
        <source>Have the screen reader say the fleet panel, ship by ship</source>
        <translation>Fazer o leitor de tela dizer a frota, navio por navio</translation>
    </message>
    <message>
        <source>Have the screen reader say the buoys for sale</source>
        <translation>Fazer o leitor de tela dizer as boias à venda</translation>
    </message>
    <message>
        <source>Have the screen reader say the cursor&apos;s row or column: the cells fired at, and how many are not</source>
        <translation>Fazer o leitor de tela dizer a linha ou a coluna do cursor: as casas já alvejadas, e quantas ainda não foram</translation>
    </message>
</context>
<context>
    <name>ScaleFactor</name>
    <message>
        <source>kalvenor: %1=%2 is outside the scales %3 to %4 the window supports; it uses %5.</source>
        <translation>kalvenor: %1=%2 está fora das escalas de %3 a %4 que a janela suporta; ela usa %5.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Class %1 ship</source>
        <translation>Navio da classe %1</translation>
    </message>
    <message>
        <source>sunk</source>
        <translation>afundado</translation>
    </message>
    <message>
        <source>intact</source>
        <translation>intacto</translation>
    </message>
    <message>
        <source>hit once</source>
        <translation>atingido uma vez</translation>
    </message>
    <message numerus="yes">
        <source>hit %n time(s)</source>
        <translation>
            <numerusform>atingido %n vez</numerusform>
            <numerusform>atingido %n vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>sinking</source>
        <translation>afundando</translation>
    </message>
    <message>
        <source>no flash</source>
        <translation>nenhum lampejo</translation>
    </message>
    <message numerus="yes">
        <source>%n flash(es)</source>
        <translation>
            <numerusform>%n lampejo</numerusform>
            <numerusform>%n lampejos</numerusform>
        </translation>
    </message>
    <message>
        <source>Sea</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Buy a buoy for %1 points</source>
        <translation>Comprar uma boia por %1 pontos</translation>
    </message>
</context>
<context>
    <name>SoundLibrary</name>
    <message>
        <source>kalvenor: the sound module cannot be loaded (%1); the game plays without sound.</source>
        <translation>kalvenor: não é possível carregar o módulo de som (%1); o jogo funciona sem som.</translation>
    </message>
    <message>
        <source>kalvenor: %1 is no Kalvenor sound module (it lacks %2); the game plays without sound.</source>
        <translation>kalvenor: %1 não é um módulo de som do Kalvenor (falta %2); o jogo funciona sem som.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>kalvenor: the sound server&apos;s client library cannot start its thread; the game plays without sound.</source>
        <translation>kalvenor: a biblioteca cliente do servidor de som não consegue iniciar sua thread; o jogo funciona sem som.</translation>
    </message>
    <message>
        <source>kalvenor: no sound server answers (%1); the game stays silent until one does.</source>
        <translation>kalvenor: nenhum servidor de som responde (%1); o jogo fica em silêncio até que algum responda.</translation>
    </message>
</context>
<context>
    <name>SpokenMessages</name>
    <message>
        <source>%1. Score %2</source>
        <translation>%1. Pontuação: %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Pontuação: %1</translation>
    </message>
    <message>
        <source>Every ship is sunk. Final score %1</source>
        <translation>Todos os navios foram afundados. Pontuação final: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n not fired</source>
        <translation>
            <numerusform>%n casa não alvejada</numerusform>
            <numerusform>%n casas não alvejadas</numerusform>
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
            <numerusform>casas atingidas: %1 de %n</numerusform>
            <numerusform>casas atingidas: %1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait, the ship is sinking</source>
        <translation>Espere, o navio está afundando</translation>
    </message>
    <message>
        <source>No buoys left</source>
        <translation>Não há mais boias</translation>
    </message>
    <message>
        <source>Buoys for sale: %1</source>
        <translation>Boias à venda: %1</translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation>coluna %1 %2</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>linha %1 %2</translation>
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
            <numerusform>kalvenor: %n arquivo de som não encontrado; o jogo funciona sem os sons de %1.</numerusform>
            <numerusform>kalvenor: %n arquivos de som não encontrados; o jogo funciona sem os sons de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kalvenor: %n wave file(s) cannot be played; the game plays without the sounds of %1.</source>
        <translation>
            <numerusform>kalvenor: %n arquivo de som não pode ser tocado; o jogo funciona sem os sons de %1.</numerusform>
            <numerusform>kalvenor: %n arquivos de som não podem ser tocados; o jogo funciona sem os sons de %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpDialog</name>
    <message>
        <source>grey</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>dark yellow</source>
        <translation>amarelo-escuro</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Ten ships lie hidden on the sea grid of 30 columns by 25 rows: one of six cells, two of four, three of three and four of two. No two ships touch, not even at a corner. Choose Start in the File menu; the grid appears once the fleet is placed.</source>
        <translation>Dez navios estão escondidos no tabuleiro de 30 colunas por 25 linhas: um de seis casas, dois de quatro, três de três e quatro de duas. Os navios não se tocam, nem mesmo pelos cantos. Escolha Iniciar no menu Arquivo; o tabuleiro aparece quando a frota estiver posicionada.</translation>
    </message>
    <message>
        <source>Fire at a cell by clicking it, or by moving the cursor to it with the arrow keys and pressing Space. A miss turns the cell cyan, a hit red; when every cell of a ship is hit, the ship sinks and its cells turn black.</source>
        <translation>Atire numa casa clicando nela, ou levando o cursor até ela com as setas e apertando Espaço. Um tiro na água deixa a casa ciano, um acerto a deixa vermelha; quando todas as casas de um navio são atingidas, o navio afunda e suas casas ficam pretas.</translation>
    </message>
    <message>
        <source>The score starts at 1000. Every shot costs one point and every ship sunk gains 200. The game ends when every ship is sunk; its score goes into Best scores in the Help menu.</source>
        <translation>A pontuação começa em 1000. Cada tiro custa um ponto e cada navio afundado vale 200. A partida termina quando todos os navios são afundados; a pontuação entra em Melhores pontuações, no menu Ajuda.</translation>
    </message>
    <message>
        <source>The fleet panel beside the grid shows each ship from the side. A hit ship sits lower in the water and a yellow frame blinks around it; a sunk ship goes down and leaves a life ring.</source>
        <translation>O painel da frota, ao lado do tabuleiro, mostra cada navio de perfil. Um navio atingido fica mais fundo na água e uma moldura amarela pisca ao redor dele; um navio afundado vai a pique e deixa um salva-vidas.</translation>
    </message>
    <message>
        <source>Listening buoys: the buttons &quot;-10&quot; to &quot;-50&quot; each sell one buoy for that many points. Drop it on a cell: it counts the cells of ships still afloat within three cells of it and flashes that number in yellow, three times over.</source>
        <translation>Boias de escuta: os botões de “-10” a “-50” vendem, cada um, uma boia por essa quantidade de pontos. Solte-a numa casa: a boia conta as casas de navios ainda à tona num raio de três casas e faz esse número piscar em amarelo, três vezes seguidas.</translation>
    </message>
    <message>
        <source>The colours of the grid</source>
        <translation>As cores do tabuleiro</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Melhores pontuações</translation>
    </message>
    <message>
        <source>No games finished yet.</source>
        <translation>Nenhuma partida terminada ainda.</translation>
    </message>
    <message>
        <source>Your latest game, %1, is not among the ten best.</source>
        <translation>Sua última partida, com %1 pontos, não está entre as dez melhores.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Sobre o Kalvenor</translation>
    </message>
    <message>
        <source>Kalvenor %1</source>
        <translation>Kalvenor %1</translation>
    </message>
    <message>
        <source>A naval search game: find and sink a hidden fleet of ten ships.</source>
        <translation>Um jogo de busca naval: encontre e afunde uma frota escondida de dez navios.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licença: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Open the %1 menu</source>
        <extracomment>A row of the keys table: &quot;Open the File menu&quot;.</extracomment>
        <translation>Abrir o menu %1</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
</context>
<context>
    <name>kalvenor::ui::SeaWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>Parar de jogar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Symbols on cells</source>
        <translation>Símbolos nas casas</translation>
    </message>
</context>
</TS>
