<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutVexel</name>
    <message>
        <source>About Vexel</source>
        <translation>Informazioni su Vexel</translation>
    </message>
    <message>
        <source>The Vexel icon</source>
        <translation>L&apos;icona di Vexel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board.</source>
        <translation>Un gioco arcade per un giocatore: schiva i proiettili di 44 cannoni su una scacchiera di 11 × 11 caselle.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>Runs with Qt %1 and SDL %2.</source>
        <translation>Funziona con Qt %1 e SDL %2.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <extracomment>Who translated the game into this language, for the About box: &quot;German translation: NAME&quot;. English, the game&apos;s own language, shows nothing.</extracomment>
        <translation>Traduzione italiana: gli sviluppatori di Vexel</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Vexel Licence</source>
        <translation>Vexel – licenza</translation>
    </message>
    <message>
        <source>The MIT licence</source>
        <translation>La licenza MIT</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Vexel board</source>
        <translation>Scacchiera di Vexel</translation>
    </message>
    <message>
        <source>Score %1, level %2, running. Your square is in row %3, column %4.</source>
        <translation>Punti %1, livello %2, in corso. La tua casella è nella riga %3, colonna %4.</translation>
    </message>
    <message>
        <source>Score %1, level %2, paused. Your square is in row %3, column %4.</source>
        <translation>Punti %1, livello %2, in pausa. La tua casella è nella riga %3, colonna %4.</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message numerus="yes">
        <source>Vexel: %n point(s)</source>
        <translation>
            <numerusform>Vexel: %n punto</numerusform>
            <numerusform>Vexel: %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source> at Level %1</source>
        <translation>, livello %1</translation>
    </message>
    <message numerus="yes">
        <source>Vexel: Paused (press Enter to play) with %n point(s)</source>
        <translation>
            <numerusform>Vexel: in pausa (Invio per giocare) con %n punto</numerusform>
            <numerusform>Vexel: in pausa (Invio per giocare) con %n punti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>option %1 needs a path</source>
        <translation>l&apos;opzione %1 richiede un percorso</translation>
    </message>
    <message>
        <source>option %1 needs a number</source>
        <translation>l&apos;opzione %1 richiede un numero</translation>
    </message>
    <message>
        <source>invalid seed %1: expected a whole number from 0 to %2</source>
        <translation>seme %1 non valido: serve un numero intero da 0 a %2</translation>
    </message>
    <message>
        <source>option %1 needs a replay file</source>
        <translation>l&apos;opzione %1 richiede un file di replay</translation>
    </message>
    <message>
        <source>options &apos;--replay&apos; and &apos;--verify&apos; cannot be used together</source>
        <translation>le opzioni &apos;--replay&apos; e &apos;--verify&apos; non si possono usare insieme</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>option &apos;--scores-file&apos; needs a file, not the folder %1 (for example %2)</source>
        <translation>l&apos;opzione &apos;--scores-file&apos; richiede un file, non la cartella %1 (per esempio %2)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;opzione %1 non accetta valori</translation>
    </message>
    <message>
        <source>Try &apos;vexel --help&apos; for more information.</source>
        <translation>Usa &apos;vexel --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms
out, Ctrl+0 returns to the actual size, F11 switches full screen (F11
or Escape leaves it); Colour-Safe Signals adds marks to every colour
the game shows. The zoom and Colour-Safe Signals are kept in
  %1
</source>
        <translation>Menu Visualizza: Ctrl++ (anche Ctrl+= e Ctrl++ del tastierino) ingrandisce,
Ctrl+- riduce, Ctrl+0 torna alla dimensione reale, F11 passa a schermo
intero (F11 o Esc ne esce); Segnali per daltonici aggiunge segni a ogni
colore del gioco. Lo zoom e Segnali per daltonici sono salvati in
  %1
</translation>
    </message>
    <message>
        <source>option &apos;--history&apos; cannot be used with &apos;--replay&apos; or &apos;--verify&apos;</source>
        <translation>l&apos;opzione &apos;--history&apos; non si può usare con &apos;--replay&apos; o &apos;--verify&apos;</translation>
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
Cronologia: ogni partita giocata, tenuta in history.sqlite accanto ai record.
  --history           mostrare le dieci migliori di ogni modalità e i
                      totali, e uscire
  --replay game:N     guardare la partita N della cronologia
  --verify game:N     verificare la partita N della cronologia come --verify
                      FILE
Il menu Cronologia mostra ogni partita, le dieci migliori, i totali e un grafico
dei tuoi progressi, e rigioca qualsiasi partita.
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
        <translation>Uso: vexel [OPZIONE]...
Schiva i proiettili di 44 cannoni su una scacchiera di 11 × 11 caselle.

Opzioni:
  --scores-file PERCORSO  tenere i record nel file PERCORSO
                          (predefinito: %1)
  --seed N                estrarre i numeri casuali dei cannoni dal seme N
                          (da 0 a 4294967295; predefinito: %2)
  --no-auto-pause         continuare a giocare quando un&apos;altra finestra
                          prende il focus, la finestra viene ridotta a
                          icona o si apre il menu Opzioni, Visualizza o
                          Aiuto
  --replay FILE           guardare un replay: FILE è un percorso, oppure
                          last, best-4way o best-2way per i replay tenuti
                          accanto ai record
  --verify FILE           giocare un replay senza finestra, stamparne il
                          risultato come &apos;score N, level L, 4-way, T ticks&apos;
                          e uscire con 0 se corrisponde alla fine
                          registrata, 1 se no, 2 se FILE non è un replay
                          leggibile
  -h, --help              mostrare questo aiuto e uscire
      --version           mostrare la versione e uscire
  --                      fine delle opzioni

Le opzioni del toolkit -platform, -style, -qwindowgeometry e -display
vengono passate con il loro valore.

Tasti: Invio mette in pausa e riprende; le frecce muovono il quadrato
verde; F10 apre i menu; Ctrl+Q esce.
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
Controller: la croce direzionale o la levetta sinistra muovono la casella
verde e percorrono i menu; A e Start sono Invio, B è Esc, Back (Select) è
F10. Nel nome del detentore del record, su e giù cambiano il carattere al
cursore, sinistra e destra spostano il cursore, A conferma e B annulla. Un
controller conta solo mentre la finestra di Vexel è attiva; scollegarlo mette
in pausa una partita in corso.
</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>You lost!</source>
        <translation>Hai perso!</translation>
    </message>
    <message>
        <source>You lost, but you have set a new high score! What is your name?</source>
        <translation>Hai perso, ma hai fatto un nuovo record! Come ti chiami?</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>About Vexel</source>
        <translation>Informazioni su Vexel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Vexel High Scores</source>
        <translation>Vexel – Record</translation>
    </message>
    <message>
        <source>The high scores are:

4-Way: %1 by %2
2-Way: %3 by %4</source>
        <translation>I record sono:

4 lati: %1 di %2
2 lati: %3 di %4</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the file cannot be looked into</source>
        <translation>impossibile guardare nel file</translation>
    </message>
    <message>
        <source>the history could not be brought up to date</source>
        <translation>impossibile aggiornare la cronologia</translation>
    </message>
    <message>
        <source>the history went away while it was written</source>
        <translation>la cronologia è sparita mentre veniva scritta</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a history of this game.</source>
        <translation>%1 non è una cronologia di questo gioco.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 è danneggiato.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 è danneggiato: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game.</source>
        <translation>%1 è stato scritto da una versione più recente del gioco.</translation>
    </message>
    <message>
        <source>%1 may not be written.</source>
        <translation>%1 non è scrivibile.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the history.

%1
The game goes on and the high scores are kept; the history file is left as it is.</source>
        <translation>Impossibile aggiungere questa partita alla cronologia.

%1
Il gioco continua e i record sono conservati; il file della cronologia resta com&apos;è.</translation>
    </message>
    <message>
        <source>this game is not added to the history: %1</source>
        <translation>questa partita non viene aggiunta alla cronologia: %1</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>impossibile leggere la cronologia: %1</translation>
    </message>
    <message>
        <source>2-way top ten</source>
        <translation>Le dieci migliori – 2 lati</translation>
    </message>
    <message>
        <source>4-way top ten</source>
        <translation>Le dieci migliori – 4 lati</translation>
    </message>
    <message>
        <source>%1. %2  level %3  %4  %5  game %6</source>
        <comment>one line of the top ten: rank, score, level, holder, date and time, game number</comment>
        <translation>%1. %2  livello %3  %4  %5  partita %6</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>ancora nessuna partita</translation>
    </message>
    <message>
        <source>Games played: %1, time played: %2</source>
        <translation>Partite giocate: %1, tempo di gioco: %2</translation>
    </message>
    <message>
        <source>there is no game %1 in the history</source>
        <translation>nella cronologia non c&apos;è la partita %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name a game of the history (game:N, N a whole number)</source>
        <translation>&apos;%1&apos; non indica una partita della cronologia (game:N, N un numero intero)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un collegamento a nulla</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>its size does not fit its pages</source>
        <translation>la sua dimensione non corrisponde alle sue pagine</translation>
    </message>
    <message>
        <source>it is shorter than its pages</source>
        <translation>è più corto delle sue pagine</translation>
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
        <translation>Punti</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Top Ten, %1</source>
        <translation>Le dieci migliori, %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Miglior punteggio</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Entrambe</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tempo di gioco: %1</translation>
    </message>
    <message>
        <source>2-Way</source>
        <translation>2 lati</translation>
    </message>
    <message>
        <source>4-Way</source>
        <translation>4 lati</translation>
    </message>
    <message>
        <source>Vexel History</source>
        <translation>Vexel – Cronologia</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Migliori partite</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Tutte le partite</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Guarda</translation>
    </message>
    <message>
        <source>Save Replay As…</source>
        <translation>Salva replay come…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Game %1 cannot be watched: %2</source>
        <translation>La partita %1 non si può guardare: %2</translation>
    </message>
    <message>
        <source>Game %1 has no replay to save.</source>
        <translation>La partita %1 non ha un replay da salvare.</translation>
    </message>
    <message>
        <source>Save Replay As</source>
        <translation>Salva replay come</translation>
    </message>
    <message>
        <source>Vexel replays (*.vxr)</source>
        <translation>Replay di Vexel (*.vxr)</translation>
    </message>
    <message>
        <source>The replay could not be saved to %1: %2</source>
        <translation>Non è stato possibile salvare il replay in %1: %2</translation>
    </message>
    <message>
        <source>The history cannot be shown.

%1</source>
        <translation>Non è possibile mostrare la cronologia.

%1</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Ancora nessuna partita.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>2-Way games, best so far</source>
        <translation>Partite a 2 lati, migliore finora</translation>
    </message>
    <message>
        <source>4-Way games, best so far</source>
        <translation>Partite a 4 lati, migliore finora</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to Play Vexel</source>
        <translation>Come si gioca a Vexel</translation>
    </message>
    <message>
        <source>Keep the green square out of the way of the bullets that the 44 guns around the board fire across it: one hit ends the game. Every bullet that leaves the board on the far side scores a point, and the points raise the level from 1 to 12, each level making the guns fire more often.</source>
        <translation>Tieni il quadrato verde lontano dai proiettili che i 44 cannoni intorno alla scacchiera sparano attraverso di essa: un solo colpo chiude la partita. Ogni proiettile che esce dalla scacchiera dal lato opposto vale un punto, e i punti alzano il livello da 1 a 12; ogni livello fa sparare i cannoni più spesso.</translation>
    </message>
    <message>
        <source>Keys and controller</source>
        <translation>Tasti e controller</translation>
    </message>
    <message>
        <source>Keys and controller buttons</source>
        <translation>Tasti e pulsanti del controller</translation>
    </message>
    <message>
        <source>With a controller, in the record holder&apos;s name prompt up and down change the character, left and right move over the five places, A accepts and B cancels. Unplugging a controller pauses a running game.</source>
        <translation>Con un controller, nella richiesta del nome di chi fa il record, su e giù cambiano il carattere, sinistra e destra si spostano tra le cinque posizioni, A conferma e B annulla. Scollegare un controller mette in pausa una partita in corso.</translation>
    </message>
    <message>
        <source>The title bar</source>
        <translation>La barra del titolo</translation>
    </message>
    <message>
        <source>The title bar tells the points: “%1” while you play, “%2” while the game is paused. With %3 the level follows the points: “%4”.</source>
        <translation>La barra del titolo indica i punti: «%1» mentre giochi, «%2» mentre la partita è in pausa. Con %3 il livello segue i punti: «%4».</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the title bar, and with %4 only the left and right guns fire, at twice the rate.</source>
        <translation>%1: %2 segna in giallo le caselle attraversate dai proiettili, %3 mostra il livello nella barra del titolo e con %4 sparano solo i cannoni a sinistra e a destra, al doppio del ritmo.</translation>
    </message>
    <message>
        <source>%1: the best score of each mode, four-way and two-way, with its holder&apos;s name.</source>
        <translation>%1: il miglior punteggio di ogni modalità, quattro lati e due lati, con il nome di chi lo detiene.</translation>
    </message>
    <message>
        <source>%1: every game you have played, the top ten of each mode, a chart of your progress, and any game watched again.</source>
        <translation>%1: ogni partita che hai giocato, le dieci migliori di ogni modalità, un grafico dei tuoi progressi e qualsiasi partita rivista.</translation>
    </message>
    <message>
        <source>Where your games are kept</source>
        <translation>Dove sono conservate le tue partite</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Record:</translation>
    </message>
    <message>
        <source>Replays:</source>
        <translation>Replay:</translation>
    </message>
    <message>
        <source>History:</source>
        <translation>Cronologia:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Impostazioni:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>A or Start</source>
        <translation>A o Start</translation>
    </message>
    <message>
        <source>Pause or resume; a game starts paused</source>
        <translation>Mettere in pausa o riprendere; la partita inizia in pausa</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Croce direzionale o levetta sinistra</translation>
    </message>
    <message>
        <source>Move the green square one square, also while paused</source>
        <translation>Spostare il quadrato verde di una casella, anche in pausa</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <translation>Back (Select)</translation>
    </message>
    <message>
        <source>Open the menus: the arrows or the D-pad walk them, Enter or A chooses</source>
        <translation>Aprire i menu: le frecce o la croce direzionale li percorrono, Invio o A sceglie</translation>
    </message>
    <message>
        <source>Close a menu or a dialog; leave full screen</source>
        <translation>Chiudere un menu o una finestra di dialogo; uscire dallo schermo intero</translation>
    </message>
    <message>
        <source>Show this window</source>
        <translation>Mostrare questa finestra</translation>
    </message>
    <message>
        <source>Full screen on and off</source>
        <translation>Schermo intero sì o no</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Zoom in: a larger board</source>
        <translation>Ingrandire: una scacchiera più grande</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Ridurre</translation>
    </message>
    <message>
        <source>Back to the actual size</source>
        <translation>Tornare alla dimensione reale</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Uscire</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Cosa fa</translation>
    </message>
    <message>
        <source>%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by more than its colour, and Sound switches the sounds on and off, each gun heard from where it stands. The zoom, %6 and Sound are kept between runs.</source>
        <translation>%1: %2, %3 e %4 cambiano la dimensione della scacchiera, %5 ne riempie lo schermo, %6 mostra ogni stato con più del suo colore, e Audio attiva e disattiva i suoni, ogni cannone sentito da dove si trova. Lo zoom, %6 e Audio restano da un avvio all&apos;altro.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Show Bad Squares?</source>
        <translation>Mostrare le caselle pericolose?</translation>
    </message>
    <message>
        <source>Show Level?</source>
        <translation>Mostrare il livello?</translation>
    </message>
    <message>
        <source>2-Way?</source>
        <translation>Solo 2 lati?</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensione reale</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Colour-Safe Signals</source>
        <translation>Segnali per daltonici</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>cannot read the high scores from %1: %2; it is left alone and no scores are saved there</source>
        <translation>impossibile leggere i record da %1: %2; il file resta com&apos;è e non vi si salva nulla</translation>
    </message>
    <message>
        <source>The high scores cannot be kept.

%1 cannot be read: %2.
The game leaves it as it is and saves no scores there.</source>
        <translation>Impossibile conservare i record.

Impossibile leggere %1: %2.
Il gioco lascia il file com&apos;è e non vi salva nulla.</translation>
    </message>
    <message>
        <source>cannot save the high scores to %1: %2</source>
        <translation>impossibile salvare i record in %1: %2</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1: %2.
They are kept while the game runs, and the next game over tries again.</source>
        <translation>Non è stato possibile salvare i record.

%1: %2.
Restano in memoria finché il gioco è aperto, e alla prossima partita persa si riprova.</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>non è un file normale ma una cartella</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe</source>
        <translation>non è un file normale ma una pipe con nome</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>non è un file normale ma un socket</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>non è un file normale ma un dispositivo</translation>
    </message>
    <message>
        <source>not a regular file but something else</source>
        <translation>non è un file normale ma qualcos&apos;altro</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist</source>
        <translation>un collegamento simbolico a un file che non esiste</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>impossibile scrivere nella cartella %1: %2</translation>
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
            <numerusform>Il replay è finito.

Punteggio finale: %n punto.</numerusform>
            <numerusform>Il replay è finito.

Punteggio finale: %n punti.</numerusform>
        </translation>
    </message>
    <message>
        <source>

This replay does not play out as it was recorded:
%1</source>
        <translation>

Questo replay non si svolge come è stato registrato:
%1</translation>
    </message>
    <message>
        <source>the games before it drew more random numbers than a replay can skip</source>
        <translation>le partite precedenti hanno estratto più numeri casuali di quanti un replay ne possa saltare</translation>
    </message>
    <message>
        <source>a key outside the codes a replay holds reached it</source>
        <translation>ha ricevuto un tasto il cui codice non entra in un replay</translation>
    </message>
    <message>
        <source>it is longer than a replay can hold</source>
        <translation>è più lunga di quanto un replay possa contenere</translation>
    </message>
    <message>
        <source>this game is not kept as a replay: %1</source>
        <translation>questa partita non viene salvata come replay: %1</translation>
    </message>
    <message>
        <source>cannot save the replay to %1: %2</source>
        <translation>impossibile salvare il replay in %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>%1 does not match its recorded end: %2</source>
        <translation>%1 non corrisponde alla fine registrata: %2</translation>
    </message>
    <message>
        <source>No game has been played yet, so there is no last game to watch.</source>
        <translation>Non è ancora stata giocata nessuna partita, quindi non c&apos;è un&apos;ultima partita da guardare.</translation>
    </message>
    <message>
        <source>No 4-way record has been set yet, so there is no record game to watch.</source>
        <translation>Non c&apos;è ancora un record a 4 lati, quindi non c&apos;è una partita record da guardare.</translation>
    </message>
    <message>
        <source>No 2-way record has been set yet, so there is no record game to watch.</source>
        <translation>Non c&apos;è ancora un record a 2 lati, quindi non c&apos;è una partita record da guardare.</translation>
    </message>
    <message>
        <source>This replay cannot be watched.

File: %1
Reason: %2</source>
        <translation>Impossibile guardare questo replay.

File: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>vexel: no sound, the game plays on silent: %1</source>
        <translation>vexel: niente audio, il gioco continua in silenzio: %1</translation>
    </message>
    <message>
        <source>the sound device was lost</source>
        <translation>il dispositivo audio è andato perso</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sound in the View menu plays the game&apos;s sounds, each shot heard from
where its gun stands; it is kept there too.
</source>
        <translation>Audio nel menu Visualizza riproduce i suoni del gioco, ogni colpo udito da
dove si trova il suo cannone; anche questa scelta viene salvata lì.
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 is unset</source>
        <translation>%1 non è impostata</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;</source>
        <translation>%1 vale &quot;%2&quot;</translation>
    </message>
    <message>
        <source> (no such platform)</source>
        <translation> (inesistente)</translation>
    </message>
    <message>
        <source>no Qt platform could start</source>
        <translation>nessuna piattaforma Qt è riuscita ad avviarsi</translation>
    </message>
    <message>
        <source>tried the Qt platform %1</source>
        <translation>provata la piattaforma Qt %1</translation>
    </message>
    <message>
        <source>; available: %1</source>
        <translation>; disponibili: %1</translation>
    </message>
    <message>
        <source>cannot open a window: %1; %2 and %3: point one at a running display server, or choose another platform with -platform</source>
        <translation>impossibile aprire una finestra: %1; %2 e %3: fanne puntare una a un server grafico attivo, oppure scegli un&apos;altra piattaforma con -platform</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>vexel: cannot keep the view settings in %1: %2</source>
        <translation>vexel: impossibile salvare le impostazioni di visualizzazione in %1: %2</translation>
    </message>
</context>
</TS>
