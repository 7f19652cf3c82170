<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Een puzzelspel waarmee je grafen leert kleuren. Zonder opties start gewoon het spel.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Toont deze hulp en stopt.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Toont de versie en stopt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Probeer ‘%1 --help’.</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>Schrijft een werkblad met puzzels, klaar om af te drukken, naar het PDF-bestand BESTAND, zonder een venster te openen: elke puzzel met zijn kanten, zijn code en een regel voor een naam.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
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
        <translation>Met --worksheet: hoeveel puzzels, 1 tot en met 60 (standaard 6).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Met --worksheet: puzzels per pagina, 1, 2, 4 of 6 (standaard 4). Grotere puzzels hebben meer ruimte nodig: op een pagina passen 6 puzzels van hoogstens %1 knopen, 4 van hoogstens %2 en 1 van meer.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Met --worksheet: knopen per puzzel, 6 tot en met 16, of random voor willekeurig (standaard 8).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Met --worksheet: kleuren per puzzel, 2 tot en met 4, of random voor willekeurig (standaard 3).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Met --worksheet: voegt antwoordpagina&apos;s toe, elke knoop in zijn kleur en met het nummer van die kleur (standaard: geen antwoorden).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>De optie ‘--%1’ hoort bij --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>Het aantal puzzels moet 1 tot en met 60 zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>Het aantal puzzels per pagina moet 1, 2, 4 of 6 zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>Het aantal knopen moet 6 tot en met 16 of random zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>Het aantal kleuren moet 2 tot en met 4 of random zijn, niet ‘%1’.</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>Het werkblad heeft een bestandsnaam nodig.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>De bestandsnaam van het werkblad ‘%1’ begint met ‘-’; schrijf ‘./%1’ of zet hem na ‘--’.</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>Kan het werkblad ‘%1’ niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>ongekleurd</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>SpEcTrUmIx-help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vooruit &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>SpEcTrUmIx-help - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>SpEcTrUmIx-team  dec. 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>Over SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 Het SpEcTrUmIx-team</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>en alle medewerkers</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Schrijf ons via de projectpagina van het spel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Wie zit erachter?</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>Please, read readme.txt about usage</source>
        <translation>Lees alsjeblieft in readme.txt hoe het werkt.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Klik voor details</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Bepaal je lot</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Kies je ‘Ja’, dan telt dit spel als Par + 10</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>en moet je dat maar slikken. Met ‘Nee’ ga je</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>terug naar het spel. Het leven is hard. Jij beslist.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Drie vraagtekens</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>Jij bent een kanjer!</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>knoop %1 gewist, kant onthuld</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>knoop %1 gewist</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, par %4</source>
        <translation>%1, %2, %3, par %4</translation>
    </message>
    <message>
        <source>No puzzle yet: F2 makes one.</source>
        <translation>Nog geen puzzel: F2 maakt er een.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Spel afgelopen: score %1, par %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>score %1, par %2, %3 van %4 kanten bekend, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Puzzel hervat: %1, score %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n kant getoond</numerusform>
            <numerusform>%n kanten getoond</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n kant verborgen</numerusform>
            <numerusform>%n kanten verborgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vertices</source>
        <translation>
            <numerusform>%n knoop</numerusform>
            <numerusform>%n knopen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 kleuren</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>%n knoop over</numerusform>
            <numerusform>%n knopen over</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Om een knoop te kleuren, klik je hier en daarna op de knoop. Knopen die door een kant verbonden zijn, mogen niet dezelfde kleur hebben.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Knopen die door een kant verbonden zijn, mogen niet dezelfde kleur hebben.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>Het doel: geef alle knopen een andere kleur dan zwart.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>Dit is mijn oplossing voor de graaf die erachter zit.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Kijk: het aantal kanten klopt met wat er stond.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>Kleur&amp;tekens</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>&amp;Kleurenblindvriendelijk</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>De knopen zijn eerst zwart met een paarse rand</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nieuwe puzzel</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Oplossen</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Stopt het spel en lost de puzzel op.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Par: </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Kleur de knopen in hoogstens Par klikken voor een uitstekende score.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Nadenken...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Jouw score:</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Aantal klikken op knopen.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Kanten: </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>Het aantal kanten in de graaf.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Gem. t.o.v. Par: 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>Hoeveel je in de spellen van deze sessie gemiddeld boven of onder Par zit.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Kanten: %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Gem. t.o.v. Par: %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Stoppen zonder opslaan</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Kan niet naar %1 schrijven.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Prestaties...</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>Puzzels af&amp;drukken...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>Puzzel&amp;code...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>Puzzel &amp;opnieuw beginnen</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>&amp;Laatste spel terugkijken...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Oké, maar...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>SpEcTrUmIx-opties</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Van niveau naar niveau (leermodus)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Kanten tonen</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Kleuren: willekeurig</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Hiermee kies je hoeveel kleuren nodig zijn om de graaf te kleuren.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Knopen: willekeurig</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Zet ook de leermodus uit als je dit aanvinkt</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Hiermee kies je hoeveel knopen de graaf heeft.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>Kanten: willekeurig</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Hiermee kies je hoeveel kanten de graaf heeft.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Uitleg tonen</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Stopwatch (werkt nog niet)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Tegen de computer (werkt nog niet)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Aantal kleuren</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Aantal knopen</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>Kans op kanten</translation>
    </message>
</context>
<context>
    <name>TOrbVertex1</name>
    <message>
        <source>Vertex, %1</source>
        <translation>Knoop, %1</translation>
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
        <translation>nog geen kant bekend</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>joins %1</source>
        <translation>buren: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Knoop %1 van de oplossing, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>Beter kan het niet</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Niveau %1: %2 knopen, %3 kleuren, %4. Gespeeld: %5, op par of beter: %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 kleuren</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>getoond</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verstopt</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Rijen: knopen. Getallen: gespeelde spellen. Groen: meestal op par of beter. Omlijnd: het niveau dat je nu oefent.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Resultaat ten opzichte van par, het enige spel van niveau %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Kies een niveau om de resultaten ten opzichte van par te zien.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaus</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>nog geen spellen</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1% op par of beter</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Niveau %1: %2 knopen, %3 kleuren, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>kanten getoond</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>kanten verborgen</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, huidig niveau</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Nog geen spellen op niveau %1.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>Een vinkje geeft ze ook aan.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 boven par</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 onder par</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Laatste spellen van het gekozen niveau</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Nog een keer</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, geen code</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, code %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Gespeeld voordat het spel codes bijhield: dit spel kun je niet nog een keer spelen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln spel</numerusform>
            <numerusform>%Ln spellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Results against par, last %n games of level %1</source>
        <translation>
            <numerusform>Resultaat ten opzichte van par, %n spel van niveau %1</numerusform>
            <numerusform>Resultaten ten opzichte van par, laatste %n spellen van niveau %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Terugkijken</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Kies niveau</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Kies rang</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>Kanten tonen</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>Kanten verbergen</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Prestaties van jou en de groep</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Per niveau</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Tegen de klok</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>Prestaties in deze sessie</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Aantal spellen: </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Par of beter: </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Hoogste niveau: </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Gem. t.o.v. Par: </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Naar geschiedenis</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Je totale prestaties</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Totale rang:</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Rang van internet</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Andermans prestaties</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Gegevens van internet</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>Je huidige sessie</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Knopen: </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Kleuren: </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Aantal spellen: </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Niveaugegevens wissen</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Prestaties per niveau</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Rang:</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Anderen per niveau</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Beste tijd: </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Gemiddelde tijd: </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Geschiedenis per niveau</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Beste tijd: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modus: </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>Het spel werkt zonder internet: er zijn geen cijfers of ranglijsten van andere spelers op te halen.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Elk spel wordt meteen bij het einde in de geschiedenis geschreven.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Spellen kunnen niet in %1 worden opgeslagen (%2); het spel gaat gewoon door.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>De geschiedenis %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>Alle spellen van niveau %1 uit je geschiedenis wissen? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>Alle spellen van niveau %1 uit de cijfers van deze sessie wissen?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>De geschiedenis kon niet opnieuw worden geschreven (%1); er is niets gewist.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
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
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Puzzels afdrukken</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzels</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Puzzels per pagina</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Knopen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Met &amp;antwoordpagina&apos;s</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Na de puzzels komt elke puzzel nog een keer, met elke knoop in zijn kleur en met het nummer van die kleur.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Puzzels:</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Puzzels per pa&amp;gina:</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Knopen:</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>K&amp;leuren:</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message numerus="yes">
        <source>Puzzles of more than %n vertices are printed fewer a page, so that no edge passes under a vertex.</source>
        <translation>
            <numerusform>Van puzzels met meer dan %n knoop komen er minder op een pagina, zodat geen kant onder een knoop door loopt.</numerusform>
            <numerusform>Van puzzels met meer dan %n knopen komen er minder op een pagina, zodat geen kant onder een knoop door loopt.</numerusform>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>Goed zo! Dit niveau heb je duidelijk onder de knie. Wil je door naar het volgende niveau?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>Een perfect spel! Goed zo. Om een niveau hoger te komen heb je twee perfecte spellen achter elkaar nodig.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>Super gedaan!</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>Heb je een methode? Denk je dat die ook werkt bij andere grafen, met een ander aantal knopen en een ander aantal kanten?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Om een niveau hoger te komen heb je 3 uitstekende spellen achter elkaar nodig. Je hebt er nu %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Dit niveau heb je duidelijk onder de knie: je speelde drie uitstekende spellen achter elkaar. Wil je door naar het volgende niveau?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Om een niveau hoger te komen, moet je de puzzels oplossen in niet meer klikken op de knopen dan de Par. Als de kanten getoond worden, is 1 spel op Par genoeg; als ze verborgen zijn, heb je 3 spellen op Par of beter achter elkaar nodig.</translation>
    </message>
    <message>
        <source>EXCELLENT</source>
        <translation>UITSTEKEND</translation>
    </message>
    <message>
        <source>NOT BAD</source>
        <translation>NIET SLECHT</translation>
    </message>
    <message>
        <source>PERFECT</source>
        <translation>PERFECT</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Jouw score: %1, par %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>Eén erbij</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Eén eraf</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Puzzels</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Puzzel %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Kleur in met %1 kleuren</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>SpEcTrUmIx-werkblad</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>Geen gewoon bestand en geen pipe</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Kleur alle knopen</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Puzzel opgelost</translation>
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
        <translation>Puzzelcode</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>Code van &amp;deze puzzel:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Puzzel spelen met een &amp;code:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Nog geen puzzel</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Code van deze puzzel</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Code om te spelen</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>Een code bevat nooit ‘%1’: kijk dat teken na.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Deze code is te kort: een code heeft tien tekens.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Deze code is te lang: een code heeft tien tekens.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Deze code komt uit een nieuwere versie van het spel, of het eerste teken is verkeerd getypt.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Een teken is verkeerd getypt of twee tekens zijn verwisseld: vergelijk de code met het papier.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Deze code hoort bij geen enkele puzzel: vergelijk hem met het papier.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Een puzzel met %1 knopen en %2 kleuren, kanten getoond. Druk op Spelen.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Een puzzel met %1 knopen en %2 kleuren, kanten verborgen. Druk op Spelen.</translation>
    </message>
    <message>
        <source>Code %1 copied.</source>
        <translation>Code %1 gekopieerd.</translation>
    </message>
</context>
<context>
    <name>TReviewWindow</name>
    <message>
        <source>Your last position</source>
        <translation>Jouw laatste stand</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>De oplossing van het spel</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Spel terugkijken</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Klikken van het spel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message numerus="yes">
        <source>%n clicks, par %1</source>
        <translation>
            <numerusform>%n klik, par %1</numerusform>
            <numerusform>%n klikken, par %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n painted</source>
        <translation>
            <numerusform>%n knoop gekleurd</numerusform>
            <numerusform>%n knopen gekleurd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clashes on edges you could see</source>
        <translation>
            <numerusform>%n botsing op een kant die je kon zien</numerusform>
            <numerusform>%n botsingen op kanten die je kon zien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n verborgen kant gevonden</numerusform>
            <numerusform>%n verborgen kanten gevonden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repaints</source>
        <translation>
            <numerusform>%n keer opnieuw gekleurd</numerusform>
            <numerusform>%n keer opnieuw gekleurd</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No vertex was painted in this game.</source>
        <translation>In dit spel is geen enkele knoop gekleurd.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Elke klik kleurde een zwarte knoop: geen enkele botsing, niets opnieuw gekleurd.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n botsing was op een kant die al getekend was: kijk naar de buren van een knoop voordat je hem kleurt.</numerusform>
            <numerusform>%n botsingen waren op kanten die al getekend waren: kijk naar de buren van een knoop voordat je hem kleurt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n klik kleurde een knoop opnieuw: kies zijn kleur in één keer, en kijk daarbij naar de kleuren van zijn buren.</numerusform>
            <numerusform>%n klikken kleurden een knoop opnieuw: kies zijn kleur in één keer, en kijk daarbij naar de kleuren van zijn buren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Elke botsing vond een verborgen kant: dat is de prijs van het verkennen.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Klik %1: knoop %2 %3 gekleurd</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Klik %1: knoop %2 opnieuw gekleurd, van %3 naar %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>botsing met %1 op een kant die je kon zien</numerusform>
            <numerusform>botsing met %1 op kanten die je kon zien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>verborgen kant %1 gevonden</numerusform>
            <numerusform>verborgen kanten %1 gevonden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Klik %1: knoop %2 %3, %4; %5 gewist</numerusform>
            <numerusform>Klik %1: knoop %2 %3, %4; %5 gewist</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1; puzzel opgelost</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Voor de eerste klik: alle kanten verborgen</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Voor de eerste klik: %n kant getoond</numerusform>
            <numerusform>Voor de eerste klik: %n kanten getoond</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>De oplossing van het spel: %1</translation>
    </message>
</context>
</TS>
