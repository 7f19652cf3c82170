# SPDX-License-Identifier: GPL-3.0-or-later
# The English words of the manual page (packaging/spectrumix.6.in); every language sets the same names.
set(MAN_DATE "December 2026")
set(MAN_GAMES "Games")
set(MAN_NAME_HEADING "NAME")
set(MAN_SUMMARY "a puzzle game that teaches graph coloring")
set(MAN_SYNOPSIS_HEADING "SYNOPSIS")
set(MAN_DESCRIPTION_HEADING "DESCRIPTION")
set(MAN_DESCRIPTION [=[.B spectrumix
is a desktop puzzle game about graph coloring.
Each puzzle is a random graph of 6 to 16 vertices standing as small squares on a circle,
built around a hidden coloring with two, three or four colors, so that it can always be
colored with that many.
.PP
Pick one of the offered color buttons and click vertices to paint them.
A click is never refused: the clicked vertex always takes the selected color, and any
neighbor that already carries that color turns black again while the edge between the two
is drawn.
The puzzle is solved when every vertex is colored at once, which can only happen when no
edge joins two vertices of the same color.
Each puzzle has a par, the number of clicks to aim for.
.PP
Edges can be shown from the start or hidden, to be discovered through clashes.
The number of vertices and colors and the edge display are chosen in the Options window
(\fBOptions\fR, \fBSettings...\fR, or Ctrl+Z).
A teaching mode leads from small graphs with their edges shown up to large graphs with
their edges hidden.
.PP
The game uses no network.]=])
set(MAN_OPTIONS_HEADING "OPTIONS")
set(MAN_OPTIONS_INTRO [=[Started without arguments, the game opens its window.
With one of the options below it answers on standard output, or writes the worksheet asked for, and
ends without opening a window, so it needs no display.
Any other argument is refused with a one-line message on standard error.]=])
set(MAN_HELP_OPTION "Shows a short usage, in the player's language, and exits.")
set(MAN_VERSION_OPTION [=[Shows the version (\fBspectrumix @PROJECT_VERSION@\fR) and exits.]=])
set(MAN_EXIT_HEADING "EXIT STATUS")
set(MAN_EXIT_SUCCESS "The game was closed, or an option was answered.")
set(MAN_EXIT_USAGE "An argument the game does not know was given.")
set(MAN_FILES_HEADING "FILES")
set(MAN_SETTINGS_FILE [=[The player's settings and teaching-mode progress, read when the game starts and written when
it closes.
A closing game writes only the settings it changed, into the file as it is at that moment:
two games closing together keep each other's changes, and a value edited by hand while the
game runs stays unless the game changed it too.
Other lines and sections are kept as they are; files saved as UTF-16 or UTF-32 with a
byte-order mark are written back in their encoding, and a file whose encoding the game cannot
tell, or one larger than 1 MiB, is read as the defaults and never rewritten.
When
.B XDG_CONFIG_HOME
is not set, or is not an absolute path, the file is
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "ENVIRONMENT")
set(MAN_CONFIG_HOME "The folder that holds the settings file.")
set(MAN_SEE_ALSO_HEADING "SEE ALSO")
set(MAN_SEE_ALSO [=[The game's own help, opened from its \fBHelp\fR menu (\fBContents\fR) or with the F1 key,
explains the rules, the ideas of graph coloring and strategies to try.]=])
set(MAN_LOCK_FILE [=[Beside the settings file: held while a game saves, so that two saves never overlap.
It stays empty and may be removed while no game is closing.]=])
set(MAN_HISTORY_FILE [=[The history of every rated game, one line each, appended as each game ends and shown in the
statistics window (\fBFile\fR, \fBPerformance...\fR).
Each line keeps the game's puzzle code and its clicks (up to 512), so that a game can be
reviewed again click by click (\fBReview\fR on the \fBProgress\fR page).
When
.B XDG_DATA_HOME
is not set, or is not an absolute path, the file is
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "The folder that holds the game history.")
set(MAN_KEPT_PUZZLE_FILE [=[The puzzle in play when the game last closed (its code, its clicks so far and its playing time),
put back on the board at the next start. It is written all at once when the game closes with a puzzle in
play, and removed when a game that wrote or resumed it closes with none. A file the game cannot read as its
own is renamed
.I puzzle-in-play.txt.damaged
and the game starts with an empty board. Beside it,
.I .puzzle-in-play.txt.lock
is held while a game writes the file.]=])
set(MAN_EXIT_NO_DISPLAY [=[No display could be opened (the game then says so in one line on the standard error), or
the display was lost while the game ran, after the settings had been saved.]=])

set(MAN_WORKSHEET_OPTION [=[Writes a worksheet of puzzles to print as the PDF file
.I FILE
and exits, without opening a window or needing a display.
Each puzzle shows its vertices numbered on a circle as the board places them, every edge, the
number of colors to use, its code (typed into the game, it gives the same puzzle) and a line
for a name.
The puzzles are drawn from the clock, each from its own reading spread over the day, and no two
on a sheet are alike; the edges are drawn with the game's default edge probability, 63.
The file is written whole or not at all.
The same sheet is printed from the game with \fBFile\fR, \fBPrint Puzzles...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "How many puzzles, 1 to 60 (default 6).")
set(MAN_PER_PAGE_OPTION [=[How many puzzles a page, 1, 2, 4 or 6 (default 4).
Larger puzzles need more room, so that no edge passes under a vertex: a page holds 6 puzzles of
up to 10 vertices, 4 of up to 13, and 1 of more.]=])
set(MAN_VERTICES_OPTION [=[The vertices of each puzzle, 6 to 16, or \fBrandom\fR to draw them for each puzzle as a new
puzzle's random settings are drawn (default 8).]=])
set(MAN_COLORS_OPTION [=[The colors of each puzzle, 2 to 4, or \fBrandom\fR (default 3).]=])
set(MAN_ANSWERS_OPTION [=[Adds the answers after the puzzles, laid out the same way: each vertex filled with its
color and carrying that color's number, 1 to 4, so that the answers read in black and white
too (default: no answers).]=])
set(MAN_EXIT_UNWRITABLE "Or the worksheet's file could not be written (the message names it).")
set(MAN_EXIT_BAD_VALUE "Or an option's value lies outside its range.")
