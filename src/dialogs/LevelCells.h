// SPDX-License-Identifier: GPL-3.0-or-later
// The cells of the Progress page's level map, one flat button a level, walked by the arrow keys
// and read by a screen reader as the items of one list; and the parts of the page that a screen
// reader meets on their own though the page paints them.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QString>
#include <QWidget>

class QAccessibleInterface;
class TMasteryMap;

// One level of the map: a flat button that can be pointed at and pressed. Only one cell at a
// time stands in the Tab ring; the arrow keys move among them.
class TLevelCell : public QAbstractButton {
  public:
    // The map's rows (vertex counts 6 to 16) and columns (colour counts 2 to 4, edges shown and
    // hidden).
    static constexpr int kColumns = 6;
    static constexpr int kRows = 11;

    TLevelCell(int level, QWidget* grid, TMasteryMap* map);
    int Level() const { return m_level; }

    // Says `words` once, as the name of the focused cell in place of its figures, until the
    // focus leaves it (quietly: a reader is not told the figures again as it moves on).
    void Announce(const QString& words);
    const QString& Announcement() const { return m_announcement; }
    void Unannounce() { m_announcement.clear(); }

    // How a screen reader meets the cells, the map and the trend's parts (an accessibility
    // factory, installed once).
    static QAccessibleInterface* Reader(const QString& key, QObject* object);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_level;
    TMasteryMap* m_map;
    QString m_announcement;
};

// The map's cells as one list, walked by the arrow keys.
class TLevelGrid : public QWidget {
  public:
    explicit TLevelGrid(QWidget* page) : QWidget(page) { setObjectName(QStringLiteral("LevelGrid")); }
};

// A part of the page that is painted by the page but read by a screen reader on its own: the
// trend's heading and its chart.
class TTrendPart : public QWidget {
  public:
    TTrendPart(QWidget* page, const char* name, QAccessible::Role role) : QWidget(page), m_role(role) {
        setObjectName(QLatin1String(name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    QAccessible::Role m_role;
};
