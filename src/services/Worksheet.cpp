// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Worksheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

#include "engine/Palette.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "platform/ExportFile.h"
#include "ui/Colors.h"

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

// A puzzle of the sheet at a clock reading. Whatever the request leaves random is drawn as New
// Puzzle draws it, but each from a reading of its own taken from the sheet's stream: a puzzle's
// vertices, its colours and its reading follow neither from one another nor from its place.
game::PuzzleRecipe RecipeAt(const WorksheetRequest& request, std::uint32_t& stream, std::int32_t clockMs) {
    const std::int32_t forVertices = game::NextBelow(stream, game::kMsPerDay);
    const std::int32_t forColours = game::NextBelow(stream, game::kMsPerDay);
    return game::RecipeFor({request.vertices, request.colors, request.edgeProbability}, true, clockMs, forVertices,
                           forColours);
}

// One sheet being drawn from its plan: the painter and what the plan says of the device.
class Sheet {
  public:
    Sheet(QPainter& painter, const QPagedPaintDevice& device) : m_painter(painter), m_plan(device) {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    }

    void Page(const std::vector<game::PuzzleRecipe>& puzzles, const WorksheetPage& page, int pageNumber,
              int pageCount) {
        Heading(page, pageNumber, pageCount);
        const std::vector<QRectF> cells = m_plan.Cells(page.perPage);
        for (int slot = 0; slot < page.count; ++slot) {
            const int at = page.first + slot;
            Puzzle(m_plan.Puzzle(cells[static_cast<std::size_t>(slot)], page.perPage,
                                 puzzles[static_cast<std::size_t>(at)], at + 1, page.answers),
                   puzzles[static_cast<std::size_t>(at)], page.answers);
        }
    }

  private:
    QPen Pen(double width, const QColor& colour = Qt::black) const {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    }

    void Write(const PlacedWords& words, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        m_painter.setPen(Qt::black);
        m_painter.setFont(words.face);
        // The box is as wide as the words: a printer's rounding never wraps or clips the last letter.
        m_painter.drawText(words.box, alignment | Qt::TextDontClip | Qt::TextSingleLine, words.text);
    }

    // The game's name and what the page holds.
    void Heading(const WorksheetPage& page, int pageNumber, int pageCount) {
        const QRectF band = m_plan.HeadingBand(page.perPage);
        m_painter.setPen(Qt::black);
        m_painter.setFont(m_plan.Face(m_plan.TitlePoints(page.perPage), true));
        m_painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SpEcTrUmIx"));
        QString what = page.answers ? QCoreApplication::translate("Worksheet", "Answers")
                                    : QCoreApplication::translate("Worksheet", "Puzzles");
        if (pageCount > 1)
            what += QStringLiteral("  \u2013  ") +
                    QCoreApplication::translate("Worksheet", "Page %1 of %2").arg(pageNumber).arg(pageCount);
        m_painter.setFont(m_plan.Face(m_plan.WordPoints(page.perPage), page.answers));
        m_painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, what);
        const double rule = band.bottom() + 4 * m_plan.Point();
        m_painter.setPen(Pen((page.answers ? 1.5 : 0.75) * m_plan.Point()));
        m_painter.drawLine(QPointF(band.left(), rule), QPointF(band.right(), rule));
    }

    void Puzzle(const PuzzlePlan& plan, const game::PuzzleRecipe& recipe, bool answerPage) {
        const double pt = m_plan.Point();
        m_painter.setPen(Pen(0.75 * pt, QColor(0x99, 0x99, 0x99)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRoundedRect(plan.frame, 6 * pt, 6 * pt);
        for (const PlacedWords& words : plan.words) Write(words);
        if (!plan.nameRule.isNull()) {
            m_painter.setPen(Pen(0.75 * pt));
            m_painter.drawLine(plan.nameRule.topLeft(), plan.nameRule.topRight());
        }
        for (std::size_t index = 0; index < plan.legendMarks.size(); ++index) {
            const QRectF& mark = plan.legendMarks[index];
            m_painter.setPen(Pen(1.0 * pt));
            m_painter.setBrush(toQColor(game::PaletteOf(static_cast<int>(index) + 1)->paint));
            m_painter.drawEllipse(mark.center(), mark.width() / 2, mark.height() / 2);
        }

        const game::PuzzleGraph graph = game::GeneratePuzzle(recipe);
        m_painter.setPen(Pen(plan.edgePen));
        for (int e = 0; e < graph.edgeCount; ++e) {
            const auto& edge = graph.edges[static_cast<std::size_t>(e)];
            m_painter.drawLine(plan.centre[static_cast<std::size_t>(edge[0])],
                               plan.centre[static_cast<std::size_t>(edge[1])]);
        }
        for (int k = 1; k <= plan.vertices; ++k) {
            Vertex(plan, k, answerPage ? graph.hiddenColoring[static_cast<std::size_t>(k)] : 0);
            Write(plan.number[static_cast<std::size_t>(k)], Qt::AlignCenter);
        }
    }

    // A vertex: empty to be coloured in, or on an answer page filled with its hidden colour
    // round a white middle holding the colour's number.
    void Vertex(const PuzzlePlan& plan, int k, int colorIndex) {
        const QPointF& centre = plan.centre[static_cast<std::size_t>(k)];
        const double r = plan.vertexDiameter / 2;
        const game::PaletteEntry* colour = game::PaletteOf(colorIndex);
        m_painter.setPen(Pen(plan.vertexPen));
        m_painter.setBrush(colour != nullptr ? toQColor(colour->paint) : QColor(Qt::white));
        m_painter.drawEllipse(centre, r, r);
        if (colour == nullptr)
            return;
        const double core = r * 0.68;
        m_painter.setPen(Pen(0.6 * m_plan.Point()));
        m_painter.setBrush(Qt::white);
        m_painter.drawEllipse(centre, core, core);
        QFont digitFace = m_plan.Face(std::max(4.0, core * 1.5 / m_plan.Point()), true);
        m_painter.setFont(digitFace);
        m_painter.setPen(Qt::black);
        const QString digit = QString::number(colorIndex);
        const QRectF ink = QFontMetricsF(digitFace, m_painter.device()).tightBoundingRect(digit);
        m_painter.drawText(QPointF(centre.x() - ink.center().x(), centre.y() - ink.center().y()), digit);
    }

    QPainter& m_painter;
    SheetPlan m_plan;
};

// The locale the C library takes the paper from: LC_ALL, else LC_PAPER, else LANG.
QByteArray PaperLocale() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "C";
}

// Whether the locale's paper is Letter: as the C library's own data says where that locale is
// installed, else by the country (those that print on Letter, as the C library lists them).
bool PaperIsLetter() {
    const QByteArray name = PaperLocale();
#ifdef _NL_PAPER_HEIGHT
    if (locale_t paper = newlocale(LC_PAPER_MASK, name.constData(), locale_t{}); paper != locale_t{}) {
        // The height comes as a number in the answer's first bytes, as the C library keeps it.
        const char* answer = nl_langinfo_l(_NL_PAPER_HEIGHT, paper);
        unsigned int height = 0;
        std::memcpy(&height, static_cast<const void*>(&answer), sizeof height);
        freelocale(paper);
        if (height > 0)
            return height < 290;  // Letter is 279 mm high, A4 297
    }
#endif
    static constexpr const char* kLetterCountries[] = {"US", "CA", "MX", "PH", "CL", "CO", "CR",
                                                       "GT", "NI", "PA", "PR", "SV", "VE", "BO"};
    const qsizetype underscore = name.indexOf('_');
    if (underscore < 0)
        return false;
    QByteArray country = name.mid(underscore + 1);
    for (const char end : {'.', '@'})
        if (const qsizetype at = country.indexOf(end); at >= 0)
            country.truncate(at);
    return std::any_of(std::begin(kLetterCountries), std::end(kLetterCountries),
                       [&](const char* letter) { return country == letter; });
}

}  // namespace

bool IsWorksheetPerPage(int perPage) {
    return std::find(std::begin(kWorksheetPerPage), std::end(kWorksheetPerPage), perPage) !=
           std::end(kWorksheetPerPage);
}

std::vector<game::PuzzleRecipe> WorksheetPuzzles(const WorksheetRequest& request, std::int32_t clockMs) {
    std::vector<game::PuzzleRecipe> recipes;
    std::vector<Drawn> drawn;
    const int count = std::clamp(request.puzzles, 1, kMostWorksheetPuzzles);
    // The first puzzle takes the clock's reading; the others readings spread over the whole day,
    // from a stream the clock begins, so the same reading makes the same sheet.
    std::int32_t reading = ((clockMs % game::kMsPerDay) + game::kMsPerDay) % game::kMsPerDay;
    std::uint32_t stream = static_cast<std::uint32_t>(reading);
    int passedOver = 0;
    while (static_cast<int>(recipes.size()) < count) {
        const game::PuzzleRecipe recipe = RecipeAt(request, stream, reading);
        reading = game::NextBelow(stream, game::kMsPerDay);
        Drawn shape = DrawnOf(recipe);
        if (std::find(drawn.begin(), drawn.end(), shape) != drawn.end() &&
            passedOver++ < kMostReadingsPassedOver)
            continue;
        recipes.push_back(recipe);
        drawn.push_back(std::move(shape));
    }
    return recipes;
}

bool DrawWorksheet(QPagedPaintDevice& device, const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                   bool answers) {
    if (!IsWorksheetPerPage(perPage))
        perPage = 4;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const std::vector<WorksheetPage> pages = WorksheetPages(puzzles, perPage, answers);
    const int pageCount = static_cast<int>(pages.size());
    Sheet sheet(painter, device);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            device.newPage();
        sheet.Page(puzzles, pages[static_cast<std::size_t>(page)], page + 1, pageCount);
    }
    return painter.end();
}

QPageLayout WorksheetPageLayout() {
    return QPageLayout(QPageSize(PaperIsLetter() ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
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
