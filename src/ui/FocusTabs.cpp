// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FocusTabs.h"

#include <QPainter>
#include <QPaintEvent>
#include <QTabBar>

#include <cmath>

namespace ui {

namespace {

double Luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

class TFocusTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QTabBar::paintEvent(event);
        if (!hasFocus() || currentIndex() < 0)
            return;
        // Black and white stand at least 4.5 : 1 against any face, whichever is chosen.
        const double face = Luminance(palette().color(QPalette::Window));
        const QColor ring = (face + 0.05) / 0.05 >= 1.05 / (face + 0.05) ? Qt::black : Qt::white;
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
