// SPDX-License-Identifier: GPL-3.0-or-later
// TRatingDialog: the look the three rating dialogs share: a fuchsia window with a banner word, a message
// the engine chose and OK (plus "No" where the game offers a choice).
#pragma once

#include <cstdint>

#include "engine/Game.h"
#include "ui/FixedDialog.h"

class QFrame;
class QLabel;
class QPushButton;

// A fuchsia window with a banner word, a message and OK (plus "No" where the game offers a
// choice). Escape does nothing here: the player has to answer; the close box puts it away
// without any button's effect.
class TRatingDialog : public ui::FixedDialog {
    Q_OBJECT

  public:
    struct Design {
        QString caption;
        QSize clientSize;
        const char* word;  // the banner word, marked for translation in TRatingDialog's context
        QRect label;
        QRect okButton;
        QRect noButton;  // empty: the dialog has no "No"
        // What the game does on each answer, before the dialog goes away.
        void (game::Game::*ok)() = nullptr;
        void (game::Game::*no)() = nullptr;
    };

    // A rating of `game`'s games: the answers go to it.
    TRatingDialog(game::Game& game, const Design& design, QWidget* parent);

    // Shows the dialog without blocking. Hidden, it opens with the words of `rating`; already up,
    // it only comes to the front and keeps what it says.
    void Open(const game::Rating& rating);

    // The words of a message the engine chose, in the player's language.
    static QString Words(const game::Rating& rating);
    // The score the next message rates, and its par: a screen reader reads them before the
    // message (the dialog shows the message alone, as ever).
    void SetScore(std::int32_t score, std::int32_t par) {
        m_score = score;
        m_par = par;
    }

    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    QPushButton* OKBtn;
    QPushButton* NoButton = nullptr;

  public slots:
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The message and whether the "No" button is offered with it.
    void ShowMessage(const game::Rating& rating);

  private:
    void Answer(void (game::Game::*effect)());
    game::Game& m_game;
    std::int32_t m_score = -1;
    std::int32_t m_par = -1;
};
