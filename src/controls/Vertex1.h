// SPDX-License-Identifier: GPL-3.0-or-later
// TOrbVertex1: one graph vertex on the board, a filled square with a coloured outline.
// It shows the fill it is given (the board passes on the engine's messages) and reports its
// centre, where every edge line touching the vertex begins or ends.
#pragma once

#include <QList>
#include <QWidget>

#include <functional>

#include "engine/Palette.h"

class TOrbVertex1 : public QWidget {
    Q_OBJECT
  public:
    explicit TOrbVertex1(QWidget* parent = nullptr);

  signals:
    // A left press and release over the shown, enabled square (the board adds Space and Enter).
    void clicked();

  public:
    ~TOrbVertex1() override;

    TOrbVertex1(const TOrbVertex1&) = delete;
    TOrbVertex1& operator=(const TOrbVertex1&) = delete;

    // The fill is the vertex's colour (black = uncoloured). A new fill repaints the square and
    // renames it for a screen reader; the same fill again changes nothing.
    game::TColor brushColor() const;
    void setBrushColor(game::TColor color);
    game::TColor penColor() const;
    void setPenColor(game::TColor color);
    int penWidth() const;
    void setPenWidth(int width);

    // The centre follows the current bounds on every read; writing one never moves the square.
    int CenterX() const;
    int CenterY() const;
    void setCenterX(int ignored);
    void setCenterY(int ignored);

    // The vertex's number on the board (0: none), for the words a screen reader speaks.
    int Number() const { return m_number; }
    void setNumber(int number);
    // "3, red", "5, uncolored": a board vertex's number and the colour it wears now (the board's
    // list already says what its items are); "Solution vertex 3, blue" in the solution view.
    QString NumberAndColour() const;
    // What a screen reader reads for the vertex: on the board its number, its colour and its
    // neighbours as one ("3, red, joined to 1 blue, 5 uncolored"), so that the focus arriving
    // there is heard in one breath; in the solution view its number and colour. For one reading,
    // what a keyboard move did instead.
    QString AccessibleName() const;
    // "joined to 1 blue, 3 and 5 uncolored, 6 red", "no edge known yet": the vertices an edge on
    // the board joins it to, each with the colour it wears now, so that a player choosing a colour
    // for this vertex hears its neighbours' without visiting them.
    QString NeighbourWords() const;
    // The neighbours for a screen reader, apart from the name: in the solution view only (a
    // description is said after the name as an utterance of its own).
    QString AccessibleDescription() const;
    // Where the description finds the colour a neighbour (by its number) wears now.
    void setNeighbourFills(std::function<game::TColor(int)> fillOf) { m_fillOf = std::move(fillOf); }
    // The edges the board shows at this vertex, by the numbers of their other ends.
    void setKnownNeighbours(const QList<int>& numbers);
    const QList<int>& KnownNeighbours() const { return m_neighbours; }
    // A twin in the solution view: named so, and never pressed.
    void setSolution(bool solution);
    bool IsSolution() const { return m_solution; }
    // Whether a press would colour it: not once the game is over.
    void setPlayable(bool playable) { m_playable = playable; }
    bool Pressable() const;
    // Reads `words` as the vertex's name (what the last keyboard move did) until its colour
    // changes or the focus leaves; empty words go back to the plain name. The words are spoken by
    // the board; the vertex itself makes no event of them.
    void Announce(const QString& words);
    // Reads `words` before the vertex's own name (a new puzzle's size, as the focus first arrives)
    // until its colour changes or the focus leaves; the name itself stays up to date.
    void Introduce(const QString& words);
    // While `quiet`, the vertex changes its name and description without telling a screen reader:
    // the move made on it is then told once, whole, by Announce.
    void setQuiet(bool quiet) { m_quiet = quiet; }
    // A click as the mouse gives one: only a shown, enabled vertex raises it.
    void Click();
    // On a board shown `zoom` times its designed size the outline is as much wider.
    void setZoom(qreal zoom);
    qreal Zoom() const { return m_zoom; }
    // How the fill is shown: with its colour's number 1..4 (`marks`; black shows none), and in
    // the colour-safe set (`safe`). The fill itself, and so the words, stay the engine's colour.
    void setColourLook(bool marks, bool safe);
    bool ColourMarks() const { return m_marks; }
    bool SafeColours() const { return m_safe; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    game::TColor m_fill = game::clBlack;
    game::TColor m_penColor = game::clFuchsia;
    int m_penWidth = 3;
    qreal m_zoom = 1.0;
    int m_number = 0;
    bool m_solution = false;
    bool m_playable = true;
    QList<int> m_neighbours;
    std::function<game::TColor(int)> m_fillOf;
    QString m_announcement;
    QString m_introduction;
    bool m_quiet = false;
    bool m_marks = false;
    bool m_safe = false;
};
