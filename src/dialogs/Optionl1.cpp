// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Optionl1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

#include "artwork/Artwork.h"
#include "dialogs/SpinEdit.h"
#include "engine/Views.h"
#include "services/HelpViewer.h"
#include "ui/DialogLook.h"
#include "ui/Form.h"

namespace {

constexpr int kGlyphSize = 16;

enum Tag : int { kPicture = 1, kField, kGlyphButton };

using ui::Kind;
// The dialog as the player sees it, in the order the controls stack.
// clang-format off
constexpr ui::ControlRow kOptionsTable[] = {
    {"Bevel1", Kind::Bevel, {9, 8, 277, 248}},
    {"Image1", Kind::Custom, {293, 9, 120, 160}, nullptr, nullptr, true, nullptr, kPicture},
    {"TeachingMode", Kind::CheckBox, {16, 16, 265, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Progess Through Levels (Teaching Mode)")},
    {"ShowEdges", Kind::CheckBox, {16, 42, 97, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Show Edges")},
    {"RandomNumberOfColors", Kind::CheckBox, {16, 68, 173, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Random Number of Colors")},
    {"NumOfColorsSpinEdit", Kind::Custom, {201, 61, 49, 22}, nullptr,
     QT_TRANSLATE_NOOP("TOptionsL1", "This determines how many colors are needed to color the graph."), true, nullptr, kField},
    {"RandomNumberOfVertices", Kind::CheckBox, {16, 94, 183, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Random Number of Vertices"),
     QT_TRANSLATE_NOOP("TOptionsL1", "Also turns Teach Mode off if selected")},
    {"VertNumSpinEdit", Kind::Custom, {201, 88, 49, 22}, nullptr,
     QT_TRANSLATE_NOOP("TOptionsL1", "This determines the number of vertices the graph has."), true, nullptr, kField},
    {"RandomEdgeProbability", Kind::CheckBox, {16, 120, 169, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Random Edge Probability")},
    {"EdgeNumFactorSpinEdit", Kind::Custom, {201, 115, 49, 22}, nullptr,
     QT_TRANSLATE_NOOP("TOptionsL1", "This determines how many edges the graph has."), true, nullptr, kField},
    {"ShowToolTips", Kind::CheckBox, {16, 145, 114, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Show Tool Tips")},
    // Kept for settings files that carry them; neither does anything yet, so the player never sees them.
    {"TimerBoolean", Kind::CheckBox, {16, 170, 169, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Timer (not working yet)"), nullptr, false},
    {"PlayComputer", Kind::CheckBox, {42, 172, 217, 17}, QT_TRANSLATE_NOOP("TOptionsL1", "Play Computer (not working yet)"), nullptr, false},
    {"OKBtn", Kind::Custom, {312, 173, 77, 27}, QT_TRANSLATE_NOOP("TOptionsL1", "OK"), nullptr, true, nullptr, kGlyphButton},
    {"BitBtn1", Kind::Custom, {313, 201, 77, 25}, QT_TRANSLATE_NOOP("TOptionsL1", "Cancel"), nullptr, true, nullptr, kGlyphButton},
    {"HelpBtn", Kind::Custom, {313, 229, 77, 27}, QT_TRANSLATE_NOOP("TOptionsL1", "&Help"), nullptr, true, nullptr, kGlyphButton},
};
// clang-format on

// How many characters may be typed into each number field (0: any number), and the name a
// screen reader gives it (the field stands beside its check box, not a label). Its limits are
// its setting's range.
struct FieldTyping {
    const char* name;
    int typed;
    const char* spoken;
};
constexpr FieldTyping kFieldTyping[] = {
    {"NumOfColorsSpinEdit", 0, QT_TRANSLATE_NOOP("TOptionsL1", "Number of Colors")},
    {"VertNumSpinEdit", 2, QT_TRANSLATE_NOOP("TOptionsL1", "Number of Vertices")},
    {"EdgeNumFactorSpinEdit", 2, QT_TRANSLATE_NOOP("TOptionsL1", "Edge Probability")},
};
// Every number field edits a number setting of the table. (Asked row by row, without comparing
// pointers, which the sanitizer build does not take as a constant expression.)
static_assert(std::ranges::all_of(kFieldTyping, [](const FieldTyping& typing) {
    return std::ranges::any_of(game::kSettings, [&](const game::SettingRow& row) {
        return row.control.name && std::string_view(row.control.name) == typing.name && !row.IsFlag();
    });
}));

}  // namespace

TOptionsL1::TOptionsL1(SettingsFlow flow, QWidget* parent)
    : ui::FixedDialog(parent, tr("SpEcTrUmIx Options"), {419, 261}, Kind::Question), m_flow(std::move(flow)) {
    setObjectName("OptionsL1");
    setProperty("helpContext", help::kSettingsTopic);
    setFont(ui::DialogFont(11, true));
    ui::KeepLightFace(*this);
    ui::SetWordsColour(*this, Qt::black);

    ui::Form form(*this, "TOptionsL1");
    form.Build(
        kOptionsTable, [](const ui::ControlRow& row, const QString& caption, QWidget* parent) -> QWidget* {
            if (row.tag == kPicture)
                return new artwork::TPicture(&artwork::TitleStarPicture, artwork::TitleStarWords(), parent);
            if (row.tag == kField) {
                for (const FieldTyping& typing : kFieldTyping) {
                    if (qstrcmp(typing.name, row.name) != 0)
                        continue;
                    const game::SettingRow* setting = game::SettingEditedBy(row.name);
                    auto* field = new TSpinEdit(setting->range.min, setting->range.max, parent);
                    field->SetMaxTypedLength(typing.typed);
                    field->keyFilter = &TOptionsL1::VertNumSpinEditKeyPress;
                    field->setAccessibleName(tr(typing.spoken));
                    return field;
                }
                return nullptr;
            }
            const QString name = QLatin1String(row.name);
            const QIcon glyph = name == QLatin1String("OKBtn")     ? ui::CheckMarkGlyph(kGlyphSize)
                                : name == QLatin1String("BitBtn1") ? ui::CrossGlyph()
                                                                   : ui::QuestionMarkGlyph();
            auto* button = new QPushButton(glyph, caption, parent);
            button->setIconSize(QSize(kGlyphSize, kGlyphSize));
            return button;
        });
    Bevel1 = form.get<QFrame>("Bevel1");
    Image1 = form.get<QLabel>("Image1");
    TeachingMode = form.get<QCheckBox>("TeachingMode");
    ShowEdges = form.get<QCheckBox>("ShowEdges");
    RandomNumberOfColors = form.get<QCheckBox>("RandomNumberOfColors");
    NumOfColorsSpinEdit = form.get<TSpinEdit>("NumOfColorsSpinEdit");
    RandomNumberOfVertices = form.get<QCheckBox>("RandomNumberOfVertices");
    VertNumSpinEdit = form.get<TSpinEdit>("VertNumSpinEdit");
    RandomEdgeProbability = form.get<QCheckBox>("RandomEdgeProbability");
    EdgeNumFactorSpinEdit = form.get<TSpinEdit>("EdgeNumFactorSpinEdit");
    ShowToolTips = form.get<QCheckBox>("ShowToolTips");
    TimerBoolean = form.get<QCheckBox>("TimerBoolean");
    PlayComputer = form.get<QCheckBox>("PlayComputer");
    OKBtn = form.get<QPushButton>("OKBtn");
    BitBtn1 = form.get<QPushButton>("BitBtn1");
    HelpBtn = form.get<QPushButton>("HelpBtn");
    TimerBoolean->setEnabled(false);
    PlayComputer->setEnabled(false);
    OKBtn->setDefault(true);
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

    // A box changed by code reacts just as it does to a click: the teaching-mode rule relies on
    // it, and each random box enables its number field exactly while it is unchecked.
    connect(TeachingMode, &QCheckBox::toggled, this, [this] { ApplyTeachingModeRule(); });
    for (const game::SettingRow& setting : game::kSettings) {
        if (!setting.control.randomBox)
            continue;
        QCheckBox* box = Box(setting.control.randomBox);
        TSpinEdit* field = Field(setting.control.name);
        connect(box, &QCheckBox::toggled, field, [box, field] { field->setEnabled(!box->isChecked()); });
    }
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });

    OKBtn->setFocus();
    FormCreate();
}

QChar TOptionsL1::VertNumSpinEditKeyPress(QChar key) {
    return key.isDigit() ? key : QChar(u'1');
}

QCheckBox* TOptionsL1::Box(const char* name) const {
    return findChild<QCheckBox*>(QLatin1String(name));
}

TSpinEdit* TOptionsL1::Field(const char* name) const {
    return findChild<TSpinEdit*>(QLatin1String(name));
}

void TOptionsL1::ShowSetting(const game::SettingRow& setting, const game::GameSettings& settings) {
    if (setting.IsFlag())
        Box(setting.control.name)->setChecked(setting.ValueIn(settings) != 0);
    else
        Field(setting.control.name)->SetValue(setting.ValueIn(settings));
}

void TOptionsL1::LoadFrom(const game::GameSettings& settings, Load when) {
    using game::ControlLoad;
    for (const game::SettingRow& setting : game::kSettings) {
        if (!setting.control.name)
            continue;
        if (when == Load::OnShow && setting.control.load != ControlLoad::EveryShowingToo)
            continue;
        if (when == Load::AtStart && setting.control.load == ControlLoad::CancelOnly)
            continue;
        if (setting.control.randomBox)
            Field(setting.control.name)->setEnabled(!Box(setting.control.randomBox)->isChecked());
        ShowSetting(setting, settings);
    }
    if (when != Load::OnShow)
        ApplyTeachingModeRule();
}

game::GameSettings TOptionsL1::Stored() const {
    game::GameSettings settings = m_flow.current ? m_flow.current() : game::GameSettings{};
    for (const game::SettingRow& setting : game::kSettings) {
        if (!setting.control.name)
            continue;
        // A number is taken clamped into its field's limits, non-numeric text counting as the minimum.
        setting.Store(settings, setting.IsFlag() ? Box(setting.control.name)->isChecked()
                                                 : Field(setting.control.name)->ClampedValue());
    }
    return settings;
}

void TOptionsL1::FollowGameChanges(const game::GameSettings& settings, unsigned changes) {
    // A teaching advance moves the edge mode and the vertex count of the next puzzle.
    if (changes & game::kShowEdgesChanged)
        ShowSetting(game::SettingOf(&game::GameSettings::ShowEdges), settings);
    if (changes & game::kVertexCountChanged)
        ShowSetting(game::SettingOf(&game::GameSettings::NumberOfVertices), settings);
}

void TOptionsL1::FormCreate() {
    if (m_flow.current)
        LoadFrom(m_flow.current(), Load::AtStart);
}

void TOptionsL1::FormShow() {
    if (m_flow.current)
        LoadFrom(m_flow.current(), Load::OnShow);
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

void TOptionsL1::OKBtnClick() {
    if (m_flow.apply)
        m_flow.apply(Stored());
    hide();
}

void TOptionsL1::BitBtn1Click() {
    if (m_flow.current)
        LoadFrom(m_flow.current(), Load::OnCancel);
    hide();
}

void TOptionsL1::HelpBtnClick() {
    help::ShowTopic(help::NearestHelpContext(HelpBtn));
}

void TOptionsL1::reject() {
    BitBtn1Click();
}

void TOptionsL1::FitCaptions() {
    if (m_captionsFitted)
        return;
    m_captionsFitted = true;
    // A translation may run longer than the captions were laid out for: the two boxes with a free
    // row beside them grow into it, inside the bevel; the buttons' words are set tighter.
    const int bevelInside = Bevel1->geometry().right() - 3;
    for (QCheckBox* box : {ShowEdges, ShowToolTips}) ui::FitCheckBox(*box, bevelInside);
    for (QPushButton* button : {OKBtn, BitBtn1, HelpBtn}) ui::FitCaption(*button);
}

void TOptionsL1::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FitCaptions();
        FormShow();
    }
    ui::FixedDialog::showEvent(event);
}

void TOptionsL1::closeEvent(QCloseEvent* event) {
    // The close box only puts the dialog away: the edits stay in the controls, unconfirmed.
    event->accept();
}
