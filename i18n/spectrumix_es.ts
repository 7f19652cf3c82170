<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Un juego de lógica que enseña a colorear grafos. Si se inicia sin opciones, abre el juego.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Prueba «%1 --help».</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>Guarda en el archivo PDF ARCHIVO una ficha de retos lista para imprimir, sin abrir ninguna ventana: cada reto con sus aristas, su código y una línea para el nombre.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
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
        <translation>Con --worksheet: cuántos retos, de 1 a 60 (predeterminado: 6).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Con --worksheet: retos por página, 1, 2, 4 o 6 (predeterminado: 4). Los retos más grandes necesitan más espacio: en una página caben 6 retos de hasta %1 vértices, 4 de hasta %2 y 1 si tienen más.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Con --worksheet: vértices de cada reto, de 6 a 16, o random para elegirlos al azar (predeterminado: 8).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Con --worksheet: colores de cada reto, de 2 a 4, o random para elegirlos al azar (predeterminado: 3).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Con --worksheet: añade páginas de soluciones, con cada vértice pintado de su color y con el número de ese color (predeterminado: sin soluciones).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>La opción «--%1» solo se puede usar con --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>El número de retos debe ser de 1 a 60, no «%1».</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>El número de retos por página debe ser 1, 2, 4 o 6, no «%1».</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>El número de vértices debe ser de 6 a 16 o random, no «%1».</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>El número de colores debe ser de 2 a 4 o random, no «%1».</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>La ficha necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>El nombre de archivo de la ficha «%1» empieza por «-»; escríbelo como «./%1» o ponlo después de «--».</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>No se puede escribir la ficha «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>sin color</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
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
        <translation>Morado</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>Ayuda de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>A&amp;delante &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>Ayuda de SpEcTrUmIx - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>Equipo SpEcTrUmIx  dic. 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>Acerca de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 Equipo SpEcTrUmIx</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>y todos sus colaboradores</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Escríbenos a través de la página del proyecto.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Conoce al equipo</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>Please, read readme.txt about usage</source>
        <translation>Por favor, lee readme.txt para saber cómo se usa.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Haz clic para ver detalles</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Decide tu destino</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Si pulsas «Sí», tu puntuación es par + 10</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>y te toca aguantarte. Si pulsas «No»,</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>vuelves a la partida. La vida es dura. Tú decides.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Tres signos de interrogación</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>¡Eres un crack!</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>vértice %1 despintado, arista descubierta</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>vértice %1 despintado</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntuación %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, par %4</source>
        <translation>%1, %2, %3, par %4</translation>
    </message>
    <message>
        <source>No puzzle yet: F2 makes one.</source>
        <translation>Aún no hay reto: F2 crea uno.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Fin de la partida: puntuación %1, par %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>puntuación %1, par %2, %3 de %4 aristas conocidas, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Reto retomado: %1, puntuación %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n arista visible</numerusform>
            <numerusform>%n aristas visibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n arista oculta</numerusform>
            <numerusform>%n aristas ocultas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vertices</source>
        <translation>
            <numerusform>%n vértice</numerusform>
            <numerusform>%n vértices</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 colores</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>queda %n vértice</numerusform>
            <numerusform>quedan %n vértices</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Para colorear un vértice, haz clic aquí y después en el vértice. Dos vértices unidos por una arista no pueden tener el mismo color.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Dos vértices unidos por una arista no pueden ser del mismo color.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>El objetivo es colorear todos los vértices con un color que no sea el negro.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>Esta es mi solución para el grafo del reto.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Fíjate: el número de aristas es el que se indicaba.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Ajustes...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>&amp;Marcas de color</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>Colores para &amp;daltónicos</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>Al principio los vértices son negros con borde morado</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nuevo reto</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Termina la partida y resuelve el reto.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Par: </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Colorea los vértices sin pasarte del par de clics para lograr una puntuación excelente.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Pensando...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Puntuación:</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Número de clics en los vértices.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Aristas: </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>El número de aristas del grafo.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Media sobre Par: 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>Cuánto te separas del par, de media, en las partidas de esta sesión.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Aristas: %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Media sobre Par: %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Resultados...</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>&amp;Imprimir retos...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>&amp;Código del reto...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>R&amp;einiciar reto</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>Repasar la última &amp;partida...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Bien, pero...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>Opciones de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Subir de nivel (modo aprendizaje)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Ver aristas</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Colores al azar</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Indica cuántos colores hacen falta para colorear el grafo.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Vértices al azar</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Si lo marcas, también apaga el modo aprendizaje</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Indica cuántos vértices tiene el grafo.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>Densidad al azar</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Indica cuántas aristas tiene el grafo.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Globos de ayuda</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Cronómetro (aún no funciona)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Contra la máquina (aún no funciona)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Número de colores</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Número de vértices</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>Densidad de aristas</translation>
    </message>
</context>
<context>
    <name>TOrbVertex1</name>
    <message>
        <source>Vertex, %1</source>
        <translation>Vértice, %1</translation>
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
        <translation>aún no se conoce ninguna arista</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>joins %1</source>
        <translation>unido a %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Vértice %1 de la solución, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>¡Mejor, imposible!</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Nivel %1: %2 vértices, %3 colores, %4. Partidas jugadas: %5, al par o mejor: %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 colores</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visibles</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ocultas</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Filas: vértices. Números: partidas jugadas. Verde: casi siempre al par o mejor. Con marco: el nivel que estás aprendiendo.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Resultado frente al par, la única partida del nivel %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Elige un nivel para ver sus resultados frente al par.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>aún no hay partidas</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1 % al par o mejor</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Nivel %1: %2 vértices, %3 colores, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>aristas visibles</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>aristas ocultas</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, nivel actual</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Aún no hay partidas del nivel %1.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>Las casillas verdes llevan además una marca de visto bueno.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 sobre par</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 bajo par</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Últimas partidas del nivel elegido</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, sin código</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, código %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Esta partida se jugó antes de que el juego guardara los códigos: no se puede volver a jugar.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln partida</numerusform>
            <numerusform>%Ln partidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Results against par, last %n games of level %1</source>
        <translation>
            <numerusform>Resultado frente al par, %n partida del nivel %1</numerusform>
            <numerusform>Resultados frente al par, últimas %n partidas del nivel %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>Re&amp;pasar</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Elegir nivel</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Elegir puesto</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>Ver aristas</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>No ver aristas</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Resultados propios y del grupo</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Por nivel</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Contrarreloj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>Resultados de esta sesión</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Partidas totales: </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Par o mejor: </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Nivel máximo: </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Media sobre Par: </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Guardar historial</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Todos tus resultados</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Puesto global:</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Puesto en Internet</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Resultados de otros</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Datos de Internet</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>Tu sesión actual</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Vértices: </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Colores: </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Partidas jugadas: </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Borrar datos del nivel</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Tus resultados por nivel</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Puesto:</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Otros jugadores por nivel</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Récord: </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Tiempo medio: </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Tu historial por nivel</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Récord: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modo: </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>El juego funciona sin conexión: no hay datos ni puestos de otros jugadores que descargar.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Cada partida se guarda en el historial en cuanto termina.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Las partidas no se pueden guardar en %1 (%2); el juego sigue.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>No se puede leer el historial %1.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>¿Borrar todas las partidas del nivel %1 de tu historial? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>¿Borrar todas las partidas del nivel %1 de los datos de esta sesión?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>No se pudo reescribir el historial (%1); no se ha borrado nada.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Player rank</source>
        <translation>Puesto</translation>
    </message>
</context>
<context>
    <name>TPrintPuzzlesDlg</name>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimir retos</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Retos</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Retos por página</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Vértices</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Con &amp;soluciones</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Después de los retos, se repite cada uno con cada vértice pintado de su color y con el número de ese color.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Retos:</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Retos por &amp;página:</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Vértices:</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Puzzles of more than %n vertices are printed fewer a page, so that no edge passes under a vertex.</source>
        <translation>
            <numerusform>De los retos de más de %n vértice caben menos por página, para que ninguna arista pase por debajo de un vértice.</numerusform>
            <numerusform>De los retos de más de %n vértices caben menos por página, para que ninguna arista pase por debajo de un vértice.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRatingDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>¡Muy bien! Parece que dominas este nivel. ¿Quieres pasar al nivel siguiente?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>¡Una partida perfecta! Muy bien. Para avanzar necesitas dos partidas perfectas seguidas.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>¡Así se hace!</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>¿Tienes un método? ¿Crees que también funciona con otros grafos, con otro número de vértices y otro número de aristas?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Para avanzar necesitas 3 partidas excelentes seguidas. Ahora llevas %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Parece que dominas este nivel: tres partidas excelentes seguidas. ¿Quieres subir al nivel siguiente?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Para avanzar, tienes que resolver los retos sin hacer clic en los vértices más veces que el par. Con las aristas visibles basta 1 partida al par; con las aristas ocultas necesitas 3 partidas seguidas al par o mejor.</translation>
    </message>
    <message>
        <source>EXCELLENT</source>
        <translation>EXCELENTE</translation>
    </message>
    <message>
        <source>NOT BAD</source>
        <translation>NADA MAL</translation>
    </message>
    <message>
        <source>PERFECT</source>
        <translation>PERFECTO</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Tu puntuación: %1, par %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>Uno más</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Uno menos</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Retos</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Reto %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Colorea con %1 colores</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>Ficha de SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>No es un archivo normal ni una tubería</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Colorea cada vértice</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Reto resuelto</translation>
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
        <translation>Código del reto</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>Código de es&amp;te reto:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Jugar un reto por su có&amp;digo:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Aún no hay reto</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Código de este reto</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Código para jugar</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>Los códigos nunca llevan «%1»: revisa ese carácter.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Este código es demasiado corto: un código tiene diez caracteres.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Este código es demasiado largo: un código tiene diez caracteres.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Este código es de una versión más nueva del juego o su primer carácter está mal escrito.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Hay un carácter mal escrito o dos cambiados de sitio: compara el código con el papel.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Este código no corresponde a ningún reto: compáralo con el papel.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Un reto de %1 vértices y %2 colores, aristas visibles. Pulsa «Jugar».</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Un reto de %1 vértices y %2 colores, aristas ocultas. Pulsa «Jugar».</translation>
    </message>
    <message>
        <source>Code %1 copied.</source>
        <translation>Código %1 copiado.</translation>
    </message>
</context>
<context>
    <name>TReviewWindow</name>
    <message>
        <source>Your last position</source>
        <translation>Tu última posición</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>La solución del juego</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Repaso de la partida</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Clics de la partida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
            <numerusform>%n vértice pintado</numerusform>
            <numerusform>%n vértices pintados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clashes on edges you could see</source>
        <translation>
            <numerusform>%n choque en una arista que podías ver</numerusform>
            <numerusform>%n choques en aristas que podías ver</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n arista oculta descubierta</numerusform>
            <numerusform>%n aristas ocultas descubiertas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repaints</source>
        <translation>
            <numerusform>%n vértice repintado</numerusform>
            <numerusform>%n vértices repintados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No vertex was painted in this game.</source>
        <translation>En esta partida no se pintó ningún vértice.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Cada clic pintó un vértice negro: ni un choque ni un vértice repintado.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n choque fue en una arista ya dibujada: mira los vecinos de un vértice antes de pintarlo.</numerusform>
            <numerusform>%n choques fueron en aristas ya dibujadas: mira los vecinos de un vértice antes de pintarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n clic volvió a pintar un vértice: elige su color una sola vez, según los colores de sus vecinos.</numerusform>
            <numerusform>%n clics volvieron a pintar un vértice: elige su color una sola vez, según los colores de sus vecinos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Cada choque descubrió una arista oculta: es el precio de explorar.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Clic %1: vértice %2 pintado de %3</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Clic %1: vértice %2 repintado de %3 a %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>choque con %1 en una arista que podías ver</numerusform>
            <numerusform>choque con %1 en aristas que podías ver</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>descubrió la arista oculta %1</numerusform>
            <numerusform>descubrió las aristas ocultas %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Clic %1: vértice %2 %3, %4; %5 despintado</numerusform>
            <numerusform>Clic %1: vértice %2 %3, %4; %5 despintados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1; reto resuelto</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Antes del primer clic: todas las aristas ocultas</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Antes del primer clic: %n arista visible</numerusform>
            <numerusform>Antes del primer clic: %n aristas visibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>La solución del juego: %1</translation>
    </message>
</context>
</TS>
