<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutVexel</name>
    <message>
        <source>About Vexel</source>
        <translation>O grze Vexel</translation>
    </message>
    <message>
        <source>The Vexel icon</source>
        <translation>Ikona gry Vexel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board.</source>
        <translation>Gra zręcznościowa dla jednego gracza: unikaj pocisków 44 dział na planszy 11 × 11 pól.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Wolne oprogramowanie na licencji MIT.</translation>
    </message>
    <message>
        <source>Runs with Qt %1 and SDL %2.</source>
        <translation>Działa z Qt %1 i SDL %2.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <extracomment>Who translated the game into this language, for the About box: &quot;German translation: NAME&quot;. English, the game&apos;s own language, shows nothing.</extracomment>
        <translation>Polskie tłumaczenie: twórcy gry Vexel</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>Vexel Licence</source>
        <translation>Vexel – licencja</translation>
    </message>
    <message>
        <source>The MIT licence</source>
        <translation>Licencja MIT</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Vexel board</source>
        <translation>Plansza Vexel</translation>
    </message>
    <message>
        <source>Score %1, level %2, running. Your square is in row %3, column %4.</source>
        <translation>Punkty: %1, poziom %2, gra trwa. Twoje pole jest w wierszu %3, kolumnie %4.</translation>
    </message>
    <message>
        <source>Score %1, level %2, paused. Your square is in row %3, column %4.</source>
        <translation>Punkty: %1, poziom %2, pauza. Twoje pole jest w wierszu %3, kolumnie %4.</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message numerus="yes">
        <source>Vexel: %n point(s)</source>
        <translation>
            <numerusform>Vexel: %n punkt</numerusform>
            <numerusform>Vexel: %n punkty</numerusform>
            <numerusform>Vexel: %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source> at Level %1</source>
        <translation>, poziom %1</translation>
    </message>
    <message numerus="yes">
        <source>Vexel: Paused (press Enter to play) with %n point(s)</source>
        <translation>
            <numerusform>Vexel: pauza (Enter – graj), %n punkt</numerusform>
            <numerusform>Vexel: pauza (Enter – graj), %n punkty</numerusform>
            <numerusform>Vexel: pauza (Enter – graj), %n punktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>option %1 needs a path</source>
        <translation>opcja %1 wymaga ścieżki</translation>
    </message>
    <message>
        <source>option %1 needs a number</source>
        <translation>opcja %1 wymaga liczby</translation>
    </message>
    <message>
        <source>invalid seed %1: expected a whole number from 0 to %2</source>
        <translation>nieprawidłowe ziarno %1: oczekiwano liczby całkowitej od 0 do %2</translation>
    </message>
    <message>
        <source>option %1 needs a replay file</source>
        <translation>opcja %1 wymaga pliku powtórki</translation>
    </message>
    <message>
        <source>options &apos;--replay&apos; and &apos;--verify&apos; cannot be used together</source>
        <translation>opcji &apos;--replay&apos; i &apos;--verify&apos; nie można używać razem</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>option &apos;--scores-file&apos; needs a file, not the folder %1 (for example %2)</source>
        <translation>opcja &apos;--scores-file&apos; wymaga pliku, a nie folderu %1 (na przykład %2)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>opcja %1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>Try &apos;vexel --help&apos; for more information.</source>
        <translation>Więcej informacji: &apos;vexel --help&apos;.</translation>
    </message>
    <message>
        <source>View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms
out, Ctrl+0 returns to the actual size, F11 switches full screen (F11
or Escape leaves it); Colour-Safe Signals adds marks to every colour
the game shows. The zoom and Colour-Safe Signals are kept in
  %1
</source>
        <translation>Menu Widok: Ctrl++ (także Ctrl+= i Ctrl++ na klawiaturze numerycznej)
powiększa, Ctrl+- pomniejsza, Ctrl+0 przywraca rzeczywisty rozmiar, F11
przełącza pełny ekran (F11 lub Esc go opuszcza); Sygnały dla daltonistów
dodają znaczniki do każdego koloru w grze. Powiększenie i Sygnały dla
daltonistów są zapisywane w
  %1
</translation>
    </message>
    <message>
        <source>option &apos;--history&apos; cannot be used with &apos;--replay&apos; or &apos;--verify&apos;</source>
        <translation>opcji &apos;--history&apos; nie można używać z &apos;--replay&apos; ani &apos;--verify&apos;</translation>
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
Historia: każda rozegrana gra, przechowywana w history.sqlite obok rekordów.
  --history           wypisać najlepszą dziesiątkę każdego trybu i podsumowanie,
                      po czym zakończyć
  --replay game:N     obejrzeć grę N z historii
  --verify game:N     sprawdzić grę N z historii tak jak --verify FILE
Menu Historia pokazuje każdą grę, najlepsze dziesiątki, podsumowanie i wykres
postępów oraz odtwarza dowolną grę ponownie.
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
        <translation>Użycie: vexel [OPCJA]...
Unikaj pocisków 44 dział na planszy 11 × 11 pól.

Opcje:
  --scores-file ŚCIEŻKA  trzymaj rekordy w pliku ŚCIEŻKA
                         (domyślnie: %1)
  --seed N               losuj liczby dla dział z ziarna N
                         (od 0 do 4294967295; domyślnie: %2)
  --no-auto-pause        graj dalej, gdy inne okno przejmie fokus, okno
                         zostanie zminimalizowane lub otworzy się menu
                         Opcje, Widok lub Pomoc
  --replay PLIK          obejrzyj powtórkę: PLIK to ścieżka albo last,
                         best-4way lub best-2way dla powtórek trzymanych
                         obok rekordów
  --verify PLIK          rozegraj powtórkę bez okna, wypisz jej wynik jako
                         &apos;score N, level L, 4-way, T ticks&apos; i zakończ
                         z kodem 0, gdy zgadza się z nagranym końcem, 1,
                         gdy nie, oraz 2, gdy PLIK nie jest czytelną
                         powtórką
  -h, --help             pokaż tę pomoc i zakończ
      --version          pokaż wersję i zakończ
  --                     koniec opcji

Opcje biblioteki Qt -platform, -style, -qwindowgeometry i -display są
przekazywane dalej wraz z wartością.

Klawisze: Enter wstrzymuje i wznawia grę; strzałki przesuwają zielone
pole; F10 otwiera menu; Ctrl+Q kończy.
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
Kontrolery: krzyżak lub lewa gałka przesuwają zielone pole i prowadzą po
menu; A i Start to Enter, B to Escape, Back (Select) to F10. W imieniu
rekordzisty góra i dół zmieniają znak pod kursorem, lewo i prawo przesuwają
kursor, A zatwierdza, a B anuluje. Kontroler działa tylko wtedy, gdy okno
Vexela jest aktywne; odłączenie go wstrzymuje trwającą grę.
</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>You lost!</source>
        <translation>Przegrana!</translation>
    </message>
    <message>
        <source>You lost, but you have set a new high score! What is your name?</source>
        <translation>Przegrana, ale to nowy rekord! Jak się nazywasz?</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About Vexel</source>
        <translation>O grze Vexel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Vexel High Scores</source>
        <translation>Vexel – rekordy</translation>
    </message>
    <message>
        <source>The high scores are:

4-Way: %1 by %2
2-Way: %3 by %4</source>
        <translation>Rekordy:

4 strony: %1 – %2
2 strony: %3 – %4</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the file cannot be looked into</source>
        <translation>nie można zajrzeć do pliku</translation>
    </message>
    <message>
        <source>the history could not be brought up to date</source>
        <translation>nie udało się zaktualizować historii</translation>
    </message>
    <message>
        <source>the history went away while it was written</source>
        <translation>historia zniknęła w trakcie zapisu</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a history of this game.</source>
        <translation>%1 nie jest historią tej gry.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>Plik %1 jest uszkodzony.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>Plik %1 jest uszkodzony: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game.</source>
        <translation>Plik %1 został zapisany przez nowszą wersję gry.</translation>
    </message>
    <message>
        <source>%1 may not be written.</source>
        <translation>Do pliku %1 nie wolno zapisywać.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Nie udało się zapisać %1: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the history.

%1
The game goes on and the high scores are kept; the history file is left as it is.</source>
        <translation>Nie udało się dodać tej gry do historii.

%1
Gra toczy się dalej, a rekordy są zachowane; plik historii pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>this game is not added to the history: %1</source>
        <translation>ta gra nie zostaje dodana do historii: %1</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>nie można odczytać historii: %1</translation>
    </message>
    <message>
        <source>2-way top ten</source>
        <translation>Najlepsza dziesiątka – 2 strony</translation>
    </message>
    <message>
        <source>4-way top ten</source>
        <translation>Najlepsza dziesiątka – 4 strony</translation>
    </message>
    <message>
        <source>%1. %2  level %3  %4  %5  game %6</source>
        <comment>one line of the top ten: rank, score, level, holder, date and time, game number</comment>
        <translation>%1. %2  poziom %3  %4  %5  gra %6</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>jeszcze nie ma gier</translation>
    </message>
    <message>
        <source>Games played: %1, time played: %2</source>
        <translation>Rozegrane gry: %1, czas gry: %2</translation>
    </message>
    <message>
        <source>there is no game %1 in the history</source>
        <translation>w historii nie ma gry %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name a game of the history (game:N, N a whole number)</source>
        <translation>&apos;%1&apos; nie wskazuje gry z historii (game:N, N to liczba całkowita)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>dowiązanie donikąd</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>its size does not fit its pages</source>
        <translation>jego rozmiar nie pasuje do stron</translation>
    </message>
    <message>
        <source>it is shorter than its pages</source>
        <translation>jest krótszy niż jego strony</translation>
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
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>Top Ten, %1</source>
        <translation>Najlepsza dziesiątka, %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Najlepszy wynik</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Średni wynik</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Czas gry: %1</translation>
    </message>
    <message>
        <source>2-Way</source>
        <translation>2 strony</translation>
    </message>
    <message>
        <source>4-Way</source>
        <translation>4 strony</translation>
    </message>
    <message>
        <source>Vexel History</source>
        <translation>Vexel – historia</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Najlepsze gry</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Wszystkie gry</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Obejrzyj</translation>
    </message>
    <message>
        <source>Save Replay As…</source>
        <translation>Zapisz powtórkę jako…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Game %1 cannot be watched: %2</source>
        <translation>Gry %1 nie da się obejrzeć: %2</translation>
    </message>
    <message>
        <source>Game %1 has no replay to save.</source>
        <translation>Gra %1 nie ma powtórki do zapisania.</translation>
    </message>
    <message>
        <source>Save Replay As</source>
        <translation>Zapisz powtórkę jako</translation>
    </message>
    <message>
        <source>Vexel replays (*.vxr)</source>
        <translation>Powtórki Vexel (*.vxr)</translation>
    </message>
    <message>
        <source>The replay could not be saved to %1: %2</source>
        <translation>Nie udało się zapisać powtórki w %1: %2</translation>
    </message>
    <message>
        <source>The history cannot be shown.

%1</source>
        <translation>Nie można pokazać historii.

%1</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Jeszcze nie ma gier.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>2-Way games, best so far</source>
        <translation>Gry na 2 strony, najlepszy dotąd</translation>
    </message>
    <message>
        <source>4-Way games, best so far</source>
        <translation>Gry na 4 strony, najlepszy dotąd</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to Play Vexel</source>
        <translation>Jak grać w Vexel</translation>
    </message>
    <message>
        <source>Keep the green square out of the way of the bullets that the 44 guns around the board fire across it: one hit ends the game. Every bullet that leaves the board on the far side scores a point, and the points raise the level from 1 to 12, each level making the guns fire more often.</source>
        <translation>Trzymaj zielony kwadrat z dala od pocisków, którymi 44 działa wokół planszy strzelają przez nią: jedno trafienie kończy grę. Każdy pocisk, który opuści planszę po drugiej stronie, daje punkt, a punkty podnoszą poziom od 1 do 12; z każdym poziomem działa strzelają częściej.</translation>
    </message>
    <message>
        <source>Keys and controller</source>
        <translation>Klawisze i kontroler</translation>
    </message>
    <message>
        <source>Keys and controller buttons</source>
        <translation>Klawisze i przyciski kontrolera</translation>
    </message>
    <message>
        <source>With a controller, in the record holder&apos;s name prompt up and down change the character, left and right move over the five places, A accepts and B cancels. Unplugging a controller pauses a running game.</source>
        <translation>Z kontrolerem w pytaniu o imię zdobywcy rekordu góra i dół zmieniają znak, lewo i prawo przechodzą między pięcioma miejscami, A zatwierdza, a B anuluje. Odłączenie kontrolera wstrzymuje trwającą grę.</translation>
    </message>
    <message>
        <source>The title bar</source>
        <translation>Pasek tytułu</translation>
    </message>
    <message>
        <source>The title bar tells the points: “%1” while you play, “%2” while the game is paused. With %3 the level follows the points: “%4”.</source>
        <translation>Pasek tytułu pokazuje punkty: „%1” w trakcie gry, „%2”, gdy gra jest wstrzymana. Z opcją %3 po punktach widać poziom: „%4”.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the title bar, and with %4 only the left and right guns fire, at twice the rate.</source>
        <translation>%1: %2 zaznacza na żółto pola, przez które lecą pociski, %3 pokazuje poziom na pasku tytułu, a przy %4 strzelają tylko działa z lewej i prawej, dwa razy częściej.</translation>
    </message>
    <message>
        <source>%1: the best score of each mode, four-way and two-way, with its holder&apos;s name.</source>
        <translation>%1: najlepszy wynik każdego trybu, na cztery i na dwie strony, z imieniem jego zdobywcy.</translation>
    </message>
    <message>
        <source>%1: every game you have played, the top ten of each mode, a chart of your progress, and any game watched again.</source>
        <translation>%1: każda rozegrana gra, dziesięć najlepszych w każdym trybie, wykres twoich postępów i dowolna gra obejrzana ponownie.</translation>
    </message>
    <message>
        <source>Where your games are kept</source>
        <translation>Gdzie są zapisywane twoje gry</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Rekordy:</translation>
    </message>
    <message>
        <source>Replays:</source>
        <translation>Powtórki:</translation>
    </message>
    <message>
        <source>History:</source>
        <translation>Historia:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ustawienia:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>A or Start</source>
        <translation>A lub Start</translation>
    </message>
    <message>
        <source>Pause or resume; a game starts paused</source>
        <translation>Wstrzymaj lub wznów; gra zaczyna się od pauzy</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Krzyżak lub lewa gałka</translation>
    </message>
    <message>
        <source>Move the green square one square, also while paused</source>
        <translation>Przesuń zielony kwadrat o jedno pole, także w pauzie</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <translation>Back (Select)</translation>
    </message>
    <message>
        <source>Open the menus: the arrows or the D-pad walk them, Enter or A chooses</source>
        <translation>Otwórz menu: strzałki lub krzyżak chodzą po nich, Enter lub A wybiera</translation>
    </message>
    <message>
        <source>Close a menu or a dialog; leave full screen</source>
        <translation>Zamknij menu lub okno dialogowe; wyjdź z pełnego ekranu</translation>
    </message>
    <message>
        <source>Show this window</source>
        <translation>Pokaż to okno</translation>
    </message>
    <message>
        <source>Full screen on and off</source>
        <translation>Pełny ekran włącz i wyłącz</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>Zoom in: a larger board</source>
        <translation>Powiększ: większa plansza</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Back to the actual size</source>
        <translation>Wróć do rzeczywistego rozmiaru</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Kontroler</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Co robi</translation>
    </message>
    <message>
        <source>%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by more than its colour, and Sound switches the sounds on and off, each gun heard from where it stands. The zoom, %6 and Sound are kept between runs.</source>
        <translation>%1: %2, %3 i %4 zmieniają rozmiar planszy, %5 wypełnia nią ekran, %6 pokazuje każdy stan czymś więcej niż kolorem, a Dźwięk włącza i wyłącza dźwięki, każde działo słychać tam, gdzie stoi. Powiększenie, %6 i Dźwięk są zachowywane między uruchomieniami.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Show Bad Squares?</source>
        <translation>Pokazać groźne pola?</translation>
    </message>
    <message>
        <source>Show Level?</source>
        <translation>Pokazać poziom?</translation>
    </message>
    <message>
        <source>2-Way?</source>
        <translation>Tylko 2 strony?</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Colour-Safe Signals</source>
        <translation>Sygnały dla daltonistów</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>cannot read the high scores from %1: %2; it is left alone and no scores are saved there</source>
        <translation>nie można odczytać rekordów z %1: %2; plik zostaje bez zmian i nic się w nim nie zapisuje</translation>
    </message>
    <message>
        <source>The high scores cannot be kept.

%1 cannot be read: %2.
The game leaves it as it is and saves no scores there.</source>
        <translation>Nie można przechować rekordów.

Nie można odczytać %1: %2.
Gra zostawia ten plik bez zmian i nic w nim nie zapisuje.</translation>
    </message>
    <message>
        <source>cannot save the high scores to %1: %2</source>
        <translation>nie można zapisać rekordów w %1: %2</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1: %2.
They are kept while the game runs, and the next game over tries again.</source>
        <translation>Nie udało się zapisać rekordów.

%1: %2.
Zostają w pamięci, dopóki gra działa, a przy końcu następnej gry nastąpi kolejna próba.</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>to nie zwykły plik, lecz folder</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe</source>
        <translation>to nie zwykły plik, lecz nazwany potok</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>to nie zwykły plik, lecz gniazdo</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>to nie zwykły plik, lecz urządzenie</translation>
    </message>
    <message>
        <source>not a regular file but something else</source>
        <translation>to nie zwykły plik, lecz coś innego</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist</source>
        <translation>dowiązanie symboliczne do nieistniejącego pliku</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>nie można zapisywać w folderze %1: %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source> (replay)</source>
        <translation> (powtórka)</translation>
    </message>
    <message>
        <source>Vexel Replay</source>
        <translation>Vexel – powtórka</translation>
    </message>
    <message numerus="yes">
        <source>The replay is over.

Final score: %n point(s).</source>
        <translation>
            <numerusform>Powtórka zakończona.

Wynik końcowy: %n punkt.</numerusform>
            <numerusform>Powtórka zakończona.

Wynik końcowy: %n punkty.</numerusform>
            <numerusform>Powtórka zakończona.

Wynik końcowy: %n punktów.</numerusform>
        </translation>
    </message>
    <message>
        <source>

This replay does not play out as it was recorded:
%1</source>
        <translation>

Ta powtórka nie przebiega tak, jak ją nagrano:
%1</translation>
    </message>
    <message>
        <source>the games before it drew more random numbers than a replay can skip</source>
        <translation>wcześniejsze gry wylosowały więcej liczb, niż powtórka może pominąć</translation>
    </message>
    <message>
        <source>a key outside the codes a replay holds reached it</source>
        <translation>dotarł do niej klawisz, którego kodu powtórka nie mieści</translation>
    </message>
    <message>
        <source>it is longer than a replay can hold</source>
        <translation>jest dłuższa, niż zmieści powtórka</translation>
    </message>
    <message>
        <source>this game is not kept as a replay: %1</source>
        <translation>ta gra nie zostanie zachowana jako powtórka: %1</translation>
    </message>
    <message>
        <source>cannot save the replay to %1: %2</source>
        <translation>nie można zapisać powtórki w %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1 does not match its recorded end: %2</source>
        <translation>%1 nie zgadza się z nagranym zakończeniem: %2</translation>
    </message>
    <message>
        <source>No game has been played yet, so there is no last game to watch.</source>
        <translation>Nie rozegrano jeszcze żadnej gry, więc nie ma ostatniej gry do obejrzenia.</translation>
    </message>
    <message>
        <source>No 4-way record has been set yet, so there is no record game to watch.</source>
        <translation>Nie ma jeszcze rekordu na 4 strony, więc nie ma rekordowej gry do obejrzenia.</translation>
    </message>
    <message>
        <source>No 2-way record has been set yet, so there is no record game to watch.</source>
        <translation>Nie ma jeszcze rekordu na 2 strony, więc nie ma rekordowej gry do obejrzenia.</translation>
    </message>
    <message>
        <source>This replay cannot be watched.

File: %1
Reason: %2</source>
        <translation>Nie można obejrzeć tej powtórki.

Plik: %1
Powód: %2</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>nie można utworzyć folderu %1: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>vexel: no sound, the game plays on silent: %1</source>
        <translation>vexel: brak dźwięku, gra toczy się dalej bez niego: %1</translation>
    </message>
    <message>
        <source>the sound device was lost</source>
        <translation>utracono urządzenie dźwiękowe</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Sound in the View menu plays the game&apos;s sounds, each shot heard from
where its gun stands; it is kept there too.
</source>
        <translation>Dźwięk w menu Widok odtwarza dźwięki gry, każdy strzał słychać stamtąd,
gdzie stoi jego działo; to ustawienie również jest tam zapisywane.
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 is unset</source>
        <translation>zmienna %1 nie jest ustawiona</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;</source>
        <translation>%1 ma wartość „%2”</translation>
    </message>
    <message>
        <source> (no such platform)</source>
        <translation> (nie ma takiej)</translation>
    </message>
    <message>
        <source>no Qt platform could start</source>
        <translation>żadna platforma Qt nie wystartowała</translation>
    </message>
    <message>
        <source>tried the Qt platform %1</source>
        <translation>próbowano platformy Qt %1</translation>
    </message>
    <message>
        <source>; available: %1</source>
        <translation>; dostępne: %1</translation>
    </message>
    <message>
        <source>cannot open a window: %1; %2 and %3: point one at a running display server, or choose another platform with -platform</source>
        <translation>nie można otworzyć okna: %1; %2 i %3: wskaż w jednej z nich działający serwer wyświetlania albo wybierz inną platformę opcją -platform</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>vexel: cannot keep the view settings in %1: %2</source>
        <translation>vexel: nie można zapisać ustawień widoku w %1: %2</translation>
    </message>
</context>
</TS>
