// SPDX-License-Identifier: GPL-3.0-or-later
// TPuzzleCodeBox: the window "Puzzle Code", the code of the puzzle on the board and a field to
// play a puzzle by its code.
// The code is shown selectable, with a button that copies it; a code typed or pasted into the
// field is checked as it is typed, with a message saying what to look at, and played by the
// Play button or Enter once it names a puzzle. A class plays one puzzle this way: the teacher
// reads out or hands round a code, every pupil types it. Made when first opened, then
// only ever shown and hidden; it shows what it is handed and reads no record of the game.
#pragma once

#include <QString>

#include "engine/PuzzleCode.h"
#include "ui/FixedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class TSpokenLine;
}

class TPuzzleCodeBox : public ui::FixedDialog {
    Q_OBJECT

  public:
    explicit TPuzzleCodeBox(QWidget* parent = nullptr);

    // The code of the puzzle now on the board; empty before the first puzzle.
    void ShowCode(const QString& code);
    QString Code() const;

    // The words for what is wrong with a code (none for a good one or an empty field). While
    // the player is still typing, a code that is only too short is not wrong yet.
    static QString ProblemWords(const game::CodeReading& reading, bool typing);

    // Copy: the shown code goes to the clipboard.
    void CopyButtonClick();
    // Play (or Enter in the field): asks for the typed code's puzzle.
    void PlayButtonClick();

  signals:
    // The player asked to play this puzzle; `byKey` when with Enter rather than the button.
    void playAsked(const game::PuzzleRecipe& recipe, bool byKey);

  protected:
    void FirstShown() override;

  private:
    // Checks the field: the message and the Play button follow what it holds, read as given back.
    game::CodeReading CheckEntry(bool typing);
    // Enter and Play alike: the field's code checked as finished, its puzzle asked for if it names one.
    void PlayEntry(bool byKey);
    void ShowMessage(const QString& words);

    QLineEdit* m_code = nullptr;
    QPushButton* m_copy = nullptr;
    QLineEdit* m_entry = nullptr;
    QPushButton* m_play = nullptr;
    QLabel* m_message = nullptr;
    ui::TSpokenLine* m_spoken = nullptr;
};
