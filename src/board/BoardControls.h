// SPDX-License-Identifier: GPL-3.0-or-later
// board::TBoardControls: the controls of the main window Level1, by the names the game gives them.
#pragma once

#include <QHash>
#include <QRegion>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class TColorButton;
class TOrbVertex1;

namespace board {

class TEdgePainter;

// The black area under the menu bar. Every position of the game is a client coordinate of this
// widget; it paints the edges the painter it is given holds, under the vertex squares.
class TBoardSurface : public QWidget {
    Q_OBJECT
  public:
    TBoardSurface(TEdgePainter& edges, QWidget* parent);

    // Rings `control` (a painter or a vertex the keyboard moved to) with the focus mark; nullptr
    // takes the mark away. The mark stands just outside the control, never on its face.
    void SetFocusMark(const QWidget* control);
    QRect FocusMarkArea() const;
    // The board's own immediate paint of `area`, with every control that changed its place or
    // look since the board was last painted: the lines there are renewed as they stand now,
    // and the window shows them with the next paint.
    void RenewNow(const QRegion& area);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where each control stood and how it looked when the board was last renewed.
    struct Look {
        QRect place;
        bool shown = false;
        std::size_t face = 0;
    };
    QRegion TakeChanges();

    TEdgePainter& m_edges;
    QRect m_mark;
    QHash<const QWidget*, Look> m_looks;
};

// Vertex and painter arrays are indexed 1..16 and by colour index 1..4 (navy, maroon, green,
// purple); slot 0 is unused.
struct TBoardControls {
    TBoardSurface* Surface = nullptr;
    // The title: its five letter pairs (1..5) and its two pictures.
    std::array<QLabel*, 6> TitleLabel{};
    QLabel *ColorAllVertices = nullptr, *PuzzleSolved = nullptr;
    QPushButton *NewGame = nullptr, *DrawGraph = nullptr;
    std::array<TColorButton*, 5> Painter{};
    TColorButton *NavyPainter = nullptr, *MaroonPainter = nullptr, *PurplePainter = nullptr,
                 *GreenPainter = nullptr;
    // The numbers under the board, each beside its caption.
    QLabel *ParLabel = nullptr, *Par = nullptr;
    QLabel *PlayerScoreLabel = nullptr, *PlayerScore = nullptr;
    QLabel *EdgesLabel = nullptr, *SessionAveFromParLabel = nullptr;
    std::array<TOrbVertex1*, 17> OrbVertex{};
    std::array<TOrbVertex1*, 17> CompVert{};
};

// The main menu MainMenu1: each drop-down menu and its items.
struct TBoardMenu {
    QMenu* File1 = nullptr;
    QAction* Performance1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Settings1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction *Contents1 = nullptr, *About1 = nullptr;
};

}  // namespace board
