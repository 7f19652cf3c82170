// SPDX-License-Identifier: GPL-3.0-or-later
// A board and a set of dialogs that only remember what the engine told them, for tests without
// a window.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/Views.h"

namespace gametest {

class RecordingBoard : public game::BoardView {
  public:
    std::vector<std::string> calls;  // the operations that change the board's state, in order
    // The numbers under the board; -1 until shown.
    std::int32_t par = -1;
    std::int32_t score = -1;
    std::int32_t edgeCount = -1;
    game::AverageFromPar average;
    int averagesShown = 0;
    game::BoardShape shape;
    int layouts = 0;
    std::vector<game::MoveReport> moves;  // every move shown, in order
    std::vector<std::pair<int, int>> boardEdges;
    std::vector<std::pair<int, int>> solutionEdges;
    int twinsShown = 0;
    bool twinsDuringPlay = false;
    bool solvedPicture = false;
    bool paintersOn = false;
    int pressedPainter = 0;
    bool drawGraphEnabled = false;
    std::vector<bool> toolTipSwitches;  // every ApplyToolTips, in order

    void ShowSolvedPicture(bool solved) override {
        calls.push_back(solved ? "ShowSolvedPicture(solved)" : "ShowSolvedPicture(play)");
        solvedPicture = solved;
    }
    void ShowPlayControls() override {
        calls.push_back("ShowPlayControls");
        drawGraphEnabled = true;
        paintersOn = true;
        pressedPainter = 1;
    }
    void LayOutBoard(const game::BoardShape& laidOut) override {
        calls.push_back("LayOutBoard");
        shape = laidOut;
        ++layouts;
    }
    void MirrorToSolutionView(bool twins) override {
        calls.push_back("MirrorToSolutionView");
        twinsDuringPlay = twins;
        twinsShown = 0;
    }
    void EnablePainters(bool on) override {
        calls.push_back(on ? "EnablePainters(on)" : "EnablePainters(off)");
        paintersOn = on;
        pressedPainter = on ? 1 : 0;
    }
    void PressPainter(int colorIndex) override { pressedPainter = colorIndex; }
    void ShowFills(game::EdgeView, const game::Fills&) override {}
    // A move shows its score and draws the edge of each clash, as the board does.
    void ShowMove(const game::MoveReport& move) override {
        moves.push_back(move);
        score = move.clicks;
        for (int i = 0; i < move.clearedCount; ++i) {
            DrawEdge(game::EdgeView::Board, move.vertex, move.cleared[static_cast<std::size_t>(i)].vertex);
        }
    }
    void DrawEdge(game::EdgeView view, int a, int b) override {
        (view == game::EdgeView::Board ? boardEdges : solutionEdges).emplace_back(a, b);
    }
    void RefreshVertex(game::EdgeView, int) override {}
    void ShowSolutionVertices(int n) override { twinsShown = n; }
    void SetDrawGraphEnabled(bool enabled) override { drawGraphEnabled = enabled; }
    void ShowPar(std::int32_t value) override { par = value; }
    void ShowScore(std::int32_t clicks) override { score = clicks; }
    void ShowEdgeCount(std::int32_t edges) override { edgeCount = edges; }
    void ShowAverageFromPar(const game::AverageFromPar& shown) override {
        average = shown;
        ++averagesShown;
    }
    void ApplyToolTips(bool on) override { toolTipSwitches.push_back(on); }
};

class RecordingWindows : public game::GameWindows {
  public:
    std::vector<game::Dialog> dialogs;
    std::vector<game::Rating> ratings;  // what each opened dialog was handed
    std::vector<unsigned> settingsChanges;
    game::GameSettings followed;          // the settings the last change was handed
    std::vector<game::GameRecord> rated;  // every game handed over as rated
    std::vector<game::GameRecord> unrated;  // every game that ended without a rating

    void OpenDialog(game::Dialog dialog, const game::Rating& rating) override {
        dialogs.push_back(dialog);
        ratings.push_back(rating);
    }
    void SettingsChangedByGame(const game::GameSettings& settings, unsigned changes) override {
        settingsChanges.push_back(changes);
        followed = settings;
    }
    void GameRated(const game::GameRecord& record) override { rated.push_back(record); }
    void GameEndedUnrated(const game::GameRecord& record) override { unrated.push_back(record); }
};

}  // namespace gametest
