<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutVexel</name>
    <message>
        <source>About Vexel</source>
        <translation>Acerca de Vexel</translation>
    </message>
    <message>
        <source>The Vexel icon</source>
        <translation>El icono de Vexel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board.</source>
        <translation>Un juego arcade para un jugador: esquiva las balas de 44 cañones en un tablero de 11 × 11 casillas.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Runs with Qt %1 and SDL %2.</source>
        <translation>Funciona con Qt %1 y SDL %2.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <extracomment>Who translated the game into this language, for the About box: &quot;German translation: NAME&quot;. English, the game&apos;s own language, shows nothing.</extracomment>
        <translation>Traducción al español: los desarrolladores de Vexel</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Vexel Licence</source>
        <translation>Vexel – licencia</translation>
    </message>
    <message>
        <source>The MIT licence</source>
        <translation>La licencia MIT</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Vexel board</source>
        <translation>Tablero de Vexel</translation>
    </message>
    <message>
        <source>Score %1, level %2, running. Your square is in row %3, column %4.</source>
        <translation>Puntos: %1, nivel %2, en juego. Tu casilla está en la fila %3, columna %4.</translation>
    </message>
    <message>
        <source>Score %1, level %2, paused. Your square is in row %3, column %4.</source>
        <translation>Puntos: %1, nivel %2, en pausa. Tu casilla está en la fila %3, columna %4.</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message numerus="yes">
        <source>Vexel: %n point(s)</source>
        <translation>
            <numerusform>Vexel: %n punto</numerusform>
            <numerusform>Vexel: %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source> at Level %1</source>
        <translation>, nivel %1</translation>
    </message>
    <message numerus="yes">
        <source>Vexel: Paused (press Enter to play) with %n point(s)</source>
        <translation>
            <numerusform>Vexel: en pausa (Intro para jugar) con %n punto</numerusform>
            <numerusform>Vexel: en pausa (Intro para jugar) con %n puntos</numerusform>
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
        <translation>la opción %1 necesita una ruta</translation>
    </message>
    <message>
        <source>option %1 needs a number</source>
        <translation>la opción %1 necesita un número</translation>
    </message>
    <message>
        <source>invalid seed %1: expected a whole number from 0 to %2</source>
        <translation>semilla no válida %1: se esperaba un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>option %1 needs a replay file</source>
        <translation>la opción %1 necesita un archivo de repetición</translation>
    </message>
    <message>
        <source>options &apos;--replay&apos; and &apos;--verify&apos; cannot be used together</source>
        <translation>las opciones &apos;--replay&apos; y &apos;--verify&apos; no se pueden usar juntas</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option &apos;--scores-file&apos; needs a file, not the folder %1 (for example %2)</source>
        <translation>la opción &apos;--scores-file&apos; necesita un archivo, no la carpeta %1 (por ejemplo, %2)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite ningún valor</translation>
    </message>
    <message>
        <source>Try &apos;vexel --help&apos; for more information.</source>
        <translation>Prueba «vexel --help» para más información.</translation>
    </message>
    <message>
        <source>View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms
out, Ctrl+0 returns to the actual size, F11 switches full screen (F11
or Escape leaves it); Colour-Safe Signals adds marks to every colour
the game shows. The zoom and Colour-Safe Signals are kept in
  %1
</source>
        <translation>Menú Ver: Ctrl++ (también Ctrl+= y Ctrl++ del teclado numérico) acerca,
Ctrl+- aleja, Ctrl+0 vuelve al tamaño real, F11 cambia a pantalla completa
(F11 o Esc la deja); Señales aptas para daltónicos añade marcas a cada
color del juego. El zoom y Señales aptas para daltónicos se guardan en
  %1
</translation>
    </message>
    <message>
        <source>option &apos;--history&apos; cannot be used with &apos;--replay&apos; or &apos;--verify&apos;</source>
        <translation>la opción &apos;--history&apos; no se puede usar con &apos;--replay&apos; ni con &apos;--verify&apos;</translation>
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
Historial: cada partida jugada, guardada en history.sqlite junto a los récords.
  --history           mostrar las diez mejores de cada modo y los totales,
                      y salir
  --replay game:N     ver la partida N del historial
  --verify game:N     comprobar la partida N del historial como --verify FILE
El menú Historial muestra cada partida, las diez mejores, los totales y una
gráfica de su progreso, y vuelve a reproducir cualquier partida.
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
        <translation>Uso: vexel [OPCIÓN]...
Esquiva las balas de 44 cañones en un tablero de 11 × 11 casillas.

Opciones:
  --scores-file RUTA  guardar los récords en el archivo RUTA
                      (por omisión: %1)
  --seed N            sacar los números aleatorios de los cañones de la
                      semilla N (de 0 a 4294967295; por omisión: %2)
  --no-auto-pause     seguir jugando cuando otra ventana toma el foco, la
                      ventana se minimiza o se abre el menú Opciones, Ver
                      o Ayuda
  --replay ARCHIVO    ver una repetición: ARCHIVO es una ruta, o bien
                      last, best-4way o best-2way para las repeticiones
                      guardadas junto a los récords
  --verify ARCHIVO    reproducir una repetición sin ventana, mostrar su
                      resultado como &apos;score N, level L, 4-way, T ticks&apos; y
                      salir con 0 si coincide con el final grabado, 1 si
                      no, y 2 si ARCHIVO no es una repetición legible
  -h, --help          mostrar esta ayuda y salir
      --version       mostrar la versión y salir
  --                  fin de las opciones

Las opciones del toolkit -platform, -style, -qwindowgeometry y -display
se pasan con su valor.

Teclas: Intro pausa y reanuda; las flechas mueven el cuadrado verde;
F10 abre los menús; Ctrl+Q sale.
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
Mandos: la cruceta o el stick izquierdo mueven la casilla verde y recorren
los menús; A y Start son Intro, B es Escape, Back (Select) es F10. En el
nombre del plusmarquista, arriba y abajo cambian el carácter del cursor,
izquierda y derecha mueven el cursor, A acepta y B cancela. Un mando solo
cuenta mientras la ventana de Vexel está activa; al desconectarlo, una
partida en curso se pausa.
</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>You lost!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>You lost, but you have set a new high score! What is your name?</source>
        <translation>Has perdido, ¡pero has batido el récord! ¿Cómo te llamas?</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>About Vexel</source>
        <translation>Acerca de Vexel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Vexel High Scores</source>
        <translation>Vexel – Récords</translation>
    </message>
    <message>
        <source>The high scores are:

4-Way: %1 by %2
2-Way: %3 by %4</source>
        <translation>Los récords son:

4 lados: %1 de %2
2 lados: %3 de %4</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the file cannot be looked into</source>
        <translation>no se puede mirar dentro del archivo</translation>
    </message>
    <message>
        <source>the history could not be brought up to date</source>
        <translation>no se pudo actualizar el historial</translation>
    </message>
    <message>
        <source>the history went away while it was written</source>
        <translation>el historial desapareció mientras se escribía</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a history of this game.</source>
        <translation>%1 no es un historial de este juego.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 está dañado.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 está dañado: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game.</source>
        <translation>%1 fue escrito por una versión más reciente del juego.</translation>
    </message>
    <message>
        <source>%1 may not be written.</source>
        <translation>%1 no se puede escribir.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the history.

%1
The game goes on and the high scores are kept; the history file is left as it is.</source>
        <translation>No se pudo añadir esta partida al historial.

%1
El juego sigue y los récords se conservan; el archivo del historial queda tal cual.</translation>
    </message>
    <message>
        <source>this game is not added to the history: %1</source>
        <translation>esta partida no se añade al historial: %1</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>no se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>2-way top ten</source>
        <translation>Las diez mejores – 2 lados</translation>
    </message>
    <message>
        <source>4-way top ten</source>
        <translation>Las diez mejores – 4 lados</translation>
    </message>
    <message>
        <source>%1. %2  level %3  %4  %5  game %6</source>
        <comment>one line of the top ten: rank, score, level, holder, date and time, game number</comment>
        <translation>%1. %2  nivel %3  %4  %5  partida %6</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>todavía no hay partidas</translation>
    </message>
    <message>
        <source>Games played: %1, time played: %2</source>
        <translation>Partidas jugadas: %1, tiempo de juego: %2</translation>
    </message>
    <message>
        <source>there is no game %1 in the history</source>
        <translation>no hay ninguna partida %1 en el historial</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name a game of the history (game:N, N a whole number)</source>
        <translation>&apos;%1&apos; no designa ninguna partida del historial (game:N, N un número entero)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un enlace a nada</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>its size does not fit its pages</source>
        <translation>su tamaño no cuadra con sus páginas</translation>
    </message>
    <message>
        <source>it is shorter than its pages</source>
        <translation>es más corto que sus páginas</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Top Ten, %1</source>
        <translation>Las diez mejores, %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tiempo jugado: %1</translation>
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
        <translation>Vexel – Historial</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Mejores partidas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Save Replay As…</source>
        <translation>Guardar repetición como…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Game %1 cannot be watched: %2</source>
        <translation>La partida %1 no se puede ver: %2</translation>
    </message>
    <message>
        <source>Game %1 has no replay to save.</source>
        <translation>La partida %1 no tiene repetición que guardar.</translation>
    </message>
    <message>
        <source>Save Replay As</source>
        <translation>Guardar repetición como</translation>
    </message>
    <message>
        <source>Vexel replays (*.vxr)</source>
        <translation>Repeticiones de Vexel (*.vxr)</translation>
    </message>
    <message>
        <source>The replay could not be saved to %1: %2</source>
        <translation>No se pudo guardar la repetición en %1: %2</translation>
    </message>
    <message>
        <source>The history cannot be shown.

%1</source>
        <translation>No se puede mostrar el historial.

%1</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Todavía no hay partidas.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>2-Way games, best so far</source>
        <translation>Partidas a 2 lados, mejor hasta entonces</translation>
    </message>
    <message>
        <source>4-Way games, best so far</source>
        <translation>Partidas a 4 lados, mejor hasta entonces</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to Play Vexel</source>
        <translation>Cómo se juega a Vexel</translation>
    </message>
    <message>
        <source>Keep the green square out of the way of the bullets that the 44 guns around the board fire across it: one hit ends the game. Every bullet that leaves the board on the far side scores a point, and the points raise the level from 1 to 12, each level making the guns fire more often.</source>
        <translation>Mantén el cuadrado verde fuera del camino de las balas que los 44 cañones alrededor del tablero disparan a través de él: un solo impacto termina la partida. Cada bala que sale del tablero por el otro lado suma un punto, y los puntos suben el nivel de 1 a 12; cada nivel hace que los cañones disparen más a menudo.</translation>
    </message>
    <message>
        <source>Keys and controller</source>
        <translation>Teclas y mando</translation>
    </message>
    <message>
        <source>Keys and controller buttons</source>
        <translation>Teclas y botones del mando</translation>
    </message>
    <message>
        <source>With a controller, in the record holder&apos;s name prompt up and down change the character, left and right move over the five places, A accepts and B cancels. Unplugging a controller pauses a running game.</source>
        <translation>Con un mando, en la petición del nombre de quien bate un récord, arriba y abajo cambian el carácter, izquierda y derecha recorren las cinco posiciones, A acepta y B cancela. Desconectar un mando pausa una partida en curso.</translation>
    </message>
    <message>
        <source>The title bar</source>
        <translation>La barra de título</translation>
    </message>
    <message>
        <source>The title bar tells the points: “%1” while you play, “%2” while the game is paused. With %3 the level follows the points: “%4”.</source>
        <translation>La barra de título indica los puntos: «%1» mientras juegas, «%2» mientras la partida está en pausa. Con %3 el nivel sigue a los puntos: «%4».</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the title bar, and with %4 only the left and right guns fire, at twice the rate.</source>
        <translation>%1: %2 marca en amarillo las casillas que están cruzando las balas, %3 muestra el nivel en la barra de título y con %4 solo disparan los cañones de la izquierda y la derecha, al doble de ritmo.</translation>
    </message>
    <message>
        <source>%1: the best score of each mode, four-way and two-way, with its holder&apos;s name.</source>
        <translation>%1: la mejor puntuación de cada modo, cuatro lados y dos lados, con el nombre de quien la consiguió.</translation>
    </message>
    <message>
        <source>%1: every game you have played, the top ten of each mode, a chart of your progress, and any game watched again.</source>
        <translation>%1: cada partida que has jugado, las diez mejores de cada modo, un gráfico de tu progreso y cualquier partida vista de nuevo.</translation>
    </message>
    <message>
        <source>Where your games are kept</source>
        <translation>Dónde se guardan tus partidas</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Récords:</translation>
    </message>
    <message>
        <source>Replays:</source>
        <translation>Repeticiones:</translation>
    </message>
    <message>
        <source>History:</source>
        <translation>Historial:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ajustes:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>A or Start</source>
        <translation>A o Start</translation>
    </message>
    <message>
        <source>Pause or resume; a game starts paused</source>
        <translation>Pausar o reanudar; la partida empieza en pausa</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Cruceta o stick izquierdo</translation>
    </message>
    <message>
        <source>Move the green square one square, also while paused</source>
        <translation>Mover el cuadrado verde una casilla, también en pausa</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <translation>Back (Select)</translation>
    </message>
    <message>
        <source>Open the menus: the arrows or the D-pad walk them, Enter or A chooses</source>
        <translation>Abrir los menús: las flechas o la cruceta los recorren, Intro o A elige</translation>
    </message>
    <message>
        <source>Close a menu or a dialog; leave full screen</source>
        <translation>Cerrar un menú o un diálogo; salir de la pantalla completa</translation>
    </message>
    <message>
        <source>Show this window</source>
        <translation>Mostrar esta ventana</translation>
    </message>
    <message>
        <source>Full screen on and off</source>
        <translation>Pantalla completa sí o no</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Zoom in: a larger board</source>
        <translation>Acercar: un tablero más grande</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Back to the actual size</source>
        <translation>Volver al tamaño real</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by more than its colour, and Sound switches the sounds on and off, each gun heard from where it stands. The zoom, %6 and Sound are kept between runs.</source>
        <translation>%1: %2, %3 y %4 cambian el tamaño del tablero, %5 llena la pantalla con él, %6 indica cada estado con algo más que su color, y Sonido activa y desactiva los sonidos, cada cañón oído desde donde está. El zoom, %6 y Sonido se conservan entre sesiones.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Show Bad Squares?</source>
        <translation>¿Mostrar casillas peligrosas?</translation>
    </message>
    <message>
        <source>Show Level?</source>
        <translation>¿Mostrar nivel?</translation>
    </message>
    <message>
        <source>2-Way?</source>
        <translation>¿Solo 2 lados?</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Colour-Safe Signals</source>
        <translation>Señales aptas para daltónicos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>cannot read the high scores from %1: %2; it is left alone and no scores are saved there</source>
        <translation>no se pueden leer los récords de %1: %2; el archivo se deja tal cual y no se guarda nada en él</translation>
    </message>
    <message>
        <source>The high scores cannot be kept.

%1 cannot be read: %2.
The game leaves it as it is and saves no scores there.</source>
        <translation>No se pueden conservar los récords.

No se puede leer %1: %2.
El juego deja el archivo tal cual y no guarda nada en él.</translation>
    </message>
    <message>
        <source>cannot save the high scores to %1: %2</source>
        <translation>no se pueden guardar los récords en %1: %2</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1: %2.
They are kept while the game runs, and the next game over tries again.</source>
        <translation>No se han podido guardar los récords.

%1: %2.
Se conservan mientras el juego siga abierto y se volverá a intentar al final de la próxima partida.</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>no es un archivo normal, sino una carpeta</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe</source>
        <translation>no es un archivo normal, sino una tubería con nombre</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>no es un archivo normal, sino un socket</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>no es un archivo normal, sino un dispositivo</translation>
    </message>
    <message>
        <source>not a regular file but something else</source>
        <translation>no es un archivo normal, sino otra cosa</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist</source>
        <translation>un enlace simbólico a un archivo que no existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source> (replay)</source>
        <translation> (repetición)</translation>
    </message>
    <message>
        <source>Vexel Replay</source>
        <translation>Vexel – Repetición</translation>
    </message>
    <message numerus="yes">
        <source>The replay is over.

Final score: %n point(s).</source>
        <translation>
            <numerusform>La repetición ha terminado.

Puntuación final: %n punto.</numerusform>
            <numerusform>La repetición ha terminado.

Puntuación final: %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>

This replay does not play out as it was recorded:
%1</source>
        <translation>

Esta repetición no transcurre como se grabó:
%1</translation>
    </message>
    <message>
        <source>the games before it drew more random numbers than a replay can skip</source>
        <translation>las partidas anteriores sacaron más números aleatorios de los que una repetición puede saltarse</translation>
    </message>
    <message>
        <source>a key outside the codes a replay holds reached it</source>
        <translation>le llegó una tecla cuyo código no cabe en una repetición</translation>
    </message>
    <message>
        <source>it is longer than a replay can hold</source>
        <translation>es más larga de lo que cabe en una repetición</translation>
    </message>
    <message>
        <source>this game is not kept as a replay: %1</source>
        <translation>esta partida no se guarda como repetición: %1</translation>
    </message>
    <message>
        <source>cannot save the replay to %1: %2</source>
        <translation>no se puede guardar la repetición en %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 does not match its recorded end: %2</source>
        <translation>%1 no coincide con su final grabado: %2</translation>
    </message>
    <message>
        <source>No game has been played yet, so there is no last game to watch.</source>
        <translation>Aún no se ha jugado ninguna partida, así que no hay una última partida que ver.</translation>
    </message>
    <message>
        <source>No 4-way record has been set yet, so there is no record game to watch.</source>
        <translation>Aún no hay récord de 4 lados, así que no hay partida de récord que ver.</translation>
    </message>
    <message>
        <source>No 2-way record has been set yet, so there is no record game to watch.</source>
        <translation>Aún no hay récord de 2 lados, así que no hay partida de récord que ver.</translation>
    </message>
    <message>
        <source>This replay cannot be watched.

File: %1
Reason: %2</source>
        <translation>No se puede ver esta repetición.

Archivo: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>vexel: no sound, the game plays on silent: %1</source>
        <translation>vexel: sin sonido, el juego sigue en silencio: %1</translation>
    </message>
    <message>
        <source>the sound device was lost</source>
        <translation>se perdió el dispositivo de sonido</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound in the View menu plays the game&apos;s sounds, each shot heard from
where its gun stands; it is kept there too.
</source>
        <translation>Sonido, en el menú Ver, reproduce los sonidos del juego; cada disparo se oye
desde donde está su cañón. También se guarda allí.
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 is unset</source>
        <translation>%1 no está definida</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;</source>
        <translation>%1 vale «%2»</translation>
    </message>
    <message>
        <source> (no such platform)</source>
        <translation> (no existe)</translation>
    </message>
    <message>
        <source>no Qt platform could start</source>
        <translation>no pudo arrancar ninguna plataforma de Qt</translation>
    </message>
    <message>
        <source>tried the Qt platform %1</source>
        <translation>se probó la plataforma de Qt %1</translation>
    </message>
    <message>
        <source>; available: %1</source>
        <translation>; disponibles: %1</translation>
    </message>
    <message>
        <source>cannot open a window: %1; %2 and %3: point one at a running display server, or choose another platform with -platform</source>
        <translation>no se puede abrir una ventana: %1; %2 y %3: haz que una apunte a un servidor gráfico en marcha o elige otra plataforma con -platform</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>vexel: cannot keep the view settings in %1: %2</source>
        <translation>vexel: no se pueden guardar los ajustes de vista en %1: %2</translation>
    </message>
</context>
</TS>
