# SPDX-License-Identifier: GPL-3.0-or-later
# The Dutch words of the manual page (packaging/spectrumix.6.in); every language sets the same names.
set(MAN_DATE "december 2026")
set(MAN_GAMES "Spellen")
set(MAN_NAME_HEADING "NAAM")
set(MAN_SUMMARY "een puzzelspel waarmee je grafen leert kleuren")
set(MAN_SYNOPSIS_HEADING "OVERZICHT")
set(MAN_DESCRIPTION_HEADING "BESCHRIJVING")
set(MAN_DESCRIPTION [=[.B spectrumix
is een puzzelspel voor de desktop over het kleuren van grafen.
Elke puzzel is een willekeurige graaf van 6 tot 16 knopen, die als kleine vierkantjes op een cirkel staan.
De graaf is gebouwd rond een geheime kleuring met twee, drie of vier kleuren, zodat hij altijd
met zoveel kleuren te kleuren is.
.PP
Kies een van de aangeboden kleurknoppen en klik op knopen om ze te verven.
Een klik wordt nooit geweigerd: de aangeklikte knoop krijgt altijd de gekozen kleur, en elke
buur die die kleur al heeft, wordt weer zwart, terwijl de kant tussen de twee getekend wordt.
De puzzel is opgelost als alle knopen tegelijk gekleurd zijn, en dat kan alleen als geen enkele
kant twee knopen van dezelfde kleur verbindt.
Elke puzzel heeft een par: het aantal klikken waar je naar streeft.
.PP
De kanten kunnen vanaf het begin getoond worden, of verborgen zijn en door botsingen ontdekt worden.
Het aantal knopen en kleuren en het tonen van de kanten kies je in het optievenster
(\fBOpties\fR, \fBInstellingen...\fR, of Ctrl+Z).
Een leermodus leidt van kleine grafen met getoonde kanten naar grote grafen met
verborgen kanten.
.PP
Het spel gebruikt geen netwerk.]=])
set(MAN_OPTIONS_HEADING "OPTIES")
set(MAN_OPTIONS_INTRO [=[Zonder argumenten gestart, opent het spel zijn venster.
Wie een van de opties hieronder meegeeft, krijgt antwoord op de standaarduitvoer of het gevraagde werkblad;
het spel stopt dan zonder een venster te openen, dus er is geen beeldscherm nodig.
Elk ander argument wordt geweigerd met een bericht van één regel op de standaardfoutuitvoer.]=])
set(MAN_HELP_OPTION "Toont een korte gebruiksaanwijzing, in de taal van de speler, en stopt.")
set(MAN_VERSION_OPTION [=[Toont de versie (\fBspectrumix @PROJECT_VERSION@\fR) en stopt.]=])
set(MAN_EXIT_HEADING "AFSLUITSTATUS")
set(MAN_EXIT_SUCCESS "Het spel werd gesloten, of een optie werd beantwoord.")
set(MAN_EXIT_USAGE "Er werd een argument gegeven dat het spel niet kent.")
set(MAN_FILES_HEADING "BESTANDEN")
set(MAN_SETTINGS_FILE [=[De instellingen van de speler en de voortgang in de leermodus, gelezen als het spel start en
geschreven als het sluit.
Een spel dat sluit, schrijft alleen de instellingen die het veranderd heeft, in het bestand zoals dat op dat
moment is: twee spellen die tegelijk sluiten, behouden elkaars wijzigingen, en een waarde die met de hand
is aangepast terwijl het spel loopt, blijft staan, tenzij het spel die ook veranderd heeft.
Andere regels en secties blijven zoals ze zijn; bestanden die als UTF-16 of UTF-32 met een
byte-order mark zijn opgeslagen, worden in hun eigen codering teruggeschreven, en een bestand waarvan het
spel de codering niet kan bepalen, of dat groter is dan 1 MiB, wordt gelezen als de standaardwaarden en nooit
herschreven.
Als
.B XDG_CONFIG_HOME
niet is ingesteld, of geen absoluut pad is, is het bestand
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "OMGEVING")
set(MAN_CONFIG_HOME "De map met het instellingenbestand.")
set(MAN_SEE_ALSO_HEADING "ZIE OOK")
set(MAN_SEE_ALSO [=[De eigen help van het spel, te openen via het menu \fBHelp\fR (\fBInhoud\fR) of met de toets F1,
legt de regels uit, de ideeën van graafkleuring en strategieën om uit te proberen.]=])
set(MAN_LOCK_FILE [=[Naast het instellingenbestand: vergrendeld terwijl een spel opslaat, zodat twee keer opslaan
nooit door elkaar loopt.
Het blijft leeg en mag worden verwijderd zolang er geen spel aan het sluiten is.]=])
set(MAN_HISTORY_FILE [=[De geschiedenis van elk beoordeeld spel, één regel per spel, aangevuld zodra een spel afloopt en
getoond in het prestatievenster (\fBBestand\fR, \fBPrestaties...\fR).
Elke regel bewaart ook de puzzelcode en de klikken van het spel (tot 512), zodat je een spel
klik voor klik kunt terugkijken (\fBTerugkijken\fR op de pagina \fBVoortgang\fR).
Als
.B XDG_DATA_HOME
niet is ingesteld, of geen absoluut pad is, is het bestand
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "De map met de geschiedenis van het spel.")
set(MAN_KEPT_PUZZLE_FILE [=[De puzzel waarmee je bezig was toen het spel de laatste keer sloot (de code, de klikken tot dan toe en
de speeltijd), die bij de volgende start weer op het bord komt. Het bestand wordt in één keer geschreven als het
spel sluit terwijl er een puzzel bezig is, en verwijderd als een spel dat het schreef of hervatte sluit zonder
puzzel. Een bestand dat het spel niet als het zijne kan lezen, wordt hernoemd tot
.I puzzle-in-play.txt.damaged
en het spel begint met een leeg bord. Ernaast wordt
.I .puzzle-in-play.txt.lock
vastgehouden terwijl een spel het bestand schrijft.]=])
set(MAN_EXIT_NO_DISPLAY [=[Er kon geen beeldscherm worden geopend (het spel zegt dat dan in één regel op de
standaardfoutuitvoer), of het beeldscherm ging verloren terwijl het spel liep, nadat de instellingen
waren opgeslagen.]=])

set(MAN_WORKSHEET_OPTION [=[Schrijft een werkblad met puzzels, klaar om af te drukken, naar het PDF-bestand
.I FILE
en stopt, zonder een venster te openen of een beeldscherm nodig te hebben.
Elke puzzel toont zijn knopen genummerd op een cirkel, zoals het bord ze plaatst, elke kant,
het aantal kleuren dat je moet gebruiken, zijn code (wie die in het spel intypt, krijgt dezelfde
puzzel) en een regel voor een naam.
De puzzels worden door de klok bepaald, elk door een eigen klokstand, verspreid over de dag, en op één werkblad zijn er
geen twee gelijk; de kanten worden gekozen met de standaardkans op kanten van het spel, 63.
Het bestand wordt helemaal of helemaal niet geschreven.
Hetzelfde werkblad druk je in het spel af met \fBBestand\fR, \fBPuzzels afdrukken...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "Hoeveel puzzels, 1 tot en met 60 (standaard 6).")
set(MAN_PER_PAGE_OPTION [=[Hoeveel puzzels per pagina, 1, 2, 4 of 6 (standaard 4).
Grotere puzzels hebben meer ruimte nodig, zodat geen kant onder een knoop door loopt: op een pagina
passen 6 puzzels van hoogstens 10 knopen, 4 van hoogstens 13 en 1 van meer.]=])
set(MAN_VERTICES_OPTION [=[Het aantal knopen van elke puzzel, 6 tot en met 16, of \fBrandom\fR om dat voor elke puzzel
te loten zoals bij een nieuwe puzzel met willekeurige instellingen (standaard 8).]=])
set(MAN_COLORS_OPTION [=[Het aantal kleuren van elke puzzel, 2 tot en met 4, of \fBrandom\fR (standaard 3).]=])
set(MAN_ANSWERS_OPTION [=[Voegt na de puzzels de antwoorden toe, op dezelfde manier ingedeeld: elke knoop gevuld met
zijn kleur en met het nummer van die kleur, 1 tot en met 4, zodat de antwoorden ook in zwart-wit
te lezen zijn (standaard: geen antwoorden).]=])
set(MAN_EXIT_UNWRITABLE "Of het bestand van het werkblad kon niet worden geschreven (de melding noemt het).")
set(MAN_EXIT_BAD_VALUE "Of de waarde van een optie valt buiten het toegestane bereik.")
