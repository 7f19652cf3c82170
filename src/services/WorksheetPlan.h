// SPDX-License-Identifier: GPL-3.0-or-later
// services::SheetPlan: where everything on a worksheet's page stands, before a line is drawn.
// The pages are planned apart from the painting so that what the sheet promises a pupil can be
// measured: every edge clears every vertex it does not join by at least its own width, and no
// word or vertex number touches a vertex, an edge or another word, at every size and on any paper.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

#include "engine/PuzzleCode.h"
#include "engine/Settings.h"

class QPaintDevice;

namespace services {

// The most puzzles a page holds when its largest puzzle has this many vertices: a large puzzle
// needs the room of a larger drawing for vertices a child can colour, clear of the edges that
// pass them. Counts of the sheet's own choices (1, 2, 4 or 6).
int MostPerPageFor(int vertices);
// The most vertices a puzzle may have for a page to hold `perPage` of them.
int MostVerticesFor(int perPage);

// One page of a sheet: its puzzles first..first+count-1, laid out `perPage` a page.
struct WorksheetPage {
    int first = 0;
    int count = 0;
    int perPage = 0;
    bool answers = false;
    bool operator==(const WorksheetPage&) const = default;
};

// The sheet's pages: as many of the puzzles in turn as the asked count a page allows, fewer
// where a page's largest puzzle asks for more room; then, if asked, their answers page for page.
std::vector<WorksheetPage> WorksheetPages(const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                                          bool answers);

// A line of words and the box it is written in (the box is exactly as wide and high as the words).
struct PlacedWords {
    QRectF box;
    QString text;
    QFont face;
};

// One puzzle on its page. Index 0 of the vertex arrays is unused, as on the board.
struct PuzzlePlan {
    QRectF frame;
    std::vector<PlacedWords> words;  // its number, colours, code, and the name line's word or the legend
    QRectF nameRule;                 // where the name is written (empty on an answer page)
    std::vector<QRectF> legendMarks;  // colour 1, 2, ... of the legend, as the mark's square
    int vertices = 0;
    std::array<QPointF, game::kMaxVertices + 1> centre{};
    std::array<PlacedWords, game::kMaxVertices + 1> number{};
    double vertexDiameter = 0;  // to the middle of its outline
    double vertexPen = 0;
    double edgePen = 0;
    // The square a vertex's drawing (with its outline) fits in.
    QRectF VertexSquare(int k) const;
};

// The plan of a page on a paged device (a printer or a PDF writer), in the device's units.
class SheetPlan {
  public:
    explicit SheetPlan(const QPaintDevice& device);

    double Point() const { return m_pt; }
    QRectF Page() const { return m_page; }
    QFont Face(double points, bool bold = false) const;
    // The words' sizes of a page of `perPage` puzzles, in points.
    double TitlePoints(int perPage) const;
    double WordPoints(int perPage) const;
    double LabelPoints(int perPage) const;

    // The band of the page's heading, and the puzzles' cells below it.
    QRectF HeadingBand(int perPage) const;
    std::vector<QRectF> Cells(int perPage) const;

    PuzzlePlan Puzzle(const QRectF& cell, int perPage, const game::PuzzleRecipe& recipe, int number,
                      bool answerPage) const;

  private:
    double Advance(const QFont& face, const QString& text) const;
    double Height(const QFont& face) const;
    void Legend(PuzzlePlan& plan, const QRectF& line, int perPage, int colors) const;
    void Graph(PuzzlePlan& plan, const QRectF& area, int perPage, int vertices) const;

    const QPaintDevice& m_device;
    double m_pt;
    QRectF m_page;
};

}  // namespace services
