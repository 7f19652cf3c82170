// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ReviewWords.h"

#include <QCoreApplication>
#include <QStringList>

#include "services/Language.h"
#include "ui/ColourWords.h"

namespace review {

namespace {

constexpr const char* kContext = "TReviewWindow";

QString Tr(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// "1 clash ...", "2 clashes ...": the count with the words its language gives that number.
QString Counted(const char* plural, const char* singular, int n) {
    return language::Counted(kContext, plural, singular, n);
}

QString ColourWord(int colorIndex) {
    return ui::FillWord(game::PaintColor(colorIndex));
}

}  // namespace

QString SummaryWords(const game::GameReview& game) {
    const game::ClickCounts& c = game.counts;
    const QString head =
        Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n clicks, par %1"), "%n click, par %1", c.Total()).arg(game.par);
    QStringList parts;
    if (c.painted)
        parts << Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n painted"), "%n painted", c.painted);
    if (c.visibleClashes)
        parts << Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n clashes on edges you could see"),
                         "%n clash on an edge you could see", c.visibleClashes);
    if (c.hiddenEdgesFound)
        parts << Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n hidden edges found"), "%n hidden edge found",
                         c.hiddenEdgesFound);
    if (c.repaints)
        parts << Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n repaints"), "%n repaint", c.repaints);
    if (parts.isEmpty())
        return head;
    return Tr(QT_TRANSLATE_NOOP("TReviewWindow", "%1: %2")).arg(head, parts.join(QStringLiteral(", ")));
}

QString HintWords(const game::GameReview& game) {
    switch (game.hint) {
        case game::ReviewHint::NoClicks:
            return Tr(QT_TRANSLATE_NOOP("TReviewWindow", "No vertex was painted in this game."));
        case game::ReviewHint::AllPainted:
            return Tr(QT_TRANSLATE_NOOP("TReviewWindow",
                                        "Every click painted a vertex: not one went to a clash or a repaint."));
        case game::ReviewHint::LookAtNeighbours:
            return Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n clashes were on edges already drawn: look at a "
                                                                "vertex's neighbors before you paint it."),
                           "%n clash was on an edge already drawn: look at a vertex's neighbors before you paint it.",
                           game.counts.visibleClashes);
        case game::ReviewHint::ChooseOnce:
            return Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "%n clicks painted a vertex again: choose its color "
                                                                "once, from the colors its neighbors wear."),
                           "%n click painted a vertex again: choose its color once, from the colors its neighbors "
                           "wear.",
                           game.counts.repaints);
        case game::ReviewHint::CostOfExploring:
            return Tr(QT_TRANSLATE_NOOP("TReviewWindow",
                                        "Every clash found a hidden edge: that is the cost of exploring."));
    }
    return {};
}

namespace {

QString ClickWords(const game::GameReview& game, int k) {
    const game::ReviewedClick& told = game.clicks[static_cast<std::size_t>(k - 1)];
    const int v = told.click.vertex;
    const QString colour = ColourWord(told.click.colorIndex);
    QString words;
    switch (told.kind) {
        case game::ClickKind::Painted:
            words = Tr(QT_TRANSLATE_NOOP("TReviewWindow", "Click %1: vertex %2 painted %3")).arg(k).arg(v).arg(colour);
            break;
        case game::ClickKind::Repaint:
            words = Tr(QT_TRANSLATE_NOOP("TReviewWindow", "Click %1: vertex %2 repainted from %3 to %4"))
                        .arg(k)
                        .arg(v)
                        .arg(ColourWord(told.colorBefore), colour);
            break;
        case game::ClickKind::VisibleClash:
        case game::ClickKind::HiddenEdgeFound: {
            QStringList seen, found, cleared;
            for (std::int32_t i = 0; i < told.move.clearedCount; ++i) {
                const game::ClearedNeighbour& neighbour = told.move.cleared[static_cast<std::size_t>(i)];
                cleared << QString::number(neighbour.vertex);
                if (neighbour.edgeWasHidden)
                    found << QStringLiteral("%1-%2").arg(v).arg(neighbour.vertex);
                else
                    seen << QString::number(neighbour.vertex);
            }
            QStringList clauses;
            if (!seen.isEmpty())
                clauses << Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "clash with %1 across edges you could see"),
                                   "clash with %1 across an edge you could see", static_cast<int>(seen.size()))
                               .arg(seen.join(QStringLiteral(", ")));
            if (!found.isEmpty())
                clauses << Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "found the hidden edges %1"),
                                   "found the hidden edge %1", static_cast<int>(found.size()))
                               .arg(found.join(QStringLiteral(", ")));
            // Counted by the neighbours cleared, so that "cleared" agrees with them in every language.
            words = Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "Click %1: vertex %2 %3, %4; %5 cleared"),
                            "Click %1: vertex %2 %3, %4; %5 cleared", static_cast<int>(cleared.size()))
                        .arg(k)
                        .arg(v)
                        .arg(colour, clauses.join(QStringLiteral(", ")), cleared.join(QStringLiteral(", ")));
            break;
        }
    }
    if (told.move.solved)
        words = Tr(QT_TRANSLATE_NOOP("TReviewWindow", "%1; puzzle solved")).arg(words);
    return words;
}

}  // namespace

QString StepWords(const game::GameReview& game, int step) {
    const int clicks = static_cast<int>(game.clicks.size());
    if (step <= 0) {
        if (!game.edgesShown)
            return Tr(QT_TRANSLATE_NOOP("TReviewWindow", "Before the first click: every edge hidden"));
        return Counted(QT_TRANSLATE_N_NOOP("TReviewWindow", "Before the first click: %n edges shown"),
                       "Before the first click: %n edge shown", game.positions.front().edgesKnown);
    }
    if (step <= clicks)
        return ClickWords(game, step);
    QStringList vertices;
    for (int k = 1; k <= game.vertices; ++k)
        vertices << QStringLiteral("%1 %2").arg(k).arg(ColourWord(game.solution[static_cast<std::size_t>(k)]));
    return Tr(QT_TRANSLATE_NOOP("TReviewWindow", "The game's own solution: %1")).arg(vertices.join(QStringLiteral(", ")));
}

}  // namespace review
