# SPDX-License-Identifier: GPL-3.0-or-later
# The Italian words of the manual page (packaging/spectrumix.6.in), name for name as in en.cmake.
set(MAN_DATE "dicembre 2026")
set(MAN_GAMES "Giochi")
set(MAN_NAME_HEADING "NOME")
set(MAN_SUMMARY "un rompicapo che insegna a colorare i grafi")
set(MAN_SYNOPSIS_HEADING "SINTASSI")
set(MAN_DESCRIPTION_HEADING "DESCRIZIONE")
set(MAN_DESCRIPTION [=[.B spectrumix
è un rompicapo per il desktop sulla colorazione dei grafi.
Ogni rompicapo è un grafo casuale da 6 a 16 vertici, disposti come quadratini su un cerchio,
costruito intorno a una colorazione nascosta con due, tre o quattro colori, così che si possa
sempre colorare con quel numero di colori.
.PP
Scegli uno dei pulsanti di colore offerti e clicca sui vertici per dipingerli.
Un clic non viene mai rifiutato: il vertice cliccato prende sempre il colore scelto, e ogni
vicino che ha già quel colore torna nero, mentre il lato tra i due viene disegnato.
Il rompicapo è risolto quando tutti i vertici sono colorati nello stesso momento, cosa che può
succedere solo quando nessun lato collega due vertici dello stesso colore.
Ogni rompicapo ha un par, il numero di clic a cui puntare.
.PP
I lati possono essere visibili fin dall'inizio oppure nascosti, da scoprire con gli scontri.
Il numero di vertici e di colori e la visualizzazione dei lati si scelgono nella finestra
Opzioni (\fBOpzioni\fR, \fBImpostazioni...\fR, oppure Ctrl+Z).
Una modalità guidata accompagna da grafi piccoli con i lati visibili fino a grafi grandi con
i lati nascosti.
.PP
Il gioco non usa la rete.]=])
set(MAN_OPTIONS_HEADING "OPZIONI")
set(MAN_OPTIONS_INTRO [=[Avviato senza argomenti, il gioco apre la sua finestra.
Con una delle opzioni qui sotto risponde sullo standard output, oppure scrive la scheda richiesta, e
termina senza aprire finestre, quindi non ha bisogno di un display.
Qualsiasi altro argomento viene rifiutato con un messaggio di una riga sullo standard error.]=])
set(MAN_HELP_OPTION "Mostra un breve aiuto sull'uso, nella lingua del giocatore, ed esce.")
set(MAN_VERSION_OPTION [=[Mostra la versione (\fBspectrumix @PROJECT_VERSION@\fR) ed esce.]=])
set(MAN_EXIT_HEADING "STATO D'USCITA")
set(MAN_EXIT_SUCCESS "Il gioco è stato chiuso, oppure è stata data risposta a un'opzione.")
set(MAN_EXIT_USAGE "È stato dato un argomento che il gioco non conosce.")
set(MAN_FILES_HEADING "FILE")
set(MAN_SETTINGS_FILE [=[Le impostazioni del giocatore e i progressi nella modalità guidata, letti all'avvio del
gioco e scritti alla chiusura.
Un gioco che si chiude scrive solo le impostazioni che ha cambiato, nel file così com'è in quel
momento: due giochi che si chiudono insieme conservano le modifiche l'uno dell'altro, e un valore
cambiato a mano mentre il gioco è aperto resta, a meno che il gioco non l'abbia cambiato anch'esso.
Le altre righe e sezioni restano come sono; i file salvati in UTF-16 o UTF-32 con un
byte-order mark vengono riscritti nella loro codifica, e un file di cui il gioco non riconosce
la codifica, o più grande di 1 MiB, viene letto come valori predefiniti e non viene mai riscritto.
Quando
.B XDG_CONFIG_HOME
non è impostata, o non è un percorso assoluto, il file è
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "AMBIENTE")
set(MAN_CONFIG_HOME "La cartella che contiene il file delle impostazioni.")
set(MAN_SEE_ALSO_HEADING "VEDERE ANCHE")
set(MAN_SEE_ALSO [=[La guida del gioco, che si apre dal suo menu \fBGuida\fR (\fBIndice\fR) o con il tasto F1,
spiega le regole, le idee della colorazione dei grafi e strategie da provare.]=])
set(MAN_LOCK_FILE [=[Accanto al file delle impostazioni: viene bloccato mentre un gioco salva, così che due
salvataggi non si sovrappongano mai.
Resta vuoto e si può togliere quando nessun gioco si sta chiudendo.]=])
set(MAN_HISTORY_FILE [=[Lo storico di ogni partita valutata, una riga ciascuna, aggiunta alla fine di ogni partita e
mostrata nella finestra dei risultati (\fBFile\fR, \fBRisultati...\fR).
Ogni riga conserva anche il codice del rompicapo e i clic della partita (fino a 512), per
rivedere la partita clic per clic (\fBRivedi\fR nella pagina \fBProgressi\fR).
Quando
.B XDG_DATA_HOME
non è impostata, o non è un percorso assoluto, il file è
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "La cartella che contiene lo storico delle partite.")
set(MAN_KEPT_PUZZLE_FILE [=[Il rompicapo in corso quando il gioco è stato chiuso l'ultima volta (il suo codice, i clic fatti fin lì
e il tempo di gioco), rimesso sul tabellone all'avvio successivo. Il file viene scritto tutto in una volta
quando il gioco si chiude con un rompicapo in corso, e tolto quando un gioco che l'ha scritto o ripreso si
chiude senza rompicapo in corso. Un file che il gioco non riesce a leggere come suo viene rinominato
.I puzzle-in-play.txt.damaged
e il gioco parte con il tabellone vuoto. Accanto,
.I .puzzle-in-play.txt.lock
è tenuto mentre un gioco scrive il file.]=])
set(MAN_EXIT_NO_DISPLAY [=[Non è stato possibile aprire un display (il gioco allora lo dice con una riga sullo
standard error), oppure il display è andato perso mentre il gioco era in esecuzione, dopo che
le impostazioni erano state salvate.]=])

set(MAN_WORKSHEET_OPTION [=[Scrive una scheda di rompicapo da stampare nel file PDF
.I FILE
e termina, senza aprire finestre e senza bisogno di un display.
Ogni rompicapo mostra i suoi vertici numerati su un cerchio, disposti come sul tabellone, tutti
i lati, il numero di colori da usare, il suo codice (scritto nel gioco, dà lo stesso rompicapo) e
una riga per il nome.
I rompicapo vengono estratti a partire dall'orologio, ciascuno da una propria lettura sparsa lungo la giornata, e su una scheda non ce ne
sono due uguali; i lati vengono estratti con la densità dei lati predefinita del gioco, 63.
Il file viene scritto per intero oppure non viene scritto affatto.
La stessa scheda si stampa dal gioco con \fBFile\fR, \fBStampa rompicapo...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "Quanti rompicapo, da 1 a 60 (predefinito: 6).")
set(MAN_PER_PAGE_OPTION [=[Quanti rompicapo per pagina: 1, 2, 4 o 6 (predefinito: 4).
I rompicapo più grandi richiedono più spazio, perché nessun lato passi sotto un vertice: una pagina
contiene 6 rompicapo fino a 10 vertici, 4 fino a 13 e 1 se ne hanno di più.]=])
set(MAN_VERTICES_OPTION [=[I vertici di ogni rompicapo, da 6 a 16, oppure \fBrandom\fR per estrarli per ogni rompicapo
come si estraggono le impostazioni casuali di un nuovo rompicapo (predefinito: 8).]=])
set(MAN_COLORS_OPTION [=[I colori di ogni rompicapo, da 2 a 4, oppure \fBrandom\fR (predefinito: 3).]=])
set(MAN_ANSWERS_OPTION [=[Aggiunge le soluzioni dopo i rompicapo, disposte allo stesso modo: ogni vertice pieno del suo
colore e con il numero di quel colore, da 1 a 4, così che le soluzioni si leggano anche in bianco
e nero (predefinito: senza soluzioni).]=])
set(MAN_EXIT_UNWRITABLE "Oppure non è stato possibile scrivere il file della scheda (il messaggio ne dice il nome).")
set(MAN_EXIT_BAD_VALUE "Oppure il valore di un'opzione è fuori dal suo intervallo.")
