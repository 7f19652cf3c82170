// SPDX-License-Identifier: GPL-3.0-or-later
// ui::DialogFont, MakeFixedDialog and the rest of the look every dialog of the game shares.
// What the game's small windows share: the dialog face, a fixed frame centred on the screen
// and the framed bevel that groups their contents.
#pragma once

#include <QFont>
#include <QIcon>
#include <QMargins>
#include <QRect>
#include <QString>

#include <functional>
#include <string>

class QCheckBox;
class QColor;
class QDialog;
class QPushButton;
class QFrame;
class QWidget;

namespace ui {

// The faces the game's windows were laid out in ("System", "MS Sans Serif", "Helvetica") are
// not on this desktop: an installed sans of the same pixel height and close widths stands in,
// for the board and the dialogs alike.
QFont DialogFont(int pixelSize, bool bold = false);

// A dialog that cannot be resized, minimised or maximised, with a close box only, and
// exactly this client area; under a window manager it is centred by its outer frame as soon
// as the frame is known, at every showing (unless a frame watch of its own came first).
void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height);

// Figures ("1.250") written the way the player's language writes decimals.
QString LocalDecimals(const std::string& digits);

// Sets the colour of a window's or label's words, and of its face where one is given.
void SetWordsColour(QWidget& widget, const QColor& words, const QColor& face = QColor());

// The window's black words need a light face: on a dark desktop palette it gets the classic
// light one (light grey face, white fields, black text); on a light desktop nothing changes.
void KeepLightFace(QWidget& window);

// The frame a window manager has drawn around the window, none before it is framed (or without
// a window manager), and whether there is one.
QMargins FrameMargins(const QWidget& window);
bool FrameKnown(const QWidget& window);

// Calls `framed` as soon as a window manager's frame around the window is known, once per
// showing (`everyShowing`) or once for the window's life.
void WhenFramed(QWidget& window, std::function<void()> framed, bool everyShowing);
// The window's frame watch looks for the frame again, as at a showing, and calls back once it is
// known: for a window back from maximised or full screen, which the window manager frames anew.
void LookForFrameAgain(QWidget& window);

// Puts the window in the middle of the screen it is on; `outer` is the size to centre (when
// empty, the window's outer frame: its own, or before it has one the frame another of the game's
// windows has; or its designed outer size with the frame). A window larger than the screen's
// available area stands at its top left, title bar and menu on the screen.
void CenterOnScreen(QWidget& window, QSize outer = QSize());

// Gives the window its designed client size where that fits in the screen's available area
// with its frame (its own, or before it has one the frame another of the game's windows has, so
// that it fits before it is first shown), and less where not, and moves it in wholly where it
// stands out.
void FitOnScreen(QWidget& window, QSize designed);

// The narrow cut of the game's sans, for words in a box laid out for a narrower face than the
// one standing in for it; where no narrow cut is installed, the condensed one or the ordinary sans.
QFont NarrowFace(QFont face);

// Letter spacing or the width of the letters themselves, in percent of the face's own.
enum class Squeeze { LetterSpacing, Stretch };
struct FittedFace {
    QFont face;
    bool fits = false;
};
// A face too wide for its room set narrower a percent at a time, from `from` down to `tightest`,
// until `width` (what the words need in that face) is at most `room`: the first that fits, or the
// tightest when none does.
FittedFace FitToWidth(QFont face, int room, Squeeze squeeze, int from, int tightest,
                      const std::function<int(const QFont&)>& width);

// A caption longer than its button, as a translation may be, is set a little tighter, and where
// that is not enough in the narrow cut of the face; a caption that fits is left as it is.
void FitCaption(QPushButton& button);
// A check box whose words run past it grows to the right, up to the pixel column `right`, into
// the free room beside it; one that fits is left as it is.
void FitCheckBox(QCheckBox& box, int right);

// The green check mark of an OK button, `size` pixels square.
QIcon CheckMarkGlyph(int size);
// The red cross of a Cancel button and the cyan question mark of a Help button, 16 pixels square.
QIcon CrossGlyph();
QIcon QuestionMarkGlyph();

// A lowered frame drawn around a group of controls; it lies beneath the controls made after it.
QFrame* MakeBevel(QWidget* parent, const QRect& place);

}  // namespace ui
