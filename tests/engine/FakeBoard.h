// A board that remembers what the engine asked of it, for tests without a window.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Board.h"

namespace gametest {

class FakeBoard : public game::Board {
public:
    std::vector<std::string> calls;  // operation names in the order called
    std::map<game::Label, std::string> captions;
    std::vector<game::Dialog> dialogs;
    std::vector<std::pair<int, int>> boardEdges;
    std::vector<std::pair<int, int>> solutionEdges;
    std::vector<int> shownTwins;
    bool solvedPicture = false;
    bool paintersOn = false;
    int pressedPainter = 0;
    bool drawGraphEnabled = false;
    int optionsShowEdges = -1;  // -1: never set
    int optionsVertexCount = 0;

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
    void DrawBoardEdge(int a, int b) override { boardEdges.emplace_back(a, b); }
    void DrawSolutionEdge(int a, int b) override { solutionEdges.emplace_back(a, b); }
    void RefreshBoardVertex(int) override {}
    void RefreshSolutionVertex(int) override {}
    void ShowSolutionVertex(int k) override { shownTwins.push_back(k); }
    void SetDrawGraphEnabled(bool enabled) override { drawGraphEnabled = enabled; }
    void SetCaption(game::Label label, std::string_view text) override { captions[label] = std::string(text); }
    void OpenDialog(game::Dialog dialog) override { dialogs.push_back(dialog); }
    void SetOptionsShowEdges(bool checked) override { optionsShowEdges = checked ? 1 : 0; }
    void SetOptionsVertexCount(int vertices) override { optionsVertexCount = vertices; }
};

}  // namespace gametest
