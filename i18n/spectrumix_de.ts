<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Ein Rätselspiel, das das Färben von Graphen lehrt. Ohne Optionen gestartet, öffnet es das Spiel.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Mehr unter „%1 --help“.</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>In die PDF-Datei DATEI ein Arbeitsblatt mit Rätseln zum Ausdrucken schreiben, ohne ein Fenster zu öffnen: jedes Rätsel mit seinen Kanten, seinem Code und einer Zeile für den Namen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>With --worksheet: how many puzzles, 1 to 60 (default 6).</source>
        <translation>Mit --worksheet: wie viele Rätsel, 1 bis 60 (Vorgabe 6).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Mit --worksheet: Rätsel je Seite, 1, 2, 4 oder 6 (Vorgabe 4). Größere Rätsel brauchen mehr Platz: Eine Seite fasst 6 Rätsel mit bis zu %1 Knoten, 4 mit bis zu %2 und 1 mit mehr.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Mit --worksheet: Knotenzahl jedes Rätsels, 6 bis 16, oder random für eine zufällige Zahl (Vorgabe 8).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Mit --worksheet: Farbenzahl jedes Rätsels, 2 bis 4, oder random für eine zufällige Zahl (Vorgabe 3).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Mit --worksheet: Lösungsseiten anhängen, auf denen jeder Knoten in seiner Farbe und mit der Nummer dieser Farbe steht (Vorgabe: keine Lösungen).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>Die Option „--%1“ gehört zu --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>Die Zahl der Rätsel muss 1 bis 60 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>Die Zahl der Rätsel je Seite muss 1, 2, 4 oder 6 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>Die Knotenzahl muss 6 bis 16 oder random sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>Die Farbenzahl muss 2 bis 4 oder random sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>Das Arbeitsblatt braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>Der Dateiname des Arbeitsblatts „%1“ beginnt mit „-“; als „./%1“ oder nach „--“ angeben.</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>Das Arbeitsblatt „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>ungefärbt</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>SpEcTrUmIx-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vor &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>SpEcTrUmIx-Hilfe - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>SpEcTrUmIx-Team  Dez. 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>Über SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 Das SpEcTrUmIx-Team</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>und alle Mitwirkenden</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Schreib uns über die Projektseite des Spiels.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Wer steckt dahinter?</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>Please, read readme.txt about usage</source>
        <translation>Bitte lies in readme.txt nach, wie es geht.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Klicke für Einzelheiten</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Entscheide dein Schicksal</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Klickst du „Ja“, zählt das Spiel als Par + 10,</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>und du schluckst die Kröte. Mit „Nein“ geht es</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>zurück ins Spiel. Das Leben ist hart. Du entscheidest.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Drei Fragezeichen</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>Du bist der Hammer!</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>Knoten %1 entfärbt, Kante aufgedeckt</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>Knoten %1 entfärbt</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>Züge %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, par %4</source>
        <translation>%1, %2, %3, Par %4</translation>
    </message>
    <message>
        <source>No puzzle yet: F2 makes one.</source>
        <translation>Noch kein Rätsel: F2 bringt eines.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Spiel vorbei: Züge %1, Par %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>Züge %1, Par %2, %3 von %4 Kanten bekannt, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Rätsel fortgesetzt: %1, Züge %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n Kante sichtbar</numerusform>
            <numerusform>%n Kanten sichtbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n Kante verdeckt</numerusform>
            <numerusform>%n Kanten verdeckt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vertices</source>
        <translation>
            <numerusform>%n Knoten</numerusform>
            <numerusform>%n Knoten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 Farben</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>%n Knoten übrig</numerusform>
            <numerusform>%n Knoten übrig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Um einen Knoten zu färben, klicke hier und dann auf den Knoten. Durch eine Kante verbundene Knoten dürfen nicht dieselbe Farbe haben.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Durch eine Kante verbundene Knoten dürfen nicht gleich gefärbt sein.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>Ziel ist es, alle Knoten in einer anderen Farbe als Schwarz zu färben.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>Das ist meine Lösung für den zugrunde liegenden Graphen.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Die Zahl der Kanten stimmt mit der Angabe überein.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>Farb&amp;marken</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>&amp;Farben für Farbenblinde</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>Die Knoten sind anfangs schwarz mit lila Rand</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Auflösen</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Beendet das Spiel und löst das Rätsel.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Par: </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Brauchst du zum Färben nicht mehr Klicks, als das Par angibt, ist dein Ergebnis hervorragend.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Denke nach...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Deine Züge:</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Anzahl der Klicks auf Knoten.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Kanten: </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>Die Anzahl der Kanten im Graphen.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Schnitt zu Par: 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>Wie weit du in den Spielen dieser Sitzung im Schnitt über oder unter Par liegst.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Kanten: %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Schnitt zu Par: %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>%1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Leistung...</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>Rätsel &amp;drucken...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>Rätsel&amp;code...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>Rätsel &amp;neu starten</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>Letztes &amp;Spiel ansehen...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Gut, aber...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>SpEcTrUmIx-Einstellungen</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Stufe um Stufe aufsteigen (Lernmodus)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Kanten zeigen</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Zufällige Farbenzahl</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Legt fest, wie viele Farben man zum Färben des Graphen braucht.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Zufällige Knotenzahl</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Schaltet beim Ankreuzen auch den Lernmodus aus</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Legt fest, wie viele Knoten der Graph hat.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>Zufällige Kantendichte</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Legt fest, wie viele Kanten der Graph hat.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Kurzinfos anzeigen</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Stoppuhr (noch nicht fertig)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Gegen den Rechner (noch nicht fertig)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Farbenzahl</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Knotenzahl</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>Kantendichte</translation>
    </message>
</context>
<context>
    <name>TOrbVertex1</name>
    <message>
        <source>Vertex, %1</source>
        <translation>Knoten, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a board vertex&apos;s number, then its color</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a board vertex&apos;s number, its color, then the vertices an edge joins it to</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>no edge known yet</source>
        <translation>noch keine Kante bekannt</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>joins %1</source>
        <translation>Nachbarn: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Lösungsknoten %1, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>Besser geht es nicht</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Stufe %1: %2 Knoten, %3 Farben, %4. Gespielt: %5, Par oder besser: %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 Farben</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>sichtbar</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Zeilen: Knoten. Zahlen: gespielte Spiele. Grün: meist Par oder besser. Gerahmt: die Stufe, die gerade geübt wird.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Ergebnis zu Par, das einzige Spiel der Stufe %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Wähle eine Stufe, um ihre Ergebnisse zu Par zu sehen.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>noch keine Spiele</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1 % Par oder besser</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Stufe %1: %2 Knoten, %3 Farben, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>Kanten sichtbar</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>Kanten verdeckt</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, aktuelle Stufe</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Noch keine Spiele der Stufe %1.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>Grüne Felder haben zusätzlich einen Haken.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 über Par</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 unter Par</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Letzte Spiele der gewählten Stufe</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Noch einmal</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, kein Code</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, Code %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Dieses Spiel ist älter als die Rätselcodes: Es lässt sich nicht noch einmal spielen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln Spiel</numerusform>
            <numerusform>%Ln Spiele</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Results against par, last %n games of level %1</source>
        <translation>
            <numerusform>Ergebnis zu Par, %n Spiel der Stufe %1</numerusform>
            <numerusform>Ergebnisse zu Par, die letzten %n Spiele der Stufe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Ansehen</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Stufe wählen</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Rang wählen</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>Kanten zeigen</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>Kanten verdecken</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Eigene Leistung und Leistung der Gruppe</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Nach Stufe</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Spiele auf Zeit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>Leistung in dieser Sitzung</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Spiele insgesamt: </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Par oder besser: </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Höchste Stufe: </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Schnitt zu Par: </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Im Verlauf speichern</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Deine Gesamtleistung</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Gesamtrang:</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Rang aus dem Internet</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Leistung der anderen</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Daten aus dem Internet</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>Deine laufende Sitzung</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Anzahl Knoten: </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Anzahl Farben: </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Gespielte Spiele: </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Daten der Stufe löschen</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Deine Leistung je Stufe</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Rang:</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Leistung der anderen je Stufe</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Bestzeit: </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Durchschnittszeit: </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Dein Verlauf je Stufe</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Bestzeit: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modus: </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>Das Spiel läuft ohne Internet: Zahlen und Ränge anderer Spieler gibt es nicht.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Jedes Spiel wird gleich bei seinem Ende in den Verlauf geschrieben.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Spiele lassen sich nicht in %1 speichern (%2); das Spiel läuft weiter.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>Der Verlauf %1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>Alle Spiele der Stufe %1 aus deinem Verlauf löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>Alle Spiele der Stufe %1 aus den Zahlen dieser Sitzung löschen?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>Der Verlauf ließ sich nicht neu schreiben (%1); nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Player rank</source>
        <translation>Rang</translation>
    </message>
</context>
<context>
    <name>TPrintPuzzlesDlg</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Rätsel je Seite</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Mit &amp;Lösungsseiten</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Nach den Rätseln kommt jedes Rätsel noch einmal, mit jedem Knoten in seiner Farbe und der Nummer dieser Farbe.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Rätsel:</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Rätsel je &amp;Seite:</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Knoten:</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Puzzles of more than %n vertices are printed fewer a page, so that no edge passes under a vertex.</source>
        <translation>
            <numerusform>Von Rätseln mit mehr als %n Knoten passen weniger auf eine Seite, damit keine Kante unter einem Knoten verläuft.</numerusform>
            <numerusform>Von Rätseln mit mehr als %n Knoten passen weniger auf eine Seite, damit keine Kante unter einem Knoten verläuft.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRatingDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>Klasse! Diese Stufe hast du offenbar im Griff. Möchtest du zur nächsten Stufe weitergehen?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>Ein perfektes Spiel! Klasse. Für den Aufstieg brauchst du zwei perfekte Spiele hintereinander.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>Klasse gemacht!</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>Hast du eine Methode? Glaubst du, sie klappt auch bei anderen Graphen mit anderer Knotenzahl und anderer Kantenzahl?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Für den Aufstieg brauchst du 3 hervorragende Spiele hintereinander. Bisher hast du %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Diese Stufe hast du offenbar im Griff: drei hervorragende Spiele hintereinander. Möchtest du zur nächsten Stufe aufsteigen?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Zum Aufsteigen musst du die Rätsel mit höchstens so vielen Klicks auf die Knoten lösen, wie das Par angibt. Mit sichtbaren Kanten genügt dafür ein Spiel mit Par, mit verdeckten Kanten brauchst du drei Spiele mit Par oder besser hintereinander.</translation>
    </message>
    <message>
        <source>EXCELLENT</source>
        <translation>HERVORRAGEND</translation>
    </message>
    <message>
        <source>NOT BAD</source>
        <translation>NICHT ÜBEL</translation>
    </message>
    <message>
        <source>PERFECT</source>
        <translation>PERFEKT</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Deine Züge: %1, Par %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>Eins mehr</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Eins weniger</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Rätsel %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Mit %1 Farben ausmalen</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>SpEcTrUmIx-Arbeitsblatt</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>Keine normale Datei und keine Pipe</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Alle Knoten färben</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Rätsel gelöst</translation>
    </message>
    <message>
        <source>SpEcTrUmIx</source>
        <translation>SpEcTrUmIx</translation>
    </message>
</context>
<context>
    <name>TPuzzleCodeBox</name>
    <message>
        <source>Puzzle Code</source>
        <translation>Rätselcode</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>Code &amp;dieses Rätsels:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Rätsel nach &amp;Code spielen:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Noch kein Rätsel</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Code dieses Rätsels</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Code zum Spielen</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>In Codes kommt „%1“ nie vor: Prüfe dieses Zeichen.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Dieser Code ist zu kurz: Ein Code hat zehn Zeichen.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Dieser Code ist zu lang: Ein Code hat zehn Zeichen.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Dieser Code stammt aus einer neueren Version des Spiels, oder sein erstes Zeichen ist vertippt.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Ein Zeichen ist vertippt oder zwei sind vertauscht: Vergleiche den Code mit dem Blatt.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Dieser Code ergibt kein Rätsel: Vergleiche ihn mit dem Blatt.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Ein Rätsel mit %1 Knoten und %2 Farben, Kanten sichtbar. Drücke „Spielen“.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Ein Rätsel mit %1 Knoten und %2 Farben, Kanten verdeckt. Drücke „Spielen“.</translation>
    </message>
    <message>
        <source>Code %1 copied.</source>
        <translation>Code %1 kopiert.</translation>
    </message>
</context>
<context>
    <name>TReviewWindow</name>
    <message>
        <source>Your last position</source>
        <translation>Deine letzte Stellung</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>Die Lösung des Spiels</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Spielrückblick</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Züge des Spiels</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%n clicks, par %1</source>
        <translation>
            <numerusform>%n Zug, Par %1</numerusform>
            <numerusform>%n Züge, Par %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n painted</source>
        <translation>
            <numerusform>%n Knoten gefärbt</numerusform>
            <numerusform>%n Knoten gefärbt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clashes on edges you could see</source>
        <translation>
            <numerusform>%n Konflikt an einer Kante, die du sehen konntest</numerusform>
            <numerusform>%n Konflikte an Kanten, die du sehen konntest</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n verdeckte Kante gefunden</numerusform>
            <numerusform>%n verdeckte Kanten gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repaints</source>
        <translation>
            <numerusform>%n Umfärbung</numerusform>
            <numerusform>%n Umfärbungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No vertex was painted in this game.</source>
        <translation>In diesem Spiel wurde kein Knoten gefärbt.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Jeder Zug hat einen Knoten gefärbt: Keiner war ein Konflikt oder eine Umfärbung.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n Konflikt war an einer Kante, die schon zu sehen war: Schau dir die Nachbarn eines Knotens an, bevor du ihn färbst.</numerusform>
            <numerusform>%n Konflikte waren an Kanten, die schon zu sehen waren: Schau dir die Nachbarn eines Knotens an, bevor du ihn färbst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n Zug hat einen Knoten noch einmal gefärbt: Wähle seine Farbe nur einmal und schau dabei auf die Farben seiner Nachbarn.</numerusform>
            <numerusform>%n Züge haben einen Knoten noch einmal gefärbt: Wähle seine Farbe nur einmal und schau dabei auf die Farben seiner Nachbarn.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Jeder Konflikt hat eine verdeckte Kante gefunden: Das ist der Preis fürs Erkunden.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Zug %1: Knoten %2 %3 gefärbt</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Zug %1: Knoten %2 umgefärbt, vorher %3, jetzt %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>Konflikt mit %1 an einer Kante, die du sehen konntest</numerusform>
            <numerusform>Konflikt mit %1 an Kanten, die du sehen konntest</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>verdeckte Kante %1 gefunden</numerusform>
            <numerusform>verdeckte Kanten %1 gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Zug %1: Knoten %2 %3, %4; %5 entfärbt</numerusform>
            <numerusform>Zug %1: Knoten %2 %3, %4; %5 entfärbt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1; Rätsel gelöst</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Vor dem ersten Zug: alle Kanten verdeckt</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Vor dem ersten Zug: %n Kante sichtbar</numerusform>
            <numerusform>Vor dem ersten Zug: %n Kanten sichtbar</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>Die Lösung des Spiels: %1</translation>
    </message>
</context>
</TS>
