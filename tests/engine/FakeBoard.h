// SPDX-License-Identifier: GPL-3.0-or-later
// A board that remembers what the engine asked of it, for tests without a window.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Board.h"

namespace gametest {

class FakeBoard : public game::Board {
  public:
    std::vector<std::string> calls;  // operation names in the order called
    // The numbers under the board; -1 until shown.
    std::int32_t par = -1;
    std::int32_t score = -1;
    std::int32_t edgeCount = -1;
    std::int64_t totalFromPar = 0;
    std::int32_t ratedGames = 0;
    int averagesShown = 0;
    std::vector<game::Dialog> dialogs;
    std::vector<std::pair<int, int>> boardEdges;
    std::vector<std::pair<int, int>> solutionEdges;
    std::vector<int> shownTwins;
    bool solvedPicture = false;
    bool paintersOn = false;
    int pressedPainter = 0;
    bool drawGraphEnabled = false;
    std::vector<unsigned> settingsChanges;  // what the game changed, call by call

    void ShowSolvedPicture(bool solved) override {
        calls.push_back(solved ? "ShowSolvedPicture(solved)" : "ShowSolvedPicture(play)");
        solvedPicture = solved;
    }
    void RepaintWindow() override { calls.push_back("RepaintWindow"); }
    void ShowPlayControls() override {
        calls.push_back("ShowPlayControls");
        drawGraphEnabled = true;
        EnablePainters(true);
    }
    void LayOutBoard() override { calls.push_back("LayOutBoard"); }
    void MirrorToSolutionView() override {
        calls.push_back("MirrorToSolutionView");
        shownTwins.clear();
    }
    void EnablePainters(bool on) override {
        calls.push_back(on ? "EnablePainters(on)" : "EnablePainters(off)");
        paintersOn = on;
        pressedPainter = on ? 1 : 0;
    }
    void PressPainter(int colorIndex) override { pressedPainter = colorIndex; }
    void DrawEdge(game::EdgeView view, int a, int b) override {
        (view == game::EdgeView::Board ? boardEdges : solutionEdges).emplace_back(a, b);
    }
    void RefreshVertex(game::EdgeView, int) override {}
    void ShowSolutionVertex(int k) override { shownTwins.push_back(k); }
    void SetDrawGraphEnabled(bool enabled) override { drawGraphEnabled = enabled; }
    void ShowPar(std::int32_t value) override { par = value; }
    void ShowScore(std::int32_t clicks) override { score = clicks; }
    void ShowEdgeCount(std::int32_t edges) override { edgeCount = edges; }
    void ShowAverageFromPar(std::int64_t total, std::int32_t games) override {
        totalFromPar = total;
        ratedGames = games;
        ++averagesShown;
    }
    void OpenDialog(game::Dialog dialog) override { dialogs.push_back(dialog); }
    void SettingsChangedByGame(unsigned changes) override { settingsChanges.push_back(changes); }
};

}  // namespace gametest
