<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutVexel</name>
    <message>
        <source>About Vexel</source>
        <translation>À propos de Vexel</translation>
    </message>
    <message>
        <source>The Vexel icon</source>
        <translation>L&apos;icône de Vexel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>An arcade game for one player: dodge the bullets of 44 guns on an 11 by 11 board.</source>
        <translation>Un jeu d&apos;arcade pour un joueur&#xa0;: esquivez les balles de 44 canons sur un plateau de 11 × 11 cases.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>Runs with Qt %1 and SDL %2.</source>
        <translation>Fonctionne avec Qt %1 et SDL %2.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <extracomment>Who translated the game into this language, for the About box: &quot;German translation: NAME&quot;. English, the game&apos;s own language, shows nothing.</extracomment>
        <translation>Traduction française&#xa0;: les développeurs de Vexel</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Vexel Licence</source>
        <translation>Vexel – licence</translation>
    </message>
    <message>
        <source>The MIT licence</source>
        <translation>La licence MIT</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Vexel board</source>
        <translation>Plateau de Vexel</translation>
    </message>
    <message>
        <source>Score %1, level %2, running. Your square is in row %3, column %4.</source>
        <translation>Score %1, niveau %2, en cours. Votre case est à la ligne %3, colonne %4.</translation>
    </message>
    <message>
        <source>Score %1, level %2, paused. Your square is in row %3, column %4.</source>
        <translation>Score %1, niveau %2, en pause. Votre case est à la ligne %3, colonne %4.</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message numerus="yes">
        <source>Vexel: %n point(s)</source>
        <translation>
            <numerusform>Vexel&#xa0;: %n point</numerusform>
            <numerusform>Vexel&#xa0;: %n points</numerusform>
        </translation>
    </message>
    <message>
        <source> at Level %1</source>
        <translation>, niveau %1</translation>
    </message>
    <message numerus="yes">
        <source>Vexel: Paused (press Enter to play) with %n point(s)</source>
        <translation>
            <numerusform>Vexel&#xa0;: pause (Entrée pour jouer), %n point</numerusform>
            <numerusform>Vexel&#xa0;: pause (Entrée pour jouer), %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>option %1 needs a path</source>
        <translation>l&apos;option %1 demande un chemin</translation>
    </message>
    <message>
        <source>option %1 needs a number</source>
        <translation>l&apos;option %1 demande un nombre</translation>
    </message>
    <message>
        <source>invalid seed %1: expected a whole number from 0 to %2</source>
        <translation>graine %1 invalide&#xa0;: il faut un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>option %1 needs a replay file</source>
        <translation>l&apos;option %1 demande un fichier de replay</translation>
    </message>
    <message>
        <source>options &apos;--replay&apos; and &apos;--verify&apos; cannot be used together</source>
        <translation>les options &apos;--replay&apos; et &apos;--verify&apos; ne vont pas ensemble</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option &apos;--scores-file&apos; needs a file, not the folder %1 (for example %2)</source>
        <translation>l&apos;option &apos;--scores-file&apos; demande un fichier, pas le dossier %1 (par exemple %2)</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>Try &apos;vexel --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;vexel --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms
out, Ctrl+0 returns to the actual size, F11 switches full screen (F11
or Escape leaves it); Colour-Safe Signals adds marks to every colour
the game shows. The zoom and Colour-Safe Signals are kept in
  %1
</source>
        <translation>Menu Affichage&#xa0;: Ctrl++ (ou Ctrl+= et Ctrl+pavé numérique +) agrandit,
Ctrl+- réduit, Ctrl+0 revient à la taille réelle, F11 bascule en plein
écran (F11 ou Échap en sort)&#xa0;; Signaux adaptés aux daltoniens ajoute des
marques à chaque couleur du jeu. Le zoom et les Signaux adaptés aux
daltoniens sont conservés dans
  %1
</translation>
    </message>
    <message>
        <source>option &apos;--history&apos; cannot be used with &apos;--replay&apos; or &apos;--verify&apos;</source>
        <translation>l&apos;option &apos;--history&apos; ne va pas avec &apos;--replay&apos; ou &apos;--verify&apos;</translation>
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
Historique&#xa0;: chaque partie jouée, gardée dans history.sqlite près des records.
  --history           afficher les dix meilleures parties de chaque mode et les
                      totaux, puis quitter
  --replay game:N     regarder la partie N de l&apos;historique
  --verify game:N     vérifier la partie N de l&apos;historique comme --verify FILE
Le menu Historique montre chaque partie, les dix meilleures, les totaux et une
courbe de vos progrès, et rejoue n&apos;importe quelle partie.
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
        <translation>Utilisation&#xa0;: vexel [OPTION]...
Esquivez les balles de 44 canons sur un plateau de 11 × 11 cases.

Options&#xa0;:
  --scores-file CHEMIN  garder les records dans le fichier CHEMIN
                        (par défaut&#xa0;: %1)
  --seed N              tirer les nombres aléatoires des canons de la
                        graine N (0 à 4294967295&#xa0;; par défaut&#xa0;: %2)
  --no-auto-pause       continuer quand une autre fenêtre prend le focus,
                        quand la fenêtre est réduite ou quand le menu
                        Options, Affichage ou Aide s&apos;ouvre
  --replay FICHIER      regarder un replay&#xa0;: FICHIER est un chemin, ou
                        last, best-4way ou best-2way pour les replays
                        gardés à côté des records
  --verify FICHIER      jouer un replay sans fenêtre, afficher son
                        résultat sous la forme
                        &apos;score N, level L, 4-way, T ticks&apos; et sortir avec
                        0 s&apos;il correspond à la fin enregistrée, 1 sinon,
                        2 si FICHIER n&apos;est pas un replay lisible
  -h, --help            afficher cette aide et quitter
      --version         afficher la version et quitter
  --                    fin des options

Les options de la boîte à outils -platform, -style, -qwindowgeometry et
-display sont transmises avec leur valeur.

Touches&#xa0;: Entrée met en pause et reprend&#xa0;; les flèches déplacent le carré
vert&#xa0;; F10 ouvre les menus&#xa0;; Ctrl+Q quitte.
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
Manettes : la croix ou le stick gauche déplacent la case verte et parcourent
les menus ; A et Start valent Entrée, B vaut Échap, Back (Select) vaut F10.
Pour le nom du détenteur du record, haut et bas changent le caractère sous le
curseur, gauche et droite déplacent le curseur, A valide et B annule. Une
manette ne compte que tant que la fenêtre de Vexel est active ; la débrancher
met en pause une partie en cours.
</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>You lost!</source>
        <translation>Perdu&#xa0;!</translation>
    </message>
    <message>
        <source>You lost, but you have set a new high score! What is your name?</source>
        <translation>Perdu, mais vous battez le record&#xa0;! Quel est votre nom&#xa0;?</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Vexel</source>
        <translation>À propos de Vexel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>Vexel High Scores</source>
        <translation>Vexel – Records</translation>
    </message>
    <message>
        <source>The high scores are:

4-Way: %1 by %2
2-Way: %3 by %4</source>
        <translation>Les records&#xa0;:

4 côtés&#xa0;: %1 par %2
2 côtés&#xa0;: %3 par %4</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the file cannot be looked into</source>
        <translation>impossible de regarder dans le fichier</translation>
    </message>
    <message>
        <source>the history could not be brought up to date</source>
        <translation>l&apos;historique n&apos;a pas pu être mis à jour</translation>
    </message>
    <message>
        <source>the history went away while it was written</source>
        <translation>l&apos;historique a disparu pendant son écriture</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a history of this game.</source>
        <translation>%1 n&apos;est pas un historique de ce jeu.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 est endommagé.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 est endommagé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game.</source>
        <translation>%1 a été écrit par une version plus récente du jeu.</translation>
    </message>
    <message>
        <source>%1 may not be written.</source>
        <translation>%1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the history.

%1
The game goes on and the high scores are kept; the history file is left as it is.</source>
        <translation>Cette partie n&apos;a pas pu être ajoutée à l&apos;historique.

%1
Le jeu continue et les records sont conservés&#xa0;; le fichier d&apos;historique reste tel quel.</translation>
    </message>
    <message>
        <source>this game is not added to the history: %1</source>
        <translation>cette partie n&apos;est pas ajoutée à l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>the history cannot be read: %1</source>
        <translation>impossible de lire l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>2-way top ten</source>
        <translation>Les dix meilleures parties – 2 côtés</translation>
    </message>
    <message>
        <source>4-way top ten</source>
        <translation>Les dix meilleures parties – 4 côtés</translation>
    </message>
    <message>
        <source>%1. %2  level %3  %4  %5  game %6</source>
        <comment>one line of the top ten: rank, score, level, holder, date and time, game number</comment>
        <translation>%1. %2  niveau %3  %4  %5  partie %6</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>aucune partie pour l&apos;instant</translation>
    </message>
    <message>
        <source>Games played: %1, time played: %2</source>
        <translation>Parties jouées&#xa0;: %1, temps de jeu&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no game %1 in the history</source>
        <translation>il n&apos;y a pas de partie %1 dans l&apos;historique</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name a game of the history (game:N, N a whole number)</source>
        <translation>&apos;%1&apos; ne désigne aucune partie de l&apos;historique (game:N, N un nombre entier)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un lien vers rien</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its size does not fit its pages</source>
        <translation>sa taille ne correspond pas à ses pages</translation>
    </message>
    <message>
        <source>it is shorter than its pages</source>
        <translation>il est plus court que ses pages</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Top Ten, %1</source>
        <translation>Les dix meilleures parties, %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Average Score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Temps de jeu : %1</translation>
    </message>
    <message>
        <source>2-Way</source>
        <translation>2 côtés</translation>
    </message>
    <message>
        <source>4-Way</source>
        <translation>4 côtés</translation>
    </message>
    <message>
        <source>Vexel History</source>
        <translation>Vexel – Historique</translation>
    </message>
    <message>
        <source>Best Games</source>
        <translation>Meilleures parties</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>Save Replay As…</source>
        <translation>Enregistrer le replay sous…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Game %1 cannot be watched: %2</source>
        <translation>La partie %1 ne peut pas être regardée : %2</translation>
    </message>
    <message>
        <source>Game %1 has no replay to save.</source>
        <translation>La partie %1 n’a pas de replay à enregistrer.</translation>
    </message>
    <message>
        <source>Save Replay As</source>
        <translation>Enregistrer le replay sous</translation>
    </message>
    <message>
        <source>Vexel replays (*.vxr)</source>
        <translation>Replays Vexel (*.vxr)</translation>
    </message>
    <message>
        <source>The replay could not be saved to %1: %2</source>
        <translation>Le replay n’a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>The history cannot be shown.

%1</source>
        <translation>L’historique ne peut pas être affiché.

%1</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Aucune partie pour l’instant.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>2-Way games, best so far</source>
        <translation>Parties à 2 côtés, meilleur jusque-là</translation>
    </message>
    <message>
        <source>4-Way games, best so far</source>
        <translation>Parties à 4 côtés, meilleur jusque-là</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>How to Play Vexel</source>
        <translation>Comment jouer à Vexel</translation>
    </message>
    <message>
        <source>Keep the green square out of the way of the bullets that the 44 guns around the board fire across it: one hit ends the game. Every bullet that leaves the board on the far side scores a point, and the points raise the level from 1 to 12, each level making the guns fire more often.</source>
        <translation>Gardez le carré vert hors du chemin des balles que les 44 canons autour du plateau tirent à travers lui&#xa0;: un seul coup met fin à la partie. Chaque balle qui quitte le plateau de l&apos;autre côté rapporte un point, et les points font monter le niveau de 1 à 12, chaque niveau faisant tirer les canons plus souvent.</translation>
    </message>
    <message>
        <source>Keys and controller</source>
        <translation>Touches et manette</translation>
    </message>
    <message>
        <source>Keys and controller buttons</source>
        <translation>Touches et boutons de la manette</translation>
    </message>
    <message>
        <source>With a controller, in the record holder&apos;s name prompt up and down change the character, left and right move over the five places, A accepts and B cancels. Unplugging a controller pauses a running game.</source>
        <translation>Avec une manette, dans la demande du nom du détenteur d&apos;un record, haut et bas changent le caractère, gauche et droite passent d&apos;une des cinq places à l&apos;autre, A valide et B annule. Débrancher une manette met en pause une partie en cours.</translation>
    </message>
    <message>
        <source>The title bar</source>
        <translation>La barre de titre</translation>
    </message>
    <message>
        <source>The title bar tells the points: “%1” while you play, “%2” while the game is paused. With %3 the level follows the points: “%4”.</source>
        <translation>La barre de titre indique les points&#xa0;: «&#xa0;%1&#xa0;» pendant que vous jouez, «&#xa0;%2&#xa0;» quand la partie est en pause. Avec %3, le niveau suit les points&#xa0;: «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>%1: %2 marks in yellow the squares that bullets are crossing, %3 shows the level in the title bar, and with %4 only the left and right guns fire, at twice the rate.</source>
        <translation>%1&#xa0;: %2 marque en jaune les cases que traversent des balles, %3 affiche le niveau dans la barre de titre, et avec %4 seuls les canons de gauche et de droite tirent, deux fois plus souvent.</translation>
    </message>
    <message>
        <source>%1: the best score of each mode, four-way and two-way, with its holder&apos;s name.</source>
        <translation>%1&#xa0;: le meilleur score de chaque mode, quatre côtés et deux côtés, avec le nom de son détenteur.</translation>
    </message>
    <message>
        <source>%1: every game you have played, the top ten of each mode, a chart of your progress, and any game watched again.</source>
        <translation>%1&#xa0;: chaque partie que vous avez jouée, les dix meilleures de chaque mode, un graphique de vos progrès, et toute partie revue.</translation>
    </message>
    <message>
        <source>Where your games are kept</source>
        <translation>Où vos parties sont gardées</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Records&#xa0;:</translation>
    </message>
    <message>
        <source>Replays:</source>
        <translation>Replays&#xa0;:</translation>
    </message>
    <message>
        <source>History:</source>
        <translation>Historique&#xa0;:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Réglages&#xa0;:</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>A or Start</source>
        <translation>A ou Start</translation>
    </message>
    <message>
        <source>Pause or resume; a game starts paused</source>
        <translation>Mettre en pause ou reprendre&#xa0;; une partie commence en pause</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Croix directionnelle ou stick gauche</translation>
    </message>
    <message>
        <source>Move the green square one square, also while paused</source>
        <translation>Déplacer le carré vert d&apos;une case, même en pause</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <translation>Back (Select)</translation>
    </message>
    <message>
        <source>Open the menus: the arrows or the D-pad walk them, Enter or A chooses</source>
        <translation>Ouvrir les menus&#xa0;: les flèches ou la croix les parcourent, Entrée ou A choisit</translation>
    </message>
    <message>
        <source>Close a menu or a dialog; leave full screen</source>
        <translation>Fermer un menu ou une boîte de dialogue&#xa0;; quitter le plein écran</translation>
    </message>
    <message>
        <source>Show this window</source>
        <translation>Afficher cette fenêtre</translation>
    </message>
    <message>
        <source>Full screen on and off</source>
        <translation>Plein écran ou non</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Zoom in: a larger board</source>
        <translation>Zoom avant&#xa0;: un plateau plus grand</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Back to the actual size</source>
        <translation>Revenir à la taille réelle</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Ce qu&apos;elle fait</translation>
    </message>
    <message>
        <source>%1: %2, %3 and %4 size the board, %5 fills the screen with it, %6 tells every state by more than its colour, and Sound switches the sounds on and off, each gun heard from where it stands. The zoom, %6 and Sound are kept between runs.</source>
        <translation>%1&#xa0;: %2, %3 et %4 règlent la taille du plateau, %5 en remplit l&apos;écran, %6 montre chaque état par plus que sa couleur, et Son active ou coupe les sons, chaque canon entendu depuis sa place. Le zoom, %6 et Son sont gardés d&apos;une session à l&apos;autre.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Show Bad Squares?</source>
        <translation>Montrer les cases dangereuses&#xa0;?</translation>
    </message>
    <message>
        <source>Show Level?</source>
        <translation>Montrer le niveau&#xa0;?</translation>
    </message>
    <message>
        <source>2-Way?</source>
        <translation>2 côtés&#xa0;?</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Colour-Safe Signals</source>
        <translation>Signaux adaptés aux daltoniens</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>cannot read the high scores from %1: %2; it is left alone and no scores are saved there</source>
        <translation>impossible de lire les records dans %1&#xa0;: %2&#xa0;; le fichier reste tel quel et aucun score n&apos;y est enregistré</translation>
    </message>
    <message>
        <source>The high scores cannot be kept.

%1 cannot be read: %2.
The game leaves it as it is and saves no scores there.</source>
        <translation>Les records ne peuvent pas être conservés.

Impossible de lire %1&#xa0;: %2.
Le jeu laisse ce fichier tel quel et n&apos;y enregistre aucun score.</translation>
    </message>
    <message>
        <source>cannot save the high scores to %1: %2</source>
        <translation>impossible d&apos;enregistrer les records dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1: %2.
They are kept while the game runs, and the next game over tries again.</source>
        <translation>Les records n&apos;ont pas pu être enregistrés.

%1&#xa0;: %2.
Ils restent en mémoire tant que le jeu tourne, et la prochaine fin de partie réessaiera.</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un dossier</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un tube nommé</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais une socket</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un périphérique</translation>
    </message>
    <message>
        <source>not a regular file but something else</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais autre chose</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist</source>
        <translation>un lien symbolique vers un fichier qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire dans le dossier %1&#xa0;: %2</translation>
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
            <numerusform>Le replay est terminé.

Score final&#xa0;: %n point.</numerusform>
            <numerusform>Le replay est terminé.

Score final&#xa0;: %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>

This replay does not play out as it was recorded:
%1</source>
        <translation>

Ce replay ne se déroule pas comme il a été enregistré&#xa0;:
%1</translation>
    </message>
    <message>
        <source>the games before it drew more random numbers than a replay can skip</source>
        <translation>les parties précédentes ont tiré plus de nombres aléatoires qu&apos;un replay ne peut en sauter</translation>
    </message>
    <message>
        <source>a key outside the codes a replay holds reached it</source>
        <translation>elle a reçu une touche dont le code ne tient pas dans un replay</translation>
    </message>
    <message>
        <source>it is longer than a replay can hold</source>
        <translation>elle est trop longue pour tenir dans un replay</translation>
    </message>
    <message>
        <source>this game is not kept as a replay: %1</source>
        <translation>cette partie n&apos;est pas gardée en replay&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot save the replay to %1: %2</source>
        <translation>impossible d&apos;enregistrer le replay dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 does not match its recorded end: %2</source>
        <translation>%1 ne correspond pas à sa fin enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>No game has been played yet, so there is no last game to watch.</source>
        <translation>Aucune partie n&apos;a encore été jouée, il n&apos;y a donc pas de dernière partie à revoir.</translation>
    </message>
    <message>
        <source>No 4-way record has been set yet, so there is no record game to watch.</source>
        <translation>Aucun record 4 côtés n&apos;a encore été établi, il n&apos;y a donc pas de partie record à revoir.</translation>
    </message>
    <message>
        <source>No 2-way record has been set yet, so there is no record game to watch.</source>
        <translation>Aucun record 2 côtés n&apos;a encore été établi, il n&apos;y a donc pas de partie record à revoir.</translation>
    </message>
    <message>
        <source>This replay cannot be watched.

File: %1
Reason: %2</source>
        <translation>Impossible de regarder ce replay.

Fichier&#xa0;: %1
Raison&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>vexel: no sound, the game plays on silent: %1</source>
        <translation>vexel&#xa0;: pas de son, le jeu continue en silence&#xa0;: %1</translation>
    </message>
    <message>
        <source>the sound device was lost</source>
        <translation>le périphérique audio a été perdu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound in the View menu plays the game&apos;s sounds, each shot heard from
where its gun stands; it is kept there too.
</source>
        <translation>Son, dans le menu Affichage, joue les sons du jeu, chaque tir entendu depuis
l’endroit où se trouve son canon&#xa0;; ce réglage y est aussi conservé.
</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 is unset</source>
        <translation>%1 n&apos;est pas défini</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;</source>
        <translation>%1 vaut «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source> (no such platform)</source>
        <translation> (inexistante)</translation>
    </message>
    <message>
        <source>no Qt platform could start</source>
        <translation>aucune plate-forme Qt n&apos;a pu démarrer</translation>
    </message>
    <message>
        <source>tried the Qt platform %1</source>
        <translation>plate-forme Qt essayée&#xa0;: %1</translation>
    </message>
    <message>
        <source>; available: %1</source>
        <translation>&#xa0;; disponibles&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open a window: %1; %2 and %3: point one at a running display server, or choose another platform with -platform</source>
        <translation>impossible d&apos;ouvrir une fenêtre&#xa0;: %1&#xa0;; %2 et %3&#xa0;: faites pointer l&apos;une d&apos;elles vers un serveur d&apos;affichage actif, ou choisissez une autre plate-forme avec -platform</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>vexel: cannot keep the view settings in %1: %2</source>
        <translation>vexel&#xa0;: impossible de conserver les réglages d’affichage dans %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
