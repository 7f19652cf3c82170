// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardAdapter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "board/EdgePainter.h"
#include "board/ToolTipSwitch.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/Geometry.h"
#include "ui/DialogLook.h"

namespace board {

namespace {

// Every place the game gives is one on the board as designed.
void SetRect(TBoardScale& layout, QWidget* widget, const game::Rect& rect) {
    layout.Place(widget, QRect(rect.left, rect.top, rect.width, rect.height));
}

// A caption that grows its label, so "Average From Par: -1.250" is never cut short.
void SetCaption(TBoardScale& layout, QLabel* label, const QString& text, const QLabel* caption = nullptr) {
    label->setText(text);
    layout.GrowToText(label);
    // A number is read with its caption ("Par: 6"), never bare.
    if (caption)
        label->setAccessibleName(caption->text().trimmed() + QLatin1Char(' ') + text);
}

}  // namespace

TBoardAdapter::TBoardAdapter(const TBoardControls& controls, TEdgePainter& edges, TToolTipSwitch& toolTips)
    : m_c(controls), m_edges(edges), m_toolTips(toolTips) {
    // A vertex tells its neighbours' colours as they are in its own view.
    for (const game::EdgeView view : {game::EdgeView::Board, game::EdgeView::Solution}) {
        for (int k = 1; k <= game::kMaxVertices; ++k) {
            Vertex(view, k)->setNeighbourFills([this, view](int j) {
                return j >= 1 && j <= game::kMaxVertices ? Vertex(view, j)->brushColor() : game::clBlack;
            });
        }
    }
}

void TBoardAdapter::ShowSolvedPicture(bool solved) {
    m_c.PuzzleSolved->setVisible(solved);
    m_c.ColorAllVertices->setVisible(!solved);
}

void TBoardAdapter::ShowPlayControls() {
    m_edges.SetEdgePen();
    m_c.DrawGraph->setEnabled(true);
    m_c.DrawGraph->show();
    EnablePainters(true);
    for (QLabel* label : {m_c.ParLabel, m_c.Par, m_c.PlayerScore, m_c.PlayerScoreLabel, m_c.EdgesLabel,
                          m_c.SessionAveFromParLabel}) {
        label->show();
    }
}

TOrbVertex1* TBoardAdapter::Vertex(game::EdgeView view, int k) const {
    return (view == game::EdgeView::Solution ? m_c.CompVert : m_c.OrbVertex)[static_cast<std::size_t>(k)];
}

void TBoardAdapter::TellNeighbours(game::EdgeView view, int k) {
    if (k < 1 || k > game::kMaxVertices)
        return;
    Vertex(view, k)->setKnownNeighbours(m_edges.KnownNeighbours(view, k));
}

void TBoardAdapter::LayOutBoard(const game::BoardShape& shape) {
    const int n = std::clamp(shape.vertices, game::kMinVertices, game::kMaxVertices);
    const int c = std::clamp(shape.colors, game::kMinColors, game::kMaxColors);
    const int cx = shape.centerX;
    const int cy = shape.centerY;
    // A fresh board: the whole surface is drawn again, so no line of the last puzzle survives. The
    // new puzzle's lines, vertices and controls all show together in the one paint that follows.
    m_edges.NewBoard();
    m_c.Surface->RenewNow(m_c.Surface->rect());
    m_c.Surface->update();

    for (int k = n + 1; k <= game::kMaxVertices; ++k) {
        TOrbVertex1* vertex = m_c.OrbVertex[static_cast<std::size_t>(k)];
        vertex->setEnabled(false);
        vertex->hide();
    }
    for (int k = 1; k <= n; ++k) {
        TOrbVertex1* vertex = m_c.OrbVertex[static_cast<std::size_t>(k)];
        vertex->setPenWidth(game::VertexPenWidthFor(n));
        SetRect(m_c.Surface->Layout(), vertex, game::VertexRect(n, k, cx, cy));
        vertex->setEnabled(true);
        vertex->show();
    }

    const game::ControlPlaces places = game::PlaceControls(n, game::DefaultControlSizes(), cx, cy);
    TBoardScale& layout = m_c.Surface->Layout();
    SetRect(layout, m_c.NewGame, places.NewGame);
    SetRect(layout, m_c.DrawGraph, places.DrawGraph);
    // Labels keep their own (text-fitting) size; only their places follow the layout.
    const std::pair<QLabel*, const game::Rect&> labels[] = {
        {m_c.ParLabel, places.ParLabel},
        {m_c.Par, places.Par},
        {m_c.PlayerScoreLabel, places.PlayerScoreLabel},
        {m_c.PlayerScore, places.PlayerScore},
        {m_c.EdgesLabel, places.EdgesLabel},
        {m_c.SessionAveFromParLabel, places.SessionAveFromParLabel},
    };
    for (const auto& [label, place] : labels) layout.MoveTo(label, QPoint(place.left, place.top));

    const game::PainterPlaces painters = game::PlacePainters(c, 30, 30, cx, cy);
    for (int index = game::kNavy; index <= game::kPurple; ++index) {
        TColorButton* painter = m_c.Painter[static_cast<std::size_t>(index)];
        if (painters.used[index]) {
            // Its place among the choices, by the number key that picks it: "1 of 3".
            painter->setAccessibleDescription(
                QCoreApplication::translate("TLevel1", "%1 of %2").arg(index).arg(c));
            painter->setEnabled(true);
            SetRect(layout, painter, painters.place[index]);
            painter->show();
        } else {
            painter->setEnabled(false);
            painter->hide();
        }
    }
    // The marks are clear: no edge of the last puzzle is known any more.
    for (int k = 1; k <= game::kMaxVertices; ++k) TellNeighbours(game::EdgeView::Board, k);
    if (playStarted)
        playStarted();
}

void TBoardAdapter::MirrorToSolutionView(bool twinsShown) {
    TBoardScale& layout = m_c.Surface->Layout();
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        TOrbVertex1* vertex = m_c.OrbVertex[static_cast<std::size_t>(k)];
        TOrbVertex1* twin = m_c.CompVert[static_cast<std::size_t>(k)];
        twin->setEnabled(vertex->isEnabled());
        layout.Place(twin, layout.Designed(vertex).translated(320, 0));
        twin->setPenColor(vertex->penColor());
        twin->setPenWidth(vertex->penWidth());
        twin->setVisible(twinsShown && !vertex->isHidden());
        TellNeighbours(game::EdgeView::Solution, k);
    }
}

void TBoardAdapter::EnablePainters(bool on) {
    // The painters are on exactly while a game is played: only then do the vertices take a press,
    // and Tab reach them. Taken off the tab ring first, a vertex leaves the focus where a painter
    // losing it has always sent it: to New Puzzle.
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        TOrbVertex1* vertex = m_c.OrbVertex[static_cast<std::size_t>(k)];
        vertex->setPlayable(on);
        vertex->setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
    }
    for (int index = game::kNavy; index <= game::kPurple; ++index) {
        TColorButton* painter = m_c.Painter[static_cast<std::size_t>(index)];
        painter->setEnabled(on);
        painter->setValue(false);
    }
    if (on)
        m_c.NavyPainter->setValue(true);
}

void TBoardAdapter::PressPainter(int colorIndex) {
    for (int index = game::kNavy; index <= game::kPurple; ++index)
        m_c.Painter[static_cast<std::size_t>(index)]->setValue(index == colorIndex);
}

void TBoardAdapter::ShowFills(game::EdgeView view, const game::Fills& fills) {
    for (int k = 1; k <= game::kMaxVertices; ++k)
        Vertex(view, k)->setBrushColor(fills[static_cast<std::size_t>(k)]);
}

void TBoardAdapter::ShowMove(const game::MoveReport& move) {
    if (move.vertex < 1 || move.vertex > game::kMaxVertices)
        return;
    // In the order the rules make the move: the score first, then the painted vertex, then each
    // clash in turn, its neighbour turned black and then its edge drawn.
    ShowScore(move.clicks);
    Vertex(game::EdgeView::Board, move.vertex)->setBrushColor(game::PaintColor(move.colorIndex));
    for (int i = 0; i < move.clearedCount; ++i) {
        const int neighbour = move.cleared[static_cast<std::size_t>(i)].vertex;
        Vertex(game::EdgeView::Board, neighbour)->setBrushColor(game::clBlack);
        DrawEdge(game::EdgeView::Board, move.vertex, neighbour);
    }
    if (moveShown)
        moveShown(move);
}

void TBoardAdapter::DrawEdge(game::EdgeView view, int a, int b) {
    m_edges.Mark(view, a, b);
    const QRegion area = m_edges.EdgeArea(view, a, b);
    m_edges.Dirty(area);
    m_c.Surface->update(area);
    TellNeighbours(view, a);
    TellNeighbours(view, b);
}

void TBoardAdapter::RefreshVertex(game::EdgeView view, int k) {
    // The lines so far are settled under the square's area and the edges marked since, as they
    // have always been at this moment; the square stands over their ends in the one paint that
    // follows, which paints the surface's children after it.
    if (k < 1 || k > game::kMaxVertices)
        return;
    TOrbVertex1* vertex = Vertex(view, k);
    if (!vertex->isVisible())
        return;
    m_c.Surface->RenewNow(vertex->geometry());
    vertex->update();
}

void TBoardAdapter::ShowSolutionVertices(int n) {
    for (int k = 1; k <= std::min(n, game::kMaxVertices); ++k)
        m_c.CompVert[static_cast<std::size_t>(k)]->show();
}

void TBoardAdapter::SetDrawGraphEnabled(bool enabled) {
    m_c.DrawGraph->setEnabled(enabled);
}

void TBoardAdapter::ShowPar(std::int32_t par) {
    SetCaption(m_c.Surface->Layout(), m_c.Par, QString::number(par), m_c.ParLabel);
}

void TBoardAdapter::ShowScore(std::int32_t clicks) {
    SetCaption(m_c.Surface->Layout(), m_c.PlayerScore, QString::number(clicks), m_c.PlayerScoreLabel);
}

void TBoardAdapter::ShowEdgeCount(std::int32_t edges) {
    SetCaption(m_c.Surface->Layout(), m_c.EdgesLabel, QCoreApplication::translate("TLevel1", "Edges: %1").arg(edges));
}

void TBoardAdapter::ShowAverageFromPar(const game::AverageFromPar& average) {
    SetCaption(m_c.Surface->Layout(), m_c.SessionAveFromParLabel, QCoreApplication::translate("TLevel1", "Average From Par: %1")
                                               .arg(ui::LocalDecimals(average.Text())));
}

void TBoardAdapter::SettleNow() {
    m_c.Surface->RenewNow(QRegion());
}

void TBoardAdapter::StepsBegin() {
    m_edges.DeferSteps();
}

void TBoardAdapter::StepsEnd() {
    m_edges.SettleSteps();
}

void TBoardAdapter::ApplyToolTips(bool on) {
    m_toolTips.Apply(on);
}

}  // namespace board
