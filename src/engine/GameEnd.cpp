#include "GameEnd.h"

#include <climits>
#include <cmath>
#include <cstdio>

#include "Board.h"
#include "Puzzle.h"
#include "State.h"

namespace game {

namespace {

std::int32_t& Streak() { return Settings.TeachingModeConsecutiveGoodGames; }

// A streak or level read from a hand-edited file may already stand at the top of the
// 32-bit range; counting on from there must not wrap round to a negative number.
void CountUp(std::int32_t& value) {
    if (value < INT32_MAX) ++value;
}

}  // namespace

std::string_view FormatAverage(double average, char* buffer) {
    const double magnitude = std::fabs(average);
    // Three significant digits, but never more than three decimals; from 1000 up every
    // whole digit is kept and the value is rounded to a whole number.
    int decimals = 3;
    if (magnitude >= 100.0) {
        decimals = 0;
    } else if (magnitude >= 10.0) {
        decimals = 1;
    } else if (magnitude >= 1.0) {
        decimals = 2;
    }
    const long double scale = std::pow(10.0L, decimals);
    const long double rounded = std::floor(static_cast<long double>(magnitude) * scale + 0.5L) / scale;
    const bool negative = average < 0 && rounded != 0;
    const int length = std::snprintf(buffer, 48, "%s%.3Lf", negative ? "-" : "", rounded);
    return {buffer, static_cast<std::size_t>(length > 0 ? length : 0)};
}

void UpdateSessionAverage() {
    const std::int32_t par = ComputePar();
    const double result = Puzzle.GameOver ? Puzzle.ClickCount : par + 10.0;
    SessionState& s = Session;
    CountUp(s.SessionGameCount);
    s.SessionAverageFromPar =
        (s.SessionAverageFromPar * (s.SessionGameCount - 1) + result - par) / s.SessionGameCount;

    char text[80] = "Average From Par: ";
    char number[48];
    const std::string_view formatted = FormatAverage(s.SessionAverageFromPar, number);
    const std::size_t prefix = 18;
    formatted.copy(text + prefix, sizeof text - prefix);
    CurrentBoard().SetCaption(Label::SessionAveFromParLabel, std::string_view(text, prefix + formatted.size()));
}

void ShowSolution() {
    Board& board = CurrentBoard();
    PuzzleState& p = Puzzle;
    board.ShowSolvedPicture(true);
    board.EnablePainters(false);
    p.GameOver = true;
    const int n = p.VertexCount;
    for (int k = 1; k <= n; ++k) {
        const TColor color = PaintColor(p.HiddenColoring[k]);
        if (color != clBlack) SolutionVertex[k].SetFillColor(color);
        board.ShowSolutionVertex(k);
    }
    DrawEveryEdge(EdgeView::Solution, n);
    board.SetDrawGraphEnabled(false);
}

void EvaluateSolvedGame() {
    UpdateSessionAverage();
    ShowSolution();
    const bool good = Puzzle.ClickCount <= ComputePar();
    if (good) {
        if (Settings.TeachingMode) CountUp(Streak());
        CurrentBoard().OpenDialog(Puzzle.EdgesShown ? Dialog::Perfect : Dialog::Excellent);
    } else if (Settings.TeachingMode) {
        Streak() = 0;
        CurrentBoard().OpenDialog(Dialog::NotBad);
    }
}

void NewGameClick() {
    if (Puzzle.GameOver) {
        NewPuzzle();
        return;
    }
    CurrentBoard().OpenDialog(Dialog::GameNotOverDecision);
}

void DrawGraphClick() {
    if (Puzzle.GameOver) return;
    if (Session.DrawGraphFirstUse) {
        ShowSolution();
        Session.DrawGraphFirstUse = false;
        Streak() = 0;
        return;
    }
    CurrentBoard().OpenDialog(Dialog::GameNotOverDecision2);
}

// "Yes" ends the game in play, whichever puzzle the question was first asked about (it may
// have stood open while the settings dialog started another). Only a game that already
// ended, and so was rated by its own end, is not rated again.
void NewPuzzleDecisionYes() {
    if (!Puzzle.GameOver) {
        Streak() = 0;
        UpdateSessionAverage();
    }
    NewPuzzle();
}

void DrawGraphDecisionYes() {
    if (Puzzle.GameOver) return;
    Streak() = 0;
    UpdateSessionAverage();
    ShowSolution();
}

void DecisionNo() {}

void PerfectOk() {
    if (!Settings.TeachingMode || Streak() < 1) return;
    Streak() = 0;
    Settings.ShowEdges = false;
    CurrentBoard().SetOptionsShowEdges(false);
    Settings.TeachingModeSecondaryLevel = 1;
}

void PerfectNo() { Streak() = 0; }

void ExcellentOk() {
    if (!Settings.TeachingMode || Streak() < 3) return;
    Streak() = 0;
    CountUp(Settings.TeachingModePrimaryLevel);
    Settings.TeachingModeSecondaryLevel = 0;
    Settings.ShowEdges = true;
    CurrentBoard().SetOptionsShowEdges(true);
    Settings.NumberOfVertices = Settings.NumberOfVertices >= kMaxVertices ? kMinVertices : Settings.NumberOfVertices + 1;
    CurrentBoard().SetOptionsVertexCount(Settings.NumberOfVertices);
}

void ExcellentNo() { Streak() = 2; }

void NotBadOk() {}

RatingText PerfectDialogText(bool teachingMode, int streak) {
    if (teachingMode && streak >= 1) {
        return {"Way to go. You seem to know what you are doing at this level. Would you like to go on to the "
                "next level?",
                true};
    }
    if (teachingMode) {
        return {"You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.",
                false};
    }
    return {"Way to go!", false};
}

RatingText ExcellentDialogText(bool teachingMode, int streak) {
    if (!teachingMode) {
        return {"Do you have a method? Do you think it works for other graphs with a different number of "
                "vertices and a different number of edges?",
                false};
    }
    if (streak <= 2) {
        return {"You need 3 excellent games in a row to advance. You now have " + std::to_string(streak) + ".",
                false};
    }
    return {"You seem to know what you are doing at this level. You did three excellent games in a row. Would "
            "you like to advance to the next level?",
            true};
}

std::string_view NotBadText() {
    return "To advance, you must solve the puzzles by clicking on the vertices no more than Par times. You need "
           "1  Par game to advance when the edges are showing and 3 consecutive Par or better games to advance "
           "when the edges are not showing.";
}

}  // namespace game
