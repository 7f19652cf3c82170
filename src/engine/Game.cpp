// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Game.h"

#include "engine/Puzzle.h"
#include "engine/Random.h"

#include <chrono>

namespace game {

namespace {

// Stand in for the windows until a board (or a test's fake) is attached.
class SilentBoard : public BoardView {
  public:
    void ShowSolvedPicture(bool) override {}
    void ShowPlayControls() override {}
    void LayOutBoard(const BoardShape&) override {}
    void MirrorToSolutionView(bool) override {}
    void EnablePainters(bool) override {}
    void PressPainter(int) override {}
    void ShowFills(EdgeView, const Fills&) override {}
    void ShowMove(const MoveReport&) override {}
    void DrawEdge(EdgeView, int, int) override {}
    void RefreshVertex(EdgeView, int) override {}
    void ShowSolutionVertices(int) override {}
    void SetDrawGraphEnabled(bool) override {}
    void ShowPar(std::int32_t) override {}
    void ShowScore(std::int32_t) override {}
    void ShowEdgeCount(std::int32_t) override {}
    void ShowAverageFromPar(const AverageFromPar&) override {}
    void ApplyToolTips(bool) override {}
};

class SilentWindows : public GameWindows {
  public:
    void OpenDialog(Dialog, const Rating&) override {}
    void SettingsChangedByGame(const GameSettings&, unsigned) override {}
};

SilentBoard g_silentBoard;
SilentWindows g_silentWindows;

}  // namespace

Game::Game() {
    m_clicks.reserve(kClicksKeptInPlace);
    SetStartValues();
}

std::int32_t Game::EdgesKnown() const {
    const int n = Puzzle.VertexCount;
    std::int32_t known = 0;
    for (int i = 1; i <= n && i <= kMaxVertices; ++i) {
        for (int j = i + 1; j <= n && j <= kMaxVertices; ++j) known += Puzzle.EdgeKnownBy[i][j] != kEdgeUnknown ? 1 : 0;
    }
    return known;
}

Position Game::Now() const {
    Position at;
    for (int k = 1; k <= kMaxVertices; ++k) at.fills[k] = BoardVertex[k].FillColor();
    at.knownBy = Puzzle.EdgeKnownBy;
    at.edgesKnown = EdgesKnown();
    at.clicks = Puzzle.ClickCount;
    at.solved = Puzzle.VertexCount > 0 && Puzzle.ColoredCount == Puzzle.VertexCount;
    return at;
}

BoardView& Game::Board() const {
    return hooks.board ? *hooks.board : g_silentBoard;
}

GameWindows& Game::Windows() const {
    return hooks.windows ? *hooks.windows : g_silentWindows;
}

std::int64_t Game::SteadyMs() const {
    using namespace std::chrono;
    if (hooks.steadyClock)
        return hooks.steadyClock();
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t Game::UtcMs() const {
    using namespace std::chrono;
    if (hooks.utcClock)
        return hooks.utcClock();
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void Game::ApplySettings(const GameSettings& settings) {
    Settings = settings;
    Board().ApplyToolTips(settings.ShowToolTips);
    // The new settings take effect at once, even in the middle of a game; that game is simply
    // dropped, neither rated nor counted against the streak, though it can still be looked back on.
    m_coach.DropGameInPlay();
    NewPuzzle();
}

void Game::KeepWindowPlace(const WindowPlace& place) {
    Settings.WindowLeft = place.left;
    Settings.WindowTop = place.top;
    Settings.WindowWidth = place.width;
    Settings.WindowHeight = place.height;
    Settings.WindowState = place.shown;
}

WindowPlace Game::KeptWindowPlace() const {
    return {Settings.WindowLeft, Settings.WindowTop, Settings.WindowWidth, Settings.WindowHeight,
            Settings.WindowState};
}

void Game::KeepColourLook(bool marks, bool safeColours) {
    Settings.ColourMarks = marks;
    Settings.ColourSafeColours = safeColours;
}

std::int32_t Game::ClockReading() const {
    if (hooks.pinnedMs >= 0)
        return hooks.pinnedMs;
    return hooks.clock ? hooks.clock() : SystemMillisecondsOfDay();
}

std::int32_t Game::RandomBelow(std::int32_t n) {
    return NextBelow(RandSeed, n);
}

void Game::ReseedFromClock() {
    RandSeed = static_cast<std::uint32_t>(ClockReading());
}

void Game::SetClock(ClockFn clock) {
    hooks.clock = clock;
    hooks.pinnedMs = -1;
}

void Game::PinClock(std::int32_t ms) {
    hooks.pinnedMs = ms < 0 ? 0 : ms;
}

void Game::SetEdgeListener(EdgeListener listener, void* context) {
    hooks.edgeListener = listener;
    hooks.edgeListenerContext = context;
}

std::int32_t Game::ComputePar() const {
    return ParFor(Puzzle.VertexCount, Puzzle.EdgesShown, Puzzle.HiddenColorCount, Puzzle.EdgeCount);
}

void Game::SetStartValues() {
    KeepSettingsInRange(Settings);
    Layout = BoardLayout{};
    Puzzle = PuzzleState{};
    Puzzle.GameOver = true;
    Session = SessionState{};
}

}  // namespace game
