// SPDX-License-Identifier: GPL-3.0-or-later
// ui::ReadAsOne: controls a sighted player reads as one text (the title's five letter pairs, a
// message set on three lines) are read so by a screen reader too.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace ui {

// The first of `parts` is named by the whole `text`; the others are left out of what a screen
// reader reads. Nothing changes on the screen.
void ReadAsOne(const QList<QWidget*>& parts, const QString& text);

}  // namespace ui
