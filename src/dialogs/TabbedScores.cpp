// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TabbedScores.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/HelpViewer.h"
#include "dialogs/PerformanceTable.h"
#include "ui/DialogLook.h"

#include <algorithm>
#include <iterator>
#include <vector>

using namespace performance;

namespace {

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// Group captions are bold and black; what the group holds keeps the window's regular font.
void StyleGroup(QWidget* box, bool silver) {
    box->setFont(ui::DialogFont(11, true));
    SetTextColor(box, Qt::black);
    if (silver) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        box->setPalette(palette);
        box->setAutoFillBackground(true);
    }
}

void StyleNote(QWidget* note) {
    note->setFont(ui::DialogFont(20, false));
    SetTextColor(note, QColor(255, 0, 0));
    // The note was measured for a narrower face: let it grow to its text so no letter is cut off.
    note->resize(std::max(177, note->sizeHint().width()), 25);
}

// The rows of one box of the "Overall" page: the box, its label rows, others' rank box, its button.
void AddOverallBox(std::vector<ui::ControlRow>& rows, const OverallBoxRow& box) {
    rows.push_back({box.name, ui::Kind::GroupBox, box.place, box.caption, nullptr, true, "Overall", box.tag});
    for (std::size_t i = 0; i < box.labels.size() && box.labels[i]; ++i) {
        rows.push_back({box.labels[i],
                        ui::Kind::Label,
                        {8, 24 + 16 * static_cast<int>(i), box.place.width() - 12, 14},
                        kOverallCaptions[i],
                        nullptr,
                        true,
                        box.name});
    }
    if (box.rank)
        rows.push_back(
            {box.rank, ui::Kind::Custom, {8, 92, 121, 21}, nullptr, nullptr, true, box.name, kRankBox});
    rows.push_back(
        {box.button, ui::Kind::PushButton, box.buttonPlace, box.buttonCaption, nullptr, true, box.name});
}

// The rows of one box of a level page, in the order they were always made: the box, its level
// box, its label rows, others' rank box, its buttons.
void AddLevelBox(std::vector<ui::ControlRow>& rows, const LevelBoxRow& box) {
    const QRect place = kColumnPlace[box.column];
    rows.push_back({box.name, ui::Kind::GroupBox, place, box.caption, nullptr, true, box.page, kGroup});
    rows.push_back(
        {box.level, ui::Kind::Custom, {8, 24, 89, 21}, nullptr, nullptr, true, box.name, kLevelBox});
    // Each label as wide as the box leaves room for, so a figure after its caption shows whole.
    for (std::size_t i = 0; i < box.labels.size() && box.labels[i]; ++i) {
        rows.push_back({box.labels[i],
                        ui::Kind::Label,
                        {8, kRowTop[i], place.width() - 12, 14},
                        (*box.captions)[i],
                        nullptr,
                        true,
                        box.name});
    }
    if (box.more[2])
        rows.push_back(
            {box.more[2], ui::Kind::Custom, {8, 152, 121, 21}, nullptr, nullptr, true, box.name, kRankBox});
    for (std::size_t i = 0; i < 2 && box.more[i]; ++i) {
        const ButtonRow& button = kColumnButtons[box.column][i];
        rows.push_back(
            {box.more[i], ui::Kind::PushButton, button.place, button.caption, nullptr, true, box.name});
    }
}

QComboBox* MakeChoiceBox(QWidget* box, int count, const QString& prompt, QRect place) {
    auto* combo = new QComboBox(box);
    // The boxes were sized for a face whose prompt fitted beside a slimmer arrow: the narrow
    // cut of the same sans keeps "Choose Level" whole in 89 pixels.
    QFont narrow = ui::DialogFont(11, false);
    narrow.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                        QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
    combo->setFont(narrow);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int item = 1; item <= count; ++item) combo->addItem(QString::number(item));
    combo->setGeometry(place);
    combo->setCurrentIndex(-1);
    combo->setEditText(prompt);
    combo->lineEdit()->setCursorPosition(0);  // show the prompt from its first letter
    return combo;
}

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

TPerformancePages::TPerformancePages(QWidget* parent, Pages pages)
    : ui::FixedDialog(parent, tr("Personal and Group Performance"), {639, 361}),
      m_form(*this, "TPerformancePages") {
    setObjectName(QStringLiteral("PerformancePages"));
    setFont(ui::DialogFont(11, false));
    // Its group captions are black, as the game has always shown them.
    ui::KeepLightFace(*this);

    m_form.Build(kFrameTable, [](const ui::ControlRow&, const QString&, QWidget* parent) -> QWidget* {
        return new QTabWidget(parent);
    });
    auto* tabs = m_form.get<QTabWidget>("PageControl1");
    for (const ui::ControlRow& row : kFrameTable) {
        if (row.tag & kHelp)
            m_form[row.name]->setProperty("helpContext", help::kStatisticsTopic);
        if (row.kind == ui::Kind::PushButton)
            m_form[row.name]->setFont(ui::DialogFont(11, false));
        if (row.tag & kPage)
            tabs->addTab(m_form[row.name], m_form.Translate(row.caption));
    }
    tabs->setCurrentWidget(m_form["TimedGames"]);

    auto* ok = m_form.get<QPushButton>("PersonalAndGroupPerformanceOKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TPerformancePages::PersonalAndGroupPerformanceOKButtonClick);
    connect(m_form.get<QPushButton>("HelpBtn"), &QPushButton::clicked, this,
            &TPerformancePages::HelpBtnClick);

    ok->setFocus();
    if (pages == Pages::BuiltNow)
        BuildPages();
}

void TPerformancePages::BuildPages() {
    if (m_pagesBuilt)
        return;
    m_pagesBuilt = true;
    std::vector<ui::ControlRow> rows;
    for (const OverallBoxRow& box : kOverallBoxes) AddOverallBox(rows, box);
    rows.push_back(kPageNotes[0]);
    for (const LevelBoxRow& box : kLevelBoxes) AddLevelBox(rows, box);
    rows.insert(rows.end(), std::begin(kPageNotes) + 1, std::end(kPageNotes));
    m_form.Build(rows, [this](const ui::ControlRow& row, const QString&, QWidget* parent) -> QWidget* {
        if (row.tag & kLevelBox)
            return MakeChoiceBox(parent, 66, tr("Choose Level"), row.place);
        return MakeChoiceBox(parent, 20, tr("Choose Player Rank"), row.place);
    });
    for (const ui::ControlRow& row : rows) {
        QWidget* control = m_form[row.name];
        if (row.tag & kGroup)
            StyleGroup(control, row.tag & kSilver);
        else if (row.kind == ui::Kind::Label || row.kind == ui::Kind::PushButton)
            control->setFont(ui::DialogFont(11, false));
        if (row.tag & kNote)
            StyleNote(control);
    }

    void (TPerformancePages::*const reactions[])() = {&TPerformancePages::ByLevelPlayerchooseLevelChange,
                                                      &TPerformancePages::ByLevelOthersChooseLevelChange,
                                                      &TPerformancePages::TimedPlayerChooseLevelChange,
                                                      &TPerformancePages::TimedOthersChooseLevelChange};
    for (std::size_t i = 0; i < std::size(kReadoutBoxes); ++i) {
        connect(m_form.get<QComboBox>(kLevelBoxes[kReadoutBoxes[i]].level), &QComboBox::currentIndexChanged,
                this, reactions[i]);
    }
}

void TPerformancePages::ShowChosenLevel(std::size_t index) {
    const LevelBoxRow& box = kLevelBoxes[kReadoutBoxes[index]];
    const int chosen = m_form.get<QComboBox>(box.level)->currentIndex();
    if (chosen < 0)
        return;  // nothing chosen yet: the captions stay as they are
    const PerformanceLevel level = DecodeLevel(chosen + 1);
    m_form.get<QLabel>(box.labels[0])->setText(tr("Number of Vertices: ") + QString::number(level.vertices));
    m_form.get<QLabel>(box.labels[1])->setText(tr("Number of Colors: ") + QString::number(level.colors));
    m_form.get<QLabel>(box.labels[2])->setText(tr("Mode: ") + LevelModeText(level.showEdges));
}

void TPerformancePages::ByLevelPlayerchooseLevelChange() {
    ShowChosenLevel(0);
}
void TPerformancePages::ByLevelOthersChooseLevelChange() {
    ShowChosenLevel(1);
}
void TPerformancePages::TimedPlayerChooseLevelChange() {
    ShowChosenLevel(2);
}
void TPerformancePages::TimedOthersChooseLevelChange() {
    ShowChosenLevel(3);
}

void TPerformancePages::PersonalAndGroupPerformanceOKButtonClick() {
    hide();
}

void TPerformancePages::HelpBtnClick() {
    help::ShowTopic(help::kStatisticsTopic);
}

void TPerformancePages::FirstShown() {
    BuildPages();
}
