// SPDX-License-Identifier: GPL-3.0-or-later
// board::TBoardAdapter: what the engine tells the main window Level1, shown on its controls.
#pragma once

#include <functional>

#include "board/BoardControls.h"
#include "engine/Views.h"

namespace board {

class TEdgePainter;
class TToolTipSwitch;

// The board's half of the engine's messages: every message becomes what the player sees on the
// board's controls, with its words made here in the player's language. It decides no rule.
class TBoardAdapter : public game::BoardView {
  public:
    TBoardAdapter(const TBoardControls& controls, TEdgePainter& edges, TToolTipSwitch& toolTips);

    void ShowSolvedPicture(bool solved) override;
    void ShowPlayControls() override;
    void LayOutBoard(const game::BoardShape& shape) override;
    void MirrorToSolutionView(bool twinsShown) override;
    void EnablePainters(bool on) override;
    void PressPainter(int colorIndex) override;
    void ShowFills(game::EdgeView view, const game::Fills& fills) override;
    void ShowMove(const game::MoveReport& move) override;
    void DrawEdge(game::EdgeView view, int a, int b) override;
    void RefreshVertex(game::EdgeView view, int k) override;
    void ShowSolutionVertices(int n) override;
    void SetDrawGraphEnabled(bool enabled) override;
    void ShowPar(std::int32_t par) override;
    void ShowScore(std::int32_t clicks) override;
    void ShowEdgeCount(std::int32_t edges) override;
    void ShowAverageFromPar(const game::AverageFromPar& average) override;
    void ApplyToolTips(bool on) override;
    void SettleNow() override;
    void StepsBegin() override;
    void StepsEnd() override;

    // Called once the controls of a new puzzle are ready to play.
    std::function<void()> playStarted;
    // Called once a move is shown, with what it did.
    std::function<void(const game::MoveReport&)> moveShown;

  private:
    TOrbVertex1* Vertex(game::EdgeView view, int k) const;
    // What a screen reader learns of the graph: each vertex's edges shown in its view.
    void TellNeighbours(game::EdgeView view, int k);
    const TBoardControls& m_c;
    TEdgePainter& m_edges;
    TToolTipSwitch& m_toolTips;
};

}  // namespace board
