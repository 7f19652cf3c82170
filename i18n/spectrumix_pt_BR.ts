<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Um jogo de lógica que ensina coloração de grafos. Iniciado sem opções, abre o jogo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Experimente “%1 --help”.</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>Grava no arquivo PDF ARQUIVO uma folha de atividades com desafios, pronta para imprimir, sem abrir nenhuma janela: cada desafio com suas arestas, seu código e uma linha para o nome.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
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
        <translation>Com --worksheet: quantos desafios, de 1 a 60 (padrão 6).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Com --worksheet: quantos desafios por página, 1, 2, 4 ou 6 (padrão 4). Desafios maiores precisam de mais espaço: uma página comporta 6 desafios de até %1 vértices, 4 de até %2 e 1 se tiverem mais.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Com --worksheet: número de vértices de cada desafio, de 6 a 16, ou random para escolher ao acaso (padrão 8).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Com --worksheet: número de cores de cada desafio, de 2 a 4, ou random para escolher ao acaso (padrão 3).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Com --worksheet: acrescenta páginas de gabarito, cada vértice na sua cor e com o número da sua cor (padrão: sem gabarito).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>A opção “--%1” só vale junto com --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>O número de desafios deve ser de 1 a 60, não “%1”.</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>O número de desafios por página deve ser 1, 2, 4 ou 6, não “%1”.</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>O número de vértices deve ser de 6 a 16 ou random, não “%1”.</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>O número de cores deve ser de 2 a 4 ou random, não “%1”.</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>A folha de atividades precisa de um nome de arquivo.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>O nome de arquivo da folha de atividades “%1” começa com “-”; escreva “./%1” ou coloque-o depois de “--”.</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>Não foi possível gravar a folha de atividades “%1”: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>sem cor</translation>
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
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
        <translation>Roxo</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>roxo</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>Ajuda do SpEcTrUmIx</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Avançar &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>Ajuda do SpEcTrUmIx - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>Equipe SpEcTrUmIx  dez. 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>Sobre o SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 Equipe SpEcTrUmIx</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>e todos os colaboradores</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Escreva para nós pela página do projeto do jogo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Quem fez o jogo?</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>Please, read readme.txt about usage</source>
        <translation>Por favor, veja no readme.txt como usar.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Clique para ver detalhes</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Decida seu destino</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Se clicar em “Sim”, seu placar será Meta + 10,</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>e você vai ter que aguentar essa. Com “Não” você</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>volta para a partida. A vida é dura. Você decide.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Três pontos de interrogação</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>Você é fera!</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>vértice %1 apagado, aresta revelada</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>vértice %1 apagado</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>placar %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, par %4</source>
        <translation>%1, %2, %3, meta %4</translation>
    </message>
    <message>
        <source>No puzzle yet: F2 makes one.</source>
        <translation>Nenhum desafio ainda: F2 cria um.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Fim de jogo: placar %1, meta %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>placar %1, meta %2, %3 de %4 arestas conhecidas, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Desafio retomado: %1, placar %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n aresta visível</numerusform>
            <numerusform>%n arestas visíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n aresta oculta</numerusform>
            <numerusform>%n arestas ocultas</numerusform>
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
        <translation>%1 cores</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>falta %n vértice</numerusform>
            <numerusform>faltam %n vértices</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Para colorir um vértice, clique aqui e depois no vértice. Vértices ligados por uma aresta não podem ter a mesma cor.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Vértices ligados por uma aresta não podem ter a mesma cor.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>O objetivo é pintar todos os vértices com alguma cor que não seja o preto.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>Esta é a minha solução para o grafo do desafio.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Repare: o número de arestas é o mesmo que foi informado.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Configurações...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>&amp;Marcas de cor</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>Cores para &amp;daltônicos</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>No começo, os vértices são pretos com borda roxa</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Novo desafio</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Encerra a partida e resolve o desafio.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Meta: </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Pinte os vértices sem passar da meta de cliques para ter um placar excelente.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Pensando...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Seu placar:</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Número de cliques nos vértices.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Arestas: </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>O número de arestas do grafo.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Média vs. meta: 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>Quanto você fica, em média, acima ou abaixo da meta nas partidas desta sessão.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Arestas: %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Média vs. meta: %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Sair sem salvar</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Não foi possível gravar em %1.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Desempenho...</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>&amp;Imprimir desafios...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>&amp;Código do desafio...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>&amp;Reiniciar desafio</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>Rever a última &amp;partida...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Bom, mas...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>Opções do SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Avançar por níveis (modo de ensino)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Ver arestas</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Nº de cores ao acaso</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Define quantas cores são necessárias para colorir o grafo.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Nº de vértices ao acaso</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Se marcado, também desliga o modo de ensino</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Define quantos vértices o grafo tem.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>% de arestas ao acaso</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Define quantas arestas o grafo tem.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Mostrar dicas</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Cronômetro (em obras)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Contra o computador (em obras)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Nº de cores</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Nº de vértices</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>% de arestas</translation>
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
        <translation>nenhuma aresta conhecida ainda</translation>
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
        <translation>ligado a %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Vértice %1 da solução, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>Melhor que isso, impossível</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Nível %1: %2 vértices, %3 cores, %4. Partidas jogadas: %5, na meta ou melhor: %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 cores</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visíveis</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ocultas</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Linhas: vértices. Números: partidas jogadas. Verde: quase sempre na meta ou melhor. Com moldura: o nível que está sendo ensinado.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Resultado em relação à meta, a única partida do nível %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Escolha um nível para ver os resultados dele em relação à meta.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Níveis</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>nenhuma partida ainda</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1 % na meta ou melhor</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Nível %1: %2 vértices, %3 cores, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>arestas visíveis</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>arestas ocultas</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, nível atual</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Nenhuma partida do nível %1 ainda.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>As verdes também têm um sinal de certo.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 acima da meta</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 abaixo da meta</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Últimas partidas do nível escolhido</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Data</translation>
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
        <translation>&amp;Jogar de novo</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, sem código</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, código %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Esta partida é de antes de o jogo guardar os códigos: não dá para jogá-la de novo.</translation>
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
            <numerusform>Resultado em relação à meta, %n partida do nível %1</numerusform>
            <numerusform>Resultados em relação à meta, últimas %n partidas do nível %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>Re&amp;ver</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Qual nível?</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Qual posição?</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>Ver arestas</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>Ocultar arestas</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Desempenho pessoal e do grupo</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Por nível</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Tempos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>Desempenho nesta sessão</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Nº de partidas: </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Meta ou melhor: </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Maior nível: </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Média vs. meta: </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Gravar no histórico</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Seu desempenho geral</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Posição geral:</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Posição pela internet</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Outros jogadores</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Dados pela internet</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>Sua sessão atual</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Vértices: </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Cores: </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Partidas: </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Apagar dados do nível</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Desempenho por nível</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Os outros por nível</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Recorde: </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Tempo médio: </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Histórico por nível</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Recorde: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modo: </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>O jogo funciona sem internet: não há números nem posições de outros jogadores para buscar.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Cada partida é gravada no histórico assim que termina.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Não é possível salvar partidas em %1 (%2); o jogo continua.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>Não é possível ler o histórico %1.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>Apagar todas as partidas do nível %1 do seu histórico? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>Apagar todas as partidas do nível %1 dos números desta sessão?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>Não foi possível regravar o histórico (%1); nada foi apagado.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Player rank</source>
        <translation>Posição</translation>
    </message>
</context>
<context>
    <name>TPrintPuzzlesDlg</name>
    <message>
        <source>Random</source>
        <translation>Ao acaso</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimir desafios</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Desafios</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Desafios por página</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Vértices</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Com &amp;gabarito</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Depois dos desafios, cada desafio de novo, com cada vértice na sua cor e com o número da sua cor.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Desafios:</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Desafios por &amp;página:</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Vértices:</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Cores:</translation>
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
            <numerusform>Desafios de mais de %n vértice saem em menor número por página, para que nenhuma aresta passe por baixo de um vértice.</numerusform>
            <numerusform>Desafios de mais de %n vértices saem em menor número por página, para que nenhuma aresta passe por baixo de um vértice.</numerusform>
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
        <translation>Não</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>Mandou bem! Parece que você já domina este nível. Quer passar para o próximo nível?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>Você fez uma partida perfeita! Mandou bem. Para avançar, você precisa de duas partidas perfeitas seguidas.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>Mandou bem!</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>Você tem um método? Acha que ele funciona em outros grafos, com outro número de vértices e outro número de arestas?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Para avançar, você precisa de 3 partidas excelentes seguidas. Até agora você tem %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Parece que você já domina este nível: fez três partidas excelentes seguidas. Quer avançar para o próximo nível?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Para avançar, você precisa resolver os desafios sem passar da meta de cliques nos vértices. Com as arestas visíveis, basta 1 partida na meta; com as arestas ocultas, você precisa de 3 partidas seguidas na meta ou melhor.</translation>
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
        <translation>PERFEITO</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Seu placar: %1, meta %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>Mais um</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Menos um</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Gabarito</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Desafios</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Desafio %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Pinte com %1 cores</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>Folha de atividades do SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>Não é um arquivo comum nem um pipe</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Pinte os vértices</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Desafio resolvido</translation>
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
        <translation>Código do desafio</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>Código &amp;deste desafio:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Jogar um desafio &amp;pelo código:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Ainda sem desafio</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Código deste desafio</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Código para jogar</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>Os códigos nunca têm “%1”: confira esse caractere.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Este código é curto demais: um código tem dez caracteres.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Este código é longo demais: um código tem dez caracteres.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Este código é de uma versão mais nova do jogo, ou o primeiro caractere está errado.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Um caractere está errado ou dois estão trocados: confira o código na folha.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Nenhum desafio tem este código: confira o código na folha.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Um desafio de %1 vértices e %2 cores, arestas visíveis. Aperte Jogar.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Um desafio de %1 vértices e %2 cores, arestas ocultas. Aperte Jogar.</translation>
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
        <translation>Sua última posição</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>A solução do jogo</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Revisão da partida</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Cliques da partida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n clicks, par %1</source>
        <translation>
            <numerusform>%n clique, meta %1</numerusform>
            <numerusform>%n cliques, meta %1</numerusform>
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
            <numerusform>%n conflito numa aresta que você podia ver</numerusform>
            <numerusform>%n conflitos em arestas que você podia ver</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n aresta oculta encontrada</numerusform>
            <numerusform>%n arestas ocultas encontradas</numerusform>
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
        <translation>Nenhum vértice foi pintado nesta partida.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Cada clique pintou um vértice preto: nenhum conflito, nenhum vértice repintado.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n conflito foi numa aresta já desenhada: olhe os vizinhos de um vértice antes de pintá-lo.</numerusform>
            <numerusform>%n conflitos foram em arestas já desenhadas: olhe os vizinhos de um vértice antes de pintá-lo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n clique pintou de novo um vértice: escolha a cor dele uma vez só, olhando as cores dos vizinhos.</numerusform>
            <numerusform>%n cliques pintaram de novo um vértice: escolha a cor dele uma vez só, olhando as cores dos vizinhos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Cada conflito encontrou uma aresta oculta: é o preço de explorar.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Clique %1: vértice %2 pintado de %3</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Clique %1: vértice %2 repintado de %3 para %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>conflito com %1 numa aresta que você podia ver</numerusform>
            <numerusform>conflito com %1 em arestas que você podia ver</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>encontrou a aresta oculta %1</numerusform>
            <numerusform>encontrou as arestas ocultas %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Clique %1: vértice %2 %3, %4; %5 apagado</numerusform>
            <numerusform>Clique %1: vértice %2 %3, %4; %5 apagados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1; desafio resolvido</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Antes do primeiro clique: todas as arestas ocultas</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Antes do primeiro clique: %n aresta visível</numerusform>
            <numerusform>Antes do primeiro clique: %n arestas visíveis</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>A solução do jogo: %1</translation>
    </message>
</context>
</TS>
