<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Un rompicapo che insegna a colorare i grafi. Avviato senza opzioni, apre il gioco.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questa guida ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Prova «%1 --help».</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>Scrive nel file PDF FILE una scheda di rompicapo da stampare, senza aprire finestre: ogni rompicapo con i suoi lati, il suo codice e una riga per il nome.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
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
        <translation>Con --worksheet: quanti rompicapo, da 1 a 60 (predefinito: 6).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Con --worksheet: rompicapo per pagina, 1, 2, 4 o 6 (predefinito: 4). I rompicapo più grandi richiedono più spazio: una pagina contiene 6 rompicapo fino a %1 vertici, 4 fino a %2 e 1 se ne hanno di più.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Con --worksheet: vertici di ogni rompicapo, da 6 a 16, oppure random per averli a caso (predefinito: 8).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Con --worksheet: colori di ogni rompicapo, da 2 a 4, oppure random per averli a caso (predefinito: 3).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Con --worksheet: aggiunge le pagine delle soluzioni, con ogni vertice del suo colore e con il numero di quel colore (predefinito: senza soluzioni).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>L&apos;opzione «--%1» va usata con --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>Il numero di rompicapo deve essere tra 1 e 60, non «%1».</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>I rompicapo per pagina devono essere 1, 2, 4 o 6, non «%1».</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>Il numero di vertici deve essere tra 6 e 16 oppure random, non «%1».</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>Il numero di colori deve essere tra 2 e 4 oppure random, non «%1».</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>Per la scheda serve un nome di file.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>Il nome di file della scheda «%1» inizia con «-»; scrivilo come «./%1» o mettilo dopo «--».</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>Impossibile scrivere la scheda «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>senza colore</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>Guida di SpEcTrUmIx</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; In&amp;dietro</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>Guida di SpEcTrUmIx - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>Team SpEcTrUmIx  dic. 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>Informazioni su SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 Il team di SpEcTrUmIx</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>e tutti i collaboratori</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Scrivici dalla pagina del progetto del gioco.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Conosci il team</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>Please, read readme.txt about usage</source>
        <translation>Per favore, leggi readme.txt per sapere come si usa.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Clicca per i dettagli</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Decidi il tuo destino</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Se clicchi «Sì», ti tocca un punteggio di par + 10</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>e devi ingoiare il rospo. Con «No» torni</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>alla partita in corso. La vita è dura. Decidi tu.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Tre punti interrogativi</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>Sei un mito!</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>vertice %1 svuotato, lato rivelato</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>vertice %1 svuotato</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>punteggio %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, par %4</source>
        <translation>%1, %2, %3, par %4</translation>
    </message>
    <message>
        <source>No puzzle yet: F2 makes one.</source>
        <translation>Ancora nessun rompicapo: F2 ne crea uno.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Partita finita: punteggio %1, par %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>punteggio %1, par %2, lati noti: %3 su %4, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Rompicapo ripreso: %1, punteggio %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n lato visibile</numerusform>
            <numerusform>%n lati visibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n lato nascosto</numerusform>
            <numerusform>%n lati nascosti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vertices</source>
        <translation>
            <numerusform>%n vertice</numerusform>
            <numerusform>%n vertici</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 colori</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>manca %n vertice</numerusform>
            <numerusform>mancano %n vertici</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Per colorare un vertice, clicca qui e poi su un vertice. Due vertici collegati da un lato non possono avere lo stesso colore.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Due vertici collegati da un lato non possono avere lo stesso colore.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>Lo scopo è colorare tutti i vertici con un colore diverso dal nero.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>Ecco la mia soluzione per questo grafo.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Nota che il numero dei lati è proprio quello indicato.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Impostazioni...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>Segni dei &amp;colori</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>Colori per &amp;daltonici</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>All&apos;inizio i vertici sono neri con il bordo viola</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuovo grafo</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Termina la partita e risolve il rompicapo.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Par: </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Per un risultato eccellente, colora i vertici con un numero di clic non superiore al par.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Ci penso...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Punteggio:</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Numero di clic sui vertici.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Lati: </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>Il numero di lati del grafo.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Media dal par: 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>Di quanto stai sopra o sotto il par, in media, nelle partite di questa sessione.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Lati: %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Media dal par: %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Esci senza salvare</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Risultati...</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>&amp;Stampa rompicapo...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>&amp;Codice del rompicapo...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>Rico&amp;mincia il rompicapo</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>Rivedi l&apos;ultima &amp;partita...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Bene, ma...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>Opzioni di SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Sali di livello (modalità guidata)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Mostra i lati</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Numero colori a caso</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Stabilisce quanti colori servono per colorare il grafo.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Numero vertici a caso</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Se la spunti, spegne anche la modalità guidata</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Stabilisce quanti vertici ha il grafo.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>Densità lati a caso</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Stabilisce quanti lati ha il grafo.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Timer (non ancora pronto)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Contro il PC (non ancora pronto)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Numero di colori</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Numero di vertici</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>Densità dei lati</translation>
    </message>
</context>
<context>
    <name>TOrbVertex1</name>
    <message>
        <source>Vertex, %1</source>
        <translation>Vertice, %1</translation>
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
        <translation>ancora nessun lato noto</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>joins %1</source>
        <translation>unito a %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Vertice %1 della soluzione, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>Meglio di così non si può</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Livello %1: %2 vertici, %3 colori, %4. Partite giocate: %5, al par o meglio: %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 colori</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibili</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>nascosti</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Righe: vertici. Numeri: partite giocate. Verde: quasi sempre al par o meglio. Con la cornice: il livello che stai imparando.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Rispetto al par: l&apos;unica partita del livello %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Scegli un livello per vedere i suoi risultati rispetto al par.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>ancora nessuna partita</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1 % al par o meglio</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Livello %1: %2 vertici, %3 colori, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>lati visibili</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>lati nascosti</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, livello attuale</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Ancora nessuna partita del livello %1.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>I livelli verdi hanno anche una spunta.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 sopra il par</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 sotto il par</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Ultime partite del livello scelto</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>Gioca &amp;ancora</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, senza codice</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, codice %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Partita giocata quando il gioco non salvava ancora i codici: non si può giocare di nuovo.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln partita</numerusform>
            <numerusform>%Ln partite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Results against par, last %n games of level %1</source>
        <translation>
            <numerusform>Rispetto al par: %n partita del livello %1</numerusform>
            <numerusform>Rispetto al par: le ultime %n partite del livello %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>Ri&amp;vedi</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Scegli livello</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Scegli rango</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>Lati visibili</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>Lati nascosti</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Risultati personali e del gruppo</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Per livello</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Partite a tempo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>In questa sessione</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Partite in tutto: </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Al par o meglio: </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Livello massimo: </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Media dal par: </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Scrivi nello storico</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Risultati totali</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Rango totale:</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Rango da Internet</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Risultati degli altri</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Dati da Internet</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>La tua sessione</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Vertici: </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Colori: </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Partite giocate: </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Cancella dati livello</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Risultati per livello</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Rango:</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Gli altri, per livello</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Tempo medio: </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Storico per livello</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modo: </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>Il gioco funziona senza Internet: non ci sono numeri né classifiche di altri giocatori da scaricare.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Ogni partita viene scritta nello storico appena finisce.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Le partite non si possono salvare in %1 (%2); il gioco continua.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>Lo storico %1 non si può leggere.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>Cancellare tutte le partite del livello %1 dal tuo storico? Non si potrà tornare indietro.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>Cancellare tutte le partite del livello %1 dai numeri di questa sessione?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>Non è stato possibile riscrivere lo storico (%1); non è stato cancellato niente.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Player rank</source>
        <translation>Rango</translation>
    </message>
</context>
<context>
    <name>TPrintPuzzlesDlg</name>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Stampa rompicapo</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rompicapo</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Rompicapo per pagina</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Vertici</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Con le &amp;soluzioni</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Dopo i rompicapo, gli stessi rompicapo risolti: ogni vertice colorato e con il numero del suo colore.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Rompicapo:</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Rompicapo per &amp;pagina:</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Vertici:</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Colori:</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message numerus="yes">
        <source>Puzzles of more than %n vertices are printed fewer a page, so that no edge passes under a vertex.</source>
        <translation>
            <numerusform>Dei rompicapo con più di %n vertice ne entrano meno per pagina, perché nessun lato passi sotto un vertice.</numerusform>
            <numerusform>Dei rompicapo con più di %n vertici ne entrano meno per pagina, perché nessun lato passi sotto un vertice.</numerusform>
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
        <translation>No</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>Ottimo lavoro! Sembra che tu sappia proprio cosa fare a questo livello. Vuoi passare al livello successivo?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>Hai fatto una partita perfetta! Ottimo lavoro. Per salire di livello ti servono due partite perfette di fila.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>Ottimo lavoro!</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>Hai un metodo? Pensi che funzioni anche per altri grafi, con un numero diverso di vertici e di lati?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Per salire di livello ti servono 3 partite eccellenti di fila. Per ora ne hai %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Sembra che tu sappia proprio cosa fare a questo livello: hai fatto tre partite eccellenti di fila. Vuoi salire al livello successivo?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Per salire di livello devi risolvere i rompicapo cliccando sui vertici non più volte di quanto indica il par. Con i lati visibili basta 1 partita al par; con i lati nascosti servono 3 partite di fila al par o meglio.</translation>
    </message>
    <message>
        <source>EXCELLENT</source>
        <translation>ECCELLENTE</translation>
    </message>
    <message>
        <source>NOT BAD</source>
        <translation>NON MALE</translation>
    </message>
    <message>
        <source>PERFECT</source>
        <translation>PERFETTO</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Il tuo punteggio: %1, par %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>Uno in più</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Uno in meno</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rompicapo</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Rompicapo %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Colora con %1 colori</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Codice:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>Scheda di SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>Non è un file normale né una pipe</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Colora tutti i vertici</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Rompicapo risolto</translation>
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
        <translation>Codice del rompicapo</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>Codice di &amp;questo rompicapo:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Gioca un rompicapo &amp;dal suo codice:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Nessun rompicapo</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Codice di questo rompicapo</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Codice da giocare</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>Nei codici non c&apos;è mai «%1»: controlla questo carattere.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Questo codice è troppo corto: un codice ha dieci caratteri.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Questo codice è troppo lungo: un codice ha dieci caratteri.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Questo codice viene da una versione più recente del gioco, o il suo primo carattere è scritto male.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Un carattere è scritto male o due sono scambiati: confronta il codice con il foglio.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Questo codice non corrisponde a nessun rompicapo: confrontalo con il foglio.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Un rompicapo con %1 vertici e %2 colori, lati visibili. Premi Gioca.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Un rompicapo con %1 vertici e %2 colori, lati nascosti. Premi Gioca.</translation>
    </message>
    <message>
        <source>Code %1 copied.</source>
        <translation>Codice %1 copiato.</translation>
    </message>
</context>
<context>
    <name>TReviewWindow</name>
    <message>
        <source>Your last position</source>
        <translation>La tua ultima posizione</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>La soluzione del gioco</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Rivedi la partita</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Clic della partita</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>%n clicks, par %1</source>
        <translation>
            <numerusform>%n clic, par %1</numerusform>
            <numerusform>%n clic, par %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n painted</source>
        <translation>
            <numerusform>%n vertice colorato</numerusform>
            <numerusform>%n vertici colorati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clashes on edges you could see</source>
        <translation>
            <numerusform>%n scontro su un lato che potevi vedere</numerusform>
            <numerusform>%n scontri su lati che potevi vedere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n lato nascosto trovato</numerusform>
            <numerusform>%n lati nascosti trovati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repaints</source>
        <translation>
            <numerusform>%n vertice ricolorato</numerusform>
            <numerusform>%n vertici ricolorati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No vertex was painted in this game.</source>
        <translation>In questa partita non è stato colorato nessun vertice.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Ogni clic ha colorato un vertice nero: nessuno scontro e nessun vertice ricolorato.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n scontro era su un lato già disegnato: guarda i vicini di un vertice prima di colorarlo.</numerusform>
            <numerusform>%n scontri erano su lati già disegnati: guarda i vicini di un vertice prima di colorarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n clic ha ricolorato un vertice: scegli il suo colore una volta sola, guardando i colori dei vicini.</numerusform>
            <numerusform>%n clic hanno ricolorato un vertice: scegli il suo colore una volta sola, guardando i colori dei vicini.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Ogni scontro ha trovato un lato nascosto: è il prezzo dell&apos;esplorazione.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Clic %1: vertice %2 colorato di %3</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Clic %1: vertice %2 ricolorato da %3 a %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>scontro con %1 su un lato che potevi vedere</numerusform>
            <numerusform>scontro con %1 su lati che potevi vedere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>trovato il lato nascosto %1</numerusform>
            <numerusform>trovati i lati nascosti %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Clic %1: vertice %2 %3, %4; %5 svuotato</numerusform>
            <numerusform>Clic %1: vertice %2 %3, %4; %5 svuotati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1; rompicapo risolto</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Prima del primo clic: tutti i lati nascosti</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Prima del primo clic: %n lato visibile</numerusform>
            <numerusform>Prima del primo clic: %n lati visibili</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>La soluzione del gioco: %1</translation>
    </message>
</context>
</TS>
