<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Un jeu de réflexion pour apprendre à colorier les graphes. Lancé sans option, il ouvre le jeu.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essaie « %1 --help ».</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>Écrit dans le fichier PDF FICHIER une fiche d’exercices à imprimer, sans ouvrir de fenêtre : chaque énigme avec ses arêtes, son code et une ligne pour le nom.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
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
        <translation>Avec --worksheet : nombre d’énigmes, de 1 à 60 (6 par défaut).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Avec --worksheet : énigmes par page, 1, 2, 4 ou 6 (4 par défaut). Les grandes énigmes demandent plus de place : une page contient 6 énigmes de %1 sommets au plus, 4 de %2 au plus, et 1 au-delà.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Avec --worksheet : sommets de chaque énigme, de 6 à 16, ou random pour un nombre au hasard (8 par défaut).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Avec --worksheet : couleurs de chaque énigme, de 2 à 4, ou random pour un nombre au hasard (3 par défaut).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Avec --worksheet : ajoute le corrigé, chaque sommet colorié et marqué du numéro de sa couleur (par défaut : sans corrigé).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>L’option « --%1 » ne s’emploie qu’avec --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>Le nombre d’énigmes doit être compris entre 1 et 60, et non « %1 ».</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>Le nombre d’énigmes par page doit être 1, 2, 4 ou 6, et non « %1 ».</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>Le nombre de sommets doit être compris entre 6 et 16, ou random, et non « %1 ».</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>Le nombre de couleurs doit être compris entre 2 et 4, ou random, et non « %1 ».</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>Il faut un nom de fichier pour la fiche d’exercices.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>Le nom de fichier de la fiche d’exercices « %1 » commence par « - » ; écris-le « ./%1 » ou place-le après « -- ».</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>Impossible d’écrire la fiche d’exercices « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>sans couleur</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>Aide de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Avancer &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>Aide de SpEcTrUmIx - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>Équipe SpEcTrUmIx  déc. 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>À propos de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 L’équipe SpEcTrUmIx</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>et tous ses contributeurs</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Écris-nous sur la page du projet du jeu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Découvre l’équipe</translation>
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
        <translation>Lis readme.txt pour savoir comment faire, s’il te plaît.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Clique pour plus de détails</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Décide de ton sort</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Avec « Oui », ta partie comptera par + 10 :</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>il faudra l’encaisser. Avec « Non », tu retournes</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>à la partie en cours. La vie est dure. À toi de voir.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Trois points d’interrogation</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>Tu gères !</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>sommet %1 effacé, arête révélée</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>sommet %1 effacé</translation>
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
        <translation>Pas encore d’énigme : F2 en crée une.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Partie finie : score %1, par %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>score %1, par %2, arêtes connues : %3 sur %4, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Énigme reprise&#xa0;: %1, score %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n arête visible</numerusform>
            <numerusform>%n arêtes visibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n arête cachée</numerusform>
            <numerusform>%n arêtes cachées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vertices</source>
        <translation>
            <numerusform>%n sommet</numerusform>
            <numerusform>%n sommets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 couleurs</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>%n sommet restant</numerusform>
            <numerusform>%n sommets restants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Pour colorier un sommet, clique ici puis sur le sommet. Deux sommets reliés par une arête ne peuvent pas avoir la même couleur.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Deux sommets reliés par une arête ne peuvent pas avoir la même couleur.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>Le but est de colorier tous les sommets d’une autre couleur que le noir.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>Voici ma solution pour le graphe de cette énigme.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Remarque : le nombre d’arêtes est bien celui annoncé.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>Repères de &amp;couleur</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>Couleurs pour &amp;daltoniens</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>Au début, les sommets sont noirs bordés de violet</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Autre énigme</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Termine la partie et résout l’énigme.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Par : </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Pour un excellent score, colorie les sommets sans faire plus de clics que le par.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Réflexion...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Ton score :</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Nombre de clics sur les sommets.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Arêtes : </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>Le nombre d’arêtes du graphe.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Écart moyen au par : 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>De combien tu es en moyenne au-dessus ou au-dessous du par dans les parties de cette session.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Arêtes : %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Écart moyen au par : %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Résultats...</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>&amp;Imprimer des énigmes...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>&amp;Code de l’énigme...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>R&amp;ecommencer l’énigme</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>Revoir la dernière &amp;partie...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Bien, mais...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>Réglages de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Niveaux guidés (mode apprentissage)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Voir les arêtes</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Couleurs au hasard</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Fixe le nombre de couleurs qu’il faut pour colorier le graphe.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Sommets au hasard</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Si la case est cochée, le mode apprentissage s’arrête aussi</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Fixe le nombre de sommets du graphe.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>Densité au hasard</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Fixe combien d’arêtes le graphe aura.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Voir les infobulles</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Chrono (pas encore prêt)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Contre l’ordinateur (pas encore prêt)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Nombre de couleurs</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Nombre de sommets</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>Densité d’arêtes</translation>
    </message>
</context>
<context>
    <name>TOrbVertex1</name>
    <message>
        <source>Vertex, %1</source>
        <translation>Sommet, %1</translation>
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
        <translation>aucune arête connue pour l’instant</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>joins %1</source>
        <translation>lié à %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Sommet %1 de la solution, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>Impossible de faire mieux !</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Niveau %1 : %2 sommets, %3 couleurs, %4. Parties jouées : %5, au par ou mieux : %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 couleurs</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibles</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>cachées</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Lignes : sommets. Nombres : parties jouées. Vert : surtout au par ou mieux. Encadré : ton niveau actuel.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Résultat face au par, l’unique partie du niveau %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Choisis un niveau pour voir ses résultats face au par.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>pas encore de partie</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1 % au par ou mieux</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Niveau %1 : %2 sommets, %3 couleurs, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>arêtes visibles</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>arêtes cachées</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, niveau actuel</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Pas encore de partie au niveau %1.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>Les cases vertes ont aussi une coche.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 au-dessus du par</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 au-dessous du par</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Dernières parties du niveau choisi</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, sans code</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, code %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Partie jouée avant que le jeu ne garde les codes : tu ne peux pas la rejouer.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln partie</numerusform>
            <numerusform>%Ln parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Results against par, last %n games of level %1</source>
        <translation>
            <numerusform>Résultat face au par, %n partie du niveau %1</numerusform>
            <numerusform>Résultats face au par, les %n dernières parties du niveau %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>Re&amp;voir</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Quel niveau ?</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Quel rang ?</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>arêtes visibles</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>arêtes cachées</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Tes résultats et ceux du groupe</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Par niveau</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>Tes résultats de cette session</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Parties en tout : </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Au par ou mieux : </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Meilleur niveau : </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Écart moyen au par : </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Ajouter à l’historique</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Tous tes résultats</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Rang général :</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Rang depuis Internet</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Résultats des autres</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Données via Internet</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>Ta session en cours</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Sommets : </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Couleurs : </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Parties jouées : </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Effacer ces données</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Tes résultats par niveau</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Rang :</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Autres joueurs, par niveau</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Record : </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Temps moyen : </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Historique par niveau</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Record : </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Mode : </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>Le jeu fonctionne sans Internet : il n’y a ni chiffres ni classements d’autres joueurs à récupérer.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Chaque partie est écrite dans l’historique dès qu’elle se termine.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Impossible d’enregistrer les parties dans %1 (%2) ; le jeu continue.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>Impossible de lire l’historique %1.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>Effacer toutes les parties du niveau %1 de ton historique ? Tu ne pourras pas revenir en arrière.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>Effacer toutes les parties du niveau %1 des chiffres de cette session ?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>Impossible de réécrire l’historique (%1) ; rien n’a été effacé.</translation>
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
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimer des énigmes</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Énigmes</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Énigmes par page</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Sommets</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Avec le co&amp;rrigé</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Après les énigmes, chaque énigme une seconde fois, chaque sommet colorié et marqué du numéro de sa couleur.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>É&amp;nigmes :</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Énigmes par &amp;page :</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Sommets :</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Couleurs :</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>Puzzles of more than %n vertices are printed fewer a page, so that no edge passes under a vertex.</source>
        <translation>
            <numerusform>Les énigmes de plus de %n sommet sont moins nombreuses par page, pour qu’aucune arête ne passe sous un sommet.</numerusform>
            <numerusform>Les énigmes de plus de %n sommets sont moins nombreuses par page, pour qu’aucune arête ne passe sous un sommet.</numerusform>
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
        <translation>Non</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>Bravo ! Tu as l’air de bien maîtriser ce niveau. Veux-tu passer au niveau suivant ?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>Une partie parfaite ! Bravo. Pour monter de niveau, il te faut deux parties parfaites d’affilée.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>As-tu une méthode ? Penses-tu qu’elle marche aussi pour d’autres graphes, avec un autre nombre de sommets et un autre nombre d’arêtes ?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Pour monter de niveau, il te faut 3 excellentes parties d’affilée. Pour l’instant, tu en as %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Tu as l’air de bien maîtriser ce niveau : trois excellentes parties d’affilée ! Veux-tu monter au niveau suivant ?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Pour monter de niveau, tu dois résoudre les énigmes sans cliquer sur les sommets plus de fois que le par. Avec les arêtes visibles, il te faut une partie au par ; avec les arêtes cachées, trois parties d’affilée au par ou mieux.</translation>
    </message>
    <message>
        <source>EXCELLENT</source>
        <translation>EXCELLENT</translation>
    </message>
    <message>
        <source>NOT BAD</source>
        <translation>PAS MAL</translation>
    </message>
    <message>
        <source>PERFECT</source>
        <translation>PARFAIT</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Ton score : %1, par : %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>Un de plus</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Un de moins</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Énigmes</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Énigme %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Colorie avec %1 couleurs</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>Fiche d’exercices SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>Ni un fichier ordinaire ni un tube</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Colorie tous les sommets</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Énigme résolue</translation>
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
        <translation>Code de l’énigme</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>&amp;Code de cette énigme :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Jouer une énigme par son co&amp;de :</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Pas encore d’énigme</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Code de cette énigme</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Code à jouer</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>Un code ne contient jamais « %1 » : vérifie ce caractère.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Ce code est trop court : un code a dix caractères.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Ce code est trop long : un code a dix caractères.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Ce code vient d’une version plus récente du jeu, ou son premier caractère est mal tapé.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Un caractère est mal tapé ou deux sont inversés : compare le code avec la feuille.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Ce code ne correspond à aucune énigme : compare-le avec la feuille.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Une énigme à %1 sommets et %2 couleurs, arêtes visibles. Appuie sur Jouer.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Une énigme à %1 sommets et %2 couleurs, arêtes cachées. Appuie sur Jouer.</translation>
    </message>
    <message>
        <source>Code %1 copied.</source>
        <translation>Code %1 copié.</translation>
    </message>
</context>
<context>
    <name>TReviewWindow</name>
    <message>
        <source>Your last position</source>
        <translation>Ta dernière position</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>La solution du jeu</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Revoir une partie</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Clics de la partie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n clicks, par %1</source>
        <translation>
            <numerusform>%n clic, par %1</numerusform>
            <numerusform>%n clics, par %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n painted</source>
        <translation>
            <numerusform>%n sommet colorié</numerusform>
            <numerusform>%n sommets coloriés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clashes on edges you could see</source>
        <translation>
            <numerusform>%n conflit sur une arête que tu voyais</numerusform>
            <numerusform>%n conflits sur des arêtes que tu voyais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n arête cachée trouvée</numerusform>
            <numerusform>%n arêtes cachées trouvées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repaints</source>
        <translation>
            <numerusform>%n sommet recolorié</numerusform>
            <numerusform>%n sommets recoloriés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>No vertex was painted in this game.</source>
        <translation>Aucun sommet n’a été colorié dans cette partie.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Chaque clic a colorié un sommet noir : pas un conflit, pas un sommet recolorié.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n conflit était sur une arête déjà tracée : regarde les voisins d’un sommet avant de le colorier.</numerusform>
            <numerusform>%n conflits étaient sur des arêtes déjà tracées : regarde les voisins d’un sommet avant de le colorier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n clic a recolorié un sommet : choisis sa couleur une seule fois, d’après les couleurs de ses voisins.</numerusform>
            <numerusform>%n clics ont recolorié un sommet : choisis sa couleur une seule fois, d’après les couleurs de ses voisins.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Chaque conflit a trouvé une arête cachée : c’est le prix de l’exploration.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Clic %1 : sommet %2 colorié en %3</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Clic %1 : sommet %2 recolorié du %3 au %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>conflit avec %1 sur une arête que tu voyais</numerusform>
            <numerusform>conflit avec %1 sur des arêtes que tu voyais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>arête cachée %1 trouvée</numerusform>
            <numerusform>arêtes cachées %1 trouvées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Clic %1 : sommet %2 %3, %4 ; %5 effacé</numerusform>
            <numerusform>Clic %1 : sommet %2 %3, %4 ; %5 effacés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1 ; énigme résolue</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Avant le premier clic : toutes les arêtes cachées</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Avant le premier clic : %n arête visible</numerusform>
            <numerusform>Avant le premier clic : %n arêtes visibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>La solution du jeu : %1</translation>
    </message>
</context>
</TS>
