// SPDX-License-Identifier: GPL-3.0-or-later
#include "State.h"

#include "Optionl1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include "Artwork.h"
#include "Board.h"
#include "DialogLook.h"
#include "HelpViewer.h"
#include "Puzzle.h"
#include "SpinEdit.h"

namespace {

constexpr int kGlyphSize = 16;

QIcon CrossGlyph() {
    return artwork::DrawnIcon(kGlyphSize, [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon QuestionMarkGlyph() {
    return artwork::DrawnIcon(kGlyphSize, [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = dialogs::DialogFont(15, true);
        QPainterPath mark;
        mark.addText(0, 0, font, "?");
        const QRectF bounds = mark.boundingRect();
        painter.translate(QPointF(kGlyphSize, kGlyphSize) / 2 - bounds.center());
        painter.setPen(QPen(QColor(0, 96, 128), 1));
        painter.setBrush(QColor(0, 255, 255));
        painter.drawPath(mark);
    });
}

QCheckBox* MakeBox(QWidget* parent, const QString& caption, const QRect& place) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(place);
    return box;
}

TSpinEdit* MakeField(QWidget* parent, int minValue, int maxValue, int typedLength, const QRect& place,
                     const QString& hint) {
    auto* field = new TSpinEdit(minValue, maxValue, parent);
    field->setGeometry(place);
    field->SetMaxTypedLength(typedLength);
    field->setToolTip(hint);
    field->keyFilter = &TOptionsL1::VertNumSpinEditKeyPress;
    return field;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QIcon& glyph, const QRect& place) {
    auto* button = new QPushButton(glyph, caption, parent);
    button->setGeometry(place);
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    return button;
}

}  // namespace

TOptionsL1::TOptionsL1(QWidget* parent) : QDialog(parent) {
    setObjectName("OptionsL1");
    dialogs::MakeFixedDialog(*this, tr("SpEcTrUmIx Options"), 419, 261);
    setProperty("helpContext", help::kSettingsTopic);
    setFont(dialogs::DialogFont(11, true));
    dialogs::KeepLightFace(*this);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    Bevel1 = dialogs::MakeBevel(this, QRect(9, 8, 277, 248));
    Image1 = new artwork::TPicture(&artwork::TitleStarPicture, artwork::TitleStarWords(), this);
    Image1->setGeometry(293, 9, 120, 160);

    TeachingMode = MakeBox(this, tr("Progess Through Levels (Teaching Mode)"), QRect(16, 16, 265, 17));
    ShowEdges = MakeBox(this, tr("Show Edges"), QRect(16, 42, 97, 17));
    RandomNumberOfColors = MakeBox(this, tr("Random Number of Colors"), QRect(16, 68, 173, 17));
    NumOfColorsSpinEdit = MakeField(this, game::kMinColors, game::kMaxColors, 0, QRect(201, 61, 49, 22),
                                    tr("This determines how many colors are needed to color the graph."));
    RandomNumberOfVertices = MakeBox(this, tr("Random Number of Vertices"), QRect(16, 94, 183, 17));
    RandomNumberOfVertices->setToolTip(tr("Also turns Teach Mode off if selected"));
    VertNumSpinEdit = MakeField(this, game::kMinVertices, game::kMaxVertices, 2, QRect(201, 88, 49, 22),
                                tr("This determines the number of vertices the graph has."));
    RandomEdgeProbability = MakeBox(this, tr("Random Edge Probability"), QRect(16, 120, 169, 17));
    EdgeNumFactorSpinEdit = MakeField(this, 1, 100, 2, QRect(201, 115, 49, 22),
                                      tr("This determines how many edges the graph has."));
    ShowToolTips = MakeBox(this, tr("Show Tool Tips"), QRect(16, 145, 114, 17));
    // Kept for settings files that carry them; neither does anything yet, so the player never sees them.
    TimerBoolean = MakeBox(this, tr("Timer (not working yet)"), QRect(16, 170, 169, 17));
    PlayComputer = MakeBox(this, tr("Play Computer (not working yet)"), QRect(42, 172, 217, 17));
    for (QCheckBox* unfinished : {TimerBoolean, PlayComputer}) {
        unfinished->setEnabled(false);
        unfinished->hide();
    }

    OKBtn = MakeButton(this, tr("OK"), dialogs::CheckMarkGlyph(kGlyphSize), QRect(312, 173, 77, 27));
    OKBtn->setDefault(true);
    BitBtn1 = MakeButton(this, tr("Cancel"), CrossGlyph(), QRect(313, 201, 77, 25));
    HelpBtn = MakeButton(this, tr("&Help"), QuestionMarkGlyph(), QRect(313, 229, 77, 27));
    HelpBtn->setProperty("helpContext", help::kSettingsTopic);

    QWidget* const tabOrder[] = {OKBtn,
                                 BitBtn1,
                                 HelpBtn,
                                 ShowEdges,
                                 RandomNumberOfColors,
                                 NumOfColorsSpinEdit,
                                 RandomNumberOfVertices,
                                 VertNumSpinEdit,
                                 RandomEdgeProbability,
                                 EdgeNumFactorSpinEdit,
                                 TimerBoolean,
                                 PlayComputer,
                                 ShowToolTips,
                                 TeachingMode};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // A box changed by code reacts just as it does to a click: the teaching-mode rule relies on it.
    connect(TeachingMode, &QCheckBox::toggled, this, [this] { TeachingModeClick(); });
    connect(RandomNumberOfColors, &QCheckBox::toggled, this, [this] { RandomNumberOfColorsClick(); });
    connect(RandomNumberOfVertices, &QCheckBox::toggled, this, [this] { RandomNumberOfVerticesClick(); });
    connect(RandomEdgeProbability, &QCheckBox::toggled, this, [this] { RandomEdgeProbabilityClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });

    OKBtn->setFocus();
    FormCreate();
}

QChar TOptionsL1::VertNumSpinEditKeyPress(QChar key) {
    return key.isDigit() ? key : QChar(u'1');
}

void TOptionsL1::FollowGameChanges(unsigned changes) {
    if (changes & game::kShowEdgesChanged)
        ShowEdges->setChecked(game::Settings.ShowEdges);
    if (changes & game::kVertexCountChanged)
        VertNumSpinEdit->SetValue(game::Settings.NumberOfVertices);
}

void TOptionsL1::FormCreate() {
    LoadFromSettings(false);
}

void TOptionsL1::LoadFromSettings(bool cancelling) {
    const game::GameSettings& s = game::Settings;
    ShowEdges->setChecked(s.ShowEdges);
    RandomNumberOfColors->setChecked(s.RandomNumberOfColors);
    NumOfColorsSpinEdit->setEnabled(!s.RandomNumberOfColors);
    NumOfColorsSpinEdit->SetValue(s.NumberOfColors);
    RandomNumberOfVertices->setChecked(s.RandomNumberOfVertices);
    VertNumSpinEdit->setEnabled(!s.RandomNumberOfVertices);
    VertNumSpinEdit->SetValue(s.NumberOfVertices);
    RandomEdgeProbability->setChecked(s.RandomEdgeProbability);
    EdgeNumFactorSpinEdit->setEnabled(!s.RandomEdgeProbability);
    EdgeNumFactorSpinEdit->SetValue(s.EdgeProbability);
    // At start-up the hidden box stays unchecked, so the first OK clears a PlayComputer
    // left on in the settings file; a Cancel copies it in first.
    if (cancelling)
        PlayComputer->setChecked(s.PlayComputer);
    ShowToolTips->setChecked(s.ShowToolTips);
    TeachingMode->setChecked(s.TeachingMode);
    ApplyTeachingModeRule();
}

void TOptionsL1::FormShow() {
    const game::GameSettings& s = game::Settings;
    NumOfColorsSpinEdit->SetValue(s.NumberOfColors);
    NumOfColorsSpinEdit->setEnabled(!RandomNumberOfColors->isChecked());
    VertNumSpinEdit->SetValue(s.NumberOfVertices);
    VertNumSpinEdit->setEnabled(!RandomNumberOfVertices->isChecked());
    EdgeNumFactorSpinEdit->SetValue(s.EdgeProbability);
    EdgeNumFactorSpinEdit->setEnabled(!RandomEdgeProbability->isChecked());
    ShowToolTips->setChecked(s.ShowToolTips);
}

void TOptionsL1::ApplyTeachingModeRule() {
    if (TeachingMode->isChecked()) {
        // The level decides edges and vertex count; colours and edge density are drawn at random.
        ShowEdges->setEnabled(false);
        RandomNumberOfColors->setChecked(true);
        RandomNumberOfColors->setEnabled(false);
        NumOfColorsSpinEdit->setEnabled(false);
        RandomNumberOfVertices->setChecked(false);
        RandomNumberOfVertices->setEnabled(false);
        VertNumSpinEdit->setEnabled(false);
        RandomEdgeProbability->setChecked(true);
        RandomEdgeProbability->setEnabled(false);
        EdgeNumFactorSpinEdit->setEnabled(false);
        return;
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             ShowEdges, RandomNumberOfColors, NumOfColorsSpinEdit, RandomNumberOfVertices, VertNumSpinEdit,
             RandomEdgeProbability, EdgeNumFactorSpinEdit}) {
        control->setEnabled(true);
    }
}

void TOptionsL1::TeachingModeClick() {
    ApplyTeachingModeRule();
}

void TOptionsL1::RandomNumberOfColorsClick() {
    NumOfColorsSpinEdit->setEnabled(!RandomNumberOfColors->isChecked());
}

void TOptionsL1::RandomNumberOfVerticesClick() {
    VertNumSpinEdit->setEnabled(!RandomNumberOfVertices->isChecked());
}

void TOptionsL1::RandomEdgeProbabilityClick() {
    EdgeNumFactorSpinEdit->setEnabled(!RandomEdgeProbability->isChecked());
}

void TOptionsL1::OKBtnClick() {
    game::GameSettings& s = game::Settings;
    s.ShowEdges = ShowEdges->isChecked();
    s.RandomNumberOfColors = RandomNumberOfColors->isChecked();
    s.NumberOfColors = NumOfColorsSpinEdit->ClampedValue();
    s.RandomNumberOfVertices = RandomNumberOfVertices->isChecked();
    s.NumberOfVertices = VertNumSpinEdit->ClampedValue();
    s.RandomEdgeProbability = RandomEdgeProbability->isChecked();
    s.EdgeProbability = EdgeNumFactorSpinEdit->ClampedValue();
    s.ShowToolTips = ShowToolTips->isChecked();
    s.TeachingMode = TeachingMode->isChecked();
    s.PlayComputer = PlayComputer->isChecked();
    if (applyToolTips)
        applyToolTips(s.ShowToolTips);
    // The new settings take effect at once, even in the middle of a game; that game is
    // simply dropped, neither rated nor counted against the streak.
    game::NewPuzzle();
    hide();
}

void TOptionsL1::BitBtn1Click() {
    LoadFromSettings(true);
    hide();
}

void TOptionsL1::HelpBtnClick() {
    help::ShowTopic(help::NearestHelpContext(HelpBtn));
}

void TOptionsL1::reject() {
    BitBtn1Click();
}

void TOptionsL1::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        dialogs::CenterOnScreen(*this);
        FormShow();
    }
    QDialog::showEvent(event);
}

void TOptionsL1::closeEvent(QCloseEvent* event) {
    // The close box only puts the dialog away: the edits stay in the controls, unconfirmed.
    event->accept();
}
