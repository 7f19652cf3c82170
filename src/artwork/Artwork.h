// The game's pictures, drawn with QPainter the first time they are asked for and kept for the
// rest of the run, so that no image file has to ship with the game. Every call needs a
// QGuiApplication (or QApplication) to exist; the kept pictures are let go when it ends.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace artwork {

// Board title while a puzzle waits to be coloured: "Color All Vertices", 300 x 37.
QPixmap ColorAllVerticesPicture();

// Board title while the game's own solution is shown: "Puzzle Solved", 300 x 44.
QPixmap PuzzleSolvedPicture();

// A rating dialog's banner, 392 x 103: the word in orange-red block capitals over a rainbow swirl.
// Any word fits; the game uses "PERFECT", "EXCELLENT" and "NOT BAD".
QPixmap BannerPicture(const QString& word);

// The decision dialogs' picture, 272 x 88: red, green and blue question marks over a dark swirl.
QPixmap QuestionMarksPicture();

// The settings dialog's and the about box's picture, 120 x 160: the title's five letter pairs in
// their coloured boxes above a many-coloured star on black.
QPixmap TitleStarPicture();

// Window icon of the Perfect dialog: a 32 x 32 gold star in the sixteen basic colours.
QIcon PerfectDialogIcon();

// The game's window icon, a small coloured graph, at 16, 32, 48 and 64 pixels.
QIcon ApplicationIcon();

}  // namespace artwork
