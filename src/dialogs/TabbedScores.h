// SPDX-License-Identifier: GPL-3.0-or-later
// TPerformancePages: the statistics window "Personal and Group Performance".
// Three tabbed pages laid out for statistics the game does not collect yet. Its one working part
// reads a level number chosen in a level box as vertices, colours and edge mode.
#pragma once

#include <QString>

#include <cstddef>

#include "ui/FixedDialog.h"
#include "ui/Form.h"

// What a level of the statistics pages stands for: levels 1 to 66 run through the vertex counts
// 6 to 16 in groups of six, each group going 2, 2, 3, 3, 4, 4 colours with edges shown on the
// odd levels and hidden on the even ones.
struct PerformanceLevel {
    int vertices = 0;
    int colors = 0;
    bool showEdges = false;
};
PerformanceLevel DecodeLevel(int level);
// "Show edges" or "Do not show edges".
QString LevelModeText(bool showEdges);

class TPerformancePages : public ui::FixedDialog {
    Q_OBJECT

  public:
    // When the pages' contents are made: at once, or only when the window is first shown (or
    // BuildPages is called in idle time), so that the game's start-up does not wait for a window
    // nothing opens at once.
    enum class Pages { BuiltNow, BuiltWhenShown };
    explicit TPerformancePages(QWidget* parent = nullptr, Pages pages = Pages::BuiltNow);

    // Makes the pages' boxes, labels and level boxes, once.
    void BuildPages();

    // Change reactions of the four level boxes that decode their level.
    void ByLevelPlayerchooseLevelChange();
    void ByLevelOthersChooseLevelChange();
    void TimedPlayerChooseLevelChange();
    void TimedOthersChooseLevelChange();

    // Puts the window away (OK, Enter).
    void PersonalAndGroupPerformanceOKButtonClick();
    // Asks for the help topic about this window; the window stays open.
    void HelpBtnClick();

  protected:
    void FirstShown() override;

  private:
    // Shows the level chosen in the level box of readout `index` in its box's first three labels.
    void ShowChosenLevel(std::size_t index);

    ui::Form m_form;
    bool m_pagesBuilt = false;
};
