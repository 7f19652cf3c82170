// SPDX-License-Identifier: GPL-3.0-or-later
// ui::Form: a window's controls built from one table shaped like the game's own control tables.
//
// Each row names a control the way the game names it, says what kind of control it is, where it
// stands (left, top, width, height in its parent's client pixels), its caption and its hint (both
// English source texts, translated in the form's context), whether it shows at first, and the
// box or panel of the same table it stands in. The rows are made in table order, which is also
// the order the controls stack in and the order Tab walks them unless the form says otherwise.
// What a control does lives beside the table, in the form's own code.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QRect>
#include <QWidget>

#include <functional>
#include <span>

namespace ui {

enum class Kind {
    Label,       // QLabel
    PushButton,  // QPushButton
    CheckBox,    // QCheckBox
    GroupBox,    // QGroupBox with the caption as its title
    Panel,       // a plain QWidget that holds other rows
    Bevel,       // a lowered frame under the rows made after it, deaf to the mouse
    Custom,      // made by the form's own maker (a game control, a picture, a number field)
};

struct ControlRow {
    const char* name = nullptr;
    Kind kind = Kind::Label;
    QRect place;
    const char* caption = nullptr;  // marked with QT_TRANSLATE_NOOP in the form's context
    const char* hint = nullptr;     // likewise; nullptr: no tool tip
    bool visible = true;
    const char* parent = nullptr;  // name of a GroupBox or Panel row above; nullptr: the window
    int tag = 0;                   // the form's own marks for the row (what to make, how it behaves)
};

class Form {
  public:
    // Makes the control of a Custom row inside `parent`, with the row's caption already translated.
    using Maker = std::function<QWidget*(const ControlRow& row, const QString& caption, QWidget* parent)>;

    Form(QWidget& window, const char* context) : m_window(window), m_context(context) {}

    // Makes every row, in order, and returns the last one made.
    QWidget* Build(std::span<const ControlRow> rows, const Maker& custom = {});

    // The control of that name, as the kind it was made; nullptr when there is none of that kind.
    template <typename T>
    T* get(const char* name) const {
        return qobject_cast<T*>(m_controls.value(QByteArray(name)));
    }
    QWidget* operator[](const char* name) const { return m_controls.value(QByteArray(name)); }

    // A source text translated in the form's context; empty for nullptr.
    QString Translate(const char* source) const;

  private:
    QWidget* Make(const ControlRow& row, QWidget* parent, const Maker& custom) const;

    QWidget& m_window;
    const char* m_context;
    QHash<QByteArray, QWidget*> m_controls;
};

}  // namespace ui
