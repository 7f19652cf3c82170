# SPDX-License-Identifier: GPL-3.0-or-later
# The Brazilian Portuguese words of the manual page (packaging/spectrumix.6.in), name for name as in en.cmake.
set(MAN_DATE "dezembro de 2026")
set(MAN_GAMES "Jogos")
set(MAN_NAME_HEADING "NOME")
set(MAN_SUMMARY "um jogo de lógica que ensina coloração de grafos")
set(MAN_SYNOPSIS_HEADING "SINOPSE")
set(MAN_DESCRIPTION_HEADING "DESCRIÇÃO")
set(MAN_DESCRIPTION [=[.B spectrumix
é um jogo de lógica para o computador sobre coloração de grafos.
Cada desafio é um grafo sorteado de 6 a 16 vértices, que aparecem como quadradinhos num círculo,
montado em volta de uma coloração escondida com duas, três ou quatro cores, de modo que ele
sempre pode ser colorido com essa quantidade de cores.
.PP
Escolha um dos botões de cor oferecidos e clique nos vértices para pintá-los.
Nenhum clique é recusado: o vértice clicado sempre fica com a cor escolhida, e todo vizinho
que já tem essa cor volta a ficar preto, enquanto a aresta entre os dois é desenhada.
O desafio está resolvido quando todos os vértices têm cor ao mesmo tempo, o que só acontece
quando nenhuma aresta liga dois vértices da mesma cor.
Cada desafio tem uma meta: o número de cliques que você deve tentar não ultrapassar.
.PP
As arestas podem aparecer desde o início ou ficar ocultas, para serem descobertas pelos
conflitos.
O número de vértices e de cores e a exibição das arestas são escolhidos na janela de opções
(\fBOpções\fR, \fBConfigurações...\fR ou Ctrl+Z).
Um modo de ensino leva de grafos pequenos com as arestas visíveis até grafos grandes com as
arestas ocultas.
.PP
O jogo não usa a rede.]=])
set(MAN_OPTIONS_HEADING "OPÇÕES")
set(MAN_OPTIONS_INTRO [=[Iniciado sem argumentos, o jogo abre a sua janela.
Com uma das opções abaixo, ele responde na saída padrão, ou grava a folha de atividades pedida, e
termina sem abrir janela nenhuma, por isso não precisa de tela.
Qualquer outro argumento é recusado com uma mensagem de uma linha na saída de erro padrão.]=])
set(MAN_HELP_OPTION "Mostra um resumo de uso, no idioma do jogador, e sai.")
set(MAN_VERSION_OPTION [=[Mostra a versão (\fBspectrumix @PROJECT_VERSION@\fR) e sai.]=])
set(MAN_EXIT_HEADING "STATUS DE SAÍDA")
set(MAN_EXIT_SUCCESS "O jogo foi fechado, ou uma opção foi respondida.")
set(MAN_EXIT_USAGE "Foi dado um argumento que o jogo não conhece.")
set(MAN_FILES_HEADING "ARQUIVOS")
set(MAN_SETTINGS_FILE [=[As configurações do jogador e o seu progresso no modo de ensino, lidos quando o jogo começa
e gravados quando ele fecha.
Ao fechar, o jogo grava só as configurações que ele mudou, no arquivo como ele está naquele
momento: dois jogos que fecham juntos mantêm as mudanças um do outro, e um valor editado à mão
enquanto o jogo roda continua, a não ser que o jogo também o tenha mudado.
Outras linhas e seções ficam como estão; arquivos salvos em UTF-16 ou UTF-32 com marca de
ordem de bytes são gravados de volta na sua codificação, e um arquivo cuja codificação o jogo
não consegue identificar, ou um maior que 1 MiB, é lido como os valores padrão e nunca é
regravado.
Quando
.B XDG_CONFIG_HOME
não está definida, ou não é um caminho absoluto, o arquivo é
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "AMBIENTE")
set(MAN_CONFIG_HOME "A pasta que guarda o arquivo de configurações.")
set(MAN_SEE_ALSO_HEADING "VEJA TAMBÉM")
set(MAN_SEE_ALSO [=[A ajuda do próprio jogo, aberta pelo menu \fBAjuda\fR (\fBConteúdo\fR) ou com a tecla F1,
explica as regras, as ideias da coloração de grafos e estratégias para experimentar.]=])
set(MAN_LOCK_FILE [=[Ao lado do arquivo de configurações: mantido enquanto um jogo grava, para que duas gravações
nunca se sobreponham.
Ele fica vazio e pode ser apagado enquanto nenhum jogo estiver fechando.]=])
set(MAN_HISTORY_FILE [=[O histórico de cada partida avaliada, uma linha para cada, acrescentada quando a partida termina
e mostrada na janela de desempenho (\fBArquivo\fR, \fBDesempenho...\fR).
Cada linha guarda também o código do desafio e os cliques da partida (até 512), para rever a
partida clique por clique (\fBRever\fR na página \fBProgresso\fR).
Quando
.B XDG_DATA_HOME
não está definida, ou não é um caminho absoluto, o arquivo é
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "A pasta que guarda o histórico do jogo.")
set(MAN_KEPT_PUZZLE_FILE [=[O desafio em andamento quando o jogo foi fechado pela última vez (o código, os cliques até ali e o
tempo de jogo), colocado de volta no tabuleiro na abertura seguinte. O arquivo é gravado de uma vez só quando o
jogo fecha com um desafio em andamento, e removido quando um jogo que o gravou ou retomou fecha sem nenhum. Um
arquivo que o jogo não consegue ler como seu é renomeado para
.I puzzle-in-play.txt.damaged
e o jogo começa com o tabuleiro vazio. Ao lado,
.I .puzzle-in-play.txt.lock
fica travado enquanto um jogo grava o arquivo.]=])
set(MAN_EXIT_NO_DISPLAY [=[Não foi possível abrir nenhuma tela (o jogo então avisa numa linha na saída de erro padrão),
ou a tela se perdeu enquanto o jogo rodava, depois de as configurações terem sido gravadas.]=])

set(MAN_WORKSHEET_OPTION [=[Grava no arquivo PDF
.I FILE
uma folha de atividades com desafios, pronta para imprimir,
e termina, sem abrir janela nenhuma nem precisar de tela.
Cada desafio mostra seus vértices numerados num círculo, como o tabuleiro os dispõe, todas as
arestas, o número de cores a usar, seu código (digitado no jogo, ele dá o mesmo desafio) e uma
linha para o nome.
Os desafios são sorteados a partir do relógio, cada um com a sua própria leitura espalhada ao longo do dia, e não há dois iguais
na mesma folha; as arestas são sorteadas com a porcentagem de arestas padrão do jogo, 63\ %.
O arquivo é gravado inteiro ou não é gravado.
A mesma folha é impressa pelo jogo com \fBArquivo\fR, \fBImprimir desafios...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "Quantos desafios, de 1 a 60 (padrão 6).")
set(MAN_PER_PAGE_OPTION [=[Quantos desafios por página, 1, 2, 4 ou 6 (padrão 4).
Desafios maiores precisam de mais espaço, para que nenhuma aresta passe por baixo de um vértice: uma
página comporta 6 desafios de até 10 vértices, 4 de até 13 e 1 se tiverem mais.]=])
set(MAN_VERTICES_OPTION [=[O número de vértices de cada desafio, de 6 a 16, ou \fBrandom\fR para sorteá-lo em cada desafio do
mesmo jeito que o jogo sorteia as configurações ao acaso de um desafio novo (padrão 8).]=])
set(MAN_COLORS_OPTION [=[O número de cores de cada desafio, de 2 a 4, ou \fBrandom\fR (padrão 3).]=])
set(MAN_ANSWERS_OPTION [=[Acrescenta o gabarito depois dos desafios, na mesma disposição: cada vértice pintado com a
sua cor e com o número dessa cor, de 1 a 4, para que o gabarito também possa ser lido em preto
e branco (padrão: sem gabarito).]=])
set(MAN_EXIT_UNWRITABLE "Ou não foi possível gravar o arquivo da folha de atividades (a mensagem diz qual).")
set(MAN_EXIT_BAD_VALUE "Ou o valor de uma opção está fora da faixa permitida.")
