// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TabbedScores.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

#include "dialogs/MasteryMap.h"
#include "dialogs/PerformanceTable.h"
#include "engine/GameEnd.h"
#include "engine/History.h"
#include "services/HelpViewer.h"
#include "ui/CodeText.h"
#include "ui/DialogLook.h"
#include "ui/FocusTabs.h"
#include "ui/NamedChoiceBox.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <vector>

using namespace performance;


TPerformancePages::TPerformancePages(QWidget* parent, Pages pages)
    : ui::FixedDialog(parent, tr("Personal and Group Performance"), {639, 361}),
      m_form(*this, "TPerformancePages") {
    setObjectName(QStringLiteral("PerformancePages"));
    setFont(ui::DialogFont(11, false));
    // Its group captions are black, as the game has always shown them.
    ui::KeepLightFace(*this);

    m_form.Build(kFrameTable, [](const ui::ControlRow&, const QString&, QWidget* parent) -> QWidget* {
        return new ui::TFocusTabs(parent);
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
    for (const LevelBoxRow& box : kLevelBoxes) AddLevelBox(rows, box);
    rows.push_back(kProgressRow);
    m_form.Build(rows, [](const ui::ControlRow& row, const QString&, QWidget* parent) -> QWidget* {
        if (row.tag & kMap)
            return new TMasteryMap(parent);
        if (row.tag & kLevelBox)
            return MakeChoiceBox(parent, 66, tr("Level"), tr("Choose Level"), row.place);
        return MakeChoiceBox(parent, 20, tr("Player rank"), tr("Choose Player Rank"), row.place);
    });
    for (const ui::ControlRow& row : rows) {
        QWidget* control = m_form[row.name];
        if (row.tag & kGroup)
            StyleGroup(control, row.tag & kSilver);
        else if (row.kind == ui::Kind::Label || row.kind == ui::Kind::PushButton)
            control->setFont(ui::DialogFont(11, false));
    }
    for (const char* name : kOffline) Inert(m_form[name], tr(kOfflineHint));
    for (const char* name : kWrittenAlready) Inert(m_form[name], tr(kWrittenHint));

    // The four named level boxes answer through their own change reactions; the two session
    // boxes have none of their own.
    using Reaction = void (TPerformancePages::*)();
    constexpr std::array<Reaction, std::size(kLevelBoxes)> kReactions = {
        nullptr,
        &TPerformancePages::ByLevelPlayerchooseLevelChange,
        &TPerformancePages::ByLevelOthersChooseLevelChange,
        nullptr,
        &TPerformancePages::TimedPlayerChooseLevelChange,
        &TPerformancePages::TimedOthersChooseLevelChange};
    for (std::size_t i = 0; i < std::size(kLevelBoxes); ++i) {
        const LevelBoxRow& box = kLevelBoxes[i];
        auto* level = m_form.get<QComboBox>(box.level);
        if (kReactions[i])
            connect(level, &QComboBox::currentIndexChanged, this, kReactions[i]);
        else
            connect(level, &QComboBox::currentIndexChanged, this, [this, i] { ShowLevelBox(i); });
        if (box.column == kOthers)
            continue;
        auto* forget = m_form.get<QPushButton>(box.more[1]);
        forget->setEnabled(false);  // until a level is chosen
        connect(forget, &QPushButton::clicked, this, [this, i] { AskToForget(i); });
    }
    m_map = m_form.get<TMasteryMap>("MasteryMap");
    m_map->MarkCurrent(m_marked.first, m_marked.second);
    connect(m_map, &TMasteryMap::levelChosen, this, &TPerformancePages::ChooseLevel);
    connect(m_map, &TMasteryMap::playAgain, this, [this](const QString& code) {
        const game::CodeReading reading = ui::ReadCode(code);
        if (reading.ok())
            emit playAsked(reading.recipe);
    });
    connect(m_map, &TMasteryMap::reviewAsked, this, [this](int row) {
        if (row >= 0 && static_cast<std::size_t>(row) < m_listed.size())
            emit reviewAsked(m_listed[static_cast<std::size_t>(row)]);
    });
    Refresh();
}

void TPerformancePages::ShowLog(services::GameLog* log) {
    m_log = log;
    if (m_log)
        m_log->changed = [this] { Refresh(); };
    Refresh();
}

void TPerformancePages::MarkCurrentLevel(int vertices, bool edgesShown) {
    m_marked = {vertices, edgesShown};
    if (m_map)
        m_map->MarkCurrent(vertices, edgesShown);
}

const game::Figures& TPerformancePages::Figures(bool history) const {
    static const game::Figures none;
    if (!m_log)
        return none;
    if (!history)
        return m_log->SessionFigures();
    // The history is read only once the window has been opened, never while the game starts.
    return m_historyWanted ? m_log->HistoryFigures() : none;
}

void TPerformancePages::Refresh() {
    if (!m_pagesBuilt)
        return;
    for (std::size_t column = 0; column < 2; ++column) {
        const game::Tally tally = Figures(column == kPlayer).Of();
        const OverallBoxRow& box = kOverallBoxes[column];
        // Until the history has been read its figures are not known: the captions stand alone.
        const bool known = column != kPlayer || HistoryKnown();
        const QString values[] = {QString::number(tally.games), QString::number(tally.parOrBetter),
                                  tally.highestLevel ? QString::number(tally.highestLevel) : QString(),
                                  AverageText(tally)};
        for (std::size_t row = 0; row < std::size(values); ++row)
            m_form.get<QLabel>(box.labels[row])
                ->setText(tr(kOverallCaptions[row]) + (known ? values[row] : QString()));
    }
    // The file is read or rewritten meanwhile; the board stays in play.
    setCursor(m_log && m_log->Busy() ? Qt::BusyCursor : Qt::ArrowCursor);
    for (std::size_t i = 0; i < std::size(kLevelBoxes); ++i) ShowLevelBox(i);
    ShowProgress();

    auto* note = m_form.get<QLabel>("HistoryNote");
    const services::GameLog::Trouble trouble = m_log ? m_log->trouble() : services::GameLog::Trouble::None;
    const QString path = m_log ? QString::fromStdString(m_log->path()) : QString();
    QString words;
    if (trouble == services::GameLog::Trouble::CannotWrite)
        words = tr("Games cannot be saved to %1 (%2); the game goes on.")
                    .arg(path, QString::fromLocal8Bit(std::strerror(m_log->writeError())));
    else if (trouble == services::GameLog::Trouble::CannotRead)
        words = tr("The history %1 cannot be read.").arg(path);
    note->setText(note->fontMetrics().elidedText(words, Qt::ElideMiddle, note->width()));
    note->setToolTip(words);
    note->setVisible(!words.isEmpty());
}

void TPerformancePages::ShowProgress() {
    // The history holds this session's games too, unless it cannot be kept.
    const bool history = m_historyWanted && m_log && m_log->HistoryRead() &&
                         m_log->trouble() == services::GameLog::Trouble::None;
    const game::Figures& figures = Figures(history);
    TMasteryMap::Cells cells{};
    for (int level = 1; level < static_cast<int>(cells.size()); ++level) {
        const game::Tally tally = figures.Of(level);
        cells[static_cast<std::size_t>(level)] = {tally.games, tally.parOrBetter};
    }
    // The level's last games, newest first, each with its code to play it again and, where its
    // clicks were kept, to review it.
    static_assert(game::Figures::kRecentGames == TMasteryMap::kRecentGames);
    std::vector<TMasteryMap::RecentGame> recent;
    m_listed = figures.Recent(m_mapLevel);
    for (const game::GameRecord& game : m_listed) recent.push_back(TRecentGames::ListedOf(game));
    m_map->ShowCells(cells);
    m_map->ShowTrend(m_mapLevel, figures.Trend(m_mapLevel));
    m_map->ShowRecentGames(recent);
}

void TPerformancePages::ShowLevelBox(std::size_t index) {
    if (!m_pagesBuilt)
        return;
    const LevelBoxRow& box = kLevelBoxes[index];
    const int chosen = m_form.get<QComboBox>(box.level)->currentIndex();
    if (chosen < 0)
        return;  // nothing chosen yet: the captions stay as they are
    const int level = chosen + 1;
    const game::LevelShape shape = game::DecodeLevel(level);
    const auto label = [&](std::size_t row) { return m_form.get<QLabel>(box.labels[row]); };
    label(0)->setText(tr("Number of Vertices: ") + QString::number(shape.vertices));
    label(1)->setText(tr("Number of Colors: ") + QString::number(shape.colors));
    label(2)->setText(tr("Mode: ") + LevelModeText(shape.edgesShown));
    if (box.column == kOthers)
        return;
    m_form.get<QPushButton>(box.more[1])->setEnabled(true);
    const game::Tally tally = Figures(box.column == kPlayer).Of(level);
    const bool timed = box.captions != &kByLevelCaptions;
    const bool known = box.column != kPlayer || HistoryKnown();
    const QString values[] = {
        QString::number(timed ? tally.timed : tally.games),
        timed ? TimeText(tally.bestMs) : QString::number(tally.parOrBetter),
        timed ? TimeText(tally.timed ? tally.totalMs / tally.timed : -1) : AverageText(tally)};
    for (std::size_t row = 0; row < std::size(values); ++row)
        label(3 + row)->setText(tr((*box.captions)[3 + row]) + (known ? values[row] : QString()));
}

void TPerformancePages::ChooseLevel(int level) {
    m_mapLevel = level;
    for (const LevelBoxRow& box : kLevelBoxes) {
        if (box.column != kOthers)
            m_form.get<QComboBox>(box.level)->setCurrentIndex(level - 1);
    }
    ShowProgress();
}

void TPerformancePages::AskToForget(std::size_t index) {
    const LevelBoxRow& box = kLevelBoxes[index];
    const int level = m_form.get<QComboBox>(box.level)->currentIndex() + 1;
    if (level < 1 || !m_log)
        return;
    const bool history = box.column == kPlayer;
    auto* question = new QMessageBox(
        QMessageBox::Question, tr("Delete Data For This Level"),
        history ? tr("Delete every game of level %1 from your history? This cannot be undone.").arg(level)
                : tr("Delete every game of level %1 from this session's figures?").arg(level),
        QMessageBox::Yes | QMessageBox::No, this);
    question->setObjectName(QStringLiteral("ForgetLevelQuestion"));
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, history, level](int answer) {
        if (answer != QMessageBox::Yes || !m_log)
            return;
        if (!history) {
            m_log->ForgetSessionLevel(level);
            return;
        }
        // Rewritten off the board's thread; the figures follow when it is done.
        m_log->ForgetHistoryLevel(level, [this](bool rewritten) {
            if (rewritten)
                return;
            auto* note = m_form.get<QLabel>("HistoryNote");
            note->setText(tr("The history could not be rewritten (%1); nothing was deleted.")
                              .arg(QString::fromLocal8Bit(std::strerror(m_log->writeError()))));
            note->show();
        });
    });
    // Only this window waits for the answer; the board stays in play.
    question->open();
}

void TPerformancePages::ByLevelPlayerchooseLevelChange() {
    ShowLevelBox(1);
}
void TPerformancePages::ByLevelOthersChooseLevelChange() {
    ShowLevelBox(2);
}
void TPerformancePages::TimedPlayerChooseLevelChange() {
    ShowLevelBox(4);
}
void TPerformancePages::TimedOthersChooseLevelChange() {
    ShowLevelBox(5);
}

void TPerformancePages::PersonalAndGroupPerformanceOKButtonClick() {
    hide();
}

void TPerformancePages::HelpBtnClick() {
    help::ShowTopic(help::kStatisticsTopic);
}

void TPerformancePages::FirstShown() {
    BuildPages();
    m_historyWanted = true;
    Refresh();
}

void TPerformancePages::showEvent(QShowEvent* event) {
    ui::FixedDialog::showEvent(event);
    // A game kept waiting while another copy of the game held the history goes in now.
    if (m_log)
        m_log->WriteWaitingGames();
}
