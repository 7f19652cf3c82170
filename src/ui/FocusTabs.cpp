// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FocusTabs.h"

#include <QPainter>
#include <QPaintEvent>
#include <QTabBar>

#include "ui/ColourMarks.h"

namespace ui {

namespace {

class TFocusTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QTabBar::paintEvent(event);
        if (!hasFocus() || currentIndex() < 0)
            return;
        // Black and white stand at least 4.5 : 1 against any face, whichever is chosen.
        const QColor ring = MarkColourOn(palette().color(QPalette::Window));
        constexpr int kWidth = 2;
        QPainter painter(this);
        painter.setPen(QPen(ring, kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        // Inside the tab, clear of its outline, around the caption.
        const QRectF inside = QRectF(tabRect(currentIndex())).adjusted(3, 3, -3, -2);
        painter.drawRect(inside.adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    }
};

}  // namespace

TFocusTabs::TFocusTabs(QWidget* parent) : QTabWidget(parent) {
    // Set up as the tab bar Qt makes for itself, so the tabs look exactly as they always have.
    auto* bar = new TFocusTabBar(this);
    bar->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    bar->setDrawBase(false);
    setTabBar(bar);
}

}  // namespace ui
