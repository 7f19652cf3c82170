// SPDX-License-Identifier: GPL-3.0-or-later
// ui::TSpokenLine: words a window says to a screen reader at once, and nothing more.
#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// A status line holding one notification that is shown afresh for each message: a screen reader
// says the words of a notification in a status line as they are, without calling them a
// notification each time. Neither paints anything nor takes a click or the focus, so the window
// looks and plays as without them.
class TSpokenLine : public QWidget {
  public:
    explicit TSpokenLine(QWidget* parent);

    // Has a screen reader say `words` now.
    void Say(const QString& words);
    // What was said last (empty before anything was).
    QString LastSaid() const;

  private:
    QWidget* m_note;
};

}  // namespace ui
