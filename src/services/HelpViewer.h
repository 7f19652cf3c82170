// SPDX-License-Identifier: GPL-3.0-or-later
// help::ShowTopic and the help window "SpEcTrUmIx Help": the game's on-line help.
// The game's on-line help: a modeless help window of our own that shows the HTML topic pages
// compiled into the program, opened at its contents or at the topic of a numbered help context.
// Every help request in the game goes through ShowContents/ShowTopic, so a test can put a
// recording viewer in place of the window and check who asked for which topic.
#pragma once

#include <QList>
#include <QUrl>

class QApplication;
class QObject;
class QWidget;

namespace help {

// The help context numbers the game's windows carry; 0 stands for the contents page.
constexpr int kContents = 0;
constexpr int kPlayingTopic = 1;      // main window and the "Contents" menu item
constexpr int kSettingsTopic = 2;     // settings dialog
constexpr int kMakersTopic = 5;       // about box
constexpr int kStatisticsTopic = 29;  // performance statistics window
constexpr int kClassroomTopic = 30;   // puzzle codes, Restart Puzzle and worksheets
constexpr int kReviewTopic = 31;      // the review of a game, a section of the playing page

// Opens the help window at its contents page: modeless, brought to the front, returns at once.
void ShowContents();
// Opens the topic of a help context (1, 2, 5, 29, 30 or 31); 0 or an unknown number opens the contents.
void ShowTopic(int context);

// Whatever displays the help. The game uses its own help window; tests install a recording one.
class Viewer {
  public:
    virtual ~Viewer() = default;
    virtual void showContents() = 0;
    virtual void showTopic(int context) = 0;
};

// Puts `viewer` in charge of every help request; nullptr restores the game's own help window.
// The caller keeps ownership of the viewer.
void SetViewer(Viewer* viewer);

// The "helpContext" dynamic property of a widget or an action; 0 when it has none.
int HelpContextOf(QObject* object);
// The first non-zero help context met walking from `widget` out through its parents to its window.
int NearestHelpContext(QWidget* widget);

// Makes F1 ask for help in every window of the application: a highlighted menu item's context
// while a menu is open, else the context chain of the focused control (or of the active window).
// Where no context is found (0), F1 does nothing. Safe to call more than once.
void InstallF1Handler(QApplication& app);

// The page of the help file that a help context opens (the contents page for 0 or unknown).
QUrl TopicUrl(int context);
// Every page of the help file, contents first.
QList<QUrl> AllPages();

}  // namespace help
