// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ScreenFit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>

namespace board {

QSize FitToScreen(QMainWindow& window, QWidget& surface, QSize designedOuter) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return designedOuter;
    const QSize area = screen->availableGeometry().size();
    const QSize outer = designedOuter.boundedTo(area);
    if (outer == designedOuter || window.centralWidget() != &surface)
        return outer;
    // The board as designed, below the menu, before any frame takes its share.
    surface.setFixedSize(designedOuter.width(), designedOuter.height() - window.menuBar()->sizeHint().height());
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("BoardScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own on the tab ring: Tab goes from the last vertex to New Puzzle.
    scroll->setFocusPolicy(Qt::NoFocus);
    QPalette black = scroll->palette();
    black.setColor(QPalette::Window, Qt::black);
    scroll->setPalette(black);
    window.takeCentralWidget();
    scroll->setWidget(&surface);
    window.setCentralWidget(scroll);
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget*, QWidget* now) {
        if (now && scroll->widget() && scroll->widget()->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });
    return outer;
}

}  // namespace board
