// SPDX-License-Identifier: GPL-3.0-or-later
// PuzzleSetter::PlayPuzzleAt: a puzzle put on the board at a position, not played up to it on the board.
#include "engine/Game.h"
#include "engine/PuzzleSetter.h"

namespace game {

bool PuzzleSetter::PlayPuzzleAt(const PuzzleRecipe& recipe, bool replay, std::span<const Click> clicks, int painter) {
    if (!PositionInPlay(recipe, clicks))
        return false;
    PlayPuzzle(recipe, replay);
    BoardView* const board = m_game.hooks.board;
    BoardView& view = m_game.Board();
    // The board keeps its lines as each paint left them: it steps through the moments the clicks
    // were painted at, each click's lines drawn and settled with the score it made, so that its
    // picture is the one the clicks made, pixel for pixel. The moves themselves are played by
    // the rules with the board looking away: no vertex is painted, no move told, until the end.
    view.SettleNow();
    view.StepsBegin();
    for (const Click& click : clicks) {
        m_game.hooks.board = nullptr;
        const MoveReport move = PlayClick(m_game, click);
        m_game.hooks.board = board;
        for (int i = 0; i < move.clearedCount; ++i)
            view.DrawEdge(EdgeView::Board, move.vertex, move.cleared[static_cast<std::size_t>(i)].vertex);
        view.ShowScore(move.clicks);
        view.RefreshVertex(EdgeView::Board, move.vertex);
    }
    view.StepsEnd();
    if (painter < 1 || painter > recipe.colors)
        painter = clicks.empty() ? 1 : clicks.back().colorIndex;
    m_game.Puzzle.SelectedColor = PaintColor(painter);
    Fills fills{};
    for (int k = 1; k <= kMaxVertices; ++k) fills[k] = m_game.BoardVertex[k].FillColor();
    view.ShowFills(EdgeView::Board, fills);
    view.PressPainter(painter);
    return true;
}

}  // namespace game
