// SPDX-License-Identifier: GPL-3.0-or-later
// TSpinEdit: the number field of the settings dialog "SpEcTrUmIx Options".
// A one-line number field with small up and down arrows at its right end, as the settings
// dialog uses for the colour count, the vertex count and the edge probability.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <functional>

class QToolButton;

class TSpinEdit : public QLineEdit {
    Q_OBJECT

  public:
    TSpinEdit(int minValue, int maxValue, QWidget* parent = nullptr);

    int MinValue() const { return m_min; }
    int MaxValue() const { return m_max; }

    // The text read with the settings file's integer syntax; anything else, the empty text
    // included, reads as the minimum. Not clamped: "99" in a 6..16 field reads as 99.
    int Value() const;
    // What the field stands for once corrected into its limits.
    int ClampedValue() const;
    // Shows the value clamped into the limits.
    void SetValue(int value);
    // Adds delta to the value and shows the result clamped (the arrows, Up and Down).
    void StepBy(int delta);

    // How many characters the player may type or paste; 0 for no limit. The arrows and
    // SetValue may still show a longer number (100 in a two-character field).
    void SetMaxTypedLength(int characters);
    int MaxTypedLength() const { return m_maxTyped; }

    // The owner's filter for every accepted typed character (digits, "+", "-" and the
    // decimal separator); it returns the character to enter instead.
    std::function<QChar(QChar)> keyFilter;

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

  signals:
    // A typed character was dropped with a beep.
    void keyRefused();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool IsNumberCharacter(QChar c) const;
    void Refuse();
    void PlaceArrows();

    int m_min;
    int m_max;
    int m_maxTyped = 0;
    QToolButton* m_up;
    QToolButton* m_down;
};
