// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress page's list of the chosen level's last games, newest first, with the button that
// plays the chosen one again. Its controls stand on the page itself, under the trend chart.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QPushButton;
class QRect;
class QTreeWidget;
class QWidget;

class TRecentGames : public QObject {
    Q_OBJECT

  public:
    // The list and its Play Again button, made on `page` under `chart`.
    TRecentGames(QWidget& page, const QRect& chart);

    // A listed game: when it was played (in the player's words), its result against par and its
    // code (empty for a game from before codes, which cannot be played again).
    struct Listed {
        QString when;
        std::int64_t fromPar = 0;
        QString code;
    };
    void Show(const std::vector<Listed>& games);
    // The code of the game chosen in the list; empty when none is, or it has none.
    QString ChosenCode() const;

  signals:
    // A listed game is to be played again (Play Again, Enter or a double click on its row).
    void playAgain(const QString& code);

  private:
    QTreeWidget* m_recent = nullptr;
    QPushButton* m_playAgain = nullptr;
};
