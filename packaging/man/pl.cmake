# SPDX-License-Identifier: GPL-3.0-or-later
# The Polish words of the manual page (packaging/spectrumix.6.in), name for name as in en.cmake.
set(MAN_DATE "grudzień 2026")
set(MAN_GAMES "Gry")
set(MAN_NAME_HEADING "NAZWA")
set(MAN_SUMMARY "gra logiczna, która uczy kolorowania grafów")
set(MAN_SYNOPSIS_HEADING "SKŁADNIA")
set(MAN_DESCRIPTION_HEADING "OPIS")
set(MAN_DESCRIPTION [=[.B spectrumix
to gra logiczna na komputer o kolorowaniu grafów.
Każda zagadka to losowy graf mający od 6 do 16 wierzchołków, narysowanych na okręgu jako małe
kwadraty, zbudowany wokół ukrytego kolorowania dwoma, trzema albo czterema kolorami, tak że zawsze da się
go pokolorować taką liczbą kolorów.
.PP
Wybierz jeden z podanych przycisków kolorów i klikaj wierzchołki, żeby je pomalować.
Żadne kliknięcie nie jest odrzucane: kliknięty wierzchołek zawsze dostaje wybrany kolor; każdy
sąsiad, który ma już ten kolor, znów robi się czarny, a krawędź między nimi zostaje narysowana.
Zagadka jest rozwiązana, gdy wszystkie wierzchołki naraz mają kolor, co jest możliwe tylko
wtedy, gdy żadna krawędź nie łączy dwóch wierzchołków tego samego koloru.
Każda zagadka ma swój par, czyli liczbę kliknięć, w której warto się zmieścić.
.PP
Krawędzie mogą być widoczne od początku albo ukryte, do odkrycia przez konflikty.
Liczbę wierzchołków i kolorów oraz pokazywanie krawędzi wybiera się w oknie opcji
(\fBOpcje\fR, \fBUstawienia...\fR albo Ctrl+Z).
Tryb nauki prowadzi od małych grafów z widocznymi krawędziami do dużych grafów z ukrytymi
krawędziami.
.PP
Gra nie korzysta z sieci.]=])
set(MAN_OPTIONS_HEADING "OPCJE")
set(MAN_OPTIONS_INTRO [=[Uruchomiona bez argumentów gra otwiera swoje okno.
Z jedną z poniższych opcji odpowiada na standardowym wyjściu albo zapisuje żądaną kartę pracy
i kończy działanie bez otwierania okna, więc nie potrzebuje ekranu.
Każdy inny argument jest odrzucany z jednowierszowym komunikatem na standardowym wyjściu błędów.]=])
set(MAN_HELP_OPTION "Pokazuje krótki opis użycia w języku gracza i kończy działanie.")
set(MAN_VERSION_OPTION [=[Pokazuje wersję (\fBspectrumix @PROJECT_VERSION@\fR) i kończy działanie.]=])
set(MAN_EXIT_HEADING "KOD WYJŚCIA")
set(MAN_EXIT_SUCCESS "Gra została zamknięta albo odpowiedziała na opcję.")
set(MAN_EXIT_USAGE "Podano argument, którego gra nie zna.")
set(MAN_FILES_HEADING "PLIKI")
set(MAN_SETTINGS_FILE [=[Ustawienia gracza i jego postępy w trybie nauki, czytane przy uruchomieniu gry i zapisywane
przy jej zamknięciu.
Zamykana gra zapisuje tylko te ustawienia, które zmieniła, do pliku w takiej postaci, jaką ma
on w tej chwili: dwie gry zamykane jednocześnie zachowują nawzajem swoje zmiany, a wartość
zmieniona ręcznie w czasie gry zostaje, chyba że gra także ją zmieniła.
Inne wiersze i sekcje zostają bez zmian; pliki zapisane w UTF-16 lub UTF-32 ze znacznikiem
kolejności bajtów są zapisywane z powrotem w swoim kodowaniu, a plik, którego kodowania gra nie
potrafi rozpoznać, albo plik większy niż 1 MiB jest czytany jako ustawienia domyślne i nigdy
nie jest nadpisywany.
Gdy
.B XDG_CONFIG_HOME
nie jest ustawione albo nie jest ścieżką bezwzględną, plikiem jest
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "ŚRODOWISKO")
set(MAN_CONFIG_HOME "Folder, w którym jest plik ustawień.")
set(MAN_SEE_ALSO_HEADING "ZOBACZ TAKŻE")
set(MAN_SEE_ALSO [=[Własna pomoc gry, otwierana z menu \fBPomoc\fR (\fBSpis treści\fR) albo klawiszem F1,
objaśnia zasady, idee kolorowania grafów i sposoby, które warto wypróbować.]=])
set(MAN_LOCK_FILE [=[Obok pliku ustawień: trzymany, gdy gra zapisuje, żeby dwa zapisy nigdy na siebie nie nachodziły.
Pozostaje pusty i można go usunąć, gdy żadna gra się nie zamyka.]=])
set(MAN_HISTORY_FILE [=[Historia wszystkich ocenionych gier, po jednym wierszu na grę, dopisywana, gdy każda gra się
kończy, i pokazywana w oknie wyników (\fBPlik\fR, \fBWyniki...\fR).
Każdy wiersz zapisuje też kod zagadki i kliknięcia gry (do 512), aby można było przejrzeć grę
kliknięcie po kliknięciu (\fBPrzejrzyj\fR na stronie \fBPostępy\fR).
Gdy
.B XDG_DATA_HOME
nie jest ustawione albo nie jest ścieżką bezwzględną, plikiem jest
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "Folder, w którym jest historia gier.")
set(MAN_KEPT_PUZZLE_FILE [=[Zagadka, która była w toku, gdy gra została ostatnio zamknięta (jej kod, dotychczasowe kliknięcia i
czas gry), przy następnym uruchomieniu wraca na planszę. Plik jest zapisywany w całości, gdy gra zamyka się w
trakcie zagadki, i usuwany, gdy gra, która go zapisała lub wznowiła, zamyka się bez zagadki w toku. Plik,
którego gra nie potrafi odczytać jako swojego, dostaje nazwę
.I puzzle-in-play.txt.damaged
a gra zaczyna się z pustą planszą. Obok niego plik
.I .puzzle-in-play.txt.lock
jest zajęty, gdy gra zapisuje plik.]=])
set(MAN_EXIT_NO_DISPLAY [=[Nie udało się otworzyć ekranu (gra mówi wtedy o tym w jednym wierszu na standardowym
wyjściu błędów) albo ekran zniknął w trakcie gry, już po zapisaniu ustawień.]=])

set(MAN_WORKSHEET_OPTION [=[Zapisuje kartę pracy z zagadkami do wydruku jako plik PDF
.I FILE
i kończy działanie bez otwierania okna, więc nie potrzebuje ekranu.
Każda zagadka pokazuje swoje wierzchołki ponumerowane na okręgu tak, jak rozmieszcza je plansza,
każdą krawędź, liczbę kolorów do użycia, swój kod (wpisany w grze daje tę samą zagadkę) i linię
na imię i nazwisko.
Zagadki są losowane według zegara, każda z własnego odczytu, rozrzuconego po całej dobie, i żadne dwie na jednej karcie nie
są takie same; krawędzie powstają przy domyślnej gęstości krawędzi gry, czyli 63.
Plik zostaje zapisany w całości albo wcale.
Tę samą kartę pracy gra drukuje poleceniem \fBPlik\fR, \fBDrukuj zagadki...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "Liczba zagadek, od 1 do 60 (domyślnie 6).")
set(MAN_PER_PAGE_OPTION [=[Liczba zagadek na stronę: 1, 2, 4 lub 6 (domyślnie 4).
Większe zagadki potrzebują więcej miejsca, aby żadna krawędź nie przechodziła pod wierzchołkiem: strona
mieści 6 zagadek mających do 10 wierzchołków, 4 mające do 13 i 1 większą.]=])
set(MAN_VERTICES_OPTION [=[Liczba wierzchołków każdej zagadki, od 6 do 16, albo \fBrandom\fR, aby losować ją osobno dla
każdej zagadki, tak jak losowane są ustawienia nowej zagadki (domyślnie 8).]=])
set(MAN_COLORS_OPTION [=[Liczba kolorów każdej zagadki, od 2 do 4, albo \fBrandom\fR (domyślnie 3).]=])
set(MAN_ANSWERS_OPTION [=[Dodaje po zagadkach rozwiązania, rozmieszczone tak samo: każdy wierzchołek jest wypełniony
swoim kolorem i ma numer tego koloru, od 1 do 4, tak że rozwiązania da się odczytać także
w druku czarno-białym (domyślnie bez rozwiązań).]=])
set(MAN_EXIT_UNWRITABLE "Albo nie udało się zapisać pliku karty pracy (komunikat podaje jego nazwę).")
set(MAN_EXIT_BAD_VALUE "Albo wartość opcji wykracza poza jej zakres.")
