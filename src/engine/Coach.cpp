// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Coach.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/Game.h"
#include "engine/GameEnd.h"
#include "engine/Puzzle.h"

namespace game {

namespace {

// The vertex count of the level a game was rated at (the settings' own for a rating that does
// not say it).
std::int32_t RatedVertices(const Rating& rated, const GameSettings& settings) {
    const bool known = rated.vertices >= kMinVertices && rated.vertices <= kMaxVertices;
    return known ? rated.vertices : settings.NumberOfVertices;
}

}  // namespace

Coach::Coach(Game& game) : m_game(game) {
    // The record of the last game rated keeps its room for clicks: rating allocates nothing.
    m_rated.clicks.reserve(Game::kClicksKeptInPlace);
}

std::int32_t& Coach::Streak() {
    return m_game.Settings.TeachingModeConsecutiveGoodGames;
}

// Whether the teaching mode counts the game in play: it is on, and the puzzle is not one played
// again from its code or restarted (those are rated as outside it).
bool Coach::Teaching() const {
    return m_game.Settings.TeachingMode && !m_game.Puzzle.Replay;
}

// Sets the streak, unless the game in play is a puzzle played again: that never moves it.
void Coach::SetStreak(std::int32_t value) {
    if (!m_game.Puzzle.Replay)
        Streak() = value;
}

void Coach::UpdateSessionAverage(Ending ending) {
    const PuzzleState& p = m_game.Puzzle;
    const std::int32_t par = m_game.ComputePar();
    const std::int64_t result = p.GameOver ? p.ClickCount : std::int64_t{par} + 10;
    SessionState& s = m_game.Session;
    CountUp(s.SessionGameCount);
    s.SessionTotalFromPar += result - par;
    m_game.Board().ShowAverageFromPar(ReduceAverage(s.SessionTotalFromPar, s.SessionGameCount));
    m_game.Windows().GameRated(RecordOfGameInPlay(ending, result));
}

const GameRecord& Coach::RecordOfGameInPlay(Ending ending, std::int64_t result) {
    const PuzzleState& p = m_game.Puzzle;
    const std::int32_t par = m_game.ComputePar();
    // The game's own record, whose room for clicks is made once: rating allocates nothing.
    std::vector<Click> clicks = std::move(m_rated.clicks);
    clicks.assign(m_game.Clicks().begin(), m_game.Clicks().end());
    m_rated = GameRecord{};
    m_rated.clicks = std::move(clicks);
    GameRecord& record = m_rated;
    record.utc = UtcText(m_game.UtcMs());
    record.vertices = p.VertexCount;
    record.colors = p.HiddenColorCount;
    record.edgesShown = p.EdgesShown;
    record.par = par;
    record.result = result;
    record.parOrBetter = result <= par;
    record.teaching = Teaching();
    record.code = PuzzleCodeOf(p.Recipe);
    record.ending = ending;
    if (ending == Ending::Solved && p.ShownAtMs >= 0)
        record.solveMs = std::max<std::int64_t>(0, m_game.SteadyMs() - p.ShownAtMs);
    return record;
}

void Coach::ShowSolution() {
    BoardView& board = m_game.Board();
    PuzzleState& p = m_game.Puzzle;
    board.ShowSolvedPicture(true);
    board.EnablePainters(false);
    p.GameOver = true;
    const int n = p.VertexCount;
    Fills fills{};
    for (int k = 1; k <= kMaxVertices; ++k) {
        const TColor color = k <= n ? PaintColor(p.HiddenColoring[k]) : clBlack;
        if (color != clBlack)
            m_game.SolutionVertex[k].SetFillColor(color);
        fills[k] = m_game.SolutionVertex[k].FillColor();
    }
    board.ShowFills(EdgeView::Solution, fills);
    board.ShowSolutionVertices(n);
    m_game.DrawEveryEdge(EdgeView::Solution, n);
    board.SetDrawGraphEnabled(false);
}

void Coach::EvaluateSolvedGame() {
    const bool teaching = Teaching();
    UpdateSessionAverage(Ending::Solved);
    ShowSolution();
    const PuzzleState& p = m_game.Puzzle;
    const std::int32_t par = m_game.ComputePar();
    // The dialog keeps the game it rates, for an answer given after another puzzle has started.
    const auto open = [&](Dialog dialog, Rating rating) {
        rating.vertices = p.VertexCount;
        rating.score = p.ClickCount;
        rating.par = par;
        m_game.Windows().OpenDialog(dialog, rating);
    };
    const bool good = p.ClickCount <= par;
    if (good) {
        if (teaching)
            CountUp(Streak());
        if (p.EdgesShown) {
            open(Dialog::Perfect, PerfectDialogText(teaching, Streak()));
        } else {
            open(Dialog::Excellent, ExcellentDialogText(teaching, Streak()));
        }
    } else if (teaching) {
        Streak() = 0;
        open(Dialog::NotBad, {RatingMessage::NotBad, 0, false});
    }
}

void Coach::NewGameClick() {
    m_game.Session.ReplayAsked.reset();
    if (m_game.Puzzle.GameOver) {
        m_game.NewPuzzle();
        return;
    }
    m_game.Windows().OpenDialog(Dialog::GameNotOverDecision, {});
}

void Coach::ReplayClick(const PuzzleRecipe& recipe) {
    if (!IsPlayable(recipe))
        return;
    if (m_game.Puzzle.GameOver) {
        m_game.Session.ReplayAsked.reset();
        m_game.PlayPuzzle(recipe, true);
        return;
    }
    m_game.Session.ReplayAsked = recipe;
    m_game.Windows().OpenDialog(Dialog::GameNotOverDecision, {});
}

void Coach::RestartClick() {
    if (m_game.Puzzle.Serial != 0)
        ReplayClick(m_game.Puzzle.Recipe);
}

void Coach::DrawGraphClick() {
    if (m_game.Puzzle.GameOver)
        return;
    if (m_game.Session.DrawGraphFirstUse) {
        // Not rated, yet the game has ended: it can still be looked back on.
        m_game.Windows().GameEndedUnrated(
            RecordOfGameInPlay(Ending::SolutionAsked, std::int64_t{m_game.ComputePar()} + 10));
        ShowSolution();
        m_game.Session.DrawGraphFirstUse = false;
        SetStreak(0);
        return;
    }
    m_game.Windows().OpenDialog(Dialog::GameNotOverDecision2, {});
}

void Coach::DropGameInPlay() {
    if (m_game.Puzzle.GameOver || m_game.Puzzle.Serial == 0)
        return;
    m_game.Windows().GameEndedUnrated(
        RecordOfGameInPlay(Ending::NewPuzzle, std::int64_t{m_game.ComputePar()} + 10));
}

// "Yes" ends the game in play, whichever puzzle the question was first asked about (it may
// have stood open while the settings dialog started another). Only a game that already
// ended, and so was rated by its own end, is not rated again.
void Coach::NewPuzzleDecisionYes() {
    if (!m_game.Puzzle.GameOver) {
        SetStreak(0);
        UpdateSessionAverage(Ending::NewPuzzle);
    }
    if (const std::optional<PuzzleRecipe> asked = std::exchange(m_game.Session.ReplayAsked, std::nullopt))
        m_game.PlayPuzzle(*asked, true);
    else
        m_game.NewPuzzle();
}

void Coach::DrawGraphDecisionYes() {
    if (m_game.Puzzle.GameOver)
        return;
    SetStreak(0);
    UpdateSessionAverage(Ending::SolutionAsked);
    ShowSolution();
}

void Coach::DecisionNo() {
    m_game.Session.ReplayAsked.reset();
}

// An offer is taken only while the teaching mode is on: switched off since, the settings are
// the player's own again and no level moves them.
void Coach::PerfectOk(const Rating& rated) {
    GameSettings& s = m_game.Settings;
    if (!rated.offer || !s.TeachingMode)
        return;
    Streak() = 0;
    unsigned changes = kShowEdgesChanged;
    const std::int32_t vertices = RatedVertices(rated, s);
    if (s.NumberOfVertices != vertices) {
        s.NumberOfVertices = vertices;
        changes |= kVertexCountChanged;
    }
    s.ShowEdges = false;
    s.TeachingModeSecondaryLevel = 1;
    m_game.Windows().SettingsChangedByGame(s, changes);
}

void Coach::PerfectNo(const Rating& rated) {
    if (rated.offer)
        Streak() = 0;
}

void Coach::ExcellentOk(const Rating& rated) {
    GameSettings& s = m_game.Settings;
    if (!rated.offer || !s.TeachingMode)
        return;
    Streak() = 0;
    const std::int32_t vertices = RatedVertices(rated, s);
    CountUp(s.TeachingModePrimaryLevel);
    s.TeachingModeSecondaryLevel = 0;
    s.ShowEdges = true;
    s.NumberOfVertices = vertices >= kMaxVertices ? kMinVertices : vertices + 1;
    m_game.Windows().SettingsChangedByGame(s, kShowEdgesChanged | kVertexCountChanged);
}

void Coach::ExcellentNo(const Rating& rated) {
    if (rated.offer)
        Streak() = 2;
}

void Coach::NotBadOk(const Rating&) {}

}  // namespace game
