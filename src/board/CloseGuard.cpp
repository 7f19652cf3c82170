// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/CloseGuard.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cerrno>
#include <cstring>

#include "engine/KeptPuzzle.h"
#include "engine/SettingsFile.h"

namespace board {

bool TCloseGuard::SaveBeforeClosing(QWidget& board, game::Game& game) {
    // The puzzle in play first, in its own file: it is kept whatever becomes of the settings.
    (void)game::KeepPuzzleInPlay(game);
    if (game::SaveSettings(game) == game::SaveOutcome::Saved)
        return true;
    const int reason = errno;
    const QString text = QCoreApplication::translate("TLevel1", "Unable to write to %1.")
                             .arg(QString::fromLatin1(game::kSettingsFileName));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("SpEcTrUmIx"), text, QMessageBox::Ok, &board);
    // Under it, the system's reason in its own words: a full disk, a folder in the file's place.
    box.setInformativeText(QString::fromLocal8Bit(std::strerror(reason)));
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    QAbstractButton* quit = box.addButton(QCoreApplication::translate("TLevel1", "Quit Without Saving"),
                                          QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == quit;
}

}  // namespace board
