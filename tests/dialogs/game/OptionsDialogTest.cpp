// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog through its real controls: what it shows, the teaching-mode rule, and
// what OK, Cancel and the close box do to the settings and the game.
#include "support/DialogTest.h"
#include "support/RecordingViewer.h"

#include <QCheckBox>
#include <QPushButton>

#include <optional>

#include "dialogs/SpinEdit.h"

namespace dialogtest {
namespace {

class OptionsDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        options = MakeOptions(game);
    }
    void Open() {
        ui::ShowModeless(options.get());
        QApplication::setActiveWindow(options.get());
    }
    static void TypeInto(TSpinEdit* field, const char* text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
};

TEST_F(OptionsDialogTest, FirstOpeningAfterAStartWithoutSettingsFile) {
    Open();
    TOptionsL1& o = *options;
    EXPECT_EQ(o.windowTitle(), "SpEcTrUmIx Options");
    EXPECT_EQ(o.size(), QSize(419, 261));
    EXPECT_EQ(o.focusWidget(), o.OKBtn);
    EXPECT_TRUE(o.OKBtn->isDefault());

    EXPECT_TRUE(o.TeachingMode->isChecked());
    EXPECT_TRUE(o.ShowEdges->isChecked());
    EXPECT_FALSE(o.ShowEdges->isEnabled());
    EXPECT_TRUE(o.RandomNumberOfColors->isChecked());
    EXPECT_FALSE(o.RandomNumberOfColors->isEnabled());
    EXPECT_EQ(o.NumOfColorsSpinEdit->text(), "3");
    EXPECT_FALSE(o.NumOfColorsSpinEdit->isEnabled());
    EXPECT_FALSE(o.RandomNumberOfVertices->isChecked());
    EXPECT_FALSE(o.RandomNumberOfVertices->isEnabled());
    EXPECT_EQ(o.VertNumSpinEdit->text(), "6");
    EXPECT_TRUE(o.VertNumSpinEdit->isEnabled()) << "showing enables the vertex count again";
    EXPECT_TRUE(o.RandomEdgeProbability->isChecked());
    EXPECT_FALSE(o.RandomEdgeProbability->isEnabled());
    EXPECT_EQ(o.EdgeNumFactorSpinEdit->text(), "63");
    EXPECT_FALSE(o.EdgeNumFactorSpinEdit->isEnabled());
    EXPECT_TRUE(o.ShowToolTips->isChecked());
    EXPECT_FALSE(o.PlayComputer->isVisible());
    EXPECT_EQ(o.RandomNumberOfVertices->toolTip(), "Also turns Teach Mode off if selected");
    EXPECT_EQ(o.VertNumSpinEdit->toolTip(), "This determines the number of vertices the graph has.");
}

TEST_F(OptionsDialogTest, TeachingModeRuleAndRandomBoxes) {
    Open();
    TOptionsL1& o = *options;
    Click(o.TeachingMode);
    EXPECT_FALSE(o.TeachingMode->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{
             o.ShowEdges, o.RandomNumberOfColors, o.NumOfColorsSpinEdit, o.RandomNumberOfVertices,
             o.VertNumSpinEdit, o.RandomEdgeProbability, o.EdgeNumFactorSpinEdit}) {
        EXPECT_TRUE(control->isEnabled()) << control->metaObject()->className();
    }
    EXPECT_TRUE(o.RandomNumberOfColors->isChecked()) << "unchecking teaching leaves the random boxes alone";

    Click(o.RandomNumberOfColors);
    EXPECT_TRUE(o.NumOfColorsSpinEdit->isEnabled());
    Click(o.RandomNumberOfColors);
    EXPECT_FALSE(o.NumOfColorsSpinEdit->isEnabled());
    Click(o.RandomEdgeProbability);
    Click(o.RandomNumberOfVertices);
    EXPECT_TRUE(o.EdgeNumFactorSpinEdit->isEnabled());
    EXPECT_FALSE(o.VertNumSpinEdit->isEnabled());
    Click(o.ShowEdges);

    // Teaching mode forces its three boxes whatever they were.
    Click(o.TeachingMode);
    EXPECT_FALSE(o.ShowEdges->isEnabled());
    EXPECT_FALSE(o.ShowEdges->isChecked()) << "the check mark of ShowEdges is the level's, not the rule's";
    Click(o.OKBtn);
    const game::GameSettings& s = game.Settings;
    EXPECT_TRUE(s.TeachingMode);
    EXPECT_TRUE(s.RandomNumberOfColors);
    EXPECT_FALSE(s.RandomNumberOfVertices);
    EXPECT_TRUE(s.RandomEdgeProbability);
    EXPECT_FALSE(s.ShowEdges);
    EXPECT_FALSE(o.isVisible());
}

TEST_F(OptionsDialogTest, OkStoresClampedNumbersWhetherClickedOrEntered) {
    game.Settings.TeachingMode = false;
    game.Settings.RandomNumberOfColors = game.Settings.RandomEdgeProbability = false;
    options = MakeOptions(game);
    Open();
    TypeInto(options->VertNumSpinEdit, "99");
    EXPECT_EQ(options->VertNumSpinEdit->text(), "99");
    TypeInto(options->EdgeNumFactorSpinEdit, "");
    TypeInto(options->NumOfColorsSpinEdit, "7");
    Click(options->OKBtn);
    EXPECT_EQ(options->VertNumSpinEdit->text(), "16") << "corrected as the field loses the focus";
    EXPECT_EQ(game.Settings.NumberOfVertices, 16);
    EXPECT_EQ(game.Settings.EdgeProbability, 1) << "an emptied field stores its minimum";
    EXPECT_EQ(game.Settings.NumberOfColors, 4);
    EXPECT_EQ(game.Puzzle.VertexCount, 16) << "OK starts a puzzle from the new settings";

    Open();
    EXPECT_EQ(options->VertNumSpinEdit->text(), "16");
    TypeInto(options->VertNumSpinEdit, "3");
    Press(options.get(), Qt::Key_Return);
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(game.Settings.NumberOfVertices, 6) << "Enter in a field still stores the clamped value";
}

TEST_F(OptionsDialogTest, CancelRevertsAndEscapeCancelsWhileTheCloseBoxKeepsEdits) {
    game.Settings.TeachingMode = false;
    options = MakeOptions(game);
    const game::GameSettings before = game.Settings;
    Open();
    Click(options->ShowEdges);
    Click(options->RandomNumberOfVertices);
    TypeInto(options->EdgeNumFactorSpinEdit, "12");
    options->close();
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(game.Settings, before);

    Open();
    EXPECT_FALSE(options->ShowEdges->isChecked()) << "unconfirmed edits survive the close box";
    EXPECT_TRUE(options->RandomNumberOfVertices->isChecked());
    EXPECT_FALSE(options->VertNumSpinEdit->isEnabled());
    EXPECT_EQ(options->EdgeNumFactorSpinEdit->text(), "63") << "the numbers are refreshed on each showing";

    Click(options->BitBtn1);
    EXPECT_FALSE(options->isVisible());
    EXPECT_TRUE(options->ShowEdges->isChecked());
    EXPECT_FALSE(options->RandomNumberOfVertices->isChecked());
    EXPECT_EQ(game.Settings, before);
    EXPECT_EQ(board.layouts, 0) << "Cancel starts no puzzle";

    Open();
    Click(options->ShowEdges);
    Press(options.get(), Qt::Key_Escape);
    EXPECT_FALSE(options->isVisible());
    EXPECT_TRUE(options->ShowEdges->isChecked());
    EXPECT_TRUE(board.toolTipSwitches.empty());
}

TEST_F(OptionsDialogTest, OkDuringAGameStartsANewPuzzleWithoutRatingTheOldOne) {
    game.NewPuzzle();
    gametest::Paint(game, game.Puzzle.HiddenColoring[1], 1);
    game.Settings.TeachingModeConsecutiveGoodGames = 1;
    const std::uint32_t serial = game.Puzzle.Serial;
    Open();
    Click(options->ShowToolTips);
    Click(options->OKBtn);
    EXPECT_EQ(game.Puzzle.Serial, serial + 1);
    EXPECT_FALSE(game.Puzzle.GameOver);
    EXPECT_EQ(game.Puzzle.ClickCount, 0);
    EXPECT_EQ(game.Session.SessionGameCount, 0);
    EXPECT_EQ(game.Session.SessionTotalFromPar, 0);
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 1);
    EXPECT_TRUE(opened.empty()) << "no question is asked";
    EXPECT_EQ(board.toolTipSwitches, std::vector<bool>{false});
    EXPECT_FALSE(game.Settings.ShowToolTips);
}

TEST_F(OptionsDialogTest, PlayComputerFromTheFileLastsUntilTheFirstOkUnlessCancelCameFirst) {
    game.Settings.PlayComputer = true;
    options = MakeOptions(game);
    Open();
    Click(options->OKBtn);
    EXPECT_FALSE(game.Settings.PlayComputer);

    game.Settings.PlayComputer = true;
    options = MakeOptions(game);
    Open();
    Click(options->BitBtn1);
    Open();
    Click(options->OKBtn);
    EXPECT_TRUE(game.Settings.PlayComputer);
}

// Each setting the settings table gives a control is shown by the control of that name, of its
// kind and with the setting's range as its limits, and comes back unchanged through Cancel and OK.
TEST_F(OptionsDialogTest, EverySettingWithAControlIsShownAndStoredByThatControl) {
    game::GameSettings unlike;
    for (const game::SettingRow& row : game::kSettings) {
        if (row.control.name) {
            const std::int32_t far = row.defaultValue != row.range.max ? row.range.max : row.range.min;
            row.Store(unlike, row.IsFlag() ? 1 - row.defaultValue : far);
        }
    }
    std::optional<game::GameSettings> stored;
    options = std::make_unique<TOptionsL1>(TOptionsL1::SettingsFlow{
        [&] { return unlike; }, [&](const game::GameSettings& settings) { stored = settings; }});
    Open();
    Click(options->BitBtn1);  // Cancel loads every control, the hidden PlayComputer box too
    for (const game::SettingRow& row : game::kSettings) {
        if (!row.control.name)
            continue;
        if (row.IsFlag()) {
            const auto* box = options->findChild<QCheckBox*>(row.control.name);
            ASSERT_NE(box, nullptr) << row.key;
            EXPECT_EQ(box->isChecked(), row.ValueIn(unlike) != 0) << row.key;
            continue;
        }
        const auto* field = options->findChild<TSpinEdit*>(row.control.name);
        ASSERT_NE(field, nullptr) << row.key;
        EXPECT_EQ(field->MinValue(), row.range.min) << row.key;
        EXPECT_EQ(field->MaxValue(), row.range.max) << row.key;
        EXPECT_EQ(field->Value(), row.ValueIn(unlike)) << row.key;
    }
    Open();
    Click(options->OKBtn);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, unlike);
}

TEST_F(OptionsDialogTest, HelpOpensTheSettingsTopicAndLeavesTheDialogOpen) {
    RecordingViewer viewer;
    Open();
    Click(options->HelpBtn);
    EXPECT_EQ(viewer.requests, std::vector<int>{help::kSettingsTopic});
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(help::NearestHelpContext(options->ShowEdges), help::kSettingsTopic);
}

}  // namespace
}  // namespace dialogtest
