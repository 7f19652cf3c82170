// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameEnd.h"

#include <climits>
#include <cstdio>

#include "Board.h"
#include "Puzzle.h"
#include "State.h"

namespace game {

namespace {

std::int32_t& Streak() {
    return Settings.TeachingModeConsecutiveGoodGames;
}

// A streak or level read from a hand-edited file may already stand at the top of the
// 32-bit range; counting on from there must not wrap round to a negative number.
void CountUp(std::int32_t& value) {
    if (value < INT32_MAX)
        ++value;
}

}  // namespace

std::string_view FormatAverage(std::int64_t totalFromPar, std::int32_t games, char* buffer) {
    // Worked on the exact fraction, so that a half is a half: a double built up game by game
    // cannot hold 41/40 or 9.995, and would round them the wrong way.
    __extension__ typedef unsigned __int128 Wide;
    const bool below = totalFromPar < 0;
    const std::uint64_t magnitude =
        below ? 0u - static_cast<std::uint64_t>(totalFromPar) : static_cast<std::uint64_t>(totalFromPar);
    const Wide numerator = games > 0 ? magnitude : 0;
    const Wide denominator = games > 0 ? static_cast<Wide>(games) : 1;
    // Three significant digits, but never more than three decimals; from 100 up the value is
    // a whole number, every whole digit kept.
    int decimals = 3;
    if (numerator >= 100 * denominator) {
        decimals = 0;
    } else if (numerator >= 10 * denominator) {
        decimals = 1;
    } else if (numerator >= denominator) {
        decimals = 2;
    }
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const Wide rounded = (2 * numerator * scale + denominator) / (2 * denominator);
    Wide thousandths = rounded;
    for (int i = decimals; i < 3; ++i) thousandths *= 10;
    const auto whole = static_cast<unsigned long long>(thousandths / 1000);
    const auto fraction = static_cast<unsigned>(thousandths % 1000);
    const bool negative = below && thousandths != 0;
    const int length = std::snprintf(buffer, 48, "%s%llu.%03u", negative ? "-" : "", whole, fraction);
    return {buffer, static_cast<std::size_t>(length > 0 ? length : 0)};
}

void UpdateSessionAverage() {
    const std::int32_t par = ComputePar();
    const std::int64_t result = Puzzle.GameOver ? Puzzle.ClickCount : std::int64_t{par} + 10;
    SessionState& s = Session;
    CountUp(s.SessionGameCount);
    s.SessionTotalFromPar += result - par;
    CurrentBoard().ShowAverageFromPar(s.SessionTotalFromPar, s.SessionGameCount);
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
        if (color != clBlack)
            SolutionVertex[k].SetFillColor(color);
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
        if (Settings.TeachingMode)
            CountUp(Streak());
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
    if (Puzzle.GameOver)
        return;
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
    if (Puzzle.GameOver)
        return;
    Streak() = 0;
    UpdateSessionAverage();
    ShowSolution();
}

void DecisionNo() {}

void PerfectOk() {
    if (!Settings.TeachingMode || Streak() < 1)
        return;
    Streak() = 0;
    Settings.ShowEdges = false;
    Settings.TeachingModeSecondaryLevel = 1;
    CurrentBoard().SettingsChangedByGame(kShowEdgesChanged);
}

void PerfectNo() {
    Streak() = 0;
}

void ExcellentOk() {
    if (!Settings.TeachingMode || Streak() < 3)
        return;
    Streak() = 0;
    CountUp(Settings.TeachingModePrimaryLevel);
    Settings.TeachingModeSecondaryLevel = 0;
    Settings.ShowEdges = true;
    Settings.NumberOfVertices =
        Settings.NumberOfVertices >= kMaxVertices ? kMinVertices : Settings.NumberOfVertices + 1;
    CurrentBoard().SettingsChangedByGame(kShowEdgesChanged | kVertexCountChanged);
}

void ExcellentNo() {
    Streak() = 2;
}

void NotBadOk() {}

Rating PerfectDialogText(bool teachingMode, std::int32_t streak) {
    if (teachingMode && streak >= 1)
        return {RatingMessage::PerfectGoOn, streak, true};
    if (teachingMode)
        return {RatingMessage::PerfectNeedTwoInARow, streak, false};
    return {RatingMessage::PerfectWayToGo, streak, false};
}

Rating ExcellentDialogText(bool teachingMode, std::int32_t streak) {
    if (!teachingMode)
        return {RatingMessage::ExcellentMethod, streak, false};
    if (streak <= 2)
        return {RatingMessage::ExcellentCountSoFar, streak, false};
    return {RatingMessage::ExcellentAdvance, streak, true};
}

}  // namespace game
