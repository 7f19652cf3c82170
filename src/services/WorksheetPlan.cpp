// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/WorksheetPlan.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

#include "engine/Geometry.h"
#include "ui/CodeText.h"
#include "ui/ColourWords.h"

namespace services {

namespace {

struct Grid {
    int columns;
    int rows;
};

Grid GridFor(int perPage) {
    switch (perPage) {
        case 1:
            return {1, 1};
        case 2:
            return {1, 2};
        case 4:
            return {2, 2};
        default:
            return {2, 3};
    }
}

QPointF OnCircle(int n, int k) {
    const double angle = static_cast<double>(game::VertexAngle(n, k));
    return {std::cos(angle), std::sin(angle)};
}

double DistanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double along = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + along * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// How near a line between two vertices of n comes to a third vertex, on a circle of radius 1:
// any two vertices may be joined, and the line between two vertices two apart passes closest.
double NearestPass(int n) {
    double nearest = 2;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c)
                if (c != a && c != b)
                    nearest = std::min(nearest, DistanceToSegment(OnCircle(n, c), OnCircle(n, a), OnCircle(n, b)));
    return nearest;
}

}  // namespace

int MostPerPageFor(int vertices) {
    // Each the most a page holds with vertices of 4.5 mm and more, on A4 and on Letter alike.
    if (vertices <= 10)
        return 6;
    if (vertices <= 13)
        return 4;
    return 1;
}

int MostVerticesFor(int perPage) {
    int most = game::kMinVertices;
    while (most < game::kMaxVertices && MostPerPageFor(most + 1) >= perPage) ++most;
    return most;
}

std::vector<WorksheetPage> WorksheetPages(const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                                          bool answers) {
    std::vector<WorksheetPage> pages;
    const int count = static_cast<int>(puzzles.size());
    for (int first = 0; first < count;) {
        WorksheetPage page{first, 0, perPage, false};
        for (int at = first; at < count; ++at) {
            const int room = std::min(page.perPage, MostPerPageFor(puzzles[static_cast<std::size_t>(at)].vertices));
            if (page.count + 1 > room)
                break;
            page.perPage = room;
            ++page.count;
        }
        pages.push_back(page);
        first += page.count;
    }
    if (answers) {
        const std::size_t puzzlePages = pages.size();
        for (std::size_t p = 0; p < puzzlePages; ++p) {
            WorksheetPage answer = pages[p];
            answer.answers = true;
            pages.push_back(answer);
        }
    }
    return pages;
}

QRectF PuzzlePlan::VertexSquare(int k) const {
    const double half = (vertexDiameter + vertexPen) / 2;
    const QPointF& c = centre[static_cast<std::size_t>(k)];
    return {c.x() - half, c.y() - half, 2 * half, 2 * half};
}

SheetPlan::SheetPlan(const QPaintDevice& device)
    : m_device(device), m_pt(device.logicalDpiY() / 72.0), m_page(0, 0, device.width(), device.height()) {}

QFont SheetPlan::Face(double points, bool bold) const {
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(points);
    face.setBold(bold);
    return face;
}

double SheetPlan::TitlePoints(int perPage) const {
    return perPage == 1 ? 18 : perPage == 2 ? 15 : perPage == 4 ? 13 : 12;
}

double SheetPlan::WordPoints(int perPage) const {
    return perPage == 1 ? 15 : perPage == 2 ? 13 : perPage == 4 ? 11 : 10;
}

double SheetPlan::LabelPoints(int perPage) const {
    return perPage == 1 ? 14 : perPage == 2 ? 12 : perPage == 4 ? 10 : 9;
}

double SheetPlan::Advance(const QFont& face, const QString& text) const {
    return QFontMetricsF(face, &m_device).horizontalAdvance(text);
}

double SheetPlan::Height(const QFont& face) const {
    return QFontMetricsF(face, &m_device).height();
}

QRectF SheetPlan::HeadingBand(int perPage) const {
    return {m_page.left(), m_page.top(), m_page.width(), Height(Face(TitlePoints(perPage), true))};
}

std::vector<QRectF> SheetPlan::Cells(int perPage) const {
    const double top = HeadingBand(perPage).bottom() + 16 * m_pt;
    const Grid grid = GridFor(perPage);
    const double gap = 12 * m_pt;
    const QRectF body(m_page.left(), top, m_page.width(), m_page.bottom() - top);
    const double width = (body.width() - gap * (grid.columns - 1)) / grid.columns;
    const double height = (body.height() - gap * (grid.rows - 1)) / grid.rows;
    std::vector<QRectF> cells;
    for (int slot = 0; slot < grid.columns * grid.rows; ++slot) {
        const int column = slot % grid.columns;
        const int row = slot / grid.columns;
        cells.emplace_back(body.left() + column * (width + gap), body.top() + row * (height + gap), width, height);
    }
    return cells;
}

PuzzlePlan SheetPlan::Puzzle(const QRectF& cell, int perPage, const game::PuzzleRecipe& recipe, int number,
                             bool answerPage) const {
    PuzzlePlan plan;
    plan.frame = cell;
    const QRectF inside = cell.adjusted(9 * m_pt, 7 * m_pt, -9 * m_pt, -7 * m_pt);
    const QFont bold = Face(WordPoints(perPage), true);
    const QFont words = Face(WordPoints(perPage));
    const double line = std::max(Height(words), Height(bold));

    const QString title = QCoreApplication::translate("Worksheet", "Puzzle %1").arg(number);
    const QRectF titleBox(inside.left(), inside.top(), Advance(bold, title), line);
    plan.words.push_back({titleBox, title, bold});
    // A long word for the colours in a narrow puzzle grows smaller, never over the puzzle's number.
    const QString colours = QCoreApplication::translate("Worksheet", "Color with %1 colors").arg(recipe.colors);
    QFont coloursFace = words;
    const double room = inside.width() - titleBox.width() - 6 * m_pt;
    for (double points = WordPoints(perPage); Advance(coloursFace, colours) > room && points > 5; points -= 0.5)
        coloursFace.setPointSizeF(points - 0.5);
    const double coloursWidth = Advance(coloursFace, colours);
    plan.words.push_back({QRectF(inside.right() - coloursWidth, inside.top(), coloursWidth, line), colours, coloursFace});

    const QRectF codeLine(inside.left(), inside.bottom() - 2 * line - 4 * m_pt, inside.width(), line);
    const QRectF lastLine(inside.left(), inside.bottom() - line, inside.width(), line);
    const QString codeWord = QCoreApplication::translate("Worksheet", "Code:") + QLatin1Char(' ');
    const QRectF codeWordBox(codeLine.left(), codeLine.top(), Advance(words, codeWord), line);
    plan.words.push_back({codeWordBox, codeWord, words});
    const QString code = ui::CodeText(recipe);
    plan.words.push_back({QRectF(codeWordBox.right(), codeLine.top(), Advance(bold, code), line), code, bold});
    if (answerPage) {
        Legend(plan, lastLine, perPage, recipe.colors);
    } else {
        const QString name = QCoreApplication::translate("Worksheet", "Name:") + QLatin1Char(' ');
        const QRectF nameBox(lastLine.left(), lastLine.top(), Advance(words, name), line);
        plan.words.push_back({nameBox, name, words});
        const double base = lastLine.bottom() - 2 * m_pt;
        plan.nameRule = QRectF(QPointF(nameBox.right(), base), QPointF(lastLine.right(), base));
    }

    const QRectF area(inside.left(), titleBox.bottom() + 4 * m_pt, inside.width(),
                      codeLine.top() - titleBox.bottom() - 8 * m_pt);
    Graph(plan, area, perPage, recipe.vertices);
    return plan;
}

// Which number each colour is, in words: the answer reads without the colours too.
void SheetPlan::Legend(PuzzlePlan& plan, const QRectF& line, int perPage, int colors) const {
    const auto entry = [](int index) {
        return QString::number(index) + QStringLiteral(" = ") + ui::PainterWord(index);
    };
    QFont words = Face(WordPoints(perPage));
    const double mark = line.height();
    double gap = 12 * m_pt;
    const auto widthOf = [&](const QFont& face) {
        double width = (colors - 1) * gap;
        for (int index = 1; index <= colors; ++index) width += mark + 3 * m_pt + Advance(face, entry(index));
        return width;
    };
    if (widthOf(words) > line.width())
        gap = 6 * m_pt;
    // Long colour names in a narrow puzzle: the words grow smaller, never past the frame.
    for (double points = WordPoints(perPage); widthOf(words) > line.width() && points > 5; points -= 0.5)
        words.setPointSizeF(points - 0.5);
    double x = line.left();
    for (int index = 1; index <= colors; ++index) {
        const double side = mark * 0.8;
        plan.legendMarks.emplace_back(x + (mark - side) / 2, line.center().y() - side / 2, side, side);
        x += mark + 3 * m_pt;
        const QString word = entry(index);
        const double width = Advance(words, word);
        plan.words.push_back({QRectF(x, line.top(), width, line.height()), word, words});
        x += width + gap;
    }
}

// The vertices where the board puts them, as large as the room allows while every line between
// two of them clears each other vertex by its own width; their numbers just outside, clear of
// every line.
void SheetPlan::Graph(PuzzlePlan& plan, const QRectF& area, int perPage, int n) const {
    plan.vertices = n;
    const double side = std::min(area.width(), area.height());
    plan.edgePen = (side > 300 * m_pt ? 0.9 : 0.7) * m_pt;
    // Rings heavier than the lines: a gap the lines leave between them never reads as a vertex.
    plan.vertexPen = (side > 300 * m_pt ? 1.8 : 1.4) * m_pt;
    const QFont face = Face(LabelPoints(perPage));
    const double labelHeight = Height(face);
    const double gap = std::max(2 * m_pt, 2 * plan.edgePen);
    const double pass = NearestPass(n);
    const QPointF middle = area.center();
    std::array<double, game::kMaxVertices + 1> widths{};
    for (int k = 1; k <= n; ++k) widths[static_cast<std::size_t>(k)] = Advance(face, QString::number(k));

    const auto place = [&](double radius) {
        const double passing = pass * radius - 1.5 * plan.edgePen;
        // Half the side of a vertex's square: its corner too stays clear of a line passing it.
        const double half = std::max(0.0, passing / std::sqrt(2.0) - 0.01 * m_pt);
        plan.vertexDiameter =
            std::max(0.0, std::min(2 * half - plan.vertexPen, std::min(0.36, 4.2 / n) * radius));
        const double square = (plan.vertexDiameter + plan.vertexPen) / 2;
        QRectF extent;
        for (int k = 1; k <= n; ++k) {
            const QPointF u = OnCircle(n, k);
            const QPointF at = middle + radius * u;
            const double w = widths[static_cast<std::size_t>(k)];
            const double h = labelHeight;
            const double cx = std::abs(u.x());
            const double cy = std::abs(u.y());
            // Out along the vertex's own direction until the number's box is clear of its square, and
            // beyond the line at the vertex that every edge stays behind.
            double out = std::min(cx > 1e-9 ? (w / 2 + square + gap) / cx : 1e9,
                                  cy > 1e-9 ? (h / 2 + square + gap) / cy : 1e9);
            out = std::max(out, w / 2 * cx + h / 2 * cy + gap + plan.edgePen / 2);
            const QPointF c = at + out * u;
            const QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
            plan.centre[static_cast<std::size_t>(k)] = at;
            plan.number[static_cast<std::size_t>(k)] = {box, QString::number(k), face};
            extent |= box;
            extent |= plan.VertexSquare(k);
        }
        return extent;
    };
    // The largest circle whose drawing, numbers and all, stays inside the room.
    double low = 0;
    double high = side / 2;
    for (int step = 0; step < 40; ++step) {
        const double radius = (low + high) / 2;
        if (area.contains(place(radius)))
            low = radius;
        else
            high = radius;
    }
    place(low);
}

}  // namespace services
