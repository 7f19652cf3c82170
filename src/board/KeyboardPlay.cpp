// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/KeyboardPlay.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

#include "artwork/Artwork.h"
#include "board/BoardControls.h"
#include "board/SpokenWords.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/Palette.h"
#include "engine/Game.h"
#include "ui/ColourWords.h"
#include "ui/SpokenLine.h"

namespace board {

TKeyboardPlay::TKeyboardPlay(QWidget& window, const TBoardControls& controls, const game::Game& game)
    : QObject(&window), m_window(window), m_c(controls), m_game(game) {
    // Tab: the painters in the board's own order (purple before green), the vertices in number
    // order, then the two buttons. Qt passes over what is hidden, disabled or (vertices out of a
    // game) off the tab ring.
    QList<QWidget*> ring{m_c.NavyPainter, m_c.MaroonPainter, m_c.PurplePainter, m_c.GreenPainter};
    for (int k = 1; k <= game::kMaxVertices; ++k) ring << m_c.OrbVertex[static_cast<std::size_t>(k)];
    ring << m_c.NewGame << m_c.DrawGraph;
    // Qt orders only controls that take the focus: the vertices do while the ring is made.
    QList<Qt::FocusPolicy> policies;
    for (QWidget* control : ring) {
        policies << control->focusPolicy();
        control->setFocusPolicy(Qt::TabFocus);
    }
    for (qsizetype i = 0; i + 1 < ring.size(); ++i) QWidget::setTabOrder(ring[i], ring[i + 1]);
    for (qsizetype i = 0; i < ring.size(); ++i) ring[i]->setFocusPolicy(policies[i]);
    for (QWidget* control : ring) control->installEventFilter(this);
    m_c.Surface->installEventFilter(this);

    auto* newPuzzle = new QAction(this);
    newPuzzle->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    newPuzzle->setShortcutContext(Qt::WindowShortcut);
    connect(newPuzzle, &QAction::triggered, this, &TKeyboardPlay::AskNewPuzzle);
    window.addAction(newPuzzle);
    for (int index = game::kNavy; index <= game::kPurple; ++index) {
        auto* key = new QShortcut(QKeySequence(Qt::Key_0 + index), &window);
        connect(key, &QShortcut::activated, this, [this, index] { PickPainter(index); });
    }
    // S: where the game stands (score, par, edges known, vertices left), whenever asked.
    auto* status = new QShortcut(QKeySequence(Qt::Key_S), &window);
    connect(status, &QShortcut::activated, this, [this] {
        SetKeyboard(true);
        Say(StatusWords(m_game));
    });
    connect(qApp, &QApplication::focusChanged, this, &TKeyboardPlay::UpdateMark);

    m_line = new ui::TSpokenLine(m_c.Surface);
}

void TKeyboardPlay::Say(const QString& words) {
    m_line->Say(words);
}

TOrbVertex1* TKeyboardPlay::BoardVertex(const QObject* object) const {
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        if (m_c.OrbVertex[static_cast<std::size_t>(k)] == object)
            return m_c.OrbVertex[static_cast<std::size_t>(k)];
    }
    return nullptr;
}

int TKeyboardPlay::VisibleVertices() const {
    int n = 0;
    while (n < game::kMaxVertices && !m_c.OrbVertex[static_cast<std::size_t>(n + 1)]->isHidden()) ++n;
    return n;
}

void TKeyboardPlay::WatchKeyedCommand(QAction* command) {
    command->installEventFilter(this);
}

void TKeyboardPlay::KeyedCommand() {
    SetKeyboard(true);
}

bool TKeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut:
            // A watched command reached by its key (a menu click triggers it without one).
            if (qobject_cast<QAction*>(watched))
                SetKeyboard(true);
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            SetKeyboard(false);
            return false;
        case QEvent::FocusOut:
            // What a move said is said; back on the vertex, its plain name is read.
            if (TOrbVertex1* vertex = BoardVertex(watched))
                vertex->Announce(QString());
            return false;
        case QEvent::KeyPress:
            break;
        default:
            return false;
    }
    SetKeyboard(true);
    TOrbVertex1* vertex = BoardVertex(watched);
    if (!vertex)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            Walk(vertex, key->key());
            return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!key->isAutoRepeat())
                Move(vertex);
            return true;
        default:
            return false;
    }
}

void TKeyboardPlay::Walk(TOrbVertex1* from, int key) {
    const int n = VisibleVertices();
    if (n < 1)
        return;
    int k = from->Number();
    switch (key) {
        case Qt::Key_Home:
            k = 1;
            break;
        case Qt::Key_End:
            k = n;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            k = k <= 1 ? n : k - 1;
            break;
        default:
            k = k >= n ? 1 : k + 1;
            break;
    }
    m_c.OrbVertex[static_cast<std::size_t>(k)]->setFocus(Qt::OtherFocusReason);
}

void TKeyboardPlay::MoveShown(const game::MoveReport& move) {
    m_move = move;
}

void TKeyboardPlay::Move(TOrbVertex1* vertex) {
    // The move is told below, whole, on the vertex it was made on; the neighbours it clears are
    // not followed by a screen reader, so they tell their own changes as they come.
    m_move.reset();
    vertex->setQuiet(true);
    vertex->Announce(QString());
    vertex->Click();
    vertex->setQuiet(false);
    if (!m_move)
        return;  // no move was made (the game is over)
    const game::MoveReport move = *m_move;
    m_move.reset();
    QStringList words{vertex->NumberAndColour()};
    for (int i = 0; i < move.clearedCount; ++i) {
        const game::ClearedNeighbour& cleared = move.cleared[static_cast<std::size_t>(i)];
        const QString said = cleared.edgeWasHidden
                                 ? QCoreApplication::translate("TKeyboardPlay", "cleared vertex %1, joined")
                                 : QCoreApplication::translate("TKeyboardPlay", "cleared vertex %1");
        words << said.arg(cleared.vertex);
    }
    words << QCoreApplication::translate("TKeyboardPlay", "score %1").arg(move.clicks);
    if (move.solved)
        words << artwork::PuzzleSolvedWords();
    // Read as the vertex's name until the focus leaves it, and said once now.
    vertex->Announce(words.join(QStringLiteral("; ")));
    // The move that solves the puzzle is told by the rating that opens with it, score and par.
    if (move.solved)
        return;
    // The player heard the vertex's number on arriving there a moment ago: the colour taken alone.
    words[0] = ui::FillWord(vertex->brushColor());
    // Commas, not the name's semicolons: a shorter pause between the parts of one move.
    Say(words.join(QStringLiteral(", ")));
}

void TKeyboardPlay::PickPainter(int colorIndex) {
    SetKeyboard(true);
    TColorButton* painter = m_c.Painter[static_cast<std::size_t>(colorIndex)];
    if (!painter->isVisible() || !painter->isEnabled())
        return;
    painter->Click();
    // The player hears the colour now in hand, and nothing more.
    Say(ui::PainterWord(colorIndex));
}

void TKeyboardPlay::AskNewPuzzle() {
    SetKeyboard(true);
    if (m_c.NewGame->isVisible() && m_c.NewGame->isEnabled())
        m_c.NewGame->click();
}

void TKeyboardPlay::NewPuzzleAsked() {
    m_playFocusPending = m_keyboard;
}

void TKeyboardPlay::PlayStarted() {
    if (!m_playFocusPending)
        return;
    m_playFocusPending = false;
    // Straight to the first vertex, where the play is (the digits pick the painters), with the
    // puzzle's size heard once as the focus arrives, before the vertex and its neighbours.
    TOrbVertex1* first = m_c.OrbVertex[1];
    if (first->isHidden() || !first->isEnabled())
        return;
    first->Introduce(PuzzleSizeWords(m_game) + QStringLiteral(". "));
    first->setFocus(Qt::OtherFocusReason);
    UpdateMark();
}

void TKeyboardPlay::PuzzleResumed() {
    m_playFocusPending = false;
    TOrbVertex1* first = m_c.OrbVertex[1];
    if (first->isHidden() || !first->isEnabled())
        return;
    first->Introduce(ResumedWords(m_game) + QStringLiteral(". "));
    first->setFocus(Qt::OtherFocusReason);
    UpdateMark();
}

void TKeyboardPlay::SetKeyboard(bool keyboard) {
    if (!keyboard)
        m_playFocusPending = false;
    if (keyboard == m_keyboard)
        return;
    m_keyboard = keyboard;
    UpdateMark();
}

void TKeyboardPlay::UpdateMark() {
    const QWidget* focus = m_window.focusWidget();
    bool marked = false;
    if (m_keyboard && focus && focus->isVisible()) {
        for (const TColorButton* painter : m_c.Painter) marked = marked || (painter && painter == focus);
        marked = marked || BoardVertex(focus) != nullptr;
    }
    m_c.Surface->SetFocusMark(marked ? focus : nullptr);
}

}  // namespace board
