// SPDX-License-Identifier: GPL-3.0-or-later
// TRatingDialog: the look the three rating dialogs share: a fuchsia window with a banner word, a message
// the engine chose and OK (plus "No" where the game offers a choice).
#pragma once

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
        // What the game does on each answer, for the game the dialog rated, before it goes away.
        void (game::Game::*ok)(const game::Rating&) = nullptr;
        void (game::Game::*no)(const game::Rating&) = nullptr;
    };

    // A rating of `game`'s games: the answers go to it.
    TRatingDialog(game::Game& game, const Design& design, QWidget* parent);

    // Shows the dialog without blocking. Hidden, it opens with the words of `rating` and answers
    // for its game; already up, it only comes to the front and keeps what it says, and so the
    // game its answer is for.
    void Open(const game::Rating& rating);

    // The words of a message the engine chose, in the player's language.
    static QString Words(const game::Rating& rating);

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
    // The message and whether the "No" button is offered with it; a screen reader reads the
    // rated score and par before the message (the dialog shows the message alone, as ever).
    void ShowMessage(const game::Rating& rating);

  private:
    void Answer(void (game::Game::*effect)(const game::Rating&));
    game::Game& m_game;
    game::Rating m_rated;  // what the dialog says, and the game its answer is for
};
