<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutVexel</name>
    <message>
        <source>About Vexel</source>
        <translation>Sobre o Vexel</translation>
    </message>
    <message>
        <source>The Vexel icon</source>
        <translation>O ícone do Vexel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board.</source>
        <translation>Um jogo de arcade para um jogador: desvie das balas de 44 canhões em um tabuleiro de 11 × 11 casas.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Software livre sob a licença MIT.</translation>
    </message>
    <message>
        <source>Runs with Qt %1 and SDL %2.</source>
        <translation>Roda com Qt %1 e SDL %2.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <extracomment>Who translated the game into this language, for the About box: &quot;German translation: NAME&quot;. English, the game&apos;s own language, shows nothing.</extracomment>
        <translation>Tradução para o português do Brasil: os desenvolvedores do Vexel</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Vexel Licence</source>
        <translation>Vexel – licença</translation>
    </message>
    <message>
        <source>The MIT licence</source>
        <translation>A licença MIT</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Vexel board</source>
        <translation>Tabuleiro do Vexel</translation>
    </message>
    <message>
        <source>Score %1, level %2, running. Your square is in row %3, column %4.</source>
        <translation>Pontos: %1, nível %2, em jogo. Sua casa está na linha %3, coluna %4.</translation>
    </message>
    <message>
        <source>Score %1, level %2, paused. Your square is in row %3, column %4.</source>
        <translation>Pontos: %1, nível %2, pausado. Sua casa está na linha %3, coluna %4.</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message numerus="yes">
        <source>Vexel: %n point(s)</source>
        <translation>
            <numerusform>Vexel: %n ponto</numerusform>
            <numerusform>Vexel: %n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source> at Level %1</source>
        <translation>, nível %1</translation>
    </message>
    <message numerus="yes">
        <source>Vexel: Paused (press Enter to play) with %n point(s)</source>
        <translation>
            <numerusform>Vexel: pausado (Enter para jogar) com %n ponto</numerusform>
            <numerusform>Vexel: pausado (Enter para jogar) com %n pontos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>option %1 needs a path</source>
        <translation>a opção %1 precisa de um caminho</translation>
    </message>
    <message>
        <source>option %1 needs a number</source>
        <translation>a opção %1 precisa de um número</translation>
    </message>
    <message>
        <source>invalid seed %1: expected a whole number from 0 to %2</source>
        <translation>semente %1 inválida: era esperado um número inteiro de 0 a %2</translation>
    </message>
    <message>
        <source>option %1 needs a replay file</source>
        <translation>a opção %1 precisa de um arquivo de replay</translation>
    </message>
    <message>
        <source>options &apos;--replay&apos; and &apos;--verify&apos; cannot be used together</source>
        <translation>as opções &apos;--replay&apos; e &apos;--verify&apos; não podem ser usadas juntas</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>option &apos;--scores-file&apos; needs a file, not the folder %1 (for example %2)</source>
        <translation>a opção &apos;--scores-file&apos; precisa de um arquivo, não da pasta %1 (por exemplo, %2)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>a opção %1 não aceita valor</translation>
    </message>
    <message>
        <source>Try &apos;vexel --help&apos; for more information.</source>
        <translation>Tente &apos;vexel --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms
out, Ctrl+0 returns to the actual size, F11 switches full screen (F11
or Escape leaves it); Colour-Safe Signals adds marks to every colour
the game shows. The zoom and Colour-Safe Signals are kept in
  %1
</source>
        <translation>Menu Exibir: Ctrl++ (também Ctrl+= e Ctrl++ do teclado numérico) amplia,
Ctrl+- reduz, Ctrl+0 volta ao tamanho real, F11 alterna a tela cheia (F11
ou Esc sai dela); Sinais para daltônicos acrescenta marcas a cada cor do
jogo. O zoom e Sinais para daltônicos são guardados em
  %1
</translation>
    </message>
    <message>
        <source>option &apos;--history&apos; cannot be used with &apos;--replay&apos; or &apos;--verify&apos;</source>
        <translation>a opção &apos;--history&apos; não pode ser usada com &apos;--replay&apos; ou &apos;--verify&apos;</translation>
    </message>
    <message>
        <source>
History: every game played, kept in history.sqlite beside the high scores.
  --history           print the top ten of each mode and the totals, and exit
  --replay game:N     watch game N of the history
  --verify game:N     check game N of the history as --verify FILE does
The History menu shows every game, the top tens, the totals and a chart of
your progress, and plays any game again.
</source>
        <translation>
Histórico: cada partida jogada, guardada em history.sqlite ao lado dos recordes.
  --history           mostrar as dez melhores de cada modo e os totais, e sair
  --replay game:N     assistir à partida N do histórico
  --verify game:N     verificar a partida N do histórico como --verify FILE
O menu Histórico mostra cada partida, as dez melhores, os totais e um gráfico
do seu progresso, e reproduz qualquer partida de novo.
</translation>
    </message>
    <message>
        <source>Usage: vexel [OPTION]...
Dodge the bullets of 44 guns on an 11 by 11 board.

Options:
  --scores-file PATH  keep the high scores in the file PATH
                      (default: %1)
  --seed N            draw the guns&apos; random numbers from seed N
                      (0 to 4294967295; default: %2)
  --no-auto-pause     play on when another window takes the focus, the
                      window is minimised or the Options, View or Help
                      menu opens
  --replay FILE       watch a replay: FILE is a path, or last, best-4way
                      or best-2way for the replays kept beside the
                      high scores
  --verify FILE       play a replay with no window, print its result as
                      &apos;score N, level L, 4-way, T ticks&apos; and exit with 0
                      when it matches the recorded end, 1 when not, 2
                      when FILE is no readable replay
  -h, --help          show this help and exit
      --version       show the version and exit
  --                  end the options

The toolkit options -platform, -style, -qwindowgeometry and -display
are passed on with their value.

Keys: Enter pauses and resumes; the arrow keys move the green square;
F10 opens the menus; Ctrl+Q quits.
</source>
        <translation>Uso: vexel [OPÇÃO]...
Desvie das balas de 44 canhões em um tabuleiro de 11 × 11 casas.

Opções:
  --scores-file CAMINHO  guardar os recordes no arquivo CAMINHO
                         (padrão: %1)
  --seed N               sortear os números aleatórios dos canhões a
                         partir da semente N (de 0 a 4294967295;
                         padrão: %2)
  --no-auto-pause        continuar jogando quando outra janela recebe o
                         foco, a janela é minimizada ou o menu Opções,
                         Exibir ou Ajuda abre
  --replay ARQUIVO       assistir a um replay: ARQUIVO é um caminho, ou
                         last, best-4way ou best-2way para os replays
                         guardados junto aos recordes
  --verify ARQUIVO       jogar um replay sem janela, mostrar o resultado
                         como &apos;score N, level L, 4-way, T ticks&apos; e sair
                         com 0 quando ele bate com o fim gravado, 1 quando
                         não, e 2 quando ARQUIVO não é um replay legível
  -h, --help             mostrar esta ajuda e sair
      --version          mostrar a versão e sair
  --                     fim das opções

As opções do toolkit -platform, -style, -qwindowgeometry e -display
são repassadas com o seu valor.

Teclas: Enter pausa e retoma; as setas movem o quadrado verde;
F10 abre os menus; Ctrl+Q sai.
</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>
Game controllers: the D-pad or the left stick moves the green square and
walks the menus; A and Start are Enter, B is Escape, Back (Select) is F10.
In the record holder&apos;s name, up and down change the character at the cursor,
left and right move the cursor, A accepts and B cancels. A pad counts only
while Vexel&apos;s window is active; unplugging it pauses a running game.
</source>
        <translation>
Controles: o direcional ou o analógico esquerdo movem a casa verde e
percorrem os menus; A e Start são Enter, B é Esc, Back (Select) é F10. No
nome do recordista, cima e baixo mudam o caractere no cursor, esquerda e
direita movem o cursor, A confirma e B cancela. Um controle só conta enquanto
a janela do Vexel está ativa; desconectá-lo pausa uma partida em andamento.
</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>You lost!</source>
        <translation>Você perdeu!</translation>
    </message>
    <message>
        <source>You lost, but you have set a new high score! What is your name?</source>
        <translation>Você perdeu, mas bateu o recorde! Qual é o seu nome?</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About Vexel</source>
        <translation>Sobre o Vexel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Sobre o Qt</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Vexel High Scores</source>
        <translation>Vexel – Recordes</translation>
    </message>
    <message>
        <source>The high scores are:

4-Way: %1 by %2
2-Way: %3 by %4</source>
        <translation>Os recordes são:

4 lados: %1 de %2
2 lados: %3 de %4</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the file cannot be looked into</source>
        <translation>não é possível examinar o arquivo</translation>
    </message>
    <message>
        <source>the history could not be brought up to date</source>
        <translation>não foi possível atualizar o histórico</translation>
    </message>
    <message>
        <source>the history went away while it was written</source>
        <translation>o histórico sumiu enquanto era gravado</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a history of this game.</source>
        <translation>%1 não é um histórico deste jogo.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 está danificado.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 está danificado: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game.</source>
        <translation>%1 foi gravado por uma versão mais recente do jogo.</translation>
    </message>
    <message>
        <source>%1 may not be written.</source>
        <translation>%1 não pode ser gravado.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the history.

%1
The game goes on and the high scores are kept; the history file is left as it is.</source>
        <translation>Não foi possível adicionar esta partida ao histórico.

%1
O jogo continua e os recordes são mantidos; o arquivo do histórico fica como está.</translation>
    </message>
    <message>
        <source>this game is not added to the history: %1</source>
        <translation>esta partida não é adicionada ao histórico: %1</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>não é possível ler o histórico: %1</translation>
    </message>
    <message>
        <source>2-way top ten</source>
        <translation>As dez melhores – 2 lados</translation>
    </message>
    <message>
        <source>4-way top ten</source>
        <translation>As dez melhores – 4 lados</translation>
    </message>
    <message>
        <source>%1. %2  level %3  %4  %5  game %6</source>
        <comment>one line of the top ten: rank, score, level, holder, date and time, game number</comment>
        <translation>%1. %2  nível %3  %4  %5  partida %6</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>nenhuma partida ainda</translation>
    </message>
    <message>
        <source>Games played: %1, time played: %2</source>
        <translation>Partidas jogadas: %1, tempo de jogo: %2</translation>
    </message>
    <message>
        <source>there is no game %1 in the history</source>
        <translation>não há partida %1 no histórico</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name a game of the history (game:N, N a whole number)</source>
        <translation>&apos;%1&apos; não indica uma partida do histórico (game:N, N um número inteiro)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>um link para nada</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>its size does not fit its pages</source>
        <translation>o tamanho não bate com as páginas</translation>
    </message>
    <message>
        <source>it is shorter than its pages</source>
        <translation>é mais curto que as páginas</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Top Ten, %1</source>
        <translation>As dez melhores, %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Melhor pontuação</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Pontuação média</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tempo jogado: %1</translation>
    </message>
    <message>
        <source>2-Way</source>
        <translation>2 lados</translation>
    </message>
    <message>
        <source>4-Way</source>
        <translation>4 lados</translation>
    </message>
    <message>
        <source>Vexel History</source>
        <translation>Vexel – Histórico</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Melhores partidas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Todas as partidas</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Assistir</translation>
    </message>
    <message>
        <source>Save Replay As…</source>
        <translation>Salvar replay como…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Game %1 cannot be watched: %2</source>
        <translation>A partida %1 não pode ser assistida: %2</translation>
    </message>
    <message>
        <source>Game %1 has no replay to save.</source>
        <translation>A partida %1 não tem replay para salvar.</translation>
    </message>
    <message>
        <source>Save Replay As</source>
        <translation>Salvar replay como</translation>
    </message>
    <message>
        <source>Vexel replays (*.vxr)</source>
        <translation>Replays do Vexel (*.vxr)</translation>
    </message>
    <message>
        <source>The replay could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o replay em %1: %2</translation>
    </message>
    <message>
        <source>The history cannot be shown.

%1</source>
        <translation>Não é possível mostrar o histórico.

%1</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Nenhuma partida ainda.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>2-Way games, best so far</source>
        <translation>Partidas com 2 lados, melhor até então</translation>
    </message>
    <message>
        <source>4-Way games, best so far</source>
        <translation>Partidas com 4 lados, melhor até então</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to Play Vexel</source>
        <translation>Como jogar Vexel</translation>
    </message>
    <message>
        <source>Keep the green square out of the way of the bullets that the 44 guns around the board fire across it: one hit ends the game. Every bullet that leaves the board on the far side scores a point, and the points raise the level from 1 to 12, each level making the guns fire more often.</source>
        <translation>Mantenha o quadrado verde fora do caminho das balas que os 44 canhões em volta do tabuleiro disparam através dele: um só acerto termina a partida. Cada bala que sai do tabuleiro pelo outro lado vale um ponto, e os pontos sobem o nível de 1 a 12; cada nível faz os canhões atirarem com mais frequência.</translation>
    </message>
    <message>
        <source>Keys and controller</source>
        <translation>Teclas e controle</translation>
    </message>
    <message>
        <source>Keys and controller buttons</source>
        <translation>Teclas e botões do controle</translation>
    </message>
    <message>
        <source>With a controller, in the record holder&apos;s name prompt up and down change the character, left and right move over the five places, A accepts and B cancels. Unplugging a controller pauses a running game.</source>
        <translation>Com um controle, no pedido do nome de quem bateu um recorde, cima e baixo trocam o caractere, esquerda e direita passam pelas cinco posições, A confirma e B cancela. Desconectar um controle pausa uma partida em andamento.</translation>
    </message>
    <message>
        <source>The title bar</source>
        <translation>A barra de título</translation>
    </message>
    <message>
        <source>The title bar tells the points: “%1” while you play, “%2” while the game is paused. With %3 the level follows the points: “%4”.</source>
        <translation>A barra de título mostra os pontos: “%1” enquanto você joga, “%2” enquanto a partida está pausada. Com %3 o nível vem depois dos pontos: “%4”.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the title bar, and with %4 only the left and right guns fire, at twice the rate.</source>
        <translation>%1: %2 marca em amarelo as casas que as balas estão cruzando, %3 mostra o nível na barra de título e com %4 só os canhões da esquerda e da direita atiram, no dobro do ritmo.</translation>
    </message>
    <message>
        <source>%1: the best score of each mode, four-way and two-way, with its holder&apos;s name.</source>
        <translation>%1: a melhor pontuação de cada modo, quatro lados e dois lados, com o nome de quem a fez.</translation>
    </message>
    <message>
        <source>%1: every game you have played, the top ten of each mode, a chart of your progress, and any game watched again.</source>
        <translation>%1: cada partida que você jogou, as dez melhores de cada modo, um gráfico do seu progresso e qualquer partida assistida de novo.</translation>
    </message>
    <message>
        <source>Where your games are kept</source>
        <translation>Onde suas partidas são guardadas</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Recordes:</translation>
    </message>
    <message>
        <source>Replays:</source>
        <translation>Replays:</translation>
    </message>
    <message>
        <source>History:</source>
        <translation>Histórico:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Configurações:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>A or Start</source>
        <translation>A ou Start</translation>
    </message>
    <message>
        <source>Pause or resume; a game starts paused</source>
        <translation>Pausar ou retomar; a partida começa pausada</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Direcional ou analógico esquerdo</translation>
    </message>
    <message>
        <source>Move the green square one square, also while paused</source>
        <translation>Mover o quadrado verde uma casa, também pausado</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <translation>Back (Select)</translation>
    </message>
    <message>
        <source>Open the menus: the arrows or the D-pad walk them, Enter or A chooses</source>
        <translation>Abrir os menus: as setas ou o direcional percorrem, Enter ou A escolhe</translation>
    </message>
    <message>
        <source>Close a menu or a dialog; leave full screen</source>
        <translation>Fechar um menu ou uma caixa de diálogo; sair da tela cheia</translation>
    </message>
    <message>
        <source>Show this window</source>
        <translation>Mostrar esta janela</translation>
    </message>
    <message>
        <source>Full screen on and off</source>
        <translation>Tela cheia liga e desliga</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Zoom in: a larger board</source>
        <translation>Ampliar: um tabuleiro maior</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Back to the actual size</source>
        <translation>Voltar ao tamanho real</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>O que faz</translation>
    </message>
    <message>
        <source>%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by more than its colour, and Sound switches the sounds on and off, each gun heard from where it stands. The zoom, %6 and Sound are kept between runs.</source>
        <translation>%1: %2, %3 e %4 mudam o tamanho do tabuleiro, %5 enche a tela com ele, %6 mostra cada estado com mais que a sua cor, e Som liga e desliga os sons, cada canhão ouvido de onde está. O zoom, %6 e Som são mantidos entre as execuções.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Show Bad Squares?</source>
        <translation>Mostrar casas perigosas?</translation>
    </message>
    <message>
        <source>Show Level?</source>
        <translation>Mostrar nível?</translation>
    </message>
    <message>
        <source>2-Way?</source>
        <translation>Só 2 lados?</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Colour-Safe Signals</source>
        <translation>Sinais para daltônicos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>cannot read the high scores from %1: %2; it is left alone and no scores are saved there</source>
        <translation>não é possível ler os recordes de %1: %2; o arquivo fica como está e nada é salvo nele</translation>
    </message>
    <message>
        <source>The high scores cannot be kept.

%1 cannot be read: %2.
The game leaves it as it is and saves no scores there.</source>
        <translation>Não é possível guardar os recordes.

Não é possível ler %1: %2.
O jogo deixa o arquivo como está e não salva nada nele.</translation>
    </message>
    <message>
        <source>cannot save the high scores to %1: %2</source>
        <translation>não é possível salvar os recordes em %1: %2</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1: %2.
They are kept while the game runs, and the next game over tries again.</source>
        <translation>Não foi possível salvar os recordes.

%1: %2.
Eles ficam guardados enquanto o jogo estiver aberto, e o fim da próxima partida tenta de novo.</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>não é um arquivo comum, e sim uma pasta</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe</source>
        <translation>não é um arquivo comum, e sim um pipe nomeado</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>não é um arquivo comum, e sim um socket</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>não é um arquivo comum, e sim um dispositivo</translation>
    </message>
    <message>
        <source>not a regular file but something else</source>
        <translation>não é um arquivo comum, e sim outra coisa</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist</source>
        <translation>um link simbólico para um arquivo que não existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>não é possível gravar na pasta %1: %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source> (replay)</source>
        <translation> (replay)</translation>
    </message>
    <message>
        <source>Vexel Replay</source>
        <translation>Vexel – Replay</translation>
    </message>
    <message numerus="yes">
        <source>The replay is over.

Final score: %n point(s).</source>
        <translation>
            <numerusform>O replay terminou.

Pontuação final: %n ponto.</numerusform>
            <numerusform>O replay terminou.

Pontuação final: %n pontos.</numerusform>
        </translation>
    </message>
    <message>
        <source>

This replay does not play out as it was recorded:
%1</source>
        <translation>

Este replay não se desenrola como foi gravado:
%1</translation>
    </message>
    <message>
        <source>the games before it drew more random numbers than a replay can skip</source>
        <translation>as partidas anteriores sortearam mais números aleatórios do que um replay consegue pular</translation>
    </message>
    <message>
        <source>a key outside the codes a replay holds reached it</source>
        <translation>ela recebeu uma tecla cujo código não cabe em um replay</translation>
    </message>
    <message>
        <source>it is longer than a replay can hold</source>
        <translation>ela é mais longa do que cabe em um replay</translation>
    </message>
    <message>
        <source>this game is not kept as a replay: %1</source>
        <translation>esta partida não é guardada como replay: %1</translation>
    </message>
    <message>
        <source>cannot save the replay to %1: %2</source>
        <translation>não é possível salvar o replay em %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 does not match its recorded end: %2</source>
        <translation>%1 não corresponde ao fim gravado: %2</translation>
    </message>
    <message>
        <source>No game has been played yet, so there is no last game to watch.</source>
        <translation>Nenhuma partida foi jogada ainda, então não há última partida para assistir.</translation>
    </message>
    <message>
        <source>No 4-way record has been set yet, so there is no record game to watch.</source>
        <translation>Ainda não há recorde de 4 lados, então não há partida de recorde para assistir.</translation>
    </message>
    <message>
        <source>No 2-way record has been set yet, so there is no record game to watch.</source>
        <translation>Ainda não há recorde de 2 lados, então não há partida de recorde para assistir.</translation>
    </message>
    <message>
        <source>This replay cannot be watched.

File: %1
Reason: %2</source>
        <translation>Não é possível assistir a este replay.

Arquivo: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>vexel: no sound, the game plays on silent: %1</source>
        <translation>vexel: sem som, o jogo continua em silêncio: %1</translation>
    </message>
    <message>
        <source>the sound device was lost</source>
        <translation>o dispositivo de som foi perdido</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound in the View menu plays the game&apos;s sounds, each shot heard from
where its gun stands; it is kept there too.
</source>
        <translation>Som, no menu Exibir, toca os sons do jogo, cada tiro ouvido de onde está
seu canhão; essa escolha também é guardada lá.
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 is unset</source>
        <translation>%1 não está definida</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;</source>
        <translation>%1 é &quot;%2&quot;</translation>
    </message>
    <message>
        <source> (no such platform)</source>
        <translation> (não existe)</translation>
    </message>
    <message>
        <source>no Qt platform could start</source>
        <translation>nenhuma plataforma Qt conseguiu iniciar</translation>
    </message>
    <message>
        <source>tried the Qt platform %1</source>
        <translation>tentada a plataforma Qt %1</translation>
    </message>
    <message>
        <source>; available: %1</source>
        <translation>; disponíveis: %1</translation>
    </message>
    <message>
        <source>cannot open a window: %1; %2 and %3: point one at a running display server, or choose another platform with -platform</source>
        <translation>não é possível abrir uma janela: %1; %2 e %3: aponte uma delas para um servidor gráfico em execução ou escolha outra plataforma com -platform</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>vexel: cannot keep the view settings in %1: %2</source>
        <translation>vexel: não foi possível guardar as configurações de exibição em %1: %2</translation>
    </message>
</context>
</TS>
