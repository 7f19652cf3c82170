// SPDX-License-Identifier: GPL-3.0-or-later
// artwork::TPicture and the game's pictures (title words, banners, question marks, title star, icons).
// The game's pictures, drawn with QPainter the first time they are asked for and kept for the
// rest of the run, so that no image file has to ship with the game. Every call needs a
// QGuiApplication (or QApplication) to exist; the kept pictures are let go when it ends.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>

class QTimer;

#include <functional>

class QPainter;

namespace artwork {

// Every picture has a fixed logical size and is drawn for a device pixel ratio: `ratio` device
// pixels for each of its pixels (1 on an ordinary screen, 2 on a doubled one). At 1 each is the
// picture the game has always shown.

// Board title while a puzzle waits to be coloured: "Color All Vertices", 300 x 37.
QPixmap ColorAllVerticesPicture(qreal ratio = 1.0);
QString ColorAllVerticesWords();

// Board title while the game's own solution is shown: "Puzzle Solved", 300 x 44.
QPixmap PuzzleSolvedPicture(qreal ratio = 1.0);
QString PuzzleSolvedWords();

// A rating dialog's banner, 392 x 103: the word in orange-red block capitals over a rainbow swirl.
// Any word fits (a longer one is set smaller); the game uses "PERFECT", "EXCELLENT" and "NOT BAD".
QPixmap BannerPicture(const QString& word, qreal ratio = 1.0);

// The decision dialogs' picture, 272 x 88: red, green and blue question marks over a dark swirl.
QPixmap QuestionMarksPicture(qreal ratio = 1.0);

// The settings dialog's and the about box's picture, 120 x 160: the title's five letter pairs in
// their coloured boxes above a many-coloured star on black.
QPixmap TitleStarPicture(qreal ratio = 1.0);
QString TitleStarWords();

// A picture on a window: the same place and size at every resolution, drawn for the ratio of the
// screen it stands on when it is first shown, and again when it moves to a screen with another
// ratio; never while its window is only being built. It carries its words for screen readers.
class TPicture : public QLabel {
    Q_OBJECT
  public:
    using Drawing = std::function<QPixmap(qreal ratio)>;
    TPicture(Drawing draw, const QString& words, QWidget* parent);

    // The ratio the shown pixmap was drawn for; 0 before the picture was first needed.
    qreal drawnRatio() const { return m_ratio; }
    // Draws now for the ratio the picture's screen has (nothing when it is already drawn so).
    void drawForScreen();
    // Shows the picture `zoom` times its drawn size, drawn afresh at that size.
    void setZoom(qreal zoom);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Drawing m_draw;
    qreal m_ratio = 0;
    qreal m_zoom = 1.0;
    qreal m_drawnZoom = 1.0;
    // Runs while the picture's size changes: until it rests, the last drawing is stretched.
    QTimer* m_settle = nullptr;
};

// Window icon of the Perfect dialog: a 32 x 32 gold star in the sixteen basic colours.
QIcon PerfectDialogIcon();

// The icon name of the game's desktop entry, looked up in the desktop's icon theme.
inline constexpr const char* kDesktopIconName = "org.spectrumix.spectrumix";

// The game's window icon: the desktop entry's icon drawn at 16, 32, 48 and 64 pixels.
QIcon ApplicationIcon();
// The desktop entry's icon as the desktop's icon theme has it (an installed game), or a null
// icon. Looking it up reads the theme's folders (some milliseconds): not before the board shows.
QIcon DesktopThemeIcon();

}  // namespace artwork
