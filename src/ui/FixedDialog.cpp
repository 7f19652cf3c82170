// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FixedDialog.h"

#include <QKeyEvent>

#include "ui/DialogLook.h"

namespace ui {

FixedDialog::FixedDialog(QWidget* parent, const QString& caption, QSize client) : QDialog(parent) {
    // Centred by its frame the first time only, as it is placed: opened again, it stays where
    // the player moved it.
    WhenFramed(*this, [this] { CenterOnScreen(*this); }, false);
    MakeFixedDialog(*this, caption, client.width(), client.height());
    setModal(false);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        CenterOnScreen(*this);
        FirstShown();
    }
    QDialog::showEvent(event);
}

}  // namespace ui
