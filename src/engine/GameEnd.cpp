// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GameEnd.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "engine/Game.h"
#include "engine/Puzzle.h"

namespace game {

void CountUp(std::int32_t& value) {
    if (value < INT32_MAX)
        ++value;
}

AverageFromPar ReduceAverage(std::int64_t totalFromPar, std::int32_t games) {
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
    AverageFromPar average;
    average.games = games > 0 ? games : 0;
    average.whole = static_cast<std::uint64_t>(thousandths / 1000);
    average.thousandths = static_cast<std::uint32_t>(thousandths % 1000);
    average.negative = below && thousandths != 0;
    return average;
}

std::string AverageFromPar::Text() const {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%s%llu.%03u", negative ? "-" : "",
                                     static_cast<unsigned long long>(whole), thousandths);
    return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

void Game::UpdateSessionAverage(Ending ending) {
    const PuzzleState& p = Puzzle;
    const std::int32_t par = ComputePar();
    const std::int64_t result = p.GameOver ? p.ClickCount : std::int64_t{par} + 10;
    SessionState& s = Session;
    CountUp(s.SessionGameCount);
    s.SessionTotalFromPar += result - par;
    Board().ShowAverageFromPar(ReduceAverage(s.SessionTotalFromPar, s.SessionGameCount));

    // The game's own record, whose room for clicks is made once: rating allocates nothing.
    std::vector<Click> clicks = std::move(m_rated.clicks);
    clicks.assign(m_clicks.begin(), m_clicks.end());
    m_rated = GameRecord{};
    m_rated.clicks = std::move(clicks);
    GameRecord& record = m_rated;
    record.utc = UtcText(UtcMs());
    record.vertices = p.VertexCount;
    record.colors = p.HiddenColorCount;
    record.edgesShown = p.EdgesShown;
    record.par = par;
    record.result = result;
    record.parOrBetter = result <= par;
    record.teaching = m_coach.Teaching();
    record.code = PuzzleCodeOf(p.Recipe);
    record.ending = ending;
    if (ending == Ending::Solved && p.ShownAtMs >= 0)
        record.solveMs = std::max<std::int64_t>(0, SteadyMs() - p.ShownAtMs);
    Windows().GameRated(record);
}

void Game::ShowSolution() {
    BoardView& board = Board();
    PuzzleState& p = Puzzle;
    board.ShowSolvedPicture(true);
    board.EnablePainters(false);
    p.GameOver = true;
    const int n = p.VertexCount;
    Fills fills{};
    for (int k = 1; k <= kMaxVertices; ++k) {
        const TColor color = k <= n ? PaintColor(p.HiddenColoring[k]) : clBlack;
        if (color != clBlack)
            SolutionVertex[k].SetFillColor(color);
        fills[k] = SolutionVertex[k].FillColor();
    }
    board.ShowFills(EdgeView::Solution, fills);
    board.ShowSolutionVertices(n);
    DrawEveryEdge(EdgeView::Solution, n);
    board.SetDrawGraphEnabled(false);
}

void Game::ApplySettings(const GameSettings& settings) {
    Settings = settings;
    Board().ApplyToolTips(settings.ShowToolTips);
    // The new settings take effect at once, even in the middle of a game; that game is simply
    // dropped, neither rated nor counted against the streak.
    NewPuzzle();
}

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
