// SPDX-License-Identifier: GPL-3.0-or-later
// What a worksheet promises a pupil, measured on its plan: on A4 and Letter, at every size and in
// every layout, no line between two vertices runs under a third, and no number or word touches a
// vertex, a line or another word; large puzzles take fewer a page; random sheets look random;
// and the paper is the locale's.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QLineF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "engine/Random.h"
#include "services/Worksheet.h"
#include "services/WorksheetPlan.h"

namespace {

double PointToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double along = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    return QLineF(p, a + along * ab).length();
}

double PointToRect(const QPointF& p, const QRectF& r) {
    const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return std::hypot(dx, dy);
}

// How far a segment stays from a box (0 where it crosses it).
double SegmentToRect(const QPointF& a, const QPointF& b, const QRectF& r) {
    const QLineF segment(a, b);
    const QLineF sides[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    if (r.contains(a) || r.contains(b))
        return 0;
    double nearest = std::min(PointToRect(a, r), PointToRect(b, r));
    for (const QLineF& side : sides) {
        if (segment.intersects(side, nullptr) == QLineF::BoundedIntersection)
            return 0;
        nearest = std::min(nearest, PointToSegment(side.p1(), a, b));
    }
    return nearest;
}

double RectToRect(const QRectF& a, const QRectF& b) {
    const double dx = std::max({a.left() - b.right(), 0.0, b.left() - a.right()});
    const double dy = std::max({a.top() - b.bottom(), 0.0, b.top() - a.bottom()});
    return std::hypot(dx, dy);
}

// Checks one puzzle's plan; says what fails.
void ExpectClear(const services::PuzzlePlan& plan, const std::string& where) {
    const int n = plan.vertices;
    const double line = plan.edgePen;
    // Any two vertices may be joined: every chord clears every other vertex by a line's width.
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c)
                if (c != a && c != b) {
                    const double clear = SegmentToRect(plan.centre[a], plan.centre[b], plan.VertexSquare(c)) - line / 2;
                    ASSERT_GE(clear, line) << where << ": edge " << a << "-" << b << " passes vertex " << c;
                }
    // What is written: the vertices' numbers and the puzzle's own words and legend.
    std::vector<QRectF> boxes;
    for (int k = 1; k <= n; ++k) boxes.push_back(plan.number[k].box);
    for (const services::PlacedWords& words : plan.words) {
        ASSERT_TRUE(plan.frame.contains(words.box)) << where << ": '" << words.text.toStdString() << "'";
        boxes.push_back(words.box);
    }
    boxes.insert(boxes.end(), plan.legendMarks.begin(), plan.legendMarks.end());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (int c = 1; c <= n; ++c)
            ASSERT_GE(RectToRect(boxes[i], plan.VertexSquare(c)), line) << where << ": box " << i << ", vertex " << c;
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b)
                ASSERT_GE(SegmentToRect(plan.centre[a], plan.centre[b], boxes[i]) - line / 2, line)
                    << where << ": box " << i << ", edge " << a << "-" << b;
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            ASSERT_FALSE(boxes[i].intersects(boxes[j])) << where << ": boxes " << i << " and " << j;
    }
}

TEST(WorksheetPlanTest, NoEdgeRunsUnderAVertexAndNothingWrittenTouchesTheDrawing) {
    const char* languages[] = {"", "de", "fr", "es", "it", "pt_BR", "nl", "pl"};
    for (const char* language : languages) {
        std::unique_ptr<QTranslator> translator;
        if (*language != '\0') {
            translator = std::make_unique<QTranslator>();
            ASSERT_TRUE(translator->load(QStringLiteral(":/i18n/spectrumix_%1.qm").arg(language)));
            QCoreApplication::installTranslator(translator.get());
        }
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
            QBuffer file;
            file.open(QIODevice::WriteOnly);
            QPdfWriter writer(&file);
            QPageLayout layout = services::WorksheetPageLayout();
            layout.setPageSize(QPageSize(paper));
            writer.setPageLayout(layout);
            writer.setResolution(600);
            const services::SheetPlan sheet(writer);
            for (const int perPage : services::kWorksheetPerPage) {
                const std::vector<QRectF> cells = sheet.Cells(perPage);
                for (int n = game::kMinVertices; n <= game::kMaxVertices; ++n) {
                    for (const bool answers : {false, true}) {
                        const game::PuzzleRecipe recipe{n, 4, 63, true, 43'200'000};
                        const std::string where = std::string(language) + (paper == QPageSize::A4 ? " A4 " : " Letter ") +
                                                  std::to_string(perPage) + " a page, " + std::to_string(n) +
                                                  (answers ? " vertices, answers" : " vertices");
                        const services::PuzzlePlan plan = sheet.Puzzle(cells.back(), perPage, recipe, 60, answers);
                        ExpectClear(plan, where);
                        if (HasFatalFailure())
                            return;
                        // Where the sheet puts a puzzle of this size, its vertices are large enough to
                        // colour in: 4.5 mm across.
                        if (perPage <= services::MostPerPageFor(n) && *language == '\0') {
                            EXPECT_GE(plan.vertexDiameter / sheet.Point(), 4.5 / 25.4 * 72) << where;
                        }
                    }
                }
            }
        }
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
    }
}

TEST(WorksheetPlanTest, LargePuzzlesTakeFewerAPageAndTheirAnswersFollowPageForPage) {
    std::vector<game::PuzzleRecipe> sheet;
    for (const int n : {6, 7, 16, 8, 9, 10, 11, 6, 6, 6, 6, 6, 6, 6}) sheet.push_back({n, 3, 63, true, 0});
    const std::vector<services::WorksheetPage> pages = services::WorksheetPages(sheet, 6, true);
    using Page = services::WorksheetPage;
    const std::vector<Page> puzzlePages = {{0, 2, 6, false}, {2, 1, 1, false}, {3, 4, 4, false},
                                           {7, 6, 6, false}, {13, 1, 6, false}};
    ASSERT_EQ(pages.size(), 2 * puzzlePages.size());
    for (std::size_t p = 0; p < puzzlePages.size(); ++p) {
        EXPECT_EQ(pages[p], puzzlePages[p]) << "page " << p + 1;
        Page answer = puzzlePages[p];
        answer.answers = true;
        EXPECT_EQ(pages[p + puzzlePages.size()], answer) << "answer page " << p + 1;
    }
    // A teacher asking for one a page gets one a page, whatever the size.
    EXPECT_EQ(services::WorksheetPages(sheet, 1, false).size(), sheet.size());
}

TEST(WorksheetPlanTest, ARandomSheetMixesSizesAndColoursFreely) {
    services::WorksheetRequest request;
    request.puzzles = services::kMostWorksheetPuzzles;
    request.vertices = 0;
    request.colors = 0;
    request.edgeProbability = -1;
    for (const std::int32_t clock : {0, 43'200'000, 86'399'999}) {
        const std::vector<game::PuzzleRecipe> sheet = services::WorksheetPuzzles(request, clock);
        int smaller = 0;
        int smallWithFour = 0;
        for (std::size_t i = 0; i < sheet.size(); ++i) {
            if (i > 0 && sheet[i].vertices < sheet[i - 1].vertices)
                ++smaller;
            if (sheet[i].colors == 4 && sheet[i].vertices < 10)
                ++smallWithFour;
        }
        // Drawn on their own, about two puzzles in five are smaller than the one before.
        EXPECT_GE(smaller, 15) << "clock " << clock;
        EXPECT_GE(smallWithFour, 3) << "clock " << clock;
        EXPECT_EQ(services::WorksheetPuzzles(request, clock), sheet) << "the same reading, the same sheet";
    }
}

TEST(WorksheetPlanTest, ThePaperIsTheLocalesPaper) {
    const char* const variables[] = {"LC_ALL", "LC_PAPER", "LANG"};
    std::vector<std::optional<std::string>> before;
    for (const char* variable : variables)
        before.push_back(std::getenv(variable) ? std::optional<std::string>(std::getenv(variable)) : std::nullopt);
    const auto paperFor = [&](const char* all, const char* paper, const char* lang) {
        const char* values[] = {all, paper, lang};
        for (int i = 0; i < 3; ++i) {
            if (values[i] != nullptr)
                setenv(variables[i], values[i], 1);
            else
                unsetenv(variables[i]);
        }
        return services::WorksheetPageLayout().pageSize().id();
    };
    for (const char* letter : {"en_US.UTF-8", "en_CA.UTF-8", "fr_CA.UTF-8", "es_MX.UTF-8", "en_PH.UTF-8",
                               "es_CL.UTF-8", "es_CO"}) {
        EXPECT_EQ(paperFor(nullptr, letter, "de_DE.UTF-8"), QPageSize::Letter) << letter;
        EXPECT_EQ(paperFor(nullptr, nullptr, letter), QPageSize::Letter) << "LANG=" << letter;
        EXPECT_EQ(paperFor(letter, "de_DE.UTF-8", "de_DE.UTF-8"), QPageSize::Letter) << "LC_ALL=" << letter;
    }
    for (const char* a4 : {"en_GB.UTF-8", "de_DE.UTF-8", "fr_FR", "es_ES.UTF-8@euro", "en_AU.UTF-8", "C", "POSIX"})
        EXPECT_EQ(paperFor(nullptr, a4, "en_US.UTF-8"), QPageSize::A4) << a4;
    EXPECT_EQ(paperFor("", "", "en_CA.UTF-8"), QPageSize::Letter) << "empty variables count as unset";
    EXPECT_EQ(paperFor(nullptr, nullptr, nullptr), QPageSize::A4);
    for (int i = 0; i < 3; ++i) {
        if (before[i])
            setenv(variables[i], before[i]->c_str(), 1);
        else
            unsetenv(variables[i]);
    }
}

}  // namespace
