// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/DialogLook.h"

namespace ui {

QString Form::Translate(const char* source) const {
    return source ? QCoreApplication::translate(m_context, source) : QString();
}

QWidget* Form::Make(const ControlRow& row, QWidget* parent, const Maker& custom) const {
    const QString caption = Translate(row.caption);
    switch (row.kind) {
        case Kind::Label:
            return new QLabel(caption, parent);
        case Kind::PushButton:
            return new QPushButton(caption, parent);
        case Kind::CheckBox:
            return new QCheckBox(caption, parent);
        case Kind::GroupBox:
            return new QGroupBox(caption, parent);
        case Kind::Panel:
            return new QWidget(parent);
        case Kind::Bevel:
            return MakeBevel(parent, row.place);
        case Kind::Custom:
            return custom ? custom(row, caption, parent) : nullptr;
    }
    return nullptr;
}

QWidget* Form::Build(std::span<const ControlRow> rows, const Maker& custom) {
    QWidget* made = nullptr;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.parent ? m_controls.value(QByteArray(row.parent), &m_window) : &m_window;
        made = Make(row, parent, custom);
        if (!made)
            continue;
        if (row.name)
            made->setObjectName(QLatin1String(row.name));
        made->setGeometry(row.place);
        if (row.hint)
            made->setToolTip(Translate(row.hint));
        if (!row.visible)
            made->hide();
        if (row.name)
            m_controls.insert(QByteArray(row.name), made);
    }
    return made;
}

}  // namespace ui
