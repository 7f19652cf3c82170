// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FixedDialog.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "ui/DialogLook.h"

namespace ui {

FixedDialog::FixedDialog(QWidget* parent, const QString& caption, QSize client, Kind kind)
    : QDialog(parent), m_kind(kind) {
    // Centred by its frame as soon as the frame is known: a window to look at the first time
    // only, as it is placed (opened again, it stays where the player moved it), a question at
    // every showing.
    WhenFramed(*this, [this] { CenterOnScreen(*this); }, kind == Kind::Question);
    MakeFixedDialog(*this, caption, client.width(), client.height());
    setModal(false);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (m_kind == Kind::ToLookAt && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::showEvent(QShowEvent* event) {
    if (m_kind == Kind::Question ? !event->spontaneous() : !m_placed)
        CenterOnScreen(*this);
    if (!m_placed) {
        m_placed = true;
        FirstShown();
    }
    QDialog::showEvent(event);
}

}  // namespace ui
