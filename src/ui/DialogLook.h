// SPDX-License-Identifier: GPL-3.0-or-later
// ui::DialogFont, MakeFixedDialog and the rest of the look every dialog of the game shares.
// What the game's small windows share: the dialog face, a fixed frame centred on the screen
// and the framed bevel that groups their contents.
#pragma once

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QWidget;

namespace ui {

// The faces the game's windows were laid out in ("System", "MS Sans Serif", "Helvetica") are
// not on this desktop: an installed sans of the same pixel height and close widths stands in,
// for the board and the dialogs alike.
QFont DialogFont(int pixelSize, bool bold = false);

// A dialog that cannot be resized, minimised or maximised, with a close box only, and
// exactly this client area.
void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height);

// The window's black words need a light face: on a dark desktop palette it gets the classic
// light one (light grey face, white fields, black text); on a light desktop nothing changes.
void KeepLightFace(QWidget& window);

// Puts the window in the middle of the screen it is on; `outer` is the size to centre (the
// window's own size when empty, or its designed outer size with the frame).
void CenterOnScreen(QWidget& window, QSize outer = QSize());

// The green check mark of an OK button, `size` pixels square.
QIcon CheckMarkGlyph(int size);

// A lowered frame drawn around a group of controls; it lies beneath the controls made after it.
QFrame* MakeBevel(QWidget* parent, const QRect& place);

}  // namespace ui
