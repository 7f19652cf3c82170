// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's pages made from their table: the rows of each box, the level and rank
// choice boxes, the look of the groups, and the figures as the labels write them.
#include "dialogs/PerformanceTable.h"

#include <QComboBox>
#include <QLineEdit>

#include "engine/GameEnd.h"
#include "engine/History.h"
#include "ui/DialogLook.h"
#include "ui/NamedChoiceBox.h"

namespace performance {

// Group captions are bold and black; what the group holds keeps the window's regular font.
void StyleGroup(QWidget* box, bool silver) {
    box->setFont(ui::DialogFont(11, true));
    ui::SetWordsColour(*box, Qt::black);
    if (silver) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        box->setPalette(palette);
        box->setAutoFillBackground(true);
    }
}

// A control that does nothing in an offline game, with a tip saying why.
void Inert(QWidget* control, const QString& why) {
    control->setEnabled(false);
    control->setToolTip(why);
}

QString AverageText(const game::Tally& tally) {
    return ui::LocalDecimals(game::ReduceAverage(tally.totalFromPar, tally.games).Text());
}

// "1:07.4"; nothing when there is no time to show.
QString TimeText(std::int64_t ms) {
    return ms < 0 ? QString() : ui::LocalDecimals(game::TimeText(ms));
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

QComboBox* MakeChoiceBox(QWidget* box, int count, const QString& name, const QString& prompt, QRect place) {
    auto* combo = new QComboBox(box);
    NameChoiceBox(*combo, name);
    // The boxes were sized for a face whose prompt fitted beside a slimmer arrow: the narrow
    // cut of the same sans keeps "Choose Level" whole in 89 pixels.
    combo->setFont(ui::NarrowFace(ui::DialogFont(11, false)));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int item = 1; item <= count; ++item) combo->addItem(QString::number(item));
    combo->setGeometry(place);
    combo->setCurrentIndex(-1);
    combo->setEditText(prompt);
    combo->lineEdit()->setCursorPosition(0);  // show the prompt from its first letter
    return combo;
}

}  // namespace performance
