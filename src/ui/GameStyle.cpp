// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

#include "ui/DrawnIcon.h"

namespace ui {

namespace {

class TGameStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return OverflowGlyph();
        return QProxyStyle::standardIcon(icon, option, widget);
    }

  private:
    // A small "»", as the desktop's own overflow button shows.
    static QIcon OverflowGlyph() {
        return ui::DrawnIcon(16, [](QPainter& painter) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(64, 64, 64), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            for (const qreal left : {4.0, 8.5}) {
                const QPointF chevron[] = {{left, 4.5}, {left + 3.5, 8.0}, {left, 11.5}};
                painter.drawPolyline(chevron, 3);
            }
        });
    }
};

}  // namespace

void InstallGameStyle(QApplication& app) {
    // The style the desktop (or QT_STYLE_OVERRIDE) chose, by name, so the look stays its own.
    const QString chosen = QApplication::style()->name();
    app.setStyle(new TGameStyle(chosen));
}

}  // namespace ui
