// SPDX-License-Identifier: GPL-3.0-or-later
// The performance statistics window "Personal and Group Performance": three tabbed pages laid
// out for statistics the game does not collect yet. Its one working part reads a level number
// chosen in a level box as vertices, colours and edge mode.
#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QShowEvent;
class QTabWidget;

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

class TPerformancePages : public QDialog {
    Q_OBJECT

  public:
    // When the pages' contents are made: at once, or only when the window is first shown (or
    // BuildPages is called in idle time), so that the game's start-up does not wait for a window
    // nothing opens at once.
    enum class Pages { BuiltNow, BuiltWhenShown };
    explicit TPerformancePages(QWidget* parent = nullptr, Pages pages = Pages::BuiltNow);

    // Makes the three pages' boxes, labels and level boxes, once.
    void BuildPages();

    // Change reactions of the four level boxes that decode their level.
    void ByLevelPlayerchooseLevelChange();
    void ByLevelOthersChooseLevelChange();
    void TimedPlayerChooseLevelChange();
    void TimedOthersChooseLevelChange();

    // Hides the window (OK, Enter).
    void PersonalAndGroupPerformanceOKButtonClick();
    // Opens the help topic about this window; the window stays open.
    void HelpBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // A level box and the three labels of its group that show the decoded level.
    struct LevelReadout {
        QComboBox* level = nullptr;
        QLabel* vertices = nullptr;
        QLabel* colors = nullptr;
        QLabel* mode = nullptr;
    };
    static void ShowChosenLevel(const LevelReadout& readout);

    // One box of the "By Level" and "Timed Games" pages: a level box, up to seven label rows
    // (a missing name ends them), an optional rank box and up to two buttons.
    struct LevelGroupLayout {
        struct Caption {
            const char* name = nullptr;
            const char* text = nullptr;
        };
        struct Button {
            const char* name = nullptr;
            const char* text = nullptr;
            QRect place;
        };
        const char* name;
        const char* caption;
        QRect place;
        const char* levelBox;
        std::array<Caption, 7> labels;
        const char* rankBox;
        std::array<Button, 2> buttons;
    };
    static LevelReadout BuildLevelGroup(QWidget* page, const LevelGroupLayout& layout);

    void BuildOverallPage(QWidget* page);
    void BuildByLevelPage(QWidget* page);
    void BuildTimedPage(QWidget* page);

    QTabWidget* m_pages = nullptr;
    LevelReadout m_byLevelPlayer;
    LevelReadout m_byLevelOthers;
    LevelReadout m_timedPlayer;
    LevelReadout m_timedOthers;
    bool m_placed = false;
    bool m_pagesBuilt = false;
};
