<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>A puzzle game that teaches graph coloring. Started without options, it opens the game.</source>
        <translation>Gra logiczna, która uczy kolorowania grafów. Uruchomiona bez opcji otwiera okno gry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokazuje tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokazuje wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Spróbuj „%1 --help”.</translation>
    </message>
    <message>
        <source>Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: each puzzle with its edges, its code and a line for a name.</source>
        <translation>Zapisuje kartę pracy z zagadkami do wydruku jako plik PDF PLIK, bez otwierania okna: każda zagadka z krawędziami, swoim kodem i linią na imię i nazwisko.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
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
        <translation>Z opcją --worksheet: liczba zagadek, od 1 do 60 (domyślnie 6).</translation>
    </message>
    <message>
        <source>With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 of up to %2, and 1 of more.</source>
        <translation>Z opcją --worksheet: liczba zagadek na stronę – 1, 2, 4 lub 6 (domyślnie 4). Większe zagadki potrzebują więcej miejsca: strona mieści 6 zagadek mających do %1 wierzchołków, 4 mające do %2 i 1 większą.</translation>
    </message>
    <message>
        <source>With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8).</source>
        <translation>Z opcją --worksheet: liczba wierzchołków każdej zagadki, od 6 do 16, albo random, czyli losowo (domyślnie 8).</translation>
    </message>
    <message>
        <source>With --worksheet: colors of each puzzle, 2 to 4, or random (default 3).</source>
        <translation>Z opcją --worksheet: liczba kolorów każdej zagadki, od 2 do 4, albo random, czyli losowo (domyślnie 3).</translation>
    </message>
    <message>
        <source>With --worksheet: add answer pages, each vertex in its color and with its color&apos;s number (default: no answers).</source>
        <translation>Z opcją --worksheet: dodaje strony z rozwiązaniami, na których każdy wierzchołek ma swój kolor i numer tego koloru (domyślnie bez rozwiązań).</translation>
    </message>
    <message>
        <source>The option &apos;--%1&apos; goes with --worksheet.</source>
        <translation>Opcji „--%1” używa się tylko z --worksheet.</translation>
    </message>
    <message>
        <source>The number of puzzles must be 1 to 60, not &apos;%1&apos;.</source>
        <translation>Liczba zagadek musi wynosić od 1 do 60, a nie „%1”.</translation>
    </message>
    <message>
        <source>Puzzles a page must be 1, 2, 4 or 6, not &apos;%1&apos;.</source>
        <translation>Liczba zagadek na stronę musi wynosić 1, 2, 4 lub 6, a nie „%1”.</translation>
    </message>
    <message>
        <source>Vertices must be 6 to 16 or random, not &apos;%1&apos;.</source>
        <translation>Liczba wierzchołków musi wynosić od 6 do 16 (albo random), a nie „%1”.</translation>
    </message>
    <message>
        <source>Colors must be 2 to 4 or random, not &apos;%1&apos;.</source>
        <translation>Liczba kolorów musi wynosić od 2 do 4 (albo random), a nie „%1”.</translation>
    </message>
    <message>
        <source>The worksheet needs a file name.</source>
        <translation>Podaj nazwę pliku karty pracy.</translation>
    </message>
    <message>
        <source>The worksheet&apos;s file name &apos;%1&apos; begins with &apos;-&apos;; give it as &apos;./%1&apos; or after &apos;--&apos;.</source>
        <translation>Nazwa pliku karty pracy „%1” zaczyna się od „-”; podaj ją jako „./%1” albo po „--”.</translation>
    </message>
    <message>
        <source>Cannot write the worksheet &apos;%1&apos;: %2</source>
        <translation>Nie można zapisać karty pracy „%1”: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>uncolored</source>
        <translation>bez koloru</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>na niebiesko</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>red</source>
        <translation>na czerwono</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>green</source>
        <translation>na zielono</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>na fioletowo</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>SpEcTrUmIx Help</source>
        <translation>Pomoc SpEcTrUmIx</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Dalej &gt;</translation>
    </message>
    <message>
        <source>SpEcTrUmIx Help - </source>
        <translation>Pomoc SpEcTrUmIx - </translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>SpEcTrUmIx Team  Dec 2026</source>
        <translation>Zespół SpEcTrUmIx  XII 2026</translation>
    </message>
    <message>
        <source>About SpEcTrUmIx</source>
        <translation>O grze SpEcTrUmIx</translation>
    </message>
    <message>
        <source>© 2026 The SpEcTrUmIx team</source>
        <translation>© 2026 Zespół SpEcTrUmIx</translation>
    </message>
    <message>
        <source>and all its contributors</source>
        <translation>i wszyscy współtwórcy</translation>
    </message>
    <message>
        <source>Write to us through the game&apos;s project page.</source>
        <translation>Napisz do nas przez stronę projektu gry.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Meet the SpEcTrUmIx team</source>
        <translation>Poznaj nasz zespół</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Wersja %1.%2</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>Please, read readme.txt about usage</source>
        <translation>Przeczytaj, proszę, w pliku readme.txt, jak grać.</translation>
    </message>
    <message>
        <source>Press click to get details</source>
        <translation>Kliknij po szczegóły</translation>
    </message>
</context>
<context>
    <name>TDecisionDialog</name>
    <message>
        <source>Decide Your Fate</source>
        <translation>Zdecyduj o swoim losie</translation>
    </message>
    <message>
        <source>You will suffer a score of Par + 10 if you click &apos;Yes&apos;</source>
        <translation>Klikniesz „Tak” – dostaniesz wynik par + 10</translation>
    </message>
    <message>
        <source>and take your lumps. If you click &apos;No&apos; you will be</source>
        <translation>i przełkniesz gorzką pigułkę. Po „Nie” wrócisz</translation>
    </message>
    <message>
        <source>returned to the current game. Life&apos;s tough. You decide.</source>
        <translation>do bieżącej gry. Życie bywa ciężkie. Ty decydujesz.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Three question marks</source>
        <translation>Trzy znaki zapytania</translation>
    </message>
</context>
<context>
    <name>TExcellentDlg</name>
    <message>
        <source>Youse a dude!</source>
        <translation>Wymiatasz!</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>cleared vertex %1, joined</source>
        <translation>wierzchołek %1 stracił kolor, odkryto krawędź</translation>
    </message>
    <message>
        <source>cleared vertex %1</source>
        <translation>wierzchołek %1 stracił kolor</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>wynik %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, par %4</source>
        <translation>%1, %2, %3, par %4</translation>
    </message>
    <message>
        <source>No puzzle yet: F2 makes one.</source>
        <translation>Nie ma jeszcze zagadki: F2 ją utworzy.</translation>
    </message>
    <message>
        <source>Game over: score %1, par %2.</source>
        <translation>Koniec gry: wynik %1, par %2.</translation>
    </message>
    <message>
        <source>score %1, par %2, %3 of %4 edges known, %5</source>
        <translation>wynik %1, par %2, znane krawędzie: %3 z %4, %5</translation>
    </message>
    <message>
        <source>Puzzle resumed: %1, score %2</source>
        <translation>Zagadka wznowiona: %1, wynik %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edges shown</source>
        <translation>
            <numerusform>%n widoczna krawędź</numerusform>
            <numerusform>%n widoczne krawędzie</numerusform>
            <numerusform>%n widocznych krawędzi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n edges hidden</source>
        <translation>
            <numerusform>%n ukryta krawędź</numerusform>
            <numerusform>%n ukryte krawędzie</numerusform>
            <numerusform>%n ukrytych krawędzi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vertices</source>
        <translation>
            <numerusform>%n wierzchołek</numerusform>
            <numerusform>%n wierzchołki</numerusform>
            <numerusform>%n wierzchołków</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>kolory: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n vertices left</source>
        <translation>
            <numerusform>został %n wierzchołek</numerusform>
            <numerusform>zostały %n wierzchołki</numerusform>
            <numerusform>zostało %n wierzchołków</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevel1</name>
    <message>
        <source>To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the same color.</source>
        <translation>Aby pokolorować wierzchołek, kliknij tutaj, a potem kliknij wierzchołek. Wierzchołki połączone krawędzią nie mogą mieć tego samego koloru.</translation>
    </message>
    <message>
        <source>Vertices joined by an edge cannot be the same color.</source>
        <translation>Wierzchołki połączone krawędzią nie mogą mieć tego samego koloru.</translation>
    </message>
    <message>
        <source>The goal is to color all the vertices other than black.</source>
        <translation>Celem jest pokolorowanie wszystkich wierzchołków na inny kolor niż czarny.</translation>
    </message>
    <message>
        <source>This is my solution to the underlying graph.</source>
        <translation>To moje rozwiązanie dla grafu tej zagadki.</translation>
    </message>
    <message>
        <source>Notice the number of edges is the same as stated.</source>
        <translation>Zauważ, że liczba krawędzi zgadza się z podaną.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>Color &amp;Marks</source>
        <translation>&amp;Numery kolorów</translation>
    </message>
    <message>
        <source>Color-&amp;Safe Colors</source>
        <translation>Kolory dla &amp;daltonistów</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O grze...</translation>
    </message>
    <message>
        <source>Vertices are initially black and purple</source>
        <translation>Na początku wierzchołki są czarne z fioletową ramką</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Draw Graph</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Ends play and solves the puzzle.</source>
        <translation>Kończy grę i rozwiązuje zagadkę.</translation>
    </message>
    <message>
        <source>Par: </source>
        <translation>Par: </translation>
    </message>
    <message>
        <source>Color vertices in no more than Par clicks to attain an excellent score.</source>
        <translation>Pokoloruj wierzchołki, klikając nie więcej razy, niż wynosi par – to będzie świetny wynik.</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Myślę...</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Twój wynik:</translation>
    </message>
    <message>
        <source>Number of clicks on vertices.</source>
        <translation>Liczba kliknięć w wierzchołki.</translation>
    </message>
    <message>
        <source>Edges: </source>
        <translation>Krawędzie: </translation>
    </message>
    <message>
        <source>The number of edges in the graph.</source>
        <translation>Liczba krawędzi w grafie.</translation>
    </message>
    <message>
        <source>Average From Par: 0</source>
        <translation>Średnio od par: 0</translation>
    </message>
    <message>
        <source>Your average score from Par over the games you play this session.</source>
        <translation>O ile średnio twój wynik różni się od par w grach z tej sesji.</translation>
    </message>
    <message>
        <source>Edges: %1</source>
        <translation>Krawędzie: %1</translation>
    </message>
    <message>
        <source>Average From Par: %1</source>
        <translation>Średnio od par: %1</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Zakończ bez zapisu</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>&amp;Performance...</source>
        <translation>&amp;Wyniki...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Print P&amp;uzzles...</source>
        <translation>&amp;Drukuj zagadki...</translation>
    </message>
    <message>
        <source>Puzzle &amp;Code...</source>
        <translation>&amp;Kod zagadki...</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>Zacznij zagadkę od &amp;nowa</translation>
    </message>
    <message>
        <source>Review Last &amp;Game...</source>
        <translation>&amp;Przejrzyj ostatnią grę...</translation>
    </message>
</context>
<context>
    <name>TNotBadMessage</name>
    <message>
        <source>OK but...</source>
        <translation>Dobrze, ale...</translation>
    </message>
</context>
<context>
    <name>TOptionsL1</name>
    <message>
        <source>SpEcTrUmIx Options</source>
        <translation>Opcje SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Progess Through Levels (Teaching Mode)</source>
        <translation>Poziom po poziomie (tryb nauki)</translation>
    </message>
    <message>
        <source>Show Edges</source>
        <translation>Pokaż krawędzie</translation>
    </message>
    <message>
        <source>Random Number of Colors</source>
        <translation>Losuj liczbę kolorów</translation>
    </message>
    <message>
        <source>This determines how many colors are needed to color the graph.</source>
        <translation>Określa, ilu kolorów potrzeba do pokolorowania grafu.</translation>
    </message>
    <message>
        <source>Random Number of Vertices</source>
        <translation>Losuj liczbę wierzchołków</translation>
    </message>
    <message>
        <source>Also turns Teach Mode off if selected</source>
        <translation>Po zaznaczeniu wyłącza też tryb nauki</translation>
    </message>
    <message>
        <source>This determines the number of vertices the graph has.</source>
        <translation>Określa, ile wierzchołków ma graf.</translation>
    </message>
    <message>
        <source>Random Edge Probability</source>
        <translation>Losuj gęstość krawędzi</translation>
    </message>
    <message>
        <source>This determines how many edges the graph has.</source>
        <translation>Określa, ile krawędzi ma graf.</translation>
    </message>
    <message>
        <source>Show Tool Tips</source>
        <translation>Pokaż podpowiedzi</translation>
    </message>
    <message>
        <source>Timer (not working yet)</source>
        <translation>Stoper (jeszcze nie działa)</translation>
    </message>
    <message>
        <source>Play Computer (not working yet)</source>
        <translation>Gra z komputerem (jeszcze nie działa)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Number of Colors</source>
        <translation>Liczba kolorów</translation>
    </message>
    <message>
        <source>Number of Vertices</source>
        <translation>Liczba wierzchołków</translation>
    </message>
    <message>
        <source>Edge Probability</source>
        <translation>Gęstość krawędzi</translation>
    </message>
</context>
<context>
    <name>TOrbVertex1</name>
    <message>
        <source>Vertex, %1</source>
        <translation>Wierzchołek, %1</translation>
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
        <translation>nie znamy jeszcze żadnej krawędzi</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>joins %1</source>
        <translation>sąsiedzi: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>neighbor numbers, then their color</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Solution vertex %1, %2</source>
        <translation>Wierzchołek %1 w rozwiązaniu, %2</translation>
    </message>
</context>
<context>
    <name>TPerfectDlg</name>
    <message>
        <source>You can&apos;t do better than this</source>
        <translation>Lepiej się nie da</translation>
    </message>
</context>
<context>
    <name>TMasteryMap</name>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.</source>
        <translation>Poziom %1 – wierzchołki: %2, kolory: %3, %4. Rozegrane gry: %5, par lub lepiej: %6.</translation>
    </message>
    <message>
        <source>%1 colors</source>
        <translation>%1 kolory</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>jawne</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ukryte</translation>
    </message>
    <message>
        <source>Rows: vertices. Numbers: games played. Green: mostly par or better. Framed: the level being taught.</source>
        <translation>Wiersze: wierzchołki. Liczby: rozegrane gry. Zielone: zwykle par lub lepiej. W ramce: poziom, którego się teraz uczysz.</translation>
    </message>
    <message>
        <source>Result against par, the one game of level %1</source>
        <translation>Wynik względem par, jedyna gra z poziomu %1</translation>
    </message>
    <message>
        <source>Choose a level to see its results against par.</source>
        <translation>Wybierz poziom, aby zobaczyć jego wyniki względem par.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>par</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>no games yet</source>
        <translation>jeszcze bez gier</translation>
    </message>
    <message>
        <source>, %1 % par or better</source>
        <translation>, %1 % par lub lepiej</translation>
    </message>
    <message>
        <source>Level %1: %2 vertices, %3 colors, %4, %5</source>
        <translation>Poziom %1 – wierzchołki: %2, kolory: %3, %4, %5</translation>
    </message>
    <message>
        <source>edges shown</source>
        <translation>krawędzie widoczne</translation>
    </message>
    <message>
        <source>edges hidden</source>
        <translation>krawędzie ukryte</translation>
    </message>
    <message>
        <source>, current level</source>
        <translation>, bieżący poziom</translation>
    </message>
    <message>
        <source>No games of level %1 yet.</source>
        <translation>Nie ma jeszcze gier z poziomu %1.</translation>
    </message>
    <message>
        <source>A tick marks them too.</source>
        <translation>Oznacza je też ptaszek.</translation>
    </message>
    <message>
        <source>%1 over par</source>
        <translation>%1 ponad par</translation>
    </message>
    <message>
        <source>%1 under par</source>
        <translation>%1 poniżej par</translation>
    </message>
    <message>
        <source>Last games of the chosen level</source>
        <translation>Ostatnie gry z wybranego poziomu</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Play &amp;Again</source>
        <translation>&amp;Jeszcze raz</translation>
    </message>
    <message>
        <source>%1, %2, no code</source>
        <translation>%1, %2, bez kodu</translation>
    </message>
    <message>
        <source>%1, %2, code %3</source>
        <translation>%1, %2, kod %3</translation>
    </message>
    <message>
        <source>Played before games kept their codes: it cannot be played again.</source>
        <translation>Tę grę rozegrano, zanim kody gier zaczęły trafiać do historii: nie da się w nią zagrać jeszcze raz.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln games</source>
        <translation>
            <numerusform>%Ln gra</numerusform>
            <numerusform>%Ln gry</numerusform>
            <numerusform>%Ln gier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Results against par, last %n games of level %1</source>
        <translation>
            <numerusform>Wynik względem par z poziomu %1, %n gra</numerusform>
            <numerusform>Wyniki względem par z poziomu %1, ostatnie %n gry</numerusform>
            <numerusform>Wyniki względem par z poziomu %1, ostatnich %n gier</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Przejrzyj</translation>
    </message>
</context>
<context>
    <name>TPerformancePages</name>
    <message>
        <source>Choose Level</source>
        <translation>Który poziom?</translation>
    </message>
    <message>
        <source>Choose Player Rank</source>
        <translation>Która ranga?</translation>
    </message>
    <message>
        <source>Show edges</source>
        <translation>krawędzie widoczne</translation>
    </message>
    <message>
        <source>Do not show edges</source>
        <translation>krawędzie ukryte</translation>
    </message>
    <message>
        <source>Personal and Group Performance</source>
        <translation>Twoje wyniki i wyniki grupy</translation>
    </message>
    <message>
        <source>By Level</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Gry na czas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Your Performance This Session</source>
        <translation>Wyniki w tej sesji</translation>
    </message>
    <message>
        <source>Total Number of Games: </source>
        <translation>Gry ogółem: </translation>
    </message>
    <message>
        <source>Par or Better Scores: </source>
        <translation>Par lub lepiej: </translation>
    </message>
    <message>
        <source>Highest Level Played: </source>
        <translation>Najwyższy poziom: </translation>
    </message>
    <message>
        <source>Average From Par: </source>
        <translation>Średnio od par: </translation>
    </message>
    <message>
        <source>Write to History</source>
        <translation>Zapisz w historii</translation>
    </message>
    <message>
        <source>Your Overall Performance</source>
        <translation>Twoje wyniki ogółem</translation>
    </message>
    <message>
        <source>Overall Ranking:</source>
        <translation>Ranga ogólna:</translation>
    </message>
    <message>
        <source>Get Rank From Internet</source>
        <translation>Ranga z internetu</translation>
    </message>
    <message>
        <source>Others&apos; Performance</source>
        <translation>Wyniki innych</translation>
    </message>
    <message>
        <source>Get Data From Internet</source>
        <translation>Dane z internetu</translation>
    </message>
    <message>
        <source>Your Current Session</source>
        <translation>Twoja bieżąca sesja</translation>
    </message>
    <message>
        <source>Number of Vertices: </source>
        <translation>Wierzchołki: </translation>
    </message>
    <message>
        <source>Number of Colors: </source>
        <translation>Kolory: </translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Tryb:</translation>
    </message>
    <message>
        <source>Number of Games Played: </source>
        <translation>Rozegrane gry: </translation>
    </message>
    <message>
        <source>Delete Data For This Level</source>
        <translation>Usuń dane poziomu</translation>
    </message>
    <message>
        <source>Your Performance by Level</source>
        <translation>Twoje wyniki z poziomu</translation>
    </message>
    <message>
        <source>Ranking:</source>
        <translation>Ranga:</translation>
    </message>
    <message>
        <source>Others&apos; Performance By Level</source>
        <translation>Wyniki innych z poziomu</translation>
    </message>
    <message>
        <source>Best Time : </source>
        <translation>Rekord: </translation>
    </message>
    <message>
        <source>Average Time: </source>
        <translation>Średni czas: </translation>
    </message>
    <message>
        <source>Your History By Level</source>
        <translation>Historia z poziomu</translation>
    </message>
    <message>
        <source>Best Time: </source>
        <translation>Rekord: </translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Tryb: </translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ogółem</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>The game plays offline: there are no other players&apos; figures or rankings to fetch.</source>
        <translation>Gra działa bez internetu: nie ma skąd pobrać wyników ani rang innych graczy.</translation>
    </message>
    <message>
        <source>Every game is written to the history as it ends.</source>
        <translation>Każda gra trafia do historii zaraz po zakończeniu.</translation>
    </message>
    <message>
        <source>Games cannot be saved to %1 (%2); the game goes on.</source>
        <translation>Nie można zapisać gier w %1 (%2); gra toczy się dalej.</translation>
    </message>
    <message>
        <source>The history %1 cannot be read.</source>
        <translation>Nie można odczytać historii %1.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from your history? This cannot be undone.</source>
        <translation>Usunąć z historii wszystkie gry z poziomu %1? Tego nie da się cofnąć.</translation>
    </message>
    <message>
        <source>Delete every game of level %1 from this session&apos;s figures?</source>
        <translation>Usunąć wszystkie gry z poziomu %1 z wyników tej sesji?</translation>
    </message>
    <message>
        <source>The history could not be rewritten (%1); nothing was deleted.</source>
        <translation>Nie udało się zapisać historii od nowa (%1); nic nie zostało usunięte.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Player rank</source>
        <translation>Ranga gracza</translation>
    </message>
</context>
<context>
    <name>TPrintPuzzlesDlg</name>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Drukuj zagadki</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Zagadki</translation>
    </message>
    <message>
        <source>Puzzles a page</source>
        <translation>Zagadki na stronę</translation>
    </message>
    <message>
        <source>Vertices</source>
        <translation>Wierzchołki</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>With &amp;answer pages</source>
        <translation>Ze stronami &amp;rozwiązań</translation>
    </message>
    <message>
        <source>After the puzzles, each puzzle again with every vertex in its color and its color&apos;s number.</source>
        <translation>Po zagadkach jeszcze raz każda zagadka, a w niej każdy wierzchołek w swoim kolorze i z numerem tego koloru.</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Zagadki:</translation>
    </message>
    <message>
        <source>Puzzles a pa&amp;ge:</source>
        <translation>Zagadki na &amp;stronę:</translation>
    </message>
    <message>
        <source>&amp;Vertices:</source>
        <translation>&amp;Wierzchołki:</translation>
    </message>
    <message>
        <source>&amp;Colors:</source>
        <translation>&amp;Kolory:</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message numerus="yes">
        <source>Puzzles of more than %n vertices are printed fewer a page, so that no edge passes under a vertex.</source>
        <translation>
            <numerusform>Zagadek mających ponad %n wierzchołek mieści się na stronie mniej, aby żadna krawędź nie przechodziła pod wierzchołkiem.</numerusform>
            <numerusform>Zagadek mających ponad %n wierzchołki mieści się na stronie mniej, aby żadna krawędź nie przechodziła pod wierzchołkiem.</numerusform>
            <numerusform>Zagadek mających ponad %n wierzchołków mieści się na stronie mniej, aby żadna krawędź nie przechodziła pod wierzchołkiem.</numerusform>
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
        <translation>Nie</translation>
    </message>
    <message>
        <source>Way to go. You seem to know what you are doing at this level. Would you like to go on to the next level?</source>
        <translation>Brawo! Widać, że ten poziom masz w małym palcu. Chcesz przejść na następny poziom?</translation>
    </message>
    <message>
        <source>You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.</source>
        <translation>To była idealna gra! Brawo. Aby awansować, potrzebujesz dwóch idealnych gier z rzędu.</translation>
    </message>
    <message>
        <source>Way to go!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>Do you have a method? Do you think it works for other graphs with a different number of vertices and a different number of edges?</source>
        <translation>Masz jakąś metodę? Jak myślisz, czy zadziała też dla innych grafów, z inną liczbą wierzchołków i inną liczbą krawędzi?</translation>
    </message>
    <message>
        <source>You need 3 excellent games in a row to advance. You now have %1.</source>
        <translation>Aby awansować, potrzebujesz 3 świetnych gier z rzędu. Na razie masz %1.</translation>
    </message>
    <message>
        <source>You seem to know what you are doing at this level. You did three excellent games in a row. Would you like to advance to the next level?</source>
        <translation>Widać, że ten poziom masz w małym palcu: trzy świetne gry z rzędu. Chcesz awansować na następny poziom?</translation>
    </message>
    <message>
        <source>To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance when the edges are not showing.</source>
        <translation>Aby awansować, musisz rozwiązywać zagadki, klikając w wierzchołki nie więcej razy, niż wynosi par. Gdy krawędzie są widoczne, do awansu wystarczy 1 gra na par, a gdy są ukryte, potrzebujesz 3 gier z rzędu na par lub lepiej.</translation>
    </message>
    <message>
        <source>EXCELLENT</source>
        <translation>ŚWIETNIE</translation>
    </message>
    <message>
        <source>NOT BAD</source>
        <translation>NIEŹLE</translation>
    </message>
    <message>
        <source>PERFECT</source>
        <translation>IDEALNIE</translation>
    </message>
    <message>
        <source>Your score %1, par %2.</source>
        <translation>Twój wynik: %1, par %2.</translation>
    </message>
</context>
<context>
    <name>TSpinEdit</name>
    <message>
        <source>One more</source>
        <translation>O jeden więcej</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>O jeden mniej</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Answers</source>
        <translation>Rozwiązania</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Zagadki</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Zagadka %1</translation>
    </message>
    <message>
        <source>Color with %1 colors</source>
        <translation>Pokoloruj %1 kolorami</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Kod:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię i nazwisko:</translation>
    </message>
    <message>
        <source>SpEcTrUmIx worksheet</source>
        <translation>Karta pracy SpEcTrUmIx</translation>
    </message>
    <message>
        <source>Not a regular file or a pipe</source>
        <translation>To nie jest zwykły plik ani potok</translation>
    </message>
</context>
<context>
    <name>artwork</name>
    <message>
        <source>Color All Vertices</source>
        <translation>Pokoloruj wierzchołki</translation>
    </message>
    <message>
        <source>Puzzle Solved</source>
        <translation>Zagadka rozwiązana</translation>
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
        <translation>Kod zagadki</translation>
    </message>
    <message>
        <source>&amp;This puzzle&apos;s code:</source>
        <translation>Kod &amp;tej zagadki:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Play a puzzle &amp;by its code:</source>
        <translation>Zagraj w zagadkę &amp;o kodzie:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Zagraj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No puzzle yet</source>
        <translation>Brak zagadki</translation>
    </message>
    <message>
        <source>This puzzle&apos;s code</source>
        <translation>Kod tej zagadki</translation>
    </message>
    <message>
        <source>Code to play</source>
        <translation>Kod zagadki do zagrania</translation>
    </message>
    <message>
        <source>Codes never contain “%1”: check that character.</source>
        <translation>Kody nigdy nie zawierają znaku „%1”: sprawdź ten znak.</translation>
    </message>
    <message>
        <source>This code is too short: a code has ten characters.</source>
        <translation>Ten kod jest za krótki: kod ma dziesięć znaków.</translation>
    </message>
    <message>
        <source>This code is too long: a code has ten characters.</source>
        <translation>Ten kod jest za długi: kod ma dziesięć znaków.</translation>
    </message>
    <message>
        <source>This code is from a newer version of the game, or its first character is mistyped.</source>
        <translation>Ten kod pochodzi z nowszej wersji gry albo jego pierwszy znak jest źle wpisany.</translation>
    </message>
    <message>
        <source>A character is mistyped or two are swapped: check the code against the paper.</source>
        <translation>Jeden znak jest źle wpisany albo dwa są zamienione miejscami: porównaj kod z kartką.</translation>
    </message>
    <message>
        <source>This code names no puzzle: check it against the paper.</source>
        <translation>Ten kod nie pasuje do żadnej zagadki: porównaj go z kartką.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges shown. Press Play.</source>
        <translation>Zagadka: %1 wierzchołków, %2 kolory, krawędzie widoczne. Naciśnij „Zagraj”.</translation>
    </message>
    <message>
        <source>A puzzle of %1 vertices and %2 colors, edges hidden. Press Play.</source>
        <translation>Zagadka: %1 wierzchołków, %2 kolory, krawędzie ukryte. Naciśnij „Zagraj”.</translation>
    </message>
    <message>
        <source>Code %1 copied.</source>
        <translation>Skopiowano kod %1.</translation>
    </message>
</context>
<context>
    <name>TReviewWindow</name>
    <message>
        <source>Your last position</source>
        <translation>Twoja plansza na końcu</translation>
    </message>
    <message>
        <source>The game&apos;s own solution</source>
        <translation>Rozwiązanie gry</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Przegląd gry</translation>
    </message>
    <message>
        <source>Clicks of the game</source>
        <translation>Kliknięcia w grze</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message numerus="yes">
        <source>%n clicks, par %1</source>
        <translation>
            <numerusform>%n kliknięcie, par %1</numerusform>
            <numerusform>%n kliknięcia, par %1</numerusform>
            <numerusform>%n kliknięć, par %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n painted</source>
        <translation>
            <numerusform>%n wierzchołek pokolorowany</numerusform>
            <numerusform>%n wierzchołki pokolorowane</numerusform>
            <numerusform>%n wierzchołków pokolorowanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clashes on edges you could see</source>
        <translation>
            <numerusform>%n konflikt na krawędzi, którą było widać</numerusform>
            <numerusform>%n konflikty na krawędziach, które było widać</numerusform>
            <numerusform>%n konfliktów na krawędziach, które było widać</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden edges found</source>
        <translation>
            <numerusform>%n ukryta krawędź odkryta</numerusform>
            <numerusform>%n ukryte krawędzie odkryte</numerusform>
            <numerusform>%n ukrytych krawędzi odkrytych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repaints</source>
        <translation>
            <numerusform>%n wierzchołek pokolorowany ponownie</numerusform>
            <numerusform>%n wierzchołki pokolorowane ponownie</numerusform>
            <numerusform>%n wierzchołków pokolorowanych ponownie</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No vertex was painted in this game.</source>
        <translation>W tej grze nie pokolorowano żadnego wierzchołka.</translation>
    </message>
    <message>
        <source>Every click painted a vertex: not one went to a clash or a repaint.</source>
        <translation>Każde kliknięcie pokolorowało czarny wierzchołek: ani jednego konfliktu, ani jednego ponownego kolorowania.</translation>
    </message>
    <message numerus="yes">
        <source>%n clashes were on edges already drawn: look at a vertex&apos;s neighbors before you paint it.</source>
        <translation>
            <numerusform>%n konflikt był na krawędzi, która była już narysowana: zanim pokolorujesz wierzchołek, spójrz na jego sąsiadów.</numerusform>
            <numerusform>%n konflikty były na krawędziach, które były już narysowane: zanim pokolorujesz wierzchołek, spójrz na jego sąsiadów.</numerusform>
            <numerusform>%n konfliktów było na krawędziach, które były już narysowane: zanim pokolorujesz wierzchołek, spójrz na jego sąsiadów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clicks painted a vertex again: choose its color once, from the colors its neighbors wear.</source>
        <translation>
            <numerusform>%n kliknięcie pokolorowało wierzchołek ponownie: wybieraj kolor tylko raz, patrząc na kolory sąsiadów.</numerusform>
            <numerusform>%n kliknięcia pokolorowały wierzchołek ponownie: wybieraj kolor tylko raz, patrząc na kolory sąsiadów.</numerusform>
            <numerusform>%n kliknięć pokolorowało wierzchołek ponownie: wybieraj kolor tylko raz, patrząc na kolory sąsiadów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every clash found a hidden edge: that is the cost of exploring.</source>
        <translation>Każdy konflikt odkrył ukrytą krawędź: taka jest cena odkrywania.</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 painted %3</source>
        <translation>Kliknięcie %1: wierzchołek %2 pokolorowany %3</translation>
    </message>
    <message>
        <source>Click %1: vertex %2 repainted from %3 to %4</source>
        <translation>Kliknięcie %1: wierzchołek %2 pokolorowany ponownie, wcześniej %3, teraz %4</translation>
    </message>
    <message numerus="yes">
        <source>clash with %1 across edges you could see</source>
        <translation>
            <numerusform>konflikt na krawędzi, którą było widać (sąsiad %1)</numerusform>
            <numerusform>konflikt na krawędziach, które było widać (sąsiedzi %1)</numerusform>
            <numerusform>konflikt na krawędziach, które było widać (sąsiedzi %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>found the hidden edges %1</source>
        <translation>
            <numerusform>odkryto ukrytą krawędź %1</numerusform>
            <numerusform>odkryto ukryte krawędzie %1</numerusform>
            <numerusform>odkryto ukryte krawędzie %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Click %1: vertex %2 %3, %4; %5 cleared</source>
        <translation>
            <numerusform>Kliknięcie %1: wierzchołek %2 pokolorowany %3, %4; %5 stracił kolor</numerusform>
            <numerusform>Kliknięcie %1: wierzchołek %2 pokolorowany %3, %4; %5 straciły kolor</numerusform>
            <numerusform>Kliknięcie %1: wierzchołek %2 pokolorowany %3, %4; %5 straciły kolor</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; puzzle solved</source>
        <translation>%1; zagadka rozwiązana</translation>
    </message>
    <message>
        <source>Before the first click: every edge hidden</source>
        <translation>Przed pierwszym kliknięciem: wszystkie krawędzie ukryte</translation>
    </message>
    <message numerus="yes">
        <source>Before the first click: %n edges shown</source>
        <translation>
            <numerusform>Przed pierwszym kliknięciem: %n krawędź widoczna</numerusform>
            <numerusform>Przed pierwszym kliknięciem: %n krawędzie widoczne</numerusform>
            <numerusform>Przed pierwszym kliknięciem: %n krawędzi widocznych</numerusform>
        </translation>
    </message>
    <message>
        <source>The game&apos;s own solution: %1</source>
        <translation>Rozwiązanie gry: %1</translation>
    </message>
</context>
</TS>
