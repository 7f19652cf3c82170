// SPDX-License-Identifier: GPL-3.0-or-later
// TColorButton: a push button drawn entirely in colours of its own choosing (flat face,
// a light/shadow bevel of selectable thickness, caption lines, an optional lamp). It works
// as a normal push button or as a toggle; toggles on one parent form a group in which
// pressing one releases the others. The game's painter buttons are four of them.
#pragma once

#include <QAbstractButton>
#include <QStringList>

#include "engine/Palette.h"

enum class TToggleStyle { Normal = 0, Toggle = 1 };
enum class TAlignStyle { Center = 0, AlignLeft = 1, AlignRight = 2 };

namespace controls {
class PressTracker;
}
class QPainter;

// Qt's button keeps the pressed state (checked), the focus and the keyboard's click; the mouse
// takes the game's own path through a PressTracker.
class TColorButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TColorButton(QWidget* parent = nullptr);

  signals:
    // Qt's clicked() is the click; the second press of a double click raises this as well.
    void doubleClicked();

  public:
    // Every setter stores the new value and repaints at the next paint cycle, only when
    // the value changed. Setting Value from code never touches the rest of the group.
    bool Value() const { return isChecked(); }
    void setValue(bool value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    game::TColor Color() const { return m_color; }
    void setColor(game::TColor color);
    game::TColor LightColor() const { return m_lightColor; }
    void setLightColor(game::TColor color);
    game::TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(game::TColor color);
    bool LightOn() const { return m_lightOn; }
    void setLightOn(bool on);
    bool LightOff() const { return m_lightOff; }
    void setLightOff(bool on);
    TToggleStyle Style() const { return m_style; }
    void setStyle(TToggleStyle style);
    // Assigning the whole list always repaints; its first line becomes the caption.
    const QStringList& Lines() const { return m_lines; }
    void setLines(const QStringList& lines);
    // 0: no group. Otherwise pressing this toggle releases every other pressed colour
    // button on the same parent.
    int GroupIndex = 0;
    TAlignStyle ALign() const { return m_align; }
    void setALign(TAlignStyle align);
    int Thickness() const { return m_thickness; }
    void setThickness(int thickness);
    // On a board shown `zoom` times its designed size the bevel is as much wider.
    qreal Zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    // A colour number 1..4 shown on the face (0: none); while it shows, the pressed button also
    // wears a white ring round its edge that no one can miss on a dark board.
    int ColourMark() const { return m_mark; }
    void setColourMark(int number);

    // Tells the curious where the usage notes are.
    QString About();

    // What a full mouse click does (press and release inside), for a screen reader's press
    // and the keyboard, without moving the focus: only a shown, enabled button takes it.
    void Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A click that no mouse made (keyboard, screen reader) presses a toggle as the mouse does.
    void nextCheckState() override;

  private:
    // A press of the mouse takes the focus; a key picking a painter leaves it where it is.
    void press(bool takeFocus);
    void release();
    // Tells a listening screen reader that the pressed state changed.
    void valueChanged();
    void releaseOthersInGroup();
    // The colour number on the face and, pressed, the ring round the edge.
    // The colour's number inside the bevel `t` pixels wide, as the painter is drawn now.
    void paintMark(QPainter& painter, bool down, int t);

    controls::PressTracker* m_tracker;
    QString m_caption;
    game::TColor m_color = 0;
    game::TColor m_lightColor = 0;
    game::TColor m_shadowColor = 0;
    bool m_lightOn = false;
    bool m_lightOff = false;
    TToggleStyle m_style = TToggleStyle::Normal;
    QStringList m_lines{QString()};
    TAlignStyle m_align = TAlignStyle::Center;
    int m_thickness = 1;
    qreal m_zoom = 1.0;
    int m_mark = 0;
};
