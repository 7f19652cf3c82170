// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers the control tests share: pixels as game colours and a paint counter.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QWidget>

#include "ui/Colors.h"

namespace controls_test {

// The pixel at (x, y) as a 0x00BBGGRR game colour, so expectations read in the game's terms.
inline game::TColor pixel(const QImage& image, int x, int y) {
    return fromQColor(image.pixelColor(x, y));
}

// Renders only what the widget paints itself, over a canvas of `canvas` colour, so every
// pixel the widget leaves alone still shows the canvas.
inline QImage renderAlone(QWidget& widget, game::TColor canvas) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(toQColor(canvas));
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

    // Lets every pending repaint happen, then starts counting afresh.
    void settle() {
        flush();
        count = 0;
    }
    static void flush() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

}  // namespace controls_test
