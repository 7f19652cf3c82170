# SPDX-License-Identifier: GPL-3.0-or-later
# The German words of the manual page (packaging/spectrumix.6.in), name for name as in en.cmake.
set(MAN_DATE "Dezember 2026")
set(MAN_GAMES "Spiele")
set(MAN_NAME_HEADING "BEZEICHNUNG")
set(MAN_SUMMARY "ein Rätselspiel, das das Färben von Graphen lehrt")
set(MAN_SYNOPSIS_HEADING "ÜBERSICHT")
set(MAN_DESCRIPTION_HEADING "BESCHREIBUNG")
set(MAN_DESCRIPTION [=[.B spectrumix
ist ein Knobelspiel rund ums Färben von Graphen.
Jedes Rätsel ist ein zufälliger Graph aus 6 bis 16 Knoten, die als kleine Quadrate auf einem
Kreis stehen, gebaut um eine heimliche Färbung mit zwei, drei oder vier Farben, sodass er sich
immer mit so vielen Farben färben lässt.
.PP
Wähle einen der angebotenen Farbknöpfe und klicke Knoten an, um sie zu färben.
Kein Klick wird abgewiesen: Der angeklickte Knoten bekommt immer die gewählte Farbe, und jeder
Nachbar, der diese Farbe schon trägt, wird wieder schwarz, und die Kante zwischen beiden
erscheint.
Das Rätsel ist gelöst, wenn alle Knoten zugleich gefärbt sind, was nur gelingt, wenn keine
Kante zwei Knoten derselben Farbe verbindet.
Jedes Rätsel hat ein Par, die Zahl der Klicks, die du anstreben solltest.
.PP
Die Kanten können von Anfang an sichtbar sein oder verdeckt, sodass du sie durch Konflikte
entdeckst.
Die Zahl der Knoten und Farben und die Anzeige der Kanten wählst du im Einstellungsfenster
(\fBOptionen\fR, \fBEinstellungen...\fR oder Strg+Z).
Ein Lernmodus führt von kleinen Graphen mit sichtbaren Kanten bis zu großen Graphen mit
verdeckten Kanten.
.PP
Das Spiel benutzt kein Netzwerk.]=])
set(MAN_OPTIONS_HEADING "OPTIONEN")
set(MAN_OPTIONS_INTRO [=[Ohne Argumente gestartet, öffnet das Spiel sein Fenster.
Mit einer der folgenden Optionen antwortet es auf der Standardausgabe oder schreibt das verlangte
Arbeitsblatt und endet, ohne ein Fenster zu öffnen; es braucht dafür keine Anzeige.
Jedes andere Argument wird mit einer einzeiligen Meldung auf der Standardfehlerausgabe abgewiesen.]=])
set(MAN_HELP_OPTION "Zeigt eine kurze Anleitung zum Aufruf in der Sprache des Spielers und endet.")
set(MAN_VERSION_OPTION [=[Zeigt die Version (\fBspectrumix @PROJECT_VERSION@\fR) und endet.]=])
set(MAN_EXIT_HEADING "EXIT-STATUS")
set(MAN_EXIT_SUCCESS "Das Spiel wurde geschlossen, oder eine Option wurde beantwortet.")
set(MAN_EXIT_USAGE "Ein Argument wurde angegeben, das das Spiel nicht kennt.")
set(MAN_FILES_HEADING "DATEIEN")
set(MAN_SETTINGS_FILE [=[Die Einstellungen des Spielers und sein Fortschritt im Lernmodus, gelesen beim Start des
Spiels und geschrieben, wenn es sich schließt.
Ein Spiel schreibt beim Schließen nur die Einstellungen, die es geändert hat, in die Datei, wie
sie in diesem Moment ist: Zwei Spiele, die zusammen schließen, behalten die Änderungen des
anderen, und ein Wert, den du von Hand änderst, während das Spiel läuft, bleibt, solange das
Spiel ihn nicht auch geändert hat.
Andere Zeilen und Abschnitte bleiben, wie sie sind; Dateien in UTF-16 oder UTF-32 mit
Byte-Order-Mark werden in ihrer Kodierung zurückgeschrieben, und eine Datei, deren Kodierung
das Spiel nicht sicher erkennt, oder eine über 1 MiB wird behandelt, als enthielte sie nur die Vorgaben,
und nie neu geschrieben.
Ist
.B XDG_CONFIG_HOME
nicht gesetzt oder kein absoluter Pfad, ist die Datei
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "UMGEBUNGSVARIABLEN")
set(MAN_CONFIG_HOME "Der Ordner mit der Einstellungsdatei.")
set(MAN_SEE_ALSO_HEADING "SIEHE AUCH")
set(MAN_SEE_ALSO [=[Die eigene Hilfe des Spiels, geöffnet über das Menü \fBHilfe\fR (\fBInhalt\fR) oder mit der
Taste F1, erklärt die Regeln, die Ideen der Graphenfärbung und Strategien zum Ausprobieren.]=])
set(MAN_LOCK_FILE [=[Neben der Einstellungsdatei: gehalten, während ein Spiel speichert, damit sich zwei
Speichervorgänge nie überschneiden. Sie bleibt leer und darf gelöscht werden, solange kein Spiel
schließt.]=])
set(MAN_HISTORY_FILE [=[Der Verlauf aller gewerteten Spiele, eine Zeile je Spiel, angefügt, sobald ein Spiel endet, und
im Leistungsfenster gezeigt (\fBDatei\fR, \fBLeistung...\fR).
Jede Zeile hält auch den Rätselcode und die Züge des Spiels fest (bis zu 512), damit sich ein
Spiel Zug für Zug noch einmal ansehen lässt (\fBAnsehen\fR auf der Seite \fBFortschritt\fR).
Ist
.B XDG_DATA_HOME
nicht gesetzt oder kein absoluter Pfad, ist die Datei
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "Der Ordner mit dem Spielverlauf.")
set(MAN_KEPT_PUZZLE_FILE [=[Das Rätsel, das beim letzten Schließen des Spiels lief (sein Code, seine Klicks bis dahin und die
Spielzeit), beim nächsten Start wieder auf das Brett gelegt. Die Datei wird in einem Zug geschrieben, wenn das
Spiel mit einem laufenden Rätsel schließt, und entfernt, wenn ein Spiel, das sie geschrieben oder fortgesetzt
hat, ohne laufendes Rätsel schließt. Eine Datei, die das Spiel nicht als seine eigene lesen kann, wird in
.I puzzle-in-play.txt.damaged
umbenannt, und das Spiel beginnt mit einem leeren Brett. Daneben wird
.I .puzzle-in-play.txt.lock
gehalten, während ein Spiel die Datei schreibt.]=])
set(MAN_EXIT_NO_DISPLAY [=[Es ließ sich keine Anzeige öffnen (das Spiel sagt das dann in einer Zeile auf der
Standardfehlerausgabe), oder die Anzeige ging verloren, während das Spiel lief, nachdem die
Einstellungen gespeichert waren.]=])

set(MAN_WORKSHEET_OPTION [=[Schreibt in die PDF-Datei
.I FILE
ein Arbeitsblatt mit Rätseln zum Ausdrucken und endet, ohne ein Fenster zu öffnen oder eine Anzeige zu brauchen.
Jedes Rätsel zeigt seine Knoten nummeriert auf einem Kreis, wie das Spielbrett sie anordnet,
jede Kante, die Zahl der zu nutzenden Farben, seinen Code (im Spiel eingegeben, ergibt er
dasselbe Rätsel) und eine Zeile für den Namen.
Jedes Rätsel wird aus einer eigenen Ablesung der Uhr ausgelost (die Ablesungen sind über den Tag
verteilt), und keine zwei auf einem Blatt gleichen sich; die Kanten entstehen mit der Kantendichte,
die das Spiel vorgibt (63).
Die Datei wird ganz oder gar nicht geschrieben.
Dasselbe Blatt druckt das Spiel mit \fBDatei\fR, \fBRätsel drucken...\fR (Strg+P).]=])
set(MAN_PUZZLES_OPTION "Wie viele Rätsel, 1 bis 60 (Vorgabe 6).")
set(MAN_PER_PAGE_OPTION [=[Wie viele Rätsel je Seite, 1, 2, 4 oder 6 (Vorgabe 4).
Größere Rätsel brauchen mehr Platz, damit keine Kante unter einem Knoten verläuft: Eine Seite fasst
6 Rätsel mit bis zu 10 Knoten, 4 mit bis zu 13 und 1 mit mehr.]=])
set(MAN_VERTICES_OPTION [=[Die Knotenzahl jedes Rätsels, 6 bis 16, oder \fBrandom\fR, um sie für jedes Rätsel so auszulosen,
wie das Spiel die zufälligen Einstellungen eines neuen Rätsels auslost (Vorgabe 8).]=])
set(MAN_COLORS_OPTION [=[Die Farbenzahl jedes Rätsels, 2 bis 4, oder \fBrandom\fR (Vorgabe 3).]=])
set(MAN_ANSWERS_OPTION [=[Hängt die Lösungen hinter den Rätseln an, ebenso angeordnet: jeder Knoten in seiner Farbe
gefüllt und mit der Nummer dieser Farbe, 1 bis 4, sodass die Lösungen auch schwarz-weiß
lesbar sind (Vorgabe: keine Lösungen).]=])
set(MAN_EXIT_UNWRITABLE "Oder die Datei des Arbeitsblatts ließ sich nicht schreiben (die Meldung nennt sie).")
set(MAN_EXIT_BAD_VALUE "Oder der Wert einer Option liegt außerhalb ihres Bereichs.")
