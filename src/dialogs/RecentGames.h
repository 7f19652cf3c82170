// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress page's list of the chosen level's last games, newest first, with the buttons that
// play the chosen one again and open it in the game review. Its controls stand on the page itself, under the trend chart.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace game {
struct GameRecord;
}

class QPushButton;
class QRect;
class QTreeWidget;
class QWidget;

class TRecentGames : public QObject {
    Q_OBJECT

  public:
    // The list and its Play Again and Review buttons, made on `page` under `chart`.
    TRecentGames(QWidget& page, const QRect& chart);

    // A listed game: when it was played (in the player's words), its result against par and its
    // code (empty for a game from before codes, which cannot be played again).
    struct Listed {
        QString when;
        std::int64_t fromPar = 0;
        QString code;
        // Its clicks were kept with its code, so it can be reviewed.
        bool reviewable = false;
    };
    // A game of the history as the list shows it: its time in the player's words and locale.
    static Listed ListedOf(const game::GameRecord& game);
    void Show(const std::vector<Listed>& games);
    // The code of the game chosen in the list; empty when none is, or it has none.
    QString ChosenCode() const;
    // The row of the game chosen in the list when it can be reviewed, else -1.
    int ChosenReviewable() const;

  signals:
    // A listed game is to be played again (Play Again, Enter or a double click on its row).
    void playAgain(const QString& code);
    // The listed game of this row (0: the newest) is to be reviewed (Review).
    void reviewAsked(int row);

  private:
    void FollowChoice();
    QTreeWidget* m_recent = nullptr;
    QPushButton* m_playAgain = nullptr;
    QPushButton* m_review = nullptr;
};
