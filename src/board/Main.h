// SPDX-License-Identifier: GPL-3.0-or-later
// The game board: the one window that stays open for the whole run. It carries the title,
// the 16 player vertices, their 16 solution twins, the painters, the two buttons, the score
// labels and the menu. It decides no rule: every click becomes one engine call, and the
// engine drives the window back through the game::Board operations.
#pragma once

#include <QMainWindow>
#include <QPen>
#include <QSet>
#include <array>

#include "Board.h"

class QAction;
class QLabel;
class QMenu;
class QPainter;
class QPushButton;
class TColorButton;
class TOrbVertex1;

namespace board {

// The black area under the menu bar. Every position of the game is a client coordinate
// of this widget; its paint handler draws the edges under the vertex squares.
class TBoardSurface : public QWidget {
    Q_OBJECT
  public:
    explicit TBoardSurface(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace board

class TLevel1 : public QMainWindow, public game::Board {
    Q_OBJECT
  public:
    explicit TLevel1(QWidget* parent = nullptr);
    ~TLevel1() override;

    // The outer size the board is designed for, frame included.
    static constexpr int kOuterWidth = 652;
    static constexpr int kOuterHeight = 492;

    // Shows the board for the first time, centred on its screen at its designed size.
    void ShowCentered();

    // Tool tips of the play controls follow the player's setting; the title, the
    // "Color All Vertices" picture and the solution view always explain themselves.
    void ApplyToolTips(bool on);
    bool ToolTipsOn() const { return m_toolTipsOn; }

    // Redraws every marked board and solution edge; called by the surface's paint event.
    void FormPaint(QPainter& painter);

    // Nothing in the menu leads here; kept for the statistics window.
    void ViewPerformanceStats1Click();

    // game::Board
    void ShowSolvedPicture(bool solved) override;
    void RepaintWindow() override;
    void ShowPlayControls() override;
    void LayOutBoard() override;
    void MirrorToSolutionView() override;
    void EnablePainters(bool on) override;
    void PressPainter(int colorIndex) override;
    void DrawEdge(game::EdgeView view, int a, int b) override;
    void RefreshVertex(game::EdgeView view, int k) override;
    void ShowSolutionVertex(int k) override;
    void SetDrawGraphEnabled(bool enabled) override;
    void ShowPar(std::int32_t par) override;
    void ShowScore(std::int32_t clicks) override;
    void ShowEdgeCount(std::int32_t edges) override;
    void ShowAverageFromPar(std::int64_t totalFromPar, std::int32_t games) override;
    void OpenDialog(game::Dialog dialog) override;
    void SettingsChangedByGame(unsigned changes) override;

    // The controls, by their names in the game. Vertex and painter arrays are indexed
    // 1..16 and by colour index 1..4 (navy, maroon, green, purple); slot 0 is unused.
    board::TBoardSurface* Surface = nullptr;
    std::array<QLabel*, 6> TitleLabel{};
    QLabel* ColorAllVertices = nullptr;
    QLabel* PuzzleSolved = nullptr;
    QPushButton* NewGame = nullptr;
    QPushButton* DrawGraph = nullptr;
    TColorButton* NavyPainter = nullptr;
    TColorButton* MaroonPainter = nullptr;
    TColorButton* PurplePainter = nullptr;
    TColorButton* GreenPainter = nullptr;
    std::array<TColorButton*, 5> Painter{};
    QLabel* ParLabel = nullptr;
    QLabel* Par = nullptr;
    QLabel* PlayerScoreLabel = nullptr;
    QLabel* PlayerScore = nullptr;
    QLabel* EdgesLabel = nullptr;
    QLabel* SessionAveFromParLabel = nullptr;
    std::array<TOrbVertex1*, 17> OrbVertex{};
    std::array<TOrbVertex1*, 17> CompVert{};

    QMenu* File1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Settings1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;

  signals:
    // The settings were saved (or the player chose to quit without them) and the board
    // closed: the run is over.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateMenu();
    void CreateTitle();
    void CreateButtons();
    void CreatePainters();
    void CreateLabels();
    void CreateVertices();
    void FormCreate();
    // Saves the settings; false keeps the board open.
    bool FormClose();
    void FitFrameToDesignedSize();

    void NewGameClick();
    void DrawGraphClick();
    void OrbVertexClick(int k);
    void Exit1Click();
    void Settings1Click();
    void Contents1Click();
    void About1Click();

    // Repaints the surface under a line between two vertex squares and the squares over it.
    void RepaintEdgeArea(TOrbVertex1* from, TOrbVertex1* to);
    QLabel* MakeLabel(const QString& caption, int left, int top, int width, const QString& hint);
    // A caption that grows its label, so "Average From Par: -1.250" is never cut short.
    static void SetCaption(QLabel* label, const QString& text);
    // The board's vertex controls or their twins.
    const std::array<TOrbVertex1*, 17>& VerticesOf(game::EdgeView view) const;

    QPen m_edgePen;
    bool m_toolTipsOn = true;
    bool m_frameFitted = false;
    QSet<const QObject*> m_switchableToolTips;
};
