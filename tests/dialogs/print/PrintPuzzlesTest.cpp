// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet's puzzles come back in the game from their printed codes, no two alike, and the
// Print Puzzles dialog draws them from the player's settings and opens the print preview.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>
#include <set>

#include "dialogs/PrintPuzzles.h"
#include "engine/Puzzle.h"
#include "engine/PuzzleCode.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "services/Worksheet.h"

namespace {

constexpr std::int32_t kNoon = 43'200'000;
constexpr std::int32_t kLastMsOfDay = 86'399'999;

// What a puzzle looks like on paper and on the board: its vertices, hidden colours and edges.
std::vector<int> Shape(const game::PuzzleRecipe& recipe) {
    const game::PuzzleGraph graph = game::GeneratePuzzle(recipe);
    std::vector<int> shape{graph.vertices, graph.hiddenColorCount};
    for (int k = 1; k <= graph.vertices; ++k)
        shape.push_back(graph.hiddenColoring[static_cast<std::size_t>(k)]);
    for (int e = 0; e < graph.edgeCount; ++e)
        shape.push_back(graph.edges[static_cast<std::size_t>(e)][0] * 100 +
                        graph.edges[static_cast<std::size_t>(e)][1]);
    return shape;
}

TEST(WorksheetTest, EveryPrintedCodeGivesBackItsPuzzleAndNoTwoPuzzlesAreAlike) {
    for (const std::int32_t clock : {kNoon, kLastMsOfDay}) {
        services::WorksheetRequest request;
        request.puzzles = services::kMostWorksheetPuzzles;
        request.vertices = 0;
        request.colors = 0;
        request.edgeProbability = -1;
        const std::vector<game::PuzzleRecipe> sheet = services::WorksheetPuzzles(request, clock);
        ASSERT_EQ(sheet.size(), 60u);
        EXPECT_EQ(sheet.front().clockMs, clock);
        std::set<std::vector<int>> seen;
        std::set<int> vertexCounts;
        std::set<int> colourCounts;
        for (std::size_t i = 0; i < sheet.size(); ++i) {
            const game::PuzzleRecipe& recipe = sheet[i];
            EXPECT_TRUE(recipe.edgesShown);
            // Each puzzle its own reading of the day.
            EXPECT_GE(recipe.clockMs, 0);
            EXPECT_LT(recipe.clockMs, 86'400'000);
            // Random counts in the game's ranges, the edges as New Puzzle draws them from the reading.
            EXPECT_TRUE(game::IsPlayable(recipe));
            EXPECT_EQ(recipe.edgeProbability, game::DrawEdgeProbability(recipe.clockMs));
            const game::PuzzleCodeText code = game::PuzzleCodeOf(recipe);
            const game::CodeReading typed = game::ReadPuzzleCode(code.data());
            ASSERT_TRUE(typed.ok()) << code.data();
            EXPECT_EQ(typed.recipe, recipe) << code.data();
            EXPECT_EQ(Shape(typed.recipe), Shape(recipe)) << code.data();
            EXPECT_TRUE(seen.insert(Shape(recipe)).second) << "puzzle " << i + 1 << " came twice";
            vertexCounts.insert(recipe.vertices);
            colourCounts.insert(recipe.colors);
        }
        EXPECT_GT(vertexCounts.size(), 1u);
        EXPECT_GT(colourCounts.size(), 1u);
    }
    // Puzzles that all look alike (no edge can be drawn) still make a sheet.
    services::WorksheetRequest alike;
    alike.puzzles = 3;
    alike.vertices = 6;
    alike.colors = 2;
    alike.edgeProbability = 0;
    EXPECT_EQ(services::WorksheetPuzzles(alike, kNoon).size(), 3u);
}

TEST(PrintPuzzlesDialogTest, PrintDrawsTheChosenPuzzlesAndOpensThePreview) {
    game::Game game;
    game.PinClock(kNoon);
    QWidget board;
    TPrintPuzzlesDlg dialog(game, &board);
    dialog.Offer(0, 4, -1);  // random vertices, four colours, random edges
    dialog.findChild<QSpinBox*>("PuzzleCount")->setValue(5);
    QComboBox* perPage = dialog.findChild<QComboBox*>("PerPage");
    perPage->setCurrentIndex(perPage->findData(6));
    dialog.findChild<QCheckBox*>("AnswerPages")->setChecked(true);
    const services::WorksheetRequest request = dialog.Request();
    EXPECT_EQ(request.vertices, 0);
    EXPECT_EQ(request.colors, 4);
    EXPECT_EQ(request.edgeProbability, -1);
    EXPECT_EQ(request.perPage, 6);
    EXPECT_TRUE(request.answers);
    // Every field is reached by a key of its label and read by a name.
    for (QWidget* field : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(field) || qobject_cast<QAbstractSpinBox*>(field)) {
            EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
        }
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->objectName() != "FewerAPageNote") {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
    // The dialog says when pages of large puzzles hold fewer than asked.
    QLabel* note = dialog.findChild<QLabel*>("FewerAPageNote");
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().contains(QString::number(services::MostVerticesFor(6)))) << note->text().toStdString();
    QComboBox* vertices = dialog.findChild<QComboBox*>("Vertices");
    vertices->setCurrentIndex(vertices->findData(8));
    EXPECT_TRUE(note->isHidden());
    perPage->setCurrentIndex(perPage->findData(1));
    vertices->setCurrentIndex(vertices->findData(0));
    EXPECT_TRUE(note->isHidden());
    perPage->setCurrentIndex(perPage->findData(6));

    dialog.show();
    dialog.PrintClick();
    ASSERT_EQ(dialog.Puzzles().size(), 5u);
    EXPECT_EQ(dialog.Puzzles().front().clockMs, kNoon);
    for (const game::PuzzleRecipe& recipe : dialog.Puzzles()) {
        EXPECT_EQ(recipe.colors, 4);
        EXPECT_TRUE(recipe.edgesShown);
    }
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_NE(dialog.Preview(), nullptr);
    EXPECT_TRUE(dialog.Preview()->isVisible());
    dialog.Preview()->close();
    QApplication::processEvents();
}

}  // namespace
