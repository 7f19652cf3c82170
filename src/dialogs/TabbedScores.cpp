// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TabbedScores.h"

#include <QKeyEvent>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/HelpViewer.h"
#include "ui/DialogLook.h"

#include <algorithm>
#include <array>

namespace {

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// Group captions are bold and black; what the group holds keeps the window's regular font.
QGroupBox* MakeGroup(QWidget* page, const char* name, const QString& caption, QRect geometry,
                     bool silver = false) {
    auto* box = new QGroupBox(caption, page);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFont(ui::DialogFont(11, true));
    SetTextColor(box, Qt::black);
    if (silver) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        box->setPalette(palette);
        box->setAutoFillBackground(true);
    }
    return box;
}

QLabel* MakeLabel(QGroupBox* box, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, box);
    label->setObjectName(QLatin1String(name));
    label->setFont(ui::DialogFont(11, false));
    // Wide enough for the longest caption a decoded level gives.
    label->setGeometry(left, top, box->width() - left - 4, 14);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(ui::DialogFont(11, false));
    button->setGeometry(geometry);
    return button;
}

QComboBox* MakeChoiceBox(QGroupBox* box, const char* name, int count, const QString& prompt, QRect geometry) {
    auto* combo = new QComboBox(box);
    combo->setObjectName(QLatin1String(name));
    // The boxes were sized for a face whose prompt fitted beside a slimmer arrow: the narrow
    // cut of the same sans keeps "Choose Level" whole in 89 pixels.
    QFont narrow = ui::DialogFont(11, false);
    narrow.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                        QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
    combo->setFont(narrow);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int item = 1; item <= count; ++item) combo->addItem(QString::number(item));
    combo->setGeometry(geometry);
    combo->setCurrentIndex(-1);
    combo->setEditText(prompt);
    combo->lineEdit()->setCursorPosition(0);  // show the prompt from its first letter
    return combo;
}

QComboBox* MakeLevelBox(QGroupBox* box, const char* name) {
    return MakeChoiceBox(box, name, 66, QCoreApplication::translate("TPerformancePages", "Choose Level"),
                         {8, 24, 89, 21});
}

QComboBox* MakeRankBox(QGroupBox* box, const char* name, int left, int top) {
    return MakeChoiceBox(box, name, 20,
                         QCoreApplication::translate("TPerformancePages", "Choose Player Rank"),
                         {left, top, 121, 21});
}

void MakeNotImplementedNote(QWidget* page, const char* name) {
    auto* note = new QLabel(QCoreApplication::translate("TPerformancePages", "Not implemented yet"), page);
    note->setObjectName(QLatin1String(name));
    note->setFont(ui::DialogFont(20, false));
    SetTextColor(note, QColor(255, 0, 0));
    // The note was measured for a narrower face: let it grow to its text so no letter is cut off.
    note->setGeometry(224, 256, std::max(177, note->sizeHint().width()), 25);
}

// The three boxes of the "By Level" and "Timed Games" pages stand at the same places.
constexpr QRect kLeftBox(9, 3, 194, 238);
constexpr QRect kMiddleBox(209, 3, 194, 238);
constexpr QRect kRightBox(409, 2, 206, 239);

constexpr int kLabelRows[] = {56, 72, 88, 104, 120, 136, 152};

// The buttons under the label rows: two stacked ones, or one below the rank box.
constexpr QRect kUpperButton(8, 179, 137, 23);
constexpr QRect kLowerButton(8, 203, 137, 23);
constexpr QRect kDataButton(7, 182, 126, 22);

}  // namespace

PerformanceLevel DecodeLevel(int level) {
    PerformanceLevel decoded;
    decoded.vertices = 6 + (level - 1) / 6;
    switch (level % 6) {
        case 1:
        case 2:
            decoded.colors = 2;
            break;
        case 3:
        case 4:
            decoded.colors = 3;
            break;
        default:
            decoded.colors = 4;
            break;
    }
    decoded.showEdges = level % 2 != 0;
    return decoded;
}

QString LevelModeText(bool showEdges) {
    return showEdges ? QCoreApplication::translate("TPerformancePages", "Show edges")
                     : QCoreApplication::translate("TPerformancePages", "Do not show edges");
}

TPerformancePages::TPerformancePages(QWidget* parent, Pages pages) : QDialog(parent) {
    setObjectName(QStringLiteral("PerformancePages"));
    setWindowTitle(tr("Personal and Group Performance"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFixedSize(639, 361);
    setFont(ui::DialogFont(11, false));
    // Its group captions are black, as the game has always shown them.
    ui::KeepLightFace(*this);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, 639, 327);

    m_pages = new QTabWidget(panel1);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(5, 5, 629, 317);
    m_pages->setProperty("helpContext", help::kStatisticsTopic);

    auto* overall = new QWidget;
    overall->setObjectName(QStringLiteral("Overall"));
    auto* byLevel = new QWidget;
    byLevel->setObjectName(QStringLiteral("ByLevel"));
    byLevel->setProperty("helpContext", help::kStatisticsTopic);
    auto* timed = new QWidget;
    timed->setObjectName(QStringLiteral("TimedGames"));
    m_pages->addTab(overall, tr("Overall"));
    m_pages->addTab(byLevel, tr("By Level"));
    m_pages->addTab(timed, tr("Timed Games"));

    m_pages->setCurrentWidget(timed);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(0, 327, 639, 34);
    panel2->setProperty("helpContext", help::kStatisticsTopic);
    auto* ok = MakeButton(panel2, "PersonalAndGroupPerformanceOKButton", tr("OK"), {267, 2, 75, 25});
    ok->setDefault(true);
    auto* helpButton = MakeButton(panel2, "HelpBtn", tr("&Help"), {347, 2, 75, 25});
    connect(ok, &QPushButton::clicked, this, &TPerformancePages::PersonalAndGroupPerformanceOKButtonClick);
    connect(helpButton, &QPushButton::clicked, this, &TPerformancePages::HelpBtnClick);

    ok->setFocus();
    if (pages == Pages::BuiltNow)
        BuildPages();
}

void TPerformancePages::BuildPages() {
    if (m_pagesBuilt)
        return;
    m_pagesBuilt = true;
    BuildOverallPage(m_pages->widget(0));
    BuildByLevelPage(m_pages->widget(1));
    BuildTimedPage(m_pages->widget(2));

    const auto onChoice = [this](QComboBox* combo, void (TPerformancePages::*reaction)()) {
        connect(combo, &QComboBox::currentIndexChanged, this, reaction);
    };
    onChoice(m_byLevelPlayer.level, &TPerformancePages::ByLevelPlayerchooseLevelChange);
    onChoice(m_byLevelOthers.level, &TPerformancePages::ByLevelOthersChooseLevelChange);
    onChoice(m_timedPlayer.level, &TPerformancePages::TimedPlayerChooseLevelChange);
    onChoice(m_timedOthers.level, &TPerformancePages::TimedOthersChooseLevelChange);
}

void TPerformancePages::BuildOverallPage(QWidget* page) {
    auto* session = MakeGroup(page, "GroupBox9", tr("Your Performance This Session"), {8, 0, 185, 153}, true);
    MakeLabel(session, "Label15", tr("Total Number of Games: "), 8, 24);
    MakeLabel(session, "Label16", tr("Par or Better Scores: "), 8, 40);
    MakeLabel(session, "Label17", tr("Highest Level Played: "), 8, 56);
    MakeLabel(session, "Label18", tr("Average From Par: "), 8, 72);
    MakeButton(session, "Button5", tr("Write to History"), {10, 120, 124, 22});

    auto* player = MakeGroup(page, "GroupBox3", tr("Your Overall Performance"), {208, 0, 185, 153}, true);
    MakeLabel(player, "OverallPlayerNumberOfGames", tr("Total Number of Games: "), 8, 24);
    MakeLabel(player, "OverallPlayerParOrBetterScores", tr("Par or Better Scores: "), 8, 40);
    MakeLabel(player, "OverallPlayerHighestLevelPlayed", tr("Highest Level Played: "), 8, 56);
    MakeLabel(player, "OverallPlayerAverageFromPar", tr("Average From Par: "), 8, 72);
    MakeLabel(player, "OverallPlayerOverallRaning", tr("Overall Ranking:"), 8, 88);
    MakeButton(player, "OverallPlayerGetRankButton", tr("Get Rank From Internet"), {10, 120, 124, 22});

    auto* others = MakeGroup(page, "GroupBox1", tr("Others' Performance"), {408, 0, 201, 153});
    MakeLabel(others, "OverallOthersTotalNumberOfGames", tr("Total Number of Games: "), 8, 24);
    MakeLabel(others, "OverallOthersParOrBetterScores", tr("Par or Better Scores: "), 8, 40);
    MakeLabel(others, "OverallOthersHighestLevelPlayed", tr("Highest Level Played: "), 8, 56);
    MakeLabel(others, "OverallOthersAverageFromPar", tr("Average From Par: "), 8, 72);
    MakeRankBox(others, "OverallOthersChooseRank", 8, 92);
    MakeButton(others, "OverallOthersGetDataButton", tr("Get Data From Internet"), {7, 119, 138, 22});

    MakeNotImplementedNote(page, "N");
}

void TPerformancePages::BuildByLevelPage(QWidget* page) {
    BuildLevelGroup(page, {"GroupBox8",
                           QT_TR_NOOP("Your Current Session"),
                           kLeftBox,
                           "ComboBox2",
                           {{{"Label8", QT_TR_NOOP("Number of Vertices: ")},
                             {"Label9", QT_TR_NOOP("Number of Colors: ")},
                             {"Label10", QT_TR_NOOP("Mode:")},
                             {"Label11", QT_TR_NOOP("Number of Games Played: ")},
                             {"Label12", QT_TR_NOOP("Par or Better Scores: ")},
                             {"Label13", QT_TR_NOOP("Average From Par: ")}}},
                           nullptr,
                           {{{"Button3", QT_TR_NOOP("Write to History"), kUpperButton},
                             {"Button4", QT_TR_NOOP("Delete Data For This Level"), kLowerButton}}}});
    m_byLevelPlayer = BuildLevelGroup(
        page,
        {"GroupBox2",
         QT_TR_NOOP("Your Performance by Level"),
         kMiddleBox,
         "ByLevelPlayerchooseLevel",
         {{{"ByLevelPlayerNumberOfVertices", QT_TR_NOOP("Number of Vertices: ")},
           {"ByLevelPlayerNumberofColors", QT_TR_NOOP("Number of Colors: ")},
           {"ByLevelPlayerMode", QT_TR_NOOP("Mode:")},
           {"ByLevelPlayerNumOfGamesPlayed", QT_TR_NOOP("Number of Games Played: ")},
           {"ByLevelPlayerParOrBetterScores", QT_TR_NOOP("Par or Better Scores: ")},
           {"ByLevelPlayerAverageFromPar", QT_TR_NOOP("Average From Par: ")},
           {"ByLevelPlayerRanking", QT_TR_NOOP("Ranking:")}}},
         nullptr,
         {{{"ByLevelPlayerRankButton", QT_TR_NOOP("Get Rank From Internet"), kUpperButton},
           {"ByLevelPlayerDeleteDataButton", QT_TR_NOOP("Delete Data For This Level"), kLowerButton}}}});
    m_byLevelOthers = BuildLevelGroup(
        page, {"GroupBox4",
               QT_TR_NOOP("Others' Performance By Level"),
               kRightBox,
               "ByLevelOthersChooseLevel",
               {{{"ByLevelOthersNumberOfVertices", QT_TR_NOOP("Number of Vertices: ")},
                 {"ByLevelOthersNumberOfColors", QT_TR_NOOP("Number of Colors: ")},
                 {"ByLevelOthersMode", QT_TR_NOOP("Mode:")},
                 {"ByLevelOthersNumberOfGamesPlayed", QT_TR_NOOP("Number of Games Played: ")},
                 {"ByLevelOthersParOrBetterScores", QT_TR_NOOP("Par or Better Scores: ")},
                 {"ByLevelOthersAverageFromPar", QT_TR_NOOP("Average From Par: ")}}},
               "ByLevelOthersChooseRank",
               {{{"ByLevelOthersGetDataButton", QT_TR_NOOP("Get Data From Internet"), kDataButton}}}});
    MakeNotImplementedNote(page, "Label7");
}

void TPerformancePages::BuildTimedPage(QWidget* page) {
    BuildLevelGroup(page, {"GroupBox7",
                           QT_TR_NOOP("Your Current Session"),
                           kLeftBox,
                           "ComboBox1",
                           {{{"Label1", QT_TR_NOOP("Number of Vertices: ")},
                             {"Label2", QT_TR_NOOP("Number of Colors: ")},
                             {"Label3", QT_TR_NOOP("Mode:")},
                             {"Label4", QT_TR_NOOP("Number of Games Played: ")},
                             {"Label5", QT_TR_NOOP("Best Time : ")},
                             {"Label6", QT_TR_NOOP("Average Time: ")}}},
                           nullptr,
                           {{{"Button1", QT_TR_NOOP("Write to History"), kUpperButton},
                             {"Button2", QT_TR_NOOP("Delete Data For This Level"), kLowerButton}}}});
    m_timedPlayer = BuildLevelGroup(
        page, {"GroupBox5",
               QT_TR_NOOP("Your History By Level"),
               kMiddleBox,
               "TimedPlayerChooseLevel",
               {{{"TimedPlayerNumberOfVertices", QT_TR_NOOP("Number of Vertices: ")},
                 {"TimedPlayerNumberOfColors", QT_TR_NOOP("Number of Colors: ")},
                 {"TimedPlayerMode", QT_TR_NOOP("Mode:")},
                 {"TimedPlayerNumberOfGamesPlayed", QT_TR_NOOP("Number of Games Played: ")},
                 {"TimedPlayerBestTime", QT_TR_NOOP("Best Time : ")},
                 {"TimedPlayerAverageTime", QT_TR_NOOP("Average Time: ")},
                 {"TimedPlayerRanking", QT_TR_NOOP("Ranking:")}}},
               nullptr,
               {{{"TimedPlayerGetRankButton", QT_TR_NOOP("Get Rank From Internet"), kUpperButton},
                 {"TimedPlayerDeleteDataButton", QT_TR_NOOP("Delete Data For This Level"), kLowerButton}}}});
    m_timedOthers = BuildLevelGroup(
        page, {"GroupBox6",
               QT_TR_NOOP("Others' Performance By Level"),
               kRightBox,
               "TimedOthersChooseLevel",
               {{{"TimedOthersNumberOfVertices", QT_TR_NOOP("Number of Vertices: ")},
                 {"TimedOthersNumberOfColors", QT_TR_NOOP("Number of Colors: ")},
                 {"TimedOthersMode", QT_TR_NOOP("Mode:")},
                 {"TimedOthersNumberOfGamesPlayed", QT_TR_NOOP("Number of Games Played: ")},
                 {"TimedOthersBestTime", QT_TR_NOOP("Best Time: ")},
                 {"TimedOthersAverageTime", QT_TR_NOOP("Average Time: ")}}},
               "TimedOthersChooseRank",
               {{{"TimedOthersGetDataButton", QT_TR_NOOP("Get Data From Internet"), kDataButton}}}});
    MakeNotImplementedNote(page, "Label14");
}

TPerformancePages::LevelReadout TPerformancePages::BuildLevelGroup(QWidget* page,
                                                                   const LevelGroupLayout& layout) {
    auto* group = MakeGroup(page, layout.name, tr(layout.caption), layout.place);
    LevelReadout readout;
    readout.level = MakeLevelBox(group, layout.levelBox);
    std::array<QLabel*, 7> labels{};
    for (std::size_t row = 0; row < layout.labels.size() && layout.labels[row].name; ++row) {
        labels[row] =
            MakeLabel(group, layout.labels[row].name, tr(layout.labels[row].text), 8, kLabelRows[row]);
    }
    // The first three rows are the ones a chosen level fills in.
    readout.vertices = labels[0];
    readout.colors = labels[1];
    readout.mode = labels[2];
    if (layout.rankBox)
        MakeRankBox(group, layout.rankBox, 8, 152);
    for (const auto& button : layout.buttons) {
        if (button.name)
            MakeButton(group, button.name, tr(button.text), button.place);
    }
    return readout;
}

void TPerformancePages::ShowChosenLevel(const LevelReadout& readout) {
    const int chosen = readout.level->currentIndex();
    if (chosen < 0)
        return;  // nothing chosen yet: the captions stay as they are
    const PerformanceLevel level = DecodeLevel(chosen + 1);
    readout.vertices->setText(tr("Number of Vertices: ") + QString::number(level.vertices));
    readout.colors->setText(tr("Number of Colors: ") + QString::number(level.colors));
    readout.mode->setText(tr("Mode: ") + LevelModeText(level.showEdges));
}

void TPerformancePages::ByLevelPlayerchooseLevelChange() {
    ShowChosenLevel(m_byLevelPlayer);
}
void TPerformancePages::ByLevelOthersChooseLevelChange() {
    ShowChosenLevel(m_byLevelOthers);
}
void TPerformancePages::TimedPlayerChooseLevelChange() {
    ShowChosenLevel(m_timedPlayer);
}
void TPerformancePages::TimedOthersChooseLevelChange() {
    ShowChosenLevel(m_timedOthers);
}

void TPerformancePages::PersonalAndGroupPerformanceOKButtonClick() {
    hide();
}

void TPerformancePages::HelpBtnClick() {
    help::ShowTopic(help::kStatisticsTopic);
}

void TPerformancePages::showEvent(QShowEvent* event) {
    BuildPages();
    if (!m_placed) {
        m_placed = true;
        ui::CenterOnScreen(*this);
    }
    QDialog::showEvent(event);
}

void TPerformancePages::keyPressEvent(QKeyEvent* event) {
    // Only OK and the close box put the window away: it has no cancel button for Escape.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
