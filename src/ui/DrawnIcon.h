// SPDX-License-Identifier: GPL-3.0-or-later
// ui::DrawnIcon: an icon that draws itself at whatever pixel size a button asks for.
#pragma once

#include <QIcon>
#include <QSize>

#include <functional>

class QPainter;

namespace ui {

// An icon sharp on every screen; `draw` paints it into a square of `logicalSize` pixels.
QIcon DrawnIcon(int logicalSize, std::function<void(QPainter&)> draw);

// A usable device pixel ratio (a screen reports at least 1; nonsense falls back to 1).
qreal SaneRatio(qreal ratio);

// The device pixels of a picture `logical` pixels large on a screen of `ratio`, rounded as the
// window's own backing store rounds them. Every picture the game keeps is made and compared at
// this size: at a fractional ratio the logical size does not survive the way back (a 853-pixel
// board is 1280 device pixels at 1.5, and 1280 device pixels are 853.33 board pixels).
QSize DeviceSize(QSize logical, qreal ratio);

}  // namespace ui
