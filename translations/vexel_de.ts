<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutVexel</name>
    <message>
        <source>About Vexel</source>
        <translation>Über Vexel</translation>
    </message>
    <message>
        <source>The Vexel icon</source>
        <translation>Das Vexel-Symbol</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board.</source>
        <translation>Ein Arcade-Spiel für eine Person: Weiche den Kugeln von 44 Kanonen auf einem Spielfeld aus 11 × 11 Feldern aus.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Runs with Qt %1 and SDL %2.</source>
        <translation>Läuft mit Qt %1 und SDL %2.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <extracomment>Who translated the game into this language, for the About box: &quot;German translation: NAME&quot;. English, the game&apos;s own language, shows nothing.</extracomment>
        <translation>Deutsche Übersetzung: die Vexel-Entwickler</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Vexel Licence</source>
        <translation>Vexel – Lizenz</translation>
    </message>
    <message>
        <source>The MIT licence</source>
        <translation>Die MIT-Lizenz</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Vexel board</source>
        <translation>Vexel-Spielfeld</translation>
    </message>
    <message>
        <source>Score %1, level %2, running. Your square is in row %3, column %4.</source>
        <translation>Punkte: %1, Level %2, läuft. Dein Feld steht in Zeile %3, Spalte %4.</translation>
    </message>
    <message>
        <source>Score %1, level %2, paused. Your square is in row %3, column %4.</source>
        <translation>Punkte: %1, Level %2, Pause. Dein Feld steht in Zeile %3, Spalte %4.</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message numerus="yes">
        <source>Vexel: %n point(s)</source>
        <translation>
            <numerusform>Vexel: %n Punkt</numerusform>
            <numerusform>Vexel: %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source> at Level %1</source>
        <translation> auf Level %1</translation>
    </message>
    <message numerus="yes">
        <source>Vexel: Paused (press Enter to play) with %n point(s)</source>
        <translation>
            <numerusform>Vexel: Pause (Enter zum Spielen) mit %n Punkt</numerusform>
            <numerusform>Vexel: Pause (Enter zum Spielen) mit %n Punkten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>option %1 needs a path</source>
        <translation>Option %1 braucht einen Pfad</translation>
    </message>
    <message>
        <source>option %1 needs a number</source>
        <translation>Option %1 braucht eine Zahl</translation>
    </message>
    <message>
        <source>invalid seed %1: expected a whole number from 0 to %2</source>
        <translation>ungültiger Startwert %1: erwartet wird eine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>option %1 needs a replay file</source>
        <translation>Option %1 braucht eine Wiederholungsdatei</translation>
    </message>
    <message>
        <source>options &apos;--replay&apos; and &apos;--verify&apos; cannot be used together</source>
        <translation>die Optionen &apos;--replay&apos; und &apos;--verify&apos; gehen nicht zusammen</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option &apos;--scores-file&apos; needs a file, not the folder %1 (for example %2)</source>
        <translation>Option &apos;--scores-file&apos; braucht eine Datei, keinen Ordner wie %1 (zum Beispiel %2)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>Try &apos;vexel --help&apos; for more information.</source>
        <translation>„vexel --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms
out, Ctrl+0 returns to the actual size, F11 switches full screen (F11
or Escape leaves it); Colour-Safe Signals adds marks to every colour
the game shows. The zoom and Colour-Safe Signals are kept in
  %1
</source>
        <translation>Menü Ansicht: Strg++ (auch Strg+= und Strg+Ziffernblock +) vergrößert,
Strg+- verkleinert, Strg+0 kehrt zur Originalgröße zurück, F11 schaltet
das Vollbild um (F11 oder Esc verlässt es); Farbsichere Signale fügt jeder
Farbe des Spiels Markierungen hinzu. Zoom und Farbsichere Signale werden
gespeichert in
  %1
</translation>
    </message>
    <message>
        <source>option &apos;--history&apos; cannot be used with &apos;--replay&apos; or &apos;--verify&apos;</source>
        <translation>die Option &apos;--history&apos; geht nicht mit &apos;--replay&apos; oder &apos;--verify&apos; zusammen</translation>
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
Verlauf: jedes gespielte Spiel, in history.sqlite neben der Bestenliste.
  --history           die zehn Besten jedes Modus und die Summen ausgeben
                      und enden
  --replay game:N     Spiel N des Verlaufs ansehen
  --verify game:N     Spiel N des Verlaufs prüfen wie --verify FILE
Das Menü Verlauf zeigt jedes Spiel, die zehn Besten, die Summen und eine Kurve
Ihres Fortschritts und spielt jedes Spiel noch einmal ab.
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
        <translation>Aufruf: vexel [OPTION]...
Weiche den Kugeln von 44 Kanonen auf einem Spielfeld aus 11 × 11 Feldern aus.

Optionen:
  --scores-file PFAD  die Bestenliste in der Datei PFAD führen
                      (Vorgabe: %1)
  --seed N            die Zufallszahlen der Kanonen aus dem Startwert N
                      ziehen (0 bis 4294967295; Vorgabe: %2)
  --no-auto-pause     weiterspielen, wenn ein anderes Fenster den Fokus
                      bekommt, das Fenster minimiert wird oder das Menü
                      Optionen, Ansicht oder Hilfe aufgeht
  --replay DATEI      eine Wiederholung ansehen: DATEI ist ein Pfad oder
                      last, best-4way bzw. best-2way für die
                      Wiederholungen neben der Bestenliste
  --verify DATEI      eine Wiederholung ohne Fenster abspielen, ihr
                      Ergebnis als &apos;score N, level L, 4-way, T ticks&apos;
                      ausgeben und mit 0 enden, wenn es zum
                      aufgezeichneten Ende passt, sonst mit 1, und mit 2,
                      wenn DATEI keine lesbare Wiederholung ist
  -h, --help          diese Hilfe zeigen und beenden
      --version       die Version zeigen und beenden
  --                  Ende der Optionen

Die Toolkit-Optionen -platform, -style, -qwindowgeometry und -display
werden samt ihrem Wert weitergereicht.

Tasten: Enter hält an und setzt fort; die Pfeiltasten bewegen das grüne
Feld; F10 öffnet die Menüs; Strg+Q beendet.
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
Gamecontroller: Steuerkreuz oder linker Stick bewegen das grüne Feld und
führen durch die Menüs; A und Start sind Enter, B ist Escape, Back (Select)
ist F10. Beim Namen des Rekordhalters ändern Hoch und Runter das Zeichen am
Cursor, Links und Rechts bewegen den Cursor, A bestätigt und B bricht ab. Ein
Controller zählt nur, solange das Fenster von Vexel aktiv ist; wird er
abgezogen, hält ein laufendes Spiel an.
</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>You lost!</source>
        <translation>Verloren!</translation>
    </message>
    <message>
        <source>You lost, but you have set a new high score! What is your name?</source>
        <translation>Verloren, aber mit neuem Rekord! Wie heißt du?</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Vexel</source>
        <translation>Über Vexel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Vexel High Scores</source>
        <translation>Vexel – Bestenliste</translation>
    </message>
    <message>
        <source>The high scores are:

4-Way: %1 by %2
2-Way: %3 by %4</source>
        <translation>Die Bestenliste:

4 Seiten: %1 von %2
2 Seiten: %3 von %4</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the file cannot be looked into</source>
        <translation>in die Datei lässt sich nicht hineinsehen</translation>
    </message>
    <message>
        <source>the history could not be brought up to date</source>
        <translation>der Verlauf konnte nicht auf den neuesten Stand gebracht werden</translation>
    </message>
    <message>
        <source>the history went away while it was written</source>
        <translation>der Verlauf verschwand, während er geschrieben wurde</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ist nicht lesbar: %2.</translation>
    </message>
    <message>
        <source>%1 is not a history of this game.</source>
        <translation>%1 ist kein Verlauf dieses Spiels.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game.</source>
        <translation>%1 wurde von einer neueren Version des Spiels geschrieben.</translation>
    </message>
    <message>
        <source>%1 may not be written.</source>
        <translation>%1 darf nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the history.

%1
The game goes on and the high scores are kept; the history file is left as it is.</source>
        <translation>Dieses Spiel konnte nicht in den Verlauf aufgenommen werden.

%1
Das Spiel geht weiter, die Bestenliste bleibt erhalten, und die Verlaufsdatei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>this game is not added to the history: %1</source>
        <translation>dieses Spiel wird nicht in den Verlauf aufgenommen: %1</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>2-way top ten</source>
        <translation>Die zehn Besten – 2 Seiten</translation>
    </message>
    <message>
        <source>4-way top ten</source>
        <translation>Die zehn Besten – 4 Seiten</translation>
    </message>
    <message>
        <source>%1. %2  level %3  %4  %5  game %6</source>
        <comment>one line of the top ten: rank, score, level, holder, date and time, game number</comment>
        <translation>%1. %2  Level %3  %4  %5  Spiel %6</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>noch keine Spiele</translation>
    </message>
    <message>
        <source>Games played: %1, time played: %2</source>
        <translation>Gespielte Spiele: %1, Spielzeit: %2</translation>
    </message>
    <message>
        <source>there is no game %1 in the history</source>
        <translation>im Verlauf gibt es kein Spiel %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name a game of the history (game:N, N a whole number)</source>
        <translation>&apos;%1&apos; bezeichnet kein Spiel des Verlaufs (game:N, N eine ganze Zahl)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>its size does not fit its pages</source>
        <translation>seine Größe passt nicht zu seinen Seiten</translation>
    </message>
    <message>
        <source>it is shorter than its pages</source>
        <translation>er ist kürzer als seine Seiten</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Top Ten, %1</source>
        <translation>Die zehn Besten, %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Bestes Ergebnis</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Gespielte Zeit: %1</translation>
    </message>
    <message>
        <source>2-Way</source>
        <translation>2 Seiten</translation>
    </message>
    <message>
        <source>4-Way</source>
        <translation>4 Seiten</translation>
    </message>
    <message>
        <source>Vexel History</source>
        <translation>Vexel – Verlauf</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Beste Spiele</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Save Replay As…</source>
        <translation>Wiederholung speichern unter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Game %1 cannot be watched: %2</source>
        <translation>Spiel %1 kann nicht angesehen werden: %2</translation>
    </message>
    <message>
        <source>Game %1 has no replay to save.</source>
        <translation>Spiel %1 hat keine Wiederholung zum Speichern.</translation>
    </message>
    <message>
        <source>Save Replay As</source>
        <translation>Wiederholung speichern unter</translation>
    </message>
    <message>
        <source>Vexel replays (*.vxr)</source>
        <translation>Vexel-Wiederholungen (*.vxr)</translation>
    </message>
    <message>
        <source>The replay could not be saved to %1: %2</source>
        <translation>Die Wiederholung konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The history cannot be shown.

%1</source>
        <translation>Der Verlauf kann nicht gezeigt werden.

%1</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Noch keine Spiele.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>2-Way games, best so far</source>
        <translation>Spiele auf 2 Seiten, bisher bestes</translation>
    </message>
    <message>
        <source>4-Way games, best so far</source>
        <translation>Spiele auf 4 Seiten, bisher bestes</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to Play Vexel</source>
        <translation>Vexel – Spielanleitung</translation>
    </message>
    <message>
        <source>Keep the green square out of the way of the bullets that the 44 guns around the board fire across it: one hit ends the game. Every bullet that leaves the board on the far side scores a point, and the points raise the level from 1 to 12, each level making the guns fire more often.</source>
        <translation>Halte das grüne Feld aus dem Weg der Kugeln, die die 44 Kanonen rund um das Spielfeld quer darüber feuern: Ein Treffer beendet das Spiel. Jede Kugel, die das Spielfeld auf der anderen Seite verlässt, bringt einen Punkt, und die Punkte heben das Level von 1 bis 12, wobei jedes Level die Kanonen öfter feuern lässt.</translation>
    </message>
    <message>
        <source>Keys and controller</source>
        <translation>Tasten und Controller</translation>
    </message>
    <message>
        <source>Keys and controller buttons</source>
        <translation>Tasten und Controller-Knöpfe</translation>
    </message>
    <message>
        <source>With a controller, in the record holder&apos;s name prompt up and down change the character, left and right move over the five places, A accepts and B cancels. Unplugging a controller pauses a running game.</source>
        <translation>Mit einem Controller ändern in der Namensabfrage für einen Rekord oben und unten das Zeichen, links und rechts wechseln zwischen den fünf Stellen, A bestätigt und B bricht ab. Wird ein Controller abgezogen, hält ein laufendes Spiel an.</translation>
    </message>
    <message>
        <source>The title bar</source>
        <translation>Die Titelleiste</translation>
    </message>
    <message>
        <source>The title bar tells the points: “%1” while you play, “%2” while the game is paused. With %3 the level follows the points: “%4”.</source>
        <translation>Die Titelleiste zeigt die Punkte: „%1“ während du spielst, „%2“ während das Spiel angehalten ist. Mit %3 folgt das Level auf die Punkte: „%4“.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the title bar, and with %4 only the left and right guns fire, at twice the rate.</source>
        <translation>%1: %2 markiert die Felder gelb, die gerade von Kugeln gekreuzt werden, %3 zeigt das Level in der Titelleiste, und mit %4 feuern nur die linken und rechten Kanonen, doppelt so oft.</translation>
    </message>
    <message>
        <source>%1: the best score of each mode, four-way and two-way, with its holder&apos;s name.</source>
        <translation>%1: der Bestwert jedes Modus, vier Seiten und zwei Seiten, mit dem Namen seines Halters.</translation>
    </message>
    <message>
        <source>%1: every game you have played, the top ten of each mode, a chart of your progress, and any game watched again.</source>
        <translation>%1: jedes Spiel, das du gespielt hast, die zehn Besten jedes Modus, eine Kurve deines Fortschritts, und jedes Spiel noch einmal angesehen.</translation>
    </message>
    <message>
        <source>Where your games are kept</source>
        <translation>Wo deine Spiele gespeichert werden</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Rekorde:</translation>
    </message>
    <message>
        <source>Replays:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>History:</source>
        <translation>Verlauf:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>A or Start</source>
        <translation>A oder Start</translation>
    </message>
    <message>
        <source>Pause or resume; a game starts paused</source>
        <translation>Anhalten oder fortsetzen; ein Spiel beginnt angehalten</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Steuerkreuz oder linker Stick</translation>
    </message>
    <message>
        <source>Move the green square one square, also while paused</source>
        <translation>Das grüne Feld um ein Feld bewegen, auch angehalten</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <translation>Back (Select)</translation>
    </message>
    <message>
        <source>Open the menus: the arrows or the D-pad walk them, Enter or A chooses</source>
        <translation>Die Menüs öffnen: Pfeiltasten oder Steuerkreuz gehen durch sie, Enter oder A wählt</translation>
    </message>
    <message>
        <source>Close a menu or a dialog; leave full screen</source>
        <translation>Ein Menü oder einen Dialog schließen; das Vollbild verlassen</translation>
    </message>
    <message>
        <source>Show this window</source>
        <translation>Dieses Fenster zeigen</translation>
    </message>
    <message>
        <source>Full screen on and off</source>
        <translation>Vollbild ein und aus</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Zoom in: a larger board</source>
        <translation>Vergrößern: ein größeres Spielfeld</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Back to the actual size</source>
        <translation>Zurück zur Originalgröße</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Was sie bewirkt</translation>
    </message>
    <message>
        <source>%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by more than its colour, and Sound switches the sounds on and off, each gun heard from where it stands. The zoom, %6 and Sound are kept between runs.</source>
        <translation>%1: %2, %3 und %4 bestimmen die Größe des Spielfelds, %5 füllt den Bildschirm damit, %6 zeigt jeden Zustand mit mehr als seiner Farbe, und Ton schaltet die Geräusche ein und aus, jede Kanone zu hören, wo sie steht. Die Größe, %6 und Ton bleiben zwischen den Starts erhalten.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Show Bad Squares?</source>
        <translation>Gefährliche Felder zeigen?</translation>
    </message>
    <message>
        <source>Show Level?</source>
        <translation>Level zeigen?</translation>
    </message>
    <message>
        <source>2-Way?</source>
        <translation>Nur 2 Seiten?</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Colour-Safe Signals</source>
        <translation>Farbsichere Signale</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>cannot read the high scores from %1: %2; it is left alone and no scores are saved there</source>
        <translation>die Bestenliste in %1 ist nicht lesbar: %2; die Datei bleibt unberührt, und dort wird nichts gespeichert</translation>
    </message>
    <message>
        <source>The high scores cannot be kept.

%1 cannot be read: %2.
The game leaves it as it is and saves no scores there.</source>
        <translation>Die Bestenliste kann nicht geführt werden.

%1 ist nicht lesbar: %2.
Das Spiel lässt die Datei, wie sie ist, und speichert dort nichts.</translation>
    </message>
    <message>
        <source>cannot save the high scores to %1: %2</source>
        <translation>die Bestenliste kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1: %2.
They are kept while the game runs, and the next game over tries again.</source>
        <translation>Die Bestenliste konnte nicht gespeichert werden.

%1: %2.
Sie bleibt erhalten, solange das Spiel läuft, und beim nächsten Spielende gibt es einen neuen Versuch.</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>keine normale Datei, sondern ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe</source>
        <translation>keine normale Datei, sondern eine benannte Pipe</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>keine normale Datei, sondern ein Socket</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>keine normale Datei, sondern ein Gerät</translation>
    </message>
    <message>
        <source>not a regular file but something else</source>
        <translation>keine normale Datei, sondern etwas anderes</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist</source>
        <translation>ein symbolischer Link auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source> (replay)</source>
        <translation> (Wiederholung)</translation>
    </message>
    <message>
        <source>Vexel Replay</source>
        <translation>Vexel – Wiederholung</translation>
    </message>
    <message numerus="yes">
        <source>The replay is over.

Final score: %n point(s).</source>
        <translation>
            <numerusform>Die Wiederholung ist zu Ende.

Endstand: %n Punkt.</numerusform>
            <numerusform>Die Wiederholung ist zu Ende.

Endstand: %n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>

This replay does not play out as it was recorded:
%1</source>
        <translation>

Diese Wiederholung läuft anders ab als aufgezeichnet:
%1</translation>
    </message>
    <message>
        <source>the games before it drew more random numbers than a replay can skip</source>
        <translation>die Spiele davor zogen mehr Zufallszahlen, als eine Wiederholung überspringen kann</translation>
    </message>
    <message>
        <source>a key outside the codes a replay holds reached it</source>
        <translation>es bekam eine Taste, deren Code keine Wiederholung festhalten kann</translation>
    </message>
    <message>
        <source>it is longer than a replay can hold</source>
        <translation>es ist länger, als eine Wiederholung fassen kann</translation>
    </message>
    <message>
        <source>this game is not kept as a replay: %1</source>
        <translation>dieses Spiel wird nicht als Wiederholung gespeichert: %1</translation>
    </message>
    <message>
        <source>cannot save the replay to %1: %2</source>
        <translation>die Wiederholung kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>%1 does not match its recorded end: %2</source>
        <translation>%1 passt nicht zum aufgezeichneten Ende: %2</translation>
    </message>
    <message>
        <source>No game has been played yet, so there is no last game to watch.</source>
        <translation>Es wurde noch kein Spiel gespielt, also gibt es kein letztes Spiel zum Ansehen.</translation>
    </message>
    <message>
        <source>No 4-way record has been set yet, so there is no record game to watch.</source>
        <translation>Es gibt noch keinen Rekord auf 4 Seiten, also auch kein Rekordspiel zum Ansehen.</translation>
    </message>
    <message>
        <source>No 2-way record has been set yet, so there is no record game to watch.</source>
        <translation>Es gibt noch keinen Rekord auf 2 Seiten, also auch kein Rekordspiel zum Ansehen.</translation>
    </message>
    <message>
        <source>This replay cannot be watched.

File: %1
Reason: %2</source>
        <translation>Diese Wiederholung lässt sich nicht ansehen.

Datei: %1
Grund: %2</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>vexel: no sound, the game plays on silent: %1</source>
        <translation>vexel: kein Ton, das Spiel läuft lautlos weiter: %1</translation>
    </message>
    <message>
        <source>the sound device was lost</source>
        <translation>das Tongerät ist verloren gegangen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sound in the View menu plays the game&apos;s sounds, each shot heard from
where its gun stands; it is kept there too.
</source>
        <translation>Ton im Menü Ansicht spielt die Klänge des Spiels; jeder Schuss ist von dort zu
hören, wo seine Kanone steht. Auch diese Einstellung wird dort gespeichert.
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 is unset</source>
        <translation>%1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;</source>
        <translation>%1 ist „%2“</translation>
    </message>
    <message>
        <source> (no such platform)</source>
        <translation> (gibt es nicht)</translation>
    </message>
    <message>
        <source>no Qt platform could start</source>
        <translation>keine Qt-Plattform ließ sich starten</translation>
    </message>
    <message>
        <source>tried the Qt platform %1</source>
        <translation>versucht wurde die Qt-Plattform %1</translation>
    </message>
    <message>
        <source>; available: %1</source>
        <translation>; vorhanden: %1</translation>
    </message>
    <message>
        <source>cannot open a window: %1; %2 and %3: point one at a running display server, or choose another platform with -platform</source>
        <translation>kein Fenster möglich: %1; %2 und %3: eine davon auf einen laufenden Display-Server zeigen lassen oder mit -platform eine andere Plattform wählen</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>vexel: cannot keep the view settings in %1: %2</source>
        <translation>vexel: die Ansichtseinstellungen können nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
</TS>
