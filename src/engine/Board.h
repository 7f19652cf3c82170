// The one seam between the rules and the windows. The engine calls these operations by
// name; the main window implements them in the game and a recording fake in tests.
#pragma once

#include <string_view>

namespace game {

enum class Label { Par, PlayerScore, EdgesLabel, SessionAveFromParLabel };
enum class Dialog { Perfect, Excellent, NotBad, GameNotOverDecision, GameNotOverDecision2 };

class Board {
public:
    virtual ~Board() = default;

    // PuzzleSolved shown and ColorAllVertices hidden when solved; the other way round when not.
    virtual void ShowSolvedPicture(bool solved) = 0;
    // Repaints the whole main window at once.
    virtual void RepaintWindow() = 0;
    // Edge pen, Draw Graph enabled and visible, EnablePainters(true), score labels visible.
    virtual void ShowPlayControls() = 0;
    // Places vertices, buttons, labels and painters for the current vertex and colour counts.
    virtual void LayOutBoard() = 0;
    // Copies the board vertex controls' look and place onto the solution view (the engine
    // has already copied the vertex records).
    virtual void MirrorToSolutionView() = 0;
    // All four painters enabled (on) or disabled, and released; when on, NavyPainter pressed.
    virtual void EnablePainters(bool on) = 0;
    // Shows the painter of a colour index 1..4 pressed.
    virtual void PressPainter(int colorIndex) = 0;
    // A board edge has just been marked: draw it now and repaint both vertex squares over it.
    virtual void DrawBoardEdge(int a, int b) = 0;
    // A solution edge has just been marked: draw it now between the two twins.
    virtual void DrawSolutionEdge(int a, int b) = 0;
    virtual void RefreshBoardVertex(int k) = 0;
    virtual void RefreshSolutionVertex(int k) = 0;
    virtual void ShowSolutionVertex(int k) = 0;
    virtual void SetDrawGraphEnabled(bool enabled) = 0;
    virtual void SetCaption(Label label, std::string_view text) = 0;
    // Shows a dialog without blocking; a visible one is only brought to the front.
    virtual void OpenDialog(Dialog dialog) = 0;
    // The settings dialog's controls follow a teaching advance.
    virtual void SetOptionsShowEdges(bool checked) = 0;
    virtual void SetOptionsVertexCount(int vertices) = 0;
};

// A board that shows nothing, used until a window (or a test's fake) is attached.
class NullBoard : public Board {
public:
    void ShowSolvedPicture(bool) override {}
    void RepaintWindow() override {}
    void ShowPlayControls() override {}
    void LayOutBoard() override {}
    void MirrorToSolutionView() override {}
    void EnablePainters(bool) override {}
    void PressPainter(int) override {}
    void DrawBoardEdge(int, int) override {}
    void DrawSolutionEdge(int, int) override {}
    void RefreshBoardVertex(int) override {}
    void RefreshSolutionVertex(int) override {}
    void ShowSolutionVertex(int) override {}
    void SetDrawGraphEnabled(bool) override {}
    void SetCaption(Label, std::string_view) override {}
    void OpenDialog(Dialog) override {}
    void SetOptionsShowEdges(bool) override {}
    void SetOptionsVertexCount(int) override {}
};

// The board the engine talks to; nullptr puts the silent board back.
void AttachBoard(Board* board);
Board& CurrentBoard();

}  // namespace game
