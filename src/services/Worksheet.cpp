// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Worksheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>
#include <utility>

#include "engine/Geometry.h"
#include "engine/Palette.h"
#include "engine/Puzzle.h"
#include "platform/ExportFile.h"
#include "ui/Colors.h"
#include "ui/ColourWords.h"

namespace services {

namespace {

// However alike the puzzles of a shape are (a few vertices, two colours, few edges), a sheet is
// made: after this many readings passed over, a puzzle may come twice.
constexpr int kMostReadingsPassedOver = 5000;

// What a child sees of a puzzle: its shape and its lines, whatever colouring hid behind them.
struct Drawn {
    int vertices = 0;
    int colors = 0;
    std::vector<std::pair<int, int>> edges;
    bool operator==(const Drawn&) const = default;
};

Drawn DrawnOf(const game::PuzzleRecipe& recipe) {
    const game::PuzzleGraph graph = game::GeneratePuzzle(recipe);
    Drawn drawn{graph.vertices, graph.hiddenColorCount, {}};
    for (int e = 0; e < graph.edgeCount; ++e) {
        const auto& edge = graph.edges[static_cast<std::size_t>(e)];
        drawn.edges.emplace_back(std::min(edge[0], edge[1]), std::max(edge[0], edge[1]));
    }
    std::sort(drawn.edges.begin(), drawn.edges.end());
    return drawn;
}

game::PuzzleRecipe RecipeAt(const WorksheetRequest& request, std::int32_t clockMs) {
    game::PuzzleRecipe recipe;
    recipe.vertices = request.vertices > 0 ? request.vertices : game::DrawNumberOfVertices(clockMs);
    recipe.colors = request.colors > 0 ? request.colors : game::DrawNumberOfColors(clockMs);
    recipe.edgeProbability = request.edgeProbability >= 0 ? std::min(request.edgeProbability, 100)
                                                        : game::DrawEdgeProbability(clockMs);
    recipe.edgesShown = true;
    recipe.clockMs = clockMs;
    return recipe;
}

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

// The sizes of a page's words, in points: larger where fewer puzzles share the page.
struct Type {
    double title;
    double words;
    double label;
};

Type TypeFor(int perPage) {
    switch (perPage) {
        case 1:
            return {18, 15, 14};
        case 2:
            return {15, 13, 12};
        case 4:
            return {13, 11, 10};
        default:
            return {12, 10, 9};
    }
}

// One sheet being drawn: the painter, the device's points and the faces of its words.
class Sheet {
  public:
    Sheet(QPainter& painter, QPagedPaintDevice& device, int perPage)
        : m_painter(painter),
          m_pt(device.logicalDpiY() / 72.0),
          m_page(0, 0, device.width(), device.height()),
          m_perPage(perPage),
          m_type(TypeFor(perPage)) {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    }

    void Page(const std::vector<game::PuzzleRecipe>& puzzles, int first, bool answerPage, int pageNumber,
              int pageCount) {
        const double top = Header(answerPage, pageNumber, pageCount);
        const Grid grid = GridFor(m_perPage);
        const double gap = 12 * m_pt;
        const QRectF body(m_page.left(), top, m_page.width(), m_page.bottom() - top);
        const double width = (body.width() - gap * (grid.columns - 1)) / grid.columns;
        const double height = (body.height() - gap * (grid.rows - 1)) / grid.rows;
        for (int slot = 0; slot < m_perPage && first + slot < static_cast<int>(puzzles.size()); ++slot) {
            const int column = slot % grid.columns;
            const int row = slot / grid.columns;
            const QRectF cell(body.left() + column * (width + gap), body.top() + row * (height + gap), width,
                              height);
            Puzzle(cell, puzzles[static_cast<std::size_t>(first + slot)], first + slot + 1, answerPage);
        }
    }

  private:
    QFont Face(double points, bool bold = false) const {
        QFont face(QStringLiteral("DejaVu Sans"));
        face.setStyleHint(QFont::SansSerif);
        face.setPointSizeF(points);
        face.setBold(bold);
        return face;
    }

    QPen Pen(double points, const QColor& colour = Qt::black) const {
        QPen pen(colour, points * m_pt);
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    }

    // The game's name and what the page holds; returns where the puzzles may start.
    double Header(bool answerPage, int pageNumber, int pageCount) {
        const QFont title = Face(m_type.title, true);
        const double height = QFontMetricsF(title, m_painter.device()).height();
        const QRectF band(m_page.left(), m_page.top(), m_page.width(), height);
        m_painter.setPen(Qt::black);
        m_painter.setFont(title);
        m_painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SpEcTrUmIx"));
        QString what = answerPage ? QCoreApplication::translate("Worksheet", "Answers")
                                  : QCoreApplication::translate("Worksheet", "Puzzles");
        if (pageCount > 1)
            what += QStringLiteral("  \u2013  ") +
                    QCoreApplication::translate("Worksheet", "Page %1 of %2").arg(pageNumber).arg(pageCount);
        m_painter.setFont(Face(m_type.words, answerPage));
        m_painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, what);
        const double rule = band.bottom() + 4 * m_pt;
        m_painter.setPen(Pen(answerPage ? 1.5 : 0.75));
        m_painter.drawLine(QPointF(m_page.left(), rule), QPointF(m_page.right(), rule));
        return rule + 12 * m_pt;
    }

    void Puzzle(const QRectF& cell, const game::PuzzleRecipe& recipe, int number, bool answerPage) {
        m_painter.setPen(Pen(0.75, QColor(0x99, 0x99, 0x99)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRoundedRect(cell, 6 * m_pt, 6 * m_pt);
        const QRectF inside = cell.adjusted(9 * m_pt, 7 * m_pt, -9 * m_pt, -7 * m_pt);

        const QFont bold = Face(m_type.words, true);
        const QFont words = Face(m_type.words);
        const double line = QFontMetricsF(words, m_painter.device()).height();
        const QRectF titleLine(inside.left(), inside.top(), inside.width(), line);
        m_painter.setPen(Qt::black);
        m_painter.setFont(bold);
        m_painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter,
                           QCoreApplication::translate("Worksheet", "Puzzle %1").arg(number));
        m_painter.setFont(words);
        m_painter.drawText(
            titleLine, Qt::AlignRight | Qt::AlignVCenter,
            QCoreApplication::translate("Worksheet", "Colour with %1 colours").arg(recipe.colors));

        const double footer = 2 * line + 4 * m_pt;
        const QRectF codeLine(inside.left(), inside.bottom() - footer, inside.width(), line);
        const QRectF lastLine(inside.left(), inside.bottom() - line, inside.width(), line);
        m_painter.setFont(words);
        const QString codeWord = QCoreApplication::translate("Worksheet", "Code:") + QLatin1Char(' ');
        m_painter.drawText(codeLine, Qt::AlignLeft | Qt::AlignVCenter, codeWord);
        m_painter.setFont(bold);
        const double codeAt = QFontMetricsF(words, m_painter.device()).horizontalAdvance(codeWord);
        m_painter.drawText(codeLine.adjusted(codeAt, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::fromLatin1(game::PuzzleCodeOf(recipe).data()));

        const game::PuzzleGraph graph = game::GeneratePuzzle(recipe);
        if (answerPage)
            Legend(lastLine, graph.hiddenColorCount);
        else
            NameLine(lastLine);

        const QRectF area(inside.left(), titleLine.bottom() + 4 * m_pt, inside.width(),
                          codeLine.top() - titleLine.bottom() - 8 * m_pt);
        Graph(area, graph, answerPage);
    }

    void NameLine(const QRectF& line) {
        m_painter.setPen(Qt::black);
        m_painter.setFont(Face(m_type.words));
        const QString name = QCoreApplication::translate("Worksheet", "Name:") + QLatin1Char(' ');
        m_painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, name);
        const double from =
            line.left() + QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(name);
        const double base = line.bottom() - 2 * m_pt;
        m_painter.setPen(Pen(0.75));
        m_painter.drawLine(QPointF(from, base), QPointF(line.right(), base));
    }

    // Which number each colour is, in words: the answer reads without the colours too.
    void Legend(const QRectF& line, int colors) {
        QFont words = Face(m_type.words);
        const double mark = line.height();
        double gap = 12 * m_pt;
        const auto widthOf = [&](const QFont& face) {
            double width = (colors - 1) * gap;
            for (int index = 1; index <= colors; ++index)
                width +=
                    mark + 3 * m_pt + QFontMetricsF(face, m_painter.device()).horizontalAdvance(Entry(index));
            return width;
        };
        if (widthOf(words) > line.width())
            gap = 6 * m_pt;
        // Long colour names in a narrow puzzle: the words grow smaller, never past the frame.
        for (double points = m_type.words; widthOf(words) > line.width() && points > 5; points -= 0.5)
            words.setPointSizeF(points);
        const QFontMetricsF metrics(words, m_painter.device());
        double x = line.left();
        for (int index = 1; index <= colors; ++index) {
            const game::PaletteEntry* colour = game::PaletteOf(index);
            m_painter.setPen(Pen(1.0));
            m_painter.setBrush(toQColor(colour->paint));
            m_painter.drawEllipse(QPointF(x + mark / 2, line.center().y()), mark * 0.4, mark * 0.4);
            x += mark + 3 * m_pt;
            const QString word = Entry(index);
            m_painter.setPen(Qt::black);
            m_painter.setFont(words);
            m_painter.drawText(QRectF(x, line.top(), metrics.horizontalAdvance(word) + 1, line.height()),
                               Qt::AlignLeft | Qt::AlignVCenter, word);
            x += metrics.horizontalAdvance(word) + gap;
        }
    }

    static QString Entry(int index) {
        return QString::number(index) + QStringLiteral(" = ") + ui::PainterWord(index);
    }

    // A vertex: empty to be coloured in, or on an answer page filled with its hidden colour
    // round a white middle holding the colour's number.
    void Vertex(const QPointF& centre, double diameter, int colorIndex) {
        const double r = diameter / 2;
        const game::PaletteEntry* colour = game::PaletteOf(colorIndex);
        m_painter.setPen(Pen(diameter > 20 * m_pt ? 1.4 : 1.0));
        m_painter.setBrush(colour != nullptr ? toQColor(colour->paint) : QColor(Qt::white));
        m_painter.drawEllipse(centre, r, r);
        if (colour == nullptr)
            return;
        const double core = r * 0.68;
        m_painter.setPen(Pen(0.6));
        m_painter.setBrush(Qt::white);
        m_painter.drawEllipse(centre, core, core);
        QFont digitFace = Face(std::max(4.0, core * 1.5 / m_pt), true);
        m_painter.setFont(digitFace);
        m_painter.setPen(Qt::black);
        const QString digit = QString::number(colorIndex);
        const QRectF ink = QFontMetricsF(digitFace, m_painter.device()).tightBoundingRect(digit);
        m_painter.drawText(QPointF(centre.x() - ink.center().x(), centre.y() - ink.center().y()), digit);
    }

    void Graph(const QRectF& area, const game::PuzzleGraph& graph, bool answerPage) {
        const int n = graph.vertices;
        const double side = std::min(area.width(), area.height());
        const QPointF centre = area.center();
        const QFont labelFace = Face(m_type.label);
        const double label = QFontMetricsF(labelFace, m_painter.device()).height();
        // Roomy vertices a child can colour, never touching their neighbours round the circle.
        const double share = std::min(0.36, 4.2 / n);
        const double radius = std::max(1.0, (side / 2 - 1.3 * label) / (1 + share / 2));
        const double diameter = radius * share;
        std::array<QPointF, game::kMaxVertices + 1> at{};
        for (int k = 1; k <= n; ++k) {
            // Where the board puts vertex k, so the sheet and the screen agree.
            const double angle = static_cast<double>(game::VertexAngle(n, k));
            at[static_cast<std::size_t>(k)] =
                centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        }
        m_painter.setPen(Pen(side > 300 * m_pt ? 1.2 : 0.9));
        for (int e = 0; e < graph.edgeCount; ++e) {
            const auto& edge = graph.edges[static_cast<std::size_t>(e)];
            m_painter.drawLine(at[edge[0]], at[edge[1]]);
        }
        m_painter.setFont(labelFace);
        for (int k = 1; k <= n; ++k) {
            const QPointF& p = at[static_cast<std::size_t>(k)];
            Vertex(p, diameter, answerPage ? graph.hiddenColoring[static_cast<std::size_t>(k)] : 0);
            const double angle = static_cast<double>(game::VertexAngle(n, k));
            const double out = diameter / 2 + 0.7 * label;
            const QPointF labelAt = p + QPointF(std::cos(angle) * out, std::sin(angle) * out);
            m_painter.setFont(labelFace);
            m_painter.setPen(Qt::black);
            m_painter.drawText(QRectF(labelAt.x() - 1.2 * label, labelAt.y() - label / 2, 2.4 * label, label),
                               Qt::AlignCenter, QString::number(k));
        }
    }

    QPainter& m_painter;
    double m_pt;
    QRectF m_page;
    int m_perPage;
    Type m_type;
};

}  // namespace

bool IsWorksheetPerPage(int perPage) {
    return std::find(std::begin(kWorksheetPerPage), std::end(kWorksheetPerPage), perPage) !=
           std::end(kWorksheetPerPage);
}

std::vector<game::PuzzleRecipe> WorksheetPuzzles(const WorksheetRequest& request, std::int32_t clockMs) {
    std::vector<game::PuzzleRecipe> recipes;
    std::vector<Drawn> drawn;
    const int count = std::clamp(request.puzzles, 1, kMostWorksheetPuzzles);
    std::int64_t reading = ((clockMs % game::kMsPerDay) + game::kMsPerDay) % game::kMsPerDay;
    int passedOver = 0;
    while (static_cast<int>(recipes.size()) < count) {
        const game::PuzzleRecipe recipe = RecipeAt(request, static_cast<std::int32_t>(reading));
        reading = (reading + 1) % game::kMsPerDay;
        Drawn shape = DrawnOf(recipe);
        if (std::find(drawn.begin(), drawn.end(), shape) != drawn.end() &&
            passedOver++ < kMostReadingsPassedOver)
            continue;
        recipes.push_back(recipe);
        drawn.push_back(std::move(shape));
    }
    return recipes;
}

int WorksheetPageCount(int puzzles, int perPage, bool answers) {
    const int pages = (puzzles + perPage - 1) / perPage;
    return answers ? 2 * pages : pages;
}

bool DrawWorksheet(QPagedPaintDevice& device, const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                   bool answers) {
    if (!IsWorksheetPerPage(perPage))
        perPage = 4;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int count = static_cast<int>(puzzles.size());
    const int pageCount = WorksheetPageCount(count, perPage, answers);
    const int puzzlePages = WorksheetPageCount(count, perPage, false);
    Sheet sheet(painter, device, perPage);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            device.newPage();
        const bool answerPage = page >= puzzlePages;
        const int first = (answerPage ? page - puzzlePages : page) * perPage;
        sheet.Page(puzzles, first, answerPage, page + 1, pageCount);
    }
    return painter.end();
}

QPageLayout WorksheetPageLayout() {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString WorksheetTitle() {
    return QCoreApplication::translate("Worksheet", "SpEcTrUmIx worksheet");
}

bool WriteWorksheetPdf(const QString& path, const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                       bool answers, QString* error) {
    // The whole sheet is drawn first and then written in one go: into a pipe as a reader takes
    // it, or as a file that holds either the whole sheet or what it held before.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(WorksheetPageLayout());
        writer.setResolution(600);
        writer.setTitle(WorksheetTitle());
        writer.setCreator(QStringLiteral("SpEcTrUmIx"));
        if (!DrawWorksheet(writer, puzzles, perPage, answers)) {
            if (error != nullptr)
                *error = buffer.errorString();  // the toolkit's words: no write has failed
            return false;
        }
    }
    const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    const platform::Exported written = platform::WriteExport(QFile::encodeName(path).toStdString(), bytes);
    if (!written.ok() && error != nullptr) {
        *error = written.outcome == platform::Exported::Outcome::NotAFile
                     ? QCoreApplication::translate("Worksheet", "Not a regular file or a pipe")
                     : QString::fromLocal8Bit(std::strerror(written.error));
    }
    return written.ok();
}

}  // namespace services
